#pragma once
// Classes in this file: CTreeBarImportHost, what the import of files finds in
// the program: the project and table group selected in the tree bar, the
// project node's text, the assignment dialogs over the bar, the workspace,
// the settings' reverberation choice and corrections, the reports' filter
// text, and its messages as information boxes.

#include "import/TreeImportHost.h"

class CTreeDlg;

class CTreeBarImportHost : public CTreeImportHost {
public:
    explicit CTreeBarImportHost(CTreeDlg& treeBar) : m_treeBar(treeBar) {}
    CTreeBarImportHost(const CTreeBarImportHost&) = delete;
    CTreeBarImportHost& operator=(const CTreeBarImportHost&) = delete;

// The readers' questions
    int GetReverbImport() const override;
    void ShowImportMessage(UINT nIdPrompt) override;

// The tree bar
    CProjectDoc* GetSelectedProject() override;
    int GetSelectedGroup() override;
    void SetProjectNodeText(CProjectDoc& doc, const CString& sText) override;
    BOOL RunAssignDialog(CAssignExchange& exchange, BOOL bCorner) override;

// The application
    void OpenWorkspace(const CString& sPath) override;
    CString GetAppDirectory() const override;
    const CImportCorrections& GetCorrections() const override;
    void SetFilterText(const CString& sText) override;
    void ShowImportText(const CString& sText) override;

private:
    CTreeDlg& m_treeBar;
    mutable CImportCorrections m_corrections;  // the settings' as last asked for
};
