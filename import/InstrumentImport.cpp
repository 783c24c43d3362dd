// CInstrumentImport: every handler starts alike (the selected project, the
// file opened and its bands checked) and reports its own failures; a failing
// file files nothing and never stops the batch it belongs to.

#include "InstrumentImport.h"

#include "InstrumentPath.h"
#include "ReadKelFile.h"
#include "TableAssignment.h"

#include "model/ProjectDoc.h"
#include "res/resource.h"

#include <initializer_list>

namespace {

const int kTypeReverberation = 1;

bool IsOneOf(int nValue, std::initializer_list<int> aValues)
{
    for (int n : aValues) {
        if (n == nValue)
            return true;
    }
    return false;
}

CString StringFromTable(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

} // namespace

void CInstrumentImport::ShowInvalidFormat()
{
    m_host.ShowImportMessage(IDS_INVALID_DATA_FORMAT);
}

// An open error names the reader's code and the file on a line of its own,
// "Invalid data format.\nError code: n\n<path>": in a batch of many files the
// code alone does not tell the user which one failed.
bool CInstrumentImport::OpenChecked(CReadKelFile& reader, const CString& sPath, bool bConverter)
{
    const int nResult = bConverter ? reader.OpenConverterFile(sPath) : reader.OpenFile(sPath);
    if (nResult != 0) {
        CString sText;
        sText.Format("%s\n%s %1d\n%s", static_cast<LPCTSTR>(StringFromTable(IDS_INVALID_DATA_FORMAT)),
                     static_cast<LPCTSTR>(StringFromTable(IDS_ERROR_CODE)), nResult, static_cast<LPCTSTR>(sPath));
        m_host.ShowImportText(sText);
        return false;
    }
    if (!reader.IsBandwidthOk()) {
        ShowInvalidFormat();
        return false;
    }
    return true;
}

int CInstrumentImport::ImportBuildingFile(CString sPath)
{
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    CReadKelFile reader(&m_host);
    if (!OpenChecked(reader, sPath, false))
        return -1;
    if (reader.m_bSurveyFile)
        return ImportSurveyFile(sPath);
    NBuildData record;
    if (reader.ReadSpectrum(record, 1, pDoc->m_ReportInfo) != 0) {
        ShowInvalidFormat();
        return -1;
    }
    return AssignChannelRecords(1, record.m_Spectrum.GetType(), record, NBuildData(), sPath);
}

int CInstrumentImport::ImportAnalyserFile(CString sPath)
{
    return ImportChannelFile(sPath, false, &CReadKelFile::ReadSpectrum);
}

int CInstrumentImport::ImportConverterAnalyserFile(CString sPath)
{
    return ImportChannelFile(sPath, true, &CReadKelFile::ReadConverterSpectrum);
}

// Channel use 0 means both channels, 1 or 2 the one channel measured.
int CInstrumentImport::ImportChannelFile(const CString& sPath, bool bConverter, ReadChannel read)
{
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    CReadKelFile reader(&m_host);
    if (!OpenChecked(reader, sPath, bConverter))
        return -1;
    const int nChannelUse = reader.GetChannelUse();
    NBuildData records[2];
    int nSpectrumType = 0;
    for (int nChannel = 1; nChannel <= 2; ++nChannel) {
        if (nChannelUse != 0 && nChannelUse != nChannel)
            continue;
        if ((reader.*read)(records[nChannel - 1], nChannel, pDoc->m_ReportInfo) != 0) {
            ShowInvalidFormat();
            return -1;
        }
        nSpectrumType = records[nChannel - 1].m_Spectrum.GetType();
    }
    return AssignChannelRecords(nChannelUse, nSpectrumType, records[0], records[1], sPath);
}

int CInstrumentImport::AssignChannelRecords(int nChannelUse, int nSpectrumType, NBuildData channel1,
                                            NBuildData channel2, CString sPath)
{
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    const CReportInfo info = pDoc->m_ReportInfo;
    if (!AssignBySelectedGroup(nChannelUse, nSpectrumType, info, channel1, channel2) &&
        !AssignByDialog(nChannelUse, info, channel1, channel2, sPath))
        return -1;
    const CImportCorrections& corrections = m_host.GetCorrections();
    if (nChannelUse == 1 || nChannelUse == 0) {
        CTableAssignment::AddCorrections(channel1, 1, corrections);
        pDoc->AddMeasurement(channel1, TRUE);
    }
    if (nChannelUse == 2 || nChannelUse == 0) {
        CTableAssignment::AddCorrections(channel2, 2, corrections);
        pDoc->AddMeasurement(channel2, TRUE);
    }
    return 0;
}

// The group's refusal depends on the spectrum type alone, so a group takes
// either every record of the file or none.
bool CInstrumentImport::AssignBySelectedGroup(int nChannelUse, int nSpectrumType, const CReportInfo& info,
                                              NBuildData& channel1, NBuildData& channel2)
{
    const int nGroup = m_host.GetSelectedGroup();
    if (nChannelUse != 2 && !CTableAssignment::ApplySelectedGroup(nGroup, nSpectrumType, info, channel1, 1))
        return false;
    return nChannelUse == 1 || CTableAssignment::ApplySelectedGroup(nGroup, nSpectrumType, info, channel2, 2);
}

// A cancelled dialog, no table chosen, or a table without a row of the
// dialog: nothing is filed.
bool CInstrumentImport::AssignByDialog(int& rnChannelUse, const CReportInfo& info, NBuildData& channel1,
                                       NBuildData& channel2, const CString& sPath)
{
    CAssignExchange exchange;
    exchange.m_pChannel1 = rnChannelUse != 2 ? &channel1 : nullptr;
    exchange.m_pChannel2 = rnChannelUse != 1 ? &channel2 : nullptr;
    exchange.m_pReportInfo = &info;
    exchange.m_sPath = sPath;
    if (!m_host.RunAssignDialog(exchange, info.m_bCorner))
        return false;
    const int nTable1 = exchange.m_nTable1;
    const int nTable2 = exchange.m_nTable2;
    if (nTable1 > 0) {
        rnChannelUse = nTable2 <= 0 ? 1 : 0;
        if (!CTableAssignment::ApplyDialogRow(nTable1, info, channel1, 1))
            return false;
        return rnChannelUse == 1 || CTableAssignment::ApplyDialogRow(nTable2, info, channel2, 2);
    }
    if (nTable2 <= 0)
        return false;
    rnChannelUse = 2;
    return CTableAssignment::ApplyDialogRow(nTable2, info, channel2, 2);
}

int CInstrumentImport::ImportProjectFile(CString sPath)
{
    return ImportTablesFile(sPath, false);
}

int CInstrumentImport::ImportSurveyFile(CString sPath)
{
    return ImportTablesFile(sPath, true);
}

int CInstrumentImport::ImportTablesFile(const CString& sPath, bool bSurvey)
{
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    const CReportInfo info = pDoc->m_ReportInfo;
    CArray<int, int> aTables;
    bool bAlone = false;
    if (!ChooseTables(info, m_host.GetSelectedGroup(), aTables, bAlone)) {
        int nTable = 0;
        if (!ChooseAbsorptionTable(info, sPath, nTable))
            return -1;
        aTables.Add(nTable);
    }
    for (int i = 0; i < aTables.GetSize(); ++i) {
        const int nResult = ImportTable(aTables[i], sPath, bSurvey);
        if (nResult != 0 || bAlone)
            return nResult;
    }
    TakeRoomDataAndName(*pDoc, sPath, bSurvey);
    return 0;
}

// The tables of a file for the project kind: the selected group's table
// alone where the kind offers it, else the kind's tables in order. False
// for an absorption project without a selected reverberation group, which
// asks the dialog.
bool CInstrumentImport::ChooseTables(const CReportInfo& info, int nSelected, CArray<int, int>& aTables, bool& rbAlone)
{
    auto take = [&](std::initializer_list<int> aAlone, std::initializer_list<int> aAll) {
        rbAlone = IsOneOf(nSelected, aAlone);
        if (rbAlone)
            aTables.Add(nSelected);
        else
            for (int nTable : aAll)
                aTables.Add(nTable);
    };
    if (info.m_bAirborne)
        take({122, 128, 123, 129, 125, 132, 124, 126}, {122, 123, 125, 124});
    else if (info.m_bImpact)
        take({123, 125, 124}, {123, 125, 124});
    else if (info.m_bReverberation || info.m_bTotalLossFactor)
        take({}, {124});
    else if (info.m_bImpactAirborne)
        take({122, 123, 128, 129, 125, 124}, {122, 123, 125, 124});
    else if (info.m_bAbsorption) {
        if (!IsOneOf(nSelected, {124, 126}))
            return false;
        aTables.Add(nSelected);
    }
    return true;
}

bool CInstrumentImport::ChooseAbsorptionTable(const CReportInfo& info, const CString& sPath, int& rnTable)
{
    NBuildData placeholder;
    placeholder.m_Spectrum.SetType(kTypeReverberation);
    CAssignExchange exchange;
    exchange.m_pChannel1 = &placeholder;
    exchange.m_pReportInfo = &info;
    exchange.m_sPath = sPath;
    if (!m_host.RunAssignDialog(exchange, FALSE) || !IsOneOf(exchange.m_nTable1, {124, 126}))
        return false;
    rnTable = exchange.m_nTable1;
    return true;
}

int CInstrumentImport::ImportProjectTable(int nTable, CString sPath)
{
    return ImportTable(nTable, sPath, false);
}

int CInstrumentImport::ImportSurveyTable(int nTable, CString sPath)
{
    return ImportTable(nTable, sPath, true);
}

// Records of instrument project files carry the instrument's own
// corrections and get none of the settings; survey records get channel 1's.
int CInstrumentImport::ImportTable(int nTable, const CString& sPath, bool bSurvey)
{
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    CReadKelFile reader(&m_host);
    if (!OpenChecked(reader, sPath, false))
        return -1;
    CList<NBuildData, NBuildData&> records;
    const int nResult = bSurvey ? reader.ReadSurveyTables(records, nTable, pDoc->m_ReportInfo)
                                : reader.ReadProjectTable(records, nTable, pDoc->m_ReportInfo);
    if (nResult != 0) {
        ShowInvalidFormat();
        return -1;
    }
    for (POSITION pos = records.GetHeadPosition(); pos != nullptr;) {
        NBuildData& record = records.GetNext(pos);
        if (bSurvey)
            CTableAssignment::AddCorrections(record, 1, m_host.GetCorrections());
        pDoc->AddMeasurement(record, FALSE);
    }
    return 0;
}

// An instrument project is named after its folder (the instrument names the
// file itself "KEL-303.KPF"); a survey file after its own name.
void CInstrumentImport::TakeRoomDataAndName(CProjectDoc& doc, const CString& sPath, bool bSurvey)
{
    CReadKelFile reader(&m_host);
    if (reader.OpenFile(sPath) == 0) {
        double dValue = 0.0;
        if (reader.GetRoomVolume(dValue) == 0)
            doc.m_ReportInfo.m_dVolume = dValue;
        if (reader.GetRoomArea(dValue) == 0)
            doc.m_ReportInfo.m_dArea = dValue;
    }
    doc.m_sName = bSurvey ? CInstrumentPath::FileName(sPath) : CInstrumentPath::FolderName(sPath);
    m_host.SetProjectNodeText(doc, doc.m_sName);
}
