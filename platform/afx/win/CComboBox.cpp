#include "CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

LPARAM TextParam(LPCTSTR lpszText)
{
    return reinterpret_cast<LPARAM>(lpszText);
}

}  // namespace

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETCOUNT, 0, 0)); }
int CComboBox::GetCurSel() const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETCURSEL, 0, 0)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(::SendMessage(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0)); }
DWORD_PTR CComboBox::GetItemData(int nIndex) const { return static_cast<DWORD_PTR>(::SendMessage(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0)); }
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return static_cast<int>(::SendMessage(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData))); }
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText))); }

// An index without an item gives an empty text.
void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int nLength = GetLBTextLen(nIndex);
    if (nLength == CB_ERR) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBuffer(nLength + 1));
    rString.ReleaseBuffer();
}

int CComboBox::GetLBTextLen(int nIndex) const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0)); }
int CComboBox::GetItemHeight(int nIndex) const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0)); }
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) { return static_cast<int>(::SendMessage(m_hWnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), cyItemHeight)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(::SendMessage(m_hWnd, CB_GETDROPPEDSTATE, 0, 0)); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const { ::SendMessage(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect)); }
int CComboBox::GetDroppedWidth() const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETDROPPEDWIDTH, 0, 0)); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return static_cast<int>(::SendMessage(m_hWnd, CB_SETDROPPEDWIDTH, nWidth, 0)); }
BOOL CComboBox::LimitText(int nMaxChars) { return static_cast<BOOL>(::SendMessage(m_hWnd, CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars), 0)); }
DWORD CComboBox::GetEditSel() const { return static_cast<DWORD>(::SendMessage(m_hWnd, CB_GETEDITSEL, 0, 0)); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) { return static_cast<BOOL>(::SendMessage(m_hWnd, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar))); }
int CComboBox::AddString(LPCTSTR lpszString) { return static_cast<int>(::SendMessage(m_hWnd, CB_ADDSTRING, 0, TextParam(lpszString))); }
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) { return static_cast<int>(::SendMessage(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(nIndex), TextParam(lpszString))); }
int CComboBox::DeleteString(UINT nIndex) { return static_cast<int>(::SendMessage(m_hWnd, CB_DELETESTRING, nIndex, 0)); }
void CComboBox::ResetContent() { ::SendMessage(m_hWnd, CB_RESETCONTENT, 0, 0); }
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const { return static_cast<int>(::SendMessage(m_hWnd, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszString))); }
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const { return static_cast<int>(::SendMessage(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), TextParam(lpszFind))); }
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) { return static_cast<int>(::SendMessage(m_hWnd, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszString))); }
void CComboBox::ShowDropDown(BOOL bShowIt) { ::SendMessage(m_hWnd, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt), 0); }
