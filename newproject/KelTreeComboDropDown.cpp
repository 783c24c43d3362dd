// KelCTKTreeComboDropDown<TTree>: a click on an item with children takes the
// tree's own path (the caret moves there, a double click expands it).

#include "newproject/KelTreeComboDropDown.h"

template <class TTree>
void KelCTKTreeComboDropDown<TTree>::OnLButtonDown(UINT nFlags, CPoint point)
{
    UINT nHitFlags = 0;
    const HTREEITEM hItem = TTree::HitTest(point, &nHitFlags);
    if (hItem != nullptr && !(nHitFlags & TVHT_ONITEMBUTTON) && TTree::ItemHasChildren(hItem))
        this->Default();
    else
        CTKTreeComboDropDown<TTree>::OnLButtonDown(nFlags, point);
}

template class KelCTKTreeComboDropDown<CTreeCtrl>;
