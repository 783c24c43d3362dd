#pragma once
// Classes in this file: CTKHyperLinkAction, what a link static does when
// clicked: its action code and target, with the shell's parameters, folder
// and show command, or the message a user action sends; and how the last
// attempt went.

#include "afxwin.h"

class CTKHyperLinkAction {
public:
    // 0 none, 1 user message, 2 open, 3 print, 4 explore, 5 e-mail.
    enum Action { none = 0, userMessage = 1, open = 2, print = 3, explore = 4, mail = 5 };
    // Errors of our own beside the shell's codes (0 to 32).
    enum Error { noError = -1, unknownAction = -2, actionFailed = -3 };

    virtual ~CTKHyperLinkAction() = default;

    // Runs the action; on failure, with bReportFailures, says why. The
    // fields are as before afterwards, but for the error and the instance
    // handle the shell returned.
    BOOL Execute(BOOL bReportFailures);
    // Beeps and shows the last error's message; nothing without an error.
    virtual void ShowError() const;

    int m_nAction = open;
    CString m_sTarget;
    CString m_sParameters;
    CString m_sDirectory;
    int m_nShowCmd = SW_SHOWNORMAL;
    UINT m_nMessageID = 0;
    HWND m_hWndMessage = nullptr;  // HWND_BROADCAST: posted to every top-level window
    int m_nError = noError;
    HINSTANCE m_hInstance = nullptr;

private:
    BOOL SendUserMessage();
    BOOL RunShellVerb();
    CString ErrorText() const;
};
