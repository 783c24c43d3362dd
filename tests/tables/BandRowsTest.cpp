// Behaviours of the band rows: the heights that show a band range.

#include "tables/BandRows.h"

#include <gtest/gtest.h>

TEST(BandRows, ShowsOnlyTheBandsOfTheRange)
{
    struct {
        int nTableId;
        int nSumRowHeight;
    } const aRows[] = {{122, 20}, {124, 0}, {126, 0}, {127, 0}, {132, 20}};
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.nTableId);
        std::map<int, int> heights;
        ASSERT_TRUE(CBandRows::HeightsFor(17, 37, row.nTableId, heights));
        for (int nRow = 2; nRow <= 37; ++nRow)
            EXPECT_EQ(nRow >= 11 && nRow <= 31 ? 20 : 0, heights[nRow]) << "row " << nRow;
        EXPECT_EQ(row.nSumRowHeight, heights[38]);
        EXPECT_EQ(20, heights[39]);
        EXPECT_EQ(0, heights[40]);
    }
}

TEST(BandRows, RefusesBandsOutsideTheTable)
{
    for (auto range : {std::pair<int, int>{44, 20}, {-1, 20}, {17, 44}}) {
        SCOPED_TRACE(testing::Message() << range.first << ", " << range.second);
        std::map<int, int> heights = {{5, 7}};
        EXPECT_FALSE(CBandRows::HeightsFor(range.first, range.second, 122, heights));
        EXPECT_TRUE(heights.empty());
    }
}
