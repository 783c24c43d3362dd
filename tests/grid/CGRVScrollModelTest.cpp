// CGRVScrollModel: the vertical bar's range for few and for many rows and in
// the three-position mode, when it is set anew, its position, and the top
// row of a thumb position.
#include "grid/CGRGridInfo.h"
#include "grid/CGRVScrollModel.h"

#include <gtest/gtest.h>

namespace {

// A sheet shown with a cell area of 200 pixels (10 rows of default height).
class CGRVScrollModelTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_info.m_bUpdateEnabled = 1;
        m_info.m_nAreaHeight = 200;
    }
    CGRGridInfo m_info;
    CGRVScrollModel m_model;
};

}

TEST_F(CGRVScrollModelTest, RangeFollowsTheRowsOrIsScaledOrHasThreePositions)
{
    struct Row {
        const char* lpszCase;
        int nMaxTopRow, nMode, nLockedRows, nTopRow, nDefRowHeight, nAreaHeight;
        int nMin, nMax, nPage, nPosition;
    } rows[] = {
        {"few rows", 90, 0, 0, 30, 20, 200, 0, 99, 10, 30},
        {"locked rows", 90, 0, 2, 30, 20, 200, 2, 99, 10, 30},
        {"exactly 1000", 1000, 0, 0, 1000, 20, 200, 0, 1009, 10, 1000},
        {"1001 scaled", 1001, 0, 0, 1001, 20, 200, 0, 1000, 1, 1000},
        {"5000 scaled", 5000, 0, 0, 2500, 20, 200, 0, 1000, 1, 500},
        {"5000 cut down", 5000, 0, 0, 4999, 20, 200, 0, 1000, 1, 999},
        {"3333 last row", 3333, 0, 0, 3333, 20, 200, 0, 1000, 1, 1000},
        {"follow thumb", 90, 1, 0, 30, 20, 200, 0, 99, 10, 30},
        {"three positions", 90, 2, 0, 30, 20, 200, 0, 2, 0, 1},
        {"three positions, many rows", 5000, 2, 0, 2500, 20, 200, 0, 2, 0, 1},
        {"row height 0", 90, 0, 0, 0, 0, 200, 0, 289, 200, 0},
        {"no area", 90, 0, 0, 0, 20, 0, 0, 89, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CGRVScrollModel model;
        m_info.m_nMaxTopRow = row.nMaxTopRow;
        m_info.m_nVScrollMode = row.nMode;
        m_info.m_nLockedRows = row.nLockedRows;
        m_info.m_nTopRow = row.nTopRow;
        m_info.m_nLastTopRow = row.nTopRow;
        m_info.m_nDefRowHeight = row.nDefRowHeight;
        m_info.m_nAreaHeight = row.nAreaHeight;
        GridScrollBarUpdate update = model.Update(m_info);
        EXPECT_TRUE(update.bSetRange);
        EXPECT_EQ(update.nMin, row.nMin);
        EXPECT_EQ(update.nMax, row.nMax);
        EXPECT_EQ(update.nPage, row.nPage);
        EXPECT_TRUE(update.bSetPosition);
        EXPECT_EQ(update.nPosition, row.nPosition);
    }
}

TEST_F(CGRVScrollModelTest, ThumbOfAScaledBarStandsForItsShareOfTheRows)
{
    m_info.m_nMaxTopRow = 5000;
    m_model.Update(m_info);
    EXPECT_EQ(m_model.RowAt(500), 2500);
    EXPECT_EQ(m_model.RowAt(0), 0);
    EXPECT_EQ(m_model.RowAt(1000), 5000);
    EXPECT_EQ(m_model.RowAt(1), 5);
}

TEST_F(CGRVScrollModelTest, ThumbOfAnUnscaledBarIsTheRow)
{
    m_info.m_nMaxTopRow = 90;
    m_model.Update(m_info);
    EXPECT_EQ(m_model.RowAt(42), 42);
}

TEST_F(CGRVScrollModelTest, RangeIsSetAgainOnlyWhenMaximumModeOrLockedRowsChange)
{
    m_info.m_nMaxTopRow = 90;
    ASSERT_TRUE(m_model.Update(m_info).bSetRange);
    m_info.m_nAreaHeight = 400;
    EXPECT_FALSE(m_model.Update(m_info).bSetRange);
    m_info.m_nMaxTopRow = 80;
    EXPECT_TRUE(m_model.Update(m_info).bSetRange);
    m_info.m_nVScrollMode = 1;
    EXPECT_TRUE(m_model.Update(m_info).bSetRange);
    m_info.m_nLockedRows = 1;
    EXPECT_TRUE(m_model.Update(m_info).bSetRange);
    EXPECT_FALSE(m_model.Update(m_info).bSetRange);
}

TEST_F(CGRVScrollModelTest, PositionFollowsTheTopRowOnlyWhenItMoved)
{
    m_info.m_nMaxTopRow = 90;
    m_model.Update(m_info);
    m_info.m_nTopRow = m_info.m_nLastTopRow = 12;
    EXPECT_FALSE(m_model.Update(m_info).bSetPosition);
    m_info.m_nLastTopRow = 11;
    GridScrollBarUpdate update = m_model.Update(m_info);
    EXPECT_TRUE(update.bSetPosition);
    EXPECT_EQ(update.nPosition, 12);
}

TEST_F(CGRVScrollModelTest, ThreePositionBarStaysInTheMiddleWhateverTheTopRow)
{
    m_info.m_nMaxTopRow = 90;
    m_info.m_nVScrollMode = CGRVScrollModel::kModeThreePositions;
    m_model.Update(m_info);
    for (int nTopRow : {0, 1, 45, 90}) {
        SCOPED_TRACE(nTopRow);
        m_info.m_nLastTopRow = -1;
        m_info.m_nTopRow = nTopRow;
        GridScrollBarUpdate update = m_model.Update(m_info);
        EXPECT_TRUE(update.bSetPosition);
        EXPECT_EQ(update.nPosition, 1);
    }
}

TEST_F(CGRVScrollModelTest, NothingChangesWhileTheSheetIsSetUp)
{
    m_info.m_bUpdateEnabled = 0;
    m_info.m_nMaxTopRow = 90;
    m_info.m_nLastTopRow = -1;
    GridScrollBarUpdate update = m_model.Update(m_info);
    EXPECT_FALSE(update.bSetRange);
    EXPECT_FALSE(update.bSetPosition);
}

TEST_F(CGRVScrollModelTest, TrackedRowIsWhereTheViewWouldGo)
{
    m_info.m_nMaxTopRow = 5000;
    m_info.m_nLockedRows = 3;
    m_model.Update(m_info);
    EXPECT_EQ(m_model.TrackedRow(500, m_info), 2500);
    EXPECT_EQ(m_model.TrackedRow(0, m_info), 3);
    EXPECT_EQ(m_model.TrackedRow(1000, m_info), 5000);
}
