// CGRTabStrip: the table of at most 64 tabs, where the tabs lie and which
// one a point hits, the scroll range, bringing a partly hidden tab into
// view, the scroll steps, the sizing edge and the narrowest tab area.
#include "grid/CGRTabStrip.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

// A scroll-bar area of 34 and tabs 50, 60 and 70 wide with ids 10, 11, 12.
CGRTabStrip MakeStrip()
{
    CGRTabStrip strip;
    strip.SetScrollAreaWidth(34);
    const int widths[] = {50, 60, 70};
    for (int i = 0; i < 3; ++i) {
        GridSheetTab tab;
        tab.sLabel = "Sheet";
        tab.nWidth = widths[i];
        tab.lID = 10 + i;
        strip.AddTab(tab);
    }
    return strip;
}

}

TEST(CGRTabStrip, HoldsAtMostSixtyFourTabs)
{
    CGRTabStrip strip;
    for (int i = 0; i < CGRTabStrip::kMaxTabs; ++i)
        ASSERT_EQ(strip.AddTab(GridSheetTab()), i);
    EXPECT_EQ(strip.AddTab(GridSheetTab()), -1);
    EXPECT_EQ(strip.GetCount(), 64);
}

TEST(CGRTabStrip, TabsFollowOneAnotherRightOfTheScrollBar)
{
    CGRTabStrip strip = MakeStrip();
    EXPECT_EQ(strip.TabLeft(0), 34);
    EXPECT_EQ(strip.TabLeft(1), 84);
    EXPECT_EQ(strip.TabLeft(2), 144);
    struct Row {
        int x, nTab;
    };
    const Row rows[] = {{33, -1}, {34, 0}, {86, 0}, {87, 1}, {146, 1}, {147, 2}, {216, 2}, {217, -1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.x));
        EXPECT_EQ(strip.TabAt(row.x), row.nTab);
    }
}

TEST(CGRTabStrip, ScrollRangeReachesAlittlePastTheLastTab)
{
    CGRTabStrip strip = MakeStrip();
    struct Row {
        int nClientWidth, nMaxOffset;
    };
    const Row rows[] = {{150, 84}, {213, 21}, {214, 0}, {300, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nClientWidth));
        strip.CalcScrollRange(row.nClientWidth);
        EXPECT_EQ(strip.GetMaxOffset(), row.nMaxOffset);
    }
}

TEST(CGRTabStrip, SelectingAPartlyHiddenTabScrollsItIntoView)
{
    CGRTabStrip strip = MakeStrip();
    strip.CalcScrollRange(150);
    strip.Select(2, 150);
    EXPECT_EQ(strip.GetCurrent(), 2);
    EXPECT_EQ(strip.GetOffset(), 83);
    EXPECT_LE(strip.TabLeft(2) + 70 + 19, 150);
    EXPECT_GE(strip.TabLeft(2) - 5, 34);

    strip.Select(0, 150);
    EXPECT_EQ(strip.GetCurrent(), 0);
    EXPECT_EQ(strip.GetOffset(), 0);
}

TEST(CGRTabStrip, ScrollStepsStayWithinTheRange)
{
    CGRTabStrip strip = MakeStrip();
    strip.CalcScrollRange(180);  // largest offset 54
    EXPECT_FALSE(strip.LineLeft());
    int nSteps = 0;
    while (strip.LineRight())
        ++nSteps;
    EXPECT_EQ(nSteps, 10);
    EXPECT_EQ(strip.GetOffset(), 50);
    EXPECT_TRUE(strip.LineLeft());
    EXPECT_EQ(strip.GetOffset(), 45);
}

TEST(CGRTabStrip, TheLastSevenPixelsAreTheSizingEdge)
{
    CGRTabStrip strip;
    EXPECT_FALSE(strip.InResizeZone(142, 150));
    EXPECT_TRUE(strip.InResizeZone(143, 150));
    EXPECT_TRUE(strip.InResizeZone(149, 150));
    EXPECT_FALSE(strip.InResizeZone(150, 150));
}

TEST(CGRTabStrip, TheTabAreaIsAtLeastFortyWide)
{
    const int widths[][2] = {{-5, 40}, {0, 40}, {39, 40}, {40, 40}, {41, 41}};
    for (const auto& row : widths) {
        SCOPED_TRACE(std::to_string(row[0]));
        EXPECT_EQ(CGRTabStrip::ClampAreaWidth(row[0]), row[1]);
    }
}

TEST(CGRTabStrip, DeletingATabKeepsTheCurrentOne)
{
    CGRTabStrip strip = MakeStrip();
    strip.CalcScrollRange(400);
    strip.Select(2, 400);
    EXPECT_EQ(strip.DeleteTab(10), 0);
    EXPECT_EQ(strip.GetCurrent(), 1);
    EXPECT_EQ(strip.GetTab(strip.GetCurrent()).lID, 12);
    EXPECT_EQ(strip.DeleteTab(99), 1);
    EXPECT_EQ(strip.FindTab(11), 0);
}
