#pragma once
// Classes in this file: CTKTabSkinXP, the tab part skin of the
// "Office XP" look, drawing with the colours of the skin that made it.

#include "CTKTabSkin.h"

class CTKSkinXP;

class CTKTabSkinXP : public CTKTabSkin {
public:
    explicit CTKTabSkinXP(CTKSkinXP* pSkin);

protected:
    CTKSkinXP* m_pSkin;
};
