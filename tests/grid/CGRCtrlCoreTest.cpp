// CGRCtrlCore, sheets, registries, cells and sizes: the built-in cell types
// and their indexes, the option pass-through, data-source slots, sheet
// counts and switching, cell reads and writes with defaults and headings,
// quick setters, count and size limits, heading sizes, column deletion and
// moves, joins, locks, fitting columns to the window and to their cells.
#include "grid/CGRCtrlCore.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"
#include "grid/CGRMem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class COptionType : public CGRCellType {
public:
    int SetOption(long lValue) override
    {
        m_lOption = lValue;
        return 7;
    }
    long m_lOption = 0;
};

class CSheetSetupGrid : public CGRCtrlCore {
public:
    void OnSheetSetup(int nSheet) override
    {
        m_setups.push_back(std::to_string(nSheet) + "@" + std::to_string(GetSheetNumber()));
        SetColCount(nSheet + 1, 0);
    }
    std::vector<std::string> m_setups;
};

// Measures a text at 7 pixels a character.
class CMeasuringType : public CGRCellType {
public:
    void GetBestSize(CDC*, CSize* pSize, CGRCell* pCell) override
    {
        LPCTSTR lpszText = pCell->GetText();
        *pSize = CSize(lpszText ? 7 * static_cast<int>(strlen(lpszText)) : 0, 0);
    }
};

// A grid whose cells of column 0 to 3 are measured by CMeasuringType.
class CBestFitGrid : public CRecordingGrid {
public:
    CBestFitGrid()
    {
        Build(4, 3, 4, 3);  // area 300 wide; the vertical bar's width stays 17
        int nType = AddCellType(&m_measuring);
        for (int nRow = -1; nRow < 3; ++nRow)
            for (int nCol = -1; nCol < 4; ++nCol)
                SetCellCellType(nCol, nRow, nType);
    }
    CMeasuringType m_measuring;
};

std::string ColumnOrder(CGRCtrlCore& grid)
{
    std::string sOrder;
    for (int nCol = 0; nCol < grid.GetColCount(); ++nCol)
        sOrder += std::to_string(grid.GetColTranslation(nCol));
    return sOrder;
}

}

TEST(CGRCtrlCore, RegistersTheFourBuiltInCellTypesFirst)
{
    CGRCtrlCore grid;
    const char* const names[] = {"Normal Cell Type (default)", "DropList", "CheckBox", "Side Arrows"};
    for (int nIndex = 0; nIndex < 4; ++nIndex) {
        SCOPED_TRACE(nIndex);
        CGRCellType* pType = grid.GetCellType(nIndex);
        EXPECT_STREQ(pType->GetName(), names[nIndex]);
        EXPECT_EQ(pType->GetTypeIndex(), nIndex);
        EXPECT_EQ(pType->GetCtrl(), &grid);
    }
    COptionType custom;
    EXPECT_EQ(grid.AddCellType(&custom), 4);
    EXPECT_EQ(grid.AddCellType(nullptr), -1);
    EXPECT_EQ(grid.GetCellType(4), &custom);
    EXPECT_EQ(grid.GetCellType(-1), grid.GetCellType(0));
    EXPECT_EQ(grid.GetCellType(99), grid.GetCellType(0));
    EXPECT_NE(memcmp(grid.GetCellType(1)->GetTypeId().bytes, grid.GetCellType(2)->GetTypeId().bytes, 16), 0);
}

TEST(CGRCtrlCore, CellTypeOptionReachesOnlyRegisteredTypes)
{
    CGRCtrlCore grid;
    COptionType custom;
    grid.AddCellType(&custom);
    struct Row {
        int nIndex;
        int nResult;
    };
    const Row rows[] = {{-1, 1}, {0, 0}, {3, 0}, {4, 7}, {5, 1}, {10, 1}, {1000, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nIndex);
        EXPECT_EQ(grid.SetCellTypeOption(row.nIndex, 33), row.nResult);
    }
    EXPECT_EQ(custom.m_lOption, 33);
}

TEST(CGRCtrlCore, DataSourcesTakeSlotsOneTo63)
{
    CGRCtrlCore grid;
    std::vector<CGRMem> sources(64);
    for (int i = 0; i < 63; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grid.AddDataSource(&sources[static_cast<size_t>(i)]), i + 1);
    }
    EXPECT_EQ(sources[62].GetID(), 63);
    EXPECT_EQ(sources[62].GetCtrl(), &grid);
    EXPECT_EQ(grid.AddDataSource(&sources[63]), -1);
    EXPECT_EQ(sources[63].GetID(), -1);
    EXPECT_EQ(grid.AddDataSource(nullptr), -1);
    EXPECT_EQ(grid.GetDataSource(1), &sources[0]);
    EXPECT_EQ(grid.GetDataSource(0), nullptr);
}

TEST(CGRCtrlCore, SheetCountsOutsideOneTo1024AreRefused)
{
    CGRCtrlCore grid;
    EXPECT_EQ(grid.SetNumberSheets(0), 1);
    EXPECT_EQ(grid.SetNumberSheets(1025), 1);
    EXPECT_EQ(grid.GetNumberSheets(), 1);
    EXPECT_EQ(grid.SetNumberSheets(1024), 0);
    EXPECT_EQ(grid.GetNumberSheets(), 1024);
    EXPECT_EQ(grid.SetSheetNumber(1024, 1), 1);
    EXPECT_EQ(grid.SetSheetNumber(-1, 1), 1);
}

TEST(CGRCtrlCore, NewSheetsAreSetUpWhileCurrentAndTheOldSheetReturns)
{
    CSheetSetupGrid grid;
    EXPECT_EQ(grid.SetNumberSheets(3), 0);
    EXPECT_EQ(grid.m_setups, (std::vector<std::string>{"1@1", "2@2"}));
    EXPECT_EQ(grid.GetSheetNumber(), 0);
    EXPECT_EQ(grid.GetColCount(), 0);
    EXPECT_EQ(grid.GetGridInfo()->m_bUpdateEnabled, 1);

    grid.GetGridInfo()->m_nTabWidth = 120;
    EXPECT_EQ(grid.SetSheetNumber(2, 1), 0);
    EXPECT_EQ(grid.GetColCount(), 3);
    EXPECT_EQ(grid.GetGridInfo()->m_nTabWidth, 120);

    EXPECT_EQ(grid.SetNumberSheets(1), 0);
    EXPECT_EQ(grid.GetSheetNumber(), 0);
    EXPECT_EQ(grid.GetColCount(), 0);
}

TEST(CGRCtrlCore, SetCellChecksTheGridAndStoresHeadingCells)
{
    CScopedGridEnvironment environment;
    CRecordingGrid grid;
    grid.Build(3, 4, 3, 4);
    CGRCell cell;
    cell.SetText("t");
    struct Row {
        int nCol, nRow, nResult;
    };
    const Row rows[] = {{3, 0, 1}, {0, 4, 1}, {-2, 0, 1}, {0, -2, 1}, {-1, -1, 0}, {2, 3, 0}, {0, -1, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nCol) + "," + std::to_string(row.nRow));
        EXPECT_EQ(grid.SetCell(row.nCol, row.nRow, &cell), row.nResult);
        EXPECT_STREQ(grid.GetCellText(row.nCol, row.nRow), row.nResult == 0 ? "t" : "");
    }
    CGRCell read;
    EXPECT_EQ(grid.GetCell(3, 0, &read), 1);
    EXPECT_EQ(grid.GetCell(1, 1, &read), 1);
    EXPECT_EQ(grid.GetCell(2, 3, &read), 0);
}

TEST(CGRCtrlCore, ShownCellIsTheDefaultWithTheStoredPropertiesOver)
{
    CScopedGridEnvironment environment;
    CRecordingGrid grid;
    CGRCell gridDefault;
    gridDefault.SetAlignment(kAlignCenter);
    gridDefault.SetBackColor(RGB(5, 5, 5));
    grid.SetGridDefault(&gridDefault);
    grid.Build(2, 2, 2, 2);
    grid.SetCellText(0, 0, "x");
    grid.SetCellAlignment(0, 0, kAlignRight);

    CGRCell shown;
    EXPECT_EQ(grid.GetCellIndirect(0, 0, &shown), 0);
    EXPECT_EQ(shown.GetAlignment(), kAlignRight);
    EXPECT_EQ(shown.GetBackColor(), RGB(5, 5, 5));
    EXPECT_STREQ(shown.GetText(), "x");

    grid.GetCellIndirect(1, 1, &shown);
    EXPECT_EQ(shown.GetAlignment(), kAlignCenter);
    EXPECT_EQ(shown.GetText(), nullptr);

    grid.SetCellText(0, 1, "stored");
    grid.SetRowCount(1, 0);
    grid.GetCellIndirect(0, 1, &shown);
    EXPECT_EQ(shown.GetText(), nullptr);
    EXPECT_EQ(shown.GetBackColor(), RGB(5, 5, 5));
}

TEST(CGRCtrlCore, HeadingCellsStartFromTheHeadingDefault)
{
    CScopedGridEnvironment environment;
    CRecordingGrid grid;
    grid.Build(2, 2, 2, 2);
    grid.GetGridInfo()->m_nNumberTopHdgRows = 2;
    grid.GetGridInfo()->m_topHdgHeights = {10, 10};
    struct Row {
        int nCol, nRow, nThemeStyle;
    };
    const Row rows[] = {{0, -2, 32}, {-1, -2, 32}, {-1, 0, 64}, {-1, -1, 64}, {0, -1, 128}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nCol) + "," + std::to_string(row.nRow));
        CGRCell cell;
        grid.GetCellIndirect(row.nCol, row.nRow, &cell);
        EXPECT_EQ(cell.GetThemeStyle(), row.nThemeStyle);
        EXPECT_EQ(cell.GetBackColor(), RGB(COLOR_BTNFACE, 1, 2));
        EXPECT_EQ(cell.GetBorderStyle(), kBorderRaised);
        EXPECT_EQ(cell.GetAlignment(), 36);
    }
}

TEST(CGRCtrlCore, QuickSettersKeepTheOtherPropertiesAndIgnoreCellsOutside)
{
    CScopedGridEnvironment environment;
    CRecordingGrid grid;
    grid.Build(2, 2, 2, 2);
    EXPECT_EQ(grid.SetCellNumber(1, 1, 2.5), 0);
    EXPECT_EQ(grid.SetCellBackColor(1, 1, RGB(9, 8, 7)), 0);
    EXPECT_EQ(grid.SetCellBorder(1, 1, kBorderBottom), 0);
    EXPECT_EQ(grid.SetCellCellType(1, 1, 2), 0);
    EXPECT_EQ(grid.SetCellCellTypeEx(1, 1, 0x2000), 0);
    EXPECT_EQ(grid.SetCellLabel(1, 1, "lbl"), 0);
    CGRCell cell;
    grid.GetCellIndirect(1, 1, &cell);
    EXPECT_STREQ(cell.GetText(), "2.5");
    EXPECT_EQ(cell.GetBackColor(), RGB(9, 8, 7));
    EXPECT_EQ(cell.GetBorderStyle(), kBorderBottom);
    EXPECT_EQ(cell.GetCellType(), 2);
    EXPECT_EQ(cell.GetCellTypeEx(), 0x2000);
    EXPECT_STREQ(cell.GetLabel(), "lbl");

    EXPECT_EQ(grid.SetCellText(2, 0, "outside"), 0);
    EXPECT_EQ(grid.SetCellText(0, 2, "outside"), 0);
    CGRCell none;
    EXPECT_EQ(grid.GetCell(0, 2, &none), 1);
    EXPECT_STREQ(grid.GetCellText(2, 0), "");
}

TEST(CGRCtrlCore, CountsOutsideTheirLimitsAreRefused)
{
    CGRCtrlCore grid;
    struct Row {
        const char* lpszCall;
        int nResult;
        int nActual;
    };
    const Row rows[] = {
        {"SetColCount(32001)", grid.SetColCount(32001, 0), 1},
        {"SetColCount(-1)", grid.SetColCount(-1, 0), 1},
        {"SetRowCount(-1)", grid.SetRowCount(-1, 0), 1},
        {"SetColCount(32000)", grid.SetColCount(32000, 0), 0},
        {"SetDefRowHeight(0)", grid.SetDefRowHeight(0), 1},
        {"SetDefRowHeight(1025)", grid.SetDefRowHeight(1025), 1},
        {"SetDefRowHeight(1024)", grid.SetDefRowHeight(1024), 0},
        {"SetDefColWidth(-1)", grid.SetDefColWidth(-1), 1},
        {"SetTopHeadingHeight(1025)", grid.SetTopHeadingHeight(1025), 1},
        {"SetSideHeadingWidth(-1)", grid.SetSideHeadingWidth(-1), 1},
        {"LockColumns(32001)", grid.LockColumns(32001), 1},
        {"LockRows(1)", grid.LockRows(1), 1},
        {"DeleteCol(32000)", grid.DeleteCol(32000), 1},
        {"SetColWidth(32000, 5)", grid.SetColWidth(32000, 5), 1},
        {"SetColWidth(-2, 5)", grid.SetColWidth(-2, 5), 1},
        {"SetRowHeight(0, 5)", grid.SetRowHeight(0, 5), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCall);
        EXPECT_EQ(row.nResult, row.nActual);
    }
    EXPECT_EQ(grid.GetColCount(), 32000);
}

TEST(CGRCtrlCore, MoreThan64000RowsShareTheDefaultHeight)
{
    CGRCtrlCore grid;
    grid.SetRowCount(10, 0);
    grid.SetRowHeight(3, 33);
    EXPECT_EQ(grid.GetRowHeight(3), 33);
    EXPECT_EQ(grid.SetRowCount(64001, 0), 0);
    EXPECT_EQ(grid.GetGridInfo()->m_nUniformRowHeight, 1);
    EXPECT_TRUE(grid.GetGridInfo()->m_rowHeights.empty());
    EXPECT_EQ(grid.GetRowHeight(3), 20);
    EXPECT_EQ(grid.GetRowHeight(64000), 20);
    EXPECT_EQ(grid.GetRowHeight(64001), 0);
    EXPECT_EQ(grid.GetRowHeight(-1), 0);
    grid.SetRowHeight(5, 25);
    EXPECT_EQ(grid.GetRowHeight(64000), 25);

    grid.SetRowCount(4, 0);
    grid.SetUniformRowHeight(0);
    grid.SetRowHeight(1, 40);
    EXPECT_EQ(grid.GetRowHeight(0), 25);
    EXPECT_EQ(grid.GetRowHeight(1), 40);
}

TEST(CGRCtrlCore, HeadingHeightsShareANewTotal)
{
    CRecordingGrid grid;
    CGRGridInfo& info = *grid.GetGridInfo();
    info.m_nNumberTopHdgRows = 2;
    info.m_topHdgHeights = {20, 10};
    EXPECT_EQ(grid.SetTopHeadingHeight(40), 0);
    EXPECT_EQ(info.m_topHdgHeights, (std::vector<int>{27, 13}));
    EXPECT_EQ(grid.GetTopHeadingHeight(), 40);

    info.m_topHdgHeights = {0, 0};
    EXPECT_EQ(grid.SetTopHeadingHeight(41), 0);
    EXPECT_EQ(info.m_topHdgHeights, (std::vector<int>{21, 20}));

    int nHeight = 0;
    EXPECT_EQ(grid.QueryRowHeight(-2, &nHeight), 0);
    EXPECT_EQ(nHeight, 20);
    EXPECT_EQ(grid.QueryRowHeight(-3, &nHeight), 1);
}

TEST(CGRCtrlCore, HeadingRowAndColumnSizesCheckIndexThenSize)
{
    CGRCtrlCore grid;
    struct Row {
        bool bRows;
        int nIndex, nSize, nResult;
    };
    const Row rows[] = {
        {true, 0, 10, 1}, {true, -2, 10, 1}, {true, -1, -1, 2}, {true, -1, 1025, 2}, {true, -1, 30, 0},
        {false, 0, 10, 1}, {false, -2, 10, 1}, {false, -1, 1025, 2}, {false, -1, 50, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.bRows) + " " + std::to_string(row.nIndex) + " " + std::to_string(row.nSize));
        int nResult = row.bRows ? grid.SetTopHdgRowHeight(row.nIndex, row.nSize)
                                : grid.SetSideHdgColWidth(row.nIndex, row.nSize);
        EXPECT_EQ(nResult, row.nResult);
    }
    EXPECT_EQ(grid.GetTopHeadingHeight(), 30);
    EXPECT_EQ(grid.GetSideHeadingWidth(), 50);
    EXPECT_EQ(grid.SetColWidth(-1, 60), 0);
    int nWidth = 0;
    EXPECT_EQ(grid.QueryColWidth(-1, &nWidth), 0);
    EXPECT_EQ(nWidth, 60);
    EXPECT_EQ(grid.GetColWidth(-1), 0);
}

TEST(CGRCtrlCore, WidthsPassOnColSizedAndLockedWidthsFollow)
{
    CRecordingGrid grid;
    grid.Build(4, 2, 4, 2);
    grid.LockColumns(2);
    EXPECT_EQ(grid.GetGridInfo()->m_nLockedColsWidth, 150);
    EXPECT_EQ(grid.SetColWidth(1, 30), 0);
    EXPECT_EQ(grid.Log(), "ColSized(1,30)");
    EXPECT_EQ(grid.GetColWidth(1), 30);
    EXPECT_EQ(grid.GetGridInfo()->m_nLockedColsWidth, 105);
    EXPECT_EQ(grid.GetLeftCol(), 2);
}

TEST(CGRCtrlCore, DeletingAColumnMovesTheLaterColumnsDown)
{
    CScopedGridEnvironment environment;
    CRecordingGrid grid;
    grid.Build(4, 1, 4, 1);
    for (int nCol = 0; nCol < 4; ++nCol)
        grid.SetCellText(nCol, 0, std::to_string(nCol).c_str());
    grid.SetColWidth(2, 50);
    EXPECT_EQ(grid.DeleteCol(1), 0);
    EXPECT_EQ(grid.GetColCount(), 3);
    EXPECT_EQ(ColumnOrder(grid), "012");
    EXPECT_STREQ(grid.GetCellText(1, 0), "2");
    EXPECT_STREQ(grid.GetCellText(2, 0), "3");
    EXPECT_EQ(grid.GetColWidth(1), 50);
    EXPECT_EQ(grid.AppendCol(), 0);
    EXPECT_EQ(grid.GetColCount(), 4);
}

TEST(CGRCtrlCore, MovesColumnsBeforeTheTargetSlot)
{
    struct Row {
        int nFrom, nTo, nInsertBefore;
        int nResult;
        const char* lpszOrder;
    };
    const Row rows[] = {
        {2, 3, 0, 0, "0123"},
        {2, 2, 1, 0, "0123"},
        {0, 3, 1, 0, "1203"},
        {0, 3, 0, 0, "1230"},
        {3, 0, 1, 0, "3012"},
        {3, 1, 0, 0, "0132"},
        {4, 0, 1, 1, "0123"},
        {0, 4, 0, 1, "0123"},
        {0, 4, 1, 0, "1230"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nFrom) + "->" + std::to_string(row.nTo) + "/" + std::to_string(row.nInsertBefore));
        CGRCtrlCore grid;
        grid.SetColCount(4, 0);
        EXPECT_EQ(grid.MoveColPosition(row.nFrom, row.nTo, row.nInsertBefore), row.nResult);
        EXPECT_EQ(ColumnOrder(grid), row.lpszOrder);
    }
}

TEST(CGRCtrlCore, JoinsRangesInsideTheGrid)
{
    CScopedGridEnvironment environment;
    CRecordingGrid grid;
    grid.Build(4, 4, 4, 4);
    struct Row {
        int nStartCol, nStartRow, nEndCol, nEndRow, nResult;
    };
    const Row rows[] = {
        {2, 1, 1, 1, 1}, {1, 2, 1, 1, 1}, {0, 0, 4, 0, 1}, {0, 0, 0, 4, 1}, {-2, 0, 0, 0, 1}, {0, -2, 0, 0, 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(grid.JoinCells(row.nStartCol, row.nStartRow, row.nEndCol, row.nEndRow), row.nResult);

    EXPECT_EQ(grid.JoinCells(0, 0, 1, 1), 0);
    int nCol = 1, nRow = 1, nEndCol = -5, nEndRow = -5;
    EXPECT_EQ(grid.GetJoinRange(nCol, nRow, nEndCol, nEndRow), 0);
    EXPECT_EQ(std::vector<int>({nCol, nRow, nEndCol, nEndRow}), (std::vector<int>{0, 0, 1, 1}));

    nCol = 2;
    nRow = 2;
    EXPECT_EQ(grid.GetJoinStartCell(nCol, nRow), 2);
    grid.GetGridInfo()->m_nJoinsInUse = 0;
    nCol = 1;
    EXPECT_EQ(grid.GetJoinStartCell(nCol, nRow), 1);
    grid.GetGridInfo()->m_nJoinsInUse = 1;

    EXPECT_EQ(grid.UnjoinCells(1, 0), 0);
    nCol = 1;
    nRow = 1;
    EXPECT_EQ(grid.GetJoinStartCell(nCol, nRow), 2);
    EXPECT_EQ(grid.UnjoinCells(3, 3), 0);
}

TEST(CGRCtrlCore, FitToWindowSharesTheAreaWidth)
{
    CRecordingGrid grid;
    grid.Build(3, 1, 4, 1);  // area 300 wide, columns 75 each
    grid.SetColWidth(0, 50);
    grid.SetColWidth(1, 100);
    EXPECT_EQ(grid.FitToWindow(0, 2), 0);
    EXPECT_EQ(grid.GetColWidth(0), 66);
    EXPECT_EQ(grid.GetColWidth(1), 133);
    EXPECT_EQ(grid.GetColWidth(2), 101);
    EXPECT_EQ(grid.FitToWindow(-1, 2), 1);
    EXPECT_EQ(grid.FitToWindow(2, 1), 1);
    EXPECT_EQ(grid.FitToWindow(0, 3), 1);
}

TEST(CGRCtrlCore, CreationRunsTheSetupNotificationsAndEnablesUpdates)
{
    CSheetSetupGrid grid;
    grid.GetGridInfo()->m_bUpdateEnabled = 0;
    grid.CompleteCreation(TRUE);
    EXPECT_EQ(grid.m_setups, (std::vector<std::string>{"0@0"}));
    EXPECT_EQ(grid.GetGridInfo()->m_bUpdateEnabled, 1);
}

TEST(CGRCtrlCore, BestFitChecksStartThenEndThenOrder)
{
    struct Row {
        int nStartCol, nEndCol;
        int nExpected;
    };
    const Row rows[] = {
        {-2, 0, 1},  // one side heading column only
        {-1, 4, 2},  // past the last column
        {-2, 4, 1},
        {3, 2, 3},
        {-1, 3, 0},
        {2, 2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nStartCol) + ".." + std::to_string(row.nEndCol));
        CBestFitGrid grid;
        EXPECT_EQ(grid.BestFit(row.nStartCol, row.nEndCol, 3, 0), row.nExpected);
    }
}

TEST(CGRCtrlCore, BestFitGivesEachColumnItsWidestCellCappedAtTheArea)
{
    CBestFitGrid grid;
    grid.SetCellText(0, 0, "abc");
    grid.SetCellText(0, 2, "abcdefghij");
    grid.SetCellText(2, 1, std::string(60, 'x').c_str());
    grid.SetCellText(3, 1, "joined");
    grid.JoinCells(3, 1, 3, 2);
    grid.SetCellText(1, -1, "a heading");
    EXPECT_EQ(grid.BestFit(0, 3, 3, 0), 0);
    EXPECT_EQ(grid.GetColWidth(0), 70 + 2);
    EXPECT_EQ(grid.GetColWidth(1), 3 + 2);        // the heading is not counted
    EXPECT_EQ(grid.GetColWidth(2), 300 - 17);     // 420 is more than the area
    EXPECT_EQ(grid.GetColWidth(3), 3 + 2);        // joined cells are left out

    EXPECT_EQ(grid.BestFit(0, 1, 1, CGRCtrlCore::kBestFitHeadings), 0);  // the heading row only
    EXPECT_EQ(grid.GetColWidth(0), 3 + 2);
    EXPECT_EQ(grid.GetColWidth(1), 63 + 2);
    EXPECT_EQ(grid.BestFit(0, 0, 2, 0), 0);        // rows 0 and 1
    EXPECT_EQ(grid.GetColWidth(0), 21 + 2);
}

TEST(CGRCtrlCore, BestFitOfSideHeadingColumnsSetsTheSideHeadingWidth)
{
    CBestFitGrid grid;
    grid.SetCellText(-1, 1, "row one");
    EXPECT_EQ(grid.BestFit(-1, 0, 3, 0), 0);
    EXPECT_EQ(grid.GetSideHeadingWidth(), 49 + 2);
    int nWidth = 0;
    grid.QueryColWidth(-1, &nWidth);
    EXPECT_EQ(nWidth, 49 + 2);
}

TEST(CGRCtrlCore, BestFitWithoutAnAreaCapsAt300)
{
    CBestFitGrid grid;
    grid.m_client = CSize(0, 0);
    grid.AdjustComponentSizes();
    grid.SetCellText(0, 0, std::string(60, 'x').c_str());
    EXPECT_EQ(grid.BestFit(0, 0, 1, 0), 0);
    EXPECT_EQ(grid.GetColWidth(0), CGRCtrlCore::kBestFitLimitWithoutArea);
}
