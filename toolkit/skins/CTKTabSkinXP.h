#pragma once
// Classes in this file: CTKTabSkinXP, the tab part skin of the "Office XP"
// look: flat tabs with light faces and 1-pixel borders, flat scroll arrows,
// drawn with the colours of the skin that made it.

#include "CTKTabSkin.h"

class CTKSkinXP;

class CTKTabSkinXP : public CTKTabSkin {
public:
    explicit CTKTabSkinXP(CTKSkinXP* pSkin);

    void DrawTabCtrl(CTabCtrl* pTabCtrl) override;
    void DrawSpinCtrl(CSpinButtonCtrl* pSpinCtrl) override;
    void DrawWorkspaceBorder(CDC* pDC, CRect* pRect, CWnd* pWnd) override;
    void DrawClientEdge(CWnd* pMDIClient) override;
    void AdjustClientRect(CRect* pRect, CTabCtrl* pTabCtrl) override;

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDis, CTabCtrl* pTabCtrl);
    virtual void FillTabArea(CDC* pDC, CRect* pRect, CTabCtrl* pTabCtrl);
    virtual void DrawItemBorder(LPDRAWITEMSTRUCT lpDis, CTabCtrl* pTabCtrl);

    // The whole tab control, as its paint shows it, into pDC.
    void PaintTabCtrl(CDC* pDC, CTabCtrl* pTabCtrl);
    // The scroll arrows, as their paint shows them, into pDC.
    void PaintSpinCtrl(CDC* pDC, CSpinButtonCtrl* pSpinCtrl);

protected:
    // The strip beside a single row of tabs.
    virtual void FillTabStrip(CDC* pDC, const CRect& rect, BOOL bBottom);
    // The face of one tab; returns its text colour.
    virtual COLORREF FillItem(CDC* pDC, const CRect& rect, BOOL bSelected, BOOL bBottom);
    // The line between two unselected tabs.
    virtual void DrawTabSeparator(CDC* pDC, const CRect& rectItem);
    // Behind the scroll arrows: rect in the spin control's client coordinates.
    virtual void FillSpinBackground(CDC* pDC, const CRect& rect, CSpinButtonCtrl* pSpinCtrl);

    CTKSkinXP* m_pSkin;
    CPen m_penShadow;
    CFont m_fontTab;
    CBrush m_brushArrow;
    CPen m_penArrow;

private:
    void DrawItemTexts(CDC* pDC, LPDRAWITEMSTRUCT lpDis, CTabCtrl* pTabCtrl, COLORREF clrText);
    void DrawArrows(CDC* pDC, CSpinButtonCtrl* pSpinCtrl, const CRect& rectClient);
};
