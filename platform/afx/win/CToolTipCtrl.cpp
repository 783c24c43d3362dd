#include "CToolTipCtrl.h"

#include <cassert>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

// A tip window is a pop-up owned by the parent, so it stays above it.
BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr);
}

// --- tools ----------------------------------------------------------------

// A tool without an id is the window itself.
TOOLINFO CToolTipCtrl::ToolOf(CWnd* pWnd, UINT_PTR nIDTool) const
{
    assert(pWnd != nullptr);
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    if (nIDTool == 0) {
        info.hwnd = ::GetParent(pWnd->m_hWnd);
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        info.hwnd = pWnd->m_hWnd;
        info.uId = nIDTool;
    }
    return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    return AddToolWithText(pWnd, lpszText, nullptr, lpRectTool, nIDTool);
}

// The control loads the text from the resource module each time it shows.
BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    return AddToolWithText(pWnd, MAKEINTRESOURCE(nIDText), AfxGetResourceHandle(), lpRectTool, nIDTool);
}

// A window tool without a rectangle is watched by the control itself.
BOOL CToolTipCtrl::AddToolWithText(CWnd* pWnd, LPCTSTR lpszText, HINSTANCE hInstText, LPCRECT lpRectTool,
                                   UINT_PTR nIDTool)
{
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    if (lpRectTool != nullptr)
        info.rect = *lpRectTool;
    else if (nIDTool == 0)
        info.uFlags |= TTF_SUBCLASS;
    info.hinst = hInstText;
    info.lpszText = const_cast<LPTSTR>(lpszText);
    return static_cast<BOOL>(::SendMessage(m_hWnd, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    ::SendMessage(m_hWnd, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    info.lpszText = const_cast<LPTSTR>(lpszText);
    ::SendMessage(m_hWnd, TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    info.rect = *lpRect;
    ::SendMessage(m_hWnd, TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(::SendMessage(m_hWnd, TTM_GETTOOLCOUNT, 0, 0)); }

BOOL CToolTipCtrl::GetToolInfo(TOOLINFO& rToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    rToolInfo = ToolOf(pWnd, nIDTool);
    return static_cast<BOOL>(::SendMessage(m_hWnd, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&rToolInfo)));
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFO lpToolInfo) { ::SendMessage(m_hWnd, TTM_SETTOOLINFO, 0, reinterpret_cast<LPARAM>(lpToolInfo)); }

// --- behaviour and look -----------------------------------------------------

void CToolTipCtrl::Activate(BOOL bActivate) { ::SendMessage(m_hWnd, TTM_ACTIVATE, static_cast<WPARAM>(bActivate), 0); }

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    MSG relayed = *lpMsg;  // the control may change the message it gets
    ::SendMessage(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void CToolTipCtrl::Pop() { ::SendMessage(m_hWnd, TTM_POP, 0, 0); }
void CToolTipCtrl::Update() { ::SendMessage(m_hWnd, TTM_UPDATE, 0, 0); }
int CToolTipCtrl::SetMaxTipWidth(int iWidth) { return static_cast<int>(::SendMessage(m_hWnd, TTM_SETMAXTIPWIDTH, 0, iWidth)); }
void CToolTipCtrl::SetDelayTime(UINT nDelay) { ::SendMessage(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay)); }
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) { ::SendMessage(m_hWnd, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0)); }
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const { return static_cast<int>(::SendMessage(m_hWnd, TTM_GETDELAYTIME, dwDuration, 0)); }
void CToolTipCtrl::SetTipBkColor(COLORREF clr) { ::SendMessage(m_hWnd, TTM_SETTIPBKCOLOR, clr, 0); }
void CToolTipCtrl::SetTipTextColor(COLORREF clr) { ::SendMessage(m_hWnd, TTM_SETTIPTEXTCOLOR, clr, 0); }
