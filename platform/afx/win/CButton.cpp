#include "CButton.h"

#include <cassert>

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const { return static_cast<UINT>(::SendMessage(m_hWnd, BM_GETSTATE, 0, 0)); }
void CButton::SetState(BOOL bHighlight) { ::SendMessage(m_hWnd, BM_SETSTATE, static_cast<WPARAM>(bHighlight), 0); }
int CButton::GetCheck() const { return static_cast<int>(::SendMessage(m_hWnd, BM_GETCHECK, 0, 0)); }
void CButton::SetCheck(int nCheck) { ::SendMessage(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0); }
UINT CButton::GetButtonStyle() const { return static_cast<UINT>(::GetWindowLongPtr(m_hWnd, GWL_STYLE)) & 0xFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) { ::SendMessage(m_hWnd, BM_SETSTYLE, nStyle, bRedraw); }
HICON CButton::SetIcon(HICON hIcon) { return reinterpret_cast<HICON>(::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon))); }
HICON CButton::GetIcon() const { return reinterpret_cast<HICON>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0)); }
HBITMAP CButton::SetBitmap(HBITMAP hBitmap) { return reinterpret_cast<HBITMAP>(::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap))); }
HBITMAP CButton::GetBitmap() const { return reinterpret_cast<HBITMAP>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0)); }

// An owner-drawn button class must draw itself.
void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
    assert(!"an owner-drawn CButton overrides DrawItem");
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}
