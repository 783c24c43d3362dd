// Behaviours of the field airborne methods of CCalc on a small project: the
// result and term of each quantity, the door-to-hall, small-partition, facade
// and angle rules, the missing bound of each method, the background
// correction carried into the result but not into the term, reverberation
// times too short to use, and the failure returns.

#include "calc/Calc.h"

#include "MethodTestData.h"

#include <functional>

namespace {

using CMethod = int (CCalc::*)();
using CSetUp = std::function<void(CCalcTestProject&)>;

struct CMethodCase {
    const char* sName;
    CMethod pfnMethod;
    CSetUp setUp;
    CBandArray result;
    CBandArray term;
    double dArea;
};

void RunCase(const CMethodCase& row)
{
    SCOPED_TRACE(row.sName);
    CCalcTestProject project;
    SetUpFieldProject(project);
    if (row.setUp)
        row.setUp(project);
    CCalc& calc = project.m_Calc;
    calc.m_dArea = 123.0;
    EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
    ExpectTestBands(calc.m_aSpec[0], row.result);
    ExpectTestBands(calc.m_aSpec[2], row.term);
    EXPECT_EQ(row.dArea, calc.m_dArea);
}

}  // namespace

TEST(CalcFieldAirborne, ComputesEachQuantityWithItsTerm)
{
    const double kNone = kMissingValue;
    const CMethodCase cases[] = {
        {"R'", &CCalc::CalcAppSoundReduction, nullptr, TestBands({28.0, 28.5, 35.7}),
         TestBands({-2.0, 0.0, 1.9}), kNone},
        {"R' door to a hall", &CCalc::CalcAppSoundReduction,
         [](CCalcTestProject& p) { p.m_ReportInfo.m_bDoorHall = true; },
         TestBands({25.0, 25.5, 32.7}), TestBands({-5.0, -3.0, -1.1}), kNone},
        {"R' small partition", &CCalc::CalcAppSoundReduction,
         [](CCalcTestProject& p) {
             p.m_ReportInfo.m_bRoom = true;
             p.m_ReportInfo.m_dVolume = 60.0;
             p.m_ReportInfo.m_dArea = 6.0;
         },
         TestBands({26.2, 26.7, 34.0}), TestBands({-3.8, -1.8, 0.2}), 8.0},
        {"R' partition above V / 7.5", &CCalc::CalcAppSoundReduction,
         [](CCalcTestProject& p) {
             p.m_ReportInfo.m_bRoom = true;
             p.m_ReportInfo.m_dVolume = 60.0;
             p.m_ReportInfo.m_dArea = 9.0;
         },
         TestBands({26.7, 27.3, 34.5}), TestBands({-3.3, -1.2, 0.7}), 9.0},
        {"R' partition of 10 m² or more", &CCalc::CalcAppSoundReduction,
         [](CCalcTestProject& p) {
             p.m_ReportInfo.m_bRoom = true;
             p.m_ReportInfo.m_dVolume = 60.0;
             p.m_ReportInfo.m_dArea = 12.0;
         },
         TestBands({28.0, 28.5, 35.7}), TestBands({-2.0, 0.0, 1.9}), kNone},
        {"Dn", &CCalc::CalcNormLevelDifference,
         [](CCalcTestProject& p) { p.m_ReportInfo.m_dArea = kMissingValue; },
         TestBands({28.0, 28.5, 35.7}), TestBands({-2.0, 0.0, 1.9}), 123.0},
        {"DnT", &CCalc::CalcAppSoundReductionVolLimited,
         [](CCalcTestProject& p) { p.m_ReportInfo.m_dVolume = kMissingValue; },
         TestBands({30.0, 30.5, 37.8}), TestBands({0.0, 2.0, 4.0}), 123.0},
        {"facade, road traffic", &CCalc::CalcFacadeElementTraffic, nullptr,
         TestBands({25.0, 25.5, 32.7}), TestBands({-5.0, -3.0, -1.1}), kNone},
        {"facade, loudspeaker", &CCalc::CalcFacadeElementLoudspeaker, nullptr,
         TestBands({26.5, 27.0, 34.2}), TestBands({-3.5, -1.5, 0.4}), kNone},
        {"facade at 0 degrees, no small-partition rule", &CCalc::CalcFacadeAngle,
         [](CCalcTestProject& p) {
             p.m_ReportInfo.m_dAngle = 0.0;
             p.m_ReportInfo.m_bRoom = true;
             p.m_ReportInfo.m_dArea = 6.0;
             p.m_ReportInfo.m_dVolume = 30.0;
         },
         TestBands({28.0, 28.5, 35.7}), TestBands({-2.0, 0.0, 1.9}), kNone},
        {"facade at 60 degrees, far range", &CCalc::CalcFacadeAngle,
         [](CCalcTestProject& p) {
             p.m_ReportInfo.m_dAngle = 60.0;
             p.m_ReportInfo.m_bFarRange = true;
         },
         TestBands({27.9, 28.5, 35.7}), TestBands({-2.1, 0.0, 1.9}), kNone},
    };
    for (const CMethodCase& row : cases)
        RunCase(row);
}

TEST(CalcFieldAirborne, LeavesOutBandsByEachMethodsBound)
{
    // L1 of -300 dB in band 21: present for R', missing below -200 dB for Dn and DnT.
    const auto lowSource = [](CCalcTestProject& p) {
        p.SetSummaryLevel(122, TestBands({70.0, -300.0, 75.0}));
    };
    const CMethodCase cases[] = {
        {"R'", &CCalc::CalcAppSoundReduction, lowSource, TestBands({28.0, -343.5, 35.7}),
         TestBands({-2.0, 0.0, 1.9}), kMissingValue},
        {"Dn", &CCalc::CalcNormLevelDifference, lowSource,
         TestBands({28.0, kMissingValue, 35.7}), TestBands({-2.0, kMissingValue, 1.9}), 123.0},
        {"DnT", &CCalc::CalcAppSoundReductionVolLimited, lowSource,
         TestBands({30.0, kMissingValue, 37.8}), TestBands({0.0, kMissingValue, 4.0}), 123.0},
    };
    for (const CMethodCase& row : cases)
        RunCase(row);
}

// A reverberation time of 0 s (typed into a table) would give infinite
// bands where it divides and bands near -1000 dB where it is in a
// logarithm; a time shorter than 1 ms leaves the band out in every method.
TEST(CalcFieldAirborne, LeavesOutBandsWithUnusableReverberationTimes)
{
    const CMethod methods[] = {
        &CCalc::CalcAppSoundReduction,         &CCalc::CalcNormLevelDifference,
        &CCalc::CalcAppSoundReductionVolLimited, &CCalc::CalcFacadeElementTraffic,
        &CCalc::CalcFacadeElementLoudspeaker,  &CCalc::CalcFacadeAngle,
    };
    for (double dReverb : {0.0, 0.0009, -0.5}) {
        for (CMethod pfnMethod : methods) {
            SCOPED_TRACE(testing::Message() << "T = " << dReverb);
            CCalcTestProject project;
            SetUpFieldProject(project);
            project.m_ReportInfo.m_dAngle = 0.0;
            project.GetMeasurementList(124)->GetHead().m_Spectrum.InsertData(21, dReverb);
            CCalc& calc = project.m_Calc;
            EXPECT_EQ(kCalcDone, (calc.*pfnMethod)());
            EXPECT_EQ(kMissingValue, calc.m_aSpec[0].GetSpecLine(21));
            EXPECT_FALSE(IsMissingValue(calc.m_aSpec[0].GetSpecLine(20)));
        }
    }
}

TEST(CalcFieldAirborne, CarriesTheBackgroundCorrectionIntoTheResultOnly)
{
    CCalcTestProject project;
    SetUpFieldProject(project);
    project.m_Settings.m_bBgnCorrection = true;
    project.SetSummaryLevel(125, TestBands({34.0, 20.0, 35.0}));   // 6 dB: limit value at band 20
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAppSoundReduction());
    const double dLimit = static_cast<double>(-1.3f);
    ExpectTestBands(calc.m_aSpec[4], TestBands({dLimit, 0.0, -1.2}));
    ExpectTestBands(calc.m_aSpec[0], TestBands({28.0 - dLimit, 28.5, 35.7 + 1.2}));
    ExpectTestBands(calc.m_aSpec[2], TestBands({-2.0, 0.0, 1.9}));
}

TEST(CalcFieldAirborne, RefusesMissingProjectValuesAfterAReset)
{
    struct Row {
        const char* sName;
        CMethod pfnMethod;
        double dVolume;
        double dArea;
        double dAngle;
        int nExpected;
    };
    const Row cases[] = {
        {"R' without volume", &CCalc::CalcAppSoundReduction, 0.0009, 10.0, 0.0, 1},
        {"R' volume not a number", &CCalc::CalcAppSoundReduction, kNotANumber, 10.0, 0.0, 1},
        {"R' without area", &CCalc::CalcAppSoundReduction, 50.0, kMissingValue, 0.0, 2},
        {"R' infinite area", &CCalc::CalcAppSoundReduction, 50.0, INFINITY, 0.0, 2},
        {"Dn without volume", &CCalc::CalcNormLevelDifference, 0.0, kMissingValue, 0.0, 1},
        {"traffic without volume", &CCalc::CalcFacadeElementTraffic, 0.0, 10.0, 0.0, 1},
        {"loudspeaker without area", &CCalc::CalcFacadeElementLoudspeaker, 50.0, 0.0, 0.0, 2},
        {"angle without volume", &CCalc::CalcFacadeAngle, 0.0, 10.0, 0.0, 1},
        {"angle without area", &CCalc::CalcFacadeAngle, 50.0, 0.0, 0.0, 2},
        {"angle of 90 degrees", &CCalc::CalcFacadeAngle, 50.0, 10.0, 90.0, 1},
        {"angle below 0", &CCalc::CalcFacadeAngle, 50.0, 10.0, -0.001, 1},
        {"angle not given", &CCalc::CalcFacadeAngle, 50.0, 10.0, kMissingValue, 1},
        {"angle not a number", &CCalc::CalcFacadeAngle, 50.0, 10.0, kNotANumber, 1},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpFieldProject(project);
        project.m_ReportInfo.m_dVolume = row.dVolume;
        project.m_ReportInfo.m_dArea = row.dArea;
        project.m_ReportInfo.m_dAngle = row.dAngle;
        CCalc& calc = project.m_Calc;
        calc.m_aSpec[0].InsertData(20, 55.0);
        calc.m_dRating = 50.0;
        EXPECT_EQ(row.nExpected, (calc.*row.pfnMethod)());
        EXPECT_EQ(0, calc.m_aSpec[0].GetNumOfFreq());
        EXPECT_EQ(kMissingValue, calc.m_dRating);
        EXPECT_EQ(kMissingValue, calc.m_dArea);
    }
}
