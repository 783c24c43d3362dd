#pragma once
// Classes in this file: CTKToolbarSkin, the part skin that draws a cool toolbar and the menu bar: gripper, borders, separators, buttons.

class CTKToolbarSkin {
public:
    virtual ~CTKToolbarSkin() = default;
};
