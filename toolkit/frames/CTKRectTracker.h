#pragma once
// Classes in this file: CTKRectTracker, a rectangle tracker held inside a
// limit rectangle: a sizing stays within it, a move keeps its size and its
// left and top edges within it; style bits may hold the rectangle to
// horizontal or vertical moves. The sizable dock bar drags its splitters
// with it.

#include "afxwin.h"

class CTKRectTracker : public CRectTracker {
public:
    // Style bits beside the framework's: only left and right, or only up
    // and down.
    enum : UINT { kHorzOnly = 0x100, kVertOnly = 0x200 };

    CTKRectTracker(LPCRECT lpSrcRect, UINT nStyle) : CRectTracker(lpSrcRect, nStyle) {}

    // nHitTest: an edge or corner (HTLEFT ... HTBOTTOMRIGHT) sizes, any
    // other code moves. point in pWnd's client coordinates.
    BOOL Track(CWnd* pWnd, CPoint point, int nHitTest, CWnd* pWndClipTo = nullptr);

    void AdjustRect(int nHandle, LPRECT lpRect) override;

    CRect m_rectLimit;  // empty: no limit

private:
    CRect m_rectStart;
};
