// Tests of the floating frame of sizable bars on the test main frame: the
// floating tree bar's reduced system menu and kept floating size, the move
// frame of a plain toolbar, the cursors per edge and closing (the shared
// mouse hook: CTKSizeControlBarTest.cpp).
//
// Not tested: the system menu's and the system sizing's tracking (modal
// loops).

#include "TKFrameTestFixture.h"

#include "toolkit/frames/CTKSizableMiniDockFrameWnd.h"

#include <string>
#include <vector>

namespace {

const UINT kWineAboutCommand = 0xF141;  // Wine adds "About Wine" to every system menu

// The system menu's items as "id text", Wine's own item left out.
std::vector<std::string> SystemMenuItems(CWnd& wnd)
{
    std::vector<std::string> aItems;
    CMenu* pMenu = wnd.GetSystemMenu(FALSE);
    for (UINT i = 0; pMenu != nullptr && i < pMenu->GetMenuItemCount(); ++i) {
        const UINT nID = pMenu->GetMenuItemID(static_cast<int>(i));
        if (nID == kWineAboutCommand)
            continue;
        CString sText;
        pMenu->GetMenuString(i, sText, MF_BYPOSITION);
        aItems.push_back(std::to_string(nID) + " " + std::string(sText));
    }
    return aItems;
}

std::string Item(UINT nID, const char* pszText)
{
    return std::to_string(nID) + " " + pszText;
}

CSize ClientSize(CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(&rect);
    return rect.Size();
}

}  // namespace

class SizableFrameTest : public TKFrameTestFixture {
protected:
    // The frame a bar floats in at (300, 200).
    CTKSizableMiniDockFrameWnd* Float(CControlBar& bar)
    {
        m_pFrame->FloatControlBar(&bar, CPoint(300, 200));
        CFrameWnd* pFrame = bar.GetParentFrame();
        EXPECT_TRUE(pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CTKSizableMiniDockFrameWnd)));
        return static_cast<CTKSizableMiniDockFrameWnd*>(pFrame);
    }
};

TEST_F(SizableFrameTest, FloatingTreeBarHasMoveSizeAndHideInItsSystemMenu)
{
    CTKSizableMiniDockFrameWnd* pFloat = Float(TreeBar());
    EXPECT_EQ(TreeBar().SendMessage(TKSBM_REFRESHFRAME), 1);
    EXPECT_EQ(pFloat->GetFrameKind(), CTKSizableMiniDockFrameWnd::kindSizeBarFrame);
    EXPECT_EQ(SystemMenuItems(*pFloat),
              std::vector<std::string>({Item(SC_MOVE, "&Move"), Item(SC_SIZE, "&Size"), Item(SC_CLOSE, "&Hide")}));
    EXPECT_TRUE(pFloat->GetStyle() & WS_THICKFRAME);
}

TEST_F(SizableFrameTest, ABarThatClosingDeletesKeepsTheCloseText)
{
    TreeBar().SetSizeBarStyle(TreeBar().GetSizeBarStyle() | TKSBS_DELETEONCLOSE);
    CTKSizableMiniDockFrameWnd* pFloat = Float(TreeBar());
    pFloat->GetFrameKind();
    const std::vector<std::string> aItems = SystemMenuItems(*pFloat);
    ASSERT_EQ(aItems.size(), 3u);
    EXPECT_EQ(aItems[2].find(std::to_string(SC_CLOSE) + " &Close"), 0u);
    TreeBar().SetSizeBarStyle(TreeBar().GetSizeBarStyle() & ~TKSBS_DELETEONCLOSE);
}

TEST_F(SizableFrameTest, ResizedFrameGivesTheBarItsFloatingSizeForTheNextFloat)
{
    CTKTestTreeBar& bar = TreeBar();
    CTKSizableMiniDockFrameWnd* pFloat = Float(bar);
    CRect rectFrame;
    pFloat->GetWindowRect(&rectFrame);
    pFloat->SetWindowPos(nullptr, 0, 0, rectFrame.Width() + 40, rectFrame.Height() + 60,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CSize sizeClient = ClientSize(*pFloat);
    EXPECT_EQ(bar.m_FloatSize, sizeClient);

    m_pFrame->DockControlBar(&bar);
    EXPECT_FALSE(bar.IsFloating());
    CTKSizableMiniDockFrameWnd* pFloatAgain = Float(bar);
    EXPECT_EQ(ClientSize(*pFloatAgain), sizeClient);
    EXPECT_EQ(ClientSize(bar) + CSize(10, 10), sizeClient);  // the border inside the floating bar
}

TEST_F(SizableFrameTest, PlainToolbarFrameMovesByItsEdgesADynamicOneSizesByItsSides)
{
    struct Row {
        const char* pszName;
        BOOL bDynamic;
        BOOL bSizable;
    } rows[] = {{"plain", FALSE, FALSE}, {"dynamic", TRUE, TRUE}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        CTKCoolToolBar& toolBar = m_pFrame->m_wndToolBar;
        const DWORD dwStyle = toolBar.GetBarStyle();
        toolBar.SetBarStyle(row.bDynamic ? dwStyle | CBRS_SIZE_DYNAMIC : dwStyle & ~CBRS_SIZE_DYNAMIC);
        CTKSizableMiniDockFrameWnd* pFloat = Float(toolBar);
        EXPECT_EQ(pFloat->GetFrameKind(), CTKSizableMiniDockFrameWnd::kindMiniDockFrame);
        EXPECT_EQ((pFloat->GetStyle() & WS_THICKFRAME) != 0, row.bSizable != FALSE);
        CRect rect;
        pFloat->GetWindowRect(&rect);
        const LRESULT nHit =
            pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rect.left + 1, rect.top + rect.Height() / 2));
        EXPECT_EQ(nHit == HTLEFT, row.bSizable != FALSE);
        m_pFrame->DockControlBar(&toolBar);
        toolBar.SetBarStyle(dwStyle);
    }
}

TEST(CTKSizableMiniDockFrameWnd, EdgesShowTheSystemSizingCursors)
{
    struct Row {
        UINT nHitTest;
        LPCTSTR lpszCursor;
    } rows[] = {{HTTOP, IDC_SIZENS},          {HTBOTTOM, IDC_SIZENS},         {HTTOPRIGHT, IDC_SIZENESW},
                {HTBOTTOMLEFT, IDC_SIZENESW}, {HTTOPLEFT, IDC_SIZENWSE},      {HTBOTTOMRIGHT, IDC_SIZENWSE},
                {HTLEFT, IDC_SIZEWE},         {HTRIGHT, IDC_SIZEWE},          {HTCAPTION, IDC_ARROW},
                {HTCLIENT, IDC_ARROW}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nHitTest);
        EXPECT_EQ(CTKSizableMiniDockFrameWnd::CursorForHitTest(row.nHitTest), row.lpszCursor);
    }
}

TEST_F(SizableFrameTest, ClosingTheFloatingTreeBarHidesIt)
{
    CTKSizableMiniDockFrameWnd* pFloat = Float(TreeBar());
    pFloat->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(pFloat->m_hWnd));
    EXPECT_FALSE(TreeBar().IsWindowVisible());
}

TEST_F(SizableFrameTest, ClosingTheFrameOfABarThatClosingDeletesDeletesTheBar)
{
    auto* pBar = new CTKSizeControlBar(TKSBS_DELETEONCLOSE | TKSBS_SHAREDLIST);
    ASSERT_TRUE(pBar->Create(m_pFrame, "Deleted", 5, WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 100)));
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    CTKSizableMiniDockFrameWnd* pFloat = Float(*pBar);
    const HWND hFloat = pFloat->m_hWnd;
    pFloat->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFloat));
    EXPECT_EQ(CTKSizeControlBar::GetBarList(), nullptr);  // the bar left the list as it was deleted
}
