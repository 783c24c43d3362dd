#pragma once
// Classes in this file: CTKFrameSkinClassic, the frame of the "Classic"
// look: no border of its own, the system's 3-D face and shadow.

#include "CTKFrameSkin.h"

class CTKFrameSkinClassic : public CTKFrameSkin {
public:
    void DrawBorder(CWnd* pWnd) override;
    void AdjustBorderRect(RECT* pRect, CWnd* pWnd) override;
    COLORREF GetFaceColor() override;
    COLORREF GetEdgeColor() override;
};
