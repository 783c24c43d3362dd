#pragma once
// Classes in this file: CTKToolbarSkinXP, the toolbar part skin of the
// "Office XP" look: the skin draws the whole bar itself, flat, with tinted
// boxes around hot and checked buttons, in the colours of the skin that
// made it.

#include "CTKToolbarSkin.h"

class CTKSkinXP;

class CTKToolbarSkinXP : public CTKToolbarSkin {
public:
    explicit CTKToolbarSkinXP(CTKSkinXP* pSkin);

    void DrawGripper(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawNonClientArea(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawSeparator(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void DrawSelectionFrame(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override;
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult, CTKCoolToolBar* pBar) override;
    void OnPaintComboBox(CComboBox* pComboBox) override;
    void DrawComboBox(CComboBox* pComboBox) override;
    void DrawControlFrame(CWnd* pWnd) override;
    void DrawMDIButtons(CDC* pDC, CTKMenuBar* pMenuBar) override;
    BOOL UseDefaultBackground() override;

    virtual void DrawBackground(CDC* pDC, CTKCoolToolBar* pBar);
    virtual void DrawButton(CDC* pDC, const TBBUTTON& button, CRect rect, CTKCoolToolBar* pBar,
                            BOOL bDrawBackground);
    virtual void FillBackgroundRect(CDC* pDC, CRect* pRect);

    // The whole client area of the bar, as its custom draw paints it, into pDC.
    void PaintBar(CDC* pDC, CTKCoolToolBar* pBar);

protected:
    // How a button looks, the first matching row of the state table.
    enum ButtonLook { lookDropped, lookPressedHot, lookChecked, lookHot, lookPressed, lookDisabled, lookNormal };

    // The box of a hot, checked or pressed-and-hot button.
    virtual void FillButtonBox(CDC* pDC, const CRect& rect, ButtonLook look);
    virtual COLORREF GetDisabledTextColor();
    // What lies around a hosted control: rect of pDC, whose origin is at
    // ptOrigin on the screen.
    virtual void FillControlSurround(CDC* pDC, const CRect& rect, const CPoint& ptOrigin, CWnd* pControl);

    CTKSkinXP* m_pSkin;

private:
    ButtonLook GetButtonLook(const TBBUTTON& button, int nIndex, CTKCoolToolBar* pBar);
    static BOOL GetImageRect(const TBBUTTON& button, const CRect& rectContent, BOOL bHasText,
                             CTKCoolToolBar* pBar, CRect* pRect);
    void DrawButtonImage(CDC* pDC, const TBBUTTON& button, const CRect& rectImage, ButtonLook look,
                         CTKCoolToolBar* pBar);
    void DrawButtonText(CDC* pDC, const TBBUTTON& button, int nIndex, const CRect& rectContent,
                        const CRect& rectImage, COLORREF clrText, CTKCoolToolBar* pBar);
    static void DrawInsertMark(CDC* pDC, CTKCoolToolBar* pBar);
};
