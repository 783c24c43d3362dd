#include "CTKDockbarSkinXP.h"

#include "CTKSizeControlBar.h"
#include "CTKSizeDockBar.h"
#include "CTKSkinXP.h"
#include "CTKSplitterRect.h"
#include "CScopedSaveDC.h"
#include "CTKWindowGeometry.h"

#include <algorithm>

namespace {

// A splitter's far end is cut here: the 95 family fills no wider.
const int kFarthestSplitterEnd = 8000;

}  // namespace

CTKDockbarSkinXP::CTKDockbarSkinXP(CTKSkinXP* pSkin) : CTKDockbarSkinClassic(3), m_pSkin(pSkin)
{
    m_fontCaption.CreatePointFont(85, "Tahoma BOLD");
}

// --- caption ----------------------------------------------------------------

void CTKDockbarSkinXP::DrawCaption(CDC* pDC, CTKSizeControlBar* pBar)
{
    if (!HasCaption(pBar))
        return;
    const BOOL bVertical = IsVerticalStrip(pBar);
    CRect rectCaption = pBar->m_rectCaption;
    if (IsSolidCaption(pBar)) {
        CRect rectFill;
        rectFill.UnionRect(rectCaption, pBar->m_rectCloseButton);
        rectFill.UnionRect(CRect(rectFill), pBar->m_rectExpandButton);
        rectFill.InflateRect(3, 3);
        rectFill.DeflateRect(bVertical ? 2 : 1, 2, 1, 1);
        pDC->FillSolidRect(&rectFill, SysColor(COLOR_INACTIVECAPTION));
        DrawTitle(pDC, pBar, rectCaption, m_fontCaption, SysColor(COLOR_CAPTIONTEXT));
        return;
    }
    if (bVertical)
        rectCaption.DeflateRect(2, 0);
    else
        rectCaption.DeflateRect(4, 2);
    const int nUsed = DrawTitle(pDC, pBar, rectCaption, m_fontCaption, SysColor(COLOR_WINDOWTEXT));
    DrawGripperLines(pDC, GripperSpace(rectCaption, bVertical, nUsed), bVertical);
}

// Four lines of one pixel, 2 pixels apart.
void CTKDockbarSkinXP::DrawGripperLines(CDC* pDC, const CRect& rectSpace, BOOL bVertical)
{
    if (rectSpace.IsRectEmpty())
        return;
    const COLORREF cr = m_pSkin->GetGripperColor();
    for (int nAcross = 0; nAcross < 8; nAcross += 2) {
        if (bVertical)
            pDC->FillSolidRect(rectSpace.left + nAcross, rectSpace.top, 1, rectSpace.Height(), cr);
        else
            pDC->FillSolidRect(rectSpace.left, rectSpace.top + nAcross, rectSpace.Width(), 1, cr);
    }
}

// --- caption buttons --------------------------------------------------------

COLORREF CTKDockbarSkinXP::GetButtonBackground(CTKSizeControlBar* pBar, BOOL& bInverted) const
{
    bInverted = IsSolidCaption(pBar);
    return SysColor(bInverted ? COLOR_INACTIVECAPTION : COLOR_BTNFACE);
}

void CTKDockbarSkinXP::DrawButton(CDC* pDC, CTKSizeControlBar* pBar, const CRect& rectButton, UINT nState)
{
    if (!HasCaption(pBar) || rectButton.IsRectEmpty())
        return;
    CRect rect = rectButton;
    rect.InflateRect(1, 1, 2, 2);
    BOOL bInverted = FALSE;
    const COLORREF crBackground = GetButtonBackground(pBar, bInverted);
    m_pSkin->DrawFrameButton(pDC, rect, nState, FALSE, bInverted, crBackground, pBar);
}

void CTKDockbarSkinXP::DrawCloseButton(CDC* pDC, CTKSizeControlBar* pBar)
{
    DrawButton(pDC, pBar, pBar->m_rectCloseButton, DFCS_CAPTIONCLOSE);
}

void CTKDockbarSkinXP::DrawExpandButton(CDC* pDC, CTKSizeControlBar* pBar)
{
    UINT nState = pBar->m_bExpanded ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
    if (!pBar->CanExpand())
        nState |= DFCS_INACTIVE;
    DrawButton(pDC, pBar, pBar->m_rectExpandButton, nState);
}

// --- splitters and dock bar -------------------------------------------------

COLORREF CTKDockbarSkinXP::GetSplitterColor() const
{
    return SysColor(COLOR_BTNFACE);
}

COLORREF CTKDockbarSkinXP::GetSplitterLineColor() const
{
    return m_pSkin->GetSeparatorColor();
}

void CTKDockbarSkinXP::DrawSplitter(CDC* pDC, CTKSplitterRect* pSplitter, CTKSizeDockBar*)
{
    CRect rect = pSplitter->m_rect;
    rect.right = std::min<LONG>(rect.right, kFarthestSplitterEnd);
    rect.bottom = std::min<LONG>(rect.bottom, kFarthestSplitterEnd);
    pDC->FillSolidRect(&rect, GetSplitterColor());
    const COLORREF crLine = GetSplitterLineColor();
    if (pSplitter->m_nType == CTKSplitterRect::kVerticalStrip)
        pDC->FillSolidRect(rect.CenterPoint().x, rect.top, 1, rect.Height(), crLine);
    else
        pDC->FillSolidRect(rect.left, rect.CenterPoint().y, rect.Width(), 1, crLine);
}

void CTKDockbarSkinXP::FillDockBarNonClient(CDC* pDC, const CRect& rectWindow, CTKSizeDockBar*)
{
    pDC->FillSolidRect(&rectWindow, m_pSkin->GetDockbarBackgroundColor());
}

void CTKDockbarSkinXP::DrawDockBarBorder(CTKSizeDockBar* pDockBar)
{
    CWindowDC dc(pDockBar);
    PaintDockBarBorder(&dc, pDockBar);
}

void CTKDockbarSkinXP::PaintDockBarBorder(CDC* pDC, CTKSizeDockBar* pDockBar)
{
    CScopedSaveDC saved(*pDC);
    pDC->ExcludeClipRect(CTKWindowGeometry::ClientRectInWindow(pDockBar));
    FillDockBarNonClient(pDC, CTKWindowGeometry::WindowRect(pDockBar), pDockBar);
}

COLORREF CTKDockbarSkinXP::GetFrameColor()
{
    return m_pSkin->GetBorderColor();
}
