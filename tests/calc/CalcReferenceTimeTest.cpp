// Behaviours of the field methods standardised to a reference reverberation
// time: T0 by the room volume (airborne and impact), the facade terms with
// 45 degrees incidence, the SS volume rule with its variant flag, and the
// level difference over measurement sets with the background marks.

#include "calc/Calc.h"
#include "calc/CorrectionRules.h"

#include "MethodTestData.h"

namespace {

using CMethod = int (CCalc::*)();

// Sets 1 and 2: L1 70 and 72 dB, L2 40 and 50 dB in bands 20 to 22; the
// reverberation-time records 0.5 s and 1.0 s (arithmetic mean 0.75 s).
void SetUpSetRecords(CCalcTestProject& project)
{
    AddRecord(project, 122, 1, TestBands({70.0, 70.0, 70.0}));
    AddRecord(project, 123, 1, TestBands({40.0, 40.0, 40.0}));
    AddRecord(project, 122, 2, TestBands({72.0, 72.0, 72.0}));
    AddRecord(project, 123, 2, TestBands({50.0, 50.0, 50.0}));
    AddRecord(project, 124, 0, TestBands({0.5, 0.5, 0.5}));
    AddRecord(project, 124, 0, TestBands({1.0, 1.0, 1.0}));
}

}  // namespace

TEST(CalcReferenceTime, ReferenceTimeFollowsTheVolume)
{
    // T 0.5 s: the term is Round(10 lg(0.5 / T0), 1), added to the level
    // difference and taken off the impact level.
    const struct {
        double dVolume;
        double dTerm;
    } cases[] = {
        {50.0, 0.0},  {100.0, 0.0},    {150.0, -0.9},   {400.0, -3.0},
        {900.0, -4.8}, {2499.99, -7.0}, {2500.0, -7.0}, {3000.0, -7.0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << "V = " << row.dVolume);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.SetSummaryLevel(124, TestBands({0.5, 0.5, 0.5}));
        project.m_ReportInfo.m_dVolume = row.dVolume;
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, calc.CalcStandLevelDiffVolT0());
        EXPECT_NEAR(row.dTerm, calc.m_aSpec[2].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(30.0 + row.dTerm, calc.m_aSpec[0].GetSpecLine(20), 1e-9);
        EXPECT_EQ(kCalcDone, calc.CalcStandImpactLevelVolT0());
        EXPECT_NEAR(-row.dTerm, calc.m_aSpec[2].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(40.0 - row.dTerm, calc.m_aSpec[0].GetSpecLine(20), 1e-9);
    }
}

TEST(CalcReferenceTime, ComputesTheStandardisedQuantities)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        double dVolume;
        CBandArray result;
        CBandArray term;
    } cases[] = {
        {"DnT, T0 by volume", &CCalc::CalcStandLevelDiffVolT0, 400.0,
         TestBands({27.0, 27.5, 34.8}), TestBands({-3.0, -1.0, 1.0})},
        {"facade DnT, T0 by volume", &CCalc::CalcFacadeStandLevelDiffVolT0, 400.0,
         TestBands({25.5, 26.0, 33.3}), TestBands({-4.5, -2.5, -0.5})},
        {"facade DnT, 45 degrees", &CCalc::CalcFacadeCos45, kMissingValue,
         TestBands({28.5, 29.0, 36.3}), TestBands({-1.5, 0.5, 2.5})},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_dVolume = row.dVolume;
        project.SetSummaryLevel(122, TestBands({70.0, 72.0, 75.0}));
        project.GetMeasurementList(123)->GetHead().m_Spectrum.InsertData(23, -300.0);
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
        ExpectTestBands(calc.m_aSpec[0], row.result);
        ExpectTestBands(calc.m_aSpec[2], row.term);
    }
}

TEST(CalcReferenceTime, LeavesOutInputsBelowMinus200AndShortTimes)
{
    const CMethod methods[] = {&CCalc::CalcStandLevelDiffVolT0,
                               &CCalc::CalcFacadeStandLevelDiffVolT0, &CCalc::CalcFacadeCos45};
    for (CMethod pfnMethod : methods) {
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.SetSummaryLevel(123, TestBands({-300.0, 43.5, 41.2}));
        project.SetSummaryLevel(124, TestBands({0.5, 0.0, 1.25}));
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*pfnMethod)());
        EXPECT_EQ(kMissingValue, calc.m_aSpec[0].GetSpecLine(20));
        EXPECT_EQ(kMissingValue, calc.m_aSpec[0].GetSpecLine(21));
        EXPECT_FALSE(IsMissingValue(calc.m_aSpec[0].GetSpecLine(22)));
    }
}

TEST(CalcReferenceTime, VolumeRuleChoosesBetweenRAndDnT)
{
    const struct {
        const char* sName;
        double dVolume;
        double dArea;
        int nExpected;
        bool bVariant;
        CBandArray result;
    } cases[] = {
        {"V / S = 3.1: DnT", 31.0, 10.0, kCalcDone, true, TestBands({30.0, 30.5, 37.8})},
        {"V / S = 3.0: R'", 30.0, 10.0, kCalcDone, false, TestBands({30.2, 30.7, 38.0})},
        {"no area", 30.0, 0.0, kCalcAreaMissing, false, CBandArray()},
        {"no volume", 0.0, 10.0, kCalcVolumeMissing, false, CBandArray()},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_dVolume = row.dVolume;
        project.m_ReportInfo.m_dArea = row.dArea;
        CCalc& calc = project.m_Calc;
        calc.m_bVariant = !row.bVariant;
        EXPECT_EQ(row.nExpected, calc.CalcAppSoundReductionLimited());
        EXPECT_EQ(row.bVariant, calc.m_bVariant);
        ExpectTestBands(calc.m_aSpec[0], row.result);
    }
}

TEST(CalcReferenceTime, RefusesAMissingVolumeAfterAReset)
{
    const CMethod methods[] = {&CCalc::CalcStandLevelDiffVolT0,
                               &CCalc::CalcFacadeStandLevelDiffVolT0,
                               &CCalc::CalcStandImpactLevelVolT0};
    for (double dVolume : {0.0, kMissingValue, kNotANumber}) {
        for (CMethod pfnMethod : methods) {
            SCOPED_TRACE(testing::Message() << "V = " << dVolume);
            CCalcTestProject project;
            SetUpFieldProject(project);
            project.m_ReportInfo.m_dVolume = dVolume;
            CCalc& calc = project.m_Calc;
            calc.m_aSpec[0].InsertData(20, 1.0);
            EXPECT_EQ(kCalcVolumeMissing, (calc.*pfnMethod)());
            EXPECT_EQ(0, calc.m_aSpec[0].GetNumOfFreq());
        }
    }
}

TEST(CalcReferenceTime, AveragesTheLevelDifferencesOfTheSets)
{
    const struct {
        const char* sName;
        bool bBB93;
        double dReferenceTime;
        int nExpected;
        double dResult;
        double dTerm;
    } cases[] = {
        {"T0 0.5 s", false, kMissingValue, kCalcDone, 27.8, 1.8},
        {"T0 of the project", true, 0.75, kCalcDone, 26.0, 0.0},
        {"T0 of the project not given", true, 0.0, kCalcVolumeMissing, kMissingValue,
         kMissingValue},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        SetUpSetRecords(project);
        project.m_ReportInfo.m_bBB93 = row.bBB93;
        project.m_ReportInfo.m_dBB93ReverbTime = row.dReferenceTime;
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(row.nExpected, calc.CalcAirborneCombined());
        ExpectTestBands(calc.m_aSpec[0], TestBands({row.dResult, row.dResult, row.dResult}));
        ExpectTestBands(calc.m_aSpec[2], TestBands({row.dTerm, row.dTerm, row.dTerm}));
    }
}

// Set 1 has its own background (34 dB at 100 Hz, 6 dB below L2); set 2 has
// none and takes the records of no set (44 dB, 6 dB below its L2). Both take
// the limit value at 100 Hz, which spectrum 4 marks.
TEST(CalcReferenceTime, MarksLimitedBackgroundBandsOfAnySet)
{
    CCalcTestProject project;
    SetUpFieldProject(project);
    SetUpSetRecords(project);
    project.m_Settings.m_bBgnCorrection = true;
    AddRecord(project, 125, 1, BandsFrom(20, {34.0}));
    AddRecord(project, 125, 0, BandsFrom(20, {44.0}));
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAirborneCombined());
    ExpectTestBands(calc.m_aSpec[0], TestBands({29.1, 27.8, 27.8}));
    EXPECT_EQ(-1.3, calc.m_aSpec[4].GetSpecLine(20));
    EXPECT_EQ(kStatusLimited, calc.m_aSpec[4].GetMeasStatus(20));
    EXPECT_EQ(20, calc.m_aSpec[4].GetUpperFreq());
}
