// The report graph: which chart a project draws, its points, the
// reference curve and the value axis of each kind.

#include "reports/ReportChartData.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using R = CReportInfo;
typedef std::vector<bool CReportInfo::*> CFlags;

CReportInfo InfoOf(const CFlags& aFlags)
{
    CReportInfo info(false);
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    return info;
}

// A rated result whose spectrum holds aValues from nFirstBand on.
CCalc RatedCalc(int nFirstBand, const std::vector<double>& aValues, double dRating = 50.0)
{
    CCalc calc;
    calc.m_dRating = dRating;
    for (size_t k = 0; k < aValues.size(); ++k)
        calc.m_aSpec[0].InsertSpecLine(nFirstBand + static_cast<int>(k), aValues[k], 1, 1);
    return calc;
}

TEST(ReportChartData, ChoosesTheChartOfTheFirstKindThatHolds)
{
    const struct {
        CFlags aFlags;
        EReportChart kind;
        int nPoints;
    } aCases[] = {
        {{&R::m_bMultiplot, &R::m_bReverberation}, EReportChart::Multiplot, 0},
        {{&R::m_bReverberation, &R::m_bDIN, &R::m_bASTM}, EReportChart::Reverberation, 20},
        {{&R::m_bReverberation}, EReportChart::Reverberation, 22},
        {{&R::m_bASTM, &R::m_bAbsorption}, EReportChart::Astm, 21},
        {{&R::m_bAbsorption, &R::m_bAlpha_S}, EReportChart::Absorption, 18},
        {{&R::m_bAbsorption}, EReportChart::Absorption, 6},
        {{&R::m_bTotalLossFactor}, EReportChart::LossFactor, 21},
        {{&R::m_bLab, &R::m_bImpact, &R::m_bReduction}, EReportChart::ImpactReduction, 21},
        {{&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, EReportChart::Improvement, 21},
        {{&R::m_bLab, &R::m_bImpact, &R::m_bReductionLightweight}, EReportChart::ImpactReduction, 21},
        {{&R::m_bField, &R::m_bImpact, &R::m_bReduction}, EReportChart::Standard, 21},
    };
    for (size_t k = 0; k < std::size(aCases); ++k) {
        SCOPED_TRACE(k);
        const CReportInfo info = InfoOf(aCases[k].aFlags);
        EXPECT_EQ(aCases[k].kind, CReportChartData::KindOf(info));
        EXPECT_EQ(aCases[k].nPoints, CReportChartData::PointsOf(info, aCases[k].kind));
    }
}

TEST(ReportChartData, ScalesEachKindToItsPoints)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* lpszCase;
        CFlags aFlags;
        int nFirstBand;
        std::vector<double> aValues;
        double dMax, dMin;
        int nTicks;
    } aCases[] = {
        {"level 58.9 keeps 0..60", {&R::m_bField}, 17, {30.0, 58.9}, 60.0, 0.0, 0},
        {"level 59.0 fits", {&R::m_bField}, 17, {59.0}, 60.0, 0.0, 0},
        {"level 59.1 needs 1 dB room", {&R::m_bField}, 17, {59.1}, 70.0, 10.0, 0},
        {"level 63.2", {&R::m_bField}, 17, {63.2, 40.0}, 70.0, 10.0, 0},
        {"level huge", {&R::m_bField}, 17, {1e30}, 1e30 + 10.0, 1e30 - 50.0, 0},
        {"level not finite", {&R::m_bField}, 17, {kNaN, std::numeric_limits<double>::infinity()}, 60.0, 0.0, 0},
        {"ASTM 60.0 without room", {&R::m_bASTM}, 17, {60.0}, 60.0, 0.0, 0},
        {"ASTM 60.5", {&R::m_bASTM}, 17, {60.5}, 70.0, 10.0, 0},
        {"impact reduction -12..14", {&R::m_bLab, &R::m_bImpact, &R::m_bReduction}, 17, {-12.0, 14.0}, 40.0, -20.0, 4},
        {"improvement -3..25", {&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, 17, {-3.0, 25.0}, 50.0, -10.0, 5},
        {"improvement 5..75", {&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, 17, {5.0, 75.0}, 80.0, 20.0, 6},
        {"loss factor 0.01..0.05", {&R::m_bTotalLossFactor}, 17, {0.01, 0.05}, 0.2, 0.0, 0},
        {"loss factor 0.02..0.31", {&R::m_bTotalLossFactor}, 17, {0.02, 0.31}, 0.4, 0.0, 0},
        {"absorption max 1.25", {&R::m_bAbsorption, &R::m_bAlpha_S}, 20, {0.5, 1.25}, 1.4, 0.2, 0},
        {"DIN reverberation max 2.3", {&R::m_bReverberation, &R::m_bDIN}, 19, {2.3}, 3.0, 1.0, 0},
        {"reverberation max 3.9", {&R::m_bReverberation}, 18, {3.9}, 4.0, 0.0, 0},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        CReportChartData chart;
        chart.Fill(InfoOf(c.aFlags), RatedCalc(c.nFirstBand, c.aValues), false);
        EXPECT_NEAR(c.dMax, chart.m_dAxisMax, 1e-9 * std::max(1.0, std::abs(c.dMax)));
        EXPECT_NEAR(c.dMin, chart.m_dAxisMin, 1e-9 * std::max(1.0, std::abs(c.dMin)));
        if (c.nTicks != 0)
            EXPECT_EQ(c.nTicks, chart.m_nAxisTicks);
    }
}

TEST(ReportChartData, DifferenceAxisEndsForHugeValues)
{
    for (double dValue : {-150.0, 1e300}) {
        SCOPED_TRACE(dValue);
        CReportChartData chart;
        chart.Fill(InfoOf({&R::m_bLab, &R::m_bImpact, &R::m_bReduction}), RatedCalc(17, {dValue}), false);
        EXPECT_LE(chart.m_dAxisMin, dValue);
        EXPECT_GE(chart.m_dAxisMax, dValue);
    }
}

TEST(ReportChartData, DrawsNoMeasuredCurveWithoutARating)
{
    const CCalc calc = RatedCalc(17, std::vector<double>(21, 45.0), -999.0);
    CReportChartData chart;
    chart.Fill(InfoOf({&R::m_bField}), calc, true);
    ASSERT_EQ(2u, chart.m_aSets.size());
    for (double dPoint : chart.m_aSets[0])
        EXPECT_EQ(-999.0, dPoint);
}

TEST(ReportChartData, ShiftsTheReferenceCurveOntoTheRatingAt500Hz)
{
    const struct {
        CFlags aFlags;
        bool bShifted;
        double dRating;
        double dAt500Hz;
    } aCases[] = {
        {{&R::m_bField}, true, 48.0, 48.0},
        {{&R::m_bField}, false, 48.0, 52.0},
        {{&R::m_bField}, true, -999.0, 52.0},
        {{&R::m_bASTM, &R::m_bAirborne}, true, 48.0, 48.0},
        {{&R::m_bASTM, &R::m_bImpact}, true, 48.0, 62.0},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(testing::Message() << c.dRating << (c.bShifted ? " shifted" : ""));
        CCalc calc = RatedCalc(17, {40.0}, c.dRating);
        for (int nBand = 17; nBand <= 37; ++nBand)
            calc.m_aSpec[1].InsertSpecLine(nBand, 52.0 + (nBand - 27), 1, 1);
        CReportChartData chart;
        chart.Fill(InfoOf(c.aFlags), calc, c.bShifted);
        EXPECT_DOUBLE_EQ(c.dAt500Hz, chart.m_aSets[1][10]);
        EXPECT_DOUBLE_EQ(c.dAt500Hz - 10.0, chart.m_aSets[1][0]);
    }
}

TEST(ReportChartData, TakesOctaveAbsorptionFromTheOctaveSpectrum)
{
    CCalc calc;
    calc.m_dRating = 0.6;
    for (int k = 0; k < 6; ++k)
        calc.m_aSpec[9].InsertSpecLine(21 + 3 * k, 0.1 * (k + 1), 1, 1);
    CReportChartData chart;
    chart.Fill(InfoOf({&R::m_bAbsorption}), calc, false);
    ASSERT_EQ(6u, chart.m_aSets[0].size());
    EXPECT_DOUBLE_EQ(0.1, chart.m_aSets[0][0]);
    EXPECT_DOUBLE_EQ(0.6, chart.m_aSets[0][5]);
    EXPECT_DOUBLE_EQ(1.0, chart.m_dAxisMax);
}

} // namespace
