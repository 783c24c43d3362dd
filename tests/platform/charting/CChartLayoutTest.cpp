// CChartLayout: the plot geometry read back as SDKInfo, the places of the
// points and values, and the grid lines.
#include "platform/charting/CChartLayout.h"

#include <gtest/gtest.h>

namespace {

CChartStore AxisStore(int nPoints, double dMin, double dMax, int nXAxisPos = 0, int nTicks = 0)
{
    CChartStore store;
    store.SetNumber(ChartPropertyId::NumPoints, 0, 0, nPoints);
    store.SetNumber(ChartPropertyId::YAxisMin, 0, 0, dMin);
    store.SetNumber(ChartPropertyId::YAxisMax, 0, 0, dMax);
    store.SetNumber(ChartPropertyId::XAxisPos, 0, 0, nXAxisPos);
    store.SetNumber(ChartPropertyId::YAxisTicks, 0, 0, nTicks);
    return store;
}

}

TEST(CChartLayout, InfoDescribesThePlotAndTheScalesFollowIt)
{
    const CChartStore store = AxisStore(21, 20.0, 120.0);
    const CChartLayout layout(store, 500, 600);
    EXPECT_DOUBLE_EQ(layout.Info(0), 21.0);
    EXPECT_DOUBLE_EQ(layout.Info(1), 0.0);
    EXPECT_DOUBLE_EQ(layout.Info(2), 120.0);
    EXPECT_DOUBLE_EQ(layout.Info(3), 20.0);
    EXPECT_DOUBLE_EQ(layout.Info(6), 75.0);
    EXPECT_DOUBLE_EQ(layout.Info(7), 90.0);
    EXPECT_DOUBLE_EQ(layout.Info(4), 405.0);
    EXPECT_DOUBLE_EQ(layout.Info(5), 438.0);
    const double k = layout.Info(4) / layout.Info(0);
    const double u = layout.Info(5) / (layout.Info(2) - layout.Info(3));
    EXPECT_DOUBLE_EQ(layout.PointX(3), layout.Info(6) + 3.5 * k);
    EXPECT_DOUBLE_EQ(layout.ValueY(70.0), layout.Info(7) + 50.0 * u);
}

TEST(CChartLayout, AxisAtZeroMovesTheLowerEdgeOfInfoToValueZero)
{
    struct Row {
        const char* lpszCase;
        double dMin, dMax;
        int nXAxisPos;
        double dExpectedInfo7Share;  // of the plot height above its bottom
    };
    const Row rows[] = {
        {"crosses at zero", -20.0, 40.0, 2, 20.0 / 60.0},
        {"axis at zero, all positive", 0.0, 60.0, 2, 0.0},
        {"axis at zero, all negative", -60.0, -10.0, 2, 0.0},
        {"axis at the bottom", -20.0, 40.0, 0, 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const CChartStore store = AxisStore(21, row.dMin, row.dMax, row.nXAxisPos);
        const CChartLayout layout(store, 500, 600);
        EXPECT_DOUBLE_EQ(layout.Info(7), layout.Bottom() + row.dExpectedInfo7Share * layout.Height());
    }
}

TEST(CChartLayout, GridLinesFollowTicksOrARoundStep)
{
    struct Row {
        const char* lpszCase;
        double dMin, dMax;
        int nXAxisPos, nTicks;
        std::vector<double> aExpected;
    };
    const Row rows[] = {
        {"level 0..60", 0.0, 60.0, 0, 0, {0, 10, 20, 30, 40, 50, 60}},
        {"result 20..120", 20.0, 120.0, 0, 0, {20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}},
        {"ticks from zero", -20.0, 40.0, 2, 4, {-20, -10, 0, 10, 20, 30, 40}},
        {"absorption 0..1.2", 0.0, 1.2, 0, 0, {0, 0.2, 0.4, 0.6, 0.8, 1.0, 1.2}},
        {"no span takes one unit", 5.0, 5.0, 0, 0, {5.0, 5.1, 5.2, 5.3, 5.4, 5.5, 5.6, 5.7, 5.8, 5.9, 6.0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const CChartStore store = AxisStore(21, row.dMin, row.dMax, row.nXAxisPos, row.nTicks);
        const std::vector<double> aValues = CChartLayout(store, 500, 600).GridValues();
        ASSERT_EQ(aValues.size(), row.aExpected.size());
        for (size_t i = 0; i < aValues.size(); ++i)
            EXPECT_NEAR(aValues[i], row.aExpected[i], 1e-9);
    }
}
