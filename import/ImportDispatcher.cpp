// CImportDispatcher: a failing file reports its own message and the batch
// goes on with the next path. Filing never recalculates; the one
// recalculation of the batch runs on the project selected at its end (a
// workspace opened in the batch may have changed it).

#include "ImportDispatcher.h"

#include "IniProjectImport.h"
#include "InstrumentImport.h"
#include "InstrumentPath.h"
#include "TableAssignment.h"

#include "CKel270Converter.h"
#include "model/FilingBatch.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

const int kShortExtension = 4;
const int kLongExtension = 7;
const char kScratchProject[] = "\\kelX70.prj";
const char kConverterPrefix[] = "Kel270Converter: ";

CString StringFromTable(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

} // namespace

CString CImportDispatcher::ExtensionOf(const CString& sPath)
{
    CString sExtension = sPath.Right(kShortExtension);
    if (sExtension.Left(1) != ".")
        sExtension = sPath.Right(kLongExtension);
    sExtension.MakeLower();
    return sExtension;
}

int CImportDispatcher::ImportFiles(CStringArray& paths)
{
    for (int i = 0; i < paths.GetSize(); ++i)
        ImportFile(paths[i]);
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    pDoc->Recalculate(0);
    return 0;
}

void CImportDispatcher::ImportFile(const CString& sPath)
{
    const CString sExtension = ExtensionOf(sPath);
    CInstrumentImport instrument(m_host);
    if (sExtension == ".kpf")
        instrument.ImportProjectFile(sPath);
    else if (sExtension == ".vsf")
        instrument.ImportBuildingFile(sPath);
    else if (sExtension == ".sdf")
        instrument.ImportAnalyserFile(sPath);
    else if (sExtension == ".prj")
        ImportIniProject(sPath);
    else if (sExtension == ".config")
        ImportConverterFile(sPath);
    else if (sExtension == ".tmp")
        ImportArchive(sPath, FALSE);
    else if (sExtension == ".kcd" || sExtension == ".zuz")
        ImportArchive(sPath, TRUE);
    else if (sExtension == ".vsp")
        m_host.OpenWorkspace(sPath);
    else if (sExtension != ".dat")
        m_host.ShowImportText(StringFromTable(IDS_UNKNOWN_EXTENSION) + "\n" + sPath);
}

int CImportDispatcher::ImportIniProject(const CString& sPath)
{
    CIniProjectImport ini(m_host);
    return ini.ImportIniProject(sPath);
}

void CImportDispatcher::ShowConverterMessage(UINT nIdText)
{
    m_host.ShowImportText(kConverterPrefix + StringFromTable(nIdText));
}

// Building-acoustics and intensity files are converted into an INI project
// in the program folder and imported from there; general-analyser files are
// read spectrum by spectrum.
void CImportDispatcher::ImportConverterFile(const CString& sPath)
{
    Kel270Converter::CKel270Converter converter(sPath);
    if (converter.IsBuildingAcoustics() || converter.IsIntensity()) {
        const CString sScratch = m_host.GetAppDirectory() + kScratchProject;
        try {
            CFile::Remove(sScratch);
        } catch (const CFileException&) {
            // none there yet
        }
        switch (converter.ConvertFile(sScratch)) {
        case Kel270Converter::CKel270Converter::kConverted: ImportIniProject(sScratch); break;
        case Kel270Converter::CKel270Converter::kCannotOpen: ShowConverterMessage(IDS_CONVERTER_CANNOT_OPEN); break;
        case Kel270Converter::CKel270Converter::kUnknownFormat:
            ShowConverterMessage(IDS_CONVERTER_UNKNOWN_FORMAT);
            break;
        case Kel270Converter::CKel270Converter::kCannotWrite: ShowConverterMessage(IDS_CONVERTER_CANNOT_WRITE); break;
        default: ShowConverterMessage(IDS_CONVERTER_UNKNOWN_ERROR); break;
        }
    } else if (converter.IsGeneralAnalyzer()) {
        CInstrumentImport instrument(m_host);
        instrument.ImportConverterAnalyserFile(sPath);
    } else {
        ShowConverterMessage(IDS_CONVERTER_UNKNOWN_FORMAT);
    }
}

// The records read before a failure are filed; the project is named after an
// archive with a header only when the whole archive was read.
void CImportDispatcher::ImportArchive(const CString& sPath, BOOL bHeader)
{
    CMeasCtrlList records;
    bool bComplete = false;
    try {
        CMeasArchiveFile::Read(sPath, bHeader, records);
        bComplete = true;
    } catch (const CFileException& e) {
        m_host.ShowImportText(e.GetErrorText());
    } catch (const CArchiveException& e) {
        m_host.ShowImportText(e.GetErrorText());
    }
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (ImportControlRecords(records) != 0 || !bHeader || !bComplete || pDoc == nullptr)
        return;
    pDoc->m_sName = CInstrumentPath::FileName(sPath);
    pDoc->m_ReportInfo.m_sTreeTitle = pDoc->m_sName;
    m_host.SetProjectNodeText(*pDoc, pDoc->m_sName);
}

int CImportDispatcher::ImportControlRecords(CMeasCtrlList& records)
{
    CProjectDoc* pDoc = m_host.GetSelectedProject();
    if (pDoc == nullptr)
        return -1;
    FileControlRecords(*pDoc, records, m_host.GetReverbImport(), m_host.GetCorrections(), &NBuildData::m_Spectrum);
    return 0;
}

void CImportDispatcher::FileControlRecords(CProjectDoc& doc, CMeasCtrlList& records, int nReverbChoice,
                                           const CImportCorrections& corrections, NSpectrum NBuildData::*pCorrected,
                                           const CFiledMeasurement& filed)
{
    CFilingBatch batch(doc);
    for (POSITION pos = records.GetHeadPosition(); pos != nullptr;) {
        const NMeasCtrlData& control = records.GetNext(pos);
        for (int nChannel = 1; nChannel <= 2; ++nChannel) {
            if (!control.GetMeasSetup().IsChannelActivated(nChannel))
                continue;
            NBuildData record;
            record.Import(control, nChannel, nReverbChoice);
            CTableAssignment::AddCorrections(record, nChannel, corrections, pCorrected);
            doc.AddMeasurement(record, TRUE);
            if (filed)
                filed(record, nChannel);
        }
    }
}
