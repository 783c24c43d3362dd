#pragma once
// Classes in this file: CModalDialogWatch, a test's hand on a modal dialog.
// While the watch lives, the next dialog box that opens on this thread (a
// system dialog, a message box, a dialog of the program) is handed to the
// action once its modal loop runs, so the action can read it, fill it in and
// end it.
//
//     CModalDialogWatch watch([](HWND hDlg) { ::EndDialog(hDlg, IDCANCEL); });
//     app.OnFileOpen();  // returns once the action ended the dialog

#include "afx.h"

#include <functional>

class CModalDialogWatch {
public:
    explicit CModalDialogWatch(std::function<void(HWND hDlg)> action);
    ~CModalDialogWatch();
    CModalDialogWatch(const CModalDialogWatch&) = delete;
    CModalDialogWatch& operator=(const CModalDialogWatch&) = delete;

    // The dialogs handed to the action so far.
    int GetDialogCount() const { return m_nDialogs; }

private:
    static LRESULT CALLBACK CbtHook(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR nIDEvent, DWORD);

    std::function<void(HWND hDlg)> m_action;
    HHOOK m_hHook = nullptr;
    HWND m_hWndPending = nullptr;
    UINT_PTR m_nTimer = 0;
    int m_nDialogs = 0;
};
