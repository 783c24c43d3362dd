// Behaviours of the methods over measurement sets: which sets are kept in
// the document's array and how they are labelled "#A" to "#I", the combination of several
// sets (level differences for airborne, levels for impact) with the summary
// of the correction marks, the copy of a single set, the small-partition and
// door-to-hall rules, the laboratory background bound, the low-frequency
// corner procedure, the summing of records, and the failure returns.

#include "calc/Calc.h"
#include "calc/CorrectionRules.h"

#include "MethodTestData.h"

namespace {

using CMethod = int (CCalc::*)();

const int kFirstBand = 17;
const int kLastBand = 37;
const double kSourceLevel = 90.0;

CBandArray Flat(double dValue)
{
    CBandArray bands;
    for (int nBand = kFirstBand; nBand <= kLastBand; ++nBand)
        bands[nBand] = dValue;
    return bands;
}

// L1 90 dB and L2 = 90 dB - R' with R' the partition's spectrum raised by
// dRaise; V 50 m³, S 16 m² and T 0.5 s make the area term 0 dB.
void AddAirborneSet(CCalcTestProject& project, int nSet, double dRaise)
{
    CBandArray receiving;
    const CBandArray reduction = Offset(PartitionReduction(), dRaise);
    for (int nBand = kFirstBand; nBand <= kLastBand; ++nBand)
        receiving[nBand] = kSourceLevel - reduction[nBand];
    AddRecord(project, 122, nSet, Flat(kSourceLevel));
    AddRecord(project, 123, nSet, receiving);
}

void SetUpSetProject(CCalcTestProject& project)
{
    project.SetSummaryLevel(124, Flat(0.5));
    project.m_ReportInfo.m_dVolume = 50.0;
    project.m_ReportInfo.m_dArea = 16.0;
}

double BandOf(const CBandArray& bands, int nBand)
{
    return bands[nBand];
}

}  // namespace

TEST(CalcMultiSet, KeepsEachRatedSetAndCombinesTheLevelDifferences)
{
    CCalcTestProject project;
    SetUpSetProject(project);
    AddAirborneSet(project, 1, 0.0);
    AddAirborneSet(project, 4, 2.0);
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAppSoundReductionSets());
    ASSERT_EQ(2, project.m_CalcSets.GetSize());
    EXPECT_STREQ("#A", project.m_CalcSets[0].m_sLabel);
    EXPECT_STREQ("#D", project.m_CalcSets[1].m_sLabel);
    EXPECT_EQ(48.0, project.m_CalcSets[0].m_dRating);
    EXPECT_EQ(50.0, project.m_CalcSets[1].m_dRating);
    EXPECT_EQ(-2.0, project.m_CalcSets[0].m_dC);
    // -10 lg((10^(-R/10) + 10^(-(R + 2)/10)) / 2) = R + 0.886 dB
    const double expected[] = {21.0, 23.3, 25.9, 29.2, 32.1, 33.9};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(expected[i], calc.m_aSpec[0].GetSpecLine(kFirstBand + i), 1e-9);
    EXPECT_TRUE(calc.m_sLabel.IsEmpty());
    EXPECT_EQ(kMissingValue, calc.m_dRating);
    EXPECT_TRUE(calc.m_aSpec[2] == project.m_CalcSets[0].m_aSpec[2]);
    EXPECT_EQ(0.0, calc.m_aSpec[2].GetSpecLine(20));
}

// One set whose level difference is the partition's spectrum; V 50 m³,
// S 16 m², T 0.5 s.
TEST(CalcMultiSet, EachAirborneMemberAddsItsTerm)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        bool bBB93;
        double dTerm;    // added to the level difference, dB
        double dShown;   // spectrum 2, dB
    } cases[] = {
        {"R'", &CCalc::CalcAppSoundReductionSets, false, 0.0, 0.0},
        {"facade, loudspeaker", &CCalc::CalcFacadeLoudspeakerSets, false, -1.5, -1.5},
        {"facade, road traffic", &CCalc::CalcFacadeTrafficSets, false, -3.0, -3.0},
        // -Round(10 lg(0.16 V / (10 T)), 1); spectrum 2 with the sign of the
        // single-position Dn
        {"Dn", &CCalc::CalcLevelDifferenceSets, false, -2.0, -2.0},
        {"laboratory Dn", &CCalc::CalcLabNormLevelDifferenceSets, false, -2.0, -2.0},
        {"DnT, T0 0.5 s", &CCalc::CalcAirborneSetsNoAreaTerm, false, 0.0, 0.0},
        {"DnT, T0 1.0 s", &CCalc::CalcAirborneSetsNoAreaTerm, true, -3.0, -3.0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpSetProject(project);
        project.m_ReportInfo.m_bBB93 = row.bBB93;
        project.m_ReportInfo.m_dBB93ReverbTime = 1.0;
        AddAirborneSet(project, 5, 0.0);
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
        ASSERT_EQ(1, project.m_CalcSets.GetSize());
        EXPECT_STREQ("#E", calc.m_sLabel);
        for (int nBand : {17, 25, 37}) {
            SCOPED_TRACE(testing::Message() << "band " << nBand);
            EXPECT_NEAR(BandOf(PartitionReduction(), nBand) + row.dTerm,
                        calc.m_aSpec[0].GetSpecLine(nBand), 1e-9);
            EXPECT_NEAR(row.dShown, calc.m_aSpec[2].GetSpecLine(nBand), 1e-9);
        }
    }
}

TEST(CalcMultiSet, StandardisedImpactSetsTakeTheReferenceTime)
{
    for (bool bBB93 : {false, true}) {
        SCOPED_TRACE(bBB93 ? "T0 1.0 s" : "T0 0.5 s");
        CCalcTestProject project;
        project.SetSummaryLevel(124, Flat(1.0));
        project.m_ReportInfo.m_bBB93 = bBB93;
        project.m_ReportInfo.m_dBB93ReverbTime = 1.0;
        AddRecord(project, 123, 3, FloorImpactLevel());
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, calc.CalcStandImpactLevelSets());
        ASSERT_EQ(1, project.m_CalcSets.GetSize());
        // L2 - Round(10 lg(T / T0), 1): -3.0 dB with T0 0.5 s, 0 dB with 1.0 s
        const double dTerm = bBB93 ? 0.0 : -3.0;
        EXPECT_NEAR(BandOf(FloorImpactLevel(), 20) + dTerm, calc.m_aSpec[0].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(dTerm, calc.m_aSpec[2].GetSpecLine(20), 1e-9);
        EXPECT_STREQ("#C", calc.m_sLabel);
    }
}

TEST(CalcMultiSet, SingleSetBecomesTheResult)
{
    CCalcTestProject project;
    SetUpSetProject(project);
    AddAirborneSet(project, 2, 0.0);
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAppSoundReductionSets());
    ASSERT_EQ(1, project.m_CalcSets.GetSize());
    EXPECT_STREQ("#B", calc.m_sLabel);
    EXPECT_EQ(48.0, calc.m_dRating);
    EXPECT_NEAR(BandOf(PartitionReduction(), 25), calc.m_aSpec[0].GetSpecLine(25), 1e-9);
    EXPECT_EQ(kSourceLevel, calc.m_aSpec[15].GetSpecLine(25));
    EXPECT_EQ(0.5, calc.m_aSpec[17].GetSpecLine(25));
}

TEST(CalcMultiSet, RecordsOfNoSetGiveNoResult)
{
    CCalcTestProject project;
    SetUpSetProject(project);
    AddAirborneSet(project, 0, 0.0);
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAppSoundReductionSets());
    EXPECT_EQ(0, project.m_CalcSets.GetSize());
    for (int nBand = kFirstBand; nBand <= kLastBand; ++nBand)
        EXPECT_TRUE(IsMissingValue(calc.m_aSpec[0].GetSpecLine(nBand)));
    EXPECT_EQ(kMissingValue, calc.m_dRating);
}

// Set 1 has a background 6 dB below L2 at 100 Hz (limit value); set 4 has
// none and takes the records of no set, 8 dB below its L2 at 125 Hz
// (computed). The combination keeps the worst mark of each band at 0.0 dB.
TEST(CalcMultiSet, SummarisesTheBackgroundMarksOfTheSets)
{
    CCalcTestProject project;
    SetUpSetProject(project);
    project.m_Settings.m_bBgnCorrection = true;
    AddAirborneSet(project, 1, 0.0);
    AddAirborneSet(project, 4, 2.0);
    AddRecord(project, 125, 1, BandsFrom(20, {kSourceLevel - 28.3 - 6.0}));
    AddRecord(project, 125, 0, BandsFrom(21, {kSourceLevel - 33.2 - 8.0}));
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAppSoundReductionSets());
    ASSERT_EQ(2, project.m_CalcSets.GetSize());
    EXPECT_EQ(-1.3, project.m_CalcSets[0].m_aSpec[4].GetSpecLine(20));
    EXPECT_EQ(kStatusLimited, project.m_CalcSets[0].m_aSpec[4].GetMeasStatus(20));
    EXPECT_NEAR(-0.7, project.m_CalcSets[1].m_aSpec[4].GetSpecLine(21), 1e-9);
    EXPECT_EQ(kStatusCorrected, project.m_CalcSets[1].m_aSpec[4].GetMeasStatus(21));
    const struct {
        int nBand;
        int nStatus;
    } marks[] = {{20, kStatusLimited}, {21, kStatusCorrected}, {22, 0}};
    for (const auto& mark : marks) {
        SCOPED_TRACE(testing::Message() << "band " << mark.nBand);
        EXPECT_EQ(0.0, calc.m_aSpec[4].GetSpecLine(mark.nBand));
        EXPECT_EQ(mark.nStatus, calc.m_aSpec[4].GetMeasStatus(mark.nBand));
    }
}

TEST(CalcMultiSet, SetWithoutAnyBackgroundIsNotCorrected)
{
    CCalcTestProject project;
    SetUpSetProject(project);
    project.m_Settings.m_bBgnCorrection = true;
    AddAirborneSet(project, 1, 0.0);
    AddRecord(project, 125, 2, Flat(kSourceLevel - 60.0));
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAppSoundReductionSets());
    ASSERT_EQ(1, project.m_CalcSets.GetSize());
    EXPECT_EQ(0, calc.m_aSpec[4].GetNumOfFreq());
    EXPECT_NEAR(BandOf(PartitionReduction(), 20), calc.m_aSpec[0].GetSpecLine(20), 1e-9);
}

TEST(CalcMultiSet, AppliesTheAreaAndDoorRulesOfTheSoundReductionIndex)
{
    const struct {
        const char* sName;
        bool bRoom;
        bool bDoorHall;
        double dVolume;
        double dArea;
        double dAreaUsed;
        double dTerm;   // Round(10 lg(S T / (0.16 V)) - K, 1) with T 0.5 s
    } cases[] = {
        {"door to a hall", false, true, 50.0, 16.0, kMissingValue, -3.0},
        {"small partition", true, false, 60.0, 7.0, 8.0, -3.8},
        {"partition above V / 7.5", true, false, 60.0, 9.0, 9.0, -3.3},
        {"partition of 10 m² or more", true, false, 60.0, 12.0, kMissingValue, -2.0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpSetProject(project);
        project.m_ReportInfo.m_bRoom = row.bRoom;
        project.m_ReportInfo.m_bDoorHall = row.bDoorHall;
        project.m_ReportInfo.m_dVolume = row.dVolume;
        project.m_ReportInfo.m_dArea = row.dArea;
        AddAirborneSet(project, 1, 0.0);
        AddAirborneSet(project, 2, 0.0);
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, calc.CalcAppSoundReductionSets());
        ASSERT_EQ(2, project.m_CalcSets.GetSize());
        EXPECT_EQ(row.dAreaUsed, calc.m_dArea);
        EXPECT_EQ(row.dAreaUsed, project.m_CalcSets[1].m_dArea);
        EXPECT_NEAR(row.dTerm, project.m_CalcSets[0].m_aSpec[2].GetSpecLine(20), 1e-9);
        EXPECT_NEAR(BandOf(PartitionReduction(), 20) + row.dTerm,
                    project.m_CalcSets[0].m_aSpec[0].GetSpecLine(20), 1e-9);
    }
}

TEST(CalcMultiSet, ImpactSetsAverageAsLevels)
{
    CCalcTestProject project;
    project.SetSummaryLevel(124, Flat(1.0));
    project.m_ReportInfo.m_dVolume = 62.5;   // 0.16 V / (10 T) = 1: no area term
    AddRecord(project, 123, 1, FloorImpactLevel());
    AddRecord(project, 123, 2, Offset(FloorImpactLevel(), 2.0));
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcImpactLevelSets());
    ASSERT_EQ(2, project.m_CalcSets.GetSize());
    EXPECT_EQ(60.0, project.m_CalcSets[0].m_dRating);
    EXPECT_EQ(62.0, project.m_CalcSets[1].m_dRating);
    EXPECT_EQ(-3.0, project.m_CalcSets[0].m_dCI);
    // 10 lg((10^(L/10) + 10^((L + 2)/10)) / 2) = L + 1.114 dB
    const double expected[] = {61.6, 63.1, 64.2, 65.1, 64.6, 63.9};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(expected[i], calc.m_aSpec[0].GetSpecLine(kFirstBand + i), 1e-9);
}

TEST(CalcMultiSet, LaboratorySetsCorrectBackgroundUpTo15Decibels)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        double dCorrection;
        int nStatus;
    } cases[] = {
        {"field R'", &CCalc::CalcAppSoundReductionSets, 0.0, 0},
        {"laboratory R", &CCalc::CalcLabSoundReductionSets, -0.3, kStatusCorrected},
        {"laboratory Dn", &CCalc::CalcLabNormLevelDifferenceSets, -0.3, kStatusCorrected},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpSetProject(project);
        project.m_Settings.m_bBgnCorrection = true;
        AddAirborneSet(project, 3, 0.0);
        AddRecord(project, 125, 3, BandsFrom(25, {kSourceLevel - 40.2 - 12.0}));
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(kCalcDone, (calc.*row.pfnMethod)());
        ASSERT_EQ(1, project.m_CalcSets.GetSize());
        EXPECT_NEAR(row.dCorrection, calc.m_aSpec[4].GetSpecLine(25), 1e-9);
        EXPECT_EQ(row.nStatus, calc.m_aSpec[4].GetMeasStatus(25));
    }
}

// At 50 Hz the source position level 50 dB and the corner maximum 56 dB give
// 10 lg((2 10^5 + 10^5.6) / 3) = 53.0 dB; the receiving level 40 dB with its
// corner 43 dB gives 41.2 dB; the time is the 63 Hz octave value.
TEST(CalcMultiSet, CombinesLowBandsWithTheCornerMaxima)
{
    CCalcTestProject project;
    SetUpSetProject(project);
    project.m_ReportInfo.m_bCorner = true;
    AddAirborneSet(project, 1, 0.0);
    project.GetMeasurementList(122)->GetTail().m_Spectrum.InsertData(17, 50.0);
    project.GetMeasurementList(123)->GetTail().m_Spectrum.InsertData(17, 40.0);
    AddRecord(project, 128, 1, BandsFrom(17, {56.0}));
    AddRecord(project, 128, 1, BandsFrom(17, {52.0}));
    AddRecord(project, 129, 1, BandsFrom(17, {43.0}));
    project.SetSummaryLevel(126, BandsFrom(18, {1.2}));
    CCalc& calc = project.m_Calc;
    EXPECT_EQ(kCalcDone, calc.CalcAppSoundReductionSets());
    EXPECT_EQ(56.0, calc.m_aSpec[12].GetSpecLine(17));
    EXPECT_EQ(43.0, calc.m_aSpec[13].GetSpecLine(17));
    EXPECT_EQ(50.0, calc.m_aSpec[18].GetSpecLine(17));
    EXPECT_EQ(53.0, calc.m_aSpec[15].GetSpecLine(17));
    EXPECT_EQ(41.2, calc.m_aSpec[16].GetSpecLine(17));
    for (int nBand = 17; nBand <= 19; ++nBand)
        EXPECT_EQ(1.2, calc.m_aSpec[17].GetSpecLine(nBand));
    EXPECT_EQ(0.5, calc.m_aSpec[17].GetSpecLine(20));
    // 53.0 - 41.2 + Round(10 lg(16 m² 1.2 s / (0.16 50 m³)), 1) dB
    EXPECT_NEAR(15.6, calc.m_aSpec[0].GetSpecLine(17), 1e-9);
}

TEST(CalcMultiSet, SumsTheRecordsOfASetOrAList)
{
    CCalcTestProject project;
    project.SetSummaryLevel(123, BandsFrom(20, {99.0}));
    CBandArray correction;
    correction[20] = 1.0;
    AddRecord(project, 123, 1, BandsFrom(20, {50.0}), correction);
    AddRecord(project, 123, 1, BandsFrom(20, {60.0}));
    AddRecord(project, 123, 2, BandsFrom(20, {70.0, 70.0}));
    NBuildData excluded;
    excluded.m_nSetNumber = 1;
    excluded.m_Spectrum.InsertData(20, 90.0);
    excluded.m_Spectrum.SetStatus(NSpectrum::kExcluded);
    project.GetMeasurementList(123)->AddTail(excluded);
    const CCalc& calc = project.m_Calc;
    // energetic mean of 51 and 60 dB
    EXPECT_NEAR(57.504669, calc.SumSetRecords(123, 1).GetSpecLine(20), 1e-6);
    EXPECT_NEAR(57.504669, calc.SumSetRecords(124, 1).GetSpecLine(20), 1e-6);
    EXPECT_EQ(70.0, calc.SumSetRecords(123, 2).GetSpecLine(21));
    EXPECT_EQ(0, calc.SumSetRecords(123, 5).GetNumOfFreq());
    EXPECT_EQ(0, calc.SumSetRecords(122, 1).GetNumOfFreq());

    project.m_Settings.m_nUpperFreq = 20;
    const NSpectrum all = calc.SumListRecords(project.GetMeasurementList(123));
    EXPECT_NEAR(10.0 * std::log10((std::pow(10.0, 5.1) + 1e6 + 1e7) / 3.0), all.GetSpecLine(20),
                1e-9);
    EXPECT_EQ(kMissingValue, all.GetSpecLine(21));
    EXPECT_EQ(21, all.GetUpperFreq());
    EXPECT_EQ(0, calc.SumListRecords(nullptr).GetNumOfFreq());
}

TEST(CalcMultiSet, AveragesTheCornerMaximaOfTheSets)
{
    CCalcTestProject project;
    AddRecord(project, 129, 1, BandsFrom(17, {56.0, 40.0, 40.0, 40.0}));
    AddRecord(project, 129, 1, BandsFrom(17, {52.0}));
    AddRecord(project, 129, 2, BandsFrom(17, {60.0}));
    AddRecord(project, 129, 0, BandsFrom(17, {80.0}));
    const NSpectrum maxima = project.m_Calc.SumSetCornerMaxima(project.GetMeasurementList(129));
    EXPECT_EQ(58.4, maxima.GetSpecLine(17));   // energetic mean of 56 and 60 dB
    EXPECT_EQ(40.0, maxima.GetSpecLine(18));
    EXPECT_EQ(kMissingValue, maxima.GetSpecLine(20));
    EXPECT_EQ(20, maxima.GetUpperFreq());
}

TEST(CalcMultiSet, RefusesMissingProjectValuesWithoutKeepingASet)
{
    const struct {
        const char* sName;
        CMethod pfnMethod;
        double dVolume;
        double dArea;
        bool bBB93;
        int nExpected;
    } cases[] = {
        {"R' without volume", &CCalc::CalcAppSoundReductionSets, 0.0, 16.0, false, 1},
        {"R' without area", &CCalc::CalcAppSoundReductionSets, 50.0, 0.0, false, 2},
        {"loudspeaker without area", &CCalc::CalcFacadeLoudspeakerSets, 50.0, 0.0, false, 2},
        {"traffic without volume", &CCalc::CalcFacadeTrafficSets, kNotANumber, 16.0, false, 1},
        {"Dn without volume", &CCalc::CalcLevelDifferenceSets, 0.0, 16.0, false, 1},
        {"DnT without T0", &CCalc::CalcAirborneSetsNoAreaTerm, 50.0, 16.0, true, 1},
        {"L'n without volume", &CCalc::CalcImpactLevelSets, 0.0, 16.0, false, 1},
        {"L'nT without T0", &CCalc::CalcStandImpactLevelSets, 50.0, 16.0, true, 1},
        {"laboratory R without area", &CCalc::CalcLabSoundReductionSets, 50.0, 0.0, false, 2},
        {"laboratory Dn without volume", &CCalc::CalcLabNormLevelDifferenceSets, 0.0, 16.0,
         false, 1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        SetUpSetProject(project);
        project.m_ReportInfo.m_dVolume = row.dVolume;
        project.m_ReportInfo.m_dArea = row.dArea;
        project.m_ReportInfo.m_bBB93 = row.bBB93;
        project.m_ReportInfo.m_dBB93ReverbTime = 0.0;
        AddAirborneSet(project, 1, 0.0);
        CCalc& calc = project.m_Calc;
        calc.m_dRating = 50.0;
        EXPECT_EQ(row.nExpected, (calc.*row.pfnMethod)());
        EXPECT_EQ(0, project.m_CalcSets.GetSize());
        EXPECT_EQ(kMissingValue, calc.m_dRating);
    }
}
