#pragma once
// Classes in this file: CRectTracker, a rectangle the user moves or sizes
// by one of its handles with the mouse: the outline follows the mouse until
// the button is released (Escape or the right button give up). AdjustRect
// lets a derived tracker limit every new rectangle; DrawTrackerRect draws
// the outline. Like the dock context's loop, the loop reads the mouse
// points from the messages, never from the cursor.

#include "CRect.h"
#include "CWnd.h"

class CDC;

class CRectTracker {
public:
    enum StyleFlags { solidLine = 1, dottedLine = 2, hatchedBorder = 4, resizeInside = 8, resizeOutside = 16,
                      hatchInside = 32 };
    enum TrackerHit { hitNothing = -1, hitTopLeft = 0, hitTopRight = 1, hitBottomRight = 2, hitBottomLeft = 3,
                      hitTop = 4, hitRight = 5, hitBottom = 6, hitLeft = 7, hitMiddle = 8 };

    CRectTracker() = default;
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : m_rect(*lpSrcRect), m_nStyle(nStyle) {}
    virtual ~CRectTracker() = default;

    // Moves the handle nHandle (hitMiddle: the whole rectangle) from point
    // (pWnd's client coordinates) with the mouse; m_rect (same coordinates)
    // takes the result. TRUE when the button was released with the
    // rectangle changed; FALSE when the user gave up or nothing changed.
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo = nullptr);

// Overridables
    // Every new rectangle passes here before it is drawn or kept.
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    // The outline of a rectangle (pWnd's client coordinates) in a DC of
    // pWndClipTo (or pWnd); each erases the last, an empty one only erases.
    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    virtual void OnChangedRect(const CRect& rectOld);

// Attributes
    CRect m_rect;
    UINT m_nStyle = 0;
    CSize m_sizeMin;

protected:
    void MoveHandle(int nHandle, CRect& rect, CSize offset) const;
    CRect m_rectLast;            // the outline drawn last
    CSize m_sizeLast;
};
