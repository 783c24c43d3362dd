#include "TreeDlg.h"

#include "ProjectDocument.h"
#include "VestolarApp.h"

#include "import/ImportDispatcher.h"
#include "import/TreeItemData.h"
#include "import/TreeLayout.h"
#include "model/TableGroups.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr int kTreeBarSizeStyle = 4;  // the bar's own context menu
constexpr int kImageCallback = I_IMAGECALLBACK;
constexpr COLORREF kMaskWhite = RGB(255, 255, 255);

// A kind of project that has no table groups says so with four beeps.
void BeepNoGroups()
{
    for (int n = 0; n < 2; ++n) {
        ::Beep(500, 500);
        ::Beep(1500, 500);
    }
}

CProjectDoc& ProjectOf(CDocument* pDoc)
{
    return CProjectDocument::FromDocument(pDoc)->GetProject();
}

} // namespace

BEGIN_MESSAGE_MAP(CTreeDlg, CTKSizeDialogBar)
    ON_NOTIFY(TVN_GETDISPINFO, IDC_MEASUREMENT_TREE, OnGetDispInfo)
    ON_NOTIFY(NM_SETFOCUS, IDC_MEASUREMENT_TREE, OnTreeSetFocus)
    ON_NOTIFY(NM_KILLFOCUS, IDC_MEASUREMENT_TREE, OnTreeKillFocus)
    ON_NOTIFY(NM_DBLCLK, IDC_MEASUREMENT_TREE, OnTreeDblClk)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_EDIT_DELETE_MEASUREMENT, OnDelete)
    ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_MEASUREMENT, OnUpdateDelete)
    ON_COMMAND(ID_PROJECT_SET_ACTIVE, OnSetActiveProject)
    ON_UPDATE_COMMAND_UI(ID_PROJECT_SET_ACTIVE, OnUpdateSetActiveProject)
    ON_COMMAND(ID_VIEW_OPEN, OnOpen)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPEN, OnUpdateOpen)
    ON_COMMAND(ID_VIEW_PROPERTIES, OnProperties)
    ON_UPDATE_COMMAND_UI(ID_VIEW_PROPERTIES, OnUpdateProperties)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_MESSAGE(kTreeDropMessage, OnTreeDrop)
    ON_COMMAND(ID_EDIT_RENAME, OnRename)
    ON_UPDATE_COMMAND_UI(ID_EDIT_RENAME, OnUpdateRename)
    ON_NOTIFY(TVN_BEGINLABELEDIT, IDC_MEASUREMENT_TREE, OnBeginLabelEdit)
    ON_NOTIFY(TVN_ENDLABELEDIT, IDC_MEASUREMENT_TREE, OnEndLabelEdit)
    ON_NOTIFY(TVN_KEYDOWN, IDC_MEASUREMENT_TREE, OnTreeKeyDown)
    ON_COMMAND(ID_FILE_IMPORT, OnImport)
    ON_UPDATE_COMMAND_UI(ID_FILE_IMPORT, OnUpdateImport)
    ON_COMMAND(ID_FILE_READ_KEL620, OnReadInstrument)
    ON_UPDATE_COMMAND_UI(ID_FILE_READ_KEL620, OnUpdateImport)
    ON_COMMAND(ID_EXTRAS_SWAP_TABLE, OnSwapTable)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_SWAP_TABLE, OnUpdateSwapTable)
    ON_COMMAND(ID_FILE_EXPORT, OnExport)
    ON_COMMAND(ID_FILE_EXPORT_ALL, OnExportAll)
    ON_UPDATE_COMMAND_UI(ID_FILE_EXPORT, OnUpdateExport)
    ON_UPDATE_COMMAND_UI(ID_FILE_EXPORT_ALL, OnUpdateExport)
END_MESSAGE_MAP()

CTreeDlg::CTreeDlg() : CTKSizeDialogBar(kTreeBarSizeStyle)
{
}

CTreeDlg::~CTreeDlg() = default;

int CTreeDlg::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
{
    if (!CTKSizeDialogBar::Create(pParentWnd, nIDTemplate, nStyle, nID))
        return 0;
    UpdateData(FALSE);
    return 1;
}

void CTreeDlg::DoDataExchange(CDataExchange* pDX)
{
    CTKSizeDialogBar::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MEASUREMENT_TREE, m_wndTree);
}

// Files dropped anywhere on the bar reach the tree's drop target, which hands
// them back here to be imported.
BOOL CTreeDlg::OnInitDialog()
{
    CTKSizeDialogBar::OnInitDialog();
    m_wndTree.RegisterDropTarget(this);
    m_wndTree.SetFileImporter(this);
    return TRUE;
}

int CTreeDlg::ImportFiles(CStringArray& paths)
{
    CImportDispatcher dispatcher(m_importHost);
    return dispatcher.ImportFiles(paths);
}

// Builds the project's subtree: its node, the view nodes under "Results" and
// the table groups under "Measurement data", each group with the leaves of
// its list. The document keeps the handles for its later leaves.
int CTreeDlg::FillTree(CDocument* pDoc)
{
    CProjectDocument* pProject = CProjectDocument::FromDocument(pDoc);
    if (pProject == nullptr)
        return 0;
    if (!m_wndTree.IsWindowVisible())
        StartWorkspace();

    const CReportInfo& info = pProject->GetProject().m_ReportInfo;
    HTREEITEM hProject = InsertItem(TVI_ROOT, info.m_sTreeTitle, kImageProject, kImageProject, TRUE,
                                    reinterpret_cast<DWORD_PTR>(pDoc), TVIS_BOLD | TVIS_EXPANDED);
    pProject->GetTreeItems().Attach(this, hProject);
    InsertResultNodes(*pProject, hProject);
    InsertTableGroups(pDoc, hProject);
    UpdateWorkspaceItem(pDoc);
    m_wndTree.Expand(m_wndTree.GetRootItem(), TVE_EXPAND);
    return 0;
}

void CTreeDlg::StartWorkspace()
{
    m_wndTree.ShowWindow(SW_SHOW);
    FitTreeToBar();
    if (m_ImageList.GetSafeHandle() == nullptr)
        m_ImageList.Create(IDB_TREEIMAGES, 16, 1, kMaskWhite);
    m_wndTree.SetImageList(&m_ImageList, TVSIL_NORMAL);
    m_wndTree.DeleteAllItems();
    CString sWorkspace;
    sWorkspace.LoadString(IDS_TREE_MY_WORKSPACE);
    InsertItem(TVI_ROOT, sWorkspace, kImageWorkspace, kImageWorkspace, TRUE, kItemWorkspace, TVIS_EXPANDED);
}

void CTreeDlg::InsertResultNodes(CProjectDocument& project, HTREEITEM hProject)
{
    CString sResults;
    sResults.LoadString(IDS_TREE_RESULTS);
    HTREEITEM hResults = InsertItem(hProject, sResults, kImageFolderClosed, kImageCallback, TRUE, kItemResults);
    for (const CResultNode& node : ResultNodesOf(project.GetProject().m_ReportInfo))
        InsertItem(hResults, node.m_sText, node.m_nImage, node.m_nImage, FALSE, node.m_dwData);
}

void CTreeDlg::InsertTableGroups(CDocument* pDoc, HTREEITEM hProject)
{
    CString sMeasurementData;
    sMeasurementData.LoadString(IDS_TREE_MEASUREMENT_DATA);
    HTREEITEM hData = InsertItem(hProject, sMeasurementData, kImageFolderClosed, kImageCallback, TRUE,
                                 kItemMeasurementData);
    const std::vector<int> groups = TableGroupsOf(ProjectOf(pDoc).m_ReportInfo);
    if (groups.empty())
        BeepNoGroups();
    CProjectTreeItems& items = CProjectDocument::FromDocument(pDoc)->GetTreeItems();
    for (int nTableId : groups)
        items.SetTableItem(nTableId, InsertTableGroup(pDoc, hData, nTableId));
}

// An untitled project in a workspace that has a file keeps the workspace's
// name on the workspace item; any other project names it.
void CTreeDlg::UpdateWorkspaceItem(CDocument* pDoc)
{
    CString sUntitled;
    sUntitled.LoadString(AFX_IDS_UNTITLED);
    const CVestolarApp* pApp = static_cast<CVestolarApp*>(AfxGetApp());
    if (!pApp->m_sWorkspacePath.IsEmpty() && pDoc->GetTitle() == sUntitled)
        return;
    SetRootText(pDoc->GetTitle());
}

HTREEITEM CTreeDlg::InsertTableGroup(CDocument* pDoc, HTREEITEM hParent, int nTableId)
{
    CProjectDoc& project = ProjectOf(pDoc);
    HTREEITEM hGroup = InsertItem(hParent, TableGroupLabelOf(project.m_ReportInfo, nTableId), kImageFolderClosed,
                                  kImageCallback, TRUE, static_cast<DWORD_PTR>(nTableId));
    const CMeasurementList* pList = project.GetMeasurementList(nTableId);
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        const POSITION posRecord = pos;
        const NBuildData& rec = pList->GetNext(pos);
        InsertItem(hGroup, rec.m_Spectrum.GetTitle(), MeasurementImageOf(nTableId), MeasurementImageOf(nTableId),
                   FALSE, reinterpret_cast<DWORD_PTR>(posRecord));
    }
    return hGroup;
}

int CTreeDlg::AddMeasurementItem(HTREEITEM hGroup, int nTableId, POSITION pos, const CString& sText)
{
    if (nTableId < kFirstTableId || nTableId > kLastTableId)
        return 0;
    const int nImage = MeasurementImageOf(nTableId);
    InsertItem(hGroup, sText, nImage, nImage, FALSE, reinterpret_cast<DWORD_PTR>(pos));
    if (m_nBatchDepth == 0)
        ExpandGroup(hGroup);
    else if (std::find(m_aBatchGroups.begin(), m_aBatchGroups.end(), hGroup) == m_aBatchGroups.end())
        m_aBatchGroups.push_back(hGroup);
    return 0;
}

// Expanding a group costs the tree a layout of all its items, even when it
// is open already: a batch of leaves expands each group it filled once, at
// its end.
void CTreeDlg::BeginBatch()
{
    ++m_nBatchDepth;
}

void CTreeDlg::EndBatch()
{
    if (m_nBatchDepth == 0 || --m_nBatchDepth > 0)
        return;
    for (HTREEITEM hGroup : m_aBatchGroups)
        ExpandGroup(hGroup);
    m_aBatchGroups.clear();
}

void CTreeDlg::ExpandGroup(HTREEITEM hGroup)
{
    m_wndTree.Expand(m_wndTree.GetParentItem(hGroup), TVE_EXPAND);
    m_wndTree.Expand(hGroup, TVE_EXPAND);
}

// The item after the removed leaf takes the selection, or the group when the
// leaf was its last; when no leaf carries the position the selection stays.
int CTreeDlg::RemoveMeasurementItem(HTREEITEM hGroup, POSITION pos)
{
    m_wndTree.SetFocus();
    HTREEITEM hLeaf = FindChild(hGroup, reinterpret_cast<DWORD_PTR>(pos));
    if (hLeaf == nullptr)
        return 0;
    HTREEITEM hNext = m_wndTree.GetNextSiblingItem(hLeaf);
    m_wndTree.DeleteItem(hLeaf);
    m_wndTree.SelectItem(hNext != nullptr ? hNext : hGroup);
    return 0;
}

int CTreeDlg::UpdateMeasurementItem(HTREEITEM hGroup, POSITION pos, const CString& sText)
{
    if (HTREEITEM hLeaf = FindChild(hGroup, reinterpret_cast<DWORD_PTR>(pos)))
        m_wndTree.SetItemText(hLeaf, sText);
    return 0;
}

void CTreeDlg::SetRootText(CString sText)
{
    if (m_wndTree.GetSafeHwnd() == nullptr)
        return;
    if (HTREEITEM hRoot = m_wndTree.GetRootItem())
        m_wndTree.SetItemText(hRoot, sText);
}

void CTreeDlg::MarkActiveProject(int nProjectNumber)
{
    for (HTREEITEM hItem = m_wndTree.GetRootItem(); hItem != nullptr; hItem = m_wndTree.GetNextSiblingItem(hItem)) {
        const DWORD_PTR dwData = m_wndTree.GetItemData(hItem);
        if (!IsProjectNode(m_wndTree.ItemHasChildren(hItem), dwData))
            continue;
        const bool bActive = ProjectOf(reinterpret_cast<CDocument*>(dwData)).m_nProjectNumber == nProjectNumber;
        const int nImage = bActive ? kImageActiveProject : kImageWorkspace;
        m_wndTree.SetItemImage(hItem, nImage, nImage);
    }
}

void CTreeDlg::RemoveProjectItem(HTREEITEM hProject)
{
    if (m_wndTree.GetSafeHwnd() != nullptr)
        m_wndTree.DeleteItem(hProject);
}

// The projects still open forget their items, so that closing them later
// deletes no item twice.
void CTreeDlg::ClearTree()
{
    if (m_wndTree.GetSafeHwnd() == nullptr)
        return;
    for (HTREEITEM hItem = m_wndTree.GetRootItem(); hItem != nullptr; hItem = m_wndTree.GetNextSiblingItem(hItem)) {
        const DWORD_PTR dwData = m_wndTree.GetItemData(hItem);
        if (IsProjectNode(m_wndTree.ItemHasChildren(hItem), dwData))
            CProjectDocument::FromDocument(reinterpret_cast<CDocument*>(dwData))->GetTreeItems().Detach();
    }
    m_wndTree.DeleteAllItems();
    m_wndTree.ShowWindow(SW_HIDE);
}

// Climbs from the item to its project node; the workspace item and the top
// of the tree have no project.
CDocument* CTreeDlg::GetItemDocument(HTREEITEM hItem)
{
    if (hItem == nullptr)
        hItem = m_wndTree.GetSelectedItem();
    for (; hItem != nullptr; hItem = m_wndTree.GetParentItem(hItem)) {
        const DWORD_PTR dwData = m_wndTree.GetItemData(hItem);
        if (dwData == kItemWorkspace)
            return nullptr;
        if (IsProjectNode(m_wndTree.ItemHasChildren(hItem), dwData))
            return reinterpret_cast<CDocument*>(dwData);
    }
    return nullptr;
}

void CTreeDlg::GetSelectedItem(CTreeItemRecord& rItem)
{
    rItem = CTreeItemRecord();
    rItem.m_hItem = m_wndTree.GetSelectedItem();
    if (rItem.m_hItem == nullptr)
        return;
    rItem.m_sText = m_wndTree.GetItemText(rItem.m_hItem);
    rItem.m_dwData = m_wndTree.GetItemData(rItem.m_hItem);
    rItem.m_bHasChildren = m_wndTree.ItemHasChildren(rItem.m_hItem);
}

// The summary leaf: the first record of the list of the item's group.
bool CTreeDlg::IsAverageItem(const CTreeItemRecord& item)
{
    CDocument* pDoc = GetItemDocument(nullptr);
    if (pDoc == nullptr || item.m_hItem == nullptr || IsProjectNode(item.m_bHasChildren, item.m_dwData))
        return false;
    HTREEITEM hParent = m_wndTree.GetParentItem(item.m_hItem);
    if (hParent == nullptr)
        return false;
    const CMeasurementList* pList = ProjectOf(pDoc).GetMeasurementList(static_cast<int>(m_wndTree.GetItemData(hParent)));
    return pList != nullptr && !pList->IsEmpty() &&
        item.m_dwData == reinterpret_cast<DWORD_PTR>(pList->GetHeadPosition());
}

HTREEITEM CTreeDlg::InsertItem(HTREEITEM hParent, const CString& sText, int nImage, int nSelectedImage,
                               BOOL bHasChildren, DWORD_PTR dwData, UINT nState)
{
    TVINSERTSTRUCT tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM | TVIF_STATE;
    tvis.item.pszText = const_cast<LPTSTR>(static_cast<LPCTSTR>(sText));
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.cChildren = bHasChildren ? 1 : 0;
    tvis.item.lParam = static_cast<LPARAM>(dwData);
    tvis.item.state = nState;
    tvis.item.stateMask = nState;
    return m_wndTree.InsertItem(&tvis);
}

HTREEITEM CTreeDlg::FindChild(HTREEITEM hParent, DWORD_PTR dwData)
{
    for (HTREEITEM hChild = m_wndTree.GetChildItem(hParent); hChild != nullptr;
         hChild = m_wndTree.GetNextSiblingItem(hChild)) {
        if (m_wndTree.GetItemData(hChild) == dwData)
            return hChild;
    }
    return nullptr;
}

void CTreeDlg::FitTreeToBar()
{
    CRect rect;
    GetClientRect(&rect);
    m_wndTree.MoveWindow(&rect);
}

void CTreeDlg::OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags)
{
    if (m_wndTree.GetSafeHwnd() != nullptr && m_wndTree.IsWindowVisible())
        FitTreeToBar();
}

// Folders and groups show an open folder while they are expanded.
void CTreeDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pInfo = reinterpret_cast<NMTVDISPINFO*>(pNMHDR);
    if (pInfo->item.mask & TVIF_SELECTEDIMAGE) {
        const bool bExpanded = (m_wndTree.GetItemState(pInfo->item.hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        pInfo->item.iSelectedImage = bExpanded ? kImageFolderOpen : kImageFolderClosed;
    }
    *pResult = 0;
}

void CTreeDlg::OnTreeSetFocus(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_bActive = true;
    *pResult = 0;
}

// The label edit takes the focus from the tree, yet the tree stays the
// target of the commands.
void CTreeDlg::OnTreeKillFocus(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_bActive = m_wndTree.GetEditControl() != nullptr;
    *pResult = 0;
}

// The tree's commands for the item under the cursor, which becomes the
// selection. The tree takes the focus and the main window owns the menu, so
// the frame updates and routes them as it does the main menu's; a click
// beside the items shows the bar's own menu. While the transfer program's
// document is embedded the tree offers nothing.
void CTreeDlg::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    CString sCaption;
    if (pMainWnd != nullptr)
        pMainWnd->GetWindowText(sCaption);
    if (sCaption.Find("Kelport]") >= 0)
        return;
    HTREEITEM hItem = pWnd != nullptr && pWnd->GetSafeHwnd() == m_wndTree.GetSafeHwnd() ? ContextMenuItem(point)
                                                                                        : nullptr;
    if (hItem == nullptr) {
        CTKSizeDialogBar::OnContextMenu(pWnd, point);
        return;
    }
    m_wndTree.SetFocus();
    m_wndTree.SelectItem(hItem);
    CMenu menu;
    if (!menu.LoadMenu(IDR_TREE_CONTEXT_MENU))
        return;
    menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pMainWnd);
    m_wndTree.SetItemState(hItem, 0, TVIS_SELECTED);
}

// The item under the cursor; from the keyboard (-1, -1) the selection, with
// the menu at the right and top of its label.
HTREEITEM CTreeDlg::ContextMenuItem(CPoint& point)
{
    if (point.x == -1 && point.y == -1) {
        HTREEITEM hSelected = m_wndTree.GetSelectedItem();
        CRect rect;
        if (hSelected == nullptr || !m_wndTree.GetItemRect(hSelected, &rect, TRUE))
            return nullptr;
        point = CPoint(rect.right, rect.top);
        m_wndTree.ClientToScreen(&point);
        return hSelected;
    }
    CPoint client = point;
    m_wndTree.ScreenToClient(&client);
    UINT nFlags = 0;
    HTREEITEM hItem = m_wndTree.HitTest(client, &nFlags);
    return (nFlags & TVHT_ONITEM) != 0 ? hItem : nullptr;
}
