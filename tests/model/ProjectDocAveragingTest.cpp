// Behaviours of CProjectDoc's recalculation: which lists each hint averages
// and with which routine, the order of result pass, view update, modified
// flag and re-shown view per project kind, and the summary record that
// averaging builds (band range, rounding, title, neutral set-up, area sum).
//
// Not observable, so not tested: the order among the averaged lists (each
// list's average depends only on its own records).

#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const char kStale[] = "stale";

// A record whose level spectrum holds dValue in bands nLower to nUpper.
NBuildData LevelRecord(double dValue, int nLower = 10, int nUpper = 40)
{
    NBuildData rec = MakeRecord(0, kRoleSource);
    rec.m_Spectrum = NSpectrum(nLower, nUpper);
    rec.m_Spectrum.SetTitle("M");
    for (int nBand = nLower; nBand <= nUpper; ++nBand)
        rec.m_Spectrum.InsertData(nBand, dValue);
    return rec;
}

// Every summary record retitled, so that an averaged one shows.
void MarkSummariesStale(CProjectDoc& doc)
{
    for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId) {
        CMeasurementList& list = *doc.GetMeasurementList(nTableId);
        if (!list.IsEmpty())
            list.GetHead().m_Spectrum.SetTitle(kStale);
    }
}

std::vector<int> AveragedTables(CProjectDoc& doc)
{
    std::vector<int> aTables;
    for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId) {
        CMeasurementList& list = *doc.GetMeasurementList(nTableId);
        if (!list.IsEmpty() && list.GetHead().m_Spectrum.GetTitle() != kStale)
            aTables.push_back(nTableId);
    }
    return aTables;
}

struct CRecalcCase {
    const char* m_lpszName;
    std::vector<bool CReportInfo::*> m_aFlags;
    int m_nHint;
    int m_nCurrentViewKind;
    std::vector<int> m_aAveraged;
    std::vector<std::string> m_aEvents;
};

std::ostream& operator<<(std::ostream& os, const CRecalcCase& c)
{
    return os << c.m_lpszName;
}

const std::vector<int> kAllButCurves = {122, 123, 124, 125, 126, 128, 129, 130, 131, 132};

const CRecalcCase kRecalcCases[] = {
    {"all lists", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 0, 0, kAllButCurves,
     {"results", "update 0", "modified"}},
    {"one table", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 123, 0, {123},
     {"results", "update 123", "modified"}},
    {"report hint averages nothing", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 102, 102, {},
     {"results", "update 102", "modified", "show 102"}},
    {"result table re-shown", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 0, 103, kAllButCurves,
     {"results", "update 0", "modified", "show 103"}},
    {"result table hint re-shows nothing", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 103, 103, {},
     {"results", "update 103", "modified"}},
    {"reverberation: list 124 only", {&CReportInfo::m_bReverberation}, 0, 102, {124},
     {"results", "update 0", "show 102", "modified"}},
    {"reverberation: result table not re-shown", {&CReportInfo::m_bReverberation}, 0, 103, {124},
     {"results", "update 0", "modified"}},
    {"total loss factor: other table", {&CReportInfo::m_bTotalLossFactor}, 122, 0, {},
     {"results", "update 122", "modified"}},
    {"multiplot computes nothing", {&CReportInfo::m_bMultiplot}, 102, 102, {},
     {"update 102", "show 102", "modified"}},
    {"multiplot: result table not re-shown", {&CReportInfo::m_bMultiplot}, 0, 103, {},
     {"update 0", "modified"}},
};

TEST(CProjectDocAveraging, AveragesTheListsTheHintNamesThenCalculatesAndUpdates)
{
    for (const CRecalcCase& c : kRecalcCases) {
        SCOPED_TRACE(testing::PrintToString(c));
        CRecordingHost host;
        host.m_nCurrentViewKind = c.m_nCurrentViewKind;
        CProjectDoc doc;
        CRecordingViews views(host.m_aEvents);
        doc.SetViewSink(&views);
        doc.m_ReportInfo = KindWith(c.m_aFlags);
        MarkSummariesStale(doc);

        EXPECT_EQ(0, doc.Recalculate(c.m_nHint));

        EXPECT_EQ(c.m_aAveraged, AveragedTables(doc));
        EXPECT_EQ(c.m_aEvents, host.m_aEvents);
    }
}

TEST(CProjectDocAveraging, AveragesAListOfOnlyItsSummaryToAnEmptySpectrumDatedNow)
{
    CRecordingHost host;
    CProjectDoc doc;
    CMeasurementList& list = *doc.GetMeasurementList(122);
    list.GetHead() = LevelRecord(50.0);
    const CTime before = CTime::GetCurrentTime();

    doc.AverageList(&list);

    const NBuildData& summary = list.GetHead();
    for (int nBand = 0; nBand < kBandCount; ++nBand)
        EXPECT_TRUE(IsMissingValue(summary.m_Spectrum.GetSpecLine(nBand))) << nBand;
    EXPECT_EQ("Average", std::string(summary.m_Spectrum.GetTitle()));
    EXPECT_GE(summary.m_Time.GetTime(), before.GetTime());
}

TEST(CProjectDocAveraging, LeavesBandsOutsideTheBandRangeMissing)
{
    CRecordingHost host;
    host.m_Settings.m_nLowerFreq = 17;
    host.m_Settings.m_nUpperFreq = 37;
    CProjectDoc doc;
    CMeasurementList& list = *doc.GetMeasurementList(122);
    NBuildData rec = LevelRecord(50.0);
    list.AddTail(rec);

    doc.AverageList(&list);

    const NSpectrum& average = list.GetHead().m_Spectrum;
    EXPECT_TRUE(IsMissingValue(average.GetSpecLine(16)));
    EXPECT_DOUBLE_EQ(50.0, average.GetSpecLine(17));
    EXPECT_DOUBLE_EQ(50.0, average.GetSpecLine(37));
    EXPECT_TRUE(IsMissingValue(average.GetSpecLine(38)));
}

struct CRoundingCase {
    const char* m_lpszName;
    int m_nType;
    bool m_bTotalLossFactor;
    double m_dValue;
    double m_dExpected;
    int m_nExpectedMode;
};

TEST(CProjectDocAveraging, RoundsLevelsToOneDecimalAndReverberationTimesToTwoOrThree)
{
    const CRoundingCase kCases[] = {
        {"level", NSpectrum::kTypeLevel, false, 50.04, 50.0, 0},
        {"reverberation time", NSpectrum::kTypeReverberation, false, 1.2346, 1.23, 3},
        {"loss factor project", NSpectrum::kTypeReverberation, true, 1.2346, 1.235, 3},
    };
    for (const CRoundingCase& c : kCases) {
        SCOPED_TRACE(c.m_lpszName);
        CRecordingHost host;
        CProjectDoc doc;
        doc.m_ReportInfo.m_bTotalLossFactor = c.m_bTotalLossFactor;
        CMeasurementList& list = *doc.GetMeasurementList(124);
        list.GetHead().m_Spectrum.SetType(c.m_nType);
        list.GetHead().m_MeasSetup.SetMeasurementMode(7);
        NBuildData rec = LevelRecord(c.m_dValue, 20, 20);
        list.AddTail(rec);

        doc.AverageList(&list);

        const NBuildData& summary = list.GetHead();
        EXPECT_NEAR(c.m_dExpected, summary.m_Spectrum.GetSpecLine(20), 1e-9);
        EXPECT_EQ(c.m_nExpectedMode, summary.m_MeasSetup.GetMeasurementMode());
    }
}

TEST(CProjectDocAveraging, GivesTheSummaryANeutralSetUp)
{
    CRecordingHost host;
    CProjectDoc doc;
    CMeasurementList& list = *doc.GetMeasurementList(123);
    NBuildData& head = list.GetHead();
    head.m_MeasSetup.SetActivateChannel(2);
    head.m_MeasSetup.SetDescription(kRoleReceiving, 1);
    head.m_MeasSetup.SetInstrumentType(1, 2);
    head.m_MeasSetup.SetNameInstrument("Kel620", 1);
    head.m_saTexts.Add("note");
    NBuildData rec = LevelRecord(40.0);
    list.AddTail(rec);

    doc.AverageList(&list);

    const NBuildData& summary = list.GetHead();
    EXPECT_TRUE(summary.m_MeasSetup.IsChannelActivated(1));
    EXPECT_FALSE(summary.m_MeasSetup.IsChannelActivated(2));
    EXPECT_EQ(CMeasSetup::kNotGiven, summary.m_MeasSetup.GetDescription(1));
    EXPECT_EQ(4, summary.m_MeasSetup.GetInstrumentType(2));
    EXPECT_TRUE(summary.m_MeasSetup.GetNameInstrument(1).IsEmpty());
    EXPECT_EQ(8, summary.m_MeasSetup.GetLowerFreq());
    EXPECT_EQ(43, summary.m_MeasSetup.GetUpperFreq());
    EXPECT_EQ(0, summary.m_saTexts.GetSize());
}

TEST(CProjectDocAveraging, SumsThePresentAreasOfAnIntensityList)
{
    const double kAreas[][3] = {
        {2.5, kMissingValue, 4.0},
        {kMissingValue, kMissingValue, kMissingValue},
    };
    const double kExpected[] = {6.5, kMissingValue};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        CRecordingHost host;
        CProjectDoc doc;
        doc.m_ReportInfo.m_bLab = doc.m_ReportInfo.m_bAirborne = doc.m_ReportInfo.m_bIntensity = true;
        CMeasurementList& list = *doc.GetMeasurementList(123);
        for (double dArea : kAreas[i]) {
            NBuildData rec = LevelRecord(40.0);
            rec.m_dArea = dArea;
            list.AddTail(rec);
        }
        MarkSummariesStale(doc);

        doc.Recalculate(123);

        EXPECT_EQ(std::vector<int>{123}, AveragedTables(doc));
        EXPECT_DOUBLE_EQ(kExpected[i], list.GetHead().m_dArea);
    }
}

} // namespace

// With the program's own host the recalculation runs the engine's result pass:
// a reverberation project ends with the mean reverberation time as its rating.
TEST(CProjectDocAveraging, RecalculationRunsTheResultPassOfTheProjectKind)
{
    CProjectDoc doc;
    doc.m_ReportInfo.m_bReverberation = true;
    CMeasurementList& list = *doc.GetMeasurementList(124);
    list.GetHead().m_Spectrum.SetType(NSpectrum::kTypeReverberation);
    const double kTimes[] = {0.50, 0.50, 0.50, 0.50, 0.50, 0.50, 0.50, 0.52, 0.54,
                             0.56, 0.58, 0.60, 0.50, 0.50, 0.50, 0.50, 0.50, 0.50};
    for (int nRecord = 0; nRecord < 2; ++nRecord) {
        NBuildData rec = MakeRecord(3, kRoleSource);
        rec.m_Spectrum.SetType(NSpectrum::kTypeReverberation);
        for (int nBand = 20; nBand < 38; ++nBand)
            rec.m_Spectrum.InsertData(nBand, kTimes[nBand - 20]);
        list.AddTail(rec);
    }

    doc.Recalculate(124);

    EXPECT_DOUBLE_EQ(0.55, doc.m_Calc.m_dRating);
}
