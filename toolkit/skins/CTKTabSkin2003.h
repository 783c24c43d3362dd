#pragma once
// Classes in this file: CTKTabSkin2003, the tab part skin of the
// "Office 2003" look: the XP tabs with the 2003 skin's gradients.

#include "CTKTabSkinXP.h"

class CTKSkin2003;

class CTKTabSkin2003 : public CTKTabSkinXP {
public:
    explicit CTKTabSkin2003(CTKSkin2003* pSkin);

    void FillTabArea(CDC* pDC, CRect* pRect, CTabCtrl* pTabCtrl) override;

protected:
    void FillTabStrip(CDC* pDC, const CRect& rect, BOOL bBottom) override;
    COLORREF FillItem(CDC* pDC, const CRect& rect, BOOL bSelected, BOOL bBottom) override;
    void DrawTabSeparator(CDC* pDC, const CRect& rectItem) override;
    void FillSpinBackground(CDC* pDC, const CRect& rect, CSpinButtonCtrl* pSpinCtrl) override;

private:
    CTKSkin2003* m_pSkin2003;
};
