// The tree bar's commands that change names and tables: Rename and label
// editing, Import..., Read in Kel620, Swap, and the tree's keys (Del, F2,
// Enter, Escape and Ctrl+C/V in a label being edited).

#include "TreeDlg.h"

#include "DocumentCommands.h"
#include "ProjectDocument.h"
#include "TreeCommandRules.h"
#include "VestolarDoc.h"

#include "import/InstrumentReadImport.h"
#include "import/TreeItemData.h"
#include "instrument/RiroSetup.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

namespace {

constexpr int kLabelLimit = 127;
constexpr DWORD kImportNameBufferSize = 2048;

// A multiple choice that does not fit the name buffer ends the dialog as a
// cancel, with the size it needed in the buffer's first two bytes.
bool IsNameBufferTooSmall(const OPENFILENAME& ofn)
{
    WORD nNeeded = 0;
    memcpy(&nNeeded, ofn.lpstrFile, sizeof nNeeded);
    return nNeeded > ofn.nMaxFile;
}

CString LoadedString(UINT nId)
{
    CString s;
    s.LoadString(nId);
    return s;
}

}  // namespace

void CTreeDlg::OnRename()
{
    if (HTREEITEM hItem = m_wndTree.GetSelectedItem())
        m_wndTree.EditLabel(hItem);
}

void CTreeDlg::OnUpdateRename(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsSelectionRenamable());
}

bool CTreeDlg::IsSelectionRenamable()
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    return IsRenameOffered(m_clipboardHost.GetSelection(), IsAverageItem(item));
}

void CTreeDlg::OnBeginLabelEdit(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    if (CEdit* pEdit = m_wndTree.GetEditControl())
        pEdit->SetLimitText(kLabelLimit);
    m_bActive = true;
    *pResult = IsSelectionRenamable() ? FALSE : TRUE;
}

// A result of TRUE takes the new label; anything refused keeps the old one.
void CTreeDlg::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_bActive = true;
    const auto* pInfo = reinterpret_cast<NMTVDISPINFO*>(pNMHDR);
    *pResult = FALSE;
    if (pInfo->item.pszText == nullptr || pInfo->item.pszText[0] == '\0')
        return;
    const CTreeItemView item = m_clipboardHost.GetSelection();
    if (item.m_pProject == nullptr)
        return;
    const CString sText(pInfo->item.pszText);
    if (item.m_bProjectNode) {
        RenameProject(*item.m_pProject, sText);
        *pResult = TRUE;
    } else if (IsMeasurementLeaf(item.m_bHasChildren, item.m_dwData) && item.m_bHasParent) {
        *pResult = RenameMeasurement(*item.m_pProject, item, sText) ? TRUE : FALSE;
    }
}

void CTreeDlg::RenameProject(CProjectDoc& project, const CString& sName)
{
    m_wndTree.SetFocus();
    m_wndTree.SelectItem(m_wndTree.GetSelectedItem());
    project.m_sName = sName;
    project.m_ReportInfo.m_sTreeTitle = sName;
    project.Recalculate(0);
}

// An excluded measurement keeps its name.
bool CTreeDlg::RenameMeasurement(CProjectDoc& project, const CTreeItemView& leaf, const CString& sName)
{
    const int nTableId = static_cast<int>(leaf.m_dwParentData);
    CMeasurementList* pList = project.GetMeasurementList(nTableId);
    if (pList == nullptr)
        return false;
    const POSITION pos = reinterpret_cast<POSITION>(leaf.m_dwData);
    NBuildData copy = pList->GetAt(pos);
    if (copy.m_Spectrum.GetStatus() == NSpectrum::kExcluded)
        return false;
    copy.m_Spectrum.SetTitle(sName);
    pList->SetAt(pos, copy);
    project.Recalculate(nTableId);
    return true;
}

void CTreeDlg::OnImport()
{
    const CString sFilter = LoadedString(IDS_IMPORT_FILTER);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, sFilter, this);
    CString sNames;
    dialog.m_ofn.lpstrFile = sNames.GetBuffer(kImportNameBufferSize);
    dialog.m_ofn.lpstrFile[0] = dialog.m_ofn.lpstrFile[1] = '\0';
    dialog.m_ofn.nMaxFile = kImportNameBufferSize;
    const CString sTitle = LoadedString(IDS_IMPORT_TITLE);
    dialog.m_ofn.lpstrTitle = sTitle;
    const INT_PTR nResult = dialog.DoModal();
    CStringArray paths;
    if (nResult == IDOK) {
        for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
            paths.Add(dialog.GetNextPathName(pos));
    } else if (IsNameBufferTooSmall(dialog.m_ofn)) {
        m_importHost.ShowImportMessage(IDS_IMPORT_TOO_MANY_FILES);
    }
    sNames.ReleaseBuffer(0);
    if (paths.GetSize() > 0)
        ImportFiles(paths);
}

void CTreeDlg::OnUpdateImport(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsImportOffered(m_clipboardHost.GetSelection(), CProjectDoc::GetProjectCounter()));
}

void CTreeDlg::OnReadInstrument()
{
    CRiroSetup link;
    if (link.ReadFromInstrument() != 1)
        return;
    CInstrumentReadImport(m_importHost).Import(link.m_nReadChannels, link.m_Data1, link.m_Data2);
}

void CTreeDlg::OnSwapTable()
{
    if (CProjectDocument* pProject = CProjectDocument::FromDocument(GetItemDocument(nullptr)))
        SwapSourceAndReceivingTables(pProject->GetProject(), &pProject->GetTreeItems());
}

void CTreeDlg::OnUpdateSwapTable(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsSwapOffered(m_clipboardHost.GetSelection(), CProjectDoc::GetProjectCounter()));
}

// Export and Export All run the selected item's project's own commands.
void CTreeDlg::OnExport()
{
    if (CDocument* pDoc = GetItemDocument(nullptr))
        static_cast<CVestolarDoc*>(pDoc)->OnExport();
}

void CTreeDlg::OnExportAll()
{
    if (CDocument* pDoc = GetItemDocument(nullptr))
        static_cast<CVestolarDoc*>(pDoc)->OnExportAll();
}

void CTreeDlg::OnUpdateExport(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsExportOffered(m_clipboardHost.GetSelection(), CProjectDoc::GetProjectCounter()));
}

void CTreeDlg::OnTreeKeyDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pKey = reinterpret_cast<NMTVKEYDOWN*>(pNMHDR);
    if (pKey->wVKey == VK_DELETE)
        OnDelete();
    else if (pKey->wVKey == VK_F2)
        OnRename();
    *pResult = 0;
}

// Enter and Escape finish a label edit; on a leaf or a view node Enter
// opens it. Ctrl+C and Ctrl+V in a label edit copy and paste its text
// rather than measurements.
BOOL CTreeDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        if (CEdit* pEdit = m_wndTree.GetEditControl()) {
            pEdit->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
            return TRUE;
        }
        HTREEITEM hItem = m_wndTree.GetSelectedItem();
        if (hItem != nullptr && !m_wndTree.ItemHasChildren(hItem)) {
            SendMessage(WM_COMMAND, ID_VIEW_OPEN, 0);
            return TRUE;
        }
    }
    const bool bClipboardKey = pMsg->wParam == 'C' || pMsg->wParam == 'V';
    if (pMsg->message == WM_KEYDOWN && bClipboardKey && (::GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        if (CEdit* pEdit = m_wndTree.GetEditControl()) {
            pEdit->SendMessage(pMsg->wParam == 'C' ? WM_COPY : WM_PASTE, 0, 0);
            return TRUE;
        }
    }
    return CTKSizeDialogBar::PreTranslateMessage(pMsg);
}
