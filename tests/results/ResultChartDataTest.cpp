// The result chart: its value axis and the curves of the receiving level.

#include "results/ResultChartData.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ResultChartData, SpansOneHundredDecibelsAboveTheHighestPoint)
{
    const struct {
        double dHighest;
        double dTop;
    } aCases[] = {
        {10.0, 100.0}, {99.0, 100.0}, {99.5, 110.0}, {109.0, 110.0}, {119.0, 120.0}, {119.5, 130.0},
        {1e30, 1e30 + 1.0}, {std::numeric_limits<double>::infinity(), 100.0},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dHighest);
        EXPECT_DOUBLE_EQ(c.dTop, CResultChartData::AxisTop(c.dHighest));
    }
}

TEST(ResultChartData, CorrectsTheReceivingLevel)
{
    constexpr int kBand = 20;
    const struct {
        bool bImpactAirborne;
        bool bBgn;
        double dL2;
        double dK;
        double dA;
        double dShown;
    } aCases[] = {
        {false, false, 50.0, -1.0, -999.0, 50.0},   {false, true, 50.0, -1.0, -999.0, 49.0},
        {false, true, 50.0, -999.0, -999.0, 50.0},  {true, true, -999.0, -1.0, 2.0, -999.0},
        {true, true, 50.0, -1.0, 2.0, 51.0},        {true, true, 50.0, -999.0, 2.0, 52.0},
        {true, false, 50.0, -1.0, 2.0, 52.0},       {true, true, 50.0, -1.0, -999.0, 50.0},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dShown);
        CReportInfo info(false);
        info.m_bImpactAirborne = c.bImpactAirborne;
        CCalc calc;
        calc.m_aSpec[4].InsertSpecLine(kBand, c.dK, 1, 16);
        calc.m_aSpec[7].InsertSpecLine(kBand, c.dA, 1, 16);
        NSpectrum l1, l2, bg;
        l1.InsertSpecLine(kBand, 70.0, 1, 1);
        l2.InsertSpecLine(kBand, c.dL2, 1, 1);
        CResultChartData chart;
        chart.FillLevels(info, calc, l1, l2, bg, c.bBgn);
        EXPECT_DOUBLE_EQ(c.dShown, chart.m_aData[1][kBand - 17]);
        EXPECT_DOUBLE_EQ(c.bImpactAirborne ? -999.0 : 70.0, chart.m_aData[0][kBand - 17]);
    }
}

TEST(ResultChartData, ShowsTheFirstNineSetResults)
{
    CCalc project;
    project.m_aSpec[0].InsertSpecLine(17, 40.0, 1, 1);
    std::vector<CCalc> aSets(12);
    std::vector<const CCalc*> aPointers;
    for (size_t i = 0; i < aSets.size(); ++i) {
        aSets[i].m_aSpec[0].InsertSpecLine(17, 41.0 + i, 1, 1);
        aPointers.push_back(&aSets[i]);
    }
    CResultChartData chart;
    chart.FillLevels(CReportInfo(false), project, NSpectrum(), NSpectrum(), NSpectrum(), false);
    chart.FillSets(project, aPointers);
    EXPECT_DOUBLE_EQ(40.0, chart.m_aData[0][0]);
    EXPECT_DOUBLE_EQ(41.0, chart.m_aData[1][0]);
    EXPECT_DOUBLE_EQ(49.0, chart.m_aData[9][0]);
    EXPECT_DOUBLE_EQ(49.0, chart.m_dHighest);
}

} // namespace
