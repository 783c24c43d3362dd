#pragma once
// Classes in this file: CTKFrameSkinXP, the frame of the "Office XP" look:
// a flat one-pixel border in the skin's border colour.

#include "CTKFrameSkin.h"

class CTKSkinXP;

class CTKFrameSkinXP : public CTKFrameSkin {
public:
    explicit CTKFrameSkinXP(CTKSkinXP* pSkin);

    void DrawBorder(CWnd* pWnd) override;
    void AdjustBorderRect(RECT* pRect, CWnd* pWnd) override;
    COLORREF GetFaceColor() override;
    COLORREF GetEdgeColor() override;

protected:
    CTKSkinXP* m_pSkin;
};
