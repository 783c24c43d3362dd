#pragma once
// Classes in this file: CTKStatusbarSkin2003, the status bar of the
// "Office 2003" look: a gradient band, etched separators between the panes
// and a gripper of dots.

#include "CTKStatusbarSkinXP.h"

class CTKSkin2003;

class CTKStatusbarSkin2003 : public CTKStatusbarSkinXP {
public:
    explicit CTKStatusbarSkin2003(CTKSkin2003* pSkin);

protected:
    void FillBackground(CDC* pDC, const CRect& rect) override;
    void DrawPaneFrame(CDC* pDC, const CRect& rectPane) override;
    void DrawGripperSquare(CDC* pDC, const CRect& rectSquare) override;

private:
    CTKSkin2003* m_pSkin2003;
};
