#pragma once
// Classes in this file: CWinApp, the one application object: start-up and
// shut-down, the document templates, the profile (settings) functions, the
// recent-file list, the standard file commands, help and message boxes.
//
// A program defines one static object of a class derived from CWinApp; the
// framework's WinMain finds it with AfxGetApp and runs InitInstance, Run and
// ExitInstance.

#include "CWinThread.h"

#include <memory>

class CCmdUI;
class CDC;
class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CPrintDialog;
class CRecentFileList;
class CSettingsStore;

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

// Attributes. The strings are malloc'd: a program may free one and put its
// own strdup'd copy in its place (the help path, say).
    LPCTSTR m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszHelpFilePath = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;

// Initialisation
    virtual BOOL InitApplication();
    int ExitInstance() override;
    BOOL OnIdle(LONG lCount) override;

// Profile: under HKEY_CURRENT_USER\Software\<registry key>\<application
// name> once SetRegistryKey ran; in memory before.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    void SetSettingsStore(std::unique_ptr<CSettingsStore> pStore);
    // HKCU\Software\<key>\<application name>, made when missing; the
    // caller closes it. Null before SetRegistryKey or when it cannot be made.
    HKEY GetAppRegistryKey() const;
    CSettingsStore* GetSettingsStore() const { return m_pSettingsStore.get(); }
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    // *ppData is allocated with new[]; the caller deletes it with delete[].
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();

// Documents
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount() const;
    // The file dialog of Open and Save As; the filter lists the templates'
    // file types (only pTemplate's when given) and "All Files".
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);
    // "Name (*.ext)|*.ext|...|All Files (*.*)|*.*|" with '\0' for '|'.
    CString BuildFileDialogFilter(CDocTemplate* pTemplate, CString* pstrDefaultExt) const;

// Command line
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

// The shell: document types of the registered templates (extension, type,
// open command; with bCompat also the icon and the print verbs)
    void EnableShellOpen();
    BOOL RegisterShellFileTypes(BOOL bCompat = FALSE);

// Printing: the printer chosen last (or the system's default printer, or an
// installed CVirtualPrinter).
    BOOL GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg);
    virtual int DoPrintDialog(CPrintDialog* pPD);
    HDC CreatePrinterDC(CDC& dc);

// Resources and messages
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    void HideApplication();

    CRecentFileList* m_pRecentFileList = nullptr;

// Command handlers, for the program's message map
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();
    afx_msg void OnAppExit();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

protected:
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    void UpdatePrinterSelection(BOOL bForceDefaults);

    CList<CDocTemplate*, CDocTemplate*> m_templateList;
    std::unique_ptr<CSettingsStore> m_pSettingsStore;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();

// Fills the application's start-up fields (instance, command line, names);
// WinMain calls it, tests call it with their own values.
BOOL AfxWinInit(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow);
// InitInstance, Run and ExitInstance of the application object.
int AfxWinMain(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow);
