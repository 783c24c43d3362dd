#pragma once
// Classes in this file: CTKStatusbarSkin, the part skin that paints a status bar's panes, pane frames and gripper.

class CTKStatusbarSkin {
public:
    virtual ~CTKStatusbarSkin() = default;
};
