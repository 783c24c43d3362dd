#include "COleDropSource.h"

#include "AfxComCall.h"
#include "CWnd.h"

#include <windowsx.h>

#include <cassert>

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

int COleDropSource::nDragMinDist = static_cast<int>(::GetProfileIntA("windows", "DragMinDist", DD_DEFDRAGMINDIST));
int COleDropSource::nDragDelay = static_cast<int>(::GetProfileIntA("windows", "DragDelay", DD_DEFDRAGDELAY));

// --- overridables -------------------------------------------------------------

// Escape or the other button cancels; the release of the button that began
// the drag drops, unless the drag never began.
SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel) != 0) {
        m_bDragStarted = FALSE;
        return DRAGDROP_S_CANCEL;
    }
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return m_bDragStarted ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
    return S_OK;
}

// The cursor changes only once the drag has begun.
SCODE COleDropSource::GiveFeedback(DROPEFFECT /*dropEffect*/)
{
    return m_bDragStarted ? DRAGDROP_S_USEDEFAULTCURSORS : S_OK;
}

// A press becomes a drag when the mouse leaves the start rectangle or the
// button stays down for the drag delay; a release, another button or Escape
// before that leaves it a click. Without a start rectangle the drag measures
// from the cursor. The rectangle holds for this drag only.
BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    assert(pWnd != nullptr && ::IsWindow(pWnd->m_hWnd));
    ChooseButtons();
    if (m_rectStartDrag.IsRectEmpty()) {
        POINT cursor = {0, 0};
        ::GetCursorPos(&cursor);
        m_rectStartDrag.SetRect(cursor.x, cursor.y, cursor.x, cursor.y);
        m_rectStartDrag.InflateRect(nDragMinDist, nDragMinDist);
    }
    m_bDragStarted = WaitForDragStart(pWnd);
    m_rectStartDrag.SetRectEmpty();
    return m_bDragStarted;
}

// --- the wait before a drag ------------------------------------------------------

// A drag with the right button alone drops on its release and is cancelled
// by the left one; every other drag is a left-button drag.
void COleDropSource::ChooseButtons()
{
    const BOOL bRightOnly = ::GetKeyState(VK_RBUTTON) < 0 && ::GetKeyState(VK_LBUTTON) >= 0;
    m_dwButtonDrop = bRightOnly ? MK_RBUTTON : MK_LBUTTON;
    m_dwButtonCancel = bRightOnly ? MK_LBUTTON : MK_RBUTTON;
}

// The window holds the capture while the loop runs. Mouse points come from
// the messages, the delay from a timer, so a test posts its messages before
// the call. Other input is swallowed while it waits; a WM_QUIT is put back
// for the main loop.
BOOL COleDropSource::WaitForDragStart(CWnd* pWnd)
{
    const HWND hWnd = pWnd->m_hWnd;
    pWnd->SetCapture();
    ::SetTimer(hWnd, nDragDelayTimerID, static_cast<UINT>(nDragDelay), nullptr);
    WaitStep step = waitCancel;  // a lost capture ends the wait as a click
    while (::GetCapture() == hWnd) {
        MSG msg;
        if (!::GetMessage(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        const WaitStep next = StepOf(msg, hWnd);
        if (next != waitGoOn) {
            step = next;
            break;
        }
        const BOOL bInput = (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                            (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST);
        if (!bInput)
            ::DispatchMessage(&msg);
    }
    ::KillTimer(hWnd, nDragDelayTimerID);
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return step == waitDrag;
}

COleDropSource::WaitStep COleDropSource::StepOf(const MSG& msg, HWND hWndWait) const
{
    switch (msg.message) {
    case WM_MOUSEMOVE: {
        POINT point = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        ::ClientToScreen(msg.hwnd, &point);
        return m_rectStartDrag.PtInRect(CPoint(point.x, point.y)) ? waitGoOn : waitDrag;
    }
    case WM_TIMER:
        return msg.hwnd == hWndWait && msg.wParam == nDragDelayTimerID ? waitDrag : waitGoOn;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return waitCancel;
    case WM_KEYDOWN:
        return msg.wParam == VK_ESCAPE ? waitCancel : waitGoOn;
    default:
        return waitGoOn;
    }
}

// --- IDropSource ------------------------------------------------------------------

HRESULT COleDropSource::XDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    return AfxComCall([&] { return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState); });
}

HRESULT COleDropSource::XDropSource::GiveFeedback(DWORD dwEffect)
{
    return AfxComCall([&] { return m_pOwner->GiveFeedback(dwEffect); });
}
