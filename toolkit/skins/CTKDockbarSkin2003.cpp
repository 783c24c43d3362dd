#include "CTKDockbarSkin2003.h"

#include "CTKSizeControlBar.h"
#include "CTKSizeDockBar.h"
#include "CTKSkin2003.h"
#include "CTKToolbarSkin2003.h"
#include "CTKWindowGeometry.h"

#include <algorithm>

namespace {

const int kCaptionThickness = 24;
// The close button within the caption-thick square at the caption's start.
const CRect kButtonInset(7, 7, 6, 6);
const int kButtonGap = 3;
const int kLeftToRight = 0;
const int kTopToBottom = 1;

}  // namespace

CTKDockbarSkin2003::CTKDockbarSkin2003(CTKSkin2003* pSkin) : CTKDockbarSkinXP(pSkin), m_pSkin2003(pSkin)
{
}

// --- geometry -------------------------------------------------------------

void CTKDockbarSkin2003::CalcClientRect(CTKSizeControlBar* pBar, LPRECT lpRect)
{
    InsetClientRect(pBar, lpRect, kCaptionThickness);
}

void CTKDockbarSkin2003::LayoutCaption(CTKSizeControlBar* pBar)
{
    pBar->m_rectCloseButton.SetRectEmpty();
    pBar->m_rectExpandButton.SetRectEmpty();
    CRect rectCaption = CTKWindowGeometry::WindowRect(pBar);
    if (!HasCaption(pBar)) {
        rectCaption.DeflateRect(5, 5);
        pBar->m_rectCaption = rectCaption;
        return;
    }
    const BOOL bVertical = IsVerticalStrip(pBar);
    if (bVertical)
        rectCaption = CRect(rectCaption.left + 2, rectCaption.top, rectCaption.left + 2 + kCaptionThickness,
                            rectCaption.bottom);
    else
        rectCaption = CRect(rectCaption.left, rectCaption.top + 2, rectCaption.right,
                            rectCaption.top + 2 + kCaptionThickness);
    pBar->m_rectCaption = rectCaption;

    CRect rectButton = ButtonSquare(rectCaption, bVertical, kCaptionThickness, 0);
    rectButton.DeflateRect(kButtonInset.left, kButtonInset.top, kButtonInset.right, kButtonInset.bottom);
    const DWORD dwStyle = pBar->GetSizeBarStyle();
    int nOffset = 0;
    if (!(dwStyle & TKSBS_NOCLOSEBUTTON)) {
        pBar->m_rectCloseButton = rectButton;
        nOffset = kButtonGap + rectButton.Width();
    }
    if (!(dwStyle & TKSBS_NOEXPANDBUTTON)) {
        pBar->m_rectExpandButton = rectButton;
        pBar->m_rectExpandButton.OffsetRect(bVertical ? 0 : -nOffset, bVertical ? nOffset : 0);
    }
}

// --- drawing ----------------------------------------------------------------

CRect CTKDockbarSkin2003::TitleSpace(CTKSizeControlBar* pBar, int nSpacing)
{
    CRect rect = pBar->m_rectCaption;
    for (const CRect* pButton : {&pBar->m_rectCloseButton, &pBar->m_rectExpandButton}) {
        if (pButton->IsRectEmpty())
            continue;
        if (IsVerticalStrip(pBar))
            rect.top = std::max(rect.top, pButton->bottom + nSpacing);
        else
            rect.right = std::min(rect.right, pButton->left - nSpacing);
    }
    return rect;
}

void CTKDockbarSkin2003::DrawCaption(CDC* pDC, CTKSizeControlBar* pBar)
{
    if (!HasCaption(pBar))
        return;
    const BOOL bVertical = IsVerticalStrip(pBar);
    const CRect& rectCaption = pBar->m_rectCaption;
    m_pSkin2003->GradientFillRect(pDC, rectCaption, m_pSkin2003->GetCaptionLightColor(),
                                  m_pSkin2003->GetCaptionDarkColor(), bVertical ? kLeftToRight : kTopToBottom);
    CRect rectGripper = rectCaption;
    if (bVertical)
        rectGripper.DeflateRect(5, 5);
    else
        rectGripper.DeflateRect(6, 3);
    m_pSkin2003->DrawGripperDots(pDC, rectGripper, bVertical);
    DrawTitle(pDC, pBar, TitleSpace(pBar, m_nButtonSpacing), m_fontCaption,
              SysColor(IsSolidCaption(pBar) ? COLOR_CAPTIONTEXT : COLOR_WINDOWTEXT));
}

void CTKDockbarSkin2003::DrawBackground(CDC* pDC, LPCRECT lpRect, CTKSizeControlBar*)
{
    pDC->FillSolidRect(lpRect, m_pSkin2003->GetDockbarBackgroundColor());
}

COLORREF CTKDockbarSkin2003::GetButtonBackground(CTKSizeControlBar*, BOOL& bInverted) const
{
    bInverted = FALSE;
    return SysColor(COLOR_BTNFACE);
}

COLORREF CTKDockbarSkin2003::GetSplitterColor() const
{
    return m_pSkin2003->GetDockbarBackgroundColor();
}

COLORREF CTKDockbarSkin2003::GetSplitterLineColor() const
{
    return m_pSkin2003->GetDockbarSeparatorColor();
}

// The dock bars continue the band of the frame's menu bar and toolbars.
void CTKDockbarSkin2003::FillDockBar(CDC* pDC, CTKSizeDockBar* pDockBar)
{
    CRect rectClient;
    pDockBar->GetClientRect(&rectClient);
    const int xWindowInClient = -CTKWindowGeometry::ClientRectInWindow(pDockBar).left;
    CTKToolbarSkin2003::FillFrameBand(m_pSkin2003, pDC, rectClient, pDockBar, xWindowInClient);
}

// A dock bar that holds a sizable bar shows the dock-bar colour around it;
// one of toolbars only continues the menu bar's band.
void CTKDockbarSkin2003::FillDockBarNonClient(CDC* pDC, const CRect& rectWindow, CTKSizeDockBar* pDockBar)
{
    if (pDockBar->GetOtherSizeBar(nullptr) != nullptr)
        pDC->FillSolidRect(&rectWindow, m_pSkin2003->GetDockbarBackgroundColor());
    else
        CTKToolbarSkin2003::FillFrameBand(m_pSkin2003, pDC, rectWindow, pDockBar, 0);
}
