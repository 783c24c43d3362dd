// Behaviours of CProjectDoc's filing: the table each record goes to by mode,
// role and project kind; records for tables the project kind does not show;
// the multiplot limit and curve defaults; duplicates; set numbers; the tree
// leaves of filed, removed and renamed records.

#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const int kNone = -1;

typedef std::vector<bool CReportInfo::*> CFlags;

const CFlags kFieldAirborne = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne};
const CFlags kFieldImpact = {&CReportInfo::m_bField, &CReportInfo::m_bImpact};
const CFlags kFieldSingleLoudspeaker = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bSingleLoudspeaker};
const CFlags kImpactAirborne = {&CReportInfo::m_bField, &CReportInfo::m_bImpactAirborne};
const CFlags kImpactCorrected = {&CReportInfo::m_bLab, &CReportInfo::m_bImpactCorrected};
const CFlags kIntensity = {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bIntensity};
const CFlags kCornerAirborne = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner};
const CFlags kCornerImpact = {&CReportInfo::m_bField, &CReportInfo::m_bImpact, &CReportInfo::m_bCorner};
const CFlags kLabAirborne = {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne};
const CFlags kLabImpactReduction = {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReduction};

struct CFilingCase {
    const char* m_lpszKind;
    const CFlags& m_flags;
    int m_nMode;
    int m_nRole;
    int m_nResult;
    int m_nFiledTable;  // kNone: no list grows
};

std::ostream& operator<<(std::ostream& os, const CFilingCase& c)
{
    return os << c.m_lpszKind << " mode " << c.m_nMode << " role " << c.m_nRole;
}

const CFilingCase kFilingCases[] = {
    {"field airborne", kFieldAirborne, 0, 0, 0, 122},
    {"field airborne", kFieldAirborne, 2, 1, 0, 123},
    {"field airborne", kFieldAirborne, 10, 1, 0, 123},
    {"field airborne", kFieldAirborne, 5, 2, 0, 125},
    {"field airborne", kFieldAirborne, 5, 10, -1, kNone},
    {"field airborne", kFieldAirborne, 3, 3, 0, 124},
    {"field airborne", kFieldAirborne, 1, 1, -1, kNone},
    {"field airborne", kFieldAirborne, 12, 1, -1, kNone},
    {"field airborne, table without group", kFieldAirborne, 4, 4, 0, kNone},
    {"field impact", kFieldImpact, 1, 1, 0, 123},
    {"field impact", kFieldImpact, 0, 0, -1, kNone},
    {"field single loudspeaker", kFieldSingleLoudspeaker, 0, -999, 0, 130},
    {"impact airborne", kImpactAirborne, 0, 0, 0, 128},
    {"impact airborne", kImpactAirborne, 2, 1, 0, 129},
    {"impact airborne", kImpactAirborne, 1, 0, 0, 122},
    {"impact airborne", kImpactAirborne, 1, 1, 0, 123},
    {"impact airborne", kImpactAirborne, 1, 2, -1, kNone},
    {"impact airborne", kImpactAirborne, 5, 7, 0, 125},
    {"impact airborne", kImpactAirborne, 11, 3, 0, 124},
    {"impact corrected, table without group", kImpactCorrected, 5, 2, 0, kNone},
    {"intensity", kIntensity, 0, 0, 0, 122},
    {"intensity", kIntensity, 12, 1, 0, 129},
    {"intensity", kIntensity, 12, 0, -1, kNone},
    {"intensity", kIntensity, 0, 1, 0, 123},
    {"intensity", kIntensity, 2, 1, -1, kNone},
    {"intensity", kIntensity, 10, 1, -1, kNone},
    {"intensity", kIntensity, 5, 99, 0, 125},
    {"corner airborne", kCornerAirborne, 0, 8, 0, 128},
    {"corner airborne", kCornerAirborne, 10, 9, 0, 129},
    {"corner airborne", kCornerAirborne, 5, 2, 0, 125},
    {"corner airborne", kCornerAirborne, 5, 10, 0, 132},
    {"corner airborne", kCornerAirborne, 4, 11, 0, 126},
    {"corner airborne", kCornerAirborne, 1, 1, -1, kNone},
    {"corner impact", kCornerImpact, 1, 9, 0, 129},
    {"corner impact", kCornerImpact, 1, 1, 0, 123},
    {"corner impact", kCornerImpact, 0, 0, -1, kNone},
    {"lab airborne", kLabAirborne, 0, -999, 0, 130},
    {"lab airborne", kLabAirborne, 0, -1, -1, kNone},
    {"lab impact reduction", kLabImpactReduction, 0, -999, 0, 130},
    {"lab impact reduction", kLabImpactReduction, 0, -1, 0, 131},
    {"lab impact reduction", kLabImpactReduction, 2, -999, -1, kNone},
};

// The tables whose lists grew since the counts were taken.
std::vector<int> GrownTables(CProjectDoc& doc, const std::vector<int>& aCountsBefore)
{
    std::vector<int> aGrown;
    for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId) {
        if (doc.GetMeasurementList(nTableId)->GetCount() > aCountsBefore[nTableId - kFirstTableId])
            aGrown.push_back(nTableId);
    }
    return aGrown;
}

std::vector<int> CountsOf(CProjectDoc& doc)
{
    std::vector<int> aCounts;
    for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId)
        aCounts.push_back(doc.GetMeasurementList(nTableId)->GetCount());
    return aCounts;
}

TEST(CProjectDocFiling, FilesEachRecordIntoTheTableOfItsModeRoleAndProjectKind)
{
    for (const CFilingCase& c : kFilingCases) {
        SCOPED_TRACE(testing::PrintToString(c));
        CRecordingHost host;
        CProjectDoc doc;
        doc.m_ReportInfo = KindWith(c.m_flags);
        const std::vector<int> aCountsBefore = CountsOf(doc);

        EXPECT_EQ(c.m_nResult, doc.AddMeasurement(MakeRecord(c.m_nMode, c.m_nRole), TRUE));

        const std::vector<int> aExpected = c.m_nFiledTable == kNone ? std::vector<int>() : std::vector<int>{c.m_nFiledTable};
        EXPECT_EQ(aExpected, GrownTables(doc, aCountsBefore));
        const std::vector<std::string> aModified = c.m_nResult == 0 ? std::vector<std::string>{"modified"} : std::vector<std::string>();
        EXPECT_EQ(aModified, host.m_aEvents);
    }
}

TEST(CProjectDocFiling, ReadsTheRoleOfChannelTwoWhenItIsActive)
{
    CRecordingHost host;
    CProjectDoc doc;
    doc.m_ReportInfo = KindWith(kFieldAirborne);
    NBuildData rec = MakeRecord(0, kRoleSource);
    rec.m_MeasSetup.SetDescription(kRoleReceiving, 2);
    rec.m_MeasSetup.SetActivateChannel(2);

    EXPECT_EQ(0, doc.AddMeasurement(rec, TRUE));

    EXPECT_EQ(2, doc.GetMeasurementList(123)->GetCount());
    EXPECT_EQ(1, doc.GetMeasurementList(122)->GetCount());
}

TEST(CProjectDocFiling, RefusesTheEleventhMultiplotCurveAndGivesEachCurveItsDefaults)
{
    CRecordingHost host;
    CProjectDoc doc;
    doc.m_ReportInfo.m_bMultiplot = true;
    for (int nCurve = 0; nCurve < kMaxMultiplotCurves; ++nCurve)
        ASSERT_EQ(0, doc.AddMeasurement(MakeRecord(0, kRoleSource), TRUE));

    EXPECT_EQ(-1, doc.AddMeasurement(MakeRecord(0, kRoleSource), TRUE));

    const CMeasurementList& curves = *doc.GetMeasurementList(kMultiplotTableId);
    ASSERT_EQ(kMaxMultiplotCurves, curves.GetCount());
    int nCurve = 0;
    for (POSITION pos = curves.GetHeadPosition(); pos != nullptr; ++nCurve) {
        SCOPED_TRACE(nCurve);
        const NBuildData& rec = curves.GetNext(pos);
        EXPECT_EQ(nCurve, rec.m_nLineColor);
        EXPECT_EQ(nCurve, rec.m_nLineStyle);
        EXPECT_EQ(nCurve, rec.m_nLineSize);
    }
}

struct CDuplicateCase {
    const char* m_lpszName;
    int m_nYear;
    int m_nSecondChannel;
    int m_nExpectedCount;  // records in list 122 after filing both
};

TEST(CProjectDocFiling, SkipsARecordOfTheSameTimeAndChannelAndStillReturnsZero)
{
    const CDuplicateCase kCases[] = {
        {"same time and channel", 2021, 1, 2},
        {"time in 1970", 1970, 1, 3},
        {"other channel", 2021, 2, 3},
    };
    for (const CDuplicateCase& c : kCases) {
        SCOPED_TRACE(c.m_lpszName);
        CRecordingHost host;
        CProjectDoc doc;
        doc.m_ReportInfo = KindWith(kFieldAirborne);
        NBuildData first = MakeRecord(0, kRoleSource);
        first.m_Time = CTime(c.m_nYear, 6, 1, 12, 0, 0);
        NBuildData second = first;
        second.m_MeasSetup.SetDescription(kRoleSource, 2);
        second.m_MeasSetup.SetActivateChannel(c.m_nSecondChannel);

        EXPECT_EQ(0, doc.AddMeasurement(first, TRUE));
        EXPECT_EQ(0, doc.AddMeasurement(second, TRUE));

        EXPECT_EQ(c.m_nExpectedCount, doc.GetMeasurementList(122)->GetCount());
        EXPECT_EQ(2u, host.m_aEvents.size());  // each call marks the workspace modified
    }
}

TEST(CProjectDocFiling, TakesRepeatedRecordsIntoTheFacilityTablesWithoutDuplicateCheck)
{
    CRecordingHost host;
    CProjectDoc doc;
    doc.m_ReportInfo = KindWith(kLabImpactReduction);
    NBuildData rec = MakeRecord(0, kRoleWithFacility);
    rec.m_Time = CTime(2021, 6, 1, 12, 0, 0);

    doc.AddMeasurement(rec, TRUE);
    doc.AddMeasurement(rec, TRUE);

    EXPECT_EQ(3, doc.GetMeasurementList(130)->GetCount());
}

struct CSetNumberCase {
    const char* m_lpszName;
    int m_nMode;
    int m_nPreviousSet;  // set number of a record filed before; -2: none filed
    int m_nGivenSet;
    int m_nExpectedSet;
};

TEST(CProjectDocFiling, CompletesTheSetNumberFromTheListsLastRecord)
{
    const CSetNumberCase kCases[] = {
        {"first measurement opens set 1", 0, -2, -1, 1},
        {"first background record is in no set", 5, -2, -1, 0},
        {"joins the set of the record before", 0, 4, -1, 4},
        {"keeps its own set", 0, 4, 7, 7},
        {"background joins set 0 before it", 5, 0, -1, 0},
    };
    for (const CSetNumberCase& c : kCases) {
        SCOPED_TRACE(c.m_lpszName);
        CRecordingHost host;
        CProjectDoc doc;
        doc.m_ReportInfo = KindWith(kFieldAirborne);
        const int nRole = c.m_nMode == 5 ? kRoleBackground : kRoleSource;
        if (c.m_nPreviousSet != -2) {
            NBuildData previous = MakeRecord(c.m_nMode, nRole);
            previous.m_nSetNumber = c.m_nPreviousSet;
            doc.AddMeasurement(previous, FALSE);
        }
        NBuildData rec = MakeRecord(c.m_nMode, nRole);
        rec.m_nSetNumber = c.m_nGivenSet;

        doc.AddMeasurement(rec, FALSE);

        const int nTableId = c.m_nMode == 5 ? 125 : 122;
        EXPECT_EQ(c.m_nExpectedSet, doc.GetMeasurementList(nTableId)->GetTail().m_nSetNumber);
    }
}

TEST(CProjectDocFiling, AddsRemovesAndRenamesTreeLeaves)
{
    CRecordingHost host;
    CProjectDoc doc;
    CRecordingViews views(host.m_aEvents);
    doc.SetTreeSink(&views);
    doc.m_ReportInfo = KindWith(kFieldAirborne);

    doc.AddMeasurement(MakeRecord(0, kRoleReceiving, "Pos 1"), TRUE);
    const POSITION pos = doc.GetMeasurementList(123)->GetTailPosition();
    doc.UpdateMeasurementName(123, pos, "Pos 1a");
    doc.RemoveMeasurement(123, pos);
    doc.RemoveMeasurement(133, nullptr);

    const std::vector<std::string> aExpected = {"add 123 Pos 1", "modified", "rename 123 Pos 1a", "modified",
                                                "remove 123", "modified", "modified"};
    EXPECT_EQ(aExpected, host.m_aEvents);
    EXPECT_EQ(std::vector<std::string>{"Average"}, TitlesOf(*doc.GetMeasurementList(123)));
}

// A tree that reads the record its leaf stands for while it removes the leaf.
class CRecordReadingTree : public CRecordingViews {
public:
    CRecordReadingTree(std::vector<std::string>& rEvents, CProjectDoc& doc) : CRecordingViews(rEvents), m_doc(doc) {}

    void RemoveMeasurementItem(int nTableId, POSITION pos) override
    {
        m_aTitles.push_back(static_cast<LPCTSTR>(m_doc.GetMeasurementList(nTableId)->GetAt(pos).m_Spectrum.GetTitle()));
    }

    CProjectDoc& m_doc;
    std::vector<std::string> m_aTitles;
};

TEST(CProjectDocFiling, RemovesTheLeafWhileItsRecordIsStillThere)
{
    CRecordingHost host;
    CProjectDoc doc;
    CRecordReadingTree tree(host.m_aEvents, doc);
    doc.SetTreeSink(&tree);
    doc.m_ReportInfo = KindWith(kFieldAirborne);
    doc.AddMeasurement(MakeRecord(0, kRoleReceiving, "Pos 1"), TRUE);

    doc.RemoveMeasurement(123, doc.GetMeasurementList(123)->GetTailPosition());

    EXPECT_EQ(std::vector<std::string>{"Pos 1"}, tree.m_aTitles);
    EXPECT_EQ(std::vector<std::string>{"Average"}, TitlesOf(*doc.GetMeasurementList(123)));
}

} // namespace
