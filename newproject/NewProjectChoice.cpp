// CNewProjectChoice: the seam between the application's File > New command
// and the "New Project" dialog; the list of recently used methods stays the
// application's and is written to the profile when the settings are saved.
// The command opens the project and names its template workbook.

#include "newproject/NewProjectChoice.h"

#include <vector>

#include "newproject/FileNewDlg.h"
#include "newproject/ProfileMruStore.h"

BOOL CNewProjectChoice::Ask(CArray<CReportInfo, CReportInfo&>& aMruReportInfo, CWnd* pParent)
{
    CMruReportInfoList mruList;
    mruList.SetEntries(std::vector<CReportInfo>(aMruReportInfo.GetData(),
                                                aMruReportInfo.GetData() + aMruReportInfo.GetSize()));
    CProfileMruStore profile;
    CFileNewDlg dlg(mruList, profile, pParent);
    if (dlg.DoModal() != IDOK)
        return FALSE;

    aMruReportInfo.RemoveAll();
    for (CReportInfo entry : mruList.GetEntries())
        aMruReportInfo.Add(entry);
    m_reportInfo = dlg.m_reportInfo;
    m_bAddToProjects = dlg.m_bAddToProjects;
    return TRUE;
}
