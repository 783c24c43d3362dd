#pragma once
// Classes in this file: CTKSkinXP, the "Office XP" skin: a flat look with
// tinted bars and highlight boxes. It is also the colour scheme its part
// skins draw with: every colour is computed from the system colours at the
// moment it is asked for.

#include "afxwin.h"

#include "CTKSkin.h"

class CTKSkinXP : public virtual CTKSkin {
public:
    CTKSkinXP();

    int GetType() const override;

// Colour arithmetic, channel by channel
    static COLORREF BlendColors(COLORREF c1, COLORREF c2, COLORREF c3, float w1, float w2, float w3);
    static COLORREF AdjustColor(COLORREF c, int dr, int dg, int db);
    static COLORREF ScaleColor(COLORREF c, float fr, float fg, float fb);
    static COLORREF InvertColor(COLORREF c);
    static COLORREF GetLightButtonFaceColor();
    // The system colour nIndex, as the skins see it.
    static COLORREF SysColor(int nIndex);

// The colour table
    virtual COLORREF GetHotItemColor() const;
    virtual COLORREF GetCheckedItemColor() const;
    virtual COLORREF GetCheckedHotItemColor() const;
    virtual COLORREF GetHotItemBorderColor() const;
    virtual COLORREF GetMenuBackgroundColor() const;
    virtual COLORREF GetMenuBorderColor() const;
    virtual COLORREF GetToolbarBackgroundColor() const;
    virtual COLORREF GetDockbarBackgroundColor() const;
    virtual COLORREF GetInactiveTabTextColor() const;
    virtual COLORREF GetSeparatorColor() const;
    virtual COLORREF GetBorderColor() const;
    virtual COLORREF GetGripperColor() const;
    virtual COLORREF GetMiniFrameCaptionColor() const;
    virtual COLORREF GetMiniFrameCaptionTextColor() const;
    virtual COLORREF GetMiniFrameBorderColor() const;
    virtual COLORREF GetMiniFrameBackgroundColor() const;
    virtual COLORREF GetDisabledTextColor() const;
    virtual COLORREF GetMenuDisabledColor() const;
    // A flat caption button (DFCS_CAPTION... state) in rect of pWnd.
    virtual void DrawFrameButton(CDC* pDC, CRect rect, UINT nState, BOOL bOverlay, BOOL bActive,
                                 COLORREF crBackground, CWnd* pWnd) const;

// Drawing
    // Copies the bitmap to (x, y) of pDC, leaving its pixels of crTransparent
    // out.
    static void DrawTransparent(CBitmap* pBitmap, CDC* pDC, int x, int y, int cx, int cy,
                                COLORREF crTransparent);
    // The same, stretching rectSource of the bitmap over rectTarget of pDC.
    static void DrawTransparentStretched(CBitmap* pBitmap, CDC* pDC, const CRect& rectTarget,
                                         const CRect& rectSource, COLORREF crTransparent);

protected:
    // For a derived skin that makes part skins of its own: makes none.
    struct NoPartSkins {};
    explicit CTKSkinXP(NoPartSkins);

    // What lies behind a frame button without a hover box: XP fills the
    // background colour; FALSE when nothing may be drawn.
    virtual BOOL FillFrameButtonBackground(CDC* pDC, const CRect& rectButton, const CRect& rectOnWindow,
                                           COLORREF crBackground, CWnd* pWnd) const;

// The XP formulas, for the 2003 skin's unthemed colours
    static COLORREF HotItemColorXP();
    static COLORREF CheckedItemColorXP();
    static COLORREF CheckedHotItemColorXP();
    static COLORREF SeparatorColorXP();
};
