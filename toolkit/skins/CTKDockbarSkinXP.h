#pragma once
// Classes in this file: CTKDockbarSkinXP, the docking bars of the
// "Office XP" look: line grippers or a caption in the inactive caption
// colour, flat caption buttons, flat splitters with one line, the dock
// bar's border in the skin's dock-bar colour.

#include "CTKDockbarSkinClassic.h"

class CTKSkinXP;

class CTKDockbarSkinXP : public CTKDockbarSkinClassic {
public:
    explicit CTKDockbarSkinXP(CTKSkinXP* pSkin);

    void DrawCaption(CDC* pDC, CTKSizeControlBar* pBar) override;
    void DrawCloseButton(CDC* pDC, CTKSizeControlBar* pBar) override;
    void DrawExpandButton(CDC* pDC, CTKSizeControlBar* pBar) override;
    void DrawSplitter(CDC* pDC, CTKSplitterRect* pSplitter, CTKSizeDockBar* pDockBar) override;
    void DrawDockBarBorder(CTKSizeDockBar* pDockBar) override;
    COLORREF GetFrameColor() override;

    // The dock bar's border into a DC of its whole window.
    void PaintDockBarBorder(CDC* pDC, CTKSizeDockBar* pDockBar);

protected:
    // The colour behind a caption button, and whether its glyph shows
    // inverted.
    virtual COLORREF GetButtonBackground(CTKSizeControlBar* pBar, BOOL& bInverted) const;
    virtual COLORREF GetSplitterColor() const;
    virtual COLORREF GetSplitterLineColor() const;
    // The dock bar's non-client area, rectWindow in its window DC.
    virtual void FillDockBarNonClient(CDC* pDC, const CRect& rectWindow, CTKSizeDockBar* pDockBar);

    CTKSkinXP* m_pSkin;
    CFont m_fontCaption;  // "Tahoma BOLD" 8.5 points

private:
    void DrawGripperLines(CDC* pDC, const CRect& rectSpace, BOOL bVertical);
    void DrawButton(CDC* pDC, CTKSizeControlBar* pBar, const CRect& rectButton, UINT nState);
};
