#pragma once
// Classes in this file: CTKSkinClassic, the "Classic" skin: the system's own
// 3-D look in every part.

#include "CTKSkin.h"

class CTKSkinClassic : public CTKSkin {
public:
    CTKSkinClassic();

    int GetType() const override;
};
