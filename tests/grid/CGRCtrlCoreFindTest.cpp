// CGRCtrlCore, find and replace: finding moves to the next match in the
// current column, finding none leaves the current cell, replacing takes the
// current cell's whole text only when it matches, replacing all stops when
// nothing matches or it comes back to its first cell, and moved columns
// are found under their grid position.
#include "grid/CGRCtrlCore.h"

#include "RecordingGrid.h"
#include "grid/CGRMem.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const long kAnyCase = CGRMem::kFindIgnoreCase | CGRMem::kFindPartial;

// Column 1 holds, from row 0 down: Apple, pear, apple pie, plum, APPLE.
class CFruitGrid : public CRecordingGrid {
public:
    CFruitGrid()
    {
        Build(3, 5, 3, 5);
        const char* fruits[] = {"Apple", "pear", "apple pie", "plum", "APPLE"};
        for (int nRow = 0; nRow < 5; ++nRow)
            SetCellText(1, nRow, fruits[nRow]);
        GotoCell(1, 0);
    }
    std::string Column() const
    {
        std::string sColumn;
        for (int nRow = 0; nRow < 5; ++nRow)
            sColumn += std::string(nRow ? "|" : "") + const_cast<CFruitGrid*>(this)->GetCellText(1, nRow);
        return sColumn;
    }
};

}

TEST(CGRCtrlCoreFind, FindingMovesToTheNextMatchUnderTheFlags)
{
    struct Row {
        const char* lpszFind;
        long lFlags;
        int nResult;
        int nRow;
    };
    const Row rows[] = {
        {"apple", kAnyCase, 0, 2},
        {"apple", CGRMem::kFindPartial, 0, 2},
        {"APPLE", 0, 0, 4},                        // whole text, case kept
        {"apple", CGRMem::kFindIgnoreCase, 0, 4},  // "apple pie" is no whole match
        {"apple", kAnyCase | CGRMem::kFindBackwards, 0, 4},
        {"cherry", kAnyCase, 1, 0},
        {"", kAnyCase, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.lpszFind) + " " + std::to_string(row.lFlags));
        CFruitGrid grid;
        EXPECT_EQ(grid.FindInCells(row.lpszFind, "", row.lFlags, CGRCtrlCore::kFindOnly), row.nResult);
        EXPECT_EQ(grid.GetCurrentRow(), row.nRow);
        EXPECT_EQ(grid.GetCurrentCol(), 1);
    }
}

TEST(CGRCtrlCoreFind, ReplacingTakesOnlyAMatchingCurrentCell)
{
    CFruitGrid grid;
    EXPECT_EQ(grid.FindInCells("apple", "quince", kAnyCase, CGRCtrlCore::kFindReplaceCurrent), 0);
    EXPECT_EQ(grid.Column(), "quince|pear|apple pie|plum|APPLE");
    EXPECT_EQ(grid.GetCurrentRow(), 2);
    grid.GotoCell(1, 1);
    EXPECT_EQ(grid.FindInCells("apple", "quince", kAnyCase, CGRCtrlCore::kFindReplaceCurrent), 0);
    EXPECT_EQ(grid.Column(), "quince|pear|apple pie|plum|APPLE");
    EXPECT_EQ(grid.GetCurrentRow(), 2);
}

TEST(CGRCtrlCoreFind, ReplacingAllStopsWhenNothingMatchesOrTheFirstCellComesBack)
{
    CFruitGrid grid;
    EXPECT_EQ(grid.FindInCells("apple", "quince", kAnyCase, CGRCtrlCore::kFindReplaceAll), 0);
    EXPECT_EQ(grid.Column(), "quince|pear|quince|plum|quince");

    CFruitGrid again;  // the replacement matches too: each cell once
    EXPECT_EQ(again.FindInCells("p", "pp", kAnyCase, CGRCtrlCore::kFindReplaceAll), 0);
    EXPECT_EQ(again.Column(), "pp|pp|pp|pp|pp");

    CFruitGrid none;
    EXPECT_EQ(none.FindInCells("cherry", "quince", kAnyCase, CGRCtrlCore::kFindReplaceAll), 1);
    EXPECT_EQ(none.Column(), "Apple|pear|apple pie|plum|APPLE");
}

TEST(CGRCtrlCoreFind, AMovedColumnIsFoundWhereItStands)
{
    CFruitGrid grid;
    grid.MoveColPosition(1, 0, 1);  // the fruits now stand in column 0
    grid.GotoCell(0, 0);
    EXPECT_EQ(grid.FindInCells("plum", "", kAnyCase, CGRCtrlCore::kFindOnly), 0);
    EXPECT_EQ(grid.GetCurrentCol(), 0);
    EXPECT_EQ(grid.GetCurrentRow(), 3);
}
