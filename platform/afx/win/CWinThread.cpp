#include "CWinThread.h"

#include "AfxHandleMap.h"
#include "CWinApp.h"
#include "CWnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

const UINT kCaretBlinkTimer = 0x0118;  // WM_SYSTIMER, sent for the caret blink

}  // namespace

CWinThread* AfxGetThread()
{
    return AfxGetApp();
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    AfxDeleteTempMaps();
    return static_cast<int>(m_msgCur.wParam);
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (::GetMessage(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessage(&m_msgCur);
    }
    return TRUE;
}

// The window of the message and its parents up to the main window see it
// first, then the main window (for windows that are not inside it).
BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = GetMainWnd();
    HWND hWndMain = pMainWnd ? pMainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    if (hWndMain != nullptr && pMsg->hwnd != hWndMain && !::IsChild(hWndMain, pMsg->hwnd))
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount == 0) {
        CWnd* pMainWnd = GetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    } else if (lCount == 1) {
        AfxDeleteTempMaps();
    }
    return lCount < 1;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        POINT pt = pMsg->pt;
        BOOL bMoved = m_nLastMouseMessage != pMsg->message || pt.x != m_ptLastMouseMove.x ||
                      pt.y != m_ptLastMouseMove.y;
        m_ptLastMouseMove = pt;
        m_nLastMouseMessage = pMsg->message;
        return bMoved;
    }
    return pMsg->message != WM_PAINT && pMsg->message != kCaretBlinkTimer;
}
