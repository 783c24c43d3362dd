#include "CTreeCtrl.h"

#include "CEdit.h"
#include "CImageList.h"
#include "CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

LPARAM ItemParam(HTREEITEM hItem)
{
    return reinterpret_cast<LPARAM>(hItem);
}

}  // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_TREEVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

// --- items ------------------------------------------------------------------

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct)
{
    return reinterpret_cast<HTREEITEM>(::SendMessage(m_hWnd, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCT insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = nMask;
    insert.item.pszText = const_cast<LPTSTR>(lpszItem);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = nState;
    insert.item.stateMask = nStateMask;
    insert.item.lParam = lParam;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0,
                      0, hParent, hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_DELETEITEM, 0, ItemParam(hItem))); }
BOOL CTreeCtrl::DeleteAllItems() { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_DELETEITEM, 0, ItemParam(TVI_ROOT))); }
BOOL CTreeCtrl::GetItem(TVITEM* pItem) const { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem))); }
BOOL CTreeCtrl::SetItem(TVITEM* pItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem))); }

// The control has no call for a text's length: the buffer grows until the
// text fits with room to spare.
CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    CString sText;
    for (int nSize = 256;; nSize *= 2) {
        TVITEM item = {};
        item.hItem = hItem;
        item.mask = TVIF_TEXT;
        item.pszText = sText.GetBuffer(nSize);
        item.cchTextMax = nSize;
        BOOL bFound = GetItem(&item);
        sText.ReleaseBuffer();
        if (!bFound)
            return CString();
        if (sText.GetLength() < nSize - 1)
            return sText;
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return SetItem(&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    item.lParam = static_cast<LPARAM>(dwData);
    return SetItem(&item);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    if (!GetItem(&item))
        return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    return SetItem(&item);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), nStateMask));
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_STATE;
    item.state = nState;
    item.stateMask = nStateMask;
    return SetItem(&item);
}

// The message takes the item in the rectangle it fills.
BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
    return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_GETITEMRECT, static_cast<WPARAM>(bTextOnly), reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    return GetItem(&item) && item.cChildren != 0;
}

UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETCOUNT, 0, 0)); }
UINT CTreeCtrl::GetVisibleCount() const { return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETVISIBLECOUNT, 0, 0)); }

// --- navigation ---------------------------------------------------------------

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    return reinterpret_cast<HTREEITEM>(::SendMessage(m_hWnd, TVM_GETNEXTITEM, nCode, ItemParam(hItem)));
}

HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
HTREEITEM CTreeCtrl::GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO info = {};
    info.pt = pt;
    HTREEITEM hItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return hItem;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const
{
    return reinterpret_cast<HTREEITEM>(::SendMessage(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}

// --- operations ---------------------------------------------------------------

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_EXPAND, nCode, ItemParam(hItem))); }
BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_SELECTITEM, nCode, ItemParam(hItem))); }
BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
BOOL CTreeCtrl::SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }
BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_ENSUREVISIBLE, 0, ItemParam(hItem))); }
BOOL CTreeCtrl::SortChildren(HTREEITEM hItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_SORTCHILDREN, 0, ItemParam(hItem))); }
BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort) { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(pSort))); }

// The label editor adds no data to CWnd, so the temporary wrapper serves.
CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem)
{
    return static_cast<CEdit*>(CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, TVM_EDITLABEL, 0, ItemParam(hItem)))));
}

CEdit* CTreeCtrl::GetEditControl() const
{
    return static_cast<CEdit*>(CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, TVM_GETEDITCONTROL, 0, 0))));
}

BOOL CTreeCtrl::SetInsertMark(HTREEITEM hItem, BOOL fAfter) { return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_SETINSERTMARK, static_cast<WPARAM>(fAfter), ItemParam(hItem))); }

// The caller owns (and deletes) the image list.
CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem)
{
    auto hImageList = reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, TVM_CREATEDRAGIMAGE, 0, ItemParam(hItem)));
    if (hImageList == nullptr)
        return nullptr;
    auto* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

// --- appearance ---------------------------------------------------------------

CImageList* CTreeCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, TVM_GETIMAGELIST, static_cast<WPARAM>(nImageList), 0)));
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    HIMAGELIST hImageList = pImageList != nullptr ? pImageList->m_hImageList : nullptr;
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, TVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), reinterpret_cast<LPARAM>(hImageList))));
}

UINT CTreeCtrl::GetIndent() const { return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETINDENT, 0, 0)); }
void CTreeCtrl::SetIndent(UINT nIndent) { ::SendMessage(m_hWnd, TVM_SETINDENT, nIndent, 0); }
int CTreeCtrl::GetItemHeight() const { return static_cast<int>(::SendMessage(m_hWnd, TVM_GETITEMHEIGHT, 0, 0)); }
int CTreeCtrl::SetItemHeight(int cyHeight) { return static_cast<int>(::SendMessage(m_hWnd, TVM_SETITEMHEIGHT, static_cast<WPARAM>(cyHeight), 0)); }
COLORREF CTreeCtrl::SetBkColor(COLORREF clr) { return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(clr))); }
COLORREF CTreeCtrl::SetTextColor(COLORREF clr) { return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(clr))); }

CToolTipCtrl* CTreeCtrl::GetToolTips() const
{
    return static_cast<CToolTipCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, TVM_GETTOOLTIPS, 0, 0))));
}
