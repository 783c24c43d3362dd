// The project file of CProjectDoc: one archive per project, written in
// schema 9 and read in every schema from 1 to 9. A read fills a copy of the
// project and takes it over only when the whole file was read, so a file
// that ends early or is refused leaves the document and the global project
// counter as they were.

#include "ProjectDoc.h"

#include "ProjectHost.h"

#include "res/resource.h"

#include <algorithm>

namespace {

const UINT kCurrentSchema = 9;
// Schemas before 7 kept the measurements without the test facility or
// reference floor in list 130.
const UINT kFirstSchemaWithTable131 = 7;
// Project numbers are handed out by counting up from the stored counter, also
// for every project a merge adds; a number this high is no workspace's and
// would leave the counter no room before it overflows.
const int kHighestStoredProjectNumber = 1 << 24;

// The last list a schema holds, for schemas 1 to 9.
int LastTableOfSchema(UINT nSchema)
{
    static const int kLastTable[] = {0, 126, 126, 127, 129, 130, 131, 131, 132, 132};
    return kLastTable[nSchema];
}

// The framework's list copy needs a const argument type; the program's lists
// take records by reference, so they are copied record by record.
void CopyList(const CMeasurementList& source, CMeasurementList& target)
{
    target.RemoveAll();
    for (POSITION pos = source.GetHeadPosition(); pos != nullptr;) {
        NBuildData rec = source.GetNext(pos);
        target.AddTail(rec);
    }
}

CString AverageTitle()
{
    CString sAverage;
    sAverage.LoadString(IDS_AVERAGE);
    return sAverage;
}

bool IsStorableProjectNumber(int nNumber)
{
    return nNumber >= 0 && nNumber <= kHighestStoredProjectNumber;
}

} // namespace

// Everything a project file holds, read aside before the document takes it.
struct CProjectDoc::CStoredProject {
    int m_nProjectCounter = 0;
    int m_nProjectNumber = 0;
    CString m_sName;
    BOOL m_bMultiplotAutoScale = TRUE;
    double m_dMultiplotRange = 60.0;
    double m_dMultiplotMax = 70.0;
    int m_nMultiplotGraphType = 0;
    int m_nMultiplotLineType = 0;
    CReportInfo m_ReportInfo;
    CCalc m_Calc;
    CArray<CCalc, CCalc&> m_CalcSets;
    CMeasurementList m_aMeasLists[kTableCount];

    CMeasurementList& List(int nTableId) { return m_aMeasLists[nTableId - kFirstTableId]; }
    void MigrateFacilityTables(const CString& sUntitled);
};

void CProjectDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

// The base part is the record of embedded items of the program's document
// class: a count, always 0 for a project.
void CProjectDoc::Store(CArchive& ar)
{
    ar << static_cast<DWORD>(0);
    ar.WriteClass(GetRuntimeClass());
    ar << GetProjectCounter() << m_nProjectNumber << m_sName;
    ar << static_cast<DWORD>(m_bMultiplotAutoScale ? 1 : 0) << m_dMultiplotRange << m_dMultiplotMax;
    ar << m_nMultiplotGraphType << m_nMultiplotLineType;
    m_ReportInfo.Serialize(ar);
    m_Calc.Serialize(ar);
    m_CalcSets.Serialize(ar);
    for (CMeasurementList& list : m_aMeasLists)
        list.Serialize(ar);
}

void CProjectDoc::Load(CArchive& ar)
{
    DWORD nEmbeddedItems;
    ar >> nEmbeddedItems;
    if (nEmbeddedItems != 0)
        AfxThrowArchiveException(CArchiveException::badIndex, GetRuntimeClass()->m_lpszClassName);
    UINT nSchema = 0;
    ar.ReadClass(GetRuntimeClass(), &nSchema);
    if (nSchema < 1 || nSchema > kCurrentSchema) {
        ar.Abort();
        AfxThrowArchiveException(CArchiveException::badSchema, GetRuntimeClass()->m_lpszClassName);
    }

    // Lists the file does not hold keep what the document has: after
    // construction, their summary records.
    CStoredProject stored;
    stored.m_ReportInfo = m_ReportInfo;
    stored.m_Calc = m_Calc;
    for (int nTableId = kMultiplotTableId + 1; nTableId <= kLastTableId; ++nTableId)
        CopyList(*GetMeasurementList(nTableId), stored.List(nTableId));

    ar >> stored.m_nProjectCounter >> stored.m_nProjectNumber;
    if (!IsStorableProjectNumber(stored.m_nProjectCounter) || !IsStorableProjectNumber(stored.m_nProjectNumber))
        AfxThrowArchiveException(CArchiveException::badIndex, GetRuntimeClass()->m_lpszClassName);
    if (nSchema >= 2)
        ar >> stored.m_sName;
    if (nSchema >= 3) {
        DWORD dwAutoScale;
        ar >> dwAutoScale >> stored.m_dMultiplotRange >> stored.m_dMultiplotMax;
        ar >> stored.m_nMultiplotGraphType >> stored.m_nMultiplotLineType;
        stored.m_bMultiplotAutoScale = dwAutoScale != 0;
    }
    stored.m_ReportInfo.Serialize(ar);
    stored.m_Calc.Serialize(ar);
    if (nSchema >= 9)
        stored.m_CalcSets.Serialize(ar);
    for (int nTableId = kFirstTableId; nTableId <= LastTableOfSchema(nSchema); ++nTableId) {
        stored.List(nTableId).RemoveAll();
        stored.List(nTableId).Serialize(ar);
    }
    if (nSchema < kFirstSchemaWithTable131)
        stored.MigrateFacilityTables(CProjectHost::GetCurrent().GetUntitledText());
    TakeStoredProject(stored);
}

// The loaded project replaces the document's. The global project counter
// becomes the stored one, raised to the highest project number in use, so
// that no two projects share a number and a project file name.
void CProjectDoc::TakeStoredProject(CStoredProject& stored)
{
    m_nProjectNumber = stored.m_nProjectNumber;
    m_sName = stored.m_sName;
    m_bMultiplotAutoScale = stored.m_bMultiplotAutoScale;
    m_dMultiplotRange = stored.m_dMultiplotRange;
    m_dMultiplotMax = stored.m_dMultiplotMax;
    m_nMultiplotGraphType = stored.m_nMultiplotGraphType;
    m_nMultiplotLineType = stored.m_nMultiplotLineType;
    m_ReportInfo = stored.m_ReportInfo;
    m_Calc = stored.m_Calc;
    m_Calc.m_pDoc = this;
    m_CalcSets = stored.m_CalcSets;
    for (int i = 0; i < m_CalcSets.GetSize(); ++i)
        m_CalcSets[i].m_pDoc = this;
    for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId)
        CopyList(stored.List(nTableId), *GetMeasurementList(nTableId));
    SetProjectCounter(std::max(stored.m_nProjectCounter, HighestProjectNumberInUse()));
}

// Files before schema 7 kept the measurements without the test facility in
// list 130. They move to list 131, and list 130 gets two records made from
// the working result's spectrum 18: a summary record and one measurement.
// The recalculation after loading the workspace recomputes the summaries.
void CProjectDoc::CStoredProject::MigrateFacilityTables(const CString& sUntitled)
{
    CMeasurementList& without = List(131);
    CMeasurementList& with = List(130);
    without.RemoveAll();
    for (POSITION pos = with.GetHeadPosition(); pos != nullptr;) {
        NBuildData rec = with.GetNext(pos);
        rec.m_MeasSetup.SetMeasurementMode(0);
        rec.m_MeasSetup.SetActivateChannel(1);
        rec.m_MeasSetup.SetDescription(kRoleWithoutFacility, 1);
        without.AddTail(rec);
    }
    with.RemoveAll();

    NSpectrum& result = m_Calc.m_aSpec[18];
    result.SetTitle(sUntitled);
    NBuildData facility;
    facility.m_Spectrum = result;
    facility.m_MeasSetup.SetMeasurementMode(0);
    facility.m_MeasSetup.SetActivateChannel(1);
    facility.m_MeasSetup.SetDescription(kRoleWithFacility, 1);
    with.AddTail(facility);
    with.AddTail(facility);
    with.GetHead().m_Spectrum.SetTitle(AverageTitle());
}
