// CGRAxis: the shift of the picture between two first rows, with its limit
// at the extent of the area; offsets of locked, scrolled-out and visible
// rows. (The rest of the axis is covered through CGRCtrlCore's moves.)
#include "grid/CGRAxis.h"
#include "grid/CGRGridInfo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 20 rows of 20 pixels in an area 100 high, row 3 with 50.
void MakeRows(CGRGridInfo& info)
{
    info.m_nNumberRows = 20;
    info.m_rowHeights.assign(20, 20);
    info.m_rowHeights[3] = 50;
    info.m_nAreaHeight = 100;
}

}

TEST(CGRAxis, ShiftBetweenFirstRowsStopsAtTheAreaHeight)
{
    CGRGridInfo info;
    MakeRows(info);
    struct Row {
        int nOldTop, nTop;
        bool bShifts;
        int nShift;
    };
    const Row rows[] = {
        {0, 0, true, 0}, {0, 1, true, 20}, {1, 0, true, -20}, {2, 4, true, 70}, {4, 2, true, -70},
        {0, 3, true, 60}, {0, 4, false, 0}, {10, 5, true, -100}, {10, 4, false, 0}, {-1, 3, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nOldTop) + " -> " + std::to_string(row.nTop));
        info.m_nTopRow = row.nTop;
        int nShift = -999;
        EXPECT_EQ(CGRAxis::Rows(info).ScrollShift(row.nOldTop, nShift), row.bShifts);
        EXPECT_EQ(nShift, row.nShift);
    }
}

TEST(CGRAxis, OffsetsCountLockedRowsFromTheTopAndTheOthersFromTheFirstRow)
{
    CGRGridInfo info;
    MakeRows(info);
    info.m_nLockedRows = 1;
    info.m_nLockedRowsHeight = 20;
    info.m_nTopRow = 5;
    struct Row {
        int nRow, nOffset;
        bool bInView;
    };
    const Row rows[] = {{0, 0, true}, {5, 20, true}, {8, 80, true}, {9, 100, false}, {4, 0, false}, {2, -70, false}};
    CGRAxis axis = CGRAxis::Rows(info);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nRow);
        EXPECT_EQ(axis.Offset(row.nRow), row.nOffset);
        EXPECT_EQ(axis.InView(row.nRow), row.bInView);
    }
    EXPECT_EQ(axis.LastEdge(), 9);
}
