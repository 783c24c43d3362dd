#include "CModalDialogWatch.h"

#include <cassert>

namespace {

CModalDialogWatch* s_pActiveWatch = nullptr;
const char kDialogClass[] = "#32770";

}  // namespace

CModalDialogWatch::CModalDialogWatch(std::function<void(HWND hDlg)> action) : m_action(std::move(action))
{
    assert(s_pActiveWatch == nullptr);
    s_pActiveWatch = this;
    m_hHook = ::SetWindowsHookEx(WH_CBT, &CbtHook, nullptr, ::GetCurrentThreadId());
}

CModalDialogWatch::~CModalDialogWatch()
{
    if (m_nTimer != 0)
        ::KillTimer(nullptr, m_nTimer);
    ::UnhookWindowsHookEx(m_hHook);
    s_pActiveWatch = nullptr;
}

// A dialog being activated is up but its modal loop may not run yet: a
// thread timer (dispatched by any message loop) hands it over from there.
LRESULT CALLBACK CModalDialogWatch::CbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    CModalDialogWatch* pWatch = s_pActiveWatch;
    if (pWatch != nullptr && nCode == HCBT_ACTIVATE && pWatch->m_hWndPending == nullptr) {
        auto hWnd = reinterpret_cast<HWND>(wParam);
        char szClass[16] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (::lstrcmpA(szClass, kDialogClass) == 0) {
            pWatch->m_hWndPending = hWnd;
            pWatch->m_nTimer = ::SetTimer(nullptr, 0, 0, &TimerProc);
        }
    }
    return ::CallNextHookEx(pWatch ? pWatch->m_hHook : nullptr, nCode, wParam, lParam);
}

void CALLBACK CModalDialogWatch::TimerProc(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(nullptr, nIDEvent);
    CModalDialogWatch* pWatch = s_pActiveWatch;
    if (pWatch == nullptr || pWatch->m_nTimer != nIDEvent)
        return;
    pWatch->m_nTimer = 0;
    HWND hDlg = pWatch->m_hWndPending;
    ++pWatch->m_nDialogs;
    if (::IsWindow(hDlg))
        pWatch->m_action(hDlg);
    pWatch->m_hWndPending = nullptr;
}
