// Tests of the improvement of airborne sound insulation by a lining: zero
// improvement for every basic element, a known improvement of the measured
// pair, laboratory data without 50 to 80 Hz, octave values, and the refusal
// of a lined element that cannot be rated.

#include "CalcTestProject.h"

#include <gtest/gtest.h>

namespace {

const int kTableWithLining = 130;
const int kTableWithoutLining = 131;

void SetUpLining(CCalcTestProject& project, int nElement, const CBandArray& without,
                 const CBandArray& with)
{
    project.m_ReportInfo.m_nCoincidenceFreq = nElement;
    project.SetSummaryLevel(kTableWithoutLining, without);
    project.SetSummaryLevel(kTableWithLining, with);
}

// 100 to 5000 Hz only, as laboratory data often are.
CBandArray WithoutLowBands(CBandArray bands)
{
    for (int nBand = 17; nBand < 20; ++nBand)
        bands[nBand] = kMissingValue;
    return bands;
}

}  // namespace

TEST(CalcLiningImprovement, EqualSpectraImproveNothingForEveryBasicElement)
{
    for (int nElement : {0, 1, 2, 3, -1}) {
        SCOPED_TRACE(testing::Message() << "basic element " << nElement);
        CCalcTestProject project;
        SetUpLining(project, nElement, PartitionReduction(), PartitionReduction());
        CCalc& calc = project.m_Calc;

        EXPECT_EQ(kCalcDone, calc.CalcAirborneImprovement());
        EXPECT_EQ(0.0, calc.m_dRating);
        for (double dImprovement : calc.m_adImprovement)
            EXPECT_EQ(0.0, dImprovement);
        EXPECT_EQ(0.0, calc.m_aSpec[0].GetSpecLine(25));
        EXPECT_EQ(0.0, calc.m_aSpec[10].GetSpecLine(36));
    }
}

TEST(CalcLiningImprovement, MeasuredPairGivesTheImprovementOfItsRatings)
{
    CCalcTestProject project;
    SetUpLining(project, 3, PartitionReduction(), Offset(PartitionReduction(), 5.0));
    CCalc& calc = project.m_Calc;

    EXPECT_EQ(kCalcDone, calc.CalcAirborneImprovement());

    EXPECT_NEAR(5.0, calc.m_dRating, 1e-9);
    for (double dImprovement : calc.m_adImprovement)
        EXPECT_NEAR(5.0, dImprovement, 1e-9);
    EXPECT_NEAR(5.0, calc.m_aSpec[0].GetSpecLine(30), 1e-9);
    EXPECT_NEAR(5.0, calc.m_aSpec[10].GetSpecLine(18), 1e-9);
    EXPECT_EQ(53.0, calc.m_dRatingWhole);   // the last rating is the lined element's
    EXPECT_EQ(-2.0, calc.m_dC);
}

TEST(CalcLiningImprovement, DataFrom100HzLeaveOnlyThe50HzTermsMissing)
{
    CCalcTestProject project;
    SetUpLining(project, 0, WithoutLowBands(PartitionReduction()),
                WithoutLowBands(Offset(PartitionReduction(), 3.0)));
    CCalc& calc = project.m_Calc;

    EXPECT_EQ(kCalcDone, calc.CalcAirborneImprovement());

    EXPECT_FALSE(IsMissingValue(calc.m_dRating));
    const bool abFrom50Hz[kImprovementCount] = {true, true, false, false, true, true, false, false};
    for (int i = 0; i < kImprovementCount; ++i) {
        SCOPED_TRACE(testing::Message() << "improvement " << i);
        EXPECT_EQ(abFrom50Hz[i], IsMissingValue(calc.m_adImprovement[i]));
    }
    EXPECT_EQ(kMissingValue, calc.m_aSpec[10].GetSpecLine(18));
    EXPECT_NEAR(3.0, calc.m_aSpec[10].GetSpecLine(21), 1e-9);
}

TEST(CalcLiningImprovement, OctaveIsTheEnergeticMeanOfItsThirds)
{
    CBandArray with = Offset(PartitionReduction(), 10.0);
    with[26] = PartitionReduction()[26];            // 400 Hz: no improvement
    with[37] = kMissingValue;                       // the 4000 Hz octave lacks a third
    CCalcTestProject project;
    SetUpLining(project, 3, PartitionReduction(), with);

    project.m_Calc.CalcAirborneImprovement();

    // -10 lg((10^-1 + 10^0 + 10^-1) / 3) = 3.98 dB
    EXPECT_NEAR(4.0, project.m_Calc.m_aSpec[10].GetSpecLine(27), 1e-9);
    EXPECT_EQ(kMissingValue, project.m_Calc.m_aSpec[10].GetSpecLine(36));
    EXPECT_NEAR(10.0, project.m_Calc.m_aSpec[10].GetSpecLine(33), 1e-9);
}

TEST(CalcLiningImprovement, LinedElementThatCannotBeRatedClearsTheResult)
{
    CBandArray fewBands;
    for (int nBand = 20; nBand <= 25; ++nBand)
        fewBands[nBand] = 40.0;
    for (int nElement : {0, 3}) {
        SCOPED_TRACE(testing::Message() << "basic element " << nElement);
        CCalcTestProject project;
        SetUpLining(project, nElement, PartitionReduction(), fewBands);
        project.m_Calc.m_aSpec[10].InsertData(21, 7.0);

        EXPECT_EQ(kCalcBandMissing, project.m_Calc.CalcAirborneImprovement());

        EXPECT_EQ(kMissingValue, project.m_Calc.m_dRating);
        EXPECT_EQ(kMissingValue, project.m_Calc.m_adImprovement[2]);
        EXPECT_EQ(0, project.m_Calc.m_aSpec[0].GetNumOfFreq());
        EXPECT_EQ(0, project.m_Calc.m_aSpec[10].GetNumOfFreq());
    }
}
