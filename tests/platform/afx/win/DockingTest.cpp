// Tests of docking on a real frame under Xvfb: rows on every edge, scripted
// drags (the capture loop reads the posted mouse and key messages), floating
// frames, the double click that swaps places, and the dock state taken,
// archived and put back on a fresh frame.
//
// Not tested yet: the outline's pixels; sizing a floating frame by its left
// or bottom side (the right and top sides are).

#include "CDockTestFrame.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

CRect ScreenRect(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

std::string RectText(const CRect& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

UINT DockBarIDOf(const CControlBar& bar)
{
    return bar.m_pDockBar != nullptr ? static_cast<UINT>(bar.m_pDockBar->GetDlgCtrlID()) : 0;
}

// One message of a scripted drag; points are on the screen.
struct DragStep {
    UINT message;
    WPARAM wParam;
    CPoint pt;
};

}  // namespace

class DockingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pApp = std::make_unique<CWinApp>("Dock Test");
        static char szNoArguments[] = "";
        ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL));
        MakeFrame();
    }

    void TearDown() override
    {
        DestroyFrame();
        m_pApp.reset();
    }

    void MakeFrame()
    {
        m_pFrame = new CDockTestFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Dock Test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 480)));
        m_pApp->m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->RecalcLayout();
        PumpMessages();
    }

    void DestroyFrame()
    {
        if (m_pApp->m_pMainWnd != nullptr)
            m_pApp->m_pMainWnd->DestroyWindow();
        m_pApp->m_pMainWnd = nullptr;
        PumpMessages(FALSE);
    }

    CDockBar* DockBar(UINT nID) { return dynamic_cast<CDockBar*>(m_pFrame->GetControlBar(nID)); }

    CRect FrameClientOnScreen()
    {
        CRect rect;
        m_pFrame->GetClientRect(&rect);
        m_pFrame->ClientToScreen(&rect);
        return rect;
    }

    // Posts the steps to the bar, then presses it at ptPress (client): the
    // press runs the drag loop, which takes the posted messages.
    void Drag(CControlBar& bar, CPoint ptPress, const std::vector<DragStep>& steps)
    {
        for (const DragStep& step : steps) {
            CPoint pt = step.pt;
            bar.ScreenToClient(&pt);
            bar.PostMessage(step.message, step.wParam, MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y)));
        }
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
        PumpMessages();
    }

    std::unique_ptr<CWinApp> m_pApp;
    CDockTestFrame* m_pFrame = nullptr;
};

TEST_F(DockingTest, BarsDockedByIdTakeRowsAndByRectangleShareARowOnEveryEdge)
{
    const struct {
        const char* name;
        UINT nDockBarID;
        BOOL bHorz;
    } edges[] = {
        {"top", AFX_IDW_DOCKBAR_TOP, TRUE},
        {"bottom", AFX_IDW_DOCKBAR_BOTTOM, TRUE},
        {"left", AFX_IDW_DOCKBAR_LEFT, FALSE},
        {"right", AFX_IDW_DOCKBAR_RIGHT, FALSE},
    };
    CControlBar& barA = m_pFrame->m_wndBarA;
    CControlBar& barB = m_pFrame->m_wndBarB;
    for (const auto& edge : edges) {
        SCOPED_TRACE(edge.name);
        m_pFrame->DockControlBar(&barA, edge.nDockBarID);
        m_pFrame->DockControlBar(&barB, edge.nDockBarID);
        CDockBar* pDockBar = DockBar(edge.nDockBarID);
        ASSERT_NE(pDockBar, nullptr);
        EXPECT_EQ(DockBarIDOf(barA), edge.nDockBarID);
        EXPECT_EQ(pDockBar->GetRowOf(&barB), pDockBar->GetRowOf(&barA) + 1);

        const CRect rectA = ScreenRect(barA);
        EXPECT_EQ(edge.bHorz ? rectA.Size() : CSize(rectA.Height(), rectA.Width()), CSize(100, 20));
        const CRect rectWanted = edge.bHorz ? CRect(rectA.right + 10, rectA.top, rectA.right + 130, rectA.top + 24)
                                            : CRect(rectA.left, rectA.bottom + 10, rectA.left + 24, rectA.bottom + 130);
        m_pFrame->DockControlBar(&barB, edge.nDockBarID, &rectWanted);
        SCOPED_TRACE("A " + RectText(ScreenRect(barA)) + " was " + RectText(rectA) + ", B " +
                     RectText(ScreenRect(barB)) + " wanted " + RectText(rectWanted));
        EXPECT_EQ(pDockBar->GetRowOf(&barB), pDockBar->GetRowOf(&barA));
        // B keeps the place along the edge it was dropped at and starts
        // the row where A does; A stays where it was along the edge.
        const CRect rectB = ScreenRect(barB);
        const CRect rectANow = ScreenRect(barA);
        EXPECT_EQ(edge.bHorz ? rectB.left : rectB.top, edge.bHorz ? rectWanted.left : rectWanted.top);
        EXPECT_EQ(edge.bHorz ? rectB.top : rectB.left, edge.bHorz ? rectANow.top : rectANow.left);
        EXPECT_EQ(edge.bHorz ? rectANow.left : rectANow.top, edge.bHorz ? rectA.left : rectA.top);
    }
}

TEST_F(DockingTest, ScriptedDragsDockFloatOrChangeNothing)
{
    enum Outcome { unchanged, dockedBottom, dockedLeft, floating };
    struct Case {
        const char* name;
        std::vector<DragStep> (*script)(const CRect& rectClient, CPoint ptPress);
        Outcome outcome;
    };
    auto toBottom = [](const CRect& rc, CPoint) {
        return std::vector<DragStep>{{WM_MOUSEMOVE, 0, CPoint(300, rc.bottom - 3)},
                                     {WM_LBUTTONUP, 0, CPoint(300, rc.bottom - 3)}};
    };
    const Case cases[] = {
        {"onto the bottom edge", toBottom, dockedBottom},
        {"onto the left edge",
         [](const CRect& rc, CPoint) {
             return std::vector<DragStep>{{WM_MOUSEMOVE, 0, CPoint(rc.left + 20, rc.CenterPoint().y)},
                                          {WM_LBUTTONUP, 0, CPoint(rc.left + 20, rc.CenterPoint().y)}};
         },
         dockedLeft},
        {"into the middle",
         [](const CRect& rc, CPoint) {
             return std::vector<DragStep>{{WM_MOUSEMOVE, 0, rc.CenterPoint()}, {WM_LBUTTONUP, 0, rc.CenterPoint()}};
         },
         floating},
        {"onto the bottom edge with Ctrl held",
         [](const CRect& rc, CPoint) {
             return std::vector<DragStep>{{WM_KEYDOWN, VK_CONTROL, CPoint()},
                                          {WM_MOUSEMOVE, 0, CPoint(300, rc.bottom - 3)},
                                          {WM_LBUTTONUP, 0, CPoint(300, rc.bottom - 3)}};
         },
         floating},
        {"Ctrl pressed and released",
         [](const CRect& rc, CPoint) {
             return std::vector<DragStep>{{WM_KEYDOWN, VK_CONTROL, CPoint()},
                                          {WM_MOUSEMOVE, 0, CPoint(300, rc.bottom - 3)},
                                          {WM_KEYUP, VK_CONTROL, CPoint()},
                                          {WM_LBUTTONUP, 0, CPoint(300, rc.bottom - 3)}};
         },
         dockedBottom},
        {"Escape",
         [](const CRect& rc, CPoint) {
             return std::vector<DragStep>{{WM_MOUSEMOVE, 0, CPoint(300, rc.bottom - 3)},
                                          {WM_KEYDOWN, VK_ESCAPE, CPoint()}};
         },
         unchanged},
        {"right button",
         [](const CRect& rc, CPoint) {
             return std::vector<DragStep>{{WM_MOUSEMOVE, 0, CPoint(300, rc.bottom - 3)},
                                          {WM_RBUTTONDOWN, 0, CPoint(300, rc.bottom - 3)}};
         },
         unchanged},
        {"released where pressed",
         [](const CRect& rc, CPoint ptPress) {
             return std::vector<DragStep>{{WM_MOUSEMOVE, 0, CPoint(300, rc.bottom - 3)},
                                          {WM_MOUSEMOVE, 0, ptPress},
                                          {WM_LBUTTONUP, 0, ptPress}};
         },
         unchanged},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        DestroyFrame();
        MakeFrame();
        CControlBar& barA = m_pFrame->m_wndBarA;
        const CRect rectBefore = ScreenRect(barA);
        const CPoint ptPress(10, 5);
        CPoint ptPressScreen = ptPress;
        barA.ClientToScreen(&ptPressScreen);
        Drag(barA, ptPress, row.script(FrameClientOnScreen(), ptPressScreen));

        EXPECT_EQ(::GetCapture(), nullptr);
        switch (row.outcome) {
        case unchanged:
            EXPECT_EQ(DockBarIDOf(barA), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
            EXPECT_EQ(ScreenRect(barA), rectBefore);
            break;
        case dockedBottom:
            EXPECT_EQ(DockBarIDOf(barA), static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM));
            EXPECT_EQ(ScreenRect(barA).bottom, FrameClientOnScreen().bottom);
            break;
        case dockedLeft:
            EXPECT_EQ(DockBarIDOf(barA), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
            EXPECT_EQ(ScreenRect(barA).Size(), CSize(20, 100));
            break;
        case floating:
            EXPECT_TRUE(barA.IsFloating());
            ASSERT_NE(barA.GetParentFrame(), m_pFrame);
            EXPECT_TRUE(barA.GetParentFrame()->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
            EXPECT_TRUE(barA.GetParentFrame()->IsWindowVisible());
            break;
        }
    }
}

TEST_F(DockingTest, FloatingFrameClosesToHiddenComesBackAndDoubleClicksSwapPlaces)
{
    CControlBar& barA = m_pFrame->m_wndBarA;
    const CRect rectDocked = ScreenRect(barA);
    m_pFrame->FloatControlBar(&barA, CPoint(300, 250));
    PumpMessages();
    ASSERT_TRUE(barA.IsFloating());
    CFrameWnd* pFloatingFrame = barA.GetParentFrame();
    CString sTitle;
    pFloatingFrame->GetWindowText(sTitle);
    EXPECT_STREQ(sTitle, "Bar A");
    EXPECT_EQ(ScreenRect(*pFloatingFrame).TopLeft(), CPoint(300, 250));

    pFloatingFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(barA.IsWindowVisible());
    EXPECT_FALSE(pFloatingFrame->IsWindowVisible());
    m_pFrame->ShowControlBar(&barA, TRUE, FALSE);
    EXPECT_TRUE(barA.IsWindowVisible());
    EXPECT_TRUE(pFloatingFrame->IsWindowVisible());

    // The caption's double click docks the bar where it was.
    pFloatingFrame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    PumpMessages();
    EXPECT_FALSE(barA.IsFloating());
    EXPECT_EQ(DockBarIDOf(barA), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP)->GetRowOf(&barA), 0);
    EXPECT_EQ(ScreenRect(barA), rectDocked);

    // The bar's double click floats it where it floated.
    barA.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 5));
    PumpMessages();
    ASSERT_TRUE(barA.IsFloating());
    EXPECT_EQ(ScreenRect(*barA.GetParentFrame()).TopLeft(), CPoint(300, 250));
}

TEST_F(DockingTest, AFloatingBarTakesPartInTheIdleUpdate)
{
    m_pFrame->FloatControlBar(&m_pFrame->m_wndBarA, CPoint(300, 250));
    m_pFrame->m_wndBarA.m_nIdleUpdates = 0;
    PumpMessages();
    EXPECT_GT(m_pFrame->m_wndBarA.m_nIdleUpdates, 0);
}

TEST_F(DockingTest, AFloatingFrameOffEveryMonitorComesOntoTheNearestWorkArea)
{
    CControlBar& barA = m_pFrame->m_wndBarA;
    m_pFrame->FloatControlBar(&barA, CPoint(-5000, 9000));
    CRect rectFrame = ScreenRect(*barA.GetParentFrame());
    HMONITOR hMonitor = ::MonitorFromRect(&rectFrame, MONITOR_DEFAULTTONULL);
    ASSERT_NE(hMonitor, nullptr);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfo(hMonitor, &info);
    CRect rectInside;
    rectInside.IntersectRect(rectFrame, CRect(info.rcWork));
    EXPECT_EQ(rectInside, rectFrame);
}

namespace {

void StoreDockState(CFrameWnd& frame, CMemFile& file)
{
    CDockState state;
    frame.GetDockState(state);
    CArchive ar(&file, CArchive::store);
    state.Serialize(ar);
}

void LoadDockState(CFrameWnd& frame, CMemFile& file)
{
    file.SeekToBegin();
    CDockState state;
    {
        CArchive ar(&file, CArchive::load);
        state.Serialize(ar);
    }
    frame.SetDockState(state);
}

}  // namespace

TEST_F(DockingTest, DockStateThroughAnArchiveRestoresRowsVisibilityAndFloatingPlaces)
{
    CRect rectNextToA = ScreenRect(m_pFrame->m_wndBarA);
    rectNextToA.OffsetRect(rectNextToA.Width() + 30, 0);
    rectNextToA.right = rectNextToA.left + 120;
    m_pFrame->DockControlBar(&m_pFrame->m_wndBarB, AFX_IDW_DOCKBAR_TOP, &rectNextToA);
    m_pFrame->FloatControlBar(&m_pFrame->m_wndBarS, CPoint(420, 200));
    m_pFrame->ShowControlBar(&m_pFrame->m_wndBarA, FALSE, FALSE);
    PumpMessages();
    const CPoint ptB = ScreenRect(m_pFrame->m_wndBarB).TopLeft();
    CMemFile file;
    StoreDockState(*m_pFrame, file);

    DestroyFrame();
    MakeFrame();
    LoadDockState(*m_pFrame, file);
    PumpMessages();

    CDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    EXPECT_FALSE(m_pFrame->m_wndBarA.IsWindowVisible());
    EXPECT_EQ(DockBarIDOf(m_pFrame->m_wndBarB), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(pTop->GetRowOf(&m_pFrame->m_wndBarB), pTop->GetRowOf(&m_pFrame->m_wndBarA));
    EXPECT_EQ(ScreenRect(m_pFrame->m_wndBarB).left, ptB.x);
    ASSERT_TRUE(m_pFrame->m_wndBarS.IsFloating());
    EXPECT_EQ(ScreenRect(*m_pFrame->m_wndBarS.GetParentFrame()).TopLeft(), CPoint(420, 200));
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_LEFT)->GetDockedCount(), 0);
}

TEST_F(DockingTest, SetDockStateSkipsBarsAndDockBarsTheFrameLacks)
{
    CDockState state;
    auto addDockBar = [&state](UINT nID, std::vector<DWORD> ids) {
        auto* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = nID;
        pInfo->m_bDockBar = TRUE;
        pInfo->m_bVisible = TRUE;
        for (DWORD id : ids)
            pInfo->m_arrBarID.Add(id);
        state.Add(pInfo);
    };
    auto addBar = [&state](UINT nID) {
        auto* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = nID;
        pInfo->m_bVisible = TRUE;
        state.Add(pInfo);
    };
    addDockBar(0xE8FF, {0, ID_DOCKTEST_BAR_A, 0});
    addDockBar(AFX_IDW_DOCKBAR_BOTTOM, {0, 0x7999, ID_DOCKTEST_BAR_B, 0});
    addBar(0x7999);
    addBar(ID_DOCKTEST_BAR_A);
    addBar(ID_DOCKTEST_BAR_B);

    m_pFrame->SetDockState(state);
    PumpMessages();
    EXPECT_EQ(DockBarIDOf(m_pFrame->m_wndBarA), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(DockBarIDOf(m_pFrame->m_wndBarB), static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_TRUE(m_pFrame->m_wndBarB.IsWindowVisible());
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_BOTTOM)->GetDockedCount(), 1);
}

namespace {

// Keeps a moved rectangle's left edge within 0..200, as a splitter's
// tracker keeps to its dock bar.
class CClampingTracker : public CRectTracker {
public:
    using CRectTracker::CRectTracker;
    void AdjustRect(int nHandle, LPRECT lpRect) override
    {
        if (nHandle != hitMiddle)
            return;
        const LONG nWidth = lpRect->right - lpRect->left;
        lpRect->left = std::max<LONG>(0, std::min<LONG>(lpRect->left, 200));
        lpRect->right = lpRect->left + nWidth;
    }
};

}  // namespace

TEST_F(DockingTest, TrackerMovesAndSizesThroughAdjustRectAndGivesUpOnEscape)
{
    const struct {
        const char* name;
        int nHandle;
        std::vector<DragStep> steps;  // points in the frame's client area
        BOOL bChanged;
        CRect rectResult;
    } cases[] = {
        {"move", CRectTracker::hitMiddle, {{WM_MOUSEMOVE, 0, CPoint(130, 110)}, {WM_LBUTTONUP, 0, CPoint(130, 110)}},
         TRUE, CRect(130, 110, 180, 150)},
        {"move clamped", CRectTracker::hitMiddle, {{WM_LBUTTONUP, 0, CPoint(400, 100)}}, TRUE, CRect(200, 100, 250, 140)},
        {"right edge held at the minimum", CRectTracker::hitRight, {{WM_LBUTTONUP, 0, CPoint(0, 100)}}, TRUE,
         CRect(100, 100, 120, 140)},
        {"bottom right corner", CRectTracker::hitBottomRight, {{WM_LBUTTONUP, 0, CPoint(110, 130)}}, TRUE,
         CRect(100, 100, 160, 170)},
        {"Escape", CRectTracker::hitMiddle, {{WM_MOUSEMOVE, 0, CPoint(130, 110)}, {WM_KEYDOWN, VK_ESCAPE, CPoint()}},
         FALSE, CRect(100, 100, 150, 140)},
        {"released in place", CRectTracker::hitMiddle, {{WM_LBUTTONUP, 0, CPoint(100, 100)}}, FALSE,
         CRect(100, 100, 150, 140)},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        CRect rectStart(100, 100, 150, 140);
        CClampingTracker tracker(&rectStart, CRectTracker::solidLine);
        tracker.m_sizeMin = CSize(20, 20);
        for (const DragStep& step : row.steps)
            m_pFrame->PostMessage(step.message, step.wParam, MAKELPARAM(step.pt.x, step.pt.y));
        EXPECT_EQ(tracker.TrackHandle(row.nHandle, m_pFrame, CPoint(100, 100)), row.bChanged);
        EXPECT_EQ(tracker.m_rect, row.rectResult);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

namespace {

// Six buttons of 23 x 22 pixels with a gap of 8 after the second.
const UINT kToolBarButtons[] = {0x7101, 0x7102, ID_SEPARATOR, 0x7103, 0x7104, 0x7105, 0x7106};
const int kToolBarGapRows = 8 * 2 / 3;  // a gap that ends a row lies between the rows
const CSize kToolBarRow(6 * 23 + 8, 22);
const CSize kToolBarColumn(23, 6 * 22 + kToolBarGapRows);

// The union of the buttons' rectangles as the toolbar control lays them out.
CSize ButtonsExtent(CToolBar& toolBar)
{
    CRect rectAll(0, 0, 0, 0);
    for (int i = 0; i < toolBar.GetCount(); ++i) {
        CRect rect;
        toolBar.GetItemRect(i, &rect);
        if (!(toolBar.GetButtonStyle(i) & TBSTYLE_SEP))
            rectAll.UnionRect(rectAll, rect);
    }
    return rectAll.Size();
}

}  // namespace

class ToolBarDockingTest : public DockingTest {
protected:
    void SetUp() override
    {
        DockingTest::SetUp();
        ASSERT_TRUE(m_toolBar.CreateEx(m_pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
        ASSERT_TRUE(m_toolBar.SetButtons(kToolBarButtons, static_cast<int>(std::size(kToolBarButtons))));
        m_toolBar.SetWindowText("Tools");
        m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_toolBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        PumpMessages();
    }

    void TearDown() override
    {
        DockingTest::TearDown();
    }

    // Presses the floating frame's side nHitTest at ptPress (screen) after
    // posting the steps to the toolbar, which holds the capture.
    void SizeFloatingFrame(int nHitTest, CPoint ptPress, const std::vector<DragStep>& steps)
    {
        for (const DragStep& step : steps) {
            CPoint pt = step.pt;
            m_toolBar.ScreenToClient(&pt);
            m_toolBar.PostMessage(step.message, step.wParam,
                                  MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y)));
        }
        m_toolBar.GetParentFrame()->SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(nHitTest),
                                                MAKELPARAM(ptPress.x, ptPress.y));
        PumpMessages();
    }

    CToolBar m_toolBar;
};

TEST_F(ToolBarDockingTest, ButtonsLieInARowOnAHorizontalEdgeAndInAColumnOnAVerticalOne)
{
    const struct {
        UINT nDockBarID;
        CSize sizeButtons;  // as the control lays them out
        CSize sizeBar;      // with the border line on the inner side
    } cases[] = {
        {AFX_IDW_DOCKBAR_TOP, kToolBarRow, kToolBarRow + CSize(0, 1)},
        {AFX_IDW_DOCKBAR_LEFT, kToolBarColumn, kToolBarColumn + CSize(1, 0)},
        {AFX_IDW_DOCKBAR_BOTTOM, kToolBarRow, kToolBarRow + CSize(0, 1)},
        {AFX_IDW_DOCKBAR_RIGHT, kToolBarColumn, kToolBarColumn + CSize(1, 0)},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.nDockBarID);
        m_pFrame->DockControlBar(&m_toolBar, row.nDockBarID);
        m_pFrame->RecalcLayout();
        PumpMessages();
        const BOOL bHorz = row.nDockBarID == AFX_IDW_DOCKBAR_TOP || row.nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
        EXPECT_EQ(ButtonsExtent(m_toolBar), row.sizeButtons);
        // Alone in its row, the bar runs the edge.
        const CSize sizeBar = ScreenRect(m_toolBar).Size();
        EXPECT_EQ(bHorz ? sizeBar.cy : sizeBar.cx, bHorz ? row.sizeBar.cy : row.sizeBar.cx);
        EXPECT_EQ(m_toolBar.CalcDynamicLayout(-1, bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK), row.sizeBar);
    }
}

TEST_F(ToolBarDockingTest, AFloatingToolBarWrapsIntoRowsByTheSideTheUserMoves)
{
    const struct {
        const char* name;
        int nHitTest;
        int nBarLength;  // the toolbar's width (right side) or height (top side) asked for
        BOOL bCancel;
        CSize sizeBar;     // the toolbar's size afterwards
    } cases[] = {
        // The narrowest width with the two rows of 80 pixels is 77 (at 76
        // the gap ends the first row, and three rows follow).
        {"narrower, two rows", HTRIGHT, 80, FALSE, CSize(77, 2 * 22)},
        {"one button wide", HTRIGHT, 1, FALSE, kToolBarColumn},
        // 70 pixels would take two rows of 77.
        {"lower, three rows", HTTOP, 71, FALSE, CSize(46, 3 * 22 + kToolBarGapRows)},
        {"Escape", HTRIGHT, 80, TRUE, kToolBarRow},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        m_toolBar.m_nMRUWidth = 32767;
        m_pFrame->FloatControlBar(&m_toolBar, CPoint(200, 150));
        PumpMessages();
        CFrameWnd* pFloatingFrame = m_toolBar.GetParentFrame();
        ASSERT_NE(pFloatingFrame, m_pFrame);
        const CRect rectFrame = ScreenRect(*pFloatingFrame);
        CRect rectNonClient(0, 0, 0, 0);
        ::AdjustWindowRectEx(&rectNonClient, pFloatingFrame->GetStyle(), FALSE, pFloatingFrame->GetExStyle());
        const CSize sizeNonClient = rectNonClient.Size();
        const BOOL bRight = row.nHitTest == HTRIGHT;
        const CPoint ptPress = bRight ? CPoint(rectFrame.right - 1, rectFrame.CenterPoint().y)
                                      : CPoint(rectFrame.CenterPoint().x, rectFrame.top);
        const CPoint ptTo = bRight ? CPoint(rectFrame.left + sizeNonClient.cx + row.nBarLength, ptPress.y)
                                   : CPoint(ptPress.x, rectFrame.bottom - sizeNonClient.cy - row.nBarLength);
        std::vector<DragStep> steps{{WM_MOUSEMOVE, 0, ptTo}};
        steps.push_back(row.bCancel ? DragStep{WM_KEYDOWN, VK_ESCAPE, CPoint()} : DragStep{WM_LBUTTONUP, 0, ptTo});
        SizeFloatingFrame(row.nHitTest, ptPress, steps);

        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(ScreenRect(m_toolBar).Size(), row.sizeBar);
        EXPECT_EQ(ButtonsExtent(m_toolBar), row.sizeBar);
        // The system keeps a captioned window at least SM_CXMINTRACK wide.
        const CRect rectAfter = ScreenRect(*pFloatingFrame);
        EXPECT_EQ(rectAfter.Height(), row.sizeBar.cy + sizeNonClient.cy);
        EXPECT_EQ(rectAfter.Width(),
                  std::max<LONG>(row.sizeBar.cx + sizeNonClient.cx, ::GetSystemMetrics(SM_CXMINTRACK)));
        // The side opposite the moved one stays.
        EXPECT_EQ(bRight ? rectAfter.left : rectAfter.bottom, bRight ? rectFrame.left : rectFrame.bottom);
        if (!row.bCancel)
            EXPECT_EQ(m_toolBar.m_nMRUWidth, row.sizeBar.cx);

        // Docked and floated again, the bar takes the width it was given.
        m_pFrame->DockControlBar(&m_toolBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        EXPECT_EQ(ButtonsExtent(m_toolBar), kToolBarRow);
        m_pFrame->FloatControlBar(&m_toolBar, CPoint(200, 150));
        EXPECT_EQ(ScreenRect(m_toolBar).Size(), row.sizeBar);
        m_pFrame->DockControlBar(&m_toolBar, AFX_IDW_DOCKBAR_TOP);
        PumpMessages();
    }
}

TEST_F(DockingTest, AFloatingFrameShowsItsCaptionActiveWhileItsFrameOrItselfIsActive)
{
    m_pFrame->FloatControlBar(&m_pFrame->m_wndBarA, CPoint(300, 250));
    auto* pFloatingFrame = dynamic_cast<CMiniFrameWnd*>(m_pFrame->m_wndBarA.GetParentFrame());
    ASSERT_NE(pFloatingFrame, nullptr);
    auto* pOther = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(pOther->Create(nullptr, "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 300, 200, 400)));

    const struct {
        const char* name;
        CWnd* pActivate;
        BOOL bCaptionActive;
    } steps[] = {
        {"the frame", m_pFrame, TRUE},
        {"another window", pOther, FALSE},
        {"the floating frame itself", pFloatingFrame, TRUE},
        {"back to the frame", m_pFrame, TRUE},
        {"another window again", pOther, FALSE},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.pActivate->SetActiveWindow();
        PumpMessages();
        EXPECT_EQ(pFloatingFrame->m_bActive, step.bCaptionActive);
    }
    pOther->DestroyWindow();
}
