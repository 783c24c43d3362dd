#include "CTKMenuSkin2003.h"

#include "CTKBitmapMenu.h"
#include "CTKMenuBar.h"
#include "CTKShadowedItemWnd.h"
#include "CTKSkin2003.h"
#include "CTKToolbarSkinXP.h"

namespace {

const int kLeftToRight = 0;
const int kTopToBottom = 1;

// 93 % of the colour, 7 % black: the gutter of a rarely used item.
COLORREF Shade(COLORREF cr)
{
    return CTKSkinXP::BlendColors(cr, RGB(0, 0, 0), RGB(0, 0, 0), 0.93f, 0.07f, 0.0f);
}

}  // namespace

CTKMenuSkin2003::CTKMenuSkin2003(CTKSkin2003* pSkin) : CTKMenuSkinXP(pSkin), m_pSkin2003(pSkin)
{
}

// The gradient starts 2 pixels left of the item, so that its lightest
// columns fall under the popup's frame.
void CTKMenuSkin2003::FillItemGutter(CDC* pDC, const CRect& rectItem, BOOL bHidden, CTKBitmapMenu* pMenu)
{
    const CRect rectGutter(rectItem.left - 2, rectItem.top, GetGutterRight(pMenu), rectItem.bottom);
    COLORREF crLight = m_pSkin2003->GetMenuGradientLightColor();
    COLORREF crDark = m_pSkin2003->GetMenuGradientDarkColor();
    if (bHidden) {
        crLight = Shade(crLight);
        crDark = Shade(crDark);
    }
    m_pSkin2003->GradientFillRect(pDC, rectGutter, crLight, crDark, kLeftToRight);
}

void CTKMenuSkin2003::DrawImage(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectImage,
                                CTKBitmapMenu* /*pMenu*/)
{
    if (!IsImageShown(nState, pImage))
        return;
    const int nImage = ImageForState(nState, pImage);
    if (nState & ODS_DISABLED)
        DrawImageMono(pDC, pImage, nImage, rectImage.TopLeft());
    else
        DrawImageAt(pDC, pImage, nImage, rectImage.TopLeft());
}

void CTKMenuSkin2003::DrawPopupGutter(CDC* pDC, const CRect& rect)
{
    m_pSkin2003->GradientFillRect(pDC, rect, m_pSkin2003->GetMenuGradientLightColor(),
                                  m_pSkin2003->GetMenuGradientDarkColor(), kLeftToRight);
}

// The strip takes the colours of the button it joins.
void CTKMenuSkin2003::DrawJoinStrip(CDC* pDC, const CRect& rect)
{
    m_pSkin2003->GradientFillRect(pDC, rect, m_pSkin2003->GetMenuGradientLightColor(),
                                  m_pSkin2003->GetMenuGradientSecondDarkColor(), kTopToBottom);
}

void CTKMenuSkin2003::FillGutter(HDC /*hDC*/, const CRect& /*rect*/)
{
}

COLORREF CTKMenuSkin2003::GetJoinBorderColor() const
{
    return m_pSkin2003->GetMenuBorderColor();
}

// The button is painted again in the menu's colours, so that it and the
// menu below it look like one piece.
void CTKMenuSkin2003::PaintJoinButton(CDC* pDC, CTKShadowedItemWnd* pWnd)
{
    CTKMenuBar* pBar = pWnd->m_pBar;
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    TBBUTTON button = {};
    CRect rectButton;
    if (!pBar->SendMessage(TB_GETBUTTON, pWnd->m_nButton, reinterpret_cast<LPARAM>(&button)) ||
        !pBar->SendMessage(TB_GETITEMRECT, pWnd->m_nButton, reinterpret_cast<LPARAM>(&rectButton)))
        return;
    pBar->ClientToScreen(&rectButton);
    pWnd->ScreenToClient(&rectButton);
    m_pSkin2003->GradientFillRect(pDC, rectButton, m_pSkin2003->GetMenuGradientLightColor(),
                                  m_pSkin2003->GetMenuGradientSecondDarkColor(), kTopToBottom);
    CTKToolbarSkinXP* pToolbarSkin = dynamic_cast<CTKToolbarSkinXP*>(pBar->GetToolbarSkin());
    if (pToolbarSkin != nullptr)
        pToolbarSkin->DrawButton(pDC, button, rectButton, pBar, FALSE);
}
