#include "ImportFixture.h"

void CScriptedImportHost::ShowImportMessage(UINT nIdPrompt)
{
    m_aMessages.push_back(StringOf(nIdPrompt));
}

void CScriptedImportHost::SetProjectNodeText(CProjectDoc& doc, const CString& sText)
{
    m_aNodeTexts.push_back(static_cast<LPCTSTR>(sText));
}

BOOL CScriptedImportHost::RunAssignDialog(CAssignExchange& exchange, BOOL bCorner)
{
    m_aDialogs.push_back(exchange);
    if (m_bDialogOk) {
        exchange.m_nTable1 = m_nDialogTable1;
        exchange.m_nTable2 = m_nDialogTable2;
    }
    return m_bDialogOk;
}

CImportFixture::CImportFixture()
{
    m_doc.m_ReportInfo = KindWith({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    m_host.m_pProject = &m_doc;
    // The program folder, where the converter writes its scratch project.
    PathOf("app/scratch");
    m_host.m_sAppDir = PathOf("app").c_str();
}

int CImportFixture::Import(const std::vector<std::string>& aRelativePaths)
{
    CStringArray paths;
    for (const std::string& sPath : aRelativePaths)
        paths.Add(PathOf(sPath).c_str());
    return m_dispatcher.ImportFiles(paths);
}

std::vector<NBuildData> CImportFixture::RecordsOf(int nTableId)
{
    std::vector<NBuildData> aRecords;
    CMeasurementList& list = *m_doc.GetMeasurementList(nTableId);
    POSITION pos = list.GetHeadPosition();
    list.GetNext(pos);
    while (pos != nullptr)
        aRecords.push_back(list.GetNext(pos));
    return aRecords;
}

int CImportFixture::Recalculations() const
{
    int nCount = 0;
    for (const std::string& sEvent : m_projectHost.m_aEvents)
        nCount += sEvent == "results";
    return nCount;
}

void CImportFixture::SetCorrection(int i, int nChannel, double dValue)
{
    NSpectrum correction;
    for (int nBand = 0; nBand < kBandCount; ++nBand)
        correction.InsertData(nBand, dValue);
    m_host.m_Corrections.m_aCorrSpec[i] = correction;
    m_host.m_Corrections.m_aChannelSelection[i] = nChannel;
}

std::string StringOf(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return static_cast<LPCTSTR>(sText);
}
