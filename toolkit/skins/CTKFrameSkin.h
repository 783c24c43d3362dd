#pragma once
// Classes in this file: CTKFrameSkin, the part skin that gives a window a flat border and its face and edge colours.

class CTKFrameSkin {
public:
    virtual ~CTKFrameSkin() = default;
};
