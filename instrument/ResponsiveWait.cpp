#include "ResponsiveWait.h"

#include <windows.h>

// Paints what is due, and nothing else: a click dispatched here could start
// the command that is waiting all over again.
void CResponsiveWait::PaintPendingWindows()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);
}

void CResponsiveWait::Wait(DWORD dwMilliseconds)
{
    const DWORD dwStart = ::GetTickCount();
    for (DWORD dwWaited = 0; dwWaited < dwMilliseconds; dwWaited = ::GetTickCount() - dwStart) {
        PaintPendingWindows();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwMilliseconds - dwWaited, QS_PAINT);
    }
    PaintPendingWindows();
}
