#pragma once
// Classes in this file: CTKToolbarSkin2003, the toolbar part skin of the
// "Office 2003" look: the XP bar with gradients, dotted grippers and the
// menu-bar band that runs across the whole frame.

#include "CTKToolbarSkinXP.h"

class CTKSkin2003;

class CTKToolbarSkin2003 : public CTKToolbarSkinXP {
public:
    explicit CTKToolbarSkin2003(CTKSkin2003* pSkin);

    void DrawGripper(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawNonClientArea(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawSeparator(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawBackground(CDC* pDC, CTKCoolToolBar* pBar) override;
    void FillBackgroundRect(CDC* pDC, CRect* pRect) override;

    // The band behind the frame's docked bars over the rows of rect: from x0
    // (the frame's left edge in the DC's coordinates) a gradient from the dark
    // to the light menu-bar colour up to the middle of nWidth, light after it.
    static void FillMenuBarBand(CTKSkin2003* pSkin, CDC* pDC, const CRect& rect, int x0, int nWidth);
    // The band as pWnd, a window docked in a frame, shows it: laid out from
    // the frame's left edge over at least the screen's width; xWindowInDC is
    // where pWnd's window begins in the DC.
    static void FillFrameBand(CTKSkin2003* pSkin, CDC* pDC, const CRect& rect, CWnd* pWnd, int xWindowInDC);

protected:
    void FillButtonBox(CDC* pDC, const CRect& rect, ButtonLook look) override;
    COLORREF GetDisabledTextColor() override;
    void FillControlSurround(CDC* pDC, const CRect& rect, const CPoint& ptOrigin, CWnd* pControl) override;

private:
    // The band as the bar shows it: x0 from the frame's left edge.
    void FillBarBand(CDC* pDC, const CRect& rect, int xBarInWindow, CTKCoolToolBar* pBar);

    CTKSkin2003* m_pSkin2003;
};
