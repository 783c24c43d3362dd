#pragma once
// Classes in this file: CMainFrame, the program's one MDI main window: menu
// bar, the standard and the Word toolbar (one of them shown, by the export
// target), status bar, tree bar, menu images and the tab strip of the open
// windows. It owns the application-wide commands: the five correction
// toggles and the commands that open a window of the active project. While
// the tree bar has the focus, the tree's commands go to it first.

#include "TreeDlg.h"

#include "CTKBitmapMenuOrganizer.h"
#include "CTKCoolToolBar.h"
#include "CTKMenuBarFrame.h"
#include "CTKSizeDockBar.h"
#include "CTKStatusBar.h"
#include "CTKTabClientWnd.h"
#include "afxwin.h"

class CReportInfo;

typedef CTKMenuBarFrame<CMDIFrameWnd, CTKSizeDockBar> CMainFrameBase;

class CMainFrame : public CMainFrameBase {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame() = default;

    CTreeDlg& GetTreeBar() { return m_wndTreeBar; }

    // Called again whenever the export target changes.
    void ShowExportToolBar();

    // Recalculates every project with the hint, in the order they were made.
    void UpdateAllProjects(int nHint);
    // Another program's push of a measurement archive (see CMeasurementPush).
    HRESULT ImportMeasurements(const CString& sPath);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Flips a correction toggle, marks it and recalculates every project;
    // the project windows run the same command.
    afx_msg BOOL OnToggleCorrection(UINT nID);
    afx_msg void OnCorrectionsSetup();
    // The marks live on the menu bar's menu itself.
    void CheckMenuCommand(UINT nID, bool bChecked);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();

    afx_msg void OnUpdateToggleCorrection(CCmdUI* pCmdUI);
    afx_msg BOOL OnOpenView(UINT nID);
    afx_msg void OnUpdateOpenView(CCmdUI* pCmdUI);
    afx_msg void OnOptions();
    afx_msg void OnViewToolBar();
    afx_msg void OnUpdateViewToolBar(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateToolBar(CTKCoolToolBar& bar, UINT nIDResource);
    BOOL CreateToolBars();
    BOOL CreateStatusBar();
    BOOL CreateTreeBar();
    CTKCoolToolBar& VisibleToolBar();
    CTKCoolToolBar& HiddenToolBar();
    void SetMenuChecks();
    void UpdateCorrectionChecks(CCmdUI* pCmdUI);
    const CReportInfo* FocusedTreeProject();
    CDocument* ActiveProject();
    void StoreLayout();
    void CloseWithoutClientLocks();

    CTreeDlg m_wndTreeBar;
    CTKStatusBar m_wndStatusBar;
    CTKCoolToolBar m_wndToolBar;
    CTKCoolToolBar m_wndWordToolBar;
    CTKBitmapMenuOrganizer m_MenuOrganizer;
    CTKTabClientWnd m_wndTabClient;
};
