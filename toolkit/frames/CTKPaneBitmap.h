#pragma once
// Classes in this file: CTKPaneBitmap, the picture a status-bar pane shows:
// an owned bitmap, its size, where it goes in the pane and the colour that
// stays see-through.

#include "afxwin.h"

class CTKPaneBitmap {
public:
    // Placement modes: 1 stretched over the pane; 2 left, 3 centred, 4 right,
    // each shrunk to the pane where it is larger; 5, 6, 7 placed as 2, 3, 4
    // but cut to the pane instead of shrunk.
    enum { modeStretch = 1, modeLeft, modeCentre, modeRight, modeLeftCut, modeCentreCut, modeRightCut };

    // Takes ownership of hBitmap.
    CTKPaneBitmap(HBITMAP hBitmap, int nMode, COLORREF crTransparent);

    void Draw(CDC* pDC, const CRect& rectPane);

private:
    CBitmap m_bitmap;
    CSize m_size;
    int m_nMode;
    COLORREF m_crTransparent;
};
