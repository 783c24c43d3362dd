// Behaviours of the column layout of the tables: the group of a column and
// its list position, and columns that belong to no measurement.

#include "tables/TableColumns.h"

#include <gtest/gtest.h>

TEST(TableColumns, FindsTheMeasurementOfAColumn)
{
    struct {
        int nTableId;
        int nCol;
        int nMeasCount;
        int nPosition;
    } const aRows[] = {
        {122, 0, 2, 0},  {122, 3, 2, 0},  {122, 4, 2, 1},  {122, 8, 2, 1},  {122, 9, 2, 2},
        {122, 13, 2, 2}, {122, 14, 2, 0}, {122, 4, 0, 0},  {124, 4, 2, 1},  {124, 6, 2, 1},
        {124, 7, 2, 2},  {124, 10, 2, 0}, {126, 9, 3, 2},  {-1, 4, 1, 1},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(testing::Message() << "table " << row.nTableId << " column " << row.nCol);
        EXPECT_EQ(row.nPosition, CTableColumns(row.nTableId).PositionOf(row.nCol, row.nMeasCount));
    }
}

TEST(TableColumns, PlacesGroupsAndOffsets)
{
    const CTableColumns level(123), reverberation(124);
    EXPECT_EQ(4, level.FirstColOf(1));
    EXPECT_EQ(14, level.FirstColOf(3));
    EXPECT_EQ(10, reverberation.FirstColOf(3));
    EXPECT_EQ(3, level.OffsetInGroup(12));
    EXPECT_EQ(0, reverberation.OffsetInGroup(7));
    EXPECT_EQ(-1, level.OffsetInGroup(2));
}
