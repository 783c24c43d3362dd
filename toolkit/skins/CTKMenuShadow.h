#pragma once
// Classes in this file: CTKMenuShadow, the soft shadow of 4 pixels along the
// right and bottom edges of a popup menu: the screen behind it darkened,
// fading in and out at the ends. The darkening rules are window-free; the
// painter computes in a DIB and copies it in one piece.

#include "afxwin.h"

#include <vector>

class CTKMenuShadow {
public:
    static constexpr int kWidth = 4;

    // One edge's shadow: nLength pixels along the edge, from position 0.
    struct Run {
        int nLength = 0;
        int nFirst = kWidth;   // positions before it stay as they are
        BOOL bFadeIn = TRUE;   // 4 positions from nFirst grow darker
        BOOL bFadeOut = FALSE; // the last 4 positions grow lighter
        // Positions (both included) left undarkened in the fade-in and the
        // middle: where a button lies in the shadow.
        int nKeepFirst = -1;
        int nKeepLast = -2;
    };

    // How much the pixel at nPos of the k-th line from the outside (1..4)
    // is darkened, 0..255.
    static int Darkness(const Run& run, int k, int nPos);
    // Every channel c becomes c * (255 - nDarkness) / 255, rounded.
    static COLORREF Darken(COLORREF cr, int nDarkness);

    // The runs of a popup window of sizeWindow (shadow included).
    static Run RightRun(CSize sizeWindow);
    static Run BottomRun(CSize sizeWindow);
    // The runs of a window of sizeWindow that covers a menu-bar button, by
    // the side the menu lies on: 1 below, 2 right, 3 left, 4 above. A run
    // of length 0 is not drawn.
    static void GetJoinWindowRuns(CSize sizeWindow, int nSideKind, Run* pRight, Run* pBottom);

    // Paints the shadow of a window of sizeWindow whose top-left corner lies
    // at ptScreen into pDC (window coordinates). A null run is left out. With
    // a cache, a cache that holds this shadow's colours is drawn from; any
    // other (empty, or of a window that has since changed its size) is
    // filled afresh from the screen.
    static void Paint(CDC* pDC, CSize sizeWindow, CPoint ptScreen, const Run* pRight, const Run* pBottom,
                      std::vector<COLORREF>* pCache);

private:
    static size_t CountPixels(const Run* pRight, const Run* pBottom);
    // The area of one edge's shadow in window coordinates.
    static CRect RightArea(CSize sizeWindow, const Run& run);
    static CRect BottomArea(CSize sizeWindow, const Run& run);
    // Darkens (or fills from *ppCached) one area, whose pixels sit in a
    // top-down 32-bit DIB of the area's width.
    static void ShadeArea(DWORD* pPixels, const CRect& rectArea, const Run& run, BOOL bVertical,
                          const COLORREF** ppCached, std::vector<COLORREF>* pCache);
    static void PaintArea(CDC* pDC, const CRect& rectArea, CPoint ptScreen, const Run& run, BOOL bVertical,
                          const COLORREF** ppCached, std::vector<COLORREF>* pCache);
};
