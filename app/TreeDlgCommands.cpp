// The tree bar's commands on the selected item: delete a project or a
// measurement, make a project the active one, show the graph of a
// measurement or a table, and open an item's window.

#include "TreeDlg.h"

#include "ProjectDocument.h"
#include "VestolarApp.h"

#include "import/TreeItemData.h"
#include "import/TreeLayout.h"
#include "res/resource.h"

#include "MultiLineGraph.h"

namespace {

CString LoadedString(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

// A Yes/No question with the item's text in it; true for Yes.
bool ConfirmDelete(CWnd& owner, UINT nIdText, UINT nIdCaption, const CString& sItemText)
{
    CString sText;
    sText.Format(LoadedString(nIdText), static_cast<LPCTSTR>(sItemText));
    return owner.MessageBox(sText, LoadedString(nIdCaption), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

CVestolarApp& App()
{
    return *static_cast<CVestolarApp*>(AfxGetApp());
}

CProjectDoc& ProjectOf(CDocument* pDoc)
{
    return CProjectDocument::FromDocument(pDoc)->GetProject();
}

int ProjectNumberOf(CDocument* pDoc)
{
    return ProjectOf(pDoc).m_nProjectNumber;
}

// Table 130 holds results: its graphs always show a summary.
constexpr int kResultsTableId = 130;

}  // namespace

void CTreeDlg::OnDelete()
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    CDocument* pDoc = GetItemDocument(nullptr);
    if (item.m_hItem == nullptr || pDoc == nullptr)
        return;
    if (IsProjectNode(item.m_bHasChildren, item.m_dwData))
        DeleteProject(item, pDoc);
    else if (IsMeasurementLeaf(item.m_bHasChildren, item.m_dwData))
        DeleteMeasurement(item, pDoc);
}

void CTreeDlg::OnUpdateDelete(CCmdUI* pCmdUI)
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    CDocument* pDoc = GetItemDocument(nullptr);
    bool bEnable = false;
    if (item.m_hItem != nullptr && pDoc != nullptr) {
        bEnable = IsProjectNode(item.m_bHasChildren, item.m_dwData) ||
                  (IsMeasurementLeaf(item.m_bHasChildren, item.m_dwData) && IsDeletableLeaf(item, pDoc));
    }
    pCmdUI->Enable(bEnable);
}

// Every leaf of a multiplot project; in any other the summary leaf stays.
bool CTreeDlg::IsDeletableLeaf(const CTreeItemRecord& item, CDocument* pDoc)
{
    return CProjectDocument::FromDocument(pDoc)->GetProject().m_ReportInfo.m_bMultiplot || !IsAverageItem(item);
}

void CTreeDlg::DeleteProject(const CTreeItemRecord& item, CDocument* pDoc)
{
    if (!ConfirmDelete(*this, IDS_CONFIRM_PROJECT_DELETE, IDS_CONFIRM_PROJECT_DELETE_CAPTION, item.m_sText)) {
        m_wndTree.SetFocus();
        return;
    }
    CProjectDocument::FromDocument(pDoc)->GetTreeItems().RemoveFromTree();
    m_wndTree.SetFocus();
    m_wndTree.SelectItem(m_wndTree.GetRootItem());

    CVestolarApp& app = App();
    const int nProjectNumber = ProjectNumberOf(pDoc);
    CString sProjectFile;
    sProjectFile.Format("%s.%03d", static_cast<LPCTSTR>(app.m_sWorkspacePath), nProjectNumber);
    pDoc->GetDocTemplate()->RemoveDocument(pDoc);
    if (app.m_nActiveProject == nProjectNumber)
        ActivateFirstProject();
    pDoc->OnCloseDocument();
    app.SetWorkspaceModified();
    if (!app.m_sWorkspacePath.IsEmpty())
        app.m_saDeletedProjectFiles.Add(sProjectFile);
}

// The first top-level item after the workspace item, when it is a project.
void CTreeDlg::ActivateFirstProject()
{
    CVestolarApp& app = App();
    app.m_nActiveProject = -1;
    HTREEITEM hNext = m_wndTree.GetNextSiblingItem(m_wndTree.GetRootItem());
    if (hNext == nullptr || !IsProjectNode(m_wndTree.ItemHasChildren(hNext), m_wndTree.GetItemData(hNext)))
        return;
    app.m_nActiveProject = ProjectNumberOf(reinterpret_cast<CDocument*>(m_wndTree.GetItemData(hNext)));
    MarkActiveProject(app.m_nActiveProject);
}

void CTreeDlg::DeleteMeasurement(const CTreeItemRecord& item, CDocument* pDoc)
{
    HTREEITEM hGroup = m_wndTree.GetParentItem(item.m_hItem);
    if (hGroup == nullptr || !IsDeletableLeaf(item, pDoc))
        return;
    if (!ConfirmDelete(*this, IDS_CONFIRM_MEASUREMENT_DELETE, IDS_CONFIRM_MEASUREMENT_DELETE_CAPTION,
                       item.m_sText)) {
        m_wndTree.SetFocus();
        return;
    }
    CProjectDoc& project = CProjectDocument::FromDocument(pDoc)->GetProject();
    project.RemoveMeasurement(static_cast<int>(m_wndTree.GetItemData(hGroup)), reinterpret_cast<POSITION>(item.m_dwData));
    project.Recalculate(0);
}

void CTreeDlg::OnSetActiveProject()
{
    CDocument* pDoc = GetItemDocument(nullptr);
    if (pDoc == nullptr)
        return;
    App().m_nActiveProject = ProjectNumberOf(pDoc);
    MarkActiveProject(App().m_nActiveProject);
}

void CTreeDlg::OnUpdateSetActiveProject(CCmdUI* pCmdUI)
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    pCmdUI->Enable(item.m_hItem != nullptr && IsProjectNode(item.m_bHasChildren, item.m_dwData));
}

void CTreeDlg::OnOpen()
{
    OpenSelection();
    m_wndTree.SetFocus();
}

void CTreeDlg::OnUpdateOpen(CCmdUI* pCmdUI)
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    pCmdUI->Enable(item.m_hItem != nullptr && !item.m_bHasChildren);
}

// Opens what Open opens; the result 0 lets the tree expand or collapse the item.
void CTreeDlg::OnTreeDblClk(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    OpenSelection();
    *pResult = 0;
}

// A view node opens its window; a measurement leaf its table's window on its record.
void CTreeDlg::OpenSelection()
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    CDocument* pDoc = GetItemDocument(nullptr);
    if (item.m_hItem == nullptr || item.m_bHasChildren || pDoc == nullptr)
        return;
    CProjectDocument* pProject = CProjectDocument::FromDocument(pDoc);
    if (IsItemCode(item.m_dwData)) {
        pProject->ShowView(static_cast<int>(item.m_dwData), 0, TRUE);
        return;
    }
    HTREEITEM hGroup = m_wndTree.GetParentItem(item.m_hItem);
    if (hGroup == nullptr)
        return;
    pProject->ShowView(static_cast<int>(m_wndTree.GetItemData(hGroup)), TRUE, TRUE);
}

void CTreeDlg::OnProperties()
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    CDocument* pDoc = GetItemDocument(nullptr);
    if (item.m_hItem == nullptr || pDoc == nullptr || item.m_dwData <= kItemMeasurementData)
        return;
    if (ShowSelectionGraph(item, pDoc))
        m_wndTree.SetFocus();
}

void CTreeDlg::OnUpdateProperties(CCmdUI* pCmdUI)
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    CDocument* pDoc = GetItemDocument(nullptr);
    pCmdUI->Enable(item.m_hItem != nullptr && item.m_dwData >= static_cast<DWORD_PTR>(kFirstTableId) &&
                   pDoc != nullptr && !ProjectOf(pDoc).m_ReportInfo.m_bMultiplot);
}

// A measurement leaf shows its record; the summary leaf and table 130 show
// the table's summary record; any other group shows every record of its
// table, summary first, in one graph. False when the item has no table.
bool CTreeDlg::ShowSelectionGraph(const CTreeItemRecord& item, CDocument* pDoc)
{
    const bool bLeaf = !IsItemCode(item.m_dwData);
    HTREEITEM hGroup = bLeaf ? m_wndTree.GetParentItem(item.m_hItem) : item.m_hItem;
    if (hGroup == nullptr)
        return false;
    const int nTableId = static_cast<int>(m_wndTree.GetItemData(hGroup));
    CProjectDoc& project = ProjectOf(pDoc);
    CMeasurementList* pList = project.GetMeasurementList(nTableId);
    if (pList == nullptr || pList->IsEmpty())
        return false;
    const CString sTitle = GraphTitleOf(project.m_nProjectNumber, project.m_ReportInfo, nTableId);
    const CVestolarApp& app = App();
    if (bLeaf || nTableId == kResultsTableId) {
        const NBuildData record = bLeaf ? pList->GetAt(reinterpret_cast<POSITION>(item.m_dwData)) : pList->GetHead();
        const BOOL bMeasurement = bLeaf && nTableId != kResultsTableId && !IsAverageItem(item);
        record.ShowGraph(sTitle, app.m_nLowerFreq, app.m_nUpperFreq, bMeasurement);
        return true;
    }
    CArray<NSpectrum, const NSpectrum&> aSpectra;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        aSpectra.Add(pList->GetNext(pos).m_Spectrum);
    CMultiLineGraph graph;
    graph.ShowGraph(sTitle, app.m_nLowerFreq, app.m_nUpperFreq, aSpectra);
    return true;
}
