#include "TreeCopy.h"

#include "TreeItemData.h"
#include "TreeLabelText.h"
#include "SummaryCopyLabels.h"
#include "res/resource.h"

#include "MeasValue.h"

namespace {

constexpr int kPracticalAbsorptionSpectrum = 9;

// A number of the descriptor, empty when it is missing.
CString NumberText(LPCTSTR lpszFormat, double dValue)
{
    CString s;
    if (!IsMissingValue(dValue))
        s.Format(lpszFormat, dValue);
    return s;
}

void AppendCopies(CMeasurementList& records, const CMeasurementList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        NBuildData copy = list.GetNext(pos);
        records.AddTail(copy);
    }
}

}  // namespace

const int CTreeCopy::kProjectTableOrder[11] = {122, 123, 128, 129, 125, 132, 124, 126, 127, 130, 131};

bool CTreeCopy::Copy(CString& sReport)
{
    const CTreeItemView item = m_host.GetSelection();
    if (item.m_pProject == nullptr)
        return false;
    CProjectDoc& project = *item.m_pProject;
    CString sText;
    if (IsTableGroupCode(item.m_dwData)) {
        CopyTable(project, static_cast<int>(item.m_dwData));
    } else if (IsMeasurementLeaf(item.m_bHasChildren, item.m_dwData)) {
        CopyLeaf(project, item);
    } else if (IsResultItemCode(item.m_dwData)) {
        m_host.GetCopiedRecords().RemoveAll();
        CopyResults(project, true);
        sText = ResultAndDescriptionText(project);
    } else {
        CopyResults(project, item.m_dwData != kItemMeasurementData);
        m_host.GetCopiedRecords().RemoveAll();
        for (int nTableId : kProjectTableOrder)
            AppendCopies(m_host.GetCopiedRecords(), *project.GetMeasurementList(nTableId));
        sText = ResultAndDescriptionText(project);
    }
    const CMeasurementList& records = m_host.GetCopiedRecords();
    for (POSITION pos = records.GetHeadPosition(); pos != nullptr;)
        sText += records.GetNext(pos).ExportText("\t");
    sReport = sText;
    return true;
}

void CTreeCopy::CopyTable(CProjectDoc& project, int nTableId)
{
    CMeasurementList& records = m_host.GetCopiedRecords();
    records.RemoveAll();
    AppendCopies(records, *project.GetMeasurementList(nTableId));
}

// The summary record, copied, is named after its table and the leaf's text:
// in another project it is an ordinary measurement.
void CTreeCopy::CopyLeaf(CProjectDoc& project, const CTreeItemView& leaf)
{
    CMeasurementList& records = m_host.GetCopiedRecords();
    records.RemoveAll();
    const int nTableId = static_cast<int>(leaf.m_dwParentData);
    const CMeasurementList* pList = leaf.m_bHasParent ? project.GetMeasurementList(nTableId) : nullptr;
    if (pList == nullptr)
        return;
    const POSITION pos = reinterpret_cast<POSITION>(leaf.m_dwData);
    NBuildData copy = pList->GetAt(pos);
    if (pos == pList->GetHeadPosition() && nTableId != kMultiplotTableId)
        copy.m_Spectrum.SetTitle(CopySummaryLabelOf(project.m_ReportInfo, nTableId) + " - " + leaf.m_sText);
    records.AddTail(copy);
}

// The main result carries the project's name, so that pasted as a curve it
// says where it came from.
void CTreeCopy::TitleMainResult(CProjectDoc& project)
{
    CString sTitle;
    sTitle.Format("%s - %s", static_cast<LPCTSTR>(project.m_sName), static_cast<LPCTSTR>(LoadedText(IDS_TREE_RESULTS)));
    project.m_Calc.m_aSpec[0].SetTitle(sTitle);
}

void CTreeCopy::CopyResults(CProjectDoc& project, bool bWithDescription)
{
    TitleMainResult(project);
    if (!bWithDescription)
        return;
    m_host.GetCopiedReportInfo() = project.m_ReportInfo;
    m_host.GetCopiedCalc() = project.m_Calc;
    m_host.SetDescriptionCopied();
}

CString CTreeCopy::ResultAndDescriptionText(const CProjectDoc& project) const
{
    const CCalc& calc = project.m_Calc;
    const int nSpectrum = project.m_ReportInfo.m_bAlpha_PW ? kPracticalAbsorptionSpectrum : 0;
    const NSpectrum result = IsMissingValue(calc.m_dRating) ? NSpectrum() : calc.m_aSpec[nSpectrum];
    return result.ExportText("Result", "\t") + DescriptionText(project.m_ReportInfo);
}

CString CTreeCopy::DescriptionText(const CReportInfo& info)
{
    CString s = "\r\nProject Description\r\n";
    s += "Date of test:\t" + info.m_sTestDate + "\r\n";
    s += "Client:\t" + info.m_sClient + "\r\n";
    s += info.m_sDescriptionLabel + "\t" + info.m_sDescription + "\r\n";
    s += info.m_sObjectLabel + "\t" + info.m_sObject + "\r\n";
    s += "Area:\t" + NumberText("%.2f", info.m_dArea) + "\r\n";
    s += "Volume Receive:\t" + NumberText("%.1f", info.m_dVolume) + "\r\n";
    s += "Volume Send:\t" + info.m_sSourceRoomVolume + "\r\n";
    s += "Company:\t" + info.m_sCompany + "\r\n";
    s += info.m_sReportNoLabel + "\t" + info.m_sReportNo + "\r\n";
    s += "Date:\t" + info.m_sDate + "\r\n";
    s += "Signature:\t" + info.m_sSignature + "\r\n";
    s += "Remarks:\t" + info.m_sRemarksLabel + "\r\n\r\n";
    return s;
}
