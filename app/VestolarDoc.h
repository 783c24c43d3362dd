#pragma once
// Classes in this file: CVestolarDoc, one project of the workspace as the
// framework's document: it owns the project (CProjectDoc, which reads and
// writes the project file and keeps the class record "CVestolarDoc"), shows
// it in the tree bar and in the project's windows, and hands Save and Save
// As to the application, which saves the whole workspace.

#include "ProjectDocument.h"
#include "ProjectTreeItems.h"

#include "model/ProjectDoc.h"
#include "model/ProjectViewSink.h"

#include "afxwin.h"

class CTreeDlg;

class CVestolarDoc : public COleDocument, public CProjectDocument, public CProjectViewSink {
    DECLARE_DYNCREATE(CVestolarDoc)
public:
    CVestolarDoc();
    ~CVestolarDoc() override;

// Attributes
    CProjectDoc& GetProject() override { return m_Project; }
    CProjectTreeItems& GetTreeItems() override { return m_TreeItems; }
    void SetTreeBar(CTreeDlg* pTreeDlg) { m_pTreeDlg = pTreeDlg; }
    CTreeDlg* GetTreeBar() const { return m_pTreeDlg; }

// Operations
    int InitProjectTitles();
    // The document of a project, or null for a project of no open document.
    static CVestolarDoc* FromProject(const CProjectDoc& project);

// Overrides
    BOOL OnNewDocument() override;
    void OnCloseDocument() override;

// The project's views as the project sees them
    using CDocument::UpdateAllViews;
    void UpdateAllViews(int nHint) override;
    void ShowView(int nViewKind, BOOL bTable, BOOL bVisible) override;
    void ShowMessage(UINT nIdPrompt) override;

// Document commands (VestolarDocCommands.cpp)
    BOOL IsFlankingCorrectionActive();
// Export (VestolarDocExport.cpp); the tree bar runs them for its selection
    afx_msg void OnExport();
    afx_msg void OnExportAll();
    BOOL GenerateReport();
    virtual BOOL BrowseForFolder(LPCTSTR pszTitle, char* pszPath);
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    afx_msg void OnSwapTable();
    afx_msg void OnUpdateSwapTable(CCmdUI* pCmdUI);
    afx_msg void OnUpdateExport(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    void SeedMultiplotDisplay();

    CProjectDoc m_Project;
    CProjectTreeItems m_TreeItems;
    CTreeDlg* m_pTreeDlg = nullptr;
};
