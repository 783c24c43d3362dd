// Tests of CMultiplotLineSamples: colours by index and back, and the line
// sample of each width or style and back.

#include "multiplot/MultiplotLineSamples.h"

#include "res/resource.h"

#include <gtest/gtest.h>

TEST(CMultiplotLineSamples, MapsEveryColourIndexBackAndOutOfRangeToBlack)
{
    for (int n = 0; n < CMultiplotLineSamples::kColorCount; ++n)
        EXPECT_EQ(n, CMultiplotLineSamples::ColorIndexOf(CMultiplotLineSamples::LineColor(n))) << n;
    EXPECT_EQ(RGB(0, 0, 128), CMultiplotLineSamples::LineColor(1));
    EXPECT_EQ(RGB(255, 255, 255), CMultiplotLineSamples::LineColor(15));
    for (int nIndex : {-1, 16, 1000})
        EXPECT_EQ(RGB(0, 0, 0), CMultiplotLineSamples::LineColor(nIndex)) << nIndex;
    EXPECT_EQ(-1, CMultiplotLineSamples::ColorIndexOf(RGB(1, 2, 3)));
}

TEST(CMultiplotLineSamples, ShowsEachWidthAndStyleByItsOwnSample)
{
    struct Row {
        int nLineType;
        int nValue;
        UINT nSample;
    } const rows[] = {
        {0, 0, IDB_LINE_SOLID_1}, {0, 1, IDB_LINE_SOLID_2}, {0, 4, IDB_LINE_SOLID_5},
        {1, 0, IDB_LINE_SOLID_2}, {1, 1, IDB_LINE_DASH},    {1, 4, IDB_LINE_DASH_DOT_DOT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nLineType << "/" << row.nValue);
        EXPECT_EQ(row.nSample, CMultiplotLineSamples::SampleOf(row.nLineType, row.nValue));
        EXPECT_EQ(row.nValue, CMultiplotLineSamples::ValueOf(row.nLineType, row.nSample));
    }
    EXPECT_EQ(IDB_LINE_SOLID_1, CMultiplotLineSamples::SampleOf(0, 5));
    EXPECT_EQ(IDB_LINE_SOLID_2, CMultiplotLineSamples::SampleOf(1, -1));
    EXPECT_EQ(-1, CMultiplotLineSamples::ValueOf(1, IDB_LINE_SOLID_1));
}
