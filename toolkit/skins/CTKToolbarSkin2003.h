#pragma once
// Classes in this file: CTKToolbarSkin2003, the toolbar part skin of the
// "Office 2003" look: the XP look with the 2003 skin's gradients.

#include "CTKToolbarSkinXP.h"

class CTKSkin2003;

class CTKToolbarSkin2003 : public CTKToolbarSkinXP {
public:
    explicit CTKToolbarSkin2003(CTKSkin2003* pSkin);
};
