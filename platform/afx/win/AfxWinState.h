#pragma once
// The framework's state of the one GUI thread: what the window procedure,
// window creation and the tool tips share. Internal to the framework.

#include "AfxTypes.h"

#include <commctrl.h>

class CWinApp;
class CWnd;

struct AFX_WIN_STATE {
    CWinApp* pApp = nullptr;

    // The message being handled; Default() hands it to DefWindowProc.
    MSG msgCur = {};

    // The window whose CreateWindowEx runs, and its class name; the creation
    // hook attaches it to the first window of that class created.
    CWnd* pWndInit = nullptr;
    LPCTSTR lpszClassInit = nullptr;
    HHOOK hHookCreate = nullptr;
    int nCreateDepth = 0;

    // The window whose UpdateData runs: its controls' notifications are
    // dropped, since values set by code are no user's change.
    HWND hWndLockoutNotify = nullptr;

    // The tool tip shared by every window with EnableToolTips.
    HWND hWndToolTip = nullptr;
    HWND hWndLastHit = nullptr;
    INT_PTR nLastHit = -1;
    TOOLINFO lastInfo = {};
};

AFX_WIN_STATE& AfxGetWinState();
