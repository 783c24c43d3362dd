#pragma once
// Classes in this file: CTKMenuJoin, where a popup menu's frame opens
// towards the menu-bar button that dropped it: the strip of frame line left
// out and the shape of the shadow it takes. Window-free.

#include "afxwin.h"

class CTKMenuJoin {
public:
    // How the popup's shadow spares the button: 0 not at all, 1 the button
    // lies below the menu (bottom shadow), 2 it lies to the right (right
    // shadow).
    enum ShadowKind { shadowPlain = 0, shadowButtonBelow = 1, shadowButtonRight = 2 };

    CRect m_rectStrip;  // window coordinates; empty when there is no join
    BOOL m_bHasStrip = FALSE;
    int m_nShadowKind = shadowPlain;

    // rectFrame: the popup's frame in window coordinates; rectButton: the
    // button in the same coordinates; rectButtonScreen: the button on the
    // screen; pMonitor: the monitor nearest the button (null: unknown, the
    // strip is not clipped).
    static CTKMenuJoin Compute(const CRect& rectFrame, const CRect& rectButton, const CRect& rectButtonScreen,
                               const CRect* pMonitor);

private:
    // How far the button reaches past its monitor's left and right edges.
    static void GetOverhangs(const CRect& rectButtonScreen, const CRect* pMonitor, int* pnLeft, int* pnRight);
};
