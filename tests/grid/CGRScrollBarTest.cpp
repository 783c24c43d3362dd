// The grid's scroll bars on a real window: their range and position follow
// the view and tell the control, the scroll messages move the view, a large
// sheet is scaled onto 1000 positions, the three-position mode, the dragged
// thumb with and without following and its hint, the popup menu and
// context help.
#include "CompanionGrid.h"

#include <string>

namespace {

class CGRScrollBarWindow : public CCompanionWindowTest {
protected:
    // The pointer at a point of the control.
    void PointerAt(int x, int y)
    {
        CPoint point(x, y);
        m_grid.ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
    }
    CRect HintRectInControl()
    {
        CRect rect;
        m_grid.GetHint()->GetWindowRect(&rect);
        m_grid.ScreenToClient(&rect);
        return rect;
    }
};

}

TEST_F(CGRScrollBarWindow, BarsSitBesideTheCellsAndTheirThumbsEndAtTheLastView)
{
    CreateGrid();
    const CGRGridInfo& info = *m_grid.GetGridInfo();
    CRect bar;
    m_grid.GetVScrollBar()->GetWindowRect(&bar);
    m_grid.ScreenToClient(&bar);
    EXPECT_EQ(bar, Component(CGRGridInfo::kVScrollBar));
    EXPECT_EQ(m_grid.GetVScrollBar()->GetDlgCtrlID(), 6);
    EXPECT_EQ(m_grid.GetHScrollBar()->GetDlgCtrlID(), 7);
    EXPECT_EQ(m_grid.GetScrollBarCtrl(SB_VERT), m_grid.GetVScrollBar());
    EXPECT_EQ(m_grid.GetScrollBarCtrl(SB_HORZ), m_grid.GetHScrollBar());

    SCROLLINFO vertical = BarInfo(m_grid.GetVScrollBar());
    EXPECT_EQ(vertical.nMin, 0);
    EXPECT_EQ(static_cast<int>(vertical.nPage), info.m_nAreaHeight / 20);
    EXPECT_EQ(vertical.nMax - static_cast<int>(vertical.nPage) + 1, info.m_nMaxTopRow);
    SCROLLINFO horizontal = BarInfo(m_grid.GetHScrollBar());
    EXPECT_EQ(static_cast<int>(horizontal.nPage), info.m_nAreaWidth / 75);
    EXPECT_EQ(horizontal.nMax - static_cast<int>(horizontal.nPage) + 1, info.m_nMaxLeftCol);
}

TEST_F(CGRScrollBarWindow, PositionsFollowAMoveAndTellTheControl)
{
    CreateGrid();
    m_grid.GotoCell(20, 40);
    EXPECT_EQ(BarInfo(m_grid.GetVScrollBar()).nPos, m_grid.GetTopRow());
    EXPECT_EQ(BarInfo(m_grid.GetHScrollBar()).nPos, m_grid.GetLeftCol());
    EXPECT_EQ(m_grid.Log(), "ViewMoved(6,0," + std::to_string(m_grid.GetTopRow()) + ") ViewMoved(5,0,"
                                + std::to_string(m_grid.GetLeftCol()) + ")");
}

TEST_F(CGRScrollBarWindow, ScrollMessagesMoveTheViewFromTheCellArea)
{
    CreateGrid();
    const int nMaxTopRow = m_grid.GetGridInfo()->m_nMaxTopRow;
    const int nMaxLeftCol = m_grid.GetGridInfo()->m_nMaxLeftCol;
    struct Row {
        const char* lpszCase;
        bool bVertical;
        UINT nCode, nPos;
        int nFirst;
    } rows[] = {
        {"line down", true, SB_LINEDOWN, 0, 11},    {"line up", true, SB_LINEUP, 0, 9},
        {"top", true, SB_TOP, 0, 0},                {"bottom", true, SB_BOTTOM, 0, nMaxTopRow},
        {"thumb let go", true, SB_THUMBPOSITION, 17, 17},
        {"line right", false, SB_LINEDOWN, 0, 11},  {"line left", false, SB_LINEUP, 0, 9},
        {"left end", false, SB_TOP, 0, 0},          {"right end", false, SB_BOTTOM, 0, nMaxLeftCol},
        {"column thumb let go", false, SB_THUMBPOSITION, 13, 13},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_grid.SetTopRow(10);
        m_grid.SetLeftCol(10);
        m_parent.SetFocus();
        m_grid.GetGridInfo()->m_nMoveReason = 0;
        if (row.bVertical)
            VScroll(row.nCode, row.nPos);
        else
            HScroll(row.nCode, row.nPos);
        EXPECT_EQ(row.bVertical ? m_grid.GetTopRow() : m_grid.GetLeftCol(), row.nFirst);
        EXPECT_EQ(BarInfo(row.bVertical ? static_cast<CGRScrollBar*>(m_grid.GetVScrollBar())
                                        : m_grid.GetHScrollBar()).nPos,
                  row.nFirst);
        EXPECT_EQ(m_grid.GetGridInfo()->m_nMoveReason, 4);
        EXPECT_EQ(CWnd::GetFocus(), m_grid.GetCellArea());
    }
}

TEST_F(CGRScrollBarWindow, PageStepsMoveTheViewByAPage)
{
    CreateGrid();
    m_grid.SetTopRow(20);
    int nBottomRow = m_grid.GetBottomRow();
    VScroll(SB_PAGEDOWN);
    EXPECT_GT(m_grid.GetTopRow(), 20);
    EXPECT_LE(m_grid.GetTopRow(), nBottomRow);
    VScroll(SB_PAGEUP);
    EXPECT_EQ(m_grid.GetTopRow(), 20);
}

TEST_F(CGRScrollBarWindow, SheetOf5000TopRowsIsScaledOntoAThousandPositions)
{
    m_grid.m_nCols = 3;
    m_grid.m_nRows = 5014;  // 14 rows fill the area
    CreateGrid();
    ASSERT_EQ(m_grid.GetGridInfo()->m_nMaxTopRow, 5000);
    SCROLLINFO info = BarInfo(m_grid.GetVScrollBar());
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 1000);
    EXPECT_EQ(info.nPage, 1u);
    VScroll(SB_THUMBPOSITION, 500);
    EXPECT_EQ(m_grid.GetTopRow(), 2500);
    EXPECT_EQ(BarInfo(m_grid.GetVScrollBar()).nPos, 500);
    VScroll(SB_BOTTOM);
    EXPECT_EQ(m_grid.GetTopRow(), 5000);
    EXPECT_EQ(BarInfo(m_grid.GetVScrollBar()).nPos, 1000);
}

TEST_F(CGRScrollBarWindow, ThreePositionBarStaysInTheMiddle)
{
    CreateGrid();
    m_grid.GetGridInfo()->m_nVScrollMode = 2;
    m_grid.RedrawAll();
    SCROLLINFO info = BarInfo(m_grid.GetVScrollBar());
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 2);
    EXPECT_EQ(info.nPos, 1);
    for (UINT nCode : {SB_LINEDOWN, SB_LINEDOWN, SB_PAGEDOWN, SB_LINEUP}) {
        SCOPED_TRACE(nCode);
        VScroll(nCode);
        EXPECT_EQ(BarInfo(m_grid.GetVScrollBar()).nPos, 1);
    }
    EXPECT_GT(m_grid.GetTopRow(), 2);
}

TEST_F(CGRScrollBarWindow, ViewFollowsTheDraggedThumbOnlyWhenAskedTo)
{
    CreateGrid();
    struct Row {
        const char* lpszCase;
        bool bVertical;
        int nFollow;
        int nFirst;
    } rows[] = {
        {"rows, normal mode", true, 0, 0},   {"rows, follow mode", true, 1, 12},
        {"columns, no tracking", false, 0, 0}, {"columns, tracking", false, 1, 12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_grid.SetTopRow(0);
        m_grid.SetLeftCol(0);
        m_grid.GetGridInfo()->m_nVScrollMode = row.bVertical ? row.nFollow : 0;
        m_grid.GetGridInfo()->m_nHThumbTrack = row.bVertical ? 0 : row.nFollow;
        if (row.bVertical)
            VScroll(SB_THUMBTRACK, 12);
        else
            HScroll(SB_THUMBTRACK, 12);
        EXPECT_EQ(row.bVertical ? m_grid.GetTopRow() : m_grid.GetLeftCol(), row.nFirst);
        EXPECT_FALSE(m_grid.GetHint()->IsWindowVisible());
    }
}

TEST_F(CGRScrollBarWindow, DraggedThumbNamesItsRowInAHintLeftOfTheBar)
{
    m_grid.GetGridInfo()->m_nVScrollHints = 1;
    CreateGrid();
    PointerAt(200, 100);
    VScroll(SB_THUMBTRACK, 30);
    CGRHint* pHint = m_grid.GetHint();
    ASSERT_TRUE(pHint->IsWindowVisible());
    EXPECT_STREQ(pHint->GetText(), "Row 30");
    EXPECT_EQ(m_grid.GetTopRow(), 0);
    CRect rect = HintRectInControl();
    EXPECT_EQ(rect.right, Component(CGRGridInfo::kVScrollBar).left - 1);
    EXPECT_GE(rect.Width(), CGRVScroll::kHintMinWidth);
    EXPECT_EQ(rect.top, 100 - rect.Height() / 2);
    EXPECT_NE(CWnd::GetActiveWindow(), pHint);

    VScroll(SB_THUMBPOSITION, 30);
    EXPECT_FALSE(pHint->IsWindowVisible());
    EXPECT_EQ(m_grid.GetTopRow(), 30);
}

TEST_F(CGRScrollBarWindow, DraggedThumbNamesItsColumnInAHintAboveTheBar)
{
    m_grid.GetGridInfo()->m_nHScrollHints = 1;
    CreateGrid();
    m_grid.LockColumns(2);
    PointerAt(200, 100);
    HScroll(SB_THUMBTRACK, 5);
    CGRHint* pHint = m_grid.GetHint();
    ASSERT_TRUE(pHint->IsWindowVisible());
    EXPECT_STREQ(pHint->GetText(), "Column 7");
    EXPECT_EQ(m_grid.GetHScrollBar()->GetTrackedCol(), 7);
    CRect rect = HintRectInControl();
    EXPECT_EQ(rect.bottom, Component(CGRGridInfo::kHScrollBar).top - 1);
    EXPECT_EQ(rect.left, 200 - rect.Width() / 2);
    HScroll(SB_THUMBPOSITION, 5);
    EXPECT_FALSE(pHint->IsWindowVisible());
    EXPECT_EQ(m_grid.GetLeftCol(), 7);
}

TEST_F(CGRScrollBarWindow, RightButtonOpensTheMenuForTheBarsSectionWhenEnabled)
{
    CreateGrid();
    m_grid.GetVScrollBar()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(5, 50));
    EXPECT_EQ(m_grid.Log(), "");
    m_grid.EnableMenu(1);
    m_grid.GetVScrollBar()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(5, 50));
    m_grid.GetHScrollBar()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(50, 5));
    EXPECT_EQ(m_grid.Log(), "MenuStart(0,0,6) MenuStart(0,0,5)");
}

TEST_F(CGRScrollBarWindow, ContextHelpNamesTheCurrentCellAndTheBar)
{
    CreateGrid();
    m_grid.GotoCell(2, 3);
    m_grid.m_log.clear();
    HELPINFO help = {};
    help.cbSize = sizeof(help);
    help.iContextType = HELPINFO_WINDOW;
    EXPECT_EQ(m_grid.GetVScrollBar()->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    EXPECT_EQ(m_grid.GetHScrollBar()->SendMessage(0x0366, 0, 0), 5023);
    EXPECT_EQ(m_grid.Log(), "Help(6023)");
}
