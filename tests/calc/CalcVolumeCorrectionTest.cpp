// Behaviours of the volume correction: K by the room volume at the step
// bounds, the final value of impact (K and a non-negative CI added) and
// airborne projects (the project's term added, K taken off, missing when the
// term is missing), the per-set results, and the failure returns.

#include "calc/Calc.h"

#include "MethodTestData.h"

TEST(CalcVolumeCorrection, CorrectionStepsWithTheVolume)
{
    const struct {
        double dVolume;
        double dCorrection;
    } cases[] = {
        {0.001, 0.0},    {199.99, 0.0}, {200.0, 2.0}, {299.99, 2.0}, {300.0, 3.0},
        {499.99, 3.0},   {500.0, 4.0},  {799.99, 4.0}, {800.0, 5.0}, {5000.0, 5.0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << "V = " << row.dVolume);
        CCalcTestProject project;
        project.m_ReportInfo.m_dVolume = row.dVolume;
        CCalc& calc = project.m_Calc;
        calc.m_dRating = 50.0;
        calc.m_dC = -1.0;
        EXPECT_EQ(kCalcDone, calc.CalcVolumeCorrection());
        EXPECT_EQ(row.dCorrection, calc.m_dVolumeCorr);
        EXPECT_EQ(49.0 - row.dCorrection, calc.m_dFinalValue);
    }
}

TEST(CalcVolumeCorrection, FormsTheFinalValueOfTheProjectKind)
{
    const double kNone = kMissingValue;
    const struct {
        const char* sName;
        bool bImpact;
        bool bFacade;
        bool bLowFreq;
        double dVolume;
        double dCI;
        double dC;
        double dCtr;
        double dCtr50;
        double dFinal;
    } cases[] = {
        {"impact, CI negative", true, false, false, 250.0, -1.0, kNone, kNone, kNone, 52.0},
        {"impact, CI positive", true, false, false, 250.0, 2.0, kNone, kNone, kNone, 54.0},
        {"impact, CI 0", true, false, false, 250.0, 0.0, kNone, kNone, kNone, 52.0},
        {"impact, CI missing", true, false, false, 250.0, kNone, kNone, kNone, kNone, 52.0},
        {"airborne, C", false, false, false, 350.0, kNone, -1.0, -4.0, -7.0, 46.0},
        {"facade, Ctr", false, true, false, 350.0, kNone, -1.0, -4.0, -7.0, 43.0},
        {"low frequencies, Ctr 50-3150", false, false, true, 350.0, kNone, -1.0, -4.0, -7.0,
         40.0},
        // a missing term leaves the final value missing: -999.0 exactly, not 50 - 999 - 3
        {"low frequencies, term missing", false, false, true, 350.0, kNone, -1.0, -4.0, kNone,
         kMissingValue},
        {"airborne, C missing", false, false, false, 350.0, kNone, kNone, -4.0, -7.0,
         kMissingValue},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_ReportInfo.m_bImpact = row.bImpact;
        project.m_ReportInfo.m_bFacade = row.bFacade;
        project.m_ReportInfo.m_bLowFreq = row.bLowFreq;
        project.m_ReportInfo.m_dVolume = row.dVolume;
        CCalc& calc = project.m_Calc;
        calc.m_dRating = 50.0;
        calc.m_dCI = row.dCI;
        calc.m_dC = row.dC;
        calc.m_dCtr = row.dCtr;
        calc.m_dCtr50_3150 = row.dCtr50;
        EXPECT_EQ(kCalcDone, calc.CalcVolumeCorrection());
        EXPECT_EQ(row.dFinal, calc.m_dFinalValue);
    }
}

TEST(CalcVolumeCorrection, RewritesEveryPerSetResult)
{
    CCalcTestProject project;
    project.m_ReportInfo.m_dVolume = 400.0;
    CCalc first;
    first.m_dRating = 48.0;
    first.m_dC = -2.0;
    CCalc second;
    second.m_dRating = 52.0;
    second.m_dC = -1.0;
    project.m_CalcSets.Add(first);
    project.m_CalcSets.Add(second);
    CCalc& calc = project.m_Calc;
    calc.m_dRating = 50.0;
    calc.m_dC = -1.0;
    EXPECT_EQ(kCalcDone, calc.CalcVolumeCorrection());
    EXPECT_EQ(46.0, calc.m_dFinalValue);
    EXPECT_EQ(3.0, project.m_CalcSets[0].m_dVolumeCorr);
    EXPECT_EQ(43.0, project.m_CalcSets[0].m_dFinalValue);
    EXPECT_EQ(3.0, project.m_CalcSets[1].m_dVolumeCorr);
    EXPECT_EQ(48.0, project.m_CalcSets[1].m_dFinalValue);
}

TEST(CalcVolumeCorrection, RefusesWithoutVolumeOrRatingAndLeavesTheSets)
{
    const struct {
        const char* sName;
        double dVolume;
        double dRating;
        int nExpected;
    } cases[] = {
        {"no volume", 0.0, 50.0, 1},
        {"volume not a number", kNotANumber, 50.0, 1},
        {"no rating", 250.0, kMissingValue, 3},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_ReportInfo.m_dVolume = row.dVolume;
        CCalc set;
        set.m_dVolumeCorr = 7.0;
        set.m_dFinalValue = 77.0;
        project.m_CalcSets.Add(set);
        CCalc& calc = project.m_Calc;
        calc.m_dRating = row.dRating;
        calc.m_dVolumeCorr = 1.0;
        calc.m_dFinalValue = 1.0;
        EXPECT_EQ(row.nExpected, calc.CalcVolumeCorrection());
        EXPECT_EQ(kMissingValue, calc.m_dVolumeCorr);
        EXPECT_EQ(kMissingValue, calc.m_dFinalValue);
        EXPECT_EQ(7.0, project.m_CalcSets[0].m_dVolumeCorr);
        EXPECT_EQ(77.0, project.m_CalcSets[0].m_dFinalValue);
    }
}
