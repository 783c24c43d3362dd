// Behaviours of the field impact methods of CCalc: L'n, L'nT and the SS
// volume rule with its variant flag, the airborne-noise correction of the
// tapping machine and its marks from the 2014 editions, L'nT over all records
// of the lists, and the failure returns.

#include "calc/Calc.h"

#include "MethodTestData.h"

namespace {

using CMethod = int (CCalc::*)();

}  // namespace

TEST(CalcFieldImpact, ComputesTheImpactLevels)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        double dVolume;
        bool bVariant;
        CBandArray result;
        CBandArray term;
    } cases[] = {
        {"L'n", &CCalc::CalcImpactLevel, 50.0, false, TestBands({42.0, 43.5, 39.3}),
         TestBands({2.0, 0.0, -1.9})},
        {"L'nT", &CCalc::CalcStandImpactLevel, kMissingValue, false,
         TestBands({40.0, 41.5, 37.2}), TestBands({0.0, -2.0, -4.0})},
        {"L'nT, T0 by volume", &CCalc::CalcStandImpactLevelVolT0, 400.0, false,
         TestBands({43.0, 44.5, 40.2}), TestBands({3.0, 1.0, -1.0})},
        {"SS, 31 m³: L'nT", &CCalc::CalcImpactLevelLimited, 31.0, true,
         TestBands({40.0, 41.5, 37.2}), TestBands({0.0, -2.0, -4.0})},
        {"SS, 30.9 m³: L'n", &CCalc::CalcImpactLevelLimited, 30.9, false,
         TestBands({40.0, 41.4, 37.2}), TestBands({0.0, -2.1, -4.0})},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_dVolume = row.dVolume;
        CCalc& calc = project.m_Calc;
        calc.m_bVariant = !row.bVariant;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
        ExpectTestBands(calc.m_aSpec[0], row.result);
        ExpectTestBands(calc.m_aSpec[2], row.term);
        if (row.pfnMethod == &CCalc::CalcImpactLevelLimited) {
            EXPECT_EQ(row.bVariant, calc.m_bVariant);
        }
    }
}

TEST(CalcFieldImpact, LeavesOutBandsWithoutLevelOrUsableTime)
{
    const CMethod methods[] = {&CCalc::CalcImpactLevel, &CCalc::CalcStandImpactLevel,
                               &CCalc::CalcStandImpactLevelVolT0, &CCalc::CalcImpactCombined};
    for (CMethod pfnMethod : methods) {
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.SetSummaryLevel(123, TestBands({40.0, -300.0, 41.2}));
        project.SetSummaryLevel(124, TestBands({0.0005, 0.8, kMissingValue}));
        AddRecord(project, 123, 0, TestBands({40.0, -300.0, 41.2}));
        AddRecord(project, 124, 0, TestBands({0.0005, 0.8, kMissingValue}));
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*pfnMethod)());
        EXPECT_EQ(kMissingValue, calc.m_aSpec[0].GetSpecLine(20));
        EXPECT_FALSE(IsMissingValue(calc.m_aSpec[0].GetSpecLine(21)));   // -300 dB is a level here
        EXPECT_EQ(kMissingValue, calc.m_aSpec[0].GetSpecLine(22));
    }
}

// The tapping machine's airborne noise, 80 dB in the source room, reaches the
// receiving room 48 dB lower (tables 128 and 129): 32 dB against an impact
// level of 40 dB takes -0.7 dB off it, also with the background switch off.
// From the 2014 editions a computed correction is dropped.
TEST(CalcFieldImpact, CorrectsForTheTappingMachinesAirborneNoise)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        int nYear;
        double dResult;
    } cases[] = {
        {"L'nT 2010", &CCalc::CalcStandImpactLevel, 2010, 39.3},
        {"L'n 2010", &CCalc::CalcImpactLevel, 2010, 41.3},
        {"L'nT 2014", &CCalc::CalcStandImpactLevel, 2014, 40.0},
        {"T0 by volume ignores it", &CCalc::CalcStandImpactLevelVolT0, 2010, 40.0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_bImpactAirborne = true;
        project.m_ReportInfo.m_nYear = row.nYear;
        project.SetSummaryLevel(122, BandsFrom(20, {80.0}));
        project.SetSummaryLevel(128, BandsFrom(20, {80.0}));
        project.SetSummaryLevel(129, BandsFrom(20, {32.0}));
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
        EXPECT_NEAR(row.dResult, calc.m_aSpec[0].GetSpecLine(20), 1e-9);
        const double dTerm = row.pfnMethod == &CCalc::CalcImpactLevel ? 2.0 : 0.0;
        EXPECT_NEAR(dTerm, calc.m_aSpec[2].GetSpecLine(20), 1e-9);
    }
}

TEST(CalcFieldImpact, CombinesAllRecordsOfTheLists)
{
    const struct {
        const char* sName;
        bool bBB93;
        double dReferenceTime;
        int nExpected;
        double dResult;
    } cases[] = {
        {"T0 0.5 s", false, kMissingValue, kCalcDone, 45.6},
        {"T0 of the project", true, 1.0, kCalcDone, 48.7},
        {"T0 of the project not given", true, 0.0009, kCalcVolumeMissing, kMissingValue},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_bBB93 = row.bBB93;
        project.m_ReportInfo.m_dBB93ReverbTime = row.dReferenceTime;
        AddRecord(project, 123, 1, TestBands({40.0, 40.0, 40.0}));
        AddRecord(project, 123, 2, TestBands({50.0, 50.0, 50.0}));
        AddRecord(project, 124, 0, TestBands({0.5, 0.5, 0.5}));
        AddRecord(project, 124, 0, TestBands({1.0, 1.0, 1.0}));
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(row.nExpected, calc.CalcImpactCombined());
        ExpectTestBands(calc.m_aSpec[0], TestBands({row.dResult, row.dResult, row.dResult}));
    }
}

TEST(CalcFieldImpact, RefusesAMissingVolumeAfterAReset)
{
    const CMethod methods[] = {&CCalc::CalcImpactLevel, &CCalc::CalcStandImpactLevelVolT0,
                               &CCalc::CalcImpactLevelLimited};
    for (CMethod pfnMethod : methods) {
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_dVolume = 0.0;
        CCalc& calc = project.m_Calc;
        calc.m_bVariant = true;
        calc.m_aSpec[0].InsertData(20, 1.0);
        EXPECT_EQ(kCalcVolumeMissing, (calc.*pfnMethod)());
        EXPECT_EQ(0, calc.m_aSpec[0].GetNumOfFreq());
        EXPECT_FALSE(calc.m_bVariant);
    }
}
