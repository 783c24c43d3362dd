#include "TreeBarImportHost.h"

#include "MeasAssignDlg.h"
#include "MeasAssignDlgCorner.h"
#include "ProjectDocument.h"
#include "SettingsCorrections.h"
#include "TreeDlg.h"
#include "VestolarApp.h"

#include "import/TreeItemData.h"
#include "model/ProjectDoc.h"

int CTreeBarImportHost::GetReverbImport() const
{
    return GetVestolarApp().m_nReverbImport;
}

void CTreeBarImportHost::ShowImportMessage(UINT nIdPrompt)
{
    AfxMessageBox(nIdPrompt, MB_OK | MB_ICONINFORMATION);
}

void CTreeBarImportHost::ShowImportText(const CString& sText)
{
    AfxMessageBox(sText, MB_OK | MB_ICONINFORMATION);
}

CProjectDoc* CTreeBarImportHost::GetSelectedProject()
{
    CProjectDocument* pProject = CProjectDocument::FromDocument(m_treeBar.GetItemDocument(nullptr));
    return pProject != nullptr ? &pProject->GetProject() : nullptr;
}

// A leaf or a project node carries a pointer, which names no table.
int CTreeBarImportHost::GetSelectedGroup()
{
    CTreeItemRecord item;
    m_treeBar.GetSelectedItem(item);
    if (item.m_hItem == nullptr || !IsItemCode(item.m_dwData))
        return 0;
    return static_cast<int>(item.m_dwData);
}

void CTreeBarImportHost::SetProjectNodeText(CProjectDoc& doc, const CString& sText)
{
    CTreeCtrl& tree = m_treeBar.GetTreeCtrl();
    for (HTREEITEM hItem = tree.GetRootItem(); hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem)) {
        const DWORD_PTR dwData = tree.GetItemData(hItem);
        if (!IsProjectNode(tree.ItemHasChildren(hItem), dwData))
            continue;
        CProjectDocument* pProject = CProjectDocument::FromDocument(reinterpret_cast<CDocument*>(dwData));
        if (pProject != nullptr && &pProject->GetProject() == &doc)
            tree.SetItemText(hItem, sText);
    }
}

BOOL CTreeBarImportHost::RunAssignDialog(CAssignExchange& exchange, BOOL bCorner)
{
    return bCorner ? CMeasAssignDlgCorner::Run(exchange, &m_treeBar) : CMeasAssignDlg::Run(exchange, &m_treeBar);
}

void CTreeBarImportHost::OpenWorkspace(const CString& sPath)
{
    GetVestolarApp().OpenWorkspace(sPath);
}

CString CTreeBarImportHost::GetAppDirectory() const
{
    return GetVestolarApp().m_sAppDir;
}

// Read at each import, so a change in the corrections set-up counts for the
// next file; a spectrum the settings lack adds nothing (its selector is 0).
const CImportCorrections& CTreeBarImportHost::GetCorrections() const
{
    m_corrections = SettingsCorrections(GetVestolarApp());
    return m_corrections;
}

void CTreeBarImportHost::SetFilterText(const CString& sText)
{
    GetVestolarApp().m_sFilterText = sText;
}
