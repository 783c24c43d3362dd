#include "CTabCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_TABCONTROL, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CTabCtrl::GetItemCount() const { return static_cast<int>(::SendMessage(m_hWnd, TCM_GETITEMCOUNT, 0, 0)); }
BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const { return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_GETITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem))); }
BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_SETITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem))); }
BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const { return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect))); }
int CTabCtrl::GetCurSel() const { return static_cast<int>(::SendMessage(m_hWnd, TCM_GETCURSEL, 0, 0)); }
int CTabCtrl::SetCurSel(int nItem) { return static_cast<int>(::SendMessage(m_hWnd, TCM_SETCURSEL, static_cast<WPARAM>(nItem), 0)); }
int CTabCtrl::GetRowCount() const { return static_cast<int>(::SendMessage(m_hWnd, TCM_GETROWCOUNT, 0, 0)); }

// The old size comes back packed as width and height in one value.
CSize CTabCtrl::SetItemSize(CSize size)
{
    const DWORD dwOld = static_cast<DWORD>(::SendMessage(m_hWnd, TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy)));
    return CSize(LOWORD(dwOld), HIWORD(dwOld));
}

HIMAGELIST CTabCtrl::SetImageList(HIMAGELIST hImageList) { return reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList))); }
LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem) { return static_cast<LONG>(::SendMessage(m_hWnd, TCM_INSERTITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem))); }

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    TCITEM item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return InsertItem(nItem, &item);
}

BOOL CTabCtrl::DeleteItem(int nItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_DELETEITEM, static_cast<WPARAM>(nItem), 0)); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_DELETEALLITEMS, 0, 0)); }
void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) { ::SendMessage(m_hWnd, TCM_ADJUSTRECT, static_cast<WPARAM>(bLarger), reinterpret_cast<LPARAM>(lpRect)); }
int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const { return static_cast<int>(::SendMessage(m_hWnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo))); }
