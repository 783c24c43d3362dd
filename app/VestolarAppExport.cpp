// CVestolarApp: the export of every project onto the sheets of one workbook
// (Ctrl+Alt+F8): project n fills sheet n of the chosen book, which is both
// template and target, so each project finds the book the one before saved.

#include "VestolarApp.h"

#include "AppExportHost.h"
#include "VestolarDoc.h"

#include "export/ResultsExporter.h"

#include "AfxMessageBox.h"
#include "CFileDialog.h"

#include "res/resource.h"

// The book opens only once, if at all: launching is off for the run. A
// multiplot project has no results sheet; its sheet stays as it is.
void CVestolarApp::OnExportAll()
{
    CString sFilter, sTitle;
    sFilter.LoadString(IDS_EXPORT_EXCEL_FILTER);
    sTitle.LoadString(IDS_EXPORT_RESULTS_TITLE);
    CFileDialog dlg(FALSE, "xls", nullptr, OFN_HIDEREADONLY, sFilter, AfxGetMainWnd());
    dlg.m_ofn.lpstrTitle = sTitle;
    if (dlg.DoModal() != IDOK)
        return;
    const CString sPath = dlg.GetPathName();
    const bool bLaunchExcel = m_bLaunchExcel;
    m_bLaunchExcel = false;
    CAppExportHost host;
    int nSheet = 1;
    for (POSITION pos = m_pMainTemplate->GetFirstDocPosition(); pos != nullptr; ++nSheet) {
        CProjectDoc& project = static_cast<CVestolarDoc*>(m_pMainTemplate->GetNextDoc(pos))->GetProject();
        if (project.m_ReportInfo.m_bMultiplot)
            continue;
        CResultsExporter exporter(host);
        exporter.ExportResults(&project, sPath, sPath, nSheet);
    }
    m_bLaunchExcel = bLaunchExcel;
    CString sDone;
    sDone.LoadString(IDS_EXPORT_ALL_TO_SHEETS_DONE);
    AfxMessageBox(sDone + sPath);
}
