#pragma once
// Classes in this file: CTKToolbarSkinClassic, the toolbar part skin of the
// classic look: the control draws its buttons, the skin only tints them with
// the bar's colour options and draws 3-D grippers and separators.

#include "CTKToolbarSkin.h"

class CTKToolbarSkinClassic : public CTKToolbarSkin {
public:
    void DrawGripper(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawNonClientArea(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawSeparator(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawSelectionFrame(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult, CTKCoolToolBar* pBar) override;
    void OnPaintComboBox(CComboBox* pComboBox) override;
    void DrawComboBox(CComboBox* pComboBox) override;
    void DrawControlFrame(CWnd* pWnd) override;
    void DrawMDIButtons(CDC* pDC, CTKMenuBar* pMenuBar) override;
    BOOL UseDefaultBackground() override;

private:
    static LRESULT OnPrePaint(NMTBCUSTOMDRAW* pDraw, CTKCoolToolBar* pBar);
    static LRESULT OnItemPrePaint(NMTBCUSTOMDRAW* pDraw, CTKCoolToolBar* pBar);
    static void OnItemPostPaint(NMTBCUSTOMDRAW* pDraw, CTKCoolToolBar* pBar);
};
