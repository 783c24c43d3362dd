#include "CTKToolbarSkin2003.h"

#include "CTKMenuBar.h"
#include "CTKSkin2003.h"

#include <algorithm>

namespace {

const int kLeftToRight = 0;
const int kTopToBottom = 1;
const COLORREF kSeparatorLight = RGB(255, 255, 255);

}  // namespace

CTKToolbarSkin2003::CTKToolbarSkin2003(CTKSkin2003* pSkin) : CTKToolbarSkinXP(pSkin), m_pSkin2003(pSkin)
{
}

void CTKToolbarSkin2003::DrawGripper(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar)
{
    if (pBar->GetBarStyle() & CBRS_FLOATING)
        return;
    static const CGripperShape kShape = {CRect(2, 6, 2, 5), CPoint(1, 0), CRect(3, 4, 7, 4), CPoint(0, 1), 2};
    m_pSkin2003->DrawGripperDots(pDC, PlaceGripper(*pRect, pBar, kShape), IsHorizontalBar(pBar));
}

void CTKToolbarSkin2003::FillMenuBarBand(CTKSkin2003* pSkin, CDC* pDC, const CRect& rect, int x0, int nWidth)
{
    const int xMiddle = (nWidth + 2 * x0) / 2;
    pSkin->GradientFillRect(pDC, CRect(x0, rect.top, xMiddle, rect.bottom), pSkin->GetMenuBarDarkColor(),
                            pSkin->GetMenuBarLightColor(), kLeftToRight);
    pDC->FillSolidRect(CRect(xMiddle, rect.top, x0 + nWidth, rect.bottom), pSkin->GetMenuBarLightColor());
}

// Every bar of a frame starts its band at the frame's left edge and runs it
// at least a screen wide, so bars side by side continue one band.
void CTKToolbarSkin2003::FillFrameBand(CTKSkin2003* pSkin, CDC* pDC, const CRect& rect, CWnd* pWnd,
                                       int xWindowInDC)
{
    CRect rectWindow;
    pWnd->GetWindowRect(&rectWindow);
    CRect rectFrame = rectWindow;
    if (CWnd* pFrame = pWnd->GetParentFrame())
        pFrame->GetWindowRect(&rectFrame);
    const int nWidth = std::max(::GetSystemMetrics(SM_CXSCREEN), rectFrame.Width());
    FillMenuBarBand(pSkin, pDC, rect, rectFrame.left - rectWindow.left + xWindowInDC, nWidth);
}

void CTKToolbarSkin2003::FillBarBand(CDC* pDC, const CRect& rect, int xBarInWindow, CTKCoolToolBar* pBar)
{
    FillFrameBand(m_pSkin2003, pDC, rect, pBar, xBarInWindow - 2);
}

void CTKToolbarSkin2003::DrawNonClientArea(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar)
{
    const CRect rect = *pRect;
    if (pBar->IsFloating())
        pDC->FillSolidRect(&rect, m_pSkin2003->GetDockbarBackgroundColor());
    else
        FillBarBand(pDC, rect, 0, pBar);
    if (dynamic_cast<CTKMenuBar*>(pBar) != nullptr)
        return;
    // The bar's own gradient inside, with the band's pixels kept in its
    // corners so that they look round.
    CRect rectInner = rect;
    rectInner.DeflateRect(2, 2);
    const POINT corners[] = {{rectInner.left, rectInner.top},
                             {rectInner.right - 1, rectInner.top},
                             {rectInner.left, rectInner.bottom - 1},
                             {rectInner.right - 1, rectInner.bottom - 1}};
    COLORREF saved[4] = {};
    for (int i = 0; i < 4; ++i)
        saved[i] = pDC->GetPixel(corners[i].x, corners[i].y);
    const int nDirection = IsHorizontalBar(pBar) ? kTopToBottom : kLeftToRight;
    const COLORREF clrLight = m_pSkin2003->GetToolbarLightColor();
    const COLORREF clrDark = m_pSkin2003->GetToolbarDarkColor();
    m_pSkin2003->GradientFillRect(pDC, rectInner, clrLight, clrDark, nDirection);
    for (int i = 0; i < 4; ++i)
        pDC->SetPixel(corners[i].x, corners[i].y, saved[i]);
}

void CTKToolbarSkin2003::DrawSeparator(CDC* pDC, CRect* pRect, CTKCoolToolBar*)
{
    const CRect& r = *pRect;
    const COLORREF clr = m_pSkin2003->GetSeparatorColor();
    if (r.Width() >= r.Height()) {
        const int y = (r.top + r.bottom) / 2 - 1;
        pDC->FillSolidRect(r.left + 4, y, r.Width() - 8, 1, clr);
        pDC->FillSolidRect(r.left + 5, y + 1, r.Width() - 8, 1, kSeparatorLight);
    } else {
        const int x = (r.left + r.right) / 2 - 1;
        pDC->FillSolidRect(x, r.top + 4, 1, r.Height() - 8, clr);
        pDC->FillSolidRect(x + 1, r.top + 5, 1, r.Height() - 8, kSeparatorLight);
    }
}

void CTKToolbarSkin2003::DrawBackground(CDC* pDC, CTKCoolToolBar* pBar)
{
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    CRect rectWindow;
    pBar->GetWindowRect(&rectWindow);
    pBar->ScreenToClient(&rectWindow);
    if (dynamic_cast<CTKMenuBar*>(pBar) != nullptr) {
        FillBarBand(pDC, rectClient, rectWindow.left, pBar);
        return;
    }
    const int nDirection = IsHorizontalBar(pBar) ? kTopToBottom : kLeftToRight;
    m_pSkin2003->GradientFillRect(pDC, rectWindow, m_pSkin2003->GetToolbarLightColor(),
                                  m_pSkin2003->GetToolbarDarkColor(), nDirection);
}

void CTKToolbarSkin2003::FillBackgroundRect(CDC*, CRect*)
{
}

void CTKToolbarSkin2003::FillButtonBox(CDC* pDC, const CRect& rect, ButtonLook look)
{
    COLORREF clrFrom = m_pSkin2003->GetHotButtonLightColor();
    COLORREF clrTo = m_pSkin2003->GetHotButtonDarkColor();
    if (look == lookPressedHot) {
        clrFrom = m_pSkin2003->GetPressedButtonDarkColor();
        clrTo = m_pSkin2003->GetPressedButtonLightColor();
    } else if (look == lookChecked) {
        clrFrom = m_pSkin2003->GetCheckedButtonLightColor();
        clrTo = m_pSkin2003->GetCheckedButtonDarkColor();
    }
    m_pSkin2003->GradientFillRect(pDC, rect, clrFrom, clrTo, kTopToBottom);
}

COLORREF CTKToolbarSkin2003::GetDisabledTextColor()
{
    return m_pSkin2003->GetDisabledTextColor();
}

// The bar's own gradient, laid over the whole hosting toolbar, so that it
// runs on behind the control without a seam.
void CTKToolbarSkin2003::FillControlSurround(CDC* pDC, const CRect& rect, const CPoint& ptOrigin, CWnd* pControl)
{
    CWnd* pParent = pControl->GetParent();
    CRect rectBar = rect;
    int nDirection = kTopToBottom;
    if (pParent != nullptr) {
        pParent->GetWindowRect(&rectBar);
        rectBar.OffsetRect(-ptOrigin.x, -ptOrigin.y);
        auto* pBar = dynamic_cast<CTKCoolToolBar*>(pParent);
        if (pBar != nullptr && !IsHorizontalBar(pBar))
            nDirection = kLeftToRight;
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rect);
    m_pSkin2003->GradientFillRect(pDC, rectBar, m_pSkin2003->GetToolbarLightColor(),
                                  m_pSkin2003->GetToolbarDarkColor(), nDirection);
    pDC->RestoreDC(nSaved);
}
