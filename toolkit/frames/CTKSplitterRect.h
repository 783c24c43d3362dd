#pragma once
// Classes in this file: CTKSplitterRect, one splitter of a sizable dock
// bar's last layout: its rectangle, which way it is dragged and the place
// in the dock bar's bar array at which it was made.

#include "afxwin.h"

class CTKSplitterRect {
public:
    // A vertical strip, dragged left and right (across the rows of a
    // horizontal dock bar, along a vertical one); a horizontal strip,
    // dragged up and down.
    enum : BYTE { kVerticalStrip = 1, kHorizontalStrip = 2 };

    CTKSplitterRect(const CRect& rect, BYTE nType, int nPos) : m_rect(rect), m_nType(nType), m_nPos(nPos) {}
    virtual ~CTKSplitterRect() = default;

    CRect m_rect;  // dock-bar client coordinates
    BYTE m_nType;
    int m_nPos;
};
