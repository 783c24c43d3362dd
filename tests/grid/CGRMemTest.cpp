// CGRMem: storage made on demand (heading positions too), reads of what was
// never stored, row and column insertion and deletion with the control's
// column translation, find in all four directions, stable sorting, the
// previous non-blank column, and the freeing of stored cells' snapshots.
#include "grid/CGRMem.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"
#include "grid/CGRCell.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Store(CGRMem& mem, int nCol, int nRow, const char* lpszText)
{
    CGRCell cell;
    cell.SetText(lpszText);
    mem.SetCell(nCol, nRow, &cell);
}

void StoreNumber(CGRMem& mem, int nCol, int nRow, double dNumber)
{
    CGRCell cell;
    cell.SetNumber(dNumber);
    mem.SetCell(nCol, nRow, &cell);
}

std::string TextAt(CGRMem& mem, int nCol, int nRow)
{
    CGRCell cell;
    cell.SetPropertyFlags(0);
    if (mem.GetCell(nCol, nRow, &cell) != 0)
        return "<none>";
    LPCTSTR lpszText = cell.GetText();
    return lpszText ? lpszText : "";
}

std::string Column(CGRMem& mem, int nCol, int nFirstRow, int nLastRow)
{
    std::string sColumn;
    for (int nRow = nFirstRow; nRow <= nLastRow; ++nRow)
        sColumn += (nRow > nFirstRow ? "," : "") + TextAt(mem, nCol, nRow);
    return sColumn;
}

}

TEST(CGRMem, ReadsOnlyWhatWasStored)
{
    CScopedGridEnvironment environment;
    CGRMem mem;
    CGRCell cell;
    EXPECT_EQ(mem.GetCell(0, 0, &cell), 1);
    Store(mem, 3, 5, "x");
    EXPECT_EQ(mem.GetCell(0, 0, &cell), 1);
    EXPECT_EQ(mem.GetCell(4, 5, &cell), 1);
    EXPECT_EQ(mem.GetCell(3, 6, &cell), 1);
    EXPECT_EQ(TextAt(mem, 3, 5), "x");
    EXPECT_EQ(mem.GetLastRow(), 5);

    Store(mem, -1, -2, "heading");
    EXPECT_EQ(TextAt(mem, -1, -2), "heading");
    EXPECT_EQ(TextAt(mem, 3, 5), "x");
    EXPECT_EQ(mem.GetLastRow(), 5);
}

TEST(CGRMem, StoredCellIsLaidOverTheReadersCell)
{
    CScopedGridEnvironment environment;
    CGRMem mem;
    CGRCell stored;
    stored.SetPropertyFlags(0);
    stored.SetBackColor(RGB(1, 2, 3));
    mem.SetCell(0, 0, &stored);
    CGRCell reader;
    reader.SetPropertyFlags(0);
    reader.SetAlignment(kAlignRight);
    EXPECT_EQ(mem.GetCell(0, 0, &reader), 0);
    EXPECT_EQ(reader.GetAlignment(), kAlignRight);
    EXPECT_EQ(reader.GetBackColor(), RGB(1, 2, 3));

    Store(mem, 0, 0, "replaced");
    reader.SetPropertyFlags(0);
    mem.GetCell(0, 0, &reader);
    EXPECT_FALSE(reader.IsPropertySet(kPropBackColor) && reader.GetBackColor() == RGB(1, 2, 3));
}

TEST(CGRMem, InsertsAndDeletesRowsAndCells)
{
    CScopedGridEnvironment environment;
    CGRMem mem;
    for (int nRow = 0; nRow < 4; ++nRow)
        Store(mem, 0, nRow, std::to_string(nRow).c_str());
    EXPECT_EQ(mem.InsertRow(9), 1);
    EXPECT_EQ(mem.InsertRow(1), 0);
    EXPECT_EQ(Column(mem, 0, 0, 4), "0,<none>,1,2,3");
    EXPECT_EQ(mem.DeleteRow(2), 0);
    EXPECT_EQ(Column(mem, 0, 0, 3), "0,<none>,2,3");
    EXPECT_EQ(mem.DeleteRow(40), 0);
    EXPECT_EQ(mem.DeleteCell(0, 3), 0);
    EXPECT_EQ(TextAt(mem, 0, 3), "<none>");
    EXPECT_EQ(mem.Empty(), 0);
    EXPECT_EQ(TextAt(mem, 0, 0), "<none>");
    EXPECT_EQ(mem.InsertCol(0), 1);
    EXPECT_EQ(mem.DeleteCol(0), 1);
}

TEST(CGRMem, ColumnChangesMoveCellsAndTheControlsTranslation)
{
    CScopedGridEnvironment environment;
    CRecordingGrid grid;
    grid.Build(4, 2, 4, 2);
    CGRMem& mem = *grid.GetGridInfo()->m_pMem;
    for (int nCol = 0; nCol < 4; ++nCol)
        Store(mem, nCol, 0, std::to_string(nCol).c_str());
    Store(mem, 1, 1, "short row");

    EXPECT_EQ(mem.DeleteCol(1), 0);
    EXPECT_EQ(TextAt(mem, 1, 0), "2");
    EXPECT_EQ(TextAt(mem, 2, 0), "3");
    EXPECT_EQ(TextAt(mem, 1, 1), "<none>");
    EXPECT_EQ(grid.GetColTranslation(0), 0);
    EXPECT_EQ(grid.GetColTranslation(2), 1);
    EXPECT_EQ(grid.GetColTranslation(3), 2);

    EXPECT_EQ(mem.InsertCol(1), 0);
    EXPECT_EQ(TextAt(mem, 2, 0), "2");
    EXPECT_EQ(grid.GetColTranslation(2), 2);
    EXPECT_EQ(grid.GetColTranslation(3), 3);
}

TEST(CGRMem, FindsTextDownColumnsAndAcrossRows)
{
    CScopedGridEnvironment environment;
    CGRMem mem;
    Store(mem, 0, 0, "100");
    Store(mem, 1, 0, "Alpha");
    Store(mem, 0, 1, "10");
    Store(mem, 1, 2, "alpha");
    StoreNumber(mem, 0, 3, 2.5);

    struct Row {
        const char* lpszText;
        int nStartCol, nStartRow;
        long lFlags;
        int nResult, nCol, nRow;
    };
    const long kPartial = CGRMem::kFindPartial;
    const long kCase = CGRMem::kFindIgnoreCase;
    const long kBack = CGRMem::kFindBackwards;
    const long kAcross = CGRMem::kFindAcrossColumns;
    const Row rows[] = {
        /* 0 */ {"10", 0, -1, kPartial, 0, 0, 0},
        /* 1 */ {"10", 0, -1, 0, 0, 0, 1},
        /* 2 */ {"10", 0, 1, 0, 0, 0, 1},           // wraps round to itself
        /* 3 */ {"ALPHA", 1, -1, 0, 1, 1, -1},
        /* 4 */ {"ALPHA", 1, -1, kCase, 0, 1, 0},
        /* 5 */ {"ALPHA", 1, 0, kCase, 0, 1, 2},
        /* 6 */ {"ALPHA", 1, 0, kCase | kBack, 0, 1, 2},
        /* 7 */ {"alpha", -1, 0, kAcross, 0, 1, 2},
        /* 8 */ {"0", 1, 0, kPartial | kAcross, 0, 0, 1},
        /* 9 */ {"2.5", 0, -1, 0, 0, 0, 3},
        /* 10 */ {"", 0, -1, kPartial, 1, 0, -1},
        /* 11 */ {"zzz", 0, 0, kPartial | kAcross, 1, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.lpszText) + " flags " + std::to_string(row.lFlags));
        int nCol = row.nStartCol, nRow = row.nStartRow;
        EXPECT_EQ(mem.FindNext(row.lpszText, &nCol, &nRow, row.lFlags), row.nResult);
        EXPECT_EQ(nCol, row.nCol);
        EXPECT_EQ(nRow, row.nRow);
    }
}

TEST(CGRMem, FindFirstStartsAtTheTopOrAtTheFirstColumn)
{
    CScopedGridEnvironment environment;
    CGRMem mem;
    Store(mem, 2, 0, "x");
    Store(mem, 0, 1, "x");
    int nCol = 0, nRow = 5;
    EXPECT_EQ(mem.FindFirst("x", &nCol, &nRow, 0), 0);
    EXPECT_EQ(nRow, 1);
    nCol = 7;
    EXPECT_EQ(mem.FindFirst("x", &nCol, &nRow, CGRMem::kFindAcrossColumns), 0);
    EXPECT_EQ(nCol, 2);
    EXPECT_EQ(nRow, 0);
}

TEST(CGRMem, SortsStablyAndLeavesHeadingRows)
{
    CScopedGridEnvironment environment;
    CGRMem mem;
    const char* const keys[] = {"b", "a", "b", "a", ""};
    for (int nRow = 0; nRow < 5; ++nRow) {
        Store(mem, 0, nRow, keys[nRow]);
        Store(mem, 1, nRow, std::to_string(nRow).c_str());
    }
    Store(mem, 1, -1, "heading");
    EXPECT_EQ(mem.SortByCol(0, 0), 0);
    EXPECT_EQ(Column(mem, 1, -1, 4), "heading,1,3,0,2,4");
    EXPECT_EQ(mem.SortByCol(0, CGRCtrlCore::kSortDescending), 0);
    EXPECT_EQ(Column(mem, 1, 0, 4), "4,0,2,1,3");
}

TEST(CGRMem, SortsNumbersByValueThroughTheControl)
{
    CScopedGridEnvironment environment;
    CRecordingGrid grid;
    CGRMem& mem = *grid.GetGridInfo()->m_pMem;
    const double values[] = {10.0, 9.5, 100.0, -1.0};
    for (int nRow = 0; nRow < 4; ++nRow)
        StoreNumber(mem, 0, nRow, values[nRow]);
    EXPECT_EQ(mem.SortByCol(0, 0), 0);
    EXPECT_EQ(Column(mem, 0, 0, 3), "-1,9.5,10,100");

    CGRMem empty;
    EXPECT_EQ(empty.SortByCol(0, 0), 1);
    Store(empty, 0, 0, "only");
    EXPECT_EQ(empty.SortByCol(0, 0), 0);
}

TEST(CGRMem, FindsThePreviousNonBlankColumnAmongDataCells)
{
    CScopedGridEnvironment environment;
    CGRMem mem;
    Store(mem, -1, 0, "side heading");
    Store(mem, 1, 0, "text");
    StoreNumber(mem, 3, 0, 0.0);
    CGRCell blank;
    blank.SetBackColor(RGB(1, 1, 1));
    mem.SetCell(4, 0, &blank);
    struct Row {
        int nCol, nResult, nFound;
    };
    const Row rows[] = {{6, 0, 3}, {3, 0, 1}, {2, 0, 1}, {1, 1, 1}, {0, 1, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nCol);
        int nCol = row.nCol;
        EXPECT_EQ(mem.GetPrevNonBlankCol(&nCol, 0), row.nResult);
        EXPECT_EQ(nCol, row.nFound);
    }
    int nCol = 5;
    EXPECT_EQ(mem.GetPrevNonBlankCol(&nCol, 7), 1);
}

TEST(CGRMem, FreesTheSnapshotsOfStoredCells)
{
    CScopedGridEnvironment environment;
    CGRMem mem;
    Store(mem, 0, 0, "a");
    CGRCell cell;
    cell.SetPropertyFlags(0);
    mem.GetCell(0, 0, &cell);
    cell.TakeSnapshot();
    mem.SetCell(0, 0, &cell);
    CGRCell fresh;
    fresh.SetText("b");
    mem.SetCell(0, 0, &fresh);  // keeps the stored cell's snapshot
    CGRCell reader;
    reader.SetPropertyFlags(0);
    mem.GetCell(0, 0, &reader);
    ASSERT_NE(reader.GetSnapshot(), nullptr);
    EXPECT_STREQ(reader.GetSnapshot()->GetText(), "a");
}
