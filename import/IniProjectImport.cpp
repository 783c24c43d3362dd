// CIniProjectImport: INI records carry the outside program's own corrections
// and get none of the settings, and are filed without the duplicate check.
// A protocol number counts only when above 0; an absent one leaves its field
// as it was.

#include "IniProjectImport.h"

#include "InstrumentPath.h"
#include "ReadKelFile.h"

#include "model/ProjectDoc.h"
#include "CPrivateProfileReadScope.h"
#include "res/resource.h"

namespace {

void AppendAll(CArray<int, int>& aTables, std::initializer_list<int> aAdd)
{
    for (int nTable : aAdd)
        aTables.Add(nTable);
}

void ReadNumber(const char* szKey, double& dField, const CString& sPath)
{
    CReadKelFile::ReadProtocolNumber(szKey, dField, sPath);
}

} // namespace

// After a drop of many files the user must know which one to look at: the
// file's path follows on a line of its own.
void CIniProjectImport::ShowInvalidFormat(const CString& sPath)
{
    CString sText;
    sText.LoadString(IDS_INVALID_DATA_FORMAT);
    m_host.ShowImportText(sText + "\n" + sPath);
}

int CIniProjectImport::ImportIniProjectTable(int nTable, CString sPath)
{
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    CList<NBuildData, NBuildData&> records;
    if (!CReadKelFile::IsIniProjectFile(sPath) ||
        CReadKelFile::ReadIniTable(records, nTable, pDoc->m_ReportInfo, sPath) != 0) {
        ShowInvalidFormat(sPath);
        return -1;
    }
    for (POSITION pos = records.GetHeadPosition(); pos != nullptr;)
        pDoc->AddMeasurement(records.GetNext(pos), FALSE);
    return 0;
}

void CIniProjectImport::ChooseTables(const CReportInfo& info, CArray<int, int>& aTables)
{
    if (info.m_bAirborne) {
        AppendAll(aTables, {122, 123, 125, 124});
        if (info.m_bLab && !info.m_bCeiling)
            aTables.Add(130);
        if (info.m_bCorner)
            AppendAll(aTables, {128, 129, 132, 126});
        if (info.m_bIntensity)
            aTables.Add(129);
    } else if (info.m_bImpact) {
        AppendAll(aTables, {123, 125, 124});
        if (info.m_bLab && info.m_bReduction)
            aTables.Add(130);
        if (info.m_bCorner)
            AppendAll(aTables, {129, 132, 126});
    } else if (info.m_bReverberation || info.m_bTotalLossFactor) {
        aTables.Add(124);
    } else if (info.m_bAbsorption) {
        AppendAll(aTables, {124, 126});
    } else if (info.m_bImpactAirborne) {
        AppendAll(aTables, {122, 123, 128, 129, 125, 124});
    }
}

// A number shown as text in the report head, as "%3.1f".
void CIniProjectImport::ReadNumberText(const char* szKey, CString& sField, const CString& sPath)
{
    double dValue = 0.0;
    if (CReadKelFile::ReadProtocolNumber(szKey, dValue, sPath) == 0)
        sField.Format("%3.1f", dValue);
}

// The numbers the project kind asks for besides its tables.
void CIniProjectImport::ReadKindNumbers(CReportInfo& info, const CString& sPath)
{
    if (info.m_bAirborne) {
        ReadNumberText("Volume Send", info.m_sSourceRoomVolume, sPath);
        if (info.m_bReduction || info.m_bLab)
            ReadNumber("Size", info.m_dArea, sPath);
        if (info.m_bField && info.m_bStandard && info.m_bAverageLoudspeaker)
            ReadNumber("Size", info.m_dArea, sPath);
    } else if (info.m_bImpact) {
        if (info.m_bLab)
            ReadNumberText("Curing", info.m_sCuringTime, sPath);
    } else if (info.m_bReverberation || info.m_bTotalLossFactor) {
        // the reverberation table alone
    } else if (info.m_bAbsorption) {
        ReadNumber("Size", info.m_dArea, sPath);
        ReadNumber("Temperature", info.m_dTemperature2, sPath);
        ReadNumber("Humidity", info.m_dHumidity2, sPath);
        if (info.m_bAlpha_S && info.m_nYear == 1993) {
            info.m_dTemperature1 = info.m_dTemperature2;
            info.m_dHumidity1 = info.m_dHumidity2;
            info.m_sHumidity.Format("%3.1f", info.m_dHumidity2);
        }
    }
}

void CIniProjectImport::ReadRoomAndClimate(CReportInfo& info, const CString& sPath)
{
    ReadNumber("Volume Receive", info.m_dVolume, sPath);
    CReadKelFile::ReadReceiveRoomDescription(info.m_sConditionReceive, info.m_sTypeReceive, info.m_sLocationReceive,
                                             sPath);
    CReadKelFile::ReadSendRoomDescription(info.m_sConditionSend, info.m_sTypeSend, info.m_sLocationSend, sPath);
    if ((info.m_bLab && !info.m_bAbsorption) || info.m_bASTM) {
        ReadNumber("Temperature", info.m_dTemperature1, sPath);
        ReadNumberText("Humidity", info.m_sHumidity, sPath);
    }
    if (info.m_bLab && !info.m_bAbsorption)
        ReadNumberText("Mass per Unit", info.m_sMassPerUnit, sPath);
}

void CIniProjectImport::ReadReportTexts(CReportInfo& info, const CString& sPath)
{
    CString sComment;
    sComment.LoadString(IDS_COMMENT);
    info.m_sDescription = CReadKelFile::ReadIniTextLines("Test Specimen", sPath);
    info.m_sObject = CReadKelFile::ReadIniTextLines("Object", sPath) + "\n\n" + sComment + ":\n" +
                     CReadKelFile::ReadIniTextLines("Comment", sPath);
    info.m_sClient += CReadKelFile::ReadIniTextLines("Client", sPath);
    info.m_sReportNo = CReadKelFile::ReadIniText("Job Number", sPath);
    info.m_sTestDate = CReadKelFile::ReadIniText("Date", sPath);
}

int CIniProjectImport::ImportIniProject(CString sPath)
{
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    const CPrivateProfileReadScope scope(sPath);
    CArray<int, int> aTables;
    ChooseTables(pDoc->m_ReportInfo, aTables);
    for (int i = 0; i < aTables.GetSize(); ++i) {
        if (ImportIniProjectTable(aTables[i], sPath) != 0)
            return -1;
    }
    CReportInfo& info = pDoc->m_ReportInfo;
    ReadKindNumbers(info, sPath);
    ReadRoomAndClimate(info, sPath);
    CReadKelFile reader(&m_host);
    reader.ReadNoiseText(info.m_sNoiseType, sPath);
    CString sFilter;
    reader.ReadFilterText(sFilter, sPath);
    m_host.SetFilterText(sFilter);
    ReadReportTexts(info, sPath);
    pDoc->m_sName = CInstrumentPath::FileName(sPath);
    m_host.SetProjectNodeText(*pDoc, pDoc->m_sName);
    return 0;
}
