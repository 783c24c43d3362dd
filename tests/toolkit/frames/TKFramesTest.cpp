// Tests of the toolkit frame stand-ins on a frame made step by step as the
// program's main window: the bars on their edges, the tree bar's size
// notification and dialog initialisation, its toggle and its context menu's
// "Hide", and the attach rules of the menu organiser and the tab client
// (the workspace state: CTKWorkspaceStateTest.cpp).
//
// Not tested: the context menu's tracking (a modal menu loop).

#include "TKFrameTestFixture.h"

#include <string>

namespace {

// Docked bars lie in the frame's dock bars: their places are measured in
// the client area of the frame (or the window named).
CRect RectIn(CWnd& wnd, CWnd& wndArea)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    wndArea.ScreenToClient(&rect);
    return rect;
}

}  // namespace

class TKFramesTest : public TKFrameTestFixture {
protected:
    CRect RectInFrame(CWnd& wnd) { return RectIn(wnd, *m_pFrame); }
    CRect MDIClientRect() { return RectInFrame(*CWnd::FromHandle(m_pFrame->m_hWndMDIClient)); }
};

TEST_F(TKFramesTest, MainWindowShowsOneToolbarTheStatusBarAndTheTreeBarOnTheLeft)
{
    CRect rectClient;
    m_pFrame->GetClientRect(&rectClient);
    CRect rectToolBar = RectInFrame(m_pFrame->m_wndToolBar);
    CRect rectStatus = RectInFrame(m_pFrame->m_wndStatusBar);
    CRect rectTree = RectInFrame(m_pFrame->m_wndTreeBar);

    EXPECT_FALSE(m_pFrame->m_wndWordToolBar.IsWindowVisible());
    EXPECT_EQ(rectToolBar, CRect(0, 0, rectClient.right, rectToolBar.bottom));
    EXPECT_EQ(rectStatus, CRect(0, rectStatus.top, rectClient.right, rectClient.bottom));
    EXPECT_EQ(rectTree, CRect(0, rectToolBar.bottom, m_pFrame->m_wndTreeBar.m_sizeTemplate.cx, rectStatus.top));
    EXPECT_EQ(MDIClientRect(), CRect(rectTree.right, rectToolBar.bottom, rectClient.right, rectStatus.top));
    EXPECT_EQ(m_pFrame->GetControlBar(ID_VIEW_TOOLBAR), &m_pFrame->m_wndToolBar);
}

TEST_F(TKFramesTest, SwappedToolbarsTakeTheTopAfterUpdateSizes)
{
    CTKCoolToolBar& standard = m_pFrame->m_wndToolBar;
    CTKCoolToolBar& word = m_pFrame->m_wndWordToolBar;
    standard.ShowWindow(SW_HIDE);
    standard.EnableWindow(FALSE);
    word.ShowWindow(SW_SHOW);
    word.EnableWindow(TRUE);
    word.UpdateSizes(TRUE, FALSE);

    CRect rectClient;
    m_pFrame->GetClientRect(&rectClient);
    CRect rectWord = RectInFrame(word);
    EXPECT_EQ(rectWord, CRect(0, 0, rectClient.right, rectWord.bottom));
    EXPECT_GT(rectWord.Height(), 0);
    EXPECT_EQ(RectInFrame(m_pFrame->m_wndTreeBar).top, rectWord.bottom);
    EXPECT_EQ(MDIClientRect().top, rectWord.bottom);
}

TEST_F(TKFramesTest, TreeBarIsInitialisedOnceAndToldEveryNewSize)
{
    CTKTestTreeBar& treeBar = m_pFrame->m_wndTreeBar;
    EXPECT_EQ(treeBar.m_nInitCount, 1);
    for (int cy : {500, 360, 620}) {
        SCOPED_TRACE(cy);
        m_pFrame->SetWindowPos(nullptr, 0, 0, 700, cy, SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rectClient;
        treeBar.GetClientRect(&rectClient);
        EXPECT_EQ(treeBar.m_sizeReported, rectClient.Size());
        CRect rectTree = RectIn(*treeBar.GetDlgItem(IDC_TKTREE), treeBar);
        EXPECT_EQ(rectTree, rectClient);
    }
}

TEST_F(TKFramesTest, ExplorerBarToggleHidesAndShowsTheTreeBarWithItsCheckMark)
{
    CMenu* pView = m_pFrame->GetMenu()->GetSubMenu(0);
    auto isChecked = [&]() {
        m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pView->m_hMenu), 0);
        return (pView->GetMenuState(ID_VIEW_TREEBAR, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(isChecked());

    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TREEBAR);
    EXPECT_FALSE(m_pFrame->m_wndTreeBar.IsWindowVisible());
    EXPECT_FALSE(isChecked());
    EXPECT_EQ(MDIClientRect().left, 0);

    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TREEBAR);
    EXPECT_TRUE(m_pFrame->m_wndTreeBar.IsWindowVisible());
    EXPECT_TRUE(isChecked());
}

TEST_F(TKFramesTest, HideOfTheBarsContextMenuHidesTheBar)
{
    m_pFrame->m_wndTreeBar.SendMessage(WM_COMMAND, ID_TKSB_HIDE);
    EXPECT_FALSE(m_pFrame->m_wndTreeBar.IsWindowVisible());
    EXPECT_EQ(MDIClientRect().left, 0);
}

TEST_F(TKFramesTest, MenuOrganiserAndTabClientAttachToOneFrameOnly)
{
    EXPECT_EQ(m_pFrame->m_menuOrganizer.GetFrameWnd(), m_pFrame);
    EXPECT_FALSE(m_pFrame->m_menuOrganizer.AttachFrameWnd(m_pFrame));
    EXPECT_EQ(m_pFrame->m_tabClient.GetFrameWnd(), m_pFrame);
    EXPECT_FALSE(m_pFrame->m_tabClient.Attach(m_pFrame, TCS_HOTTRACK));

    CTKBitmapMenuOrganizer organizer;
    EXPECT_FALSE(organizer.AttachFrameWnd(nullptr));
    EXPECT_FALSE(organizer.AutoSetMenuImage());
    CTKTabClientWnd tabClient;
    EXPECT_FALSE(tabClient.Attach(nullptr, TCS_HOTTRACK));
}
