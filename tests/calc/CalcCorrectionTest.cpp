// Behaviours of the correction members of CCalc on a test project: which
// tables and settings they read, the values and status marks of the bands,
// the band range, the background switch, the set rule with its spectrum 18,
// and the object without a project.

#include "calc/Calc.h"
#include "calc/CorrectionRules.h"

#include "CalcTestProject.h"

#include <gtest/gtest.h>

namespace {

const double kSingleMinus13 = static_cast<double>(-1.3f);
const int kTableSource = 122;
const int kTableReceiving = 123;
const int kTableBackground = 125;
const int kTableAirborneSource = 128;
const int kTableAirborneReceiving = 129;
const int kTableWithFacility = 130;

struct CBandExpectation {
    int nBand;
    double dValue;
    int nStatus;
};

void ExpectBands(const NSpectrum& spec, std::initializer_list<CBandExpectation> bands)
{
    for (const CBandExpectation& band : bands) {
        SCOPED_TRACE(testing::Message() << "band " << band.nBand);
        EXPECT_NEAR(band.dValue, spec.GetSpecLine(band.nBand), 1e-9);
        EXPECT_EQ(band.nStatus, spec.GetMeasStatus(band.nBand));
    }
}

// Receiving level 50 dB in bands 20 to 25 and 40 (outside the range); the
// background 42, 44, 40, 35, missing, 49 dB; nothing in the other bands.
void SetUpBackground(CCalcTestProject& project)
{
    CBandArray receiving = BandsFrom(20, {50, 50, 50, 50, 50, 50});
    receiving[40] = 50.0;
    CBandArray background = BandsFrom(20, {42, 44, 40, 35, kMissingValue, 49});
    background[40] = 42.0;
    project.SetSummaryLevel(kTableReceiving, receiving);
    project.SetSummaryLevel(kTableBackground, background);
}

}  // namespace

TEST(CalcCorrection, CorrectsTheReceivingLevelForBackgroundNoise)
{
    struct Row {
        const char* sName;
        int (CCalc::*pfnRule)();
        double dAt10;    // band 22: 10 dB difference
        int nStatusAt10;
        double dAt1;     // band 25: 1 dB difference
    };
    const Row cases[] = {
        {"field", &CCalc::CorrectBackground, 0.0, 0, kSingleMinus13},
        {"laboratory", &CCalc::CorrectBackgroundLab, -0.5, kStatusCorrected, kSingleMinus13},
        {"ASTM", &CCalc::CorrectBackgroundAstm, 0.0, 0, -2.0},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpBackground(project);
        CCalc& calc = project.m_Calc;
        calc.m_aSpec[4].InsertData(10, 3.0);
        EXPECT_EQ(kCalcDone, (calc.*row.pfnRule)());
        const NSpectrum& correction = calc.m_aSpec[4];
        ExpectBands(correction, {{22, row.dAt10, row.nStatusAt10},
                                 {24, kMissingValue, 0},
                                 {25, row.dAt1, kStatusLimited},
                                 {17, kMissingValue, 0},
                                 {37, kMissingValue, 0}});
        EXPECT_EQ(17, correction.GetLowerFreq());
        EXPECT_EQ(37, correction.GetUpperFreq());
    }
}

TEST(CalcCorrection, FieldRuleMarksLimitedAndComputedBands)
{
    CCalcTestProject project;
    SetUpBackground(project);
    project.m_Calc.CorrectBackground();
    ExpectBands(project.m_Calc.m_aSpec[4], {{20, -0.7, kStatusCorrected},
                                            {21, -1.2999999523162842, kStatusLimited},
                                            {23, 0.0, 0}});
}

TEST(CalcCorrection, WritesOnlyTheBandRange)
{
    struct Row {
        const char* sName;
        int nLower;
        int nUpper;
        int nFirstWritten;
        int nLastWritten;
    };
    const Row cases[] = {
        {"100 to 315 Hz", 20, 25, 20, 25},
        {"beyond the bands", -5, 60, 0, 43},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_Settings.m_nLowerFreq = row.nLower;
        project.m_Settings.m_nUpperFreq = row.nUpper;
        SetUpBackground(project);
        project.m_Calc.CorrectBackground();
        EXPECT_EQ(row.nFirstWritten, project.m_Calc.m_aSpec[4].GetLowerFreq());
        EXPECT_EQ(row.nLastWritten, project.m_Calc.m_aSpec[4].GetUpperFreq());
    }
}

TEST(CalcCorrection, WithoutAProjectEveryBandIsMissing)
{
    CCalc calc;
    EXPECT_EQ(kCalcDone, calc.CorrectBackground());
    EXPECT_EQ(21, calc.m_aSpec[4].GetNumOfFreq());
    ExpectBands(calc.m_aSpec[4], {{17, kMissingValue, 0}, {30, kMissingValue, 0}});
    EXPECT_EQ(kCalcDone, calc.CorrectFlanking());
    ExpectBands(calc.m_aSpec[5], {{30, kMissingValue, 0}});
}

TEST(CalcCorrection, CorrectsForFlankingTransmission)
{
    struct Row {
        const char* sName;
        bool bSmallElements;
        double dAt22;   // Rf - R = 12 dB
    };
    const Row cases[] = {{"upper bound 15 dB", false, 0.3}, {"small elements, 10 dB", true, 0.0}};
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_ReportInfo.m_bSmallElements = row.bSmallElements;
        project.m_Calc.m_aSpec[0] = SpectrumOf(BandsFrom(20, {40, 40, 40, 40}));
        project.SetSummaryLevel(kTableWithFacility, BandsFrom(20, {47, 45, 52, kMissingValue}));
        EXPECT_EQ(kCalcDone, project.m_Calc.CorrectFlanking());
        ExpectBands(project.m_Calc.m_aSpec[5],
                    {{20, 1.0, kStatusCorrected},
                     {21, 1.3, kStatusLimited},
                     {22, row.dAt22, row.dAt22 != 0.0 ? kStatusCorrected : 0},
                     {23, kMissingValue, 0}});
    }
}

TEST(CalcCorrection, BackgroundCorrectionOfASetIsUnroundedAndUnmarkedAsAWhole)
{
    CCalcTestProject project;
    const NSpectrum level = SpectrumOf(BandsFrom(20, {50, 50}));
    NSpectrum correction = project.m_Calc.BackgroundCorrection(
        level, SpectrumOf(BandsFrom(20, {42, 45})), 6.0, 10.0, -1.3);
    ExpectBands(correction, {{20, -0.7494036743261461, kStatusCorrected},
                             {21, -1.3, kStatusLimited}});
    EXPECT_EQ(0, correction.GetStatus());
    EXPECT_TRUE(project.m_Calc.BackgroundCorrection(level, NSpectrum(0, 0), 6.0, 10.0, -1.3)
                == NSpectrum(0, 0));
    EXPECT_TRUE(project.m_Calc.BackgroundCorrection(NSpectrum(), level, 6.0, 10.0, -1.3)
                == NSpectrum(0, 0));
}

namespace {

// An impact project with airborne noise, one band each: LE in table 123,
// LHW in 122, L1a and L2a in 128 and 129, the background in 125.
struct AirborneNoiseBand {
    int nBand;
    double dImpact;
    double dSourceNoise;
    double dAirborneSource;
    double dAirborneReceiving;
    double dBackground;
};

void SetUpAirborneNoise(CCalcTestProject& project, std::initializer_list<AirborneNoiseBand> bands)
{
    CBandArray impact, sourceNoise, airborneSource, airborneReceiving, background;
    for (const AirborneNoiseBand& band : bands) {
        impact[band.nBand] = band.dImpact;
        sourceNoise[band.nBand] = band.dSourceNoise;
        airborneSource[band.nBand] = band.dAirborneSource;
        airborneReceiving[band.nBand] = band.dAirborneReceiving;
        background[band.nBand] = band.dBackground;
    }
    project.SetSummaryLevel(kTableReceiving, impact);
    project.SetSummaryLevel(kTableSource, sourceNoise);
    project.SetSummaryLevel(kTableAirborneSource, airborneSource);
    project.SetSummaryLevel(kTableAirborneReceiving, airborneReceiving);
    project.SetSummaryLevel(kTableBackground, background);
}

}  // namespace

TEST(CalcCorrection, CorrectsImpactLevelsForAirborneNoise)
{
    struct Row {
        const char* sName;
        int (CCalc::*pfnRule)();
        double dAt20;   // airborne part 20 dB below LE
        double dAt21;   // 4 dB below
        int nStatusAt21;
    };
    const Row cases[] = {
        {"field", &CCalc::CorrectAirborneNoise, 0.0, kSingleMinus13, kStatusLimited},
        {"laboratory", &CCalc::CorrectAirborneNoiseLab, 0.0, -2.2, kStatusCorrected},
        {"laboratory, full", &CCalc::CorrectAirborneNoiseLabFull, 0.0, kSingleMinus13,
         kStatusLimited},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        // airborne part = LHW - (L1a - L2a) = 80 - (70 - 40) = 50 dB
        SetUpAirborneNoise(project, {{20, 70.0, 80.0, 70.0, 40.0, 20.0},
                                     {21, 54.0, 80.0, 70.0, 40.0, 20.0},
                                     {22, 58.0, 80.0, 70.0, 40.0, 20.0},
                                     {23, 58.0, 80.0, kMissingValue, 40.0, 20.0}});
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnRule)());
        ExpectBands(calc.m_aSpec[7], {{20, row.dAt20, 0},
                                      {21, row.dAt21, row.nStatusAt21},
                                      {22, -0.7, kStatusCorrected},
                                      {23, kMissingValue, 0}});
        EXPECT_EQ(0, calc.m_aSpec[4].GetNumOfFreq());   // background switch off
        EXPECT_EQ(0, calc.m_aSpec[6].GetNumOfFreq());
    }
}

TEST(CalcCorrection, AirborneNoiseRulesCorrectTheirInputsForBackground)
{
    struct Row {
        const char* sName;
        int (CCalc::*pfnRule)();
        double dReceivingAt15;   // spectrum 6 where L2a - background = 15 dB
        int nStatusAt15;
    };
    const Row cases[] = {
        {"field", &CCalc::CorrectAirborneNoise, 0.0, 0},
        {"laboratory", &CCalc::CorrectAirborneNoiseLab, 0.0, 0},
        {"laboratory, full", &CCalc::CorrectAirborneNoiseLabFull, -0.1, kStatusCorrected},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_Settings.m_bBgnCorrection = true;
        // band 20: L2a 50, background 35; band 21: LE 50, background 42.
        SetUpAirborneNoise(project, {{20, 70.0, 80.0, 70.0, 50.0, 35.0},
                                     {21, 50.0, 30.0, 70.0, 40.0, 42.0}});
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnRule)());
        ExpectBands(calc.m_aSpec[6], {{20, row.dReceivingAt15, row.nStatusAt15}});
        ExpectBands(calc.m_aSpec[4], {{21, -0.7, kStatusCorrected}});
        // Band 21: LE corrected to 49.3 dB; the airborne part, about 0 dB,
        // lies far below it: no correction.
        ExpectBands(calc.m_aSpec[7], {{21, 0.0, 0}});
    }
}

TEST(CalcCorrection, CorrectsOneSetForAirborneNoise)
{
    CCalcTestProject project;
    project.m_Settings.m_bBgnCorrection = true;
    SetUpAirborneNoise(project, {{20, 0, 0, 70.0, 40.0, 0}, {21, 0, 0, 70.0, 40.0, 0},
                                 {22, 0, 0, 70.0, 40.0, 0}});
    CCalc& calc = project.m_Calc;
    const NSpectrum impact = SpectrumOf(BandsFrom(20, {58.0, 59.95, 70.0}));
    const NSpectrum source = SpectrumOf(BandsFrom(20, {80.0, 80.0, kMissingValue}));
    const NSpectrum background = SpectrumOf(BandsFrom(20, {20.0, 20.0, 20.0}));
    EXPECT_EQ(kCalcDone, calc.CorrectAirborneNoiseSets(impact, source, background, 9.9, 10.0, 0.0));
    ExpectBands(calc.m_aSpec[7], {{20, 0.0, kStatusLimited},     // 8 dB: at most 9.9
                                  {21, -0.45, kStatusCorrected}, // 9.95 dB
                                  {22, kMissingValue, 0}});
    ExpectBands(calc.m_aSpec[18], {{20, 80.0, 0}, {21, 80.0, 0}, {22, kMissingValue, 0}});
    ExpectBands(calc.m_aSpec[6], {{20, 0.0, 0}});   // L2a 40 against 20 dB
}
