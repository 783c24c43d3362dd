// CNewProjectChoice: the seam between the application's File > New command
// and the "New Project" dialog; the list of recently used methods stays the
// application's and is written to the profile when the settings are saved.
// The command opens the project and names its template workbook.

#include "newproject/NewProjectChoice.h"

#include "newproject/FileNewDlg.h"
#include "newproject/ProfileMruStore.h"

BOOL CNewProjectChoice::Ask(CMruReportInfoList& mruList, CWnd* pParent)
{
    CProfileMruStore profile;
    CFileNewDlg dlg(mruList, profile, pParent);
    if (dlg.DoModal() != IDOK)
        return FALSE;

    m_reportInfo = dlg.m_reportInfo;
    m_bAddToProjects = dlg.m_bAddToProjects;
    return TRUE;
}
