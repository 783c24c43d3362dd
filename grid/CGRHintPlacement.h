#pragma once
// Classes in this file: CGRHintPlacement, where the grid's hint window goes:
// a rectangle of the hint's size beside a point after the placement flags,
// moved into the control's client area where it would stick out.

#include "afx.h"

class CGRHintPlacement {
public:
    // Placement flags: the right edge or the middle at x (else the left
    // edge), the bottom or the middle at y (else the top).
    static constexpr int kRightAtX = 2;
    static constexpr int kCentredOnX = 4;
    static constexpr int kBottomAtY = 16;
    static constexpr int kCentredOnY = 32;
    // Room around the text, pixels.
    static constexpr int kTextPadding = 4;

    // The hint's width: its text and the padding, at least nMinWidth.
    static int Width(int nTextWidth, int nMinWidth);
    // The hint's rectangle in the control's client coordinates.
    static CRect Place(CPoint point, CSize size, int nFlags, CSize client);

private:
    static int Start(int nAt, int nSize, bool bFarEdge, bool bCentred);
    static int IntoRange(int nStart, int nSize, int nLimit);
};
