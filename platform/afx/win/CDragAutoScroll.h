#pragma once
// Classes in this file: CDragAutoScroll, the auto-scroll of a window while an
// OLE drag passes near its edges: which way the point asks it to scroll, and
// the timing of the steps (the first after the scroll delay, the next ones
// after the scroll interval). A drop target holds one for its drag.

#include "COleDropTarget.h"
#include "CPoint.h"

class CWnd;

class CDragAutoScroll {
public:
    // The system's settings ("windows" profile section), read once.
    static int nScrollInset;     // pixels along the client edges where a drag scrolls
    static int nScrollDelay;     // milliseconds before the first step
    static int nScrollInterval;  // milliseconds between the following steps

    // MAKEWORD(horizontal, vertical) scroll codes (SB_LINEUP, SB_LINEDOWN;
    // 0xFF for an axis that stays); kNoScroll for none.
    static constexpr WORD kNoScroll = 0xFFFF;

    // Which way a drag at point (client coordinates) scrolls the window.
    static WORD DirectionAt(CWnd* pWnd, CPoint point);
    // The effect a scrolling drag answers, by the keys held.
    static DROPEFFECT EffectFor(DWORD dwKeyState);

    BOOL IsScrolling() const { return m_wDirection != kNoScroll; }
    // One move of the drag in direction wDirection at dwNow (milliseconds):
    // sends WM_HSCROLL and WM_VSCROLL when a step is due.
    void Advance(CWnd* pWnd, WORD wDirection, DWORD dwNow);
    void Stop() { m_wDirection = kNoScroll; }
    // One move of a drag over pWnd, which scrolls itself: near an edge where
    // a bar can move, pTarget's drop feedback goes when scrolling starts and
    // the answer is scroll with the keys' effect; elsewhere a scroll in
    // progress ends, the feedback comes back and the answer is none.
    DROPEFFECT Step(COleDropTarget* pTarget, CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                    CPoint point);

private:
    WORD m_wDirection = kNoScroll;
    DWORD m_dwLastStep = 0;
    DWORD m_dwWait = 0;  // the delay or the interval before the next step
};
