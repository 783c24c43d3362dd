#pragma once
// Classes in this file: CTKDockbarSkin2003, the docking bars of the
// "Office 2003" look: a thick gradient caption with dotted grippers, dock
// bars in the menu bar's band, splitters in the dock-bar colours.

#include "CTKDockbarSkinXP.h"

class CTKSkin2003;

class CTKDockbarSkin2003 : public CTKDockbarSkinXP {
public:
    explicit CTKDockbarSkin2003(CTKSkin2003* pSkin);

    void DrawCaption(CDC* pDC, CTKSizeControlBar* pBar) override;
    void DrawBackground(CDC* pDC, LPCRECT lpRect, CTKSizeControlBar* pBar) override;
    void FillDockBar(CDC* pDC, CTKSizeDockBar* pDockBar) override;
    void CalcClientRect(CTKSizeControlBar* pBar, LPRECT lpRect) override;
    void LayoutCaption(CTKSizeControlBar* pBar) override;

protected:
    COLORREF GetButtonBackground(CTKSizeControlBar* pBar, BOOL& bInverted) const override;
    COLORREF GetSplitterColor() const override;
    COLORREF GetSplitterLineColor() const override;
    void FillDockBarNonClient(CDC* pDC, const CRect& rectWindow, CTKSizeDockBar* pDockBar) override;

private:
    // The caption less the caption buttons, for the title.
    static CRect TitleSpace(CTKSizeControlBar* pBar, int nSpacing);

    CTKSkin2003* m_pSkin2003;
};
