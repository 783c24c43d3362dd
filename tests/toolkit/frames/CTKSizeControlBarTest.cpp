// Tests of the sizable control bar and dialog bar on the test main frame:
// the default rectangle, the size reports, the caption's close button, the
// immediate drag and its grab offset, the context menu and "Allow docking",
// the shared bar list and mouse hook, and the dialog bar's child scaling.
//
// Not tested: the context menu's tracking (a modal menu loop); rows, tabs
// and expansion (the size dock bars' work).

#include "TKFrameTestFixture.h"

#include "toolkit/frames/CTKSharedMouseHook.h"
#include "toolkit/frames/CTKSizableMiniDockFrameWnd.h"
#include "toolkit/frames/CTKSizeDialogBar.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// A bar that records what it is told of its size and floating state.
class CReportingSizeBar : public CTKSizeControlBar {
public:
    using CTKSizeControlBar::CTKSizeControlBar;

    void OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags) override
    {
        m_aReports.push_back({CSize(cx, cy), bFloating, nFlags});
    }

    struct Report {
        CSize size;
        BOOL bFloating;
        int nFlags;
    };
    std::vector<Report> m_aReports;
};

// A parent that records the context menus its children leave to it.
class CContextMenuParent : public CWnd {
public:
    int m_nContextMenus = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_CONTEXTMENU)
            return CWnd::WindowProc(message, wParam, lParam);
        ++m_nContextMenus;
        return 0;
    }
};

std::vector<std::string> MenuTexts(CMenu& menu)
{
    std::vector<std::string> aTexts;
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        CString sText;
        menu.GetMenuString(i, sText, MF_BYPOSITION);
        const bool bChecked = (menu.GetMenuState(i, MF_BYPOSITION) & MF_CHECKED) != 0;
        aTexts.push_back(std::string(sText) + (bChecked ? " [x]" : ""));
    }
    return aTexts;
}

std::vector<std::string> ContextMenuOf(CTKSizeControlBar& bar)
{
    CMenu menu;
    menu.CreatePopupMenu();
    EXPECT_EQ(bar.SendMessage(TKSBM_FILLCONTEXTMENU, 0, reinterpret_cast<LPARAM>(menu.m_hMenu)), 1);
    return MenuTexts(menu);
}

}  // namespace

class SizeBarTest : public TKFrameTestFixture {};

TEST_F(SizeBarTest, DefaultRectangleIsTheLowerRightHalfWidthQuarterHeightOfTheParent)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_CHILD, CRect(0, 0, 1000, 800), m_pFrame,
                                1));
    CTKSizeControlBar bar;
    ASSERT_TRUE(bar.Create(&parent, "Bar", 2, WS_CHILD | WS_VISIBLE, CFrameWnd::rectDefault));

    CRect rect;
    bar.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(500, 600, 1000, 800));
    EXPECT_EQ(bar.m_FloatSize, CSize(500, 200));
    EXPECT_EQ(bar.m_HorzDockSize, CSize(500, 200));
    EXPECT_EQ(bar.m_VertDockSize, CSize(200, 500));
    EXPECT_TRUE(bar.GetStyle() & WS_CLIPCHILDREN);
}

TEST_F(SizeBarTest, FirstPositionChangeReportsTheFloatingStateThenOnlyChangesAreReported)
{
    CReportingSizeBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, "Bar", 2, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150)));
    ASSERT_FALSE(bar.m_aReports.empty());
    EXPECT_TRUE(bar.m_aReports.front().nFlags & 2);
    EXPECT_TRUE(bar.m_aReports.front().bFloating);  // in no dock bar

    bar.m_aReports.clear();
    bar.SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(bar.m_aReports.empty());
    bar.SetWindowPos(nullptr, 0, 0, 250, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(bar.m_aReports.size(), 1u);
    EXPECT_EQ(bar.m_aReports[0].nFlags, 1);
    CRect rectClient;
    bar.GetClientRect(&rectClient);
    EXPECT_EQ(bar.m_aReports[0].size, rectClient.Size());
}

TEST_F(SizeBarTest, DockedBarHasACaptionWithItsButtonsAndTheClientBelowIt)
{
    CTKTestTreeBar& bar = TreeBar();
    CRect rectWindow;
    bar.GetWindowRect(&rectWindow);
    EXPECT_EQ(bar.m_rectCaption.top, 5);
    EXPECT_EQ(bar.m_rectCloseButton, CRect(rectWindow.Width() - 16, 5, rectWindow.Width() - 5, 16));
    EXPECT_FALSE(bar.m_rectExpandButton.IsRectEmpty());
    CRect rectClient;
    bar.GetClientRect(&rectClient);
    EXPECT_EQ(rectClient.Size(), CSize(rectWindow.Width() - 10, rectWindow.Height() - 26));
    EXPECT_EQ(bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectWindow.left + 8, rectWindow.top + 8)), HTCLIENT);
}

TEST_F(SizeBarTest, ClosePressedAndReleasedOutsideOnlyRedrawsReleasedOnItHidesTheBar)
{
    CTKTestTreeBar& bar = TreeBar();
    const CPoint ptClose = ClientPointOf(bar, bar.m_rectCloseButton);
    const CPoint ptOutside = ptClose + CSize(-40, 30);

    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(ptClose));
    EXPECT_EQ(bar.m_nPressedButton, TKSB_PRESSED_CLOSE);
    EXPECT_EQ(CWnd::GetCapture(), &bar);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptOutside));
    EXPECT_EQ(bar.m_nPressedButton, TKSB_PRESSED_NONE);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptClose));
    EXPECT_EQ(bar.m_nPressedButton, TKSB_PRESSED_CLOSE);
    bar.SendMessage(WM_LBUTTONUP, 0, PointParam(ptOutside));
    EXPECT_EQ(bar.m_nPressedButton, TKSB_PRESSED_NONE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(bar.IsVisible());

    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(ptClose));
    bar.SendMessage(WM_LBUTTONUP, 0, PointParam(ptClose));
    EXPECT_FALSE(bar.IsVisible());
    m_pFrame->RecalcLayout();
    EXPECT_FALSE(bar.IsWindowVisible());
}

TEST_F(SizeBarTest, ExpandButtonIgnoresPressesWhileTheBarCannotExpand)
{
    CTKTestTreeBar& bar = TreeBar();
    ASSERT_FALSE(bar.CanExpand());  // alone on its edge
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(ClientPointOf(bar, bar.m_rectExpandButton)));
    EXPECT_EQ(bar.m_nPressedButton, TKSB_PRESSED_NONE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(SizeBarTest, GrabOffsetTakesTheWidthShareWithinFiveAndTheFloatingWidthLessTwenty)
{
    CTKTestTreeBar& bar = TreeBar();
    CRect rect;
    bar.GetWindowRect(&rect);
    bar.ScreenToClient(&rect);
    const int nWidth = rect.Width();
    bar.m_FloatSize = CSize(nWidth, 200);  // the share is then the offset from the left edge
    struct Row {
        int nFromLeft;
        int cxExpected;
    } rows[] = {{0, 5}, {4, 5}, {5, 5}, {6, 6}, {nWidth / 2, nWidth / 2}, {nWidth - 20, nWidth - 20},
                {nWidth - 19, nWidth - 20}, {nWidth - 1, nWidth - 20}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nFromLeft);
        bar.CalcGrabOffset(CPoint(rect.left + row.nFromLeft, 40));
        EXPECT_EQ(bar.m_sizeGrabOffset.cx, row.cxExpected);
        EXPECT_EQ(bar.m_sizeGrabOffset.cy, 10);  // docked
    }
}

TEST_F(SizeBarTest, ImmediateDragNeedsTheMainWindowsConsentAndFourPixelsThenFloatsWithCtrl)
{
    CTKTestTreeBar& bar = TreeBar();
    const CPoint ptCaption = ClientPointOf(bar, CRect(bar.m_rectCaption.left + 10, bar.m_rectCaption.top,
                                                      bar.m_rectCaption.left + 12, bar.m_rectCaption.bottom));
    m_pFrame->m_lImmediateDrag = 1;
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(ptCaption));
    EXPECT_TRUE(bar.m_bDragPending);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptCaption + CSize(3, -3)));
    EXPECT_FALSE(bar.m_bDragging);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptCaption + CSize(4, 0)));
    EXPECT_TRUE(bar.m_bDragging);
    EXPECT_EQ(CWnd::GetCapture(), &bar);
    EXPECT_EQ(bar.m_sizeGrabOffset.cy, 10);

    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, PointParam(ptCaption + CSize(200, 100)));
    EXPECT_TRUE(bar.IsFloating());
    CWnd* pFloatFrame = bar.GetParentFrame();
    ASSERT_NE(pFloatFrame, nullptr);
    EXPECT_TRUE(pFloatFrame->IsKindOf(RUNTIME_CLASS(CTKSizableMiniDockFrameWnd)));
    bar.SendMessage(WM_LBUTTONUP, 0, PointParam(ptCaption));
    EXPECT_FALSE(bar.m_bDragging);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(SizeBarTest, WithoutTheMainWindowsConsentACaptionPressStartsTheOutlineDrag)
{
    CTKTestTreeBar& bar = TreeBar();
    const CPoint ptCaption = ClientPointOf(bar, bar.m_rectCaption);
    // Released in place: the outline drag ends without a change.
    bar.PostMessage(WM_LBUTTONUP, 0, PointParam(ptCaption));
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(ptCaption));
    EXPECT_FALSE(bar.m_bDragPending);
    EXPECT_FALSE(bar.m_bDragging);
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(SizeBarTest, ContextMenuOffersAllowDockingOnlyOnceDockingWasEnabled)
{
    CTKSizeControlBar bar(TKSBS_CONTEXTMENU);
    ASSERT_TRUE(bar.Create(m_pFrame, "Bar", 2, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150)));
    EXPECT_EQ(ContextMenuOf(bar), std::vector<std::string>({"Hide"}));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_EQ(ContextMenuOf(bar), std::vector<std::string>({"Allow docking [x]", "Hide"}));
}

TEST_F(SizeBarTest, WithoutTheContextMenuFlagARightClickIsLeftToTheParent)
{
    CContextMenuParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_CHILD, CRect(0, 0, 300, 300), m_pFrame,
                                1));
    CTKSizeControlBar bar;
    ASSERT_TRUE(bar.Create(&parent, "Bar", 2, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150)));
    bar.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar.m_hWnd), MAKELPARAM(10, 10));
    EXPECT_EQ(parent.m_nContextMenus, 1);
}

TEST_F(SizeBarTest, AllowDockingOffFloatsTheBarAndOnAgainRestoresItsDockStyle)
{
    CTKTestTreeBar& bar = TreeBar();
    bar.SendMessage(WM_COMMAND, ID_TKSB_ALLOW_DOCKING);
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(bar.m_dwDockStyle & CBRS_ALIGN_ANY, 0u);
    EXPECT_EQ(bar.m_dwSavedDockStyle, static_cast<DWORD>(CBRS_ALIGN_ANY));
    EXPECT_EQ(ContextMenuOf(bar), std::vector<std::string>({"Allow docking", "Hide"}));

    bar.SendMessage(WM_COMMAND, ID_TKSB_ALLOW_DOCKING);
    EXPECT_EQ(bar.m_dwDockStyle & CBRS_ALIGN_ANY, static_cast<DWORD>(CBRS_ALIGN_ANY));
    EXPECT_EQ(ContextMenuOf(bar), std::vector<std::string>({"Allow docking [x]", "Hide"}));
}

TEST_F(SizeBarTest, FocusInsideTheBarMakesItActive)
{
    CTKTestTreeBar& bar = TreeBar();
    CWnd* pTree = bar.GetDlgItem(IDC_TKTREE);
    ASSERT_NE(pTree, nullptr);
    pTree->SetFocus();
    bar.OnUpdateCmdUI(m_pFrame, FALSE);
    EXPECT_TRUE(bar.m_bActive);
    m_pFrame->SetFocus();
    bar.OnUpdateCmdUI(m_pFrame, FALSE);
    EXPECT_FALSE(bar.m_bActive);

    bar.SetActive(TRUE, TRUE);
    EXPECT_TRUE(bar.m_bActive);
    EXPECT_TRUE(::GetFocus() == bar.m_hWnd || ::IsChild(bar.m_hWnd, ::GetFocus()));
}

TEST_F(SizeBarTest, MouseHooksStayUntilTheLastWindowOfTheirKindIsDestroyed)
{
    struct Row {
        const char* pszKind;
        const CTKSharedMouseHook& hook;
        std::function<CWnd*()> make;  // a window that deletes itself with its window
    } rows[] = {{"size bars", CTKSizeControlBar::GetMouseHook(),
                 [this]() {
                     auto* pBar = new CTKSizeControlBar;
                     pBar->m_bAutoDelete = TRUE;
                     pBar->Create(m_pFrame, "Bar", 2, WS_CHILD, CRect(0, 0, 100, 100));
                     return pBar;
                 }},
                {"floating frames", CTKSizableMiniDockFrameWnd::GetMouseHook(), [this]() {
                     auto* pFloat = new CTKSizableMiniDockFrameWnd;
                     pFloat->Create(m_pFrame, CBRS_ALIGN_TOP);
                     return pFloat;
                 }}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszKind);
        const int nBefore = row.hook.GetWindowCount();
        CWnd* pFirst = row.make();
        CWnd* pSecond = row.make();
        EXPECT_EQ(row.hook.GetWindowCount(), nBefore + 2);

        pFirst->DestroyWindow();
        EXPECT_TRUE(row.hook.IsInstalled());
        pSecond->DestroyWindow();
        EXPECT_EQ(row.hook.GetWindowCount(), nBefore);
        EXPECT_EQ(row.hook.IsInstalled(), nBefore > 0);
    }
}

TEST_F(SizeBarTest, DestroyBarsOfFrameDestroysTheFramesListedBarsAndEmptiesTheList)
{
    auto* pMade = new CTKSizeControlBar(TKSBS_SHAREDLIST);
    ASSERT_TRUE(pMade->Create(m_pFrame, "Made", 2, WS_CHILD, CRect(0, 0, 100, 100)));
    new CTKSizeControlBar(TKSBS_SHAREDLIST);  // never made: deleted with the list
    ASSERT_NE(CTKSizeControlBar::GetBarList(), nullptr);
    EXPECT_EQ(CTKSizeControlBar::GetBarList()->size(), 2u);

    CTKSizeControlBar::DestroyBarsOfFrame(m_pFrame);
    EXPECT_EQ(CTKSizeControlBar::GetBarList(), nullptr);
}

TEST_F(SizeBarTest, DialogBarScalesItsControlsAndAComboBoxKeepsItsHeight)
{
    CTKSizeDialogBar bar(TKSBS_RESIZECHILDREN);
    ASSERT_TRUE(bar.Create(m_pFrame, IDD_TKSCALEBAR, CBRS_LEFT, 3));
    const CSize sizeTemplate = bar.m_sizeTemplate;
    auto rectOf = [&](int nID) {
        CRect rect;
        bar.GetDlgItem(nID)->GetWindowRect(&rect);
        bar.ScreenToClient(&rect);
        return rect;
    };
    const CRect rectEdit = rectOf(IDC_TKSCALE_EDIT);
    const CRect rectCombo = rectOf(IDC_TKSCALE_COMBO);

    bar.OnSizedOrDocked(sizeTemplate.cx * 2, sizeTemplate.cy * 3, FALSE, 1);
    EXPECT_EQ(rectOf(IDC_TKSCALE_EDIT), CRect(rectEdit.left * 2, rectEdit.top * 3, rectEdit.right * 2,
                                              rectEdit.bottom * 3));
    const CRect rectComboNow = rectOf(IDC_TKSCALE_COMBO);
    EXPECT_EQ(rectComboNow.left, rectCombo.left * 2);
    EXPECT_EQ(rectComboNow.right, rectCombo.right * 2);
    EXPECT_EQ(rectComboNow.top, rectCombo.top * 3);
    EXPECT_EQ(rectComboNow.Height(), rectCombo.Height());
}
