#pragma once
// Classes in this file: CTKDockbarSkin, the part skin that draws what a sizable control bar and its dock bar show outside their contents.

class CTKDockbarSkin {
public:
    virtual ~CTKDockbarSkin() = default;
};
