#include "CWinApp.h"

#include "AfxHandleMap.h"
#include "AfxMessageBox.h"
#include "AfxOleInit.h"
#include "AfxOleLock.h"
#include "AfxWinState.h"
#include "CCmdUI.h"
#include "CCommandLineInfo.h"
#include "CDC.h"
#include "CDocTemplate.h"
#include "CDocument.h"
#include "CFileDialog.h"
#include "CFrameWnd.h"
#include "COleClassRegistration.h"
#include "CPrintDialog.h"
#include "CRecentFileList.h"
#include "CView.h"
#include "CVirtualPrinter.h"
#include "CWnd.h"
#include "res/resource.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {

const char kRecentFileSection[] = "Recent File List";
const char kRecentFileEntry[] = "File%d";

char* DuplicateString(LPCTSTR lpsz)
{
    return lpsz ? ::_strdup(lpsz) : nullptr;
}

void FreeString(LPCTSTR& lpsz)
{
    std::free(const_cast<char*>(lpsz));
    lpsz = nullptr;
}

// The icon by its resource id (a negative index), print and print-to.
LONG RegisterCompatibleShellEntries(const CString& sTypeId, UINT nIDIcon)
{
    char szModule[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    CString sIcon;
    sIcon.Format("%s,-%u", szModule, nIDIcon);
    const CString sServer = COleClassRegistration::GetServerCommand();
    LONG nResult = COleClassRegistration::SetClassesKey(sTypeId + "\\DefaultIcon", sIcon);
    if (nResult == ERROR_SUCCESS)
        nResult = COleClassRegistration::SetClassesKey(sTypeId + "\\shell\\print\\command", sServer + " /p \"%1\"");
    if (nResult == ERROR_SUCCESS) {
        nResult = COleClassRegistration::SetClassesKey(sTypeId + "\\shell\\printto\\command",
                                                       sServer + " /pt \"%1\" \"%2\" \"%3\" \"%4\"");
    }
    return nResult;
}

}  // namespace

CWinApp* AfxGetApp()
{
    return AfxGetWinState().pApp;
}

CWnd* AfxGetMainWnd()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetMainWnd() : nullptr;
}

LPCTSTR AfxGetAppName()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pszAppName != nullptr)
        return pApp->m_pszAppName;
    static CString sTitle;
    if (sTitle.IsEmpty())
        sTitle.LoadString(AFX_IDS_APP_TITLE);
    return sTitle;
}

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_pSettingsStore(std::make_unique<CMemorySettingsStore>())
{
    assert(AfxGetWinState().pApp == nullptr);  // one application object
    AfxGetWinState().pApp = this;
    m_pszAppName = DuplicateString(lpszAppName);
}

// The registered templates belong to the application and go with it.
CWinApp::~CWinApp()
{
    while (!m_templateList.IsEmpty())
        delete m_templateList.RemoveHead();
    delete m_pRecentFileList;
    if (m_hDevMode != nullptr)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames != nullptr)
        ::GlobalFree(m_hDevNames);
    FreeString(m_pszAppName);
    FreeString(m_pszExeName);
    FreeString(m_pszHelpFilePath);
    FreeString(m_pszProfileName);
    FreeString(m_pszRegistryKey);
    if (AfxGetWinState().pApp == this)
        AfxGetWinState().pApp = nullptr;
}

BOOL AfxWinInit(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);

    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    char szModule[MAX_PATH] = {};
    ::GetModuleFileNameA(hInstance, szModule, MAX_PATH);
    CString sModule(szModule);
    CString sExeName = sModule.Mid(sModule.ReverseFind('\\') + 1);
    if (sExeName.ReverseFind('.') > 0)
        sExeName = sExeName.Left(sExeName.ReverseFind('.'));
    if (pApp->m_pszExeName == nullptr)
        pApp->m_pszExeName = DuplicateString(sExeName);
    if (pApp->m_pszAppName == nullptr) {
        CString sTitle;
        if (!sTitle.LoadString(AFX_IDS_APP_TITLE))
            sTitle = sExeName;
        pApp->m_pszAppName = DuplicateString(sTitle);
    }
    if (pApp->m_pszHelpFilePath == nullptr) {
        CString sHelp = sModule.Left(sModule.ReverseFind('.') > 0 ? sModule.ReverseFind('.') : sModule.GetLength());
        pApp->m_pszHelpFilePath = DuplicateString(sHelp + ".HLP");
    }
    if (pApp->m_pszProfileName == nullptr)
        pApp->m_pszProfileName = DuplicateString(pApp->m_pszAppName);
    return TRUE;
}

// When InitInstance fails the main window (if any) goes and the exit code is
// ExitInstance's.
int AfxWinMain(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !AfxWinInit(hInstance, lpCmdLine, nCmdShow) || !pApp->InitApplication())
        return -1;
    int nResult = 0;
    if (pApp->InitInstance()) {
        nResult = pApp->Run();
    } else {
        if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        nResult = pApp->ExitInstance();
    }
    AfxOleTerm();
    return nResult;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList != nullptr)
        SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

// --- profile --------------------------------------------------------------

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    FreeString(m_pszRegistryKey);
    m_pszRegistryKey = DuplicateString(lpszRegistryKey);
    if (m_pszProfileName == nullptr)
        m_pszProfileName = DuplicateString(m_pszAppName);
    m_pSettingsStore = std::make_unique<CRegistrySettingsStore>(m_pszRegistryKey, m_pszProfileName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString sKey;
    sKey.LoadString(nIDRegistryKey);
    SetRegistryKey(sKey);
}

HKEY CWinApp::GetAppRegistryKey() const
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    CString sPath = CString("Software\\") + m_pszRegistryKey + "\\" + m_pszProfileName;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, sPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                          &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

void CWinApp::SetSettingsStore(std::unique_ptr<CSettingsStore> pStore)
{
    m_pSettingsStore = std::move(pStore);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    return m_pSettingsStore->GetInt(lpszSection, lpszEntry, nDefault);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    return m_pSettingsStore->GetString(lpszSection, lpszEntry, lpszDefault ? lpszDefault : "");
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    std::vector<BYTE> data;
    if (!m_pSettingsStore->GetBinary(lpszSection, lpszEntry, data))
        return FALSE;
    *ppData = new BYTE[data.size() ? data.size() : 1];
    std::memcpy(*ppData, data.data(), data.size());
    *pBytes = static_cast<UINT>(data.size());
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    return m_pSettingsStore->WriteInt(lpszSection, lpszEntry, nValue);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return m_pSettingsStore->WriteString(lpszSection, lpszEntry, lpszValue);
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    return m_pSettingsStore->WriteBinary(lpszSection, lpszEntry, pData, nBytes);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0)
        return;
    m_pRecentFileList = new CRecentFileList(0, kRecentFileSection, kRecentFileEntry,
                                            static_cast<int>(std::min<UINT>(nMaxMRU, 16)));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

// --- documents ------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPos) const
{
    return m_templateList.GetNext(rPos);
}

// An open document of that path is activated; else the template that knows
// the file's extension (or the first) reads it.
CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    CDocTemplate* pBestTemplate = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pOpenDocument = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(lpszFileName, pOpenDocument);
        if (match == CDocTemplate::yesAlreadyOpen) {
            POSITION posView = pOpenDocument->GetFirstViewPosition();
            if (posView != nullptr) {
                CView* pView = pOpenDocument->GetNextView(posView);
                if (CFrameWnd* pFrame = pView->GetParentFrame())
                    pFrame->ActivateFrame();
            }
            return pOpenDocument;
        }
        if (match > bestMatch) {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
    }
    if (pBestTemplate == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return nullptr;
    }
    return pBestTemplate->OpenDocumentFile(lpszFileName);
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount() const
{
    int nCount = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        for (; posDoc != nullptr; ++nCount)
            pTemplate->GetNextDoc(posDoc);
    }
    return nCount;
}

namespace {

// "Name (*.ext)|*.ext|" for a template with a file type; *pstrDefaultExt
// takes the first extension (without its dot).
void AppendTemplateFilter(CString& sFilter, CDocTemplate* pTemplate, CString* pstrDefaultExt)
{
    CString sName;
    CString sExt;
    if (!pTemplate->GetDocString(sName, CDocTemplate::filterName) || sName.IsEmpty() ||
        !pTemplate->GetDocString(sExt, CDocTemplate::filterExt) || sExt.IsEmpty())
        return;
    if (pstrDefaultExt != nullptr && pstrDefaultExt->IsEmpty())
        *pstrDefaultExt = sExt.Mid(1);
    sFilter += sName;
    sFilter += '|';
    sFilter += "*" + sExt;
    sFilter += '|';
}

}  // namespace

CString CWinApp::BuildFileDialogFilter(CDocTemplate* pTemplate, CString* pstrDefaultExt) const
{
    CString sFilter;
    if (pTemplate != nullptr) {
        AppendTemplateFilter(sFilter, pTemplate, pstrDefaultExt);
    } else {
        POSITION pos = GetFirstDocTemplatePosition();
        while (pos != nullptr)
            AppendTemplateFilter(sFilter, GetNextDocTemplate(pos), pstrDefaultExt);
    }
    CString sAll;
    sAll.LoadString(AFX_IDS_ALLFILTER);
    sFilter += sAll + "|*.*|";
    return sFilter;
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    CString sDefaultExt;
    CString sFilter = BuildFileDialogFilter(pTemplate, &sDefaultExt);
    CFileDialog dlg(bOpenFileDialog, sDefaultExt.IsEmpty() ? nullptr : static_cast<LPCTSTR>(sDefaultExt),
                    fileName, lFlags, sFilter);
    CString sTitle;
    sTitle.LoadString(nIDSTitle);
    dlg.m_ofn.lpstrTitle = sTitle;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    fileName = dlg.GetPathName();
    return TRUE;
}

// --- command line ---------------------------------------------------------

// A word that starts with '-' or '/' is a switch. A program started by COM
// (embedded or for automation) is not the user's: it ends when its last
// client lets go.
void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    const std::vector<CString> words = AfxSplitCommandLine(m_lpCmdLine);
    for (size_t i = 0; i < words.size(); ++i) {
        const CString& sWord = words[i];
        const BOOL bFlag = !sWord.IsEmpty() && (sWord[0] == '-' || sWord[0] == '/');
        rCmdInfo.ParseParam(bFlag ? static_cast<LPCTSTR>(sWord) + 1 : static_cast<LPCTSTR>(sWord), bFlag,
                            i + 1 == words.size());
    }
    if (rCmdInfo.m_bRunEmbedded || rCmdInfo.m_bRunAutomated)
        AfxOleSetUserCtrl(FALSE);
}

// "Nothing" opens no document and makes no empty one.
BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNothing:
        return TRUE;
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo: {
        CDocument* pDocument = OpenDocumentFile(rCmdInfo.m_strFileName);
        if (pDocument == nullptr)
            return FALSE;
        if (m_pMainWnd != nullptr)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        return FALSE;  // the program ends after printing
    }
    default:
        return FALSE;  // registration and DDE are the shell server's business
    }
}

// --- command handlers -----------------------------------------------------

// The first registered template makes the new document.
void CWinApp::OnFileNew()
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (pos != nullptr)
        GetNextDocTemplate(pos)->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString sFileName;
    if (DoPromptFileName(sFileName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr))
        OpenDocumentFile(sFileName);
}

// The printer and device mode chosen here are where every later print job
// starts, direct printing included.
void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dlg(TRUE);
    DoPrintDialog(&dlg);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

// A recent file that cannot be opened leaves the list.
BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr)
        return FALSE;
    int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[nIndex].IsEmpty())
        return FALSE;
    CString sPath = (*m_pRecentFileList)[nIndex];
    if (OpenDocumentFile(sPath) == nullptr)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

// --- printing -------------------------------------------------------------

namespace {

BOOL IsVirtualDevNames(HGLOBAL hDevNames)
{
    if (hDevNames == nullptr)
        return FALSE;
    auto* pDevNames = static_cast<DEVNAMES*>(::GlobalLock(hDevNames));
    BOOL bVirtual = CVirtualPrinter::IsVirtualDriver(reinterpret_cast<const char*>(pDevNames) +
                                                     pDevNames->wDriverOffset);
    ::GlobalUnlock(hDevNames);
    return bVirtual;
}

}  // namespace

// An installed virtual printer is the default printer; else the system's.
void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults)
{
    CVirtualPrinter* pVirtual = CVirtualPrinter::GetInstalled();
    const BOOL bVirtualCurrent = IsVirtualDevNames(m_hDevNames);
    if (!bForceDefaults && m_hDevNames != nullptr && (pVirtual != nullptr) == bVirtualCurrent)
        return;
    if (m_hDevMode != nullptr)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames != nullptr)
        ::GlobalFree(m_hDevNames);
    m_hDevMode = m_hDevNames = nullptr;
    if (pVirtual != nullptr) {
        m_hDevMode = pVirtual->CreateDevMode();
        m_hDevNames = pVirtual->CreateDevNames();
        return;
    }
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT;
    if (::PrintDlgA(&pd)) {
        m_hDevMode = pd.hDevMode;
        m_hDevNames = pd.hDevNames;
    }
}

// The dialog data share the application's device mode, so a change made for
// one job (the orientation, say) stays for the next.
BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg)
{
    UpdatePrinterSelection(FALSE);
    if (m_hDevNames == nullptr)
        return FALSE;
    pPrintDlg->hDevMode = m_hDevMode;
    pPrintDlg->hDevNames = m_hDevNames;
    return TRUE;
}

int CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
    UpdatePrinterSelection(FALSE);
    pPD->m_pd.hDevMode = m_hDevMode;
    pPD->m_pd.hDevNames = m_hDevNames;
    int nResult = static_cast<int>(pPD->DoModal());
    m_hDevMode = pPD->m_pd.hDevMode;
    m_hDevNames = pPD->m_pd.hDevNames;
    return nResult;
}

HDC CWinApp::CreatePrinterDC(CDC& dc)
{
    UpdatePrinterSelection(FALSE);
    dc.Attach(AfxCreateDC(m_hDevNames, m_hDevMode));
    return dc.m_hDC;
}

// --- resources and messages -----------------------------------------------

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursor(nullptr, lpszCursorName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIcon(nullptr, lpszIconName);
}

// The box belongs to the main window (or its open popup), carries the
// application's name as caption, and gets an icon when the caller gave none.
int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = nullptr;
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
        hWndOwner = ::GetLastActivePopup(m_pMainWnd->m_hWnd);
    if ((nType & MB_ICONMASK) == 0) {
        UINT nButtons = nType & MB_TYPEMASK;
        nType |= (nButtons == MB_YESNO || nButtons == MB_YESNOCANCEL) ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    }
    return AfxShowMessageBox(hWndOwner, lpszPrompt, m_pszAppName ? m_pszAppName : AfxGetAppName(), nType);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    HWND hWndMain = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    if (!::WinHelpA(hWndMain, m_pszHelpFilePath, nCmd, dwData))
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

// The program goes out of sight while COM clients still hold it: its main
// window and the windows it owns hide, and the window goes to the bottom so
// that another program becomes the active one.
void CWinApp::HideApplication()
{
    if (m_pMainWnd == nullptr || m_pMainWnd->m_hWnd == nullptr)
        return;
    ::ShowOwnedPopups(m_pMainWnd->m_hWnd, FALSE);
    m_pMainWnd->ShowWindow(SW_HIDE);
    ::SetWindowPos(m_pMainWnd->m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// --- shell ----------------------------------------------------------------

// Opening from the shell reaches the program through its command line; the
// program takes no DDE conversation, so there is nothing to start here.
void CWinApp::EnableShellOpen()
{
}

// Each registered template with a registry id: its document type with name
// and open command, and its extension pointing at the type. The compatible
// form adds the template's icon and the print and print-to commands.
BOOL CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    const CString sServer = COleClassRegistration::GetServerCommand();
    LONG nResult = ERROR_SUCCESS;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr && nResult == ERROR_SUCCESS) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString sTypeId, sTypeName, sExt;
        pTemplate->GetDocString(sTypeId, CDocTemplate::regFileTypeId);
        pTemplate->GetDocString(sTypeName, CDocTemplate::regFileTypeName);
        pTemplate->GetDocString(sExt, CDocTemplate::filterExt);
        if (sTypeId.IsEmpty())
            continue;
        nResult = COleClassRegistration::SetClassesKey(sTypeId, sTypeName.IsEmpty() ? sTypeId : sTypeName);
        if (nResult == ERROR_SUCCESS)
            nResult = COleClassRegistration::SetClassesKey(sTypeId + "\\shell\\open\\command", sServer + " \"%1\"");
        if (nResult == ERROR_SUCCESS && bCompat)
            nResult = RegisterCompatibleShellEntries(sTypeId, pTemplate->m_nIDResource);
        if (nResult == ERROR_SUCCESS && !sExt.IsEmpty() && sExt[0] == '.')
            nResult = COleClassRegistration::SetClassesKey(sExt, sTypeId);
    }
    return nResult == ERROR_SUCCESS;
}
