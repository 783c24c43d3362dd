#pragma once
// Classes in this file: CTKSkinXP, the "Office XP" skin: a flat look with
// tinted bars and highlight boxes. It is also the colour scheme its part
// skins draw with.

#include "CTKSkin.h"

class CTKSkinXP : public virtual CTKSkin {
public:
    CTKSkinXP();

    int GetType() const override;

protected:
    // For a derived skin that makes part skins of its own: makes none.
    struct NoPartSkins {};
    explicit CTKSkinXP(NoPartSkins);
};
