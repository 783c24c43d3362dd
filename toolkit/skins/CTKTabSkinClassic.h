#pragma once
// Classes in this file: CTKTabSkinClassic, the tab part skin of the classic
// look: the controls draw themselves; under visual styles the texts of
// vertical tabs are drawn again, turned, in the menu font.

#include "CTKTabSkin.h"

class CTKTabSkinClassic : public CTKTabSkin {
public:
    void DrawTabCtrl(CTabCtrl* pTabCtrl) override;
    void DrawSpinCtrl(CSpinButtonCtrl* pSpinCtrl) override;
    void DrawWorkspaceBorder(CDC* pDC, CRect* pRect, CWnd* pWnd) override;
    void DrawClientEdge(CWnd* pMDIClient) override;
    void AdjustClientRect(CRect* pRect, CTabCtrl* pTabCtrl) override;

    // The turned texts of a vertical tab control, drawn into pDC.
    static void DrawVerticalTexts(CDC* pDC, CTabCtrl* pTabCtrl);
};
