#include "CListBox.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

LPARAM TextParam(LPCTSTR lpszText)
{
    return reinterpret_cast<LPARAM>(lpszText);
}

}  // namespace

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETCOUNT, 0, 0)); }
int CListBox::GetCurSel() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETCURSEL, 0, 0)); }
int CListBox::SetCurSel(int nSelect) { return static_cast<int>(::SendMessage(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0)); }
int CListBox::GetSel(int nIndex) const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nIndex), 0)); }
int CListBox::SetSel(int nIndex, BOOL bSelect) { return static_cast<int>(::SendMessage(m_hWnd, LB_SETSEL, static_cast<WPARAM>(bSelect), nIndex)); }
int CListBox::GetSelCount() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETSELCOUNT, 0, 0)); }
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(nMaxItems), reinterpret_cast<LPARAM>(rgIndex))); }
int CListBox::GetTopIndex() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETTOPINDEX, 0, 0)); }
int CListBox::SetTopIndex(int nIndex) { return static_cast<int>(::SendMessage(m_hWnd, LB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0)); }
DWORD_PTR CListBox::GetItemData(int nIndex) const { return static_cast<DWORD_PTR>(::SendMessage(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0)); }
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return static_cast<int>(::SendMessage(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData))); }
int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer))); }

// An index without an item gives an empty text.
void CListBox::GetText(int nIndex, CString& rString) const
{
    int nLength = GetTextLen(nIndex);
    if (nLength == LB_ERR) {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBuffer(nLength + 1));
    rString.ReleaseBuffer();
}

int CListBox::GetTextLen(int nIndex) const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0)); }
int CListBox::GetItemHeight(int nIndex) const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0)); }
int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight) { return static_cast<int>(::SendMessage(m_hWnd, LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELONG(cyItemHeight, 0))); }
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect))); }
int CListBox::AddString(LPCTSTR lpszItem) { return static_cast<int>(::SendMessage(m_hWnd, LB_ADDSTRING, 0, TextParam(lpszItem))); }
int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) { return static_cast<int>(::SendMessage(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nIndex), TextParam(lpszItem))); }
int CListBox::DeleteString(UINT nIndex) { return static_cast<int>(::SendMessage(m_hWnd, LB_DELETESTRING, nIndex, 0)); }
void CListBox::ResetContent() { ::SendMessage(m_hWnd, LB_RESETCONTENT, 0, 0); }
int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const { return static_cast<int>(::SendMessage(m_hWnd, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszItem))); }
int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const { return static_cast<int>(::SendMessage(m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), TextParam(lpszFind))); }
int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem) { return static_cast<int>(::SendMessage(m_hWnd, LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszItem))); }
