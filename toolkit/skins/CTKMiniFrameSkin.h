#pragma once
// Classes in this file: CTKMiniFrameSkin, the part skin that draws the
// caption, border and close button of a floating frame of sizable bars.

#include "afxwin.h"

class CTKSizableMiniDockFrameWnd;

class CTKMiniFrameSkin {
public:
    virtual ~CTKMiniFrameSkin() = default;

    virtual void DrawNonClient(CTKSizableMiniDockFrameWnd* pFrame) = 0;
    // The answer to the frame's WM_NCACTIVATE.
    virtual BOOL OnNcActivate(BOOL bActive, CTKSizableMiniDockFrameWnd* pFrame) = 0;
    virtual void DrawCaption(CTKSizableMiniDockFrameWnd* pFrame) = 0;
    // TRUE when the skin draws the close button and handles it itself: the
    // frame then closes on the button's release, not its press.
    virtual BOOL DrawCloseButton(CTKSizableMiniDockFrameWnd* pFrame) = 0;
};
