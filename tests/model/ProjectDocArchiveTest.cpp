// Behaviours of CProjectDoc::Serialize: round trips, hand-built files of
// older schemas with the migration of the test-facility tables, refused
// schemas, files that end early, the global project counter after a read,
// and the first calculation record of a new archive byte by byte.

#include "ProjectTestSupport.h"
#include "platform/afx/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <ostream>

namespace {

// A project with something in every part of its file.
void FillProject(CProjectDoc& doc)
{
    doc.m_sName = "Floor 3";
    doc.m_bMultiplotAutoScale = FALSE;
    doc.m_dMultiplotRange = 45.5;
    doc.m_dMultiplotMax = 88.0;
    doc.m_nMultiplotGraphType = 2;
    doc.m_nMultiplotLineType = 1;
    doc.m_ReportInfo.m_bField = doc.m_ReportInfo.m_bAirborne = true;
    doc.m_ReportInfo.m_sTitle = "Apparent sound reduction index";
    doc.m_Calc.m_dRating = 52.0;
    doc.m_Calc.m_sLabel = "Rw";
    CCalc set = doc.m_Calc;
    set.m_dRating = 51.0;
    doc.m_CalcSets.Add(set);
    set.m_dRating = 53.0;
    doc.m_CalcSets.Add(set);
    for (const char* lpszTitle : {"S1", "S2"}) {
        NBuildData rec = MakeRecord(0, kRoleSource, lpszTitle);
        doc.GetMeasurementList(122)->AddTail(rec);
    }
    NBuildData curve = MakeRecord(0, kRoleSource, "Curve");
    doc.GetMeasurementList(127)->AddTail(curve);
    NBuildData corner = MakeRecord(5, kRoleBackgroundCorner, "B corner");
    doc.GetMeasurementList(132)->AddTail(corner);
}

Bytes StoreProject(CProjectDoc& doc)
{
    return StoreBytes([&](CArchive& ar) { doc.Serialize(ar); });
}

void LoadProject(CProjectDoc& doc, const Bytes& file)
{
    LoadBytes(file, [&](CArchive& ar) { doc.Serialize(ar); });
}

TEST(CProjectDocArchive, ReadsBackEveryFieldListAndResultAndKeepsTheCounter)
{
    CRecordingHost host;
    CProjectDoc source;
    FillProject(source);
    const int nCounter = CProjectDoc::GetProjectCounter();
    const Bytes file = StoreProject(source);

    CProjectDoc read;
    LoadProject(read, file);

    EXPECT_EQ(nCounter, CProjectDoc::GetProjectCounter());
    EXPECT_EQ(source.m_nProjectNumber, read.m_nProjectNumber);
    EXPECT_EQ(CString("Floor 3"), read.m_sName);
    EXPECT_FALSE(read.m_bMultiplotAutoScale);
    EXPECT_EQ(45.5, read.m_dMultiplotRange);
    EXPECT_EQ(2, read.m_nMultiplotGraphType);
    EXPECT_TRUE(read.m_ReportInfo.m_bAirborne);
    EXPECT_EQ(52.0, read.m_Calc.m_dRating);
    EXPECT_EQ(&read, read.m_Calc.m_pDoc);
    ASSERT_EQ(2, read.m_CalcSets.GetSize());
    EXPECT_EQ(53.0, read.m_CalcSets[1].m_dRating);
    EXPECT_EQ((std::vector<std::string>{"Average", "S1", "S2"}), TitlesOf(*read.GetMeasurementList(122)));
    EXPECT_EQ(std::vector<std::string>{"Curve"}, TitlesOf(*read.GetMeasurementList(127)));
    EXPECT_EQ((std::vector<std::string>{"Average", "B corner"}), TitlesOf(*read.GetMeasurementList(132)));
    EXPECT_EQ(file, StoreProject(read));
}

TEST(CProjectDocArchive, WritesTheFirstCalculationRecordWith268BytesBeforeItsSpectra)
{
    CCalc calc;
    NSpectrum empty;
    const size_t nSpectrumSize = StoreBytes([&](CArchive& ar) { empty.Serialize(ar); }).size();

    const Bytes record = StoreBytes([&](CArchive& ar) { calc.Serialize(ar); });

    const Bytes classRecord = Bytes{0xFF, 0xFF, 10, 0, 5, 0} + std::string("CCalc");
    EXPECT_EQ(classRecord, Bytes(record.begin(), record.begin() + classRecord.size()));
    EXPECT_EQ(268 + kCalcSpectrumCount * nSpectrumSize, record.size());
}

// A project file of an older schema, written field by field: the lists from
// 122 to nLastTable, and the fields of the schema's branch.
Bytes OlderProjectFile(WORD wSchema, int nLastTable, CProjectDoc& source)
{
    return StoreBytes([&](CArchive& ar) {
        ar << static_cast<DWORD>(0);
        ar << static_cast<WORD>(0xFFFF) << wSchema << static_cast<WORD>(12);
        ar.Write("CVestolarDoc", 12);
        ar << 7 << source.m_nProjectNumber;
        if (wSchema >= 2)
            ar << source.m_sName;
        if (wSchema >= 3) {
            ar << static_cast<DWORD>(source.m_bMultiplotAutoScale) << source.m_dMultiplotRange << source.m_dMultiplotMax;
            ar << source.m_nMultiplotGraphType << source.m_nMultiplotLineType;
        }
        source.m_ReportInfo.Serialize(ar);
        source.m_Calc.Serialize(ar);
        for (int nTableId = kFirstTableId; nTableId <= nLastTable; ++nTableId)
            source.GetMeasurementList(nTableId)->Serialize(ar);
    });
}

// An older project whose list 130 holds a summary and two measurements of
// the table without the test facility, and whose spectrum 18 holds a result.
void FillOlderProject(CProjectDoc& doc)
{
    FillProject(doc);
    doc.m_CalcSets.RemoveAll();
    doc.m_Calc.m_aSpec[18] = NSpectrum(20, 20);
    doc.m_Calc.m_aSpec[18].InsertData(20, 12.5);
    for (const char* lpszTitle : {"W1", "W2"}) {
        NBuildData rec = MakeRecord(0, kRoleSource, lpszTitle);
        rec.m_MeasSetup.SetActivateChannel(2);
        doc.GetMeasurementList(130)->AddTail(rec);
    }
}

struct COlderProjectCase {
    WORD m_wSchema;
    int m_nLastTable;
    bool m_bMigrated;
};

std::ostream& operator<<(std::ostream& os, const COlderProjectCase& c)
{
    return os << "schema " << c.m_wSchema;
}

TEST(CProjectDocArchive, ReadsOlderSchemasAndMovesTheOldFacilityTableTo131)
{
    const COlderProjectCase kCases[] = {{2, 126, true}, {6, 131, true}, {8, 132, false}};
    for (const COlderProjectCase& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c));
        CRecordingHost host;
        CProjectDoc source;
        FillOlderProject(source);
        const Bytes file = OlderProjectFile(c.m_wSchema, c.m_nLastTable, source);
        CProjectDoc read;
        read.m_dMultiplotRange = 1.0;
        read.m_CalcSets.Add(read.m_Calc);

        LoadProject(read, file);

        EXPECT_EQ(c.m_wSchema >= 3 ? 45.5 : 60.0, read.m_dMultiplotRange);
        EXPECT_EQ(c.m_wSchema >= 3 ? 88.0 : 70.0, read.m_dMultiplotMax);
        EXPECT_EQ(CString("Floor 3"), read.m_sName);
        EXPECT_EQ(0, read.m_CalcSets.GetSize());
        EXPECT_EQ((std::vector<std::string>{"Average", "S1", "S2"}), TitlesOf(*read.GetMeasurementList(122)));
        EXPECT_EQ(c.m_wSchema >= 3 ? 1 : 0, read.GetMeasurementList(127)->GetCount());
        EXPECT_EQ(c.m_nLastTable >= 132 ? 2 : 1, read.GetMeasurementList(132)->GetCount());

        const std::vector<std::string> aStored130 = c.m_nLastTable >= 130 ? std::vector<std::string>{"Average", "W1", "W2"}
                                                                          : std::vector<std::string>{"Average"};
        const CMeasurementList& with = *read.GetMeasurementList(130);
        const CMeasurementList& without = *read.GetMeasurementList(131);
        if (!c.m_bMigrated) {
            EXPECT_EQ(aStored130, TitlesOf(with));
            EXPECT_EQ(std::vector<std::string>{"Average"}, TitlesOf(without));
            continue;
        }
        EXPECT_EQ(aStored130, TitlesOf(without));
        for (POSITION pos = without.GetHeadPosition(); pos != nullptr;) {
            const CMeasSetup& setup = without.GetNext(pos).m_MeasSetup;
            EXPECT_EQ(0, setup.GetMeasurementMode());
            EXPECT_FALSE(setup.IsChannelActivated(2));
            EXPECT_EQ(kRoleWithoutFacility, setup.GetDescription(1));
        }
        EXPECT_EQ((std::vector<std::string>{"Average", "Untitled"}), TitlesOf(with));
        EXPECT_EQ(12.5, with.GetTail().m_Spectrum.GetSpecLine(20));
        EXPECT_EQ(kRoleWithFacility, with.GetTail().m_MeasSetup.GetDescription(1));
        EXPECT_EQ(CString("Untitled"), read.m_Calc.m_aSpec[18].GetTitle());
    }
}

TEST(CProjectDocArchive, RefusesSchemas0And10NamingTheDocumentClass)
{
    for (WORD wSchema : {0, 10}) {
        SCOPED_TRACE(wSchema);
        CRecordingHost host;
        const Bytes file = Bytes{0, 0, 0, 0, 0xFF, 0xFF, static_cast<BYTE>(wSchema), 0, 12, 0} +
                           std::string("CVestolarDoc") + Bytes(16, 0);
        CProjectDoc read;
        try {
            LoadProject(read, file);
            ADD_FAILURE() << "no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(CArchiveException::badSchema, e.m_cause);
            EXPECT_EQ(CString("CVestolarDoc"), e.m_strFileName);
        }
    }
}

TEST(CProjectDocArchive, LeavesDocumentAndCounterAsTheyWereWhenTheFileEndsEarly)
{
    CRecordingHost host;
    CProjectDoc source;
    FillProject(source);
    const Bytes file = StoreProject(source);
    CProjectDoc read;
    read.m_sName = "Before";
    const int nCounter = CProjectDoc::GetProjectCounter();
    const int nNumber = read.m_nProjectNumber;

    for (size_t nLength : {file.size() / 4, file.size() / 2, file.size() - 1}) {
        SCOPED_TRACE(nLength);
        const int nCause = ArchiveCause([&] { LoadProject(read, Bytes(file.begin(), file.begin() + nLength)); });

        EXPECT_EQ(CArchiveException::endOfFile, nCause);
        EXPECT_EQ(CString("Before"), read.m_sName);
        EXPECT_EQ(nNumber, read.m_nProjectNumber);
        EXPECT_EQ(std::vector<std::string>{"Average"}, TitlesOf(*read.GetMeasurementList(122)));
        EXPECT_EQ(0, read.m_CalcSets.GetSize());
        EXPECT_EQ(nCounter, CProjectDoc::GetProjectCounter());
    }
}

// A file saved when the counter was low must not make a later new project
// take the number of one already open.
TEST(CProjectDocArchive, RaisesTheCounterToEveryProjectNumberInUse)
{
    CRecordingHost host;
    CProjectDoc::SetProjectCounter(0);
    Bytes file;
    {
        CProjectDoc early;  // number 1, counter 1 in its file
        file = StoreProject(early);
    }
    CProjectDoc second;
    CProjectDoc third;
    CProjectDoc loaded;

    LoadProject(loaded, file);

    EXPECT_EQ(1, loaded.m_nProjectNumber);
    CProjectDoc next;
    for (const CProjectDoc* pDoc : {&second, &third, &loaded})
        EXPECT_NE(pDoc->m_nProjectNumber, next.m_nProjectNumber);
}

// The counter counts up from the stored numbers, for each new project and
// each merged one: a file whose numbers leave it no room, or are negative,
// is refused before it changes the document or the counter.
TEST(CProjectDocArchive, RefusesProjectNumbersThatLeaveTheCounterNoRoom)
{
    struct Row {
        int nCounter;
        int nNumber;
        bool bRead;
    } rows[] = {
        {1 << 24, 1 << 24, true},
        {(1 << 24) + 1, 1, false},
        {1, (1 << 24) + 1, false},
        {INT_MAX, 1, false},
        {1, INT_MAX, false},
        {-1, 1, false},
        {1, INT_MIN, false},
    };
    CRecordingHost host;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nCounter) + " " + std::to_string(row.nNumber));
        CProjectDoc source;
        CProjectDoc::SetProjectCounter(row.nCounter);
        source.m_nProjectNumber = row.nNumber;
        const Bytes file = StoreProject(source);
        CProjectDoc::SetProjectCounter(0);
        CProjectDoc read;  // number 1
        if (row.bRead) {
            LoadProject(read, file);
            EXPECT_EQ(row.nNumber, read.m_nProjectNumber);
        } else {
            EXPECT_THROW(LoadProject(read, file), CArchiveException);
            EXPECT_EQ(1, read.m_nProjectNumber);
            EXPECT_EQ(1, CProjectDoc::GetProjectCounter());
        }
    }
}

} // namespace
