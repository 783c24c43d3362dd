#include "CTKTabSkin2003.h"

#include "CTKSkin2003.h"
#include "CTKToolbarSkin2003.h"

#include <algorithm>

namespace {

const int kTopToBottom = 1;

}  // namespace

CTKTabSkin2003::CTKTabSkin2003(CTKSkin2003* pSkin) : CTKTabSkinXP(pSkin), m_pSkin2003(pSkin)
{
}

// The dock bars' band: the tab area continues the frame's bars behind it.
void CTKTabSkin2003::FillTabArea(CDC* pDC, CRect* pRect, CTabCtrl*)
{
    const int nWidth = std::max(::GetSystemMetrics(SM_CXSCREEN), pRect->Width());
    CTKToolbarSkin2003::FillMenuBarBand(m_pSkin2003, pDC, *pRect, pRect->left, nWidth);
}

// Tabs on top run from the dark toolbar colour down to the light one; tabs
// at the bottom the other way, so the light side always faces the tabs.
void CTKTabSkin2003::FillTabStrip(CDC* pDC, const CRect& rect, BOOL bBottom)
{
    const COLORREF clrDark = m_pSkin2003->GetToolbarDarkColor();
    const COLORREF clrLight = m_pSkin2003->GetToolbarLightColor();
    m_pSkin2003->GradientFillRect(pDC, rect, bBottom ? clrLight : clrDark, bBottom ? clrDark : clrLight,
                                  kTopToBottom);
}

COLORREF CTKTabSkin2003::FillItem(CDC* pDC, const CRect& rect, BOOL bSelected, BOOL bBottom)
{
    if (!bSelected) {
        FillTabStrip(pDC, rect, bBottom);
        return m_pSkin2003->GetInactiveTabTextColor();
    }
    const COLORREF clrCaption = m_pSkin2003->GetCaptionLightColor();
    const COLORREF clrBack = m_pSkin2003->GetDockbarBackgroundColor();
    m_pSkin2003->GradientFillRect(pDC, rect, bBottom ? clrBack : clrCaption, bBottom ? clrCaption : clrBack,
                                  kTopToBottom);
    return CTKSkinXP::SysColor(COLOR_BTNTEXT);
}

void CTKTabSkin2003::DrawTabSeparator(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(rect.right - 1, rect.top + 3, 1, rect.Height() - 6, m_pSkin2003->GetBorderColor());
}

// The strip's gradient over the whole tab control, taken at the arrows'
// place, so that they continue the strip.
void CTKTabSkin2003::FillSpinBackground(CDC* pDC, const CRect& rect, CSpinButtonCtrl* pSpinCtrl)
{
    CWnd* pParent = pSpinCtrl->GetParent();
    if (pParent == nullptr) {
        FillTabStrip(pDC, rect, FALSE);
        return;
    }
    CRect rectParent;
    pParent->GetClientRect(&rectParent);
    pParent->ClientToScreen(&rectParent);
    pSpinCtrl->ScreenToClient(&rectParent);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rect);
    FillTabStrip(pDC, rectParent, (pParent->GetStyle() & TCS_BOTTOM) != 0);
    pDC->RestoreDC(nSaved);
}
