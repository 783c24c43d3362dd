#pragma once
// Classes in this file: CTKMiniFrameSkin, the part skin that draws the caption, border and close button of a floating frame of sizable bars.

class CTKMiniFrameSkin {
public:
    virtual ~CTKMiniFrameSkin() = default;
};
