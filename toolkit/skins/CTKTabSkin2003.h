#pragma once
// Classes in this file: CTKTabSkin2003, the tab part skin of the
// "Office 2003" look: the XP look with the 2003 skin's gradients.

#include "CTKTabSkinXP.h"

class CTKSkin2003;

class CTKTabSkin2003 : public CTKTabSkinXP {
public:
    explicit CTKTabSkin2003(CTKSkin2003* pSkin);
};
