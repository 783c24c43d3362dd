#pragma once
// Classes in this file: CTKDockbarSkin, the part skin that draws what a
// sizable control bar and its dock bar show outside their contents: the
// bar's non-client background, caption, grippers and caption buttons, the
// splitters, the dock bar's background and border; it also lays out the
// caption. Rectangles of a bar are relative to its window's top-left.

#include "afxwin.h"

class CTKSizeControlBar;
class CTKSizeDockBar;
class CTKSplitterRect;

class CTKDockbarSkin {
public:
    virtual ~CTKDockbarSkin() = default;

    virtual void DrawCaption(CDC* pDC, CTKSizeControlBar* pBar) = 0;
    virtual void DrawCloseButton(CDC* pDC, CTKSizeControlBar* pBar) = 0;
    virtual void DrawExpandButton(CDC* pDC, CTKSizeControlBar* pBar) = 0;
    // Pixels between the caption buttons and the rest of the caption.
    virtual int GetButtonSpacing() const = 0;
    // The bar's non-client area, lpRect.
    virtual void DrawBackground(CDC* pDC, LPCRECT lpRect, CTKSizeControlBar* pBar) = 0;
    virtual void DrawSplitter(CDC* pDC, CTKSplitterRect* pSplitter, CTKSizeDockBar* pDockBar) = 0;
    // The dock bar's non-client area, drawn in its window DC.
    virtual void DrawDockBarBorder(CTKSizeDockBar* pDockBar) = 0;
    virtual void FillDockBar(CDC* pDC, CTKSizeDockBar* pDockBar) = 0;
    // Shrinks the client rectangle of WM_NCCALCSIZE by the border and the
    // caption.
    virtual void CalcClientRect(CTKSizeControlBar* pBar, LPRECT lpRect) = 0;
    // Sets the bar's m_rectCaption, m_rectCloseButton, m_rectExpandButton.
    virtual void LayoutCaption(CTKSizeControlBar* pBar) = 0;
    // The colour of the frame around a highlighted bar.
    virtual COLORREF GetFrameColor() = 0;
};
