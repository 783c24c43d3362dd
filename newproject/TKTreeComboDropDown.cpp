// CTKTreeComboDropDown<TTree>: the tree keeps the drop-down's value, the
// chosen item, apart from its caret. Moving through the open tree moves only
// the caret; a click on an item or Enter chooses, and closing puts the caret
// back on the chosen item, so browsing without choosing changes nothing.

#include "newproject/TKTreeComboDropDown.h"

#include <windowsx.h>

#include <algorithm>

#include "toolkit/skins/CTKComboPickerCtrl.h"

namespace {

const int kDefaultItemHeight = 16;

// The styles of the requested tree that its popup container takes over.
const DWORD kContainerStyles = WS_MINIMIZE | WS_DISABLED | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_MAXIMIZE |
                               WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
const DWORD kBorderExStyles = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;

// Width and height a window's frame adds to its client area (scroll bars
// aside, which come and go with the content).
CSize FrameSize(DWORD dwStyle, DWORD dwExStyle)
{
    CRect rect(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rect, dwStyle & ~(WS_VSCROLL | WS_HSCROLL), FALSE, dwExStyle);
    return CSize(rect.Width(), rect.Height());
}

}  // namespace

template <class TTree>
CTKTreeComboDropDown<TTree>::CTKTreeComboDropDown() = default;

// Detaching closes an open drop-down; the popup goes with the tree.
template <class TTree>
CTKTreeComboDropDown<TTree>::~CTKTreeComboDropDown()
{
    if (m_pCombo != nullptr)
        m_pCombo->AttachDropDown(nullptr);
    if (HasTreeWindow())
        this->DestroyWindow();
    if (::IsWindow(m_container.GetSafeHwnd()))
        m_container.DestroyWindow();
}

// --- creation ----------------------------------------------------------------

// The tree asked for as a child of the combo box is made a child of a popup
// container owned by the combo's window, which takes the tree's frame.
template <class TTree>
BOOL CTKTreeComboDropDown<TTree>::PreCreateWindow(CREATESTRUCT& cs)
{
    if (::IsWindow(m_container.GetSafeHwnd()) || !CreateContainer(cs))
        return FALSE;
    CRect rectClient;
    m_container.GetClientRect(&rectClient);
    cs.dwExStyle = 0;
    cs.style = (cs.style & ~(WS_POPUP | WS_VISIBLE)) | WS_CHILD;
    cs.hwndParent = m_container.GetSafeHwnd();
    cs.x = 0;
    cs.y = 0;
    cs.cx = rectClient.Width();
    cs.cy = rectClient.Height();
    return TTree::PreCreateWindow(cs);
}

template <class TTree>
BOOL CTKTreeComboDropDown<TTree>::CreateContainer(const CREATESTRUCT& cs)
{
    DWORD dwExStyle = cs.dwExStyle;
    if ((dwExStyle & kBorderExStyles) == 0)
        dwExStyle |= WS_EX_DLGMODALFRAME;
    const CRect rect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
    return m_container.Create(dwExStyle, cs.style & kContainerStyles, rect, CWnd::FromHandle(cs.hwndParent));
}

// --- messages ----------------------------------------------------------------

template <class TTree>
LRESULT CTKTreeComboDropDown<TTree>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_CREATE: {
        const LRESULT lResult = TTree::WindowProc(message, wParam, lParam);
        if (lResult != -1)
            m_container.SetDropDownCtrl(this);
        return lResult;
    }
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), point);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), point);
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_TK_TREE_ITEMEXPANDING:
        return OnItemExpanding(reinterpret_cast<NMTREEVIEW*>(lParam), reinterpret_cast<LRESULT*>(wParam));
    case WM_TK_TREE_ITEMEXPANDED:
        return OnItemExpanded(reinterpret_cast<NMTREEVIEW*>(lParam), reinterpret_cast<LRESULT*>(wParam));
    case WM_TK_TREE_SELCHANGING:
        return OnSelChanging(reinterpret_cast<NMTREEVIEW*>(lParam), reinterpret_cast<LRESULT*>(wParam));
    case WM_TK_TREE_SELCHANGED:
        return OnSelChanged(reinterpret_cast<NMTREEVIEW*>(lParam), reinterpret_cast<LRESULT*>(wParam));
    default:
        return TTree::WindowProc(message, wParam, lParam);
    }
}

// The close is posted: it runs once the message that moved the focus is
// done, a click on a dialog button included.
template <class TTree>
void CTKTreeComboDropDown<TTree>::OnKillFocus(CWnd* pNewWnd)
{
    this->Default();
    if (pNewWnd->GetSafeHwnd() != this->m_hWnd && m_pCombo != nullptr && ::IsWindow(m_pCombo->GetSafeHwnd()))
        m_pCombo->PostMessage(CB_SHOWDROPDOWN, FALSE);
}

// A click on an item's button expands or collapses it; a click on an item
// chooses it when it is a valid choice and closes the drop-down either way.
template <class TTree>
void CTKTreeComboDropDown<TTree>::OnLButtonDown(UINT nFlags, CPoint point)
{
    UINT nHitFlags = 0;
    const HTREEITEM hItem = TTree::HitTest(point, &nHitFlags);
    if (hItem == nullptr || (nHitFlags & TVHT_ONITEMBUTTON)) {
        this->Default();
        return;
    }
    if (IsValidSelection(hItem)) {
        TTree::SelectItem(hItem);
        Choose(hItem);
    }
    CloseInOwner();
}

template <class TTree>
void CTKTreeComboDropDown<TTree>::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bHotTrack) {
        CRect rectContainer;
        m_container.GetClientRect(&rectContainer);
        if (rectContainer.PtInRect(point)) {
            UINT nHitFlags = 0;
            const HTREEITEM hItem = TTree::HitTest(point, &nHitFlags);
            if (hItem != nullptr)
                TTree::SelectItem(hItem);
        }
    }
    this->Default();
}

// Esc closes without choosing; Enter chooses the caret item when it is a
// valid choice and closes; other keys move the caret.
template <class TTree>
void CTKTreeComboDropDown<TTree>::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pCombo == nullptr || (nChar != VK_ESCAPE && nChar != VK_RETURN)) {
        this->Default();
        return;
    }
    if (nChar == VK_RETURN) {
        const HTREEITEM hCaret = GetCaretItem();
        if (hCaret != nullptr && IsValidSelection(hCaret))
            Choose(hCaret);
    }
    CloseInOwner();
}

// With a maximum height the popup only follows the new extent; without one,
// the part above the expanding item is kept from flickering while the popup
// grows.
template <class TTree>
LRESULT CTKTreeComboDropDown<TTree>::OnItemExpanding(NMTREEVIEW* pNMTreeView, LRESULT* pResult)
{
    if (SmoothExpansion()) {
        CRect rectUpdate;
        if (!::GetUpdateRect(this->m_hWnd, &rectUpdate, FALSE)) {
            CRect rectItem;
            TTree::GetItemRect(pNMTreeView->itemNew.hItem, &rectItem, FALSE);
            this->GetClientRect(&m_rectValid);
            m_rectValid.bottom = rectItem.top - 1;
        } else {
            m_rectValid.SetRectEmpty();
        }
        ::LockWindowUpdate(::GetDesktopWindow());
    }
    *pResult = 0;
    return TRUE;
}

template <class TTree>
LRESULT CTKTreeComboDropDown<TTree>::OnItemExpanded(NMTREEVIEW*, LRESULT* pResult)
{
    AdjustSize();
    if (SmoothExpansion()) {
        ::LockWindowUpdate(nullptr);
        this->ValidateRect(&m_rectValid);
    }
    *pResult = 0;
    return TRUE;
}

template <class TTree>
LRESULT CTKTreeComboDropDown<TTree>::OnSelChanging(NMTREEVIEW*, LRESULT* pResult)
{
    *pResult = 0;
    return TRUE;
}

// An item that is no choice may hold the caret but does not look selected.
template <class TTree>
LRESULT CTKTreeComboDropDown<TTree>::OnSelChanged(NMTREEVIEW* pNMTreeView, LRESULT* pResult)
{
    const HTREEITEM hItem = pNMTreeView->itemNew.hItem;
    if (hItem != nullptr && !IsValidSelection(hItem))
        TTree::SetItemState(hItem, 0, TVIS_SELECTED);
    *pResult = 0;
    return TRUE;
}

// --- the value ---------------------------------------------------------------

template <class TTree>
void CTKTreeComboDropDown<TTree>::Choose(HTREEITEM hItem)
{
    if (hItem == m_hChosenItem)
        return;
    m_hChosenItem = hItem;
    OnItemChosen(hItem);
}

template <class TTree>
void CTKTreeComboDropDown<TTree>::CloseInOwner()
{
    if (m_pCombo == nullptr)
        return;
    m_pCombo->ShowDropDown(FALSE);
    m_pCombo->SetFocus();
}

template <class TTree>
HTREEITEM CTKTreeComboDropDown<TTree>::GetCaretItem() const
{
    return HasTreeWindow() ? TTree::GetSelectedItem() : nullptr;
}

template <class TTree>
BOOL CTKTreeComboDropDown<TTree>::IsValidSelection(HTREEITEM hItem)
{
    return !m_bOnlyLeaves || !TTree::ItemHasChildren(hItem);
}

// While open the tree shows the chosen item as its value; while closed the
// caret is the value when it is a valid choice.
template <class TTree>
HTREEITEM CTKTreeComboDropDown<TTree>::GetSelectedItem()
{
    if (!HasTreeWindow())
        return nullptr;
    if (IsVisible())
        return m_hChosenItem;
    const HTREEITEM hCaret = GetCaretItem();
    return hCaret != nullptr && IsValidSelection(hCaret) ? hCaret : nullptr;
}

template <class TTree>
void CTKTreeComboDropDown<TTree>::OnDropDown(BOOL bShown)
{
    if (bShown) {
        const HTREEITEM hCaret = GetCaretItem();
        m_hChosenItem = hCaret != nullptr && IsValidSelection(hCaret) ? hCaret : nullptr;
        AdjustSize();
        if (m_hChosenItem != nullptr)
            TTree::EnsureVisible(m_hChosenItem);
    } else {
        if (m_hChosenItem != nullptr && !IsValidSelection(m_hChosenItem))
            m_hChosenItem = nullptr;
        if (HasTreeWindow())
            TTree::SelectItem(m_hChosenItem);
    }
}

// --- the combo's face --------------------------------------------------------

template <class TTree>
int CTKTreeComboDropDown<TTree>::GetItemHeight()
{
    const HTREEITEM hFirst = HasTreeWindow() ? TTree::GetRootItem() : nullptr;
    CRect rectItem;
    if (hFirst == nullptr || !TTree::GetItemRect(hFirst, &rectItem, FALSE))
        return kDefaultItemHeight;
    return rectItem.Height();
}

template <class TTree>
BOOL CTKTreeComboDropDown<TTree>::HasSelection()
{
    return HasTreeWindow() && GetSelectedItem() != nullptr;
}

// A copy of the tree's images reduced to the chosen item's picture, which is
// then alone at index 0.
template <class TTree>
CImageList* CTKTreeComboDropDown<TTree>::GetSelectionImage()
{
    if (!HasSelection())
        return nullptr;
    int nImage = -1;
    int nSelectedImage = -1;
    CImageList* pImages = TTree::GetImageList(TVSIL_NORMAL);
    if (!TTree::GetItemImage(GetSelectedItem(), nImage, nSelectedImage) || nImage < 0 || pImages == nullptr)
        return nullptr;
    const HIMAGELIST hCopy = ImageList_Duplicate(pImages->GetSafeHandle());
    if (hCopy == nullptr)
        return nullptr;
    auto* pCopy = new CImageList;
    pCopy->Attach(hCopy);
    for (int i = pCopy->GetImageCount() - 1; i >= 0; i--)
        if (i != nImage)
            pCopy->Remove(i);
    return pCopy;
}

template <class TTree>
CString CTKTreeComboDropDown<TTree>::GetSelectionText()
{
    const HTREEITEM hItem = GetSelectedItem();
    return hItem != nullptr ? TTree::GetItemText(hItem) : CString();
}

template <class TTree>
CFont* CTKTreeComboDropDown<TTree>::GetFont()
{
    return HasSelection() ? TTree::GetFont() : nullptr;
}

template <class TTree>
COLORREF CTKTreeComboDropDown<TTree>::GetTextColor()
{
    return ::GetSysColor(COLOR_WINDOWTEXT);
}

template <class TTree>
void CTKTreeComboDropDown<TTree>::ResetContent()
{
    if (HasTreeWindow())
        TTree::DeleteAllItems();
}

// --- size --------------------------------------------------------------------

// All items the tree shows, one below the other, with the widest text.
template <class TTree>
void CTKTreeComboDropDown<TTree>::GetBestSize(LPRECT lpRect)
{
    CRect rectBest(0, 0, 0, 0);
    if (HasTreeWindow()) {
        for (HTREEITEM hItem = TTree::GetRootItem(); hItem != nullptr; hItem = TTree::GetNextVisibleItem(hItem)) {
            CRect rectItem;
            CRect rectText;
            TTree::GetItemRect(hItem, &rectItem, FALSE);
            TTree::GetItemRect(hItem, &rectText, TRUE);
            rectBest.bottom += rectItem.Height();
            rectBest.right = std::max<LONG>(rectBest.right, rectText.right);
        }
        const CSize frame = FrameSize(this->GetStyle(), this->GetExStyle());
        rectBest.right += frame.cx;
        rectBest.bottom += frame.cy;
    }
    *lpRect = rectBest;
}

template <class TTree>
void CTKTreeComboDropDown<TTree>::ClampToLimits(CRect& rect) const
{
    if (m_nMaxWidth >= 0 && rect.Width() > m_nMaxWidth)
        rect.right = rect.left + m_nMaxWidth;
    if (m_nMaxHeight >= 0 && rect.Height() > m_nMaxHeight)
        rect.bottom = rect.top + m_nMaxHeight;
    if (m_nMinWidth >= 0 && rect.Width() < m_nMinWidth)
        rect.right = rect.left + m_nMinWidth;
    if (m_nMinHeight >= 0 && rect.Height() < m_nMinHeight)
        rect.bottom = rect.top + m_nMinHeight;
}

// The best size within the limits; where the limits cut the content, the
// popup makes room for the scroll bar that then shows, unless that breaks
// the maximum.
template <class TTree>
void CTKTreeComboDropDown<TTree>::AdjustSize()
{
    if (!HasTreeWindow())
        return;
    CRect rectExtent;
    GetBestSize(&rectExtent);
    CRect rect(rectExtent);
    ClampToLimits(rect);
    const int cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    const int cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    if (rect.Height() == rectExtent.Height())
        this->SetWindowPos(nullptr, 0, 0, rect.Width() + cxVScroll, rect.Height(),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (rectExtent.Height() > rect.Height() && rectExtent.Width() <= rect.Width() &&
        rect.Width() - rectExtent.Width() < cxVScroll &&
        !(m_nMaxWidth >= 0 && rectExtent.Width() + cxVScroll > m_nMaxWidth))
        rect.right = rect.left + rectExtent.Width() + cxVScroll;
    if (rectExtent.Width() > rect.Width() && rectExtent.Height() <= rect.Height() &&
        rect.Height() - rectExtent.Height() < cyHScroll &&
        !(m_nMaxHeight >= 0 && rectExtent.Height() + cyHScroll > m_nMaxHeight))
        rect.bottom = rect.top + rectExtent.Height() + cyHScroll;

    CWnd* pResized = this;
    if (::IsWindow(m_container.GetSafeHwnd())) {
        const CSize frame = GetContainerFrameSize();
        rect.right += frame.cx;
        rect.bottom += frame.cy;
        pResized = &m_container;
    }
    pResized->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template class CTKTreeComboDropDown<CTreeCtrl>;
