#pragma once
// Classes in this file: CTKMenuSkin2003, the menu part skin of the "Office
// 2003" look: the XP menus with gradient gutters, and the menu-bar button
// painted again under its dropped menu.

#include "CTKMenuSkinXP.h"

class CTKSkin2003;

class CTKMenuSkin2003 : public CTKMenuSkinXP {
public:
    explicit CTKMenuSkin2003(CTKSkin2003* pSkin);

    void DrawImage(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectImage,
                   CTKBitmapMenu* pMenu) override;
    void DrawPopupGutter(CDC* pDC, const CRect& rect) override;
    void DrawJoinStrip(CDC* pDC, const CRect& rect) override;
    void FillGutter(HDC hDC, const CRect& rect) override;

protected:
    void FillItemGutter(CDC* pDC, const CRect& rectItem, BOOL bHidden, CTKBitmapMenu* pMenu) override;
    void PaintJoinButton(CDC* pDC, CTKShadowedItemWnd* pWnd) override;
    COLORREF GetJoinBorderColor() const override;

private:
    CTKSkin2003* m_pSkin2003;
};
