// Tests of the floor-covering methods: the improvement on the heavyweight and
// the lightweight reference floors with the choice of the floor, and the
// corrected impact level's two branches, missing inputs and marks.

#include "CalcTestProject.h"

#include <gtest/gtest.h>

namespace {

const int kTableWithCovering = 130;
const int kTableWithoutCovering = 131;

}  // namespace

TEST(CalcImpactImprovement, HeavyweightFloorTakesTheImprovementOfEveryBand)
{
    CCalcTestProject project;
    project.SetSummaryLevel(kTableWithoutCovering, FloorImpactLevel());
    project.SetSummaryLevel(kTableWithCovering, Offset(FloorImpactLevel(), -20.0));
    CCalc& calc = project.m_Calc;

    EXPECT_EQ(kCalcDone, calc.CalcImpactReductionRefHeavy());

    for (int nBand = 17; nBand <= 37; ++nBand) {
        SCOPED_TRACE(testing::Message() << "band " << nBand);
        EXPECT_NEAR(20.0, calc.m_aSpec[0].GetSpecLine(nBand), 1e-9);
        EXPECT_EQ(FloorImpactLevel()[nBand] - 20.0, calc.m_aSpec[18].GetSpecLine(nBand));
    }
    EXPECT_EQ(67.0, calc.m_aSpec[1].GetSpecLine(20));
    EXPECT_NEAR(47.0, calc.m_aSpec[19].GetSpecLine(20), 1e-9);
    EXPECT_NEAR(52.0, calc.m_aSpec[19].GetSpecLine(35), 1e-9);
    EXPECT_EQ(kMissingValue, calc.m_aSpec[19].GetSpecLine(17));   // no reference below 100 Hz
}

TEST(CalcImpactImprovement, LightweightFloorIsChosenByThePageText)
{
    struct CRow {
        const char* m_pszFloor;
        int m_nStatus;
        double m_dCurveAt100Hz;
    };
    const CRow aRows[] = {
        {"1", kCalcDone, 78.0},
        {"2", kCalcDone, 78.0},
        {"3", kCalcDone, 69.0},
        {"", kCalcAreaMissing, kMissingValue},
        {"0", kCalcAreaMissing, kMissingValue},
        {"4", kCalcAreaMissing, kMissingValue},
    };
    for (const CRow& row : aRows) {
        SCOPED_TRACE(row.m_pszFloor);
        CCalcTestProject project;
        project.m_ReportInfo.m_sPageText5 = row.m_pszFloor;
        project.SetSummaryLevel(kTableWithoutCovering, FloorImpactLevel());
        project.SetSummaryLevel(kTableWithCovering, Offset(FloorImpactLevel(), -8.0));
        project.m_Calc.m_dRating = 1.0;

        EXPECT_EQ(row.m_nStatus, project.m_Calc.CalcImpactReductionRefLight());
        EXPECT_EQ(row.m_dCurveAt100Hz, project.m_Calc.m_aSpec[1].GetSpecLine(20));
        if (row.m_nStatus == kCalcDone) {
            EXPECT_NEAR(8.0, project.m_Calc.m_aSpec[0].GetSpecLine(25), 1e-9);
            EXPECT_NEAR(row.m_dCurveAt100Hz - 8.0, project.m_Calc.m_aSpec[19].GetSpecLine(20), 1e-9);
        } else {
            EXPECT_EQ(kMissingValue, project.m_Calc.m_dRating);
            EXPECT_EQ(0, project.m_Calc.m_aSpec[0].GetNumOfFreq());
        }
    }
}

TEST(CalcImpactImprovement, LightweightImprovementCoversTheBandRangeOnly)
{
    CCalcTestProject project;
    project.m_ReportInfo.m_sPageText5 = "1";
    project.m_Settings.m_nLowerFreq = 20;
    project.m_Settings.m_nUpperFreq = 35;
    CBandArray covered = Offset(FloorImpactLevel(), -8.0);
    covered[24] = kMissingValue;
    project.SetSummaryLevel(kTableWithoutCovering, FloorImpactLevel());
    project.SetSummaryLevel(kTableWithCovering, covered);

    project.m_Calc.CalcImpactReductionRefLight();

    const NSpectrum& improvement = project.m_Calc.m_aSpec[0];
    EXPECT_EQ(20, improvement.GetLowerFreq());
    EXPECT_EQ(35, improvement.GetUpperFreq());
    EXPECT_EQ(kMissingValue, improvement.GetSpecLine(24));
    EXPECT_NEAR(8.0, improvement.GetSpecLine(23), 1e-9);
}

TEST(CalcImpactImprovement, CorrectedLevelTakesTheMeanOrTheEnergeticBranch)
{
    // Reference floor 67 dB at 100 Hz, 72 dB at 4000 Hz; m = (Lc + Ld) / 2.
    struct CRow {
        const char* m_pszCase;
        int m_nBand;
        double m_dLa, m_dLb, m_dLc, m_dLd;
        double m_dLevel;
    };
    const CRow aRows[] = {
        {"La = Lb: r + Lb - m", 20, 60.0, 60.0, 50.0, 54.0, 75.0},
        {"La < Lb: mean of La and Lb", 20, 58.0, 60.0, 50.0, 54.0, 74.0},
        {"La > Lb: energetic", 20, 70.0, 60.0, 50.0, 54.0, 76.1},
        {"4000 Hz: reference 72 dB", 36, 60.0, 60.0, 50.0, 54.0, 80.0},
        {"Lc missing", 20, 60.0, 60.0, kMissingValue, 54.0, kMissingValue},
        {"50 Hz: no reference", 17, 60.0, 60.0, 50.0, 54.0, kMissingValue},
    };
    for (const CRow& row : aRows) {
        SCOPED_TRACE(row.m_pszCase);
        CCalcTestProject project;
        const int anTables[] = {122, 123, 128, 129};
        const double adLevels[] = {row.m_dLa, row.m_dLb, row.m_dLc, row.m_dLd};
        for (int i = 0; i < 4; ++i) {
            CBandArray level;
            level[row.m_nBand] = adLevels[i];
            project.SetSummaryLevel(anTables[i], level);
        }

        EXPECT_EQ(kCalcDone, project.m_Calc.CalcCorrectedImpactLevel());
        EXPECT_NEAR(row.m_dLevel, project.m_Calc.m_aSpec[0].GetSpecLine(row.m_nBand), 1e-9);
    }
}

TEST(CalcImpactImprovement, CorrectedLevelMarksBandsWhoseInputsAreMarked)
{
    CCalcTestProject project;
    project.m_Settings.m_nLowerFreq = 20;
    project.m_Settings.m_nUpperFreq = 23;
    NBuildData record;
    record.m_Spectrum.InsertSpecLine(21, 55.0, 1, NSpectrum::kBandMarked);
    record.m_Spectrum.InsertSpecLine(22, 55.0, 1, NSpectrum::kBandSuspicious);
    record.m_Spectrum.InsertSpecLine(30, 55.0, 1, NSpectrum::kBandMarked);   // outside the range
    project.GetMeasurementList(129)->AddTail(record);

    project.m_Calc.CalcCorrectedImpactLevel();

    const NSpectrum& marks = project.m_Calc.m_aSpec[4];
    EXPECT_EQ(1, marks.GetNumOfFreq());
    EXPECT_EQ(NSpectrum::kBandMarked, marks.GetMeasStatus(21));
    EXPECT_EQ(0.0, marks.GetSpecLine(21));
}
