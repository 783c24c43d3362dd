// CGRHScrollModel: the horizontal bar's range beside locked columns, when it
// is set anew and asks for another layout, its position, and the left
// column of a thumb position.
#include "grid/CGRGridInfo.h"
#include "grid/CGRHScrollModel.h"

#include <gtest/gtest.h>

namespace {

// A sheet shown with a cell area of 400 pixels and a bar of 17.
class CGRHScrollModelTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_info.m_bUpdateEnabled = 1;
        m_info.m_nAreaWidth = 400;
        m_info.m_componentRects[CGRGridInfo::kHScrollBar].SetRect(0, 300, 400, 317);
    }
    CGRGridInfo m_info;
    CGRHScrollModel m_model;
};

}

TEST_F(CGRHScrollModelTest, RangeCountsTheScrollingColumnsAndAPage)
{
    struct Row {
        const char* lpszCase;
        int nMaxLeftCol, nLockedCols, nLockedWidth, nDefColWidth, nLeftCol;
        int nMax, nPage, nPosition;
    } rows[] = {
        {"no locked columns", 20, 0, 0, 75, 4, 24, 5, 4},
        {"two locked columns", 20, 2, 150, 75, 4, 20, 3, 2},
        {"default width 0", 20, 0, 0, 0, 0, 419, 400, 0},
        {"nothing to scroll", 0, 0, 0, 500, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CGRHScrollModel model;
        m_info.m_nMaxLeftCol = row.nMaxLeftCol;
        m_info.m_nLockedCols = row.nLockedCols;
        m_info.m_nLockedColsWidth = row.nLockedWidth;
        m_info.m_nDefColWidth = row.nDefColWidth;
        m_info.m_nLeftCol = row.nLeftCol;
        m_info.m_nLastLeftCol = -1;
        GridScrollBarUpdate update = model.Update(m_info);
        EXPECT_TRUE(update.bSetRange);
        EXPECT_EQ(update.nMin, 0);
        EXPECT_EQ(update.nMax, row.nMax);
        EXPECT_EQ(update.nPage, row.nPage);
        EXPECT_FALSE(update.bLayOutAgain);
        EXPECT_TRUE(update.bSetPosition);
        EXPECT_EQ(update.nPosition, row.nPosition);
    }
}

TEST_F(CGRHScrollModelTest, NewRangeForABarWithoutRoomAsksForAnotherLayoutOnce)
{
    m_info.m_componentRects[CGRGridInfo::kHScrollBar].SetRect(0, 300, 400, 300);
    m_info.m_nMaxLeftCol = 3;
    EXPECT_TRUE(m_model.Update(m_info).bLayOutAgain);
    EXPECT_FALSE(m_model.Update(m_info).bLayOutAgain);
}

TEST_F(CGRHScrollModelTest, PositionFollowsTheLeftColumnOnlyWhenItMoved)
{
    m_info.m_nMaxLeftCol = 20;
    m_info.m_nLockedCols = 1;
    m_info.m_nLeftCol = m_info.m_nLastLeftCol = 5;
    EXPECT_FALSE(m_model.Update(m_info).bSetPosition);
    m_info.m_nLeftCol = 6;
    GridScrollBarUpdate update = m_model.Update(m_info);
    EXPECT_TRUE(update.bSetPosition);
    EXPECT_EQ(update.nPosition, 5);
}

TEST_F(CGRHScrollModelTest, ThumbStandsForTheColumnAfterTheLockedOnes)
{
    m_info.m_nLockedCols = 2;
    EXPECT_EQ(CGRHScrollModel::ColumnAt(0, m_info), 2);
    EXPECT_EQ(CGRHScrollModel::ColumnAt(7, m_info), 9);
}

TEST_F(CGRHScrollModelTest, NothingChangesWhileTheSheetIsSetUp)
{
    m_info.m_bUpdateEnabled = 0;
    m_info.m_nMaxLeftCol = 20;
    m_info.m_nLastLeftCol = -1;
    GridScrollBarUpdate update = m_model.Update(m_info);
    EXPECT_FALSE(update.bSetRange);
    EXPECT_FALSE(update.bSetPosition);
}
