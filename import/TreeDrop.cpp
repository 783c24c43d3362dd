#include "TreeDrop.h"

#include "DescriptionPaste.h"
#include "MeasurementPaste.h"
#include "SummaryCopyLabels.h"
#include "TreeCopy.h"
#include "TreeItemData.h"

namespace {


// The measurements of a table; its summary record only in the multiplot
// table, where the first record is a curve like the others.
void AppendMeasurements(CMeasurementList& records, const CMeasurementList& list, int nTableId)
{
    POSITION pos = list.GetHeadPosition();
    if (pos != nullptr && nTableId != kMultiplotTableId)
        list.GetNext(pos);
    while (pos != nullptr) {
        NBuildData copy = list.GetNext(pos);
        records.AddTail(copy);
    }
}

}  // namespace

void CTreeDrop::Drop(const CTreeItemView& dragged)
{
    if (dragged.m_pProject == nullptr)
        return;
    const CMeasurementList kept(m_host.GetCopiedRecords());
    if (TakeDraggedRecords(dragged))
        CMeasurementPaste(m_host).PasteMeasurements();
    m_host.GetCopiedRecords() = kept;
}

// False for a leaf without a group, which copies nothing.
bool CTreeDrop::TakeDraggedRecords(const CTreeItemView& dragged)
{
    CProjectDoc& source = *dragged.m_pProject;
    CMeasurementList& records = m_host.GetCopiedRecords();
    const DWORD_PTR dwData = dragged.m_dwData;
    if (IsTableGroupCode(dwData)) {
        const int nTableId = static_cast<int>(dwData);
        records.RemoveAll();
        AppendMeasurements(records, *source.GetMeasurementList(nTableId), nTableId);
    } else if (IsResultItemCode(dwData)) {
        records.RemoveAll();
        PasteDescriptionOf(source, true);
    } else if (IsMeasurementLeaf(dragged.m_bHasChildren, dwData)) {
        const int nTableId = static_cast<int>(dragged.m_dwParentData);
        const CMeasurementList* pList = dragged.m_bHasParent ? source.GetMeasurementList(nTableId) : nullptr;
        if (pList == nullptr)
            return false;
        const POSITION pos = reinterpret_cast<POSITION>(dwData);
        NBuildData copy = pList->GetAt(pos);
        if (pos == pList->GetHeadPosition() && nTableId != kMultiplotTableId)
            copy.m_Spectrum.SetTitle(DropSummaryLabelOf(source.m_ReportInfo, nTableId) + " - " + dragged.m_sText);
        records.RemoveAll();
        records.AddTail(copy);
    } else {
        records.RemoveAll();
        for (int nTableId : CTreeCopy::kProjectTableOrder)
            AppendMeasurements(records, *source.GetMeasurementList(nTableId), nTableId);
        PasteDescriptionOf(source, dwData != kItemMeasurementData);
    }
    return true;
}

// The source's descriptor and results stand in the buffer only while they
// are pasted; the user's own copies come back after.
void CTreeDrop::PasteDescriptionOf(CProjectDoc& source, bool bPaste)
{
    CTreeCopy::TitleMainResult(source);
    if (!bPaste)
        return;
    CReportInfo& copiedInfo = m_host.GetCopiedReportInfo();
    CCalc& copiedCalc = m_host.GetCopiedCalc();
    const CReportInfo keptInfo(copiedInfo);
    const CCalc keptCalc(copiedCalc);
    copiedInfo = source.m_ReportInfo;
    copiedCalc = source.m_Calc;
    CDescriptionPaste(m_host).PasteProjectDescription();
    copiedInfo = keptInfo;
    copiedCalc = keptCalc;
}
