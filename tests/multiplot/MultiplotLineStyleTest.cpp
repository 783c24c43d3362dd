// The look of a multiplot curve's line on the report page: colours, the
// legend sample's thickness and pattern, the legend picture's pen, and
// indexes from a file outside their tables.

#include "multiplot/MultiplotLineStyle.h"

#include <gtest/gtest.h>

namespace {

using CSegments = std::vector<CMultiplotLineStyle::CSegment>;

constexpr int kByThickness = 0, kByPattern = 1;

TEST(CMultiplotLineStyle, TakesItsColourFromTheTable)
{
    EXPECT_EQ(RGB(0, 0, 0), CMultiplotLineStyle(kByThickness, 0, 0, 0).Color());
    EXPECT_EQ(RGB(192, 192, 192), CMultiplotLineStyle(kByThickness, 7, 0, 0).Color());
    EXPECT_EQ(RGB(128, 128, 128), CMultiplotLineStyle(kByThickness, 8, 0, 0).Color());
    EXPECT_EQ(RGB(255, 255, 255), CMultiplotLineStyle(kByPattern, 15, 0, 0).Color());
}

TEST(CMultiplotLineStyle, ThicknessOrPatternByTheLineType)
{
    const struct {
        int nLineType, nStyle, nWidth;
        int nThickness, nPenStyle, nPenWidth;
        CSegments aSegments;  // of a sample 30 long
    } aCases[] = {
        {kByThickness, 3, 0, 1, 0, 0, {{0, 30}}},
        {kByThickness, 3, 4, 5, 0, 4, {{0, 30}}},
        {kByPattern, 0, 4, 2, 0, 1, {{0, 30}}},
        {kByPattern, 1, 4, 2, 1, 1, {{0, 5}, {10, 15}, {20, 25}}},
        {kByPattern, 2, 0, 2, 2, 1, {{0, 2}, {6, 8}, {12, 14}, {18, 20}, {24, 26}}},
        {kByPattern, 3, 0, 2, 3, 1, {{0, 8}, {12, 15}, {25, 30}}},
        {kByPattern, 4, 0, 2, 4, 1, {{0, 8}, {12, 15}, {18, 21}, {25, 30}}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(testing::Message() << "line type " << c.nLineType << ", style " << c.nStyle << ", width " << c.nWidth);
        const CMultiplotLineStyle style(c.nLineType, 1, c.nStyle, c.nWidth);
        EXPECT_EQ(c.nThickness, style.SampleThickness());
        EXPECT_EQ(c.nPenStyle, style.PenStyle());
        EXPECT_EQ(c.nPenWidth, style.PenWidth());
        EXPECT_EQ(c.aSegments, style.SampleSegments(30));
    }
}

TEST(CMultiplotLineStyle, ScalesThePatternOnPaper)
{
    EXPECT_EQ((CSegments{{0, 15}, {30, 40}}), CMultiplotLineStyle(kByPattern, 0, 1, 0).SampleSegments(40, 3));
    EXPECT_EQ((CSegments{{0, 5}}), CMultiplotLineStyle(kByPattern, 0, 1, 0).SampleSegments(8, 0));
    EXPECT_TRUE(CMultiplotLineStyle(kByThickness, 0, 0, 0).SampleSegments(0).empty());
}

// A damaged or foreign project file may hold any number.
TEST(CMultiplotLineStyle, IndexesOutsideTheirTablesCountAsZero)
{
    for (int nBad : {-1, 16, 1000, -2147483647 - 1}) {
        SCOPED_TRACE(nBad);
        const CMultiplotLineStyle byThickness(kByThickness, nBad, nBad, nBad);
        EXPECT_EQ(LineColorTable[0], byThickness.Color());
        EXPECT_EQ(1, byThickness.SampleThickness());
        EXPECT_EQ(0, byThickness.PenWidth());
        const CMultiplotLineStyle byPattern(kByPattern, nBad, nBad, nBad);
        EXPECT_EQ(0, byPattern.PenStyle());
        EXPECT_EQ((CSegments{{0, 30}}), byPattern.SampleSegments(30));
    }
    EXPECT_EQ(1, CMultiplotLineStyle(kByThickness, 5, 5, 5).SampleThickness());
    EXPECT_EQ(0, CMultiplotLineStyle(kByPattern, 5, 5, 5).PenStyle());
    EXPECT_EQ(LineColorTable[15], CMultiplotLineStyle(kByThickness, 15, 4, 4).Color());
    EXPECT_EQ(5, CMultiplotLineStyle(kByThickness, 15, 4, 4).SampleThickness());
}

} // namespace
