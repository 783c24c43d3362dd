// CGRCornerSizing: the zones near the corner button's edges, what the
// sizing mode and the control's answers allow, the heading sizes a drag
// sets (never below 0) and the notifications in their order.
#include "grid/CGRCornerSizing.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Records the heading-size notifications; may refuse sizing or change the
// size while it is dragged.
class CHeadingSizeGrid : public CRecordingGrid {
public:
    int OnCanSizeTopHdg() override { return m_bAllowTop; }
    int OnCanSizeSideHdg() override { return m_bAllowSide; }
    int OnTopHdgSizing(int* pnHeight) override
    {
        m_log.push_back("TopSizing(" + std::to_string(*pnHeight) + ")");
        *pnHeight += m_nAddWhileSizing;
        return 1;
    }
    int OnSideHdgSizing(int* pnWidth) override
    {
        m_log.push_back("SideSizing(" + std::to_string(*pnWidth) + ")");
        return 1;
    }
    int OnTopHdgSized(int* pnHeight) override
    {
        m_log.push_back("TopSized(" + std::to_string(*pnHeight) + ")");
        return 1;
    }
    int OnSideHdgSized(int* pnWidth) override
    {
        m_log.push_back("SideSized(" + std::to_string(*pnWidth) + ")");
        return 1;
    }
    int m_bAllowTop = 1;
    int m_bAllowSide = 1;
    int m_nAddWhileSizing = 0;
};

// The default corner: the side heading's 40 pixels by the top heading's 20.
class CGRCornerSizingTest : public testing::Test {
protected:
    void SetUp() override { m_grid.Build(5, 5, 5, 5); }
    CScopedGridEnvironment m_environment;
    CHeadingSizeGrid m_grid;
    CGRCornerSizing m_sizing{&m_grid};
    const CSize m_corner{40, 20};
};

}

TEST_F(CGRCornerSizingTest, ZonesLieWithinFourPixelsOfTheRightAndBottomEdges)
{
    struct Row {
        CPoint point;
        CGRCornerSizing::Zone nZone;
    } rows[] = {
        {{20, 10}, CGRCornerSizing::kNoZone},        {{35, 10}, CGRCornerSizing::kNoZone},
        {{36, 10}, CGRCornerSizing::kSideWidthZone}, {{39, 10}, CGRCornerSizing::kSideWidthZone},
        {{20, 15}, CGRCornerSizing::kNoZone},        {{20, 16}, CGRCornerSizing::kTopHeightZone},
        {{39, 19}, CGRCornerSizing::kSideWidthZone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.point.x << "," << row.point.y);
        m_sizing.Hover(row.point, m_corner);
        EXPECT_EQ(m_sizing.GetZone(), row.nZone);
    }
}

TEST_F(CGRCornerSizingTest, SizingModeZeroOrARefusalLeavesNoZone)
{
    m_grid.SetUserSizingMode(0);
    m_sizing.Hover(CPoint(38, 10), m_corner);
    EXPECT_EQ(m_sizing.GetZone(), CGRCornerSizing::kNoZone);
    EXPECT_FALSE(m_sizing.BeginDrag());

    m_grid.SetUserSizingMode(1);
    m_grid.m_bAllowSide = 0;
    m_sizing.Hover(CPoint(38, 10), m_corner);
    EXPECT_EQ(m_sizing.GetZone(), CGRCornerSizing::kNoZone);
    m_sizing.Hover(CPoint(38, 18), m_corner);
    EXPECT_EQ(m_sizing.GetZone(), CGRCornerSizing::kTopHeightZone);
}

TEST_F(CGRCornerSizingTest, DraggingTheBottomEdgeAboveTheControlMakesTheTopHeadingHeightZero)
{
    m_sizing.Hover(CPoint(20, 18), m_corner);
    ASSERT_TRUE(m_sizing.BeginDrag());
    m_sizing.DragTo(CPoint(20, 30));
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 30);
    m_sizing.DragTo(CPoint(20, -25));
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 0);
    EXPECT_EQ(m_grid.GetGridInfo()->m_componentRects[CGRGridInfo::kCellArea].top, 0);
    EXPECT_TRUE(m_sizing.EndDrag());
    EXPECT_EQ(m_grid.Log(), "TopSizing(30) TopSizing(0) TopSized(0)");
}

TEST_F(CGRCornerSizingTest, DraggingTheRightEdgeSizesTheSideHeading)
{
    m_sizing.Hover(CPoint(38, 5), m_corner);
    ASSERT_TRUE(m_sizing.BeginDrag());
    m_sizing.DragTo(CPoint(60, 5));
    EXPECT_EQ(m_grid.GetSideHeadingWidth(), 60);
    EXPECT_EQ(m_grid.GetGridInfo()->m_componentRects[CGRGridInfo::kCellArea].left, 60);
    m_sizing.DragTo(CPoint(-3, 5));
    EXPECT_TRUE(m_sizing.EndDrag());
    EXPECT_EQ(m_grid.GetSideHeadingWidth(), 0);
    EXPECT_EQ(m_grid.Log(), "SideSizing(60) SideSizing(0) SideSized(0)");
}

TEST_F(CGRCornerSizingTest, ControlMayChangeTheSizeWhileItIsDragged)
{
    m_grid.m_nAddWhileSizing = 5;
    m_sizing.Hover(CPoint(20, 18), m_corner);
    m_sizing.BeginDrag();
    m_sizing.DragTo(CPoint(20, 30));
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 35);
}

TEST_F(CGRCornerSizingTest, ReleaseWithoutADragEndsNothing)
{
    m_sizing.Hover(CPoint(10, 5), m_corner);
    EXPECT_FALSE(m_sizing.BeginDrag());
    m_sizing.DragTo(CPoint(20, 30));
    EXPECT_FALSE(m_sizing.EndDrag());
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 20);
    EXPECT_EQ(m_grid.Log(), "");
}
