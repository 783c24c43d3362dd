#pragma once
// Classes in this file: CTKStatusbarSkinClassic, the status bar of the
// "Classic" look: the common control paints itself.

#include "CTKStatusbarSkin.h"

class CTKStatusbarSkinClassic : public CTKStatusbarSkin {
public:
    void DrawStatusBar(CTKStatusBar* pBar) override;
    void DrawPanes(CDC* pDC, CTKStatusBar* pBar) override;
    void DrawPaneFrames(CDC* pDC, CTKStatusBar* pBar) override;
    void DrawGripper(CDC* pDC, CTKStatusBar* pBar) override;
    int GetGripperWidth(CTKStatusBar*) override { return 0; }
};
