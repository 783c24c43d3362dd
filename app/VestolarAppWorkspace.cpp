// CVestolarApp: the workspace commands of the File menu and the workspace's
// projects as the main template's documents.

#include "VestolarApp.h"

#include "MainFrame.h"
#include "TemplateWorkbook.h"
#include "TreeDlg.h"
#include "VestolarDoc.h"

#include "model/ProjectFile.h"
#include "res/resource.h"

#include "newproject/NewProjectChoice.h"

namespace {

const char kProgramCaption[] = "Vestolar";

} // namespace

// --- commands -------------------------------------------------------------

void CVestolarApp::OnFileNew()
{
    CNewProjectChoice choice;
    if (choice.Ask(m_aMruReportInfo, m_pMainWnd))
        NewProject(choice.m_reportInfo, choice.m_bAddToProjects);
}

CVestolarDoc* CVestolarApp::NewProject(const CReportInfo& method, BOOL bAddToProjects)
{
    if (!bAddToProjects) {
        if (!SaveModified())
            return nullptr;
        ResetWorkspace();
    }
    auto* pDoc = static_cast<CVestolarDoc*>(m_pMainTemplate->OpenDocumentFile(nullptr, FALSE));
    if (pDoc == nullptr)
        return nullptr;
    CProjectDoc& project = pDoc->GetProject();
    project.m_ReportInfo = method;
    project.m_ReportInfo.m_sTemplateFileName = TemplateWorkbookOf(method, m_bExtendedReport);
    pDoc->SetTreeBar(GetTreeBar());
    pDoc->InitProjectTitles();
    project.Recalculate(0);
    m_nActiveProject = project.m_nProjectNumber;
    MarkActiveProject(m_nActiveProject);
    if (m_pMainWnd != nullptr) {
        CString sCaption;
        m_pMainWnd->GetWindowText(sCaption);
        if (sCaption == kProgramCaption)
            SetMainCaption(sCaption + " - " + pDoc->GetTitle());
    }
    return pDoc;
}

void CVestolarApp::OnFileClose()
{
    if (!SaveModified())
        return;
    ResetWorkspace();
    SetMainCaption(kProgramCaption);
}

void CVestolarApp::OnFileSave()
{
    SaveWorkspaceCommand(FALSE);
}

void CVestolarApp::OnFileSaveAs()
{
    SaveWorkspaceCommand(TRUE);
}

// Save removes the files of deleted projects; Save As leaves the old
// workspace on disk as it was.
BOOL CVestolarApp::SaveWorkspaceCommand(BOOL bAlwaysAsk)
{
    CString sPath = m_sWorkspacePath;
    if ((bAlwaysAsk || sPath.IsEmpty()) && !PromptWorkspacePath(sPath))
        return FALSE;
    return SaveWorkspaceTo(sPath, !bAlwaysAsk);
}

BOOL CVestolarApp::SaveWorkspaceTo(const CString& sPath, BOOL bRemoveDeletedFiles)
{
    if (!SaveWorkspace(sPath, bRemoveDeletedFiles))
        return FALSE;
    if (CTreeDlg* pTreeBar = GetTreeBar())
        pTreeBar->SetRootText(m_sWorkspaceTitle);
    SetMainCaption(CString(kProgramCaption) + " - " + m_sWorkspaceTitle);
    return TRUE;
}

// The save-file dialog starts from the workspace's file, or from a name made
// of its title.
BOOL CVestolarApp::PromptWorkspacePath(CString& rsPath)
{
    CString sExtension;
    m_pMainTemplate->GetDocString(sExtension, CDocTemplate::filterExt);
    rsPath = !m_sWorkspacePath.IsEmpty() ? m_sWorkspacePath : ProposedFileName(m_sWorkspaceTitle, sExtension);
    return DoPromptFileName(rsPath, AFX_IDS_SAVEFILE, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pMainTemplate);
}

void CVestolarApp::OnUpdateWorkspaceCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CProjectDoc::GetProjectCounter() >= 1);
}

// Every project keeps its own hidden view; its windows close.
void CVestolarApp::OnCloseAll()
{
    for (int i = 0; i < GetProjectCount(); ++i) {
        CVestolarDoc* pDoc = GetProjectDocument(i);
        CList<CFrameWnd*, CFrameWnd*> frames;
        POSITION pos = pDoc->GetFirstViewPosition();
        if (pos != nullptr)
            pDoc->GetNextView(pos);  // the hidden main view stays
        while (pos != nullptr)
            frames.AddTail(pDoc->GetNextView(pos)->GetParentFrame());
        for (POSITION posFrame = frames.GetHeadPosition(); posFrame != nullptr;)
            frames.GetNext(posFrame)->DestroyWindow();
    }
}

// --- the workspace as a whole ---------------------------------------------

CDocument* CVestolarApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (!MayReplaceWorkspaceWith(lpszFileName))
        return nullptr;
    return ReplaceWorkspace(lpszFileName);
}

// Opening the workspace already open does nothing and asks nothing; another
// one replaces the open workspace once that is saved or given up.
BOOL CVestolarApp::MayReplaceWorkspaceWith(const CString& sPath)
{
    return m_sWorkspacePath != sPath && SaveModified();
}

// The project opened last, or null: also for a workspace without projects,
// which still opens.
CDocument* CVestolarApp::ReplaceWorkspace(const CString& sPath)
{
    CProjectDoc* pLast = ReadWorkspace(sPath);
    if (m_sWorkspacePath == sPath)
        SetMainCaption(CString(kProgramCaption) + " - " + m_sWorkspaceTitle);
    return pLast != nullptr ? CVestolarDoc::FromProject(*pLast) : nullptr;
}

// File > Recent File. The framework drops an entry whenever opening it gives
// no document, which here also means the workspace is open already, the
// save question was cancelled or the workspace has no projects; an entry
// goes only when its file cannot be opened or read.
BOOL CVestolarApp::OnOpenRecentWorkspace(UINT nID)
{
    const int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (m_pRecentFileList == nullptr || nIndex >= m_pRecentFileList->GetSize() ||
        (*m_pRecentFileList)[nIndex].IsEmpty())
        return FALSE;
    const CString sPath = (*m_pRecentFileList)[nIndex];
    if (!MayReplaceWorkspaceWith(sPath))
        return TRUE;
    ReplaceWorkspace(sPath);
    if (m_sWorkspacePath != sPath)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

int CVestolarApp::OpenWorkspace(LPCTSTR lpszPath)
{
    return MergeWorkspace(lpszPath);
}

// Yes saves (and says so only when the save went through), No goes on
// without saving, Cancel stops whatever asked.
BOOL CVestolarApp::SaveModified()
{
    if (!m_bWorkspaceModified)
        return TRUE;
    CString sPrompt;
    AfxFormatString1(sPrompt, AFX_IDP_ASK_TO_SAVE, m_sWorkspaceTitle);
    switch (AfxMessageBox(sPrompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
        return FALSE;
    case IDNO:
        return TRUE;
    default:
        return SaveWorkspaceCommand(FALSE);
    }
}

void CVestolarApp::ResetWorkspace()
{
    ClearWorkspace(GetUntitledText());
}

// Only the workspace file: the project files opened with it never appear.
void CVestolarApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_sWorkspacePath == lpszPathName)
        CWinApp::AddToRecentFileList(lpszPathName);
}

// The main frame's tree bar, once it exists.
CTreeDlg* CVestolarApp::GetTreeBar() const
{
    auto* pMainFrame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    if (pMainFrame == nullptr || pMainFrame->GetTreeBar().GetSafeHwnd() == nullptr)
        return nullptr;
    return &pMainFrame->GetTreeBar();
}

void CVestolarApp::SetMainCaption(const CString& sCaption)
{
    if (m_pMainWnd != nullptr && m_pMainWnd->GetSafeHwnd() != nullptr)
        m_pMainWnd->SetWindowText(sCaption);
}

// --- the projects of the workspace ----------------------------------------

int CVestolarApp::GetProjectCount() const
{
    int nCount = 0;
    for (POSITION pos = m_pMainTemplate->GetFirstDocPosition(); pos != nullptr; ++nCount)
        m_pMainTemplate->GetNextDoc(pos);
    return nCount;
}

CVestolarDoc* CVestolarApp::GetProjectDocument(int nIndex) const
{
    POSITION pos = m_pMainTemplate->GetFirstDocPosition();
    for (int i = 0; i < nIndex; ++i)
        m_pMainTemplate->GetNextDoc(pos);
    return static_cast<CVestolarDoc*>(m_pMainTemplate->GetNextDoc(pos));
}

CProjectDoc& CVestolarApp::GetProject(int nIndex) const
{
    return GetProjectDocument(nIndex)->GetProject();
}

// The project is read whole before it gets its hidden frame; a file that
// cannot be read leaves no document behind.
CProjectDoc* CVestolarApp::OpenProject(const CString& sPath)
{
    auto* pDoc = static_cast<CVestolarDoc*>(m_pMainTemplate->CreateNewDocument());
    try {
        CProjectFile::Load(pDoc->GetProject(), sPath);
    } catch (...) {
        delete pDoc;
        throw;
    }
    pDoc->m_bAutoDelete = FALSE;  // a failed frame must not take the document along
    CFrameWnd* pFrame = m_pMainTemplate->CreateNewFrame(pDoc, nullptr);
    pDoc->m_bAutoDelete = TRUE;
    if (pFrame == nullptr) {
        delete pDoc;
        AfxThrowFileException(CFileException::genericException, -1, sPath);
    }
    pDoc->SetPathName(sPath, FALSE);
    m_pMainTemplate->InitialUpdateFrame(pFrame, pDoc, FALSE);
    return &pDoc->GetProject();
}

void CVestolarApp::SetUpProject(CProjectDoc& project, const CString& sTitle)
{
    CVestolarDoc* pDoc = CVestolarDoc::FromProject(project);
    pDoc->SetTreeBar(GetTreeBar());
    pDoc->SetTitle(sTitle);
    pDoc->InitProjectTitles();
    project.Recalculate(0);
}

void CVestolarApp::ProjectSaved(CProjectDoc& project, const CString& sPath, const CString& sTitle)
{
    CVestolarDoc* pDoc = CVestolarDoc::FromProject(project);
    pDoc->SetPathName(sPath, FALSE);
    pDoc->SetTitle(sTitle);
}

void CVestolarApp::CloseAllProjects()
{
    m_pMainTemplate->CloseAllDocuments(FALSE);
    if (CTreeDlg* pTreeBar = GetTreeBar())
        pTreeBar->ClearTree();
}

void CVestolarApp::MarkActiveProject(int nProjectNumber)
{
    if (CTreeDlg* pTreeBar = GetTreeBar())
        pTreeBar->MarkActiveProject(nProjectNumber);
}

void CVestolarApp::WorkspaceFileUsed(const CString& sPath)
{
    AddToRecentFileList(sPath);
}

void CVestolarApp::ShowError(const CString& sMessage)
{
    AfxMessageBox(sMessage, MB_OK | MB_ICONEXCLAMATION);
}
