#include "ClipboardFixture.h"

CClipboardFixture::CClipboardFixture()
{
    m_target.m_ReportInfo = KindWith({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    m_source.m_ReportInfo = KindWith({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    m_target.m_sName = "Target";
    m_source.m_sName = "Source";
    SelectProjectNode();
}

void CClipboardFixture::SelectItem(DWORD_PTR dwData)
{
    m_host.m_Selection = ItemOf(m_target, dwData);
}

void CClipboardFixture::SelectProjectNode()
{
    m_host.m_Selection = ItemOf(m_target, reinterpret_cast<DWORD_PTR>(&m_target));
    m_host.m_Selection.m_bProjectNode = true;
}

void CClipboardFixture::SelectLeaf(int nTableId, int nIndex, const char* lpszText)
{
    m_host.m_Selection = LeafOf(m_target, nTableId, nIndex, lpszText);
}

CTreeItemView CClipboardFixture::ItemOf(CProjectDoc& project, DWORD_PTR dwData)
{
    CTreeItemView item;
    item.m_pProject = &project;
    item.m_dwData = dwData;
    item.m_bHasChildren = true;
    item.m_bProjectNode = dwData == reinterpret_cast<DWORD_PTR>(&project);
    item.m_bHasParent = !item.m_bProjectNode;
    return item;
}

CTreeItemView CClipboardFixture::LeafOf(CProjectDoc& project, int nTableId, int nIndex, const char* lpszText)
{
    CTreeItemView item;
    item.m_pProject = &project;
    item.m_dwData = reinterpret_cast<DWORD_PTR>(project.GetMeasurementList(nTableId)->FindIndex(nIndex));
    item.m_sText = lpszText;
    item.m_bHasParent = true;
    item.m_dwParentData = static_cast<DWORD_PTR>(nTableId);
    return item;
}

POSITION CClipboardFixture::Put(CProjectDoc& project, int nTableId, const NBuildData& rec)
{
    NBuildData copy = rec;
    return project.GetMeasurementList(nTableId)->AddTail(copy);
}

void CClipboardFixture::PutInBuffer(const NBuildData& rec)
{
    NBuildData copy = rec;
    m_host.m_lCopyBuffer.AddTail(copy);
}

int CClipboardFixture::Recalculations() const
{
    int nCount = 0;
    for (const std::string& sEvent : m_projectHost.m_aEvents)
        nCount += sEvent == "results";
    return nCount;
}

NBuildData TimedRecord(int nMode, int nRole, const char* lpszTitle, int nSecond, int nType)
{
    NBuildData rec = MakeRecord(nMode, nRole, lpszTitle);
    rec.m_Time = CTime(2024, 5, 6, 10, 0, nSecond);
    rec.m_MeasSetup.SetInstrumentType(1, 1);
    rec.m_Spectrum.SetType(nType);
    rec.m_Spectrum.InsertData(20, 50.0 + nSecond);
    return rec;
}
