#pragma once
// Classes in this file: CTreeDlg, the docking bar on the left of the main
// window that shows the open workspace as a tree: the workspace item, one
// node per project, and under each project its view nodes and its table
// groups with one leaf per measurement (import/TreeItemData.h says what each
// item carries). The documents ask it to build a project's subtree and to
// keep the leaves of their measurements. Files dropped on it are imported
// into the selected project; its commands act on the selection, from the
// main menu while the tree has the focus and from its context menu.

#include "MultiTree.h"
#include "TreeBarClipboardHost.h"
#include "TreeBarImportHost.h"
#include "TreeFileImporter.h"

#include "CTKSizeDialogBar.h"

#include "afxwin.h"

#include <vector>

class CDocument;
class CProjectDocument;

// The selection as GetSelectedItem reports it; m_hItem is null without one.
struct CTreeItemRecord {
    HTREEITEM m_hItem = nullptr;
    CString m_sText;
    DWORD_PTR m_dwData = 0;
    BOOL m_bHasChildren = FALSE;
};

class CTreeDlg : public CTKSizeDialogBar, public CTreeFileImporter {
public:
    CTreeDlg();
    ~CTreeDlg() override;

    // The bar with its dialog from nIDTemplate; 0 when it could not be made.
    int Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

// The workspace
    int FillTree(CDocument* pDoc);
    void SetRootText(CString sText);
    void MarkActiveProject(int nProjectNumber);
    // Deletes every item and hides the tree; the next FillTree starts the
    // workspace item again.
    void ClearTree();
    void RemoveProjectItem(HTREEITEM hProject);

// Leaves of a project's measurements
    HTREEITEM InsertTableGroup(CDocument* pDoc, HTREEITEM hParent, int nTableId);
    int AddMeasurementItem(HTREEITEM hGroup, int nTableId, POSITION pos, const CString& sText);
    // The groups that leaves added in between filled are expanded once, at
    // the end; a batch may hold another.
    void BeginBatch();
    void EndBatch();
    int RemoveMeasurementItem(HTREEITEM hGroup, POSITION pos);
    int UpdateMeasurementItem(HTREEITEM hGroup, POSITION pos, const CString& sText);

// Reading the tree
    // The project of hItem, or of the selection when hItem is null.
    CDocument* GetItemDocument(HTREEITEM hItem);
    void GetSelectedItem(CTreeItemRecord& rItem);
    bool IsAverageItem(const CTreeItemRecord& item);
    CMultiTree& GetTreeCtrl() { return m_wndTree; }

// Import
    // Imports the files in order into the selected project, which is
    // recalculated once at the end; -1 when no project is selected then.
    int ImportFiles(CStringArray& paths) override;

// Copy and paste (TreeDlgClipboard.cpp)
    // Files the copied records into the selection's project; always 0.
    int PasteMeasurements();
    // Pastes the copied descriptor and results; -1 without a selected project.
    int PasteProjectDescription();

    // Set while the tree has the focus (or its label edit has it): the
    // frame and the documents send the tree's commands here first. It hides
    // the sizable bar's own flag of that name, which only gives the caption
    // its active look (CTKSizeControlBar::m_bActive): the two stay apart.
    bool m_bActive = false;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags) override;

    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeSetFocus(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeKillFocus(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);

// Commands on the selection (TreeDlgCommands.cpp)
    afx_msg void OnDelete();
    afx_msg void OnUpdateDelete(CCmdUI* pCmdUI);
    afx_msg void OnSetActiveProject();
    afx_msg void OnUpdateSetActiveProject(CCmdUI* pCmdUI);
    afx_msg void OnOpen();
    afx_msg void OnUpdateOpen(CCmdUI* pCmdUI);
    afx_msg void OnTreeDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnProperties();
    afx_msg void OnUpdateProperties(CCmdUI* pCmdUI);

// Copy, paste and drag-copy (TreeDlgClipboard.cpp)
    afx_msg void OnEditCopy();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg LRESULT OnTreeDrop(WPARAM wParam, LPARAM lParam);

// Rename, Import, Read in Kel620, Swap, Export and the tree's keys (TreeDlgEditing.cpp)
    afx_msg void OnRename();
    afx_msg void OnUpdateRename(CCmdUI* pCmdUI);
    afx_msg void OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnImport();
    afx_msg void OnUpdateImport(CCmdUI* pCmdUI);
    afx_msg void OnReadInstrument();
    afx_msg void OnSwapTable();
    afx_msg void OnUpdateSwapTable(CCmdUI* pCmdUI);
    afx_msg void OnExport();
    afx_msg void OnExportAll();
    afx_msg void OnUpdateExport(CCmdUI* pCmdUI);
    afx_msg void OnTreeKeyDown(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    HTREEITEM InsertItem(HTREEITEM hParent, const CString& sText, int nImage, int nSelectedImage,
                         BOOL bHasChildren, DWORD_PTR dwData, UINT nState = 0);
    void StartWorkspace();
    void InsertResultNodes(CProjectDocument& project, HTREEITEM hProject);
    void InsertTableGroups(CDocument* pDoc, HTREEITEM hProject);
    void UpdateWorkspaceItem(CDocument* pDoc);
    void FitTreeToBar();
    HTREEITEM FindChild(HTREEITEM hParent, DWORD_PTR dwData);
    void ExpandGroup(HTREEITEM hGroup);
    bool IsDeletableLeaf(const CTreeItemRecord& item, CDocument* pDoc);
    void DeleteProject(const CTreeItemRecord& item, CDocument* pDoc);
    void DeleteMeasurement(const CTreeItemRecord& item, CDocument* pDoc);
    void ActivateFirstProject();
    void OpenSelection();
    bool ShowSelectionGraph(const CTreeItemRecord& item, CDocument* pDoc);
    HTREEITEM ContextMenuItem(CPoint& point);
    void PasteText(const CString& sText);
    void PasteReviewData();
    bool IsSelectionRenamable();
    void RenameProject(CProjectDoc& project, const CString& sName);
    bool RenameMeasurement(CProjectDoc& project, const CTreeItemView& leaf, const CString& sName);
    bool IsWorkingOnProjectItem(const CTreeItemRecord& item);

    CMultiTree m_wndTree;
    CImageList m_ImageList;
    CTreeBarImportHost m_importHost{*this};
    CTreeBarClipboardHost m_clipboardHost{*this};
    int m_nBatchDepth = 0;
    std::vector<HTREEITEM> m_aBatchGroups;
};
