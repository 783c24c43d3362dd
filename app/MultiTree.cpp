#include "MultiTree.h"

#include "TreeDragRules.h"

#include "afxwin.h"
#include "res/resource.h"

namespace {

constexpr UINT kHoverPeriod = 1000;  // ms until the highlighted item opens
constexpr UINT kScrollPeriod = 75;   // ms between two looks at the cursor
constexpr UINT kItemFocused = 0x0001;  // TVIS_FOCUSED, which MinGW's headers lack

}  // namespace

BEGIN_MESSAGE_MAP(CMultiTree, CTreeCtrl)
    ON_NOTIFY_REFLECT(TVN_BEGINDRAG, OnBeginDrag)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// The highlighted item loses its state first: some tree controls keep it when
// asked to highlight no item.
void CMultiTree::SetDropHighlight(HTREEITEM hItem)
{
    if (HTREEITEM hHighlighted = GetDropHilightItem())
        SetItemState(hHighlighted, 0, TVIS_DROPHILITED);
    SelectDropTarget(hItem);
}

// Some tree controls go on naming the item whose highlight was removed.
HTREEITEM CMultiTree::GetDropHighlight() const
{
    const HTREEITEM hItem = GetDropHilightItem();
    return hItem != nullptr && GetItemState(hItem, TVIS_DROPHILITED) != 0 ? hItem : nullptr;
}

// --- the drag -----------------------------------------------------------------

void CMultiTree::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pTreeView = reinterpret_cast<const NMTREEVIEW*>(pNMHDR);
    m_hDragItem = pTreeView->itemNew.hItem;
    m_hDropItem = nullptr;
    *pResult = 0;
    if (!CanDrag())
        return;
    m_bDragging = true;
    SetDragCursor(IDC_TREE_DROP);
    SetCapture();
    m_nScrollTimer = SetTimer(kScrollTimer, kScrollPeriod);
    m_dragImage.Begin(this, m_hDragItem, pTreeView->ptDrag);
}

void CMultiTree::OnMouseMove(UINT nFlags, CPoint point)
{
    CTreeCtrl::OnMouseMove(nFlags, point);
    DragMove(point);
}

void CMultiTree::OnLButtonUp(UINT nFlags, CPoint point)
{
    CTreeCtrl::OnLButtonUp(nFlags, point);
    EndDrag();
}

BOOL CMultiTree::CanDrag() const
{
    return CanDragItem(DragInfoOf(m_hDragItem));
}

BOOL CMultiTree::CanDrop() const
{
    return CanDropOn(DragInfoOf(m_hDropItem), m_hDropItem == m_hDragItem);
}

// The highlight follows the cursor. The hover timer runs on from the first
// item the cursor met and starts afresh while it stays on that item.
void CMultiTree::DragMove(CPoint point)
{
    if (!m_bDragging)
        return;
    m_dragImage.Move(point);
    const HTREEITEM hItem = HitTest(point);
    if (hItem == nullptr) {
        SetDragCursor(IDC_TREE_NO_DROP);
        const HTREEITEM hPrevious = m_hDropItem;
        m_hFirstHighlight = hPrevious;
        HighlightDropItem(nullptr);
        if (hPrevious == nullptr)
            RestartHoverTimer();
        else
            StartHoverTimerIfStopped();
        return;
    }
    if (m_hFirstHighlight == nullptr)
        m_hFirstHighlight = GetDropHighlight();
    HighlightDropItem(hItem);
    if (hItem == m_hFirstHighlight)
        RestartHoverTimer();
    else
        StartHoverTimerIfStopped();
    SetDragCursor(ShowsDropPossible(DragInfoOf(hItem)) ? IDC_TREE_DROP : IDC_TREE_NO_DROP);
}

void CMultiTree::EndDrag()
{
    if (!m_bDragging)
        return;
    m_bDragging = false;
    m_dragImage.End();
    ::ReleaseCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    SetDropHighlight(nullptr);
    m_hFirstHighlight = nullptr;
    StopTimers();
    if (!CanDrop())
        return;
    Expand(m_hDropItem, TVE_EXPAND);
    SelectItem(m_hDropItem);
    SetItemState(m_hDropItem, TVIS_SELECTED | kItemFocused, TVIS_SELECTED | kItemFocused);
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(kTreeDropMessage, 0, 0);
}

// A timer message already queued when the drag ended is ignored: it would
// scroll the tree or highlight an item after the drop.
void CMultiTree::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case kHoverTimer:
        if (m_bDragging)
            OnHoverTimer();
        break;
    case kScrollTimer:
        if (m_bDragging)
            OnScrollTimer();
        break;
    default:
        CTreeCtrl::OnTimer(nIDEvent);
    }
}

void CMultiTree::OnDestroy()
{
    StopTimers();
    m_dragImage.End();
    CTreeCtrl::OnDestroy();
}

void CMultiTree::OnHoverTimer()
{
    const HTREEITEM hHighlighted = GetDropHighlight();
    if (hHighlighted == nullptr || hHighlighted != m_hDropItem || !ItemHasChildren(hHighlighted))
        return;
    m_dragImage.Hide();
    Expand(hHighlighted, TVE_EXPAND);
    m_dragImage.Show();
}

// The cursor's distance past the band at an edge sets how many ticks pass
// between two lines (TreeScrollStepAt); the item that scrolled in at that
// edge becomes the drop item.
void CMultiTree::OnScrollTimer()
{
    ++m_nScrollTicks;
    const CPoint cursor = GetDragCursorPos();
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    const CTreeScrollStep step = TreeScrollStepAt(cursor.y, client.top, client.bottom, m_nScrollTicks);
    if (step.m_bUp) {
        m_dragImage.Hide();
        SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
        m_dragImage.Show();
        HighlightDropItem(GetFirstVisibleItem());
    }
    if (step.m_bDown) {
        m_dragImage.Hide();
        SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
        m_dragImage.Show();
        HighlightDropItem(LastFullyVisibleItem());
    }
}

// Gives hItem (or no item) the drop highlight and makes it the drop item;
// the tree is redrawn only when the highlight moves.
void CMultiTree::HighlightDropItem(HTREEITEM hItem)
{
    m_hDropItem = hItem;
    if (GetDropHighlight() == hItem)
        return;
    m_dragImage.Hide();
    SetDropHighlight(hItem);
    m_dragImage.Show();
}

HTREEITEM CMultiTree::LastFullyVisibleItem() const
{
    HTREEITEM hItem = GetFirstVisibleItem();
    for (UINT nSteps = GetVisibleCount(); hItem != nullptr && nSteps > 1; --nSteps) {
        const HTREEITEM hNext = GetNextVisibleItem(hItem);
        if (hNext == nullptr)
            break;
        hItem = hNext;
    }
    return hItem;
}

void CMultiTree::RestartHoverTimer()
{
    m_nHoverTimer = SetTimer(kHoverTimer, kHoverPeriod);
}

void CMultiTree::StartHoverTimerIfStopped()
{
    if (m_nHoverTimer == 0)
        RestartHoverTimer();
}

void CMultiTree::StopTimers()
{
    if (m_nHoverTimer != 0)
        KillTimer(m_nHoverTimer);
    if (m_nScrollTimer != 0)
        KillTimer(m_nScrollTimer);
    m_nHoverTimer = 0;
    m_nScrollTimer = 0;
}

// The workspace item is the tree's first root item.
CDragItemInfo CMultiTree::DragInfoOf(HTREEITEM hItem) const
{
    CDragItemInfo info;
    if (hItem == nullptr)
        return info;
    info.m_bExists = true;
    info.m_bWorkspace = hItem == GetRootItem();
    info.m_bHasChildren = ItemHasChildren(hItem) != FALSE;
    info.m_dwData = GetItemData(hItem);
    return info;
}

CPoint CMultiTree::GetDragCursorPos() const
{
    CPoint cursor;
    ::GetCursorPos(&cursor);
    return cursor;
}

void CMultiTree::SetDragCursor(UINT nCursorId)
{
    ::SetCursor(::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nCursorId)));
}
