#pragma once
// Classes in this file: CTKMenuSkinXP, the menu part skin of the "Office XP"
// look: a tinted image gutter, a flat highlight box, popup frames joined to
// the menu-bar button that dropped them and a soft shadow, in the colours of
// the skin that made it.

#include "CTKMenuJoin.h"
#include "CTKMenuSkin.h"

#include "CMap.h"

class CTKSkinXP;
class CTKShadowedItemWnd;
struct KTPOPUPWND;

class CTKMenuSkinXP : public CTKMenuSkin {
public:
    explicit CTKMenuSkinXP(CTKSkinXP* pSkin);

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
    LRESULT PopupWindowProc(WNDPROC pfnPrevious, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void DrawPopupWindowFrame(CWnd* pWnd) override;
    void DrawButtonJoinWindow(CWnd* pWnd) override;
    void AdjustExpansionItemHeight(UINT* pnHeight, CTKBitmapMenu* pMenu) override;

    virtual void DrawPopupGutter(CDC* pDC, const CRect& rect);
    virtual void DrawJoinStrip(CDC* pDC, const CRect& rect);
    virtual void FillGutter(HDC hDC, const CRect& rect);

    // Where each popup window is about to move (screen), until it is painted.
    CMap<HWND, HWND, CPoint, CPoint> m_mapPositions;

protected:
    CRect LayoutButton(const CRect& rectItem, const CTKImageInfo* pImage, CRect* pRectImage,
                       CTKBitmapMenu* pMenu) const override;
    // The image column of an item, from the item's left edge.
    virtual void FillItemGutter(CDC* pDC, const CRect& rectItem, BOOL bHidden, CTKBitmapMenu* pMenu);
    int GetGutterRight(CTKBitmapMenu* pMenu) const;
    void DrawImageAt(CDC* pDC, const CTKImageInfo* pImage, int nImage, CPoint pt);
    // The image as a one-colour shape in the shadow colour.
    void DrawImageMono(CDC* pDC, const CTKImageInfo* pImage, int nImage, CPoint pt);
    // The button under a join window, before its border: nothing in XP.
    virtual void PaintJoinButton(CDC* pDC, CTKShadowedItemWnd* pWnd);
    virtual COLORREF GetJoinBorderColor() const;

    CTKSkinXP* m_pSkin;

private:
    void DrawImageShadow(CDC* pDC, const CTKImageInfo* pImage, int nImage, CPoint pt);
    void OnPopupDestroy(CTKBitmapMenu* pMenu, HWND hWnd);
    void OnPopupNcPaint(CTKBitmapMenu* pMenu, HWND hWnd, HRGN hUpdate);
    void OnPopupPrint(CTKBitmapMenu* pMenu, HWND hWnd, HDC hTarget, LPARAM lFlags);
    // The join towards the menu's button of a popup whose window, of size,
    // lies at ptScreen.
    static CTKMenuJoin ComputeJoin(CTKBitmapMenu* pMenu, CSize sizeWindow, CPoint ptScreen);
    // The frame, gutter stretch, frame line and join strip of a popup.
    void PaintPopupFrame(CDC* pDC, CSize sizeWindow, const CTKMenuJoin& join, CTKBitmapMenu* pMenu);
    static void PaintPopupShadow(CDC* pDC, CSize sizeWindow, CPoint ptScreen, const CTKMenuJoin& join,
                                 std::vector<COLORREF>* pCache);
    // FALSE when the window went while its messages were dispatched.
    static BOOL DispatchPendingMessages(HWND hWnd);
};
