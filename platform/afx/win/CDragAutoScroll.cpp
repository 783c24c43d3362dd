#include "CDragAutoScroll.h"

#include "CRect.h"
#include "CWnd.h"

#include <algorithm>

int CDragAutoScroll::nScrollInset = static_cast<int>(::GetProfileIntA("windows", "DragScrollInset", DD_DEFSCROLLINSET));
int CDragAutoScroll::nScrollDelay = static_cast<int>(::GetProfileIntA("windows", "DragScrollDelay", DD_DEFSCROLLDELAY));
int CDragAutoScroll::nScrollInterval =
    static_cast<int>(::GetProfileIntA("windows", "DragScrollInterval", DD_DEFSCROLLINTERVAL));

namespace {

constexpr BYTE kAxisStays = 0xFF;

// Whether the window's scroll bar nBar (shown, with a range) can still move
// up (SB_LINEUP) or down (SB_LINEDOWN). A bar at its end does not scroll, so
// a drop stays possible along that edge; a page larger than the range leaves
// nothing to scroll.
BOOL BarCanMove(HWND hWnd, int nBar, BYTE nCode)
{
    const LONG_PTR style = ::GetWindowLongPtr(hWnd, GWL_STYLE);
    if ((style & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) == 0)
        return FALSE;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!::GetScrollInfo(hWnd, nBar, &info))
        return FALSE;
    const int nLastPos = info.nMax - std::max(static_cast<int>(info.nPage), 1) + 1;
    return nCode == SB_LINEUP ? info.nPos > info.nMin : info.nPos < nLastPos;
}

// The scroll code of one axis: up before the inner band, down after it.
BYTE AxisScrollCode(HWND hWnd, int nBar, int nPos, int nInnerFirst, int nInnerEnd)
{
    const BYTE nCode = nPos < nInnerFirst ? SB_LINEUP : nPos >= nInnerEnd ? SB_LINEDOWN : kAxisStays;
    return nCode != kAxisStays && BarCanMove(hWnd, nBar, nCode) ? nCode : kAxisStays;
}

}  // namespace

// Inside the inner rectangle (the client area less the scroll inset),
// outside the client area, or where no bar can move: no scroll.
WORD CDragAutoScroll::DirectionAt(CWnd* pWnd, CPoint point)
{
    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    CRect rectInner = rectClient;
    rectInner.DeflateRect(nScrollInset, nScrollInset);
    if (!rectClient.PtInRect(point) || rectInner.PtInRect(point))
        return kNoScroll;
    return MAKEWORD(AxisScrollCode(pWnd->m_hWnd, SB_HORZ, point.x, rectInner.left, rectInner.right),
                    AxisScrollCode(pWnd->m_hWnd, SB_VERT, point.y, rectInner.top, rectInner.bottom));
}

// A scrolling drag still tells the source what a drop would do by the keys:
// Ctrl and Shift link, Ctrl copies, Alt or Shift move.
DROPEFFECT CDragAutoScroll::EffectFor(DWORD dwKeyState)
{
    if ((dwKeyState & (MK_CONTROL | MK_SHIFT)) == (MK_CONTROL | MK_SHIFT))
        return DROPEFFECT_SCROLL | DROPEFFECT_LINK;
    if (dwKeyState & MK_CONTROL)
        return DROPEFFECT_SCROLL | DROPEFFECT_COPY;
    if (dwKeyState & (MK_ALT | MK_SHIFT))
        return DROPEFFECT_SCROLL | DROPEFFECT_MOVE;
    return DROPEFFECT_SCROLL;
}

// A new direction starts the wait again with the delay.
void CDragAutoScroll::Advance(CWnd* pWnd, WORD wDirection, DWORD dwNow)
{
    if (wDirection != m_wDirection) {
        m_wDirection = wDirection;
        m_dwLastStep = dwNow;
        m_dwWait = static_cast<DWORD>(nScrollDelay);
    }
    if (dwNow - m_dwLastStep <= m_dwWait)
        return;
    if (LOBYTE(wDirection) != kAxisStays)
        pWnd->SendMessage(WM_HSCROLL, MAKEWPARAM(LOBYTE(wDirection), 0), 0);
    if (HIBYTE(wDirection) != kAxisStays)
        pWnd->SendMessage(WM_VSCROLL, MAKEWPARAM(HIBYTE(wDirection), 0), 0);
    m_dwLastStep = dwNow;
    m_dwWait = static_cast<DWORD>(nScrollInterval);
}

// The feedback is taken away (a leave) when scrolling starts and given back
// (an enter) when the point comes back inside.
DROPEFFECT CDragAutoScroll::Step(COleDropTarget* pTarget, CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                 CPoint point)
{
    const WORD wDirection = DirectionAt(pWnd, point);
    if (wDirection == kNoScroll) {
        if (IsScrolling()) {
            Stop();
            pTarget->OnDragEnter(pWnd, pDataObject, dwKeyState, point);
        }
        return DROPEFFECT_NONE;
    }
    if (!IsScrolling())
        pTarget->OnDragLeave(pWnd);
    Advance(pWnd, wDirection, ::GetTickCount());
    return EffectFor(dwKeyState);
}
