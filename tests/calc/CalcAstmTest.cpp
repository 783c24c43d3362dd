// Behaviours of the ASTM methods: the absorption area from the volume, the
// reverberation time and the speed of sound at the air temperature, whole-dB
// bands unless the exact rating is asked for, spectrum 2 written band by
// band, and the failure returns in the order volume, area, temperature.

#include "calc/Calc.h"

#include "MethodTestData.h"

namespace {

using CMethod = int (CCalc::*)();

}  // namespace

// 20 °C: c = 20.047 sqrt(293.15) = 343.2 m/s, A = 55.26 V / (c T).
TEST(CalcAstm, ComputesEachQuantityInWholeOrExactDecibels)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        CBandArray whole;
        CBandArray exact;
        CBandArray term;
    } cases[] = {
        {"TL", &CCalc::CalcAstmAirborne, TestBands({28.0, 29.0, 36.0}),
         TestBands({27.9, 28.5, 35.7}), TestBands({-2.1, 0.0, 1.9})},
        {"NR standardised", &CCalc::CalcAstmNoiseReduction, TestBands({30.0, 31.0, 38.0}),
         TestBands({30.0, 30.5, 37.8}), TestBands({0.0, 2.0, 4.0})},
        {"impact normalised", &CCalc::CalcAstmImpact, TestBands({42.0, 44.0, 39.0}),
         TestBands({42.1, 43.5, 39.3}), TestBands({2.1, 0.0, -1.9})},
        {"impact standardised", &CCalc::CalcAstmImpact2, TestBands({40.0, 42.0, 37.0}),
         TestBands({40.0, 41.5, 37.2}), TestBands({0.0, -2.0, -4.0})},
    };
    for (const auto& row : cases) {
        for (bool bExact : {false, true}) {
            SCOPED_TRACE(testing::Message() << row.sName << (bExact ? ", exact" : ", whole"));
            CCalcTestProject project;
            SetUpFieldProject(project);
            project.m_ReportInfo.m_dTemperature1 = 20.0;
            project.m_Settings.m_bExactRating = bExact;
            CCalc& calc = project.m_Calc;
            EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
            ExpectTestBands(calc.m_aSpec[0], bExact ? row.exact : row.whole);
            ExpectTestBands(calc.m_aSpec[2], row.term);
        }
    }
}

// 42.49 dB rounds to 42 and 42.5 dB to 43; the plain noise reduction needs
// no reverberation time and writes spectrum 2 only where a band is missing.
TEST(CalcAstm, PlainNoiseReductionRoundsToWholeDecibels)
{
    CCalcTestProject project;
    SetUpFieldProject(project);
    project.SetSummaryLevel(122, TestBands({82.49, 82.5, kMissingValue}));
    project.SetSummaryLevel(123, TestBands({40.0, 40.0, 40.0}));
    project.SetSummaryLevel(124, CBandArray());
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAstmNoiseReduction2());
    ExpectTestBands(calc.m_aSpec[0], TestBands({42.0, 43.0, kMissingValue}));
    EXPECT_EQ(1, calc.m_aSpec[2].GetNumOfFreq());
    EXPECT_EQ(kMissingValue, calc.m_aSpec[2].GetSpecLine(22));
}

TEST(CalcAstm, LeavesOutBandsWithShortReverberationTimes)
{
    const CMethod methods[] = {&CCalc::CalcAstmAirborne, &CCalc::CalcAstmNoiseReduction,
                               &CCalc::CalcAstmImpact, &CCalc::CalcAstmImpact2};
    for (CMethod pfnMethod : methods) {
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_dTemperature1 = 20.0;
        project.SetSummaryLevel(124, TestBands({0.0, 0.0009, 1.25}));
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*pfnMethod)());
        EXPECT_EQ(kMissingValue, calc.m_aSpec[0].GetSpecLine(20));
        EXPECT_EQ(kMissingValue, calc.m_aSpec[0].GetSpecLine(21));
        EXPECT_FALSE(IsMissingValue(calc.m_aSpec[0].GetSpecLine(22)));
        EXPECT_EQ(kMissingValue, calc.m_aSpec[2].GetSpecLine(20));
    }
}

TEST(CalcAstm, RefusesMissingProjectValuesInOrder)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        double dVolume;
        double dArea;
        double dTemperature;
        int nExpected;
    } cases[] = {
        {"TL without anything", &CCalc::CalcAstmAirborne, 0.0, 0.0, 0.0, 1},
        {"TL without area and temperature", &CCalc::CalcAstmAirborne, 50.0, 0.0, 0.0, 2},
        {"TL at 0 °C", &CCalc::CalcAstmAirborne, 50.0, 10.0, 0.0, 4},
        {"impact without volume", &CCalc::CalcAstmImpact, 0.0, 10.0, 20.0, 1},
        {"impact at -5 °C", &CCalc::CalcAstmImpact, 50.0, 0.0, -5.0, 4},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_dVolume = row.dVolume;
        project.m_ReportInfo.m_dArea = row.dArea;
        project.m_ReportInfo.m_dTemperature1 = row.dTemperature;
        CCalc& calc = project.m_Calc;
        calc.m_aSpec[0].InsertData(20, 1.0);
        EXPECT_EQ(row.nExpected, (calc.*row.pfnMethod)());
        EXPECT_EQ(0, calc.m_aSpec[0].GetNumOfFreq());
    }
}

TEST(CalcAstm, ImpactNeedsNoArea)
{
    CCalcTestProject project;
    SetUpFieldProject(project);
    project.m_ReportInfo.m_dArea = kMissingValue;
    project.m_ReportInfo.m_dTemperature1 = 20.0;
    EXPECT_EQ(kCalcDone, project.m_Calc.CalcAstmImpact());
}
