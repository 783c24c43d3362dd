#pragma once
// Classes in this file: CVestolarApp, the program's application object. It
// holds the settings (CAppSettings) and is the workspace (CWorkspace), the
// project model's host (CProjectHost, with the engine's result pass of
// the default host) and the owner of the document
// templates; it runs the start-up and shut-down of the program and the
// workspace commands of the File menu.

#include "AppSettings.h"
#include "HtmlHelpLibrary.h"
#include "ProjectWindows.h"
#include "Workspace.h"

#include "model/ProjectHost.h"

#include "CComModule.h"
#include "CTKSkinnedApp.h"

#include "Calc.h"
#include "MeasGraphWindows.h"
#include "NBuildData.h"
#include "afxwin.h"

class CActiveDocServerDoc;
class CTreeDlg;
class CVestolarDoc;

class CVestolarApp : public CTKSkinnedApp, public CAppSettings, public CWorkspace, public CDefaultProjectHost {
public:
    CVestolarApp();
    ~CVestolarApp() override;

// Start-up state
    BOOL m_bATLInited = FALSE;
    CComModule m_module;          // the automation class's server
    COleTemplateServer m_server;  // the document server of the main template
    HINSTANCE m_hLangResource = nullptr;
    int m_nCurrentViewKind = 0;

// The copy buffer of measurements between tables and projects
    CList<NBuildData, NBuildData&> m_lCopyBuffer;
    CReportInfo m_reportInfo{false};  // the only descriptor without the default captions
    CCalc m_calc;

// The reports' filter text, as the last INI project import read it
    CString m_sFilterText;

// The main template (a project with its hidden frame) and the templates of
// the project windows
    CMultiDocTemplate* m_pMainTemplate = nullptr;
    CProjectWindows m_ProjectWindows;

// The measurement-data library's graph windows (Properties and the tables'
// graph commands)
    CMeasGraphWindows m_GraphWindows;

// Start and end
    BOOL InitInstance() override;
    int ExitInstance() override;

// Settings and languages (VestolarAppSettings.cpp)
    void LoadSettings();
    void SaveSettings();
    CString GetAppDirectory();
    CString GetDataDirectory();
    CString GetLanguage();

// Workspace (VestolarAppWorkspace.cpp)
    CDocument* OpenDocumentFile(LPCTSTR lpszFileName) override;
    int OpenWorkspace(LPCTSTR lpszPath);
    BOOL SaveModified();
    // Closing the main window asks about the workspace, not each project.
    BOOL SaveAllModified() override { return SaveModified(); }
    void ResetWorkspace();
    void AddToRecentFileList(LPCTSTR lpszPathName) override;
    // A new project of the given method, added to the open workspace or
    // into a new one (after the save query).
    CVestolarDoc* NewProject(const CReportInfo& method, BOOL bAddToProjects);
    void SetSkin(const CString& sSkin);
    // Saves the workspace into sPath, as the save commands do after their
    // file dialog.
    BOOL SaveWorkspaceTo(const CString& sPath, BOOL bRemoveDeletedFiles);

    afx_msg void OnFileNew();
    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    afx_msg void OnUpdateWorkspaceCommand(CCmdUI* pCmdUI);
    afx_msg void OnCloseAll();
    afx_msg BOOL OnOpenRecentWorkspace(UINT nID);

// Export of all projects onto the sheets of one workbook (VestolarAppExport.cpp)
    afx_msg void OnExportAll();

// Multiple print of the projects' windows (VestolarAppPrint.cpp)
    afx_msg void OnMultiplePrint();

// About and help (VestolarAppHelp.cpp)
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    afx_msg void OnAppAbout();
    afx_msg void OnHelpContents();

// The sibling programs (VestolarAppSiblings.cpp)
    afx_msg void OnKelport();
    afx_msg void OnKelcheck();

// The project model's host
    CCalcSettings GetCalcSettings() const override;
    void GetCurveDefaults(int nCurve, int& rnColor, int& rnStyle, int& rnSize) const override;
    CSettingsStore& GetProfile() override;
    void SetWorkspaceModified() override { m_bWorkspaceModified = true; }
    int GetCurrentViewKind() const override { return m_nCurrentViewKind; }
    CString GetUntitledText() const override;

protected:
// The workspace's projects: the documents of the main template
    int GetProjectCount() const override;
    CProjectDoc& GetProject(int nIndex) const override;
    CProjectDoc* OpenProject(const CString& sPath) override;
    void SetUpProject(CProjectDoc& project, const CString& sTitle) override;
    void ProjectSaved(CProjectDoc& project, const CString& sPath, const CString& sTitle) override;
    void CloseAllProjects() override;
    void MarkActiveProject(int nProjectNumber) override;
    void WorkspaceFileUsed(const CString& sPath) override;
    void ShowError(const CString& sMessage) override;

    DECLARE_MESSAGE_MAP()

private:
    BOOL InitOle();
    void CreateTemplates();
    BOOL HandleRegistrationSwitch();
    void RegisterServer();
    void UnregisterServer();
    void UnregisterShellFileTypes();
    void UseSystemDecimalSeparator();
    void ChooseHelpFile();
    CActiveDocServerDoc* NewActiveDocServerDoc();
    void StartTransferModule(bool bInstalledExplorer);

    CHtmlHelpLibrary m_HtmlHelp;
    void LoadLanguageLibrary();
    void FreeLanguageLibrary();
    CVestolarDoc* GetProjectDocument(int nIndex) const;
    CTreeDlg* GetTreeBar() const;
    void SetMainCaption(const CString& sCaption);
    BOOL PromptWorkspacePath(CString& rsPath);
    BOOL SaveWorkspaceCommand(BOOL bAlwaysAsk);
    BOOL MayReplaceWorkspaceWith(const CString& sPath);
    CDocument* ReplaceWorkspace(const CString& sPath);
};

// The program's application object, as the framework's current one.
CVestolarApp& GetVestolarApp();
