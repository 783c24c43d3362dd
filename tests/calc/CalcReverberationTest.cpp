// Tests of the reverberation-time methods and the total loss factor: the
// single values, the fixed copy spans, refusals for missing bands, and the
// loss factor's four decimals and its bands without a usable time.

#include "CalcTestProject.h"

#include <gtest/gtest.h>

namespace {

const int kTableReverb = 124;

// 0.5 s from 50 Hz to 10 kHz, the mean bands 400 to 1250 Hz rising to 0.60 s.
CBandArray RoomReverbTimes()
{
    CBandArray times;
    for (int nBand = 17; nBand <= 40; ++nBand)
        times[nBand] = 0.5;
    const double adMean[] = {0.50, 0.52, 0.54, 0.56, 0.58, 0.60};
    for (int i = 0; i < 6; ++i)
        times[26 + i] = adMean[i];
    return times;
}

}  // namespace

TEST(CalcReverberation, GivesTheTimeAt1000HzAndTheMeanOf400To1250Hz)
{
    CCalcTestProject project;
    project.SetSummaryLevel(kTableReverb, RoomReverbTimes());

    EXPECT_EQ(kCalcDone, project.m_Calc.CalcReverbTime());
    EXPECT_DOUBLE_EQ(0.58, project.m_Calc.m_dRating);
    EXPECT_EQ(19, project.m_Calc.m_aSpec[0].GetLowerFreq());
    EXPECT_EQ(38, project.m_Calc.m_aSpec[0].GetUpperFreq());

    EXPECT_EQ(kCalcDone, project.m_Calc.CalcReverbTimeMean());
    EXPECT_DOUBLE_EQ(0.55, project.m_Calc.m_dRating);
    EXPECT_EQ(18, project.m_Calc.m_aSpec[0].GetLowerFreq());
    EXPECT_EQ(39, project.m_Calc.m_aSpec[0].GetUpperFreq());
}

// A time shorter than 1 ms is no measured time, as in every other method: a
// time of 0 s at 1000 Hz must not give a single value of 0.00 s.
TEST(CalcReverberation, NeedsItsBandsAndCopiesMissingOnesOutsideThem)
{
    struct CRow {
        const char* m_pszName;
        int (CCalc::*m_pfnMethod)();
        int m_nMissingBand;
        double m_dTime;
        int m_nStatus;
    };
    const CRow aRows[] = {
        {"time, 80 Hz missing", &CCalc::CalcReverbTime, 19, kMissingValue, kCalcDone},
        {"time, 80 Hz of 0 s", &CCalc::CalcReverbTime, 19, 0.0, kCalcDone},
        {"time, 125 Hz missing", &CCalc::CalcReverbTime, 21, kMissingValue, kCalcBandMissing},
        {"time, 1000 Hz of 0 s", &CCalc::CalcReverbTime, 30, 0.0, kCalcBandMissing},
        {"time, 1000 Hz of 0.0009 s", &CCalc::CalcReverbTime, 30, 0.0009, kCalcBandMissing},
        {"time, 4000 Hz missing", &CCalc::CalcReverbTime, 36, kMissingValue, kCalcBandMissing},
        {"mean, 63 Hz missing", &CCalc::CalcReverbTimeMean, 18, kMissingValue, kCalcDone},
        {"mean, 63 Hz negative", &CCalc::CalcReverbTimeMean, 18, -0.5, kCalcDone},
        {"mean, 100 Hz missing", &CCalc::CalcReverbTimeMean, 20, kMissingValue, kCalcBandMissing},
        {"mean, 400 Hz of 0 s", &CCalc::CalcReverbTimeMean, 26, 0.0, kCalcBandMissing},
        {"mean, 5000 Hz negative", &CCalc::CalcReverbTimeMean, 37, -0.5, kCalcBandMissing},
    };
    for (const CRow& row : aRows) {
        SCOPED_TRACE(row.m_pszName);
        CCalcTestProject project;
        CBandArray times = RoomReverbTimes();
        times[row.m_nMissingBand] = row.m_dTime;
        project.SetSummaryLevel(kTableReverb, times);
        project.m_Calc.m_aSpec[0].InsertData(5, 1.0);

        EXPECT_EQ(row.m_nStatus, (project.m_Calc.*row.m_pfnMethod)());
        if (row.m_nStatus == kCalcDone) {
            EXPECT_EQ(kMissingValue, project.m_Calc.m_aSpec[0].GetSpecLine(row.m_nMissingBand));
            EXPECT_EQ(kMissingValue, project.m_Calc.m_aSpec[0].GetSpecLine(5));
            EXPECT_FALSE(IsMissingValue(project.m_Calc.m_dRating));
        } else {
            EXPECT_EQ(0, project.m_Calc.m_aSpec[0].GetNumOfFreq());
            EXPECT_EQ(kMissingValue, project.m_Calc.m_dRating);
        }
    }
}

TEST(CalcReverberation, TotalLossFactorKeepsFourDecimalsAndSkipsUnusableTimes)
{
    struct CRow {
        int m_nBand;
        double m_dTime;
        double m_dLossFactor;
    };
    const CRow aRows[] = {
        {20, 0.011, 2.0},           // 2.2 / (0.011 s · 100 Hz)
        {30, 1.0, 0.0022},          // two decimals would give 0.00
        {30, 0.001, 2.2},           // the shortest usable time
        {37, 2.0, 0.0002},
        {30, 0.0009, kMissingValue},
        {30, 0.0, kMissingValue},
        {30, -0.5, kMissingValue},
        {30, kMissingValue, kMissingValue},
    };
    for (const CRow& row : aRows) {
        SCOPED_TRACE(testing::Message() << "band " << row.m_nBand << ", T " << row.m_dTime);
        CCalcTestProject project;
        CBandArray times;
        times[row.m_nBand] = row.m_dTime;
        project.SetSummaryLevel(kTableReverb, times);

        EXPECT_EQ(kCalcDone, project.m_Calc.CalcTotalLossFactor());
        EXPECT_NEAR(row.m_dLossFactor, project.m_Calc.m_aSpec[0].GetSpecLine(row.m_nBand), 1e-12);
        const bool bComputed = !IsMissingValue(row.m_dLossFactor);
        EXPECT_EQ(bComputed ? 10.0 : kMissingValue, project.m_Calc.m_dRating);
        EXPECT_EQ(bComputed ? 1 : 0, project.m_Calc.m_aSpec[0].GetNumOfFreq());
    }
}

TEST(CalcReverberation, TotalLossFactorFollowsTheBandRange)
{
    CCalcTestProject project;
    project.m_Settings.m_nLowerFreq = 25;
    project.m_Settings.m_nUpperFreq = 27;
    project.SetSummaryLevel(kTableReverb, RoomReverbTimes());

    project.m_Calc.CalcTotalLossFactor();

    EXPECT_EQ(25, project.m_Calc.m_aSpec[0].GetLowerFreq());
    EXPECT_EQ(27, project.m_Calc.m_aSpec[0].GetUpperFreq());
    EXPECT_DOUBLE_EQ(0.011, project.m_Calc.m_aSpec[0].GetSpecLine(26));   // 2.2 / (0.5 s · 400 Hz)
}
