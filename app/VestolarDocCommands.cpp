// CVestolarDoc: the document's own commands.

#include "VestolarDoc.h"

#include "DocumentCommands.h"
#include "TreeDlg.h"
#include "VestolarApp.h"

BOOL CVestolarDoc::IsFlankingCorrectionActive()
{
    return ::IsFlankingCorrectionActive(m_Project.m_ReportInfo, GetVestolarApp().m_bFtmCorrection);
}

// A Delete, Copy or Paste pressed in the tree acts on the tree's selection
// even while a window of the project is active.
BOOL CVestolarDoc::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pTreeDlg != nullptr && m_pTreeDlg->m_bActive && IsDocumentTreeCommand(nID))
        return m_pTreeDlg->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return COleDocument::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CVestolarDoc::OnSwapTable()
{
    SwapSourceAndReceivingTables(m_Project, &m_TreeItems);
}

void CVestolarDoc::OnUpdateSwapTable(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsSwapTableOffered(m_Project.m_ReportInfo));
}
