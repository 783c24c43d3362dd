// RedrawRegionList: cells inside and outside ranges and the bounding box,
// widening the first range, the drawn-cell list, clearing.
#include "grid/RedrawRegionList.h"

#include <gtest/gtest.h>

#include <string>

TEST(RedrawRegionList, EmptyListHoldsNoCell)
{
    RedrawRegionList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.IsInRange(0, 0), 0);
    EXPECT_EQ(list.IsInRange(-1, -1), 0);
}

TEST(RedrawRegionList, CellsAreInRangeOnlyInsideARangeNotJustTheBox)
{
    RedrawRegionList list;
    list.AddRange(0, 0, 1, 1);
    list.AddCell(5, 5);
    struct Row {
        int nCol, nRow, nIn;
    };
    const Row rows[] = {
        {0, 0, 1}, {1, 1, 1}, {5, 5, 1}, {3, 3, 0}, {2, 0, 0}, {6, 5, 0}, {-1, 0, 0}, {1, 2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nCol) + "," + std::to_string(row.nRow));
        EXPECT_EQ(list.IsInRange(row.nCol, row.nRow), row.nIn);
    }
}

TEST(RedrawRegionList, WideningCoversTheGivenRange)
{
    RedrawRegionList list;
    list.WidenFirstRange(2, 2, 2, 2);
    EXPECT_EQ(list.IsInRange(2, 2), 1);
    list.WidenFirstRange(4, 0, 5, 1);
    EXPECT_EQ(list.IsInRange(3, 1), 1);
    EXPECT_EQ(list.IsInRange(5, 2), 1);
    EXPECT_EQ(list.IsInRange(1, 1), 0);
}

TEST(RedrawRegionList, RemembersDrawnCellsUntilCleared)
{
    RedrawRegionList list;
    list.AddRange(0, 0, 9, 9);
    EXPECT_EQ(list.IsDrawn(3, 4), 0);
    list.AddDrawn(3, 4);
    EXPECT_EQ(list.IsDrawn(3, 4), 1);
    EXPECT_EQ(list.IsDrawn(4, 3), 0);
    list.Clear();
    EXPECT_EQ(list.IsDrawn(3, 4), 0);
    EXPECT_EQ(list.IsInRange(0, 0), 0);
    EXPECT_TRUE(list.IsEmpty());
}
