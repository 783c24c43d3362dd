#include "MultiplotWindowFixture.h"

CVestolarDoc* CMultiplotWindowTest::MultiplotProject(int nGraphType)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bMultiplot});
    pDoc->GetProject().m_nMultiplotGraphType = nGraphType;
    pDoc->GetProject().m_sName = "P";
    return pDoc;
}

void CMultiplotWindowTest::AddCurves(CVestolarDoc* pDoc, int nCount)
{
    for (int n = 0; n < nCount; ++n) {
        CString sTitle;
        sTitle.Format("C%d", n + 1);
        AddMeasurement(pDoc, kMultiplotTableId, sTitle, {{kBand100Hz, 50.0 + n}});
    }
}

CMultiplotTabView* CMultiplotWindowTest::OpenMultiplot(CVestolarDoc* pDoc)
{
    return dynamic_cast<CMultiplotTabView*>(OpenTableWindow(pDoc, kMultiplotTableId));
}

CMeasurementList& CMultiplotWindowTest::Curves(CVestolarDoc* pDoc)
{
    return *pDoc->GetProject().GetMeasurementList(kMultiplotTableId);
}
