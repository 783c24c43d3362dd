#pragma once
// Classes in this file: CTKMiniFrameSkinXP, the floating frames of the
// "Office XP" and "Office 2003" looks: a flat two-pixel border, a caption
// in the skin's mini-frame colours and a flat close button that lights up
// under the mouse.

#include "CTKMiniFrameSkin.h"

class CTKSkinXP;

class CTKMiniFrameSkinXP : public CTKMiniFrameSkin {
public:
    explicit CTKMiniFrameSkinXP(CTKSkinXP* pSkin);

    void DrawNonClient(CTKSizableMiniDockFrameWnd* pFrame) override;
    BOOL OnNcActivate(BOOL bActive, CTKSizableMiniDockFrameWnd* pFrame) override;
    void DrawCaption(CTKSizableMiniDockFrameWnd* pFrame) override;
    BOOL DrawCloseButton(CTKSizableMiniDockFrameWnd* pFrame) override;

// The same into a DC of the frame's whole window
    void PaintNonClient(CDC* pDC, CTKSizableMiniDockFrameWnd* pFrame);
    void PaintCaption(CDC* pDC, CTKSizableMiniDockFrameWnd* pFrame);
    void PaintCloseButton(CDC* pDC, CTKSizableMiniDockFrameWnd* pFrame);

    // The caption, relative to the window's top-left corner.
    static CRect CaptionRect(CWnd* pFrame);
    // The close button: the square at the caption's right end.
    static CRect CloseButtonRect(CWnd* pFrame);

private:
    void DrawCross(CDC* pDC, const CRect& rectSquare, COLORREF crCross);

    CTKSkinXP* m_pSkin;
    CFont m_fontCaption;  // "Tahoma BOLD" 8.5 points
};
