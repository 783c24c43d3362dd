#pragma once
// Classes in this file: CTKWindowGeometry, the rectangles a skin draws a
// window's non-client area in: relative to the window's top-left corner,
// as its window DC has them.

#include "afxwin.h"

class CTKWindowGeometry {
public:
    // The whole window at (0, 0).
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        rect.OffsetRect(-rect.left, -rect.top);
        return rect;
    }

    // The client area within the window.
    static CRect ClientRectInWindow(CWnd* pWnd)
    {
        CRect rectWindow;
        pWnd->GetWindowRect(&rectWindow);
        CRect rectClient;
        pWnd->GetClientRect(&rectClient);
        pWnd->ClientToScreen(&rectClient);
        rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
        return rectClient;
    }
};
