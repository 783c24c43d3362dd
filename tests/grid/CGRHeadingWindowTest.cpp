// CGRTopHdg and CGRSideHdg on a real grid window: where they lie, what they
// draw (WM_PRINT and the screen after a scroll), clicks and the popup menu,
// the sizing cursor and drags of column, row and heading edges, best fit
// on a double click, context help, the tip's hit test and the in-cell edit
// of a heading cell. Still untested:
// the tip's text request (it reads the real cursor position).
#include "HeadingsGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string RectText(const CRect& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + ","
           + std::to_string(rect.bottom);
}

bool CursorIs(LPCTSTR lpszCursor)
{
    return ::GetCursor() == ::LoadCursor(nullptr, lpszCursor);
}

}

using CGRHeadingWindow = CHeadingsWindowTest;

TEST_F(CGRHeadingWindow, HeadingsAndTabsAreChildrenAtTheirRectangles)
{
    EXPECT_EQ(m_grid.GetDlgItem(2), m_grid.GetTopHeading());
    EXPECT_EQ(m_grid.GetDlgItem(3), m_grid.GetSideHeading());
    EXPECT_EQ(m_grid.GetDlgItem(5), m_grid.GetSheetTabs());
    EXPECT_EQ(RectText(RectInControl(m_grid.GetTopHeading())), "40,0,383,20");
    EXPECT_EQ(RectText(RectInControl(m_grid.GetSideHeading())), "0,20,40,283");

    m_grid.SetTopHeadingHeight(30);
    m_grid.SetSideHeadingWidth(60);
    EXPECT_EQ(RectText(RectInControl(m_grid.GetTopHeading())), "60,0,383,30");
    EXPECT_EQ(RectText(RectInControl(m_grid.GetSideHeading())), "0,30,60,283");
}

TEST_F(CGRHeadingWindow, CellRectanglesOfHeadingCellsAreTheHeadingsOwn)
{
    CRect rect;
    EXPECT_EQ(m_grid.GetCellRect(2, -1, &rect), 0);
    EXPECT_EQ(RectText(rect), "150,0,225,20");
    EXPECT_EQ(m_grid.GetCellRect(-1, 3, &rect), 0);
    EXPECT_EQ(RectText(rect), "0,60,40,80");
    m_grid.JoinCells(1, -1, 2, -1);
    int nCol = 2, nRow = -1;
    m_grid.GetTopHeading()->GetCellRect(&nCol, &nRow, &rect);
    EXPECT_EQ(nCol, 1);
    EXPECT_EQ(RectText(rect), "75,0,225,20");
}

// The edit of a heading cell opens over the cell in its heading, one pixel
// short at the right and bottom as in the cell area; the current cell
// stays. The next edit of a data cell takes the edit back to the cell area.
TEST_F(CGRHeadingWindow, AHeadingCellIsEditedOverItselfInItsHeading)
{
    struct Row {
        int nCol, nRow;
        CWnd* pHeading;
        const char* lpszRect;
    };
    const Row rows[] = {
        {2, -1, m_grid.GetTopHeading(), "150,0,224,19"},
        {-1, 3, m_grid.GetSideHeading(), "0,60,39,79"},
    };
    CWnd* pEdit = m_grid.GetEdit();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszRect);
        ASSERT_EQ(m_grid.EditCell(row.nCol, row.nRow, 0), 0);
        EXPECT_EQ(::GetParent(pEdit->GetSafeHwnd()), row.pHeading->GetSafeHwnd());
        EXPECT_TRUE(pEdit->IsWindowVisible());
        CRect rect;
        pEdit->GetWindowRect(&rect);
        row.pHeading->ScreenToClient(&rect);
        EXPECT_EQ(RectText(rect), row.lpszRect);
        EXPECT_EQ(m_grid.FinishEdit("typed", FALSE, FALSE, 0, 0), 1);
        EXPECT_STREQ(m_grid.GetCellText(row.nCol, row.nRow), "typed");
        EXPECT_EQ(m_grid.GetCurrentCol(), 0);
        EXPECT_EQ(m_grid.GetCurrentRow(), 0);
    }
    ASSERT_EQ(m_grid.EditCell(1, 1, 0), 0);
    EXPECT_EQ(::GetParent(pEdit->GetSafeHwnd()), m_grid.GetCellArea()->GetSafeHwnd());
    m_grid.FinishEdit("", TRUE, FALSE, 0, 0);
}

TEST_F(CGRHeadingWindow, HeadingCellsAreDrawnByTheirTypesAndThePastTheLastFilled)
{
    m_grid.SetColCount(3, 1);
    CAreaBitmap top(m_grid.GetTopHeading());
    Print(m_grid.GetTopHeading(), top);
    EXPECT_EQ(top.Pixel(30, 10), kHeadingColor);
    EXPECT_EQ(top.Pixel(2 * 75 + 30, 10), kMarkedHeadingColor);
    EXPECT_EQ(top.Pixel(3 * 75 + 30, 10), ::GetSysColor(COLOR_BTNFACE));

    CAreaBitmap side(m_grid.GetSideHeading());
    Print(m_grid.GetSideHeading(), side);
    EXPECT_EQ(side.Pixel(20, 3 * 20 + 10), kMarkedHeadingColor);
    // The heading column spans the whole side heading, 40 pixels.
    EXPECT_EQ(side.Pixel(35, 10), kHeadingColor);
}

TEST_F(CGRHeadingWindow, TopHeadingFollowsTheLeftColumn)
{
    EXPECT_EQ(m_grid.SetLeftCol(2), 0);
    CAreaBitmap top(m_grid.GetTopHeading());
    Print(m_grid.GetTopHeading(), top);
    EXPECT_EQ(top.Pixel(30, 10), kMarkedHeadingColor);
    EXPECT_EQ(top.Pixel(105, 10), kHeadingColor);
}

TEST_F(CGRHeadingWindow, ScrolledSideHeadingEqualsOneDrawnAnew)
{
    for (int nRow = 0; nRow < 30; nRow += 2)
        m_grid.SetCellBackColor(-1, nRow, RGB(0, 10 * nRow, 0));
    m_grid.RedrawAll();
    m_grid.GetSideHeading()->UpdateWindow();
    const int targets[][2] = {{0, 5}, {0, 20}, {0, 13}, {0, 2}, {0, 29}, {0, 0}};
    for (const auto& target : targets) {
        SCOPED_TRACE(std::to_string(target[1]));
        m_grid.GotoCell(target[0], target[1]);
        CWnd* pSide = m_grid.GetSideHeading();
        CAreaBitmap screen(pSide);
        CAreaBitmap printed(pSide);
        CopyScreen(pSide, screen);
        Print(pSide, printed);
        int nDiffering = 0;
        for (int y = 0; y < screen.m_rect.Height(); y += 3)
            nDiffering += screen.Pixel(20, y) != printed.Pixel(20, y);
        EXPECT_EQ(nDiffering, 0);
    }
}

TEST_F(CGRHeadingWindow, ClicksReachTheNotificationsOnlyOnHeadingCells)
{
    CWnd* pTop = m_grid.GetTopHeading();
    m_grid.SetUserSizingMode(0);
    Mouse(pTop, WM_LBUTTONDOWN, MK_LBUTTON, 80, 10);
    Mouse(pTop, WM_LBUTTONUP, 0, 80, 10);
    Mouse(pTop, WM_LBUTTONDBLCLK, MK_LBUTTON, 160, 10);
    Mouse(m_grid.GetSideHeading(), WM_LBUTTONDOWN, MK_LBUTTON, 10, 45);
    m_grid.SetColCount(2, 1);
    Mouse(pTop, WM_LBUTTONDOWN, MK_LBUTTON, 200, 10);
    EXPECT_EQ(m_grid.Log(), "TH_L(1,-1,1) TH_L(1,-1,0) TH_D(2,-1,0) SH_L(-1,2,1)");
    EXPECT_EQ(::GetFocus(), m_grid.GetCellArea()->GetSafeHwnd());
}

TEST_F(CGRHeadingWindow, RightPressOpensTheMenuAlsoBesideEveryCell)
{
    CWnd* pTop = m_grid.GetTopHeading();
    m_grid.SetColCount(2, 1);
    Mouse(pTop, WM_RBUTTONDOWN, MK_RBUTTON, 80, 10);
    Mouse(pTop, WM_RBUTTONUP, 0, 80, 10);
    Mouse(pTop, WM_RBUTTONDOWN, MK_RBUTTON, 200, 10);
    Mouse(m_grid.GetSideHeading(), WM_RBUTTONDOWN, MK_RBUTTON, 10, 45);
    EXPECT_EQ(m_grid.Log(), "TH_R(1,-1,1) Menu(1,-1,2) TH_R(1,-1,0) Menu(-1,-1,2) Menu(-1,2,3)");
}

TEST_F(CGRHeadingWindow, UserSizingModeZeroNeverShowsASizingCursor)
{
    m_grid.SetUserSizingMode(0);
    struct Row {
        bool bTop;
        int x, y;
    };
    const Row rows[] = {{true, 75, 10}, {true, 74, 10}, {true, 150, 19}, {false, 39, 50}, {false, 10, 20}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.bTop) + " " + std::to_string(row.x) + "," + std::to_string(row.y));
        CWnd* pHeading = row.bTop ? static_cast<CWnd*>(m_grid.GetTopHeading()) : m_grid.GetSideHeading();
        Mouse(pHeading, WM_MOUSEMOVE, 0, row.x, row.y);
        EXPECT_TRUE(CursorIs(IDC_ARROW));
        pHeading->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(pHeading->GetSafeHwnd()),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_TRUE(CursorIs(IDC_ARROW));
    }
    Drag(m_grid.GetTopHeading(), CPoint(75, 10), CPoint(120, 10));
    EXPECT_EQ(m_grid.GetColWidth(0), 75);
}

TEST_F(CGRHeadingWindow, AnEdgeTwoPixelsAwayShowsTheSizingCursorThreeDoNot)
{
    m_grid.SetUserSizingMode(1);
    struct Row {
        bool bTop;
        int x, y;
        LPCTSTR lpszCursor;
    };
    const Row rows[] = {
        {true, 73, 5, IDC_SIZEWE},  {true, 77, 5, IDC_SIZEWE},  {true, 72, 5, IDC_ARROW},
        {true, 78, 5, IDC_ARROW},   {true, 40, 18, IDC_SIZENS}, {true, 40, 17, IDC_ARROW},
        {false, 10, 62, IDC_SIZENS}, {false, 10, 63, IDC_ARROW}, {false, 38, 50, IDC_SIZEWE},
        {false, 37, 50, IDC_ARROW},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.bTop) + " " + std::to_string(row.x) + "," + std::to_string(row.y));
        CWnd* pHeading = row.bTop ? static_cast<CWnd*>(m_grid.GetTopHeading()) : m_grid.GetSideHeading();
        Mouse(pHeading, WM_MOUSEMOVE, 0, row.x, row.y);
        EXPECT_TRUE(CursorIs(row.lpszCursor));
    }
}

TEST_F(CGRHeadingWindow, AColumnTheControlRefusesToSizeKeepsTheArrow)
{
    m_grid.m_nUnsizableCol = 0;
    Mouse(m_grid.GetTopHeading(), WM_MOUSEMOVE, 0, 75, 5);
    EXPECT_TRUE(CursorIs(IDC_ARROW));
    Drag(m_grid.GetTopHeading(), CPoint(75, 5), CPoint(120, 5));
    EXPECT_EQ(m_grid.GetColWidth(0), 75);
}

TEST_F(CGRHeadingWindow, DraggingAColumnEdgeSizesTheColumnOnceAtTheEnd)
{
    struct Row {
        int nMode;
        int nTo;
        int nWidth;
    };
    const Row rows[] = {{1, 100, 100}, {2, 60, 60}, {2, -200, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nMode) + " to " + std::to_string(row.nTo));
        m_grid.SetColWidth(1, 75);
        m_grid.m_log.clear();
        m_grid.SetUserSizingMode(row.nMode);
        CWnd* pTop = m_grid.GetTopHeading();
        Mouse(pTop, WM_MOUSEMOVE, 0, 150, 5);
        Mouse(pTop, WM_LBUTTONDOWN, MK_LBUTTON, 150, 5);
        Mouse(pTop, WM_MOUSEMOVE, MK_LBUTTON, row.nTo + 75, 5);
        EXPECT_EQ(m_grid.GetColWidth(1), row.nWidth);
        CRect line = m_grid.GetTopHeading()->GetTrackingLine();
        EXPECT_EQ(line.left, row.nMode == 1 ? row.nTo + 74 : -1);
        Mouse(pTop, WM_LBUTTONUP, 0, row.nTo + 75, 5);
        EXPECT_EQ(m_grid.GetTopHeading()->GetTrackingLine().left, -1);
        EXPECT_EQ(m_grid.Log(), "ColSized(1," + std::to_string(row.nWidth) + ",0)");
    }
}

TEST_F(CGRHeadingWindow, DraggingARowEdgePastItsTopGivesHeightZero)
{
    m_grid.SetUserSizingMode(2);
    Drag(m_grid.GetSideHeading(), CPoint(10, 60), CPoint(10, -30));
    EXPECT_EQ(m_grid.GetRowHeight(2), 0);
    EXPECT_EQ(m_grid.Log(), "RowSized(2,0,0)");
    // The edge under row 1 now sizes the hidden row 2.
    Drag(m_grid.GetSideHeading(), CPoint(10, 40), CPoint(10, 55));
    EXPECT_EQ(m_grid.GetRowHeight(2), 15);
    EXPECT_EQ(m_grid.GetRowHeight(1), 20);
}

TEST_F(CGRHeadingWindow, ADragThatLosesTheMouseEndsWhereItStands)
{
    m_grid.SetUserSizingMode(2);
    CWnd* pSide = m_grid.GetSideHeading();
    Mouse(pSide, WM_MOUSEMOVE, 0, 10, 60);
    Mouse(pSide, WM_LBUTTONDOWN, MK_LBUTTON, 10, 60);
    Mouse(pSide, WM_MOUSEMOVE, MK_LBUTTON, 10, 70);
    m_parent.SetCapture();
    ::ReleaseCapture();
    Mouse(pSide, WM_MOUSEMOVE, 0, 10, 100);
    EXPECT_EQ(m_grid.GetRowHeight(2), 30);
    EXPECT_EQ(m_grid.Log(), "RowSized(2,30,0)");
}

TEST_F(CGRHeadingWindow, DraggingAHeadingEdgeSizesTheHeadingAndLaysOut)
{
    m_grid.SetUserSizingMode(2);
    Drag(m_grid.GetTopHeading(), CPoint(100, 19), CPoint(100, 34));
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 35);
    EXPECT_EQ(m_grid.GetTopHeading()->GetRowHeight(-1), 35);
    EXPECT_EQ(RectInControl(m_grid.GetTopHeading()).Height(), 35);
    Drag(m_grid.GetSideHeading(), CPoint(39, 100), CPoint(59, 100));
    EXPECT_EQ(m_grid.GetSideHeadingWidth(), 60);
    EXPECT_EQ(m_grid.GetSideHeading()->GetColWidth(-1), 60);
    EXPECT_EQ(m_grid.GetSideHeading()->GetColWidth(-2), 0);
    EXPECT_EQ(RectInControl(m_grid.GetSideHeading()).Width(), 60);
}

TEST_F(CGRHeadingWindow, DoubleClickOnAColumnEdgeFitsTheColumn)
{
    m_grid.SetCellText(1, 4, "A text much wider than its column");
    m_grid.SetUserSizingMode(1);
    CWnd* pTop = m_grid.GetTopHeading();
    Mouse(pTop, WM_MOUSEMOVE, 0, 151, 5);
    Mouse(pTop, WM_LBUTTONDBLCLK, MK_LBUTTON, 151, 5);
    EXPECT_GT(m_grid.GetColWidth(1), 150);
    EXPECT_EQ(m_grid.Log().find("TH_D"), std::string::npos);
}

TEST_F(CGRHeadingWindow, HelpNamesTheHeadingCellAndSection)
{
    EXPECT_EQ(m_grid.GetTopHeading()->SendMessage(CGRGrid::kHelpHitTestMessage, 0, MAKELPARAM(80, 5)),
              2000 + 100 * 11 + 9);
    EXPECT_EQ(m_grid.GetSideHeading()->SendMessage(CGRGrid::kHelpHitTestMessage, 0, MAKELPARAM(10, 45)),
              3000 + 100 * 9 + 12);
}

TEST_F(CGRHeadingWindow, TipToolIsReportedOnceThePointerRestsInAHeadingCell)
{
    struct Row {
        int x, y;
        INT_PTR nExpected;
    };
    const Row rows[] = {{80, 5, -1}, {90, 8, 1}, {160, 8, -1}, {160, 8, 1}, {380, 8, -1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        TOOLINFO info = {};
        EXPECT_EQ(m_grid.GetTopHeading()->OnToolHitTest(CPoint(row.x, row.y), &info), row.nExpected);
    }
}
