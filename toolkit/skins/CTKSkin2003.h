#pragma once
// Classes in this file: CTKSkin2003, the "Office 2003" skin: the XP look
// with gradients and, under visual styles, colours of the current theme.

#include "CTKSkinXP.h"
#include "CTKUxTheme.h"

class CTKSkin2003 : public CTKSkinXP {
public:
    CTKSkin2003();
    ~CTKSkin2003() override;

// The colour table, themed or not
    COLORREF GetHotItemColor() const override;
    COLORREF GetCheckedItemColor() const override;
    COLORREF GetCheckedHotItemColor() const override;
    COLORREF GetHotItemBorderColor() const override;
    COLORREF GetMenuBackgroundColor() const override;
    COLORREF GetMenuBorderColor() const override;
    COLORREF GetDockbarBackgroundColor() const override;
    COLORREF GetInactiveTabTextColor() const override;
    COLORREF GetSeparatorColor() const override;
    COLORREF GetBorderColor() const override;
    COLORREF GetGripperColor() const override;
    COLORREF GetMiniFrameCaptionColor() const override;
    COLORREF GetMiniFrameBorderColor() const override;
    COLORREF GetMiniFrameBackgroundColor() const override;
    COLORREF GetDisabledTextColor() const override;
    COLORREF GetMenuDisabledColor() const override;

// Further 2003 colours
    COLORREF GetToolbarLightColor() const;
    COLORREF GetToolbarDarkColor() const;
    COLORREF GetMenuBarDarkColor() const;
    COLORREF GetMenuBarLightColor() const;
    COLORREF GetCaptionDarkColor() const;
    COLORREF GetCaptionLightColor() const;
    COLORREF GetMenuGradientLightColor() const;
    COLORREF GetMenuGradientDarkColor() const;
    COLORREF GetMenuGradientSecondDarkColor() const;
    COLORREF GetHalfHighlightColor() const;
    COLORREF GetDockbarSeparatorColor() const;
    COLORREF GetStatusbarColor1() const;
    COLORREF GetStatusbarColor2() const;
    COLORREF GetStatusbarColor3() const;
    COLORREF GetHotButtonLightColor() const;
    COLORREF GetHotButtonDarkColor() const;
    COLORREF GetCheckedButtonLightColor() const;
    COLORREF GetCheckedButtonDarkColor() const;
    COLORREF GetPressedButtonDarkColor() const;
    COLORREF GetPressedButtonLightColor() const;
    COLORREF GetLightOrangeColor() const;
    COLORREF GetDarkOrangeColor() const;

// Drawing
    // nDirection 0: left to right, 1: top to bottom.
    void GradientFillRect(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd, int nDirection) const;
    void GradientFillCorners(CDC* pDC, const CRect& rect, COLORREF crTopLeft, COLORREF crTopRight,
                             COLORREF crBottomLeft, COLORREF crBottomRight) const;
    void DrawGripperDots(CDC* pDC, const CRect& rect, BOOL bHorizontal) const;

protected:
    BOOL FillFrameButtonBackground(CDC* pDC, const CRect& rectButton, const CRect& rectOnWindow,
                                   COLORREF crBackground, CWnd* pWnd) const override;

private:
    // The theme's highlight and active-caption colours; bThemed FALSE
    // without visual styles.
    struct ThemeColors {
        BOOL bThemed = FALSE;
        COLORREF crHighlight = 0;
        COLORREF crCaption = 0;
    };
    ThemeColors ReadThemeColors() const;
    // BlendColors(W, TH; wWindow, wHighlight) themed, else crUnthemed.
    COLORREF WindowHighlightBlend(float wWindow, float wHighlight, COLORREF crUnthemed) const;
    // BlendColors(W, F; wWindow, wFace).
    static COLORREF WindowFaceBlend(float wWindow, float wFace);
    void GradientFillLines(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd, int nDirection) const;

    HMODULE m_hMsimg32;
    FARPROC m_pfnGradientFill;
    CTKUxTheme m_uxTheme;
};
