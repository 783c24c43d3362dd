#pragma once
// Classes in this file: CWndCreationScope, the span of one window creation:
// the creation hook is installed and the object to attach is named, so the
// new window is attached before its first message. Nested creations (a child
// made in WM_CREATE) keep the hook and restore the outer creation's state.
// Internal to the framework.

#include "AfxWinState.h"

class CWnd;

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);

class CWndCreationScope {
public:
    CWndCreationScope(CWnd* pWnd, LPCTSTR lpszClass) : m_state(AfxGetWinState())
    {
        m_pWndOuter = m_state.pWndInit;
        m_lpszClassOuter = m_state.lpszClassInit;
        if (m_state.nCreateDepth++ == 0)
            m_state.hHookCreate =
                ::SetWindowsHookEx(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
        m_state.pWndInit = pWnd;
        m_state.lpszClassInit = lpszClass;
    }
    ~CWndCreationScope()
    {
        m_state.pWndInit = m_pWndOuter;
        m_state.lpszClassInit = m_lpszClassOuter;
        if (--m_state.nCreateDepth == 0) {
            ::UnhookWindowsHookEx(m_state.hHookCreate);
            m_state.hHookCreate = nullptr;
        }
    }
    CWndCreationScope(const CWndCreationScope&) = delete;
    CWndCreationScope& operator=(const CWndCreationScope&) = delete;

private:
    AFX_WIN_STATE& m_state;
    CWnd* m_pWndOuter;
    LPCTSTR m_lpszClassOuter;
};
