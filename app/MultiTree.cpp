#include "MultiTree.h"

// The highlighted item loses its state first: some tree controls keep it when
// asked to highlight no item.
void CMultiTree::SetDropHighlight(HTREEITEM hItem)
{
    if (HTREEITEM hHighlighted = GetDropHilightItem())
        SetItemState(hHighlighted, 0, TVIS_DROPHILITED);
    SelectDropTarget(hItem);
}
