// CGRHeadingGeometry and CGRHeadingAxis: heading cells under a point of the
// top and side heading (scrolled and locked columns), the sizing edges
// within reach of the pointer (hidden items, heading edges), and the
// arithmetic of a drag.
#include "grid/CGRHeadingGeometry.h"
#include "grid/CGRGridInfo.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

// 10 columns of 75 and 10 rows of 20 in an area of 300 x 200; heading row
// -1 is 20 high and -2 10 (outermost, at the top); heading column -1 is 25
// wide and -2 15 (outermost, at the left).
void MakeSheet(CGRGridInfo& info)
{
    info.m_nNumberCols = 10;
    info.m_columns.resize(10);
    for (CGRGridInfo::ColumnRecord& column : info.m_columns)
        column.nWidth = 75;
    info.m_nNumberRows = 10;
    info.m_rowHeights.assign(10, 20);
    info.m_nAreaWidth = 300;
    info.m_nAreaHeight = 200;
    info.m_nNumberTopHdgRows = 2;
    info.m_topHdgHeights = {20, 10};
    info.m_nNumberSideHdgCols = 2;
    info.m_sideHdgWidths = {25, 15};
}

// A point and what is expected there: the cell (column, row) or the edge
// (kind, index).
struct HitRow {
    int x, y;
    bool bHit;
    int nFirst, nSecond;
};

using HitTest = bool (CGRHeadingGeometry::*)(int, int, int&, int&) const;

void ExpectHits(const CGRHeadingGeometry& geometry, HitTest hitTest, const HitRow* rows, size_t nRows)
{
    for (size_t i = 0; i < nRows; ++i) {
        const HitRow& row = rows[i];
        SCOPED_TRACE("point " + std::to_string(row.x) + "," + std::to_string(row.y));
        int nFirst = -99, nSecond = -99;
        EXPECT_EQ((geometry.*hitTest)(row.x, row.y, nFirst, nSecond), row.bHit);
        if (row.bHit) {
            EXPECT_EQ(nFirst, row.nFirst);
            EXPECT_EQ(nSecond, row.nSecond);
        }
    }
}

const int kAcross = CGRHeadingGeometry::kEdgeAcross;
const int kDown = CGRHeadingGeometry::kEdgeDown;

}

TEST(CGRHeadingGeometry, TopHeadingCellsFollowTheColumnsInView)
{
    CGRGridInfo info;
    MakeSheet(info);
    const HitRow unscrolled[] = {
        {80, 5, true, 1, -2}, {80, 15, true, 1, -1}, {0, 29, true, 0, -1}, {80, 30, false, 0, 0},
        {299, 0, true, 3, -2}, {300, 0, false, 0, 0}, {-1, 5, false, 0, 0},
    };
    ExpectHits(CGRHeadingGeometry(info, true), &CGRHeadingGeometry::CellAt, unscrolled, std::size(unscrolled));

    info.m_nLockedCols = 1;
    info.m_nLockedColsWidth = 75;
    info.m_nLeftCol = 4;
    const HitRow scrolled[] = {{10, 15, true, 0, -1}, {80, 15, true, 4, -1}, {160, 5, true, 5, -2}};
    ExpectHits(CGRHeadingGeometry(info, true), &CGRHeadingGeometry::CellAt, scrolled, std::size(scrolled));
}

TEST(CGRHeadingGeometry, SideHeadingCellsFollowTheRowsInView)
{
    CGRGridInfo info;
    MakeSheet(info);
    info.m_nTopRow = 3;
    const HitRow rows[] = {
        {5, 0, true, -2, 3}, {20, 25, true, -1, 4}, {39, 139, true, -1, 9}, {40, 5, false, 0, 0}, {5, 140, false, 0, 0},
        {5, 200, false, 0, 0},
    };
    ExpectHits(CGRHeadingGeometry(info, false), &CGRHeadingGeometry::CellAt, rows, std::size(rows));
}

TEST(CGRHeadingGeometry, AnEdgeIsHitWithinTwoPixelsNotThree)
{
    CGRGridInfo info;
    MakeSheet(info);
    const HitRow top[] = {
        {75, 5, true, kAcross, 0}, {73, 5, true, kAcross, 0}, {77, 5, true, kAcross, 0},
        {72, 5, false, 0, 0},      {78, 5, false, 0, 0},      {150, 20, true, kAcross, 1},
        {40, 8, true, kDown, -2},  {40, 12, true, kDown, -2}, {40, 13, false, 0, 0},
        {40, 28, true, kDown, -1}, {40, 27, false, 0, 0},
    };
    ExpectHits(CGRHeadingGeometry(info, true), &CGRHeadingGeometry::EdgeAt, top, std::size(top));
    const HitRow side[] = {
        {15, 5, true, kAcross, -2}, {38, 5, true, kAcross, -1}, {37, 5, false, 0, 0},
        {5, 21, true, kDown, 0},    {5, 23, false, 0, 0},       {5, 58, true, kDown, 2},
    };
    ExpectHits(CGRHeadingGeometry(info, false), &CGRHeadingGeometry::EdgeAt, side, std::size(side));
}

TEST(CGRHeadingGeometry, TheEdgeBeforeAHiddenItemSizesTheHiddenOne)
{
    CGRGridInfo info;
    MakeSheet(info);
    info.m_columns[1].nWidth = 0;
    info.m_topHdgHeights = {0, 10};
    const HitRow top[] = {
        {75, 20, true, kAcross, 1}, {150, 20, true, kAcross, 2}, {40, 10, true, kDown, -1},
    };
    ExpectHits(CGRHeadingGeometry(info, true), &CGRHeadingGeometry::EdgeAt, top, std::size(top));
}

TEST(CGRHeadingGeometry, EdgesSizeDataAcrossTheTopAndDownTheSide)
{
    CGRGridInfo info;
    EXPECT_TRUE(CGRHeadingGeometry(info, true).SizesData(kAcross));
    EXPECT_FALSE(CGRHeadingGeometry(info, true).SizesData(kDown));
    EXPECT_FALSE(CGRHeadingGeometry(info, false).SizesData(kAcross));
    EXPECT_TRUE(CGRHeadingGeometry(info, false).SizesData(kDown));
}

TEST(CGRHeadingGeometry, DraggedSizesNeverBecomeNegative)
{
    struct Row {
        int nStartSize, nStartPos, nPos, nSize;
    };
    const Row rows[] = {{20, 100, 110, 30}, {20, 100, 90, 10}, {20, 100, 80, 0}, {20, 100, -50, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nPos));
        EXPECT_EQ(CGRHeadingGeometry::DraggedSize(row.nStartSize, row.nStartPos, row.nPos), row.nSize);
    }
}

TEST(CGRHeadingGeometry, UniformRowsShareThePointersDistanceFromTheTop)
{
    EXPECT_EQ(CGRHeadingGeometry::UniformDivisor(60, 20), 3);
    EXPECT_EQ(CGRHeadingGeometry::UniformDivisor(19, 20), 0);
    EXPECT_EQ(CGRHeadingGeometry::UniformRowHeight(90, 3), 30);
    EXPECT_EQ(CGRHeadingGeometry::UniformRowHeight(-40, 3), 1);
    EXPECT_EQ(CGRHeadingGeometry::UniformRowHeight(50, 0), 50);
}

TEST(CGRHeadingAxis, OffsetsCountFromTheOutermostHeading)
{
    CGRGridInfo info;
    MakeSheet(info);
    CGRHeadingAxis rows = CGRHeadingAxis::TopRows(info);
    EXPECT_EQ(rows.Offset(-2), 0);
    EXPECT_EQ(rows.Offset(-1), 10);
    EXPECT_EQ(rows.Total(), 30);
    EXPECT_EQ(rows.Size(-3), 0);
    EXPECT_EQ(rows.Size(0), 0);
    EXPECT_EQ(CGRHeadingAxis::SideCols(info).Total(), 40);
}

TEST(CGRHeadingAxis, ANewSheetsSideHeadingColumnIsAsWideAsItsHeading)
{
    CGRGridInfo info;
    EXPECT_EQ(CGRHeadingAxis::SideCols(info).Total(), info.m_nSideHdgWidth);
    EXPECT_EQ(CGRHeadingAxis::TopRows(info).Total(), info.m_nTopHdgHeight);
}
