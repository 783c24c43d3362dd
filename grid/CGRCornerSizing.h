#pragma once
// Classes in this file: CGRCornerSizing, the sizing of the headings from the
// corner button: the pointer near the button's right edge sizes the side
// heading's width, near its bottom edge the top heading's height, when the
// sheet's user sizing mode allows it and the control agrees.

#include "afx.h"

class CGRCtrlCore;

class CGRCornerSizing {
public:
    explicit CGRCornerSizing(CGRCtrlCore* pCtrl);

    enum Zone { kNoZone, kSideWidthZone, kTopHeightZone };
    // How near an edge the pointer sizes, pixels.
    static constexpr int kZoneWidth = 4;

    // A move without a button: the zone under the point of a button of
    // this client size.
    void Hover(CPoint point, CSize client);
    // A press: TRUE when it starts sizing (the caller captures the mouse).
    BOOL BeginDrag();
    // A move while sizing: the size follows the point, never below 0.
    void DragTo(CPoint point);
    // The release: TRUE when it ended sizing.
    BOOL EndDrag();

    Zone GetZone() const;
    BOOL IsCapturing() const;

private:
    CGRCtrlCore* m_pCtrl;
    int m_bCapturing = 0;
    Zone m_nZone = kNoZone;
};
