#pragma once
// Classes in this file: CTKSizeDockBar, the dock bar that lays out sizable
// bars in rows along a frame's edge. Stand-in: the framework's dock bar
// under the toolkit's name, with the query the docking-bar skins ask; no
// window of it is made yet, the frame's fixed docking places the bars.

#include "afxwin.h"

class CTKSizeControlBar;

class CTKSizeDockBar : public CDockBar {
    DECLARE_DYNAMIC(CTKSizeDockBar)
public:
    CTKSizeDockBar() = default;

    // The first docked sizable bar other than pBar, or null.
    CTKSizeControlBar* GetOtherSizeBar(CControlBar* pBar) const;
};
