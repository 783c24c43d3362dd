// CFileNewDlg: the catalogue is built without a window (CMethodCatalogue);
// the dialog replays its items into the tree in order, so a method leaf's
// item data is the method's index in the catalogue.

#include "newproject/FileNewDlg.h"

#include <cstdlib>

#include "platform/version/VersionReader.h"
#include "newproject/BasicElementDlg.h"

namespace {

const int kImageWidth = 16;
const COLORREF kImageMask = RGB(255, 255, 255);
const int kMinDropDownHeight = 100;
const int kMaxDropDownHeight = 300;

// Pictures of bitmap IDB_TREEIMAGES.
const int kRootImage = 0;
const int kMethodImage = 4;
const int kNodeImage = 5;

}  // namespace

CFileNewDlg::CFileNewDlg(CMruReportInfoList& mruList, CMruStore& mruStore, CWnd* pParent)
    : CDialog(IDD, pParent), m_mruList(mruList), m_mruStore(mruStore)
{
}

void CFileNewDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_METHOD_COMBO, m_comboPicker);
}

// The leading number of the program's file version; the newer standards are
// offered from major version 3 on.
int CFileNewDlg::ReadProgramVersion()
{
    const VersionReader reader(VersionReader::GetProgramPath());
    return std::atoi(reader.GetVersionText(VersionReader::kFileVersion, VersionReader::kShorten));
}

BOOL CFileNewDlg::OnInitDialog()
{
    m_nVersion = ReadProgramVersion();
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_ADD_TO_PROJECTS, m_bAddToProjects ? BST_CHECKED : BST_UNCHECKED);
    CreateMethodTree();
    FillMethodTree();
    m_comboPicker.AttachDropDown(&m_treeDropDown);
    m_comboPicker.SetMinDropDownHeight(kMinDropDownHeight);
    m_comboPicker.SetMaxDropDownHeight(kMaxDropDownHeight);
    UpdateData(FALSE);
    return FALSE;
}

// The tree is created as the picker's child; it moves itself into its popup.
void CFileNewDlg::CreateMethodTree()
{
    m_treeDropDown.SetOwnerCombo(&m_comboPicker);
    m_treeDropDown.Create(WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                          CRect(0, 0, 0, 0), &m_comboPicker, IDC_METHOD_TREE);
    if (m_imageList.GetSafeHandle() == nullptr)
        m_imageList.Create(IDB_TREEIMAGES, kImageWidth, 1, kImageMask);
    m_treeDropDown.SetImageList(&m_imageList, TVSIL_NORMAL);
    m_treeDropDown.DeleteAllItems();
    m_treeDropDown.m_bOnlyLeaves = TRUE;
}

// Recently used methods under the first root, then the families. The
// preselected method becomes the caret, which expands its branch.
void CFileNewDlg::FillMethodTree()
{
    m_pCatalogue = std::make_unique<CMethodCatalogue>(m_nVersion, m_mruList.GetEntries());
    m_aTreeItems.clear();
    for (const CMethodCatalogue::CItem& item : m_pCatalogue->GetItems())
        m_aTreeItems.push_back(InsertTreeItem(item));
    if (m_pCatalogue->GetCaretItem() >= 0)
        m_treeDropDown.SelectItem(m_aTreeItems[m_pCatalogue->GetCaretItem()]);
}

HTREEITEM CFileNewDlg::InsertTreeItem(const CMethodCatalogue::CItem& item)
{
    const bool bRoot = item.m_eKind == CMethodCatalogue::kRoot;
    const bool bMethod = item.m_eKind == CMethodCatalogue::kMethod;
    const int nImage = bRoot ? kRootImage : bMethod ? kMethodImage : kNodeImage;
    TVINSERTSTRUCT insert = {};
    insert.hParent = item.m_nParent < 0 ? TVI_ROOT : m_aTreeItems[item.m_nParent];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_CHILDREN | TVIF_PARAM;
    insert.item.pszText = const_cast<LPTSTR>(static_cast<LPCTSTR>(item.m_sText));
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nImage;
    insert.item.state = bRoot ? TVIS_EXPANDED : 0;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.cChildren = bMethod ? 0 : 1;
    insert.item.lParam = item.m_nMethod;
    return m_treeDropDown.InsertItem(&insert);
}

int CFileNewDlg::FindCatalogueItem(HTREEITEM hItem) const
{
    for (size_t i = 0; i < m_aTreeItems.size(); i++)
        if (m_aTreeItems[i] == hItem)
            return static_cast<int>(i);
    return -1;
}

// The caret item is the choice: the closed drop-down keeps it on the chosen
// method. OK while the tree is still open (its close on focus loss is only
// posted) closes it first, so a method the user browsed to without choosing
// it is not taken. A category, or no item, gives the first method of the tree.
void CFileNewDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_comboPicker.ShowDropDown(FALSE);
    m_reportInfo = m_pCatalogue->GetChosenMethod(FindCatalogueItem(m_treeDropDown.CTreeCtrl::GetSelectedItem()));
    if (m_reportInfo.m_bLab && m_reportInfo.m_bImprovement)
        AskBasicElement();
    m_mruList.PutFirst(m_reportInfo, m_mruStore);
    m_bAddToProjects = IsDlgButtonChecked(IDC_ADD_TO_PROJECTS) == BST_CHECKED;
    CDialog::OnOK();
}

// An improvement measured in the laboratory depends on the basic element;
// closing the question without OK keeps the method's own.
void CFileNewDlg::AskBasicElement()
{
    CBasicElementDlg dlg(this);
    dlg.m_nBasicElement = m_reportInfo.m_nCoincidenceFreq;
    dlg.DoModal();
    m_reportInfo.m_nCoincidenceFreq = dlg.m_nBasicElement;
}
