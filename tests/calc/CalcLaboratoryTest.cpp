// Behaviours of the laboratory methods: R, Dn with the ceiling constant and
// its -200 dB bound, Ln, the laboratory background bound of 15 dB, the
// flanking correction of R and of small elements' Dn, and the failure returns.

#include "calc/Calc.h"
#include "calc/CorrectionRules.h"

#include "MethodTestData.h"

namespace {

using CMethod = int (CCalc::*)();

}  // namespace

TEST(CalcLaboratory, ComputesTheLaboratoryQuantities)
{
    const double kNone = kMissingValue;
    const struct {
        const char* sName;
        CMethod pfnMethod;
        CBandArray result;
    } cases[] = {
        // L1 of -300 dB in band 21: present for R, missing below -200 dB for Dn
        {"R", &CCalc::CalcLabSoundReduction, TestBands({28.0, -343.5, 35.7})},
        {"Dn", &CCalc::CalcLabNormLevelDifference, TestBands({28.0, kNone, 35.7})},
        {"Ln", &CCalc::CalcLabImpactLevel, TestBands({42.0, 43.5, 39.3})},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.SetSummaryLevel(122, TestBands({70.0, -300.0, 75.0}));
        CCalc& calc = project.m_Calc;
        calc.m_dArea = 5.0;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
        ExpectTestBands(calc.m_aSpec[0], row.result);
        if (row.pfnMethod == &CCalc::CalcLabSoundReduction) {
            EXPECT_EQ(kMissingValue, calc.m_dArea);
        }
    }
}

// V 100 m³ and T 1.63 s: 10 lg(0.163 V / (10 T)) = 0 dB for a ceiling, and
// 10 lg(16 / 16.3) = -0.08 dB, -0.1 dB rounded, otherwise.
TEST(CalcLaboratory, CeilingTestUsesItsOwnAbsorptionConstant)
{
    for (bool bCeiling : {true, false}) {
        SCOPED_TRACE(bCeiling ? "ceiling" : "element");
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.SetSummaryLevel(124, TestBands({1.63, 1.63, 1.63}));
        project.m_ReportInfo.m_dVolume = 100.0;
        project.m_ReportInfo.m_bCeiling = bCeiling;
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, calc.CalcLabNormLevelDifference());
        EXPECT_NEAR(bCeiling ? 30.0 : 30.1, calc.m_aSpec[0].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(bCeiling ? 0.0 : 0.1, calc.m_aSpec[2].GetSpecLine(20), 1e-9);
    }
}

// The facility's flanking limit of 33 dB lies 5 dB above R = 28 dB at 100 Hz:
// +1.3 dB. Dn takes it for small elements only.
TEST(CalcLaboratory, CorrectsForFlankingTransmissionWhereAsked)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        bool bFlanking;
        bool bSmallElements;
        double dResult;
    } cases[] = {
        {"R, correction off", &CCalc::CalcLabSoundReduction, false, false, 28.0},
        {"R, correction on", &CCalc::CalcLabSoundReduction, true, false, 29.3},
        {"Dn of an element", &CCalc::CalcLabNormLevelDifference, true, false, 28.0},
        {"Dn of a small element", &CCalc::CalcLabNormLevelDifference, true, true, 29.3},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.SetSummaryLevel(130, TestBands({33.0, 80.0, 80.0}));
        project.m_Settings.m_bFtmCorrection = row.bFlanking;
        project.m_ReportInfo.m_bSmallElements = row.bSmallElements;
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
        EXPECT_NEAR(row.dResult, calc.m_aSpec[0].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(row.dResult - 30.0, calc.m_aSpec[2].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(28.5, calc.m_aSpec[0].GetSpecLine(21), 1e-9);
    }
}

// A background 12 dB below L2 is corrected in the laboratory (-0.3 dB) and
// taken out of spectrum 2 again.
TEST(CalcLaboratory, CorrectsBackgroundUpTo15Decibels)
{
    const CMethod methods[] = {&CCalc::CalcLabSoundReduction, &CCalc::CalcLabNormLevelDifference,
                               &CCalc::CalcLabImpactLevel};
    for (CMethod pfnMethod : methods) {
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_Settings.m_bBgnCorrection = true;
        project.SetSummaryLevel(125, TestBands({28.0, 20.0, 20.0}));
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*pfnMethod)());
        EXPECT_NEAR(-0.3, calc.m_aSpec[4].GetSpecLine(20), 1e-9);
        EXPECT_EQ(kStatusCorrected, calc.m_aSpec[4].GetMeasStatus(20));
        const bool bImpact = pfnMethod == &CCalc::CalcLabImpactLevel;
        EXPECT_NEAR(bImpact ? 41.7 : 28.3, calc.m_aSpec[0].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(bImpact ? 2.0 : -2.0, calc.m_aSpec[2].GetSpecLine(20), 1e-9);
    }
}

TEST(CalcLaboratory, RefusesMissingProjectValuesAfterAReset)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        double dVolume;
        double dArea;
        int nExpected;
    } cases[] = {
        {"R without volume", &CCalc::CalcLabSoundReduction, 0.0, 10.0, 1},
        {"R without area", &CCalc::CalcLabSoundReduction, 50.0, 0.0, 2},
        {"Dn without volume", &CCalc::CalcLabNormLevelDifference, kNotANumber, 10.0, 1},
        {"Ln without volume", &CCalc::CalcLabImpactLevel, kMissingValue, 10.0, 1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_dVolume = row.dVolume;
        project.m_ReportInfo.m_dArea = row.dArea;
        CCalc& calc = project.m_Calc;
        calc.m_aSpec[0].InsertData(20, 1.0);
        EXPECT_EQ(row.nExpected, (calc.*row.pfnMethod)());
        EXPECT_EQ(0, calc.m_aSpec[0].GetNumOfFreq());
    }
}

// The tapping machine's airborne noise reaches the receiving room at 28 dB,
// 12 dB below the impact level of 40 dB: the laboratory rule corrects only
// below 10 dB, its full variant at any difference above 6 dB (-0.3 dB).
TEST(CalcLaboratory, ImpactLevelTakesTheChosenAirborneNoiseRule)
{
    for (bool bFullRule : {false, true}) {
        SCOPED_TRACE(bFullRule ? "full rule" : "laboratory rule");
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_bImpactAirborne = true;
        project.m_Settings.m_bCorrectionZezur = bFullRule;
        project.SetSummaryLevel(122, BandsFrom(20, {80.0}));
        project.SetSummaryLevel(128, BandsFrom(20, {80.0}));
        project.SetSummaryLevel(129, BandsFrom(20, {28.0}));
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, calc.CalcLabImpactLevel());
        EXPECT_NEAR(bFullRule ? 41.7 : 42.0, calc.m_aSpec[0].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(2.0, calc.m_aSpec[2].GetSpecLine(20), 1e-9);
    }
}
