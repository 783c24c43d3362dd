#pragma once
// Classes in this file: CTKSizeDockBar, the dock bar that lays out sizable
// bars in rows along a frame's edge. Stand-in: a type for the menu-bar
// frame's template argument; no window of it is made, the frame's fixed
// docking places the bars.

#include "afxwin.h"

class CTKSizeDockBar : public CControlBar {
    DECLARE_DYNAMIC(CTKSizeDockBar)
public:
    CTKSizeDockBar() = default;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
};
