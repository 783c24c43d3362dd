// Tests of the sizable dock bars on a frame made as the program's main
// window, with more sizable bars made by the tests: the rows with their
// splitters and fitted lengths, expanding, the splitter drag, the outline
// drag into rows (a third of the width beside two bars, Ctrl floating, a
// release in place), the tab strip (grouping, removal, the drop zone), the
// dock bar found under a dragged point, and a tabbed bar leaving its dock
// bar.
//
// Not tested: dragging a tab off the strip (it hands the bar to the bar's
// own immediate drag), the splitter cursors (they follow the real cursor).

#include "TKFramesTest.h"

#include "toolkit/frames/CTKDragDockContext.h"
#include "toolkit/frames/CTKSizeControlBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const UINT kFirstBarID = 0xE900;

struct PostedStep {
    UINT message;
    WPARAM wParam;
    CPoint pt;  // screen
};

}  // namespace

class CTKSizeDockBarTest : public TKFramesTest {
protected:
    void SetUp() override
    {
        TKFramesTest::SetUp();
        SetClientSize(CSize(800, 600));
        m_pFrame->ShowControlBar(&m_pFrame->m_wndToolBar, FALSE, FALSE);
        PumpMessages();
    }

    void TearDown() override
    {
        TKFramesTest::TearDown();
        m_bars.clear();
    }

    void SetClientSize(CSize size)
    {
        CRect rect(CPoint(0, 0), size);
        ::AdjustWindowRectEx(&rect, m_pFrame->GetStyle(), FALSE, m_pFrame->GetExStyle());
        m_pFrame->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }

    CTKSizeDockBar* DockBar(UINT nID) { return static_cast<CTKSizeDockBar*>(m_pFrame->GetControlBar(nID)); }

    // A sizable bar of the given docked size in dock bar nID: at a
    // rectangle (screen), or in a row of its own.
    CTKTestTreeBar& AddBar(UINT nDockBarID, CSize sizeDocked, LPCRECT lpRect = nullptr)
    {
        auto pBar = std::make_unique<CTKTestTreeBar>();
        const UINT nID = kFirstBarID + static_cast<UINT>(m_bars.size());
        EXPECT_TRUE(pBar->Create(m_pFrame, IDD_TKTREE, CBRS_TOP, nID));
        pBar->SetWindowText(CString("Bar ") + char('A' + m_bars.size()));
        pBar->m_HorzDockSize = sizeDocked;
        pBar->m_VertDockSize = CSize(sizeDocked.cy, sizeDocked.cx);
        pBar->m_FloatSize = CSize(200, 150);
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        if (lpRect != nullptr)
            m_pFrame->DockControlBar(pBar.get(), DockBar(nDockBarID), lpRect);
        else
            m_pFrame->DockControlBar(pBar.get(), nDockBarID);
        m_bars.push_back(std::move(pBar));
        return *m_bars.back();
    }

    // Bars side by side in one row of dock bar nID, with the given docked
    // sizes when the edge becomes 800 long.
    std::vector<CTKTestTreeBar*> AddRow(UINT nDockBarID, const std::vector<CSize>& sizes)
    {
        std::vector<CTKTestTreeBar*> row;
        for (const CSize& size : sizes) {
            CRect rect;
            if (!row.empty()) {
                row.back()->GetWindowRect(&rect);
                rect.OffsetRect(rect.Width() / 2, 0);
            }
            row.push_back(&AddBar(nDockBarID, size, row.empty() ? nullptr : &rect));
        }
        SetClientSize(CSize(700, 600));
        m_pFrame->RecalcLayout();
        for (size_t i = 0; i < row.size(); ++i) {
            row[i]->m_HorzDockSize = sizes[i];
            EXPECT_EQ(DockBar(nDockBarID)->GetRowOf(row[i]), DockBar(nDockBarID)->GetRowOf(row[0]));
        }
        SetClientSize(CSize(800, 600));
        m_pFrame->RecalcLayout();
        PumpMessages();
        return row;
    }

    CPoint CentreOf(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        return rect.CenterPoint();
    }

    // Posts the steps (points on the screen, sent in the client coordinates
    // of wnd), then runs the loop that takes them.
    template <class TRun>
    void RunWithPosted(CWnd& wnd, const std::vector<PostedStep>& steps, TRun run)
    {
        for (const PostedStep& step : steps) {
            CPoint pt = step.pt;
            wnd.ScreenToClient(&pt);
            wnd.PostMessage(step.message, step.wParam, MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y)));
        }
        run();
        PumpMessages();
    }

    void OutlineDrag(CTKDragDockContext& context, CControlBar& bar, CPoint ptFrom, const std::vector<PostedStep>& steps)
    {
        RunWithPosted(bar, steps, [&] { context.StartDrag(ptFrom); });
    }

    std::vector<std::unique_ptr<CTKTestTreeBar>> m_bars;
};

TEST_F(CTKSizeDockBarTest, EveryEdgeHasASizeDockBarAndBarsFloatInSizableFrames)
{
    for (UINT nID : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT}) {
        SCOPED_TRACE(nID);
        ASSERT_NE(DockBar(nID), nullptr);
        EXPECT_TRUE(DockBar(nID)->IsKindOf(RUNTIME_CLASS(CTKSizeDockBar)));
        EXPECT_NE(DockBar(nID)->m_wndDockTabCtrl.m_hWnd, nullptr);
    }
    EXPECT_EQ(m_pFrame->m_pFloatingFrameClass, RUNTIME_CLASS(CTKSizableMiniDockFrameWnd));
}

// 800 long, a splitter between the bars and a border of 2 pixels on each:
// 796 pixels shared in proportion to 400 and 600.
TEST_F(CTKSizeDockBarTest, TwoSizeBarsShareTheTopRowWithOneSplitterAndOneBelow)
{
    CTKSizeDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    std::vector<CTKTestTreeBar*> row = AddRow(AFX_IDW_DOCKBAR_TOP, {CSize(400, 150), CSize(600, 120)});

    EXPECT_EQ(row[0]->m_HorzDockSize, CSize(318, 150));
    EXPECT_EQ(row[1]->m_HorzDockSize, CSize(477, 150));
    const CRect rectFirst = RectIn(*row[0], *pTop);
    const CRect rectSecond = RectIn(*row[1], *pTop);
    EXPECT_EQ(rectFirst.top, rectSecond.top);
    ASSERT_EQ(pTop->m_arrSplitters.size(), 2u);
    const CTKSplitterRect& between = *pTop->m_arrSplitters[0];
    const CTKSplitterRect& below = *pTop->m_arrSplitters[1];
    EXPECT_EQ(between.m_nType, CTKSplitterRect::kVerticalStrip);
    EXPECT_EQ(between.m_rect, CRect(rectFirst.right - 2, rectFirst.top, rectFirst.right + 6, rectFirst.bottom));
    EXPECT_EQ(rectSecond.left, between.m_rect.right);
    EXPECT_EQ(below.m_nType, CTKSplitterRect::kHorizontalStrip);
    EXPECT_EQ(below.m_rect, CRect(0, rectFirst.bottom, 800, rectFirst.bottom + 8));
    CRect rectTop;
    pTop->GetClientRect(&rectTop);
    EXPECT_EQ(rectTop.Height(), rectFirst.bottom + 8);

    // The left dock bar's tree bar: its splitter shows 7 pixels.
    CRect rectLeft;
    DockBar(AFX_IDW_DOCKBAR_LEFT)->GetClientRect(&rectLeft);
    EXPECT_EQ(rectLeft.Width(), m_pFrame->m_wndTreeBar.m_VertDockSize.cx + 7);
}

TEST_F(CTKSizeDockBarTest, ExpandingLeavesTheOthers21LongAndRestoringGivesTheSavedSizesBack)
{
    std::vector<CTKTestTreeBar*> row =
        AddRow(AFX_IDW_DOCKBAR_TOP, {CSize(200, 100), CSize(300, 100), CSize(250, 100)});
    std::vector<CSize> sizesBefore;
    int nTotal = 0;
    for (CTKTestTreeBar* pBar : row) {
        sizesBefore.push_back(pBar->m_HorzDockSize);
        nTotal += pBar->m_HorzDockSize.cx;
    }

    DockBar(AFX_IDW_DOCKBAR_TOP)->ExpandBar(row[1], TRUE);

    EXPECT_TRUE(row[1]->m_bExpanded);
    EXPECT_EQ(row[0]->m_HorzDockSize.cx, 21);
    EXPECT_EQ(row[2]->m_HorzDockSize.cx, 21);
    EXPECT_EQ(row[1]->m_HorzDockSize.cx, nTotal - 2 * 21);

    DockBar(AFX_IDW_DOCKBAR_TOP)->ExpandBar(row[1], FALSE);

    EXPECT_FALSE(row[1]->m_bExpanded);
    for (size_t i = 0; i < row.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(row[i]->m_HorzDockSize, sizesBefore[i]);
    }
}

// The splitter between the first and the second of three bars dragged as
// far right as it goes: the bars behind it give all their length to the
// first.
TEST_F(CTKSizeDockBarTest, ASplitterDraggedAsFarAsItGoesLeavesTheFarBarsAtLengthZero)
{
    CTKSizeDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    std::vector<CTKTestTreeBar*> row =
        AddRow(AFX_IDW_DOCKBAR_TOP, {CSize(200, 100), CSize(300, 100), CSize(250, 100)});
    const int nFirst = row[0]->m_HorzDockSize.cx;
    const int nFar = row[1]->m_HorzDockSize.cx + row[2]->m_HorzDockSize.cx;
    ASSERT_FALSE(pTop->m_arrSplitters.empty());
    const CTKSplitterRect* pSplitter = pTop->m_arrSplitters[0].get();
    ASSERT_EQ(pSplitter->m_nType, CTKSplitterRect::kVerticalStrip);
    CPoint ptPress = pSplitter->m_rect.CenterPoint();
    CPoint ptFar = ptPress + CSize(2000, 0);
    pTop->ClientToScreen(&ptPress);
    pTop->ClientToScreen(&ptFar);

    RunWithPosted(*pTop, {{WM_MOUSEMOVE, MK_LBUTTON, ptFar}, {WM_LBUTTONUP, 0, ptFar}}, [&] {
        CPoint pt = ptPress;
        pTop->ScreenToClient(&pt);
        pTop->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    });

    EXPECT_EQ(row[1]->m_HorzDockSize.cx, 0);
    EXPECT_EQ(row[2]->m_HorzDockSize.cx, 0);
    EXPECT_GE(row[0]->m_HorzDockSize.cx, nFirst + nFar);
    EXPECT_LE(row[0]->m_HorzDockSize.cx, 800);
}

// Beside two bars the docking outline is a third of the full width; in an
// empty dock bar it is the full width.
TEST_F(CTKSizeDockBarTest, TheDockingOutlineIsTheBarsShareOfTheRowItJoins)
{
    CTKSizeDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    std::vector<CTKTestTreeBar*> row = AddRow(AFX_IDW_DOCKBAR_TOP, {CSize(300, 100), CSize(300, 100)});
    CTKTestTreeBar& dragged = AddBar(AFX_IDW_DOCKBAR_TOP, CSize(200, 80));
    m_pFrame->FloatControlBar(&dragged, CPoint(300, 350));
    PumpMessages();
    CTKDragDockContext context(&dragged);

    // The outline's top 10 pixels above the empty bottom dock bar.
    const CPoint ptFrom = CentreOf(dragged);
    CRect rectBottom;
    DockBar(AFX_IDW_DOCKBAR_BOTTOM)->GetWindowRect(&rectBottom);
    CRect rectDragged;
    dragged.GetWindowRect(&rectDragged);
    const CPoint ptBottom(ptFrom.x + 3, rectBottom.top - 10 + ptFrom.y - rectDragged.top);
    OutlineDrag(context, dragged, ptFrom, {{WM_MOUSEMOVE, MK_LBUTTON, ptBottom}, {WM_LBUTTONUP, 0, ptBottom}});

    EXPECT_EQ(dragged.m_pDockBar, DockBar(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(context.m_rectDrop, context.m_rectDockHorz);

    const CPoint ptAgain = CentreOf(dragged);
    const CPoint ptRow = CentreOf(*row[0]) + CSize(50, 0);
    OutlineDrag(context, dragged, ptAgain, {{WM_MOUSEMOVE, MK_LBUTTON, ptRow}, {WM_LBUTTONUP, 0, ptRow}});

    EXPECT_EQ(context.m_rectDrop.Width(), context.m_rectDockHorz.Width() / 3);
    EXPECT_EQ(dragged.m_pDockBar, pTop);
    EXPECT_EQ(pTop->GetRowOf(&dragged), pTop->GetRowOf(row[0]));
}

TEST_F(CTKSizeDockBarTest, CtrlHeldThroughTheDragFloatsAndPressedAndReleasedDocks)
{
    CTKTestTreeBar& bar = AddBar(AFX_IDW_DOCKBAR_BOTTOM, CSize(300, 100));
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTKDragDockContext context(&bar);
    const CPoint ptFrom = CentreOf(bar);
    CRect rectTop;
    DockBar(AFX_IDW_DOCKBAR_TOP)->GetWindowRect(&rectTop);
    const CPoint ptTop(ptFrom.x, rectTop.top + 5);

    OutlineDrag(context, bar, ptFrom,
                {{WM_KEYDOWN, VK_CONTROL, ptFrom}, {WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, ptTop},
                 {WM_LBUTTONUP, MK_CONTROL, ptTop}});
    EXPECT_TRUE(bar.IsFloating());

    const CPoint ptFloating = CentreOf(bar);
    OutlineDrag(context, bar, ptFloating,
                {{WM_KEYDOWN, VK_CONTROL, ptFloating}, {WM_KEYUP, VK_CONTROL, ptFloating},
                 {WM_MOUSEMOVE, MK_LBUTTON, ptTop}, {WM_LBUTTONUP, 0, ptTop}});
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(bar.m_pDockBar, DockBar(AFX_IDW_DOCKBAR_TOP));
}

TEST_F(CTKSizeDockBarTest, AReleaseWhereThePressWasChangesNothing)
{
    CTKTestTreeBar& bar = AddBar(AFX_IDW_DOCKBAR_BOTTOM, CSize(300, 100));
    m_pFrame->RecalcLayout();
    PumpMessages();
    const CRect rectBefore = RectIn(bar, *m_pFrame);
    const CSize sizeBefore = bar.m_HorzDockSize;
    CTKDragDockContext context(&bar);
    const CPoint pt = CentreOf(bar);

    OutlineDrag(context, bar, pt, {{WM_LBUTTONUP, 0, pt}});

    EXPECT_EQ(bar.m_pDockBar, DockBar(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(RectIn(bar, *m_pFrame), rectBefore);
    EXPECT_EQ(bar.m_HorzDockSize, sizeBefore);
}

// Two bars grouped make two tabs; removing either removes both, since one
// tab groups nothing, and the bar left shows.
TEST_F(CTKSizeDockBarTest, GroupingTwoBarsMakesTwoTabsAndRemovingOneRemovesBoth)
{
    CTKSizeDockBar* pBottom = DockBar(AFX_IDW_DOCKBAR_BOTTOM);
    std::vector<CTKTestTreeBar*> row = AddRow(AFX_IDW_DOCKBAR_BOTTOM, {CSize(300, 100), CSize(300, 100)});
    CTKDockTabCtrl& tabs = pBottom->m_wndDockTabCtrl;

    tabs.InsertBar(row[1], 1, TRUE);
    m_pFrame->RecalcLayout();
    PumpMessages();

    ASSERT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(tabs.GetBar(0), row[0]);
    EXPECT_EQ(tabs.GetBar(1), row[1]);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_FALSE(row[0]->IsWindowVisible());
    EXPECT_TRUE(row[1]->IsWindowVisible());
    EXPECT_EQ(pBottom->GetTabHeight(), 28);

    tabs.RemoveBar(row[1]);
    m_pFrame->RecalcLayout();
    PumpMessages();

    EXPECT_EQ(tabs.GetItemCount(), 0);
    EXPECT_TRUE(row[0]->IsWindowVisible());
    EXPECT_EQ(pBottom->GetTabHeight(), 0);
}

TEST_F(CTKSizeDockBarTest, ADropIsATabDropOnlyInTheLowest48PixelsAndOnlyThereFindsATabbedDockBar)
{
    CTKSizeDockBar* pBottom = DockBar(AFX_IDW_DOCKBAR_BOTTOM);
    std::vector<CTKTestTreeBar*> row = AddRow(AFX_IDW_DOCKBAR_BOTTOM, {CSize(300, 100), CSize(300, 100)});
    pBottom->m_wndDockTabCtrl.InsertBar(row[1], 1, TRUE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTKTestTreeBar& dragged = AddBar(AFX_IDW_DOCKBAR_TOP, CSize(200, 80));
    CRect rect;
    pBottom->GetWindowRect(&rect);
    ASSERT_GT(rect.Height(), 48);

    const struct {
        int nAboveBottom;
        bool bTabDrop;
    } cases[] = {{49, false}, {48, true}, {10, true}};
    for (const auto& drop : cases) {
        SCOPED_TRACE(drop.nAboveBottom);
        const CPoint pt(rect.left + 20, rect.bottom - drop.nAboveBottom);
        EXPECT_EQ(pBottom->m_wndDockTabCtrl.HitTestDrop(pt, &dragged) >= 0, drop.bTabDrop);
        EXPECT_EQ(CTKSizeDockBar::FindDockBarAtPoint(pt, &dragged) == pBottom, drop.bTabDrop);
    }
}

// The right dock bar holds nothing: 20 pixels off it still find it, in the
// second pass; 21 pixels off do not.
TEST_F(CTKSizeDockBarTest, ABarDragged20PixelsOutsideADockBarStillFindsIt)
{
    CTKTestTreeBar& dragged = AddBar(AFX_IDW_DOCKBAR_TOP, CSize(200, 80));
    CTKSizeDockBar* pRight = DockBar(AFX_IDW_DOCKBAR_RIGHT);
    CRect rect;
    pRight->GetWindowRect(&rect);
    const int nMiddle = rect.top + rect.Height() / 2;

    EXPECT_EQ(CTKSizeDockBar::FindDockBarAtPoint(CPoint(rect.left - 20, nMiddle), &dragged), pRight);
    EXPECT_EQ(CTKSizeDockBar::FindDockBarAtPoint(CPoint(rect.left - 21, nMiddle), &dragged), nullptr);
    dragged.m_dwDockStyle = CBRS_ALIGN_LEFT;
    EXPECT_EQ(CTKSizeDockBar::FindDockBarAtPoint(CPoint(rect.left - 20, nMiddle), &dragged), nullptr);
}

// A tabbed bar that leaves its dock bar by the outline drag or a double
// click takes its tab along: a stale tab would hide and move it wherever
// it lies next.
TEST_F(CTKSizeDockBarTest, ATabbedBarLeavingItsDockBarLosesItsTab)
{
    CTKSizeDockBar* pBottom = DockBar(AFX_IDW_DOCKBAR_BOTTOM);
    std::vector<CTKTestTreeBar*> row =
        AddRow(AFX_IDW_DOCKBAR_BOTTOM, {CSize(200, 100), CSize(200, 100), CSize(200, 100)});
    CTKDockTabCtrl& tabs = pBottom->m_wndDockTabCtrl;
    tabs.InsertBar(row[2], 2, TRUE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_EQ(tabs.GetItemCount(), 3);

    CTKDragDockContext context(row[2]);
    const CPoint ptFrom = CentreOf(*row[2]);
    const CPoint ptAway = ptFrom - CSize(0, 200);
    OutlineDrag(context, *row[2], ptFrom,
                {{WM_KEYDOWN, VK_CONTROL, ptFrom}, {WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, ptAway},
                 {WM_LBUTTONUP, MK_CONTROL, ptAway}});

    EXPECT_TRUE(row[2]->IsFloating());
    EXPECT_EQ(tabs.FindBar(row[2]), -1);
    EXPECT_EQ(tabs.GetItemCount(), 2);

    CTKDragDockContext contextOfFirst(row[0]);
    contextOfFirst.ToggleDocking();
    PumpMessages();

    EXPECT_TRUE(row[0]->IsFloating());
    EXPECT_EQ(tabs.GetItemCount(), 0);
    EXPECT_TRUE(row[1]->IsWindowVisible());
}
