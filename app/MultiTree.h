#pragma once
// Classes in this file: CMultiTree, the tree control of the tree bar. The
// user drags one item onto another inside the tree: the dragged item's image
// follows the cursor, the item under it is highlighted and opens after a
// second, the tree scrolls while the cursor stays at its top or bottom, and
// a valid drop selects the target and tells the bar (kTreeDropMessage). Its
// drop target takes files and folders dragged from the shell onto the bar.

#include "TreeDragImage.h"
#include "TreeDropTarget.h"

#include "CTreeCtrl.h"

class CTreeFileImporter;
struct CDragItemInfo;

// Sent to the tree's parent after a valid drop inside the tree, both
// parameters 0: the target is the selection, the dragged item GetDragItem.
constexpr UINT kTreeDropMessage = WM_USER + 101;

class CMultiTree : public CTreeCtrl {
public:
    // Registers the tree's drop target for pWnd (the bar) with this tree as
    // its owner; the framework's registration result.
    BOOL RegisterDropTarget(CWnd* pWnd) { return m_dropTarget.Register(this, pWnd); }

    void SetFileImporter(CTreeFileImporter* pImporter) { m_pFileImporter = pImporter; }
    CTreeFileImporter* GetFileImporter() const { return m_pFileImporter; }
    CTreeDropTarget& GetDropTarget() { return m_dropTarget; }

    // Gives hItem the drop highlight; null removes it.
    void SetDropHighlight(HTREEITEM hItem);
    // The item that shows the drop highlight, or null.
    HTREEITEM GetDropHighlight() const;

    // The item of the last drag; it stays after the drop for the bar.
    HTREEITEM GetDragItem() const { return m_hDragItem; }

    // The timers of a drag: the hover timer opens the highlighted item, the
    // scroll timer scrolls at the edges.
    static constexpr UINT_PTR kHoverTimer = 1000;
    static constexpr UINT_PTR kScrollTimer = 1001;

protected:
    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // The cursor in screen coordinates, read by the scroll timer; a test
    // puts it where it needs it.
    virtual CPoint GetDragCursorPos() const;

private:
    BOOL CanDrag() const;
    BOOL CanDrop() const;
    void DragMove(CPoint point);
    void EndDrag();
    void OnHoverTimer();
    void OnScrollTimer();
    void HighlightDropItem(HTREEITEM hItem);
    HTREEITEM LastFullyVisibleItem() const;
    void RestartHoverTimer();
    void StartHoverTimerIfStopped();
    void StopTimers();
    CDragItemInfo DragInfoOf(HTREEITEM hItem) const;
    static void SetDragCursor(UINT nCursorId);

    CTreeDropTarget m_dropTarget;
    HTREEITEM m_hDragItem = nullptr;
    HTREEITEM m_hDropItem = nullptr;
    HTREEITEM m_hFirstHighlight = nullptr;
    bool m_bDragging = false;
    UINT_PTR m_nHoverTimer = 0;
    UINT_PTR m_nScrollTimer = 0;
    int m_nScrollTicks = 0;
    CTreeFileImporter* m_pFileImporter = nullptr;
    CTreeDragImage m_dragImage;
};
