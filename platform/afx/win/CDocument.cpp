#include "CDocument.h"

#include "AfxMessageBox.h"
#include "CDocTemplate.h"
#include "CFrameWnd.h"
#include "CView.h"
#include "CWinApp.h"
#include "res/resource.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

// A document deleted while views still show it leaves them without one.
CDocument::~CDocument()
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
        GetNextView(pos)->m_pDocument = nullptr;
    m_viewList.RemoveAll();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

// The title becomes the file name; the path joins the recent-file list.
void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    char szFull[MAX_PATH];
    DWORD nLength = ::GetFullPathNameA(lpszPathName, MAX_PATH, szFull, nullptr);
    m_strPathName = nLength > 0 && nLength < MAX_PATH ? CString(szFull) : CString(lpszPathName);
    int nNameStart = std::max(m_strPathName.ReverseFind('\\'), m_strPathName.ReverseFind('/')) + 1;
    SetTitle(m_strPathName.Mid(nNameStart));
    if (bAddToMRU && AfxGetApp() != nullptr)
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

// --- views ----------------------------------------------------------------

void CDocument::AddView(CView* pView)
{
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

// The document closes itself when its last view is gone.
void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

// The frames of the document's views, each once, in view order; with
// bVisibleOnly only those of views on screen.
void CDocument::CollectFrames(CList<CFrameWnd*, CFrameWnd*>& frames, BOOL bVisibleOnly) const
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = GetNextView(pos);
        if (bVisibleOnly && !pView->IsWindowVisible())
            continue;
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && frames.Find(pFrame) == nullptr)
            frames.AddTail(pFrame);
    }
}

// Numbers the visible frames of a document (":1", ":2") when it has more
// than one, and brings their captions up to date.
void CDocument::UpdateFrameCounts()
{
    CList<CFrameWnd*, CFrameWnd*> frames;
    CollectFrames(frames, TRUE);
    const BOOL bNumbered = frames.GetCount() > 1;
    int nWindow = 1;
    POSITION pos = frames.GetHeadPosition();
    while (pos != nullptr) {
        CFrameWnd* pFrame = frames.GetNext(pos);
        pFrame->m_nWindow = bNumbered ? nWindow++ : -1;
        pFrame->OnUpdateFrameTitle(TRUE);
        CFrameWnd* pTopFrame = pFrame->GetTopLevelFrame();
        if (pTopFrame != nullptr && pTopFrame != pFrame)
            pTopFrame->OnUpdateFrameTitle(TRUE);
    }
}

// --- commands routing -----------------------------------------------------

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// --- life cycle -----------------------------------------------------------

void CDocument::DeleteContents()
{
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE);  // dirty while the contents are half read
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        BeginWaitCursor();
        Serialize(ar);
        ar.Close();
        EndWaitCursor();
    } catch (const CException& e) {
        EndWaitCursor();
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(lpszPathName, &e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    CAtomicFile save;
    CFileException fe;
    if (!save.Open(lpszPathName, &fe)) {
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_INVALID_FILENAME);
        return FALSE;
    }
    try {
        CArchive ar(&save.GetFile(), CArchive::store | CArchive::bNoFlushOnDelete);
        BeginWaitCursor();
        Serialize(ar);
        ar.Close();
        save.Commit();
        EndWaitCursor();
    } catch (const CException& e) {
        EndWaitCursor();
        save.Abort();
        ReportSaveLoadException(lpszPathName, &e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

// File and archive errors name the document's file (not a temporary one);
// anything else gets the caller's general message.
void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, const CException* e, BOOL,
                                        UINT nIDPDefault)
{
    CString sMessage;
    if (const auto* pFileError = dynamic_cast<const CFileException*>(e)) {
        CFileException named(*pFileError);
        named.m_strFileName = lpszPathName;
        sMessage = named.GetErrorText();
    } else if (const auto* pArchiveError = dynamic_cast<const CArchiveException*>(e)) {
        CArchiveException named(*pArchiveError);
        named.m_strFileName = lpszPathName;
        sMessage = named.GetErrorText();
    } else if (dynamic_cast<const CMemoryException*>(e) != nullptr) {
        sMessage.LoadString(AFX_IDP_FAILED_MEMORY_ALLOC);
    }
    if (sMessage.IsEmpty())
        sMessage.LoadString(nIDPDefault);
    AfxMessageBox(sMessage, MB_ICONEXCLAMATION, nIDPDefault);
}

// Destroys every frame of the document, then the document itself. Views
// whose deletion waits for their own message to finish are let go first.
void CDocument::OnCloseDocument()
{
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;  // the last view going must not close us again
    CList<CFrameWnd*, CFrameWnd*> frames;
    CollectFrames(frames, FALSE);
    POSITION pos = frames.GetHeadPosition();
    while (pos != nullptr) {
        CFrameWnd* pFrame = frames.GetNext(pos);
        PreCloseFrame(pFrame);
        pFrame->DestroyWindow();
    }
    while (!m_viewList.IsEmpty())
        RemoveView(m_viewList.GetHead());
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::PreCloseFrame(CFrameWnd*)
{
}

// A frame may close without asking while another frame shows the document.
BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

// Asks "Save changes to <title>?": Yes saves, No discards, Cancel keeps
// everything as it is (FALSE).
BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString sName = m_strTitle;
    if (sName.IsEmpty())
        sName.LoadString(AFX_IDS_UNTITLED);
    CString sPrompt;
    AfxFormatString1(sPrompt, AFX_IDP_ASK_TO_SAVE, sName);
    switch (AfxMessageBox(sPrompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttributes = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES
                                                 : ::GetFileAttributesA(m_strPathName);
    const BOOL bReadOnly = dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY);
    if (bReadOnly || dwAttributes == INVALID_FILE_ATTRIBUTES)
        return DoSave(nullptr);  // ask for a name
    return DoSave(m_strPathName);
}

// Without a path the user chooses one (the title proposed as its name).
BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString sNewName(lpszPathName ? lpszPathName : "");
    if (sNewName.IsEmpty()) {
        sNewName = m_strPathName;
        if (bReplace && sNewName.IsEmpty()) {
            sNewName = m_strTitle;
            int nBad = sNewName.FindOneOf(" #%;/\\");
            if (nBad >= 0)
                sNewName = sNewName.Left(nBad);
            CString sExt;
            if (m_pDocTemplate != nullptr &&
                m_pDocTemplate->GetDocString(sExt, CDocTemplate::filterExt) && !sExt.IsEmpty())
                sNewName += sExt;
        }
        if (!AfxGetApp()->DoPromptFileName(sNewName,
                                           AFX_IDS_SAVEFILE,
                                           OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE,
                                           m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(sNewName))
        return FALSE;
    if (bReplace)
        SetPathName(sNewName);
    return TRUE;
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
