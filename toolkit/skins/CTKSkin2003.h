#pragma once
// Classes in this file: CTKSkin2003, the "Office 2003" skin: the XP look
// with gradients and, under visual styles, colours of the current theme.

#include "CTKSkinXP.h"

class CTKSkin2003 : public CTKSkinXP {
public:
    CTKSkin2003();
};
