#pragma once
// Classes in this file: CTKSharedMouseHook, one thread mouse hook shared by
// every window of a kind (the sizable bars, their floating frames) that
// tells the kind when the mouse moves from one window to another, so a
// caption button's hot look can be cleared in the window the mouse left.
// The hook stays while any window of the kind exists.

#include "afxwin.h"

class CTKSharedMouseHook {
public:
    // hWndLeft: the window the mouse was over before (may be null).
    using MoveHandler = void (*)(HWND hWndLeft, HWND hWndNow);

    // pfnHook: the kind's hook procedure, which hands its calls to OnHook.
    CTKSharedMouseHook(HOOKPROC pfnHook, MoveHandler pfnOnMove);
    CTKSharedMouseHook(const CTKSharedMouseHook&) = delete;
    CTKSharedMouseHook& operator=(const CTKSharedMouseHook&) = delete;

    // A window of the kind was made: the first installs the hook.
    void AddWindow();
    // A window of the kind is going: the last removes the hook.
    void RemoveWindow();
    BOOL IsInstalled() const { return m_hHook != nullptr; }
    int GetWindowCount() const { return m_nWindows; }

    LRESULT OnHook(int nCode, WPARAM wParam, LPARAM lParam);

    // The window of the class that hWnd is or lies in, within its top-level
    // window; null if none.
    static CWnd* FindWindowOfClass(HWND hWnd, CRuntimeClass* pClass);

private:
    HOOKPROC m_pfnHook;
    MoveHandler m_pfnOnMove;
    HHOOK m_hHook = nullptr;
    int m_nWindows = 0;
    HWND m_hWndLast = nullptr;
};
