#pragma once
// Classes in this file: CTKMenuSkinClassic, the menu part skin of the
// "Classic" look: the system's own 3-D menus, in system colours only.

#include "CTKMenuSkin.h"

class CTKMenuSkinClassic : public CTKMenuSkin {
public:
    CTKMenuSkinClassic();

    void DrawBackground(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectItem,
                        const CRect& rectButton, CTKBitmapMenu* pMenu) override;
    void DrawButton(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectButton,
                    CTKBitmapMenu* pMenu) override;
    void DrawImage(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectImage,
                   CTKBitmapMenu* pMenu) override;
    void DrawText(CDC* pDC, UINT nState, const CString& sText, const CRect& rectText, const CRect& rectShortcut,
                  CTKBitmapMenu* pMenu) override;
    void DrawSeparator(CDC* pDC, const CRect& rectItem, CTKBitmapMenu* pMenu) override;
    void DrawSelectionFrame(CDC* pDC, const CRect& rect, CTKBitmapMenu* pMenu) override;
    void DrawSubmenuItem(CDC* pDC, UINT nState, const CString& sText, DWORD dwMenuValue, const CRect& rectItem,
                         const CRect& rectButton, const CRect& rectText, const CRect& rectArrow,
                         CTKBitmapMenu* pMenu) override;
    void DrawExpansionItem(CDC* pDC, const CRect& rectItem, UINT nState, CTKBitmapMenu* pMenu) override;

protected:
    CRect LayoutButton(const CRect& rectItem, const CTKImageInfo* pImage, CRect* pRectImage,
                       CTKBitmapMenu* pMenu) const override;

private:
    static COLORREF TextColor(UINT nState);
    // Fills rect with the checkerboard of menu and highlight colours.
    static void FillDithered(CDC* pDC, const CRect& rect);
    // The button's own fill for the item's state.
    static void FillButton(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectButton);
};
