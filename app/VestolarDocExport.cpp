// CVestolarDoc: the export commands of a project: Export into a copy of its
// template workbook (or a Word report through the report generator) and
// Export All into one folder.

#include "VestolarDoc.h"

#include "AppExportHost.h"
#include "ExportOption.h"
#include "VestolarApp.h"

#include "export/ExportAllTargets.h"
#include "export/ResultsExporter.h"

#include "AfxMessageBox.h"
#include "CFileDialog.h"
#include "CFolderDialog.h"
#include "COleDispatchDriver.h"

#include "res/resource.h"

namespace {

const DISPID kDispIdGenerateReport = 1;

bool FileExists(const CString& sPath)
{
    return ::GetFileAttributesA(sPath) != INVALID_FILE_ATTRIBUTES;
}

CString LoadText(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

// The Word template beside the workbook templates; until it is found the
// user may browse for it.
bool FindWordTemplate(CString& rsPath)
{
    while (!FileExists(rsPath)) {
        CString sQuestion;
        sQuestion.Format(LoadText(IDS_EXPORT_TEMPLATE_NOT_FOUND), static_cast<LPCTSTR>(rsPath));
        if (AfxMessageBox(sQuestion, MB_YESNO) != IDYES)
            return false;
        const CString sFilter = LoadText(IDS_EXPORT_WORD_FILTER);
        const CString sTitle = LoadText(IDS_EXPORT_BROWSE_TEMPLATE);
        CFileDialog dlg(TRUE, "doc", rsPath, OFN_HIDEREADONLY, sFilter, AfxGetMainWnd());
        dlg.m_ofn.lpstrTitle = sTitle;
        if (dlg.DoModal() != IDOK)
            return false;
        rsPath = dlg.GetPathName();
    }
    return true;
}

// The report generator builds the Word report from the data workbook and
// the Word template; the data workbook is scratch and goes afterwards.
BOOL RunReportGenerator(const CString& sData, const CString& sWordTemplate)
{
    COleDispatchDriver generator;
    COleDispatchDriver::CreateStep nFailed = COleDispatchDriver::stepClassLookup;
    BOOL bDone = FALSE;
    if (!generator.CreateDispatch("VSreport.Application", &nFailed)) {
        AfxMessageBox(nFailed == COleDispatchDriver::stepClassLookup ? IDS_EXPORT_REPORT_GENERATOR_MISSING
                                                                      : IDS_EXPORT_REPORT_GENERATOR_FAILED);
    } else {
        static const BYTE kParams[] = VTS_BSTR VTS_BSTR;
        long nResult = -1;
        const HRESULT hr = generator.InvokeHelper(kDispIdGenerateReport, DISPATCH_METHOD, VT_I4, &nResult, kParams,
                                                  static_cast<LPCTSTR>(sData), static_cast<LPCTSTR>(sWordTemplate));
        bDone = SUCCEEDED(hr) && nResult == 0;
        if (!bDone)
            AfxMessageBox(IDS_EXPORT_GENERATE_REPORT_FAILED);
    }
    ::DeleteFileA(sData);
    return bDone;
}

}  // namespace

void CVestolarDoc::OnExport()
{
    if (GetVestolarApp().m_nExportTyp == CExportOption::kExportWord) {
        GenerateReport();
        return;
    }
    CAppExportHost host;
    CResultsExporter exporter(host);
    exporter.ExportResults(&m_Project, "", "", CResultsExporter::SheetOf(m_Project.m_ReportInfo));
}

void CVestolarDoc::OnUpdateExport(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_Project.m_ReportInfo.m_bMultiplot);
}

// Every project of the workspace into one folder, each file named by the
// time of the run and the project. The question about an existing file
// names the file that would be written; Yes replaces it and every later
// one, No ends the run.
void CVestolarDoc::OnExportAll()
{
    CDocTemplate* pTemplate = GetVestolarApp().m_pMainTemplate;
    POSITION pos = pTemplate->GetFirstDocPosition();
    if (pos == nullptr)
        return;
    char sFolder[MAX_PATH] = "";
    if (!BrowseForFolder(LoadText(IDS_EXPORT_RESULTS_TITLE), sFolder))
        return;
    CAppExportHost host;
    CResultsExporter exporter(host);
    CExportAllTargets targets(sFolder, CTime::GetCurrentTime().Format("%Y%m%d_%H%M%S"));
    bool bAsk = true;
    while (pos != nullptr) {
        CProjectDoc& project = static_cast<CVestolarDoc*>(pTemplate->GetNextDoc(pos))->GetProject();
        if (!CExportAllTargets::IsExported(project.m_ReportInfo))
            continue;
        const CString sExtension = exporter.TemplateExtensionOf(&project);
        const CString sTarget = targets.TargetOf(project.m_sName, project.m_nProjectNumber, sExtension);
        if (bAsk && FileExists(sTarget)) {
            const CString sQuestion = LoadText(IDS_EXPORT_FILE_EXISTS) + " '" + project.m_sName + "." + sExtension +
                                      "'. " + LoadText(IDS_EXPORT_REPLACE_ALL);
            if (AfxMessageBox(sQuestion, MB_YESNO) != IDYES)
                return;
            bAsk = false;
        }
        exporter.ExportResults(&project, sTarget, "", CResultsExporter::SheetOf(project.m_ReportInfo));
    }
}

BOOL CVestolarDoc::BrowseForFolder(LPCTSTR pszTitle, char* pszPath)
{
    CFolderDialog dlg(pszTitle);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    lstrcpynA(pszPath, dlg.GetFolderPath(), MAX_PATH);
    return TRUE;
}

// The report through the report generator: the project goes into the data
// workbook "Data2.xls" (from the template "Data.xls" beside the program),
// which the generator turns into a Word report from the method's Word
// template.
BOOL CVestolarDoc::GenerateReport()
{
    CVestolarApp& app = GetVestolarApp();
    CString sWordTemplate = CResultsExporter::WithExtension(
        app.m_sTemplateDir + "\\" + m_Project.m_ReportInfo.m_sTemplateFileName, "doc");
    const CString sDataTemplate = app.GetAppDirectory() + "\\Data.xls";
    const CString sData = app.GetAppDirectory() + "\\Data2.xls";
    if (!FileExists(sDataTemplate)) {
        CString sMessage;
        sMessage.Format(LoadText(IDS_EXPORT_DATA_WORKBOOK_MISSING), static_cast<LPCTSTR>(sDataTemplate));
        AfxMessageBox(sMessage);
        return FALSE;
    }
    if (!FindWordTemplate(sWordTemplate))
        return FALSE;
    CAppExportHost host;
    CResultsExporter exporter(host);
    if (!exporter.ExportResults(&m_Project, sData, sDataTemplate, 1))
        return FALSE;
    return RunReportGenerator(sData, sWordTemplate);
}
