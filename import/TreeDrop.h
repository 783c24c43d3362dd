#pragma once
// Classes in this file: CTreeDrop, the copy of a dragged tree item onto the
// selected item: the dragged content goes through the copy buffer into the
// target as the tree's Paste would file it, and the copy buffer is left as
// the user last filled it.

#include "TreeClipboardHost.h"

class CTreeDrop {
public:
    explicit CTreeDrop(CTreeClipboardHost& host) : m_host(host) {}

    // Copies what the dragged item stands for into the selection's project.
    void Drop(const CTreeItemView& dragged);

private:
    bool TakeDraggedRecords(const CTreeItemView& dragged);
    void PasteDescriptionOf(CProjectDoc& source, bool bPaste);

    CTreeClipboardHost& m_host;
};
