#pragma once
// Classes in this file: CTKFrameSkin, the part skin that gives a window a
// flat border and its face and edge colours.

#include <windows.h>

class CWnd;

class CTKFrameSkin {
public:
    virtual ~CTKFrameSkin() = default;

    // The border over the window's non-client edge.
    virtual void DrawBorder(CWnd* pWnd) = 0;
    // Grows pRect by the border the skin draws; pWnd is the window it is for.
    virtual void AdjustBorderRect(RECT* pRect, CWnd* pWnd) = 0;
    virtual COLORREF GetFaceColor() = 0;
    virtual COLORREF GetEdgeColor() = 0;
};
