// The multiplot report graph: octave detection, the axis by graph type and
// the fixed range that raises the curves.

#include "reports/MultiplotChartData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

NBuildData CurveOf(int nFirstBand, const std::vector<double>& aValues)
{
    NBuildData curve;
    for (size_t k = 0; k < aValues.size(); ++k)
        curve.m_Spectrum.InsertSpecLine(nFirstBand + static_cast<int>(k), aValues[k], 1, 1);
    return curve;
}

TEST(MultiplotChartData, RecognisesOctaveDataOnlyWithSixPresentEqualValues)
{
    const struct {
        const char* lpszCase;
        int nGraphType;
        std::vector<double> aBands23To31;
        bool bOctaves;
    } aCases[] = {
        {"octave values", 2, {0.3, 0.3, 0.3, 0.5, 0.6, 0.7, 0.8, 0.8, 0.8}, true},
        {"third octaves", 2, {0.3, 0.4, 0.3, 0.5, 0.6, 0.7, 0.8, 0.8, 0.8}, false},
        {"gaps around 250 Hz", 2, {-999.0, -999.0, -999.0, 0.5, 0.6, 0.7, 0.8, 0.8, 0.8}, false},
        {"gaps everywhere", 2, {-999.0, -999.0, -999.0, 0.5, 0.6, 0.7, -999.0, -999.0, -999.0}, false},
        {"level curve", 0, {0.3, 0.3, 0.3, 0.5, 0.6, 0.7, 0.8, 0.8, 0.8}, false},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        const NBuildData third = CurveOf(23, {0.1, 0.2, 0.3});
        const NBuildData curve = CurveOf(23, c.aBands23To31);
        EXPECT_EQ(c.bOctaves, CMultiplotChartData::IsOctaveData(c.nGraphType, {&third, &curve}));
    }
}

TEST(MultiplotChartData, ScalesByGraphType)
{
    const struct {
        const char* lpszCase;
        CMultiplotSettings settings;
        std::vector<double> aValues;
        int nPoints;
        double dMax, dMin;
    } aCases[] = {
        {"levels auto", {true, 60.0, 70.0, 0}, {75.0}, 21, 80.0, 20.0},
        {"levels fixed", {false, 50.0, 70.0, 0}, {75.0}, 21, 70.0, 20.0},
        {"levels range above top", {false, 80.0, 70.0, 0}, {75.0}, 21, 80.0, 0.0},
        {"reverberation auto", {true, 60.0, 70.0, 1}, {3.5}, 21, 4.0, 0.0},
        {"absorption auto", {true, 1.0, 1.0, 2}, {0.1, 0.2, 0.3, 1.3}, 18, 1.4, 0.2},
        {"absorption fixed", {false, 1.0, 1.5, 2}, {0.1, 0.2, 0.3, 1.3}, 18, 1.5, 0.5},
        {"levels huge", {true, 60.0, 70.0, 0}, {1e300}, 21, 1e300, 1e300 - 60.0},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        const NBuildData curve = CurveOf(20, c.aValues);
        CMultiplotChartData chart;
        chart.Fill(c.settings, {&curve});
        EXPECT_EQ(c.nPoints, chart.m_nPoints);
        EXPECT_NEAR(c.dMax, chart.m_dAxisMax, 1e-9 * std::max(1.0, std::abs(c.dMax)));
        EXPECT_NEAR(c.dMin, chart.m_dAxisMin, 1e-9 * std::max(1.0, std::abs(c.dMin)));
    }
}

TEST(MultiplotChartData, RaisesOnlyPresentPoints)
{
    const NBuildData curve = CurveOf(17, {40.0});
    CMultiplotChartData chart;
    chart.Fill({false, 80.0, 70.0, 0}, {&curve});
    EXPECT_DOUBLE_EQ(50.0, chart.m_aSets[0][0]);
    EXPECT_DOUBLE_EQ(-999.0, chart.m_aSets[0][1]);
}

TEST(MultiplotChartData, DrawsOctavesFromTheOctaveBands)
{
    const NBuildData curve = CurveOf(21, {0.1, 0.0, 0.3, 0.3, 0.3, 0.0, 0.4, 0.0, 0.7, 0.7, 0.7, 0.0, 0.8, 0.0, 0.0, 0.9});
    CMultiplotChartData chart;
    chart.Fill({true, 1.0, 1.0, 2}, {&curve});
    ASSERT_EQ(6, chart.m_nPoints);
    const double aOctaves[6] = {0.1, 0.3, 0.4, 0.7, 0.8, 0.9};
    for (int k = 0; k < 6; ++k)
        EXPECT_DOUBLE_EQ(aOctaves[k], chart.m_aSets[0][k]);
    EXPECT_DOUBLE_EQ(1.0, chart.m_dAxisMax);
}

TEST(MultiplotChartData, HasNoSetsWithoutCurves)
{
    CMultiplotChartData chart;
    chart.Fill({}, {});
    EXPECT_TRUE(chart.m_aSets.empty());
    EXPECT_EQ(21, chart.m_nPoints);
}

} // namespace
