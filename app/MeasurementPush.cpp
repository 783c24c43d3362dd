#include "MeasurementPush.h"

#include "MainFrame.h"
#include "ProjectDocument.h"
#include "PushedTableRule.h"
#include "SettingsCorrections.h"
#include "VestolarApp.h"

#include "import/ImportDispatcher.h"
#include "model/ProjectDoc.h"

HRESULT CMeasurementPush::Run(const CString& sPath)
{
    CProjectDocument* pProject = TargetProject();
    if (pProject == nullptr)
        return E_FAIL;
    CMeasCtrlList records;
    const HRESULT hr = ReadRecords(sPath, records);
    if (records.IsEmpty())
        return hr;
    const CVestolarApp& app = GetVestolarApp();
    CImportDispatcher::FileControlRecords(
        pProject->GetProject(), records, app.m_nReverbImport, SettingsCorrections(app), &NBuildData::m_CorrSpectrum,
        [this](const NBuildData& measurement, int nChannel) { KeepNewest(measurement, nChannel); });
    m_frame.UpdateAllProjects(0);
    OpenNewestTable(*pProject);
    return hr;
}

// The active project, or the last one when none is active.
CProjectDocument* CMeasurementPush::TargetProject()
{
    const CVestolarApp& app = GetVestolarApp();
    CDocTemplate* pTemplate = app.m_pMainTemplate;
    CProjectDocument* pTarget = nullptr;
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr;) {
        pTarget = CProjectDocument::FromDocument(pTemplate->GetNextDoc(pos));
        if (pTarget->GetProject().m_nProjectNumber == app.m_nActiveProject)
            break;
    }
    return pTarget;
}

// The archive is opened for reading only: a missing file is reported by
// name, and no empty file is left behind in its place.
HRESULT CMeasurementPush::ReadRecords(const CString& sPath, CMeasCtrlList& records)
{
    try {
        CMeasArchiveFile::Read(sPath, FALSE, records);
        return S_OK;
    } catch (const CFileException& e) {
        AfxMessageBox(e.GetErrorText(), MB_OK | MB_ICONEXCLAMATION);
        return e.m_lOsError > 0 ? HRESULT_FROM_WIN32(static_cast<DWORD>(e.m_lOsError)) : E_FAIL;
    } catch (const CArchiveException& e) {
        AfxMessageBox(e.GetErrorText(), MB_OK | MB_ICONEXCLAMATION);
        return E_FAIL;
    }
}

// A later time makes a measurement the newest. At the same time a channel-2
// measurement takes over the channel, and its set-up only when its channel 2
// measured in the receiving room.
void CMeasurementPush::KeepNewest(const NBuildData& measurement, int nChannel)
{
    if (measurement.m_Time > m_newestTime) {
        m_newestTime = measurement.m_Time;
        m_newestSetup = measurement.m_MeasSetup;
        m_nNewestChannel = nChannel;
    } else if (nChannel == 2 && measurement.m_Time == m_newestTime) {
        m_nNewestChannel = 2;
        if (measurement.m_MeasSetup.GetDescription(2) == kRoleReceiving)
            m_newestSetup = measurement.m_MeasSetup;
    }
}

// As the open commands do, only the active project gets a window.
void CMeasurementPush::OpenNewestTable(CProjectDocument& project) const
{
    CProjectDoc& doc = project.GetProject();
    if (doc.m_nProjectNumber != GetVestolarApp().m_nActiveProject)
        return;
    const int nRole = m_newestSetup.GetDescription(m_nNewestChannel);
    for (int nTable : TablesOpenedByPush(nRole, m_newestSetup.GetMeasurementMode(), doc.m_ReportInfo))
        project.ShowView(nTable, TRUE, TRUE);
}
