#pragma once
// Classes in this file: CTKStatusbarSkin, the part skin that paints a
// status bar's panes, pane frames and gripper.

class CDC;
class CTKStatusBar;

class CTKStatusbarSkin {
public:
    virtual ~CTKStatusbarSkin() = default;

    // The whole paint of the bar, on its own paint context.
    virtual void DrawStatusBar(CTKStatusBar* pBar) = 0;
    virtual void DrawPanes(CDC* pDC, CTKStatusBar* pBar) = 0;
    virtual void DrawPaneFrames(CDC* pDC, CTKStatusBar* pBar) = 0;
    virtual void DrawGripper(CDC* pDC, CTKStatusBar* pBar) = 0;
    // The width the gripper this skin draws takes at the bar's right end;
    // 0 where the control draws its own (it keeps its panes off it).
    virtual int GetGripperWidth(CTKStatusBar* pBar) = 0;
};
