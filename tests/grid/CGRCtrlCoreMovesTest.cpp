// CGRCtrlCore, current cell, view and layout: the order of notifications
// around a move, refusals, bringing the target into view, moves past the
// last row with rows added at the bottom, the move codes, scrolling,
// joined ranges, hit testing and cell rectangles, the component layout,
// the largest first row and column, the popup menu, the default hint,
// sort order and background colours.
#include "grid/CGRCtrlCore.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Cell(const CGRCtrlCore& grid)
{
    return std::to_string(grid.GetCurrentCol()) + "," + std::to_string(grid.GetCurrentRow());
}

std::string RectText(const CRect& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right)
           + "," + std::to_string(rect.bottom);
}

// 10 columns x 20 rows with 4 x 5 cells in view: a cell area of 300 x 100.
class CGRCtrlCoreMoves : public testing::Test {
protected:
    void SetUp() override { m_grid.Build(10, 20, 4, 5); }

    CScopedGridEnvironment m_environment;
    CRecordingGrid m_grid;
};

}

TEST_F(CGRCtrlCoreMoves, SheetWithCellsStartsOnTheFirstCell)
{
    EXPECT_EQ(Cell(m_grid), "0,0");
    EXPECT_EQ(m_grid.GetGridInfo()->m_nAreaWidth, 300);
    EXPECT_EQ(m_grid.GetGridInfo()->m_nAreaHeight, 100);
    EXPECT_EQ(m_grid.GetRightCol(), 4);
    EXPECT_EQ(m_grid.GetBottomRow(), 5);
    CRecordingGrid empty;
    EXPECT_EQ(Cell(empty), "-1,-1");
    empty.SetRowCount(3, 0);
    EXPECT_EQ(Cell(empty), "-1,-1");
    empty.SetColCount(2, 0);
    EXPECT_EQ(Cell(empty), "0,0");
}

TEST_F(CGRCtrlCoreMoves, NotifiesOnlyWhatChangedInOrder)
{
    EXPECT_EQ(m_grid.GotoCell(1, 0), 0);
    EXPECT_EQ(m_grid.Log(), "CanMove(1,0) ColChange(0,1) CellChange(1,0)");
    m_grid.m_log.clear();
    EXPECT_EQ(m_grid.GotoCell(1, 1), 0);
    EXPECT_EQ(m_grid.Log(), "CanMove(1,1) RowChange(0,1) CellChange(1,1)");
    m_grid.m_log.clear();
    EXPECT_EQ(m_grid.GotoCell(1, 1), 0);
    EXPECT_EQ(m_grid.Log(), "CanMove(1,1)");
}

TEST_F(CGRCtrlCoreMoves, RefusedMoveChangesNothing)
{
    m_grid.m_bRefuseMove = true;
    EXPECT_EQ(m_grid.GotoCell(2, 2), 2);
    EXPECT_EQ(m_grid.GotoRow(3), 2);
    EXPECT_EQ(m_grid.MoveCurrentCol(CGRCtrlCore::kMoveForward), 2);
    EXPECT_EQ(Cell(m_grid), "0,0");
    EXPECT_EQ(m_grid.Log(), "CanMove(2,2) CanMove(0,3) CanMove(1,0)");

    m_grid.m_bRefuseMove = false;
    m_grid.m_bRefuseViewMove = true;
    m_grid.m_log.clear();
    EXPECT_EQ(m_grid.GotoCell(0, 10), 2);
    EXPECT_EQ(m_grid.Log(), "CanMove(0,10) CanViewMove(0,6)");
    EXPECT_EQ(Cell(m_grid), "0,0");
    EXPECT_EQ(m_grid.GetTopRow(), 0);
}

TEST_F(CGRCtrlCoreMoves, CellsOutsideTheGridAreOutOfRange)
{
    const int cells[][2] = {{-1, 0}, {0, -1}, {10, 0}, {0, 20}};
    for (const auto& cell : cells) {
        SCOPED_TRACE(std::to_string(cell[0]) + "," + std::to_string(cell[1]));
        EXPECT_EQ(m_grid.GotoCell(cell[0], cell[1]), 1);
    }
    EXPECT_EQ(m_grid.Log(), "");
    CRecordingGrid empty;
    EXPECT_EQ(empty.GotoRow(0), 1);
    EXPECT_EQ(empty.GotoCol(0), 1);
}

TEST_F(CGRCtrlCoreMoves, TargetOutsideTheViewScrollsItJustIntoView)
{
    EXPECT_EQ(m_grid.GotoCell(0, 7), 0);
    EXPECT_EQ(m_grid.Log(), "CanMove(0,7) CanViewMove(0,3) RowChange(0,7) CellChange(0,7) TopRowChange(0,3)");
    m_grid.m_log.clear();
    EXPECT_EQ(m_grid.GotoCell(5, 1), 0);
    EXPECT_EQ(m_grid.Log(),
              "CanMove(5,1) CanViewMove(2,1) ColChange(0,5) RowChange(7,1) CellChange(5,1) "
              "LeftColChange(0,2) TopRowChange(3,1)");
    EXPECT_EQ(m_grid.GetRightCol(), 6);
    EXPECT_EQ(m_grid.GetBottomRow(), 6);
}

TEST_F(CGRCtrlCoreMoves, RowPastTheEndAsksForMoreRowsThenTakesTheLast)
{
    EXPECT_EQ(m_grid.GotoRow(25), 0);
    EXPECT_EQ(Cell(m_grid), "0,19");
    EXPECT_EQ(m_grid.m_log.front(), "HitBottom(20,6)");
    m_grid.m_log.clear();
    EXPECT_EQ(m_grid.GotoRow(20), 1);
    EXPECT_EQ(m_grid.Log(), "HitBottom(20,1)");

    m_grid.m_nRowsToAddAtBottom = 5;
    EXPECT_EQ(m_grid.MoveCurrentRow(CGRCtrlCore::kMoveForward), 0);
    EXPECT_EQ(m_grid.GetRowCount(), 25);
    EXPECT_EQ(Cell(m_grid), "0,20");
}

TEST_F(CGRCtrlCoreMoves, ClampTargetRowKeepsMovesInsideTheRows)
{
    struct Row {
        int nCurrentRow;
        int nTarget;
        int nResult;
        int nClamped;
    };
    const Row rows[] = {
        {5, -5, 0, 0}, {5, 0, 0, 0}, {5, 19, 0, 19}, {5, 20, 0, 19}, {5, 99, 0, 19}, {19, 20, 1, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nCurrentRow) + " -> " + std::to_string(row.nTarget));
        m_grid.GotoRow(row.nCurrentRow);
        int nTarget = row.nTarget;
        EXPECT_EQ(m_grid.ClampTargetRow(nTarget), row.nResult);
        EXPECT_EQ(nTarget, row.nClamped);
    }
}

TEST_F(CGRCtrlCoreMoves, MoveCodesGoByOneByPageAndToTheEnds)
{
    struct Row {
        bool bRows;
        int nCode;
        int nResult;
        int nExpected;
    };
    const Row rows[] = {
        {true, 0, 0, 9}, {true, 1, 0, 11}, {true, 2, 0, 5}, {true, 3, 0, 15}, {true, 4, 0, 0},
        {true, 5, 0, 19}, {true, 9, 0, 10},
        {false, 0, 0, 4}, {false, 1, 0, 6}, {false, 2, 0, 1}, {false, 3, 0, 9}, {false, 4, 0, 0},
        {false, 5, 0, 9}, {false, -1, 0, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.bRows ? "row" : "col") + " code " + std::to_string(row.nCode));
        m_grid.GotoCell(5, 10);
        int nResult = row.bRows ? m_grid.MoveCurrentRow(row.nCode) : m_grid.MoveCurrentCol(row.nCode);
        EXPECT_EQ(nResult, row.nResult);
        EXPECT_EQ(row.bRows ? m_grid.GetCurrentRow() : m_grid.GetCurrentCol(), row.nExpected);
    }
}

TEST_F(CGRCtrlCoreMoves, LastColumnCannotMoveFurtherRight)
{
    m_grid.GotoCol(9);
    EXPECT_EQ(m_grid.GotoCol(10), 1);
    EXPECT_EQ(m_grid.MoveCurrentCol(CGRCtrlCore::kMoveForward), 1);
    m_grid.GotoCol(3);
    EXPECT_EQ(m_grid.GotoCol(50), 0);
    EXPECT_EQ(m_grid.GetCurrentCol(), 9);
    EXPECT_EQ(m_grid.GetLeftCol(), 6);
}

TEST_F(CGRCtrlCoreMoves, ScrollingKeepsTheCurrentCellAndStaysInBounds)
{
    EXPECT_EQ(m_grid.SetTopRow(100), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 15);
    EXPECT_EQ(m_grid.Log(), "CanViewMove(0,15) TopRowChange(0,15)");
    EXPECT_EQ(m_grid.SetTopRow(15), 1);
    EXPECT_EQ(m_grid.SetLeftCol(-3), 1);
    EXPECT_EQ(m_grid.SetLeftCol(8), 0);
    EXPECT_EQ(m_grid.GetLeftCol(), 6);
    EXPECT_EQ(Cell(m_grid), "0,0");

    m_grid.m_bRefuseViewMove = true;
    EXPECT_EQ(m_grid.SetTopRow(0), 2);
    EXPECT_EQ(m_grid.GetTopRow(), 15);

    m_grid.m_bRefuseViewMove = false;
    EXPECT_EQ(m_grid.LockRows(2), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 2);
    EXPECT_EQ(m_grid.SetTopRow(0), 1);
    EXPECT_EQ(m_grid.GetGridInfo()->m_nMaxTopRow, 17);
}

TEST_F(CGRCtrlCoreMoves, ScrollingByOneSkipsHiddenRows)
{
    m_grid.SetRowHeight(1, 0);
    m_grid.SetRowHeight(2, 0);
    EXPECT_EQ(m_grid.MoveTopRow(CGRCtrlCore::kMoveForward), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 3);
    EXPECT_EQ(m_grid.MoveTopRow(CGRCtrlCore::kMoveBack), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 0);
    EXPECT_EQ(m_grid.MoveTopRow(CGRCtrlCore::kMoveBack), 1);
    EXPECT_EQ(m_grid.MoveTopRow(CGRCtrlCore::kMoveLast), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 15);
    EXPECT_EQ(m_grid.MoveLeftCol(CGRCtrlCore::kMovePageForward), 0);
    EXPECT_EQ(m_grid.GetLeftCol(), 4);
    CRecordingGrid empty;
    EXPECT_EQ(empty.MoveTopRow(CGRCtrlCore::kMoveForward), 1);
}

TEST_F(CGRCtrlCoreMoves, MovesStepOverJoinedRanges)
{
    m_grid.JoinCells(0, 3, 0, 5);
    m_grid.GotoRow(2);
    struct Row {
        int nTarget;
        int nLanded;
    };
    const Row rows[] = {{3, 3}, {4, 6}, {5, 3}, {2, 2}, {4, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nTarget);
        EXPECT_EQ(m_grid.GotoRow(row.nTarget), 0);
        EXPECT_EQ(m_grid.GetCurrentRow(), row.nLanded);
    }
    EXPECT_EQ(m_grid.GotoCell(0, 5), 0);
    EXPECT_EQ(Cell(m_grid), "0,3");
}

TEST_F(CGRCtrlCoreMoves, KeysMoveTheCurrentCellAndStepOverJoinedCells)
{
    m_grid.JoinCells(3, 2, 5, 2);
    m_grid.GotoCell(2, 2);
    struct Row {
        UINT nKey;
        BOOL bCtrl;
        const char* lpszCell;
    };
    const Row rows[] = {
        {VK_RIGHT, FALSE, "3,2"}, {VK_RIGHT, FALSE, "6,2"}, {VK_LEFT, FALSE, "3,2"}, {VK_LEFT, FALSE, "2,2"},
        {VK_DOWN, FALSE, "2,3"}, {VK_UP, FALSE, "2,2"}, {VK_NEXT, FALSE, "2,7"}, {VK_PRIOR, FALSE, "2,2"},
        {VK_END, FALSE, "9,2"}, {VK_HOME, FALSE, "0,2"}, {VK_END, TRUE, "0,19"}, {VK_HOME, TRUE, "0,0"},
        {'A', FALSE, "0,0"}, {VK_LEFT, FALSE, "0,0"}, {VK_UP, FALSE, "0,0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nKey) + (row.bCtrl ? " with Ctrl" : ""));
        m_grid.MoveByKey(row.nKey, row.bCtrl);
        EXPECT_EQ(Cell(m_grid), row.lpszCell);
    }
}

TEST_F(CGRCtrlCoreMoves, WheelNotchScrollsThreeRows)
{
    m_grid.SetTopRow(6);
    struct Row {
        int nDelta;
        int nResult;
        int nTopRow;
    };
    const Row rows[] = {{119, 1, 6}, {120, 0, 3}, {-240, 0, 9}, {-119, 1, 9}, {360, 0, 0}, {120, 1, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nDelta);
        EXPECT_EQ(m_grid.ScrollByWheel(row.nDelta), row.nResult);
        EXPECT_EQ(m_grid.GetTopRow(), row.nTopRow);
    }
    EXPECT_EQ(Cell(m_grid), "0,0");
}

TEST_F(CGRCtrlCoreMoves, FindsTheCellUnderAPoint)
{
    struct Row {
        int x, y;
        int nResult;
        int nCol, nRow;
    };
    const Row rows[] = {
        {0, 0, 0, 0, 0}, {74, 19, 0, 0, 0}, {75, 20, 0, 1, 1}, {299, 99, 0, 3, 4},
        {300, 0, 1, -9, -9}, {-1, 0, 1, -9, -9}, {0, 100, 1, -9, -9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        int nCol = -9, nRow = -9;
        EXPECT_EQ(m_grid.GetCellFromPoint(row.x, row.y, nCol, nRow), row.nResult);
        EXPECT_EQ(nCol, row.nCol);
        EXPECT_EQ(nRow, row.nRow);
    }
}

TEST_F(CGRCtrlCoreMoves, HitTestingCountsLockedColumnsThenTheScrolledOnes)
{
    m_grid.LockColumns(1);
    m_grid.SetLeftCol(3);
    int nCol = 0, nRow = 0;
    CRect rect;
    EXPECT_EQ(m_grid.GetCellFromPoint(10, 10, nCol, nRow, &rect), 0);
    EXPECT_EQ(nCol, 0);
    EXPECT_EQ(m_grid.GetCellFromPoint(80, 10, nCol, nRow, &rect), 0);
    EXPECT_EQ(nCol, 3);
    EXPECT_EQ(RectText(rect), "75,0,150,20");
    m_grid.GetCellRect(2, 0, &rect);
    EXPECT_EQ(RectText(rect), "0,0,75,20");
}

TEST_F(CGRCtrlCoreMoves, JoinedCellIsHitAndMeasuredAsAWhole)
{
    m_grid.JoinCells(1, 1, 2, 2);
    int nCol = 0, nRow = 0;
    CRect rect;
    EXPECT_EQ(m_grid.GetCellFromPoint(160, 45, nCol, nRow, &rect), 0);
    EXPECT_EQ(nCol, 1);
    EXPECT_EQ(nRow, 1);
    EXPECT_EQ(RectText(rect), "75,20,225,60");
    m_grid.GetGridInfo()->m_nJoinsInUse = 0;
    EXPECT_EQ(m_grid.GetCellFromPoint(160, 45, nCol, nRow, &rect), 0);
    EXPECT_EQ(RectText(rect), "150,40,225,60");
}

TEST_F(CGRCtrlCoreMoves, CellRectanglesOfHeadingsAndHiddenCells)
{
    CRect rect;
    m_grid.GetCellRect(-1, -1, &rect);
    EXPECT_EQ(RectText(rect), "0,0,40,20");
    m_grid.GetCellRect(-1, 2, &rect);
    EXPECT_EQ(RectText(rect), "0,40,40,60");
    m_grid.GetCellRect(2, 7, &rect);
    EXPECT_EQ(RectText(rect), "150,140,225,160");

    m_grid.GetRangeRect(1, 2, 9, 19, &rect);
    EXPECT_EQ(RectText(rect), "75,40,310,110");
    m_grid.GetRangeRect(0, 0, 1, 1, &rect);
    EXPECT_EQ(RectText(rect), "0,0,150,40");
    m_grid.SetTopRow(5);
    m_grid.GetRangeRect(0, 0, 1, 1, &rect);
    EXPECT_EQ(RectText(rect), "0,-10,150,110");
}

TEST(CGRCtrlCoreLayout, ScrollBarsAndTabsTakeRoomOnlyWhenNeeded)
{
    struct Row {
        const char* lpszCase;
        int nCols, nRows, nWidth, nHeight, nTabWidth;
        const char* lpszCellArea;
        const char* lpszVScroll;
        const char* lpszHScroll;
        const char* lpszTabs;
    };
    const Row rows[] = {
        {"all fit", 3, 3, 400, 200, 0, "40,20,400,200", "400,0,400,200", "0,200,400,200", "0,200,0,200"},
        {"both overflow", 10, 20, 357, 137, 0, "40,20,340,120", "340,0,357,120", "0,120,340,137", "0,120,0,137"},
        {"tabs, columns fit", 3, 3, 400, 200, 100, "40,20,400,183", "400,0,400,183", "406,183,400,200",
         "0,183,406,200"},
        {"wide tabs, columns overflow", 10, 3, 357, 200, 500, "40,20,357,183", "357,0,357,183",
         "317,183,357,200", "0,183,317,200"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CRecordingGrid grid;
        grid.m_client = CSize(row.nWidth, row.nHeight);
        grid.SetColCount(row.nCols, 0);
        grid.SetRowCount(row.nRows, 0);
        grid.GetGridInfo()->m_nTabWidth = row.nTabWidth;
        grid.AdjustComponentSizes();
        const CRect* rects = grid.GetGridInfo()->m_componentRects;
        EXPECT_EQ(RectText(rects[CGRGridInfo::kCellArea]), row.lpszCellArea);
        EXPECT_EQ(RectText(rects[CGRGridInfo::kVScrollBar]), row.lpszVScroll);
        EXPECT_EQ(RectText(rects[CGRGridInfo::kHScrollBar]), row.lpszHScroll);
        EXPECT_EQ(RectText(rects[CGRGridInfo::kSheetTabs]), row.lpszTabs);
        EXPECT_EQ(RectText(rects[CGRGridInfo::kCornerButton]), "0,0,40,20");
        EXPECT_EQ(grid.GetGridInfo()->m_nTabWidth, row.nTabWidth);
    }
}

TEST_F(CGRCtrlCoreMoves, LargestFirstRowAndColumnFillTheView)
{
    EXPECT_EQ(m_grid.GetGridInfo()->m_nMaxTopRow, 15);
    EXPECT_EQ(m_grid.GetGridInfo()->m_nMaxLeftCol, 6);
    m_grid.SetColWidth(9, 400);
    EXPECT_EQ(m_grid.GetGridInfo()->m_nMaxLeftCol, 9);
    m_grid.GotoCell(0, 19);
    m_grid.SetRowCount(10, 0);
    EXPECT_EQ(Cell(m_grid), "0,9");
    EXPECT_EQ(m_grid.GetTopRow(), 5);
}

TEST_F(CGRCtrlCoreMoves, PopupMenuCanBeRefusedAndItsCommandsCarryTheContext)
{
    m_grid.m_bRefuseMenu = true;
    EXPECT_EQ(m_grid.StartMenu(2, 3, CPoint(10, 10), kSectionCellArea), 2);
    m_grid.m_bRefuseMenu = false;
    EXPECT_EQ(m_grid.StartMenu(4, 5, CPoint(10, 10), kSectionTopHeading), 0);
    EXPECT_FALSE(m_grid.DispatchMenuCommand(999));
    EXPECT_EQ(m_grid.m_nLastMenuCommand, 0u);
    EXPECT_TRUE(m_grid.DispatchMenuCommand(1000));
    EXPECT_EQ(m_grid.m_nLastMenuCommand, 1000u);
    EXPECT_EQ(m_grid.m_nMenuCommandCol, 4);
    EXPECT_EQ(m_grid.m_nMenuCommandRow, 5);
    EXPECT_EQ(m_grid.m_nMenuCommandSection, kSectionTopHeading);
    m_grid.m_nShowMenuResult = 3;
    EXPECT_EQ(m_grid.StartMenu(0, 0, CPoint(0, 0), kSectionCellArea), 3);
    CGRCtrlCore plain;
    EXPECT_EQ(plain.StartMenu(0, 0, CPoint(0, 0), kSectionCellArea), 1);
}

TEST_F(CGRCtrlCoreMoves, DefaultHintNamesTheCell)
{
    CString sText;
    EXPECT_EQ(m_grid.OnHint(3, 7, kSectionCellArea, &sText), 1);
    EXPECT_STREQ(sText, "Col:3 Row:7");
    EXPECT_EQ(m_grid.OnGetDefBackColor(kSectionCellArea), RGB(COLOR_WINDOW, 1, 2));
    EXPECT_EQ(m_grid.OnGetDefBackColor(kSectionTopHeading), RGB(COLOR_BTNFACE, 1, 2));
}

TEST(CGRCtrlCoreSort, DefaultOrderPutsNumbersByValueAndEmptyCellsLast)
{
    CScopedGridEnvironment environment;
    CGRCell one, two, textA, textB, empty, textFive;
    one.SetNumber(1.0);
    two.SetNumber(2.0);
    textA.SetText("a");
    textB.SetText("b");
    textFive.SetText("5");
    struct Row {
        const char* lpszCase;
        CGRCell* pA;
        CGRCell* pB;
        int nFlags;
        int nResult;
    };
    const Row rows[] = {
        {"null null", nullptr, nullptr, 0, 0}, {"null cell", nullptr, &one, 0, 1}, {"cell null", &one, nullptr, 0, -1},
        {"1 < 2", &one, &two, 0, -1}, {"1 < 2 descending", &one, &two, 2, 1}, {"1 = 1", &one, &one, 0, 0},
        {"2 < text 5", &two, &textFive, 0, -1}, {"a < b", &textA, &textB, 0, -1}, {"b > a", &textB, &textA, 0, 1},
        {"empty last", &empty, &textB, 0, 1}, {"before empty", &textB, &empty, 0, -1},
        {"empty first descending", &empty, &textB, 2, -1},
    };
    CGRCtrlCore grid;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(grid.OnSortEvaluate(row.pA, row.pB, row.nFlags), row.nResult);
    }
}
