#pragma once
// Classes in this file: CTKDockbarSkinClassic, the docking bars of the
// "Classic" look: 3-D gripper bars or a caption in the caption colours,
// the system's caption buttons, etched splitters. It lays out the caption
// for the XP look too.

#include "CTKDockbarSkin.h"

class CTKDockbarSkinClassic : public CTKDockbarSkin {
public:
    CTKDockbarSkinClassic();

    void DrawCaption(CDC* pDC, CTKSizeControlBar* pBar) override;
    void DrawCloseButton(CDC* pDC, CTKSizeControlBar* pBar) override;
    void DrawExpandButton(CDC* pDC, CTKSizeControlBar* pBar) override;
    int GetButtonSpacing() const override;
    void DrawBackground(CDC* pDC, LPCRECT lpRect, CTKSizeControlBar* pBar) override;
    void DrawSplitter(CDC* pDC, CTKSplitterRect* pSplitter, CTKSizeDockBar* pDockBar) override;
    void DrawDockBarBorder(CTKSizeDockBar* pDockBar) override;
    void FillDockBar(CDC* pDC, CTKSizeDockBar* pDockBar) override;
    void CalcClientRect(CTKSizeControlBar* pBar, LPRECT lpRect) override;
    void LayoutCaption(CTKSizeControlBar* pBar) override;
    COLORREF GetFrameColor() override;

protected:
    explicit CTKDockbarSkinClassic(int nButtonSpacing);

    // A caption is drawn on a docked bar without flag 0x20; a bar docked
    // along a horizontal edge carries it as a vertical strip on its left.
    static BOOL HasCaption(CTKSizeControlBar* pBar);
    static BOOL IsVerticalStrip(CTKSizeControlBar* pBar);
    static BOOL IsSolidCaption(CTKSizeControlBar* pBar);
    static COLORREF SysColor(int nIndex);
    // The client rectangle less 5 on each side and nCaption more on the
    // caption side of a bar that has one.
    static void InsetClientRect(CTKSizeControlBar* pBar, LPRECT lpRect, int nCaption);
    // The bar's title, single-line with an ellipsis, from 6 pixels in from
    // where the text begins (the left end; the bottom end of a vertical
    // strip, read upwards), centred across; answers how far along the
    // caption the title reaches, 0 without a title.
    static int DrawTitle(CDC* pDC, CTKSizeControlBar* pBar, const CRect& rectCaption, CFont& font,
                         COLORREF crText);
    // What is left of the caption nUsed pixels plus 3 from where the text
    // begins; empty when 5 pixels or fewer remain.
    static CRect GripperSpace(const CRect& rectCaption, BOOL bVertical, int nUsed);
    // The caption's square of side nSide at its start (top of a vertical
    // strip, right end of a top caption), nOffset further along.
    static CRect ButtonSquare(const CRect& rectCaption, BOOL bVertical, int nSide, int nOffset);
    // The caption less nLength from its start.
    static void ShortenCaption(CRect& rectCaption, BOOL bVertical, int nLength);

    int m_nButtonSpacing;

private:
    void DrawGripperBars(CDC* pDC, const CRect& rectSpace, BOOL bVertical);
    static void DrawCaptionGlyph(CDC* pDC, const CRect& rect, UINT nState);

    CFont m_fontCaption;       // "Arial" 10 points, beside the gripper bars
    CFont m_fontSolidCaption;  // "Arial" 8 points, on a solid caption
};
