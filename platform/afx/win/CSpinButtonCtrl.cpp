#include "CSpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(UPDOWN_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper) { ::SendMessage(m_hWnd, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) { ::SendMessage(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper); }
DWORD CSpinButtonCtrl::GetRange() const { return static_cast<DWORD>(::SendMessage(m_hWnd, UDM_GETRANGE, 0, 0)); }

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const
{
    DWORD dwRange = GetRange();
    nLower = static_cast<short>(HIWORD(dwRange));
    nUpper = static_cast<short>(LOWORD(dwRange));
}

void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const
{
    ::SendMessage(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
}

// UDM_SETPOS takes a 16-bit position; the old one comes back in the low word.
int CSpinButtonCtrl::SetPos(int nPos) { return static_cast<short>(LOWORD(::SendMessage(m_hWnd, UDM_SETPOS, 0, MAKELPARAM(nPos, 0)))); }
int CSpinButtonCtrl::GetPos() const { return static_cast<int>(::SendMessage(m_hWnd, UDM_GETPOS, 0, 0)); }
int CSpinButtonCtrl::SetPos32(int nPos) { return static_cast<int>(::SendMessage(m_hWnd, UDM_SETPOS32, 0, nPos)); }
int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const { return static_cast<int>(::SendMessage(m_hWnd, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError))); }
CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) { return CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy->GetSafeHwnd()), 0))); }
CWnd* CSpinButtonCtrl::GetBuddy() const { return CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, UDM_GETBUDDY, 0, 0))); }
int CSpinButtonCtrl::SetBase(int nBase) { return static_cast<int>(::SendMessage(m_hWnd, UDM_SETBASE, static_cast<WPARAM>(nBase), 0)); }
UINT CSpinButtonCtrl::GetBase() const { return static_cast<UINT>(::SendMessage(m_hWnd, UDM_GETBASE, 0, 0)); }
BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel) { return static_cast<BOOL>(::SendMessage(m_hWnd, UDM_SETACCEL, static_cast<WPARAM>(nAccel), reinterpret_cast<LPARAM>(pAccel))); }
UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const { return static_cast<UINT>(::SendMessage(m_hWnd, UDM_GETACCEL, static_cast<WPARAM>(nAccel), reinterpret_cast<LPARAM>(pAccel))); }
