#include "ProjectDoc.h"

#include "ProjectHost.h"
#include "ProjectViewSink.h"

#include "res/resource.h"

#include <algorithm>
#include <vector>

// The project file keeps the document's class record under the name of the
// program's document class, so that files of every version read back. The
// window-side document owns this core and leaves the record to it.
CObject* CProjectDoc::CreateObject()
{
    return new CProjectDoc;
}
CRuntimeClass CProjectDoc::classCProjectDoc = {
    "CVestolarDoc", sizeof(CProjectDoc), VERSIONABLE_SCHEMA | 9, CProjectDoc::CreateObject,
    RUNTIME_CLASS(CObject), nullptr};
CRuntimeClass* CProjectDoc::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CProjectDoc);
}
static const AFX_CLASSINIT afxInitCProjectDoc(RUNTIME_CLASS(CProjectDoc));

namespace {

// The global project counter: each new document takes the next number.
int g_nProjectCounter = 0;

std::vector<const CProjectDoc*>& LiveDocuments()
{
    static std::vector<const CProjectDoc*> aDocuments;
    return aDocuments;
}

const int kTablesWithLevelSummary[] = {122, 123, 125, 132, 128, 129, 130, 131};
const int kTablesWithReverbSummary[] = {124, 126};

} // namespace

int CProjectDoc::GetProjectCounter()
{
    return g_nProjectCounter;
}

void CProjectDoc::SetProjectCounter(int nCounter)
{
    g_nProjectCounter = nCounter;
}

// The highest project number of the documents alive now.
int CProjectDoc::HighestProjectNumberInUse()
{
    int nHighest = 0;
    for (const CProjectDoc* pDoc : LiveDocuments())
        nHighest = std::max(nHighest, pDoc->m_nProjectNumber);
    return nHighest;
}

// Every list but the multiplot curves starts with its summary record: a
// level record titled "Average", or for the reverberation tables one of
// mode 3 with a reverberation-time spectrum.
CProjectDoc::CProjectDoc()
    : m_nProjectNumber(++g_nProjectCounter)
{
    LiveDocuments().push_back(this);
    m_Calc.m_pDoc = this;

    NBuildData summary;
    CString sAverage;
    sAverage.LoadString(IDS_AVERAGE);
    summary.m_MeasSetup.SetMeasurementMode(0);
    summary.m_Spectrum.SetTitle(sAverage);
    for (int nTableId : kTablesWithLevelSummary)
        GetMeasurementList(nTableId)->AddTail(summary);
    summary.m_MeasSetup.SetMeasurementMode(3);
    summary.m_Spectrum.SetType(NSpectrum::kTypeReverberation);
    for (int nTableId : kTablesWithReverbSummary)
        GetMeasurementList(nTableId)->AddTail(summary);
}

CProjectDoc::~CProjectDoc()
{
    std::vector<const CProjectDoc*>& aDocuments = LiveDocuments();
    aDocuments.erase(std::remove(aDocuments.begin(), aDocuments.end(), this), aDocuments.end());
}

CMeasurementList* CProjectDoc::GetMeasurementList(int nTableId)
{
    if (nTableId < kFirstTableId || nTableId > kLastTableId)
        return nullptr;
    return &m_aMeasLists[nTableId - kFirstTableId];
}

CCalcSettings CProjectDoc::GetCalcSettings() const
{
    return CProjectHost::GetCurrent().GetCalcSettings();
}

void CProjectDoc::ShowCalcMessage(UINT nIdPrompt)
{
    if (m_pViews != nullptr)
        m_pViews->ShowMessage(nIdPrompt);
}

void CProjectDoc::UpdateCalcViews(int nHint)
{
    UpdateViews(nHint);
}

void CProjectDoc::UpdateViews(int nHint)
{
    if (m_pViews != nullptr)
        m_pViews->UpdateAllViews(nHint);
}

void CProjectDoc::SetWorkspaceModified()
{
    CProjectHost::GetCurrent().SetWorkspaceModified();
}
