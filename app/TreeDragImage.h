#pragma once
// Classes in this file: CTreeDragImage, the picture of a tree item (its icon
// and text) that follows the cursor while the item is dragged inside the
// tree. It is drawn on the tree's window, so it stays inside the tree.

#include "CImageList.h"
#include "CPoint.h"

#include <commctrl.h>

class CTreeCtrl;

class CTreeDragImage {
public:
    CTreeDragImage() = default;
    CTreeDragImage(const CTreeDragImage&) = delete;
    CTreeDragImage& operator=(const CTreeDragImage&) = delete;

    // Shows the picture of hItem with the point the user grabbed
    // (pointDrag, client coordinates of pTree) under the cursor.
    BOOL Begin(CTreeCtrl* pTree, HTREEITEM hItem, CPoint pointDrag);
    void Move(CPoint point);
    // Around every change of the tree's look: Show redraws the tree first.
    void Hide();
    void Show();
    void End();

private:
    BOOL Draw(HTREEITEM hItem, CPoint& ptTopLeft);
    CPoint WindowPointOf(CPoint point) const;

    CTreeCtrl* m_pTree = nullptr;  // while the picture is shown
    CImageList m_image;
};
