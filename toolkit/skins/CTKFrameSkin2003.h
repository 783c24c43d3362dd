#pragma once
// Classes in this file: CTKFrameSkin2003, the frame of the "Office 2003"
// look: the XP border, with the docking bars' background as its face and
// the skin's border colour as its edge.

#include "CTKFrameSkinXP.h"

class CTKSkin2003;

class CTKFrameSkin2003 : public CTKFrameSkinXP {
public:
    explicit CTKFrameSkin2003(CTKSkin2003* pSkin);

    COLORREF GetFaceColor() override;
    COLORREF GetEdgeColor() override;
};
