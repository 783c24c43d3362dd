#include "CTKSharedMouseHook.h"

CTKSharedMouseHook::CTKSharedMouseHook(HOOKPROC pfnHook, MoveHandler pfnOnMove)
    : m_pfnHook(pfnHook), m_pfnOnMove(pfnOnMove)
{
}

void CTKSharedMouseHook::AddWindow()
{
    if (m_nWindows++ == 0)
        m_hHook = ::SetWindowsHookEx(WH_MOUSE, m_pfnHook, nullptr, ::GetCurrentThreadId());
}

void CTKSharedMouseHook::RemoveWindow()
{
    if (m_nWindows == 0 || --m_nWindows > 0)
        return;
    if (m_hHook != nullptr)
        ::UnhookWindowsHookEx(m_hHook);
    m_hHook = nullptr;
    m_hWndLast = nullptr;
}

// Every message goes on to the next hook unchanged.
LRESULT CTKSharedMouseHook::OnHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && (wParam == WM_MOUSEMOVE || wParam == WM_NCMOUSEMOVE)) {
        HWND hWndNow = reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam)->hwnd;
        if (hWndNow != m_hWndLast) {
            HWND hWndLeft = m_hWndLast;
            m_hWndLast = hWndNow;
            m_pfnOnMove(hWndLeft, hWndNow);
        }
    }
    return ::CallNextHookEx(m_hHook, nCode, wParam, lParam);
}

CWnd* CTKSharedMouseHook::FindWindowOfClass(HWND hWnd, CRuntimeClass* pClass)
{
    for (; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(pClass))
            return pWnd;
        if (::GetWindowLong(hWnd, GWL_STYLE) & WS_POPUP)
            break;
    }
    return nullptr;
}
