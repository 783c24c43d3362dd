#pragma once
// Classes in this file: CTKTabSkin, the part skin that paints the skinned tab
// controls, their scroll arrows, the MDI tab workspace's border and the MDI
// client's edge beside it.

#include "afxwin.h"

class CTKTabSkin {
public:
    virtual ~CTKTabSkin() = default;

    // From the tab control's WM_PAINT: validates and paints the whole control.
    virtual void DrawTabCtrl(CTabCtrl* pTabCtrl) = 0;
    // From the scroll arrows' WM_PAINT.
    virtual void DrawSpinCtrl(CSpinButtonCtrl* pSpinCtrl) = 0;
    virtual void DrawWorkspaceBorder(CDC* pDC, CRect* pRect, CWnd* pWnd) = 0;
    // The MDI client's non-client paint.
    virtual void DrawClientEdge(CWnd* pMDIClient) = 0;
    // Widens rect over the tab control's own border where that border is thin.
    virtual void AdjustClientRect(CRect* pRect, CTabCtrl* pTabCtrl) = 0;
};
