#pragma once
// Classes in this file: CMeasurementPush, one push of a measurement archive
// by another program: its records go into the active project (or the last
// one), every project is recalculated, and the table of the newest
// measurement opens.

#include "import/MeasArchiveFile.h"

#include "NBuildData.h"
#include "afxwin.h"

class CMainFrame;
class CProjectDocument;

class CMeasurementPush {
public:
    explicit CMeasurementPush(CMainFrame& frame) : m_frame(frame) {}

    // S_OK when the archive was read whole into a project; the file error's
    // HRESULT for a file that cannot be opened or read, E_FAIL for a damaged
    // archive (the records before the damage are filed) or without a project.
    HRESULT Run(const CString& sPath);

private:
    static CProjectDocument* TargetProject();
    static HRESULT ReadRecords(const CString& sPath, CMeasCtrlList& records);
    void KeepNewest(const NBuildData& measurement, int nChannel);
    void OpenNewestTable(CProjectDocument& project) const;

    CMainFrame& m_frame;
    CTime m_newestTime{1990, 1, 1, 1, 1, 1};
    CMeasSetup m_newestSetup;
    int m_nNewestChannel = 1;
};
