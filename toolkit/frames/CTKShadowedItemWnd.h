#pragma once
// Classes in this file: CTKShadowedItemWnd, the window that covers a
// menu-bar button while its menu is dropped, so that the button and the
// menu look like one piece with one shadow; the menu skin paints it.

#include "afxwin.h"

class CTKMenuBar;

class CTKShadowedItemWnd : public CWnd {
public:
    // The side of the button on which the menu opens.
    enum Side { sideBelow = 1, sideRight = 2, sideLeft = 4, sideAbove = 8 };

    CTKShadowedItemWnd(CTKMenuBar* pBar, int nButton, int nSide)
        : m_pBar(pBar), m_nButton(nButton), m_nSide(nSide) {}

    CTKMenuBar* m_pBar;
    int m_nButton;
    int m_nSide;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
