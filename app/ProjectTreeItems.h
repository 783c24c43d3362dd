#pragma once
// Classes in this file: CProjectTreeItems, the items that show one project in
// the tree bar: its node and the group of each of its tables. As the
// project's tree sink it adds, removes and renames the leaves of its
// measurements under the group of their table.

#include "model/ProjectDoc.h"
#include "model/ProjectTreeSink.h"

#include "afxwin.h"

#include <commctrl.h>

class CTreeDlg;

class CProjectTreeItems : public CProjectTreeSink {
public:
    CProjectTreeItems() = default;
    CProjectTreeItems(const CProjectTreeItems&) = delete;
    CProjectTreeItems& operator=(const CProjectTreeItems&) = delete;

    void Attach(CTreeDlg* pTreeBar, HTREEITEM hProjectItem);
    // Forgets the tree: the project's items are gone.
    void Detach();
    // Deletes the project's node with everything under it from the tree and
    // forgets the tree.
    void RemoveFromTree();
    void SetTableItem(int nTableId, HTREEITEM hGroup);

    CTreeDlg* GetTreeBar() const { return m_pTreeBar; }
    HTREEITEM GetProjectItem() const { return m_hProjectItem; }
    HTREEITEM GetTableItem(int nTableId) const;

    void AddMeasurementItem(int nTableId, POSITION pos, const CString& sText) override;
    void RemoveMeasurementItem(int nTableId, POSITION pos) override;
    void UpdateMeasurementItem(int nTableId, POSITION pos, const CString& sText) override;
    void BeginBatch() override;
    void EndBatch() override;

private:
    static bool IsTable(int nTableId) { return nTableId >= kFirstTableId && nTableId <= kLastTableId; }

    CTreeDlg* m_pTreeBar = nullptr;
    HTREEITEM m_hProjectItem = nullptr;
    HTREEITEM m_hTableItems[kTableCount] = {};
};
