#pragma once
// Classes in this file: CTKHyperLinkAction, what a link static does when
// clicked: its action code and target, with the shell's parameters, folder
// and show command, or the message a user action sends.

#include "afxwin.h"

struct CTKHyperLinkAction {
    // 0 none, 1 user message, 2 open, 3 print, 4 explore, 5 e-mail.
    enum Action { none = 0, userMessage = 1, open = 2, print = 3, explore = 4, mail = 5 };

    int m_nAction = open;
    CString m_sTarget;
    CString m_sParameters;
    CString m_sDirectory;
    int m_nShowCmd = SW_SHOWNORMAL;
    UINT m_nMessageID = 0;
    HWND m_hWndMessage = nullptr;
};
