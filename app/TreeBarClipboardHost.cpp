#include "TreeBarClipboardHost.h"

#include "ProjectDocument.h"
#include "TreeDlg.h"
#include "VestolarApp.h"

#include "import/TreeItemData.h"

namespace {

CVestolarApp& App()
{
    return *static_cast<CVestolarApp*>(AfxGetApp());
}

}  // namespace

CTreeItemView CTreeBarClipboardHost::ViewOf(HTREEITEM hItem)
{
    CTreeItemView view;
    if (hItem == nullptr)
        return view;
    CMultiTree& tree = m_treeBar.GetTreeCtrl();
    CProjectDocument* pProject = CProjectDocument::FromDocument(m_treeBar.GetItemDocument(hItem));
    view.m_pProject = pProject != nullptr ? &pProject->GetProject() : nullptr;
    view.m_dwData = tree.GetItemData(hItem);
    view.m_bHasChildren = tree.ItemHasChildren(hItem) != FALSE;
    view.m_bProjectNode = IsProjectNode(view.m_bHasChildren, view.m_dwData);
    view.m_sText = tree.GetItemText(hItem);
    HTREEITEM hParent = tree.GetParentItem(hItem);
    view.m_bHasParent = hParent != nullptr;
    view.m_dwParentData = hParent != nullptr ? tree.GetItemData(hParent) : 0;
    return view;
}

CTreeItemView CTreeBarClipboardHost::GetSelection()
{
    return ViewOf(m_treeBar.GetTreeCtrl().GetSelectedItem());
}

CMeasurementList& CTreeBarClipboardHost::GetCopiedRecords()
{
    return App().m_lCopyBuffer;
}

CReportInfo& CTreeBarClipboardHost::GetCopiedReportInfo()
{
    return App().m_reportInfo;
}

CCalc& CTreeBarClipboardHost::GetCopiedCalc()
{
    return App().m_calc;
}

void CTreeBarClipboardHost::ShowTreeMessage(UINT nIdPrompt)
{
    AfxMessageBox(nIdPrompt, MB_OK | MB_ICONINFORMATION);
}
