// Filing of CProjectDoc: every measurement that enters a project passes
// through AddMeasurement, which chooses its table from the record's set-up
// and the project kind. Filing never recalculates; its callers do after
// their batch.

#include "ProjectDoc.h"

#include "MeasurementRouting.h"
#include "ProjectHost.h"
#include "ProjectTreeSink.h"
#include "TableGroups.h"

namespace {

const int kModeBackground = 5;

int ActiveChannelOf(const NBuildData& rec)
{
    return rec.m_MeasSetup.IsChannelActivated(2) ? 2 : 1;
}

// A record without a set number joins the set of the list's last record;
// the first measurement after the summary record opens set 1, and a
// background record without one belongs to no set.
void CompleteSetNumber(NBuildData& rec, const CMeasurementList& list)
{
    if (rec.m_nSetNumber < 0)
        rec.m_nSetNumber = list.IsEmpty() ? -1 : list.GetTail().m_nSetNumber;
    if (rec.m_nSetNumber < 0)
        rec.m_nSetNumber = rec.m_MeasSetup.GetMeasurementMode() == kModeBackground ? 0 : 1;
}

} // namespace

// Returns 0 when the record was filed or skipped (a duplicate, or a table the
// project kind does not show), -1 when no table takes it or the multiplot
// list is full.
int CProjectDoc::AddMeasurement(NBuildData rec, BOOL bCheckDuplicate)
{
    CFilingRoute route;
    if (m_ReportInfo.m_bMultiplot) {
        if (GetMeasurementList(kMultiplotTableId)->GetCount() >= kMaxMultiplotCurves)
            return -1;
        TakeCurveDefaults(rec);
        route.m_nTableId = kMultiplotTableId;
        route.m_bCheckDuplicate = false;
    } else {
        const int nChannel = ActiveChannelOf(rec);
        route = RouteMeasurement(m_ReportInfo, rec.m_MeasSetup.GetMeasurementMode(),
                                 rec.m_MeasSetup.GetDescription(nChannel));
        if (route.m_nTableId < 0)
            return -1;
    }
    FileRecord(route.m_nTableId, rec, bCheckDuplicate && route.m_bCheckDuplicate);
    SetWorkspaceModified();
    return 0;
}

// The n-th curve takes entry n of the application's curve defaults.
void CProjectDoc::TakeCurveDefaults(NBuildData& rec) const
{
    const int nCurve = m_aMeasLists[kMultiplotTableId - kFirstTableId].GetCount();
    CProjectHost::GetCurrent().GetCurveDefaults(nCurve, rec.m_nLineColor, rec.m_nLineStyle, rec.m_nLineSize);
}

void CProjectDoc::FileRecord(int nTableId, NBuildData& rec, bool bCheckDuplicate)
{
    CMeasurementList& list = *GetMeasurementList(nTableId);
    CompleteSetNumber(rec, list);
    if (bCheckDuplicate && IsDuplicate(list, rec))
        return;
    if (!HasTableGroup(m_ReportInfo, nTableId))
        return;
    const POSITION pos = list.AddTail(rec);
    if (m_pTree != nullptr)
        m_pTree->AddMeasurementItem(nTableId, pos, rec.m_Spectrum.GetTitle());
}

// A record of the same time on the same channel is the same measurement read
// again. Times in 1970 or earlier are no real time stamps (files without one
// give the start of the epoch) and never make a duplicate.
bool CProjectDoc::IsDuplicate(const CMeasurementList& list, const NBuildData& rec) const
{
    if (rec.m_Time.GetYear() <= 1970)
        return false;
    POSITION pos = list.GetHeadPosition();
    if (pos != nullptr)
        list.GetNext(pos);  // the summary record
    while (pos != nullptr) {
        const NBuildData& filed = list.GetNext(pos);
        if (filed.m_Time == rec.m_Time && ActiveChannelOf(filed) == ActiveChannelOf(rec))
            return true;
    }
    return false;
}

int CProjectDoc::RemoveMeasurement(int nTableId, POSITION pos)
{
    CMeasurementList* pList = GetMeasurementList(nTableId);
    if (pList != nullptr) {
        // The tree finds the leaf by the record's position, which dies with
        // the record.
        if (m_pTree != nullptr)
            m_pTree->RemoveMeasurementItem(nTableId, pos);
        pList->RemoveAt(pos);
    }
    SetWorkspaceModified();
    return 0;
}

// Only the tree's leaf is renamed; the caller retitles the record.
int CProjectDoc::UpdateMeasurementName(int nTableId, POSITION pos, CString sName)
{
    if (m_pTree != nullptr && GetMeasurementList(nTableId) != nullptr)
        m_pTree->UpdateMeasurementItem(nTableId, pos, sName);
    SetWorkspaceModified();
    return 0;
}
