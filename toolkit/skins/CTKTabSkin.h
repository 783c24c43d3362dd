#pragma once
// Classes in this file: CTKTabSkin, the part skin that paints the skinned tab controls, their spin child and the MDI tab workspace's border.

class CTKTabSkin {
public:
    virtual ~CTKTabSkin() = default;
};
