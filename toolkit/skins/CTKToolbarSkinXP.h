#pragma once
// Classes in this file: CTKToolbarSkinXP, the toolbar part skin of the
// "Office XP" look, drawing with the colours of the skin that made it.

#include "CTKToolbarSkin.h"

class CTKSkinXP;

class CTKToolbarSkinXP : public CTKToolbarSkin {
public:
    explicit CTKToolbarSkinXP(CTKSkinXP* pSkin);

protected:
    CTKSkinXP* m_pSkin;
};
