#include "CTKMenuSkinClassic.h"

#include "CTKBitmapMenu.h"

#include <algorithm>

namespace {

const CTKMenuDimensions kClassicDimensions = {{2, 0, 8, 2, 3, 4, 3, 8, 0, 12}};

BOOL HasCheckMarkImage(const CTKImageInfo* pImage)
{
    return pImage != nullptr && pImage->bCheckMark;
}

}  // namespace

CTKMenuSkinClassic::CTKMenuSkinClassic() : CTKMenuSkin(kClassicDimensions)
{
}

CRect CTKMenuSkinClassic::LayoutButton(const CRect& /*rectItem*/, const CTKImageInfo* /*pImage*/,
                                       CRect* pRectImage, CTKBitmapMenu* /*pMenu*/) const
{
    if (pRectImage->IsRectEmpty())
        return CRect(0, 0, 0, 0);
    CRect rectButton = *pRectImage;
    rectButton.InflateRect(2, 2);
    return rectButton;
}

COLORREF CTKMenuSkinClassic::TextColor(UINT nState)
{
    if (nState & ODS_DISABLED)
        return SysColor(COLOR_GRAYTEXT);
    return SysColor((nState & ODS_SELECTED) ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
}

// A brush that cannot be made leaves the area unfilled.
void CTKMenuSkinClassic::FillDithered(CDC* pDC, const CRect& rect)
{
    HBRUSH hBrush = CTKBitmapMenu::CreateDitherBrush(SysColor(COLOR_MENU), SysColor(COLOR_3DHILIGHT));
    if (hBrush == nullptr)
        return;
    ::FillRect(pDC->GetSafeHdc(), &rect, hBrush);
    ::DeleteObject(hBrush);
}

void CTKMenuSkinClassic::FillButton(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectButton)
{
    const BOOL bSelected = (nState & ODS_SELECTED) != 0;
    const BOOL bChecked = (nState & ODS_CHECKED) != 0;
    if ((nState & kTKMenuHiddenItem) && !HasCheckMarkImage(pImage))
        FillDithered(pDC, rectButton);
    else if (bSelected && !bChecked)
        pDC->FillSolidRect(&rectButton, SysColor(HasCheckMarkImage(pImage) ? COLOR_HIGHLIGHT : COLOR_MENU));
    else if (bChecked && !bSelected)
        FillDithered(pDC, rectButton);
    else
        pDC->FillSolidRect(&rectButton, SysColor(COLOR_MENU));
}

void CTKMenuSkinClassic::DrawBackground(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectItem,
                                        const CRect& rectButton, CTKBitmapMenu* pMenu)
{
    if (!rectButton.IsRectEmpty())
        FillButton(pDC, nState, pImage, rectButton);
    const BOOL bSelected = (nState & ODS_SELECTED) != 0;
    if ((nState & kTKMenuHiddenItem) && !bSelected) {
        FillDithered(pDC, rectItem);
        if (nState & kTKMenuLineAbove)
            pDC->FillSolidRect(rectItem.left, rectItem.top, rectItem.Width(), 1, SysColor(COLOR_3DSHADOW));
        if (nState & kTKMenuLineBelow)
            pDC->FillSolidRect(rectItem.left, rectItem.bottom - 2, rectItem.Width(), 1, SysColor(COLOR_3DHILIGHT));
        return;
    }
    // The highlight starts just right of the button; a check-mark image sits
    // in a button a pixel wider.
    int nGap = 1;
    if (nState & ODS_CHECKED)
        nGap = 2;
    else if (HasCheckMarkImage(pImage))
        nGap = -1;
    const int x = std::max<int>(rectButton.right, GetDimensions()[1] + GetImageColumnWidth(pMenu) + nGap);
    const CRect rectRest(x, rectItem.top, rectItem.right, rectItem.bottom - 1);
    if (!rectRest.IsRectEmpty())
        pDC->FillSolidRect(&rectRest, SysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_MENU));
}

void CTKMenuSkinClassic::DrawButton(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectButton,
                                    CTKBitmapMenu* /*pMenu*/)
{
    CRect rect = rectButton;
    if (nState & ODS_CHECKED) {
        pDC->DrawEdge(&rect, BDR_SUNKENOUTER, BF_RECT);
        return;
    }
    const BOOL bOrdinaryImage = pImage != nullptr && pImage->pImageList != nullptr && !pImage->bCheckMark;
    if ((nState & ODS_SELECTED) && !(nState & ODS_DISABLED) && bOrdinaryImage)
        pDC->DrawEdge(&rect, BDR_RAISEDINNER, BF_RECT);
}

void CTKMenuSkinClassic::DrawImage(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectImage,
                                   CTKBitmapMenu* /*pMenu*/)
{
    if (!IsImageShown(nState, pImage))
        return;
    const int nImage = ImageForState(nState, pImage);
    if (!(nState & ODS_DISABLED)) {
        pImage->pImageList->Draw(pDC, nImage, rectImage.TopLeft(), ILD_TRANSPARENT);
        return;
    }
    HICON hIcon = pImage->pImageList->ExtractIcon(nImage);
    if (hIcon == nullptr)
        return;
    ::DrawState(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, rectImage.left,
                rectImage.top, 0, 0, DST_ICON | DSS_DISABLED);
    ::DestroyIcon(hIcon);
}

void CTKMenuSkinClassic::DrawText(CDC* pDC, UINT nState, const CString& sText, const CRect& rectText,
                                  const CRect& rectShortcut, CTKBitmapMenu* /*pMenu*/)
{
    const BOOL bEmbossed = (nState & ODS_DISABLED) && !(nState & ODS_SELECTED);
    DrawItemText(pDC, sText, rectText, rectShortcut, TextColor(nState), bEmbossed);
}

void CTKMenuSkinClassic::DrawSeparator(CDC* pDC, const CRect& rectItem, CTKBitmapMenu* /*pMenu*/)
{
    const int y = rectItem.top + (rectItem.Height() - 2) / 2;
    const int nWidth = rectItem.Width() - 4;
    pDC->FillSolidRect(rectItem.left + 2, y, nWidth, 1, SysColor(COLOR_3DSHADOW));
    pDC->FillSolidRect(rectItem.left + 2, y + 1, nWidth, 1, SysColor(COLOR_3DHILIGHT));
}

void CTKMenuSkinClassic::DrawSelectionFrame(CDC* pDC, const CRect& rect, CTKBitmapMenu* /*pMenu*/)
{
    pDC->DrawDragRect(&rect, CSize(2, 2), nullptr, CSize(0, 0));
}

void CTKMenuSkinClassic::DrawSubmenuItem(CDC* pDC, UINT nState, const CString& sText, DWORD /*dwMenuValue*/,
                                         const CRect& rectItem, const CRect& rectButton, const CRect& rectText,
                                         const CRect& rectArrow, CTKBitmapMenu* pMenu)
{
    DrawBackground(pDC, nState, nullptr, rectItem, rectButton, pMenu);
    if (pMenu->m_bOwnArrow) {
        const COLORREF crArrow = (nState & ODS_DISABLED) ? SysColor(COLOR_3DSHADOW) : pDC->GetTextColor();
        DrawMarlettGlyph(pDC, "8", rectArrow, crArrow);
    }
    DrawText(pDC, nState, sText, rectText, rectArrow, pMenu);
}

void CTKMenuSkinClassic::DrawExpansionItem(CDC* pDC, const CRect& rectItem, UINT nState, CTKBitmapMenu* /*pMenu*/)
{
    DrawMarlettGlyph(pDC, "6", rectItem, TextColor(nState));
}
