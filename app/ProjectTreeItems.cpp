#include "ProjectTreeItems.h"

#include "TreeDlg.h"

void CProjectTreeItems::Attach(CTreeDlg* pTreeBar, HTREEITEM hProjectItem)
{
    Detach();
    m_pTreeBar = pTreeBar;
    m_hProjectItem = hProjectItem;
}

void CProjectTreeItems::Detach()
{
    m_pTreeBar = nullptr;
    m_hProjectItem = nullptr;
    for (HTREEITEM& hGroup : m_hTableItems)
        hGroup = nullptr;
}

// A closed project's node still carries the address of its document; left in
// the tree, the next walk over the projects (marking the active one, reading
// an item's project) would read the freed document.
void CProjectTreeItems::RemoveFromTree()
{
    if (m_pTreeBar != nullptr && m_hProjectItem != nullptr)
        m_pTreeBar->RemoveProjectItem(m_hProjectItem);
    Detach();
}

void CProjectTreeItems::SetTableItem(int nTableId, HTREEITEM hGroup)
{
    if (IsTable(nTableId))
        m_hTableItems[nTableId - kFirstTableId] = hGroup;
}

HTREEITEM CProjectTreeItems::GetTableItem(int nTableId) const
{
    return IsTable(nTableId) ? m_hTableItems[nTableId - kFirstTableId] : nullptr;
}

// A project without a tree, or a table without a group, has no leaves to
// keep: the document files the same either way.
void CProjectTreeItems::AddMeasurementItem(int nTableId, POSITION pos, const CString& sText)
{
    if (HTREEITEM hGroup = GetTableItem(nTableId); hGroup != nullptr && m_pTreeBar != nullptr)
        m_pTreeBar->AddMeasurementItem(hGroup, nTableId, pos, sText);
}

void CProjectTreeItems::RemoveMeasurementItem(int nTableId, POSITION pos)
{
    if (HTREEITEM hGroup = GetTableItem(nTableId); hGroup != nullptr && m_pTreeBar != nullptr)
        m_pTreeBar->RemoveMeasurementItem(hGroup, pos);
}

void CProjectTreeItems::UpdateMeasurementItem(int nTableId, POSITION pos, const CString& sText)
{
    if (HTREEITEM hGroup = GetTableItem(nTableId); hGroup != nullptr && m_pTreeBar != nullptr)
        m_pTreeBar->UpdateMeasurementItem(hGroup, pos, sText);
}

void CProjectTreeItems::BeginBatch()
{
    if (m_pTreeBar != nullptr)
        m_pTreeBar->BeginBatch();
}

void CProjectTreeItems::EndBatch()
{
    if (m_pTreeBar != nullptr)
        m_pTreeBar->EndBatch();
}
