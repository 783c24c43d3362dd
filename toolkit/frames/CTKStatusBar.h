#pragma once
// Classes in this file: CTKStatusBar, the main frame's status bar, painted
// by the status-bar part skin of the current skin, with a bitmap, a font and
// a text colour per pane. Still missing: tips, cursors and progress controls.

#include "afxwin.h"

#include "CTKPaneBitmap.h"
#include "CTKPartSkinSlot.h"
#include "CTKStatusbarSkinClassic.h"

#include <memory>
#include <vector>

// Pane style bits of the toolkit, beside the framework's.
constexpr UINT kTKPaneProgress = 0x02000000;  // the pane shows a progress control
constexpr UINT kTKPaneNoBitmap = 0x04000000;  // the pane's bitmap is not drawn

class CTKStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(CTKStatusBar)
public:
    CTKStatusBar();
    ~CTKStatusBar() override;

    // Every pane starts without bitmap and font, in the button-text colour.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    // The bar owns what it is given; null removes the pane's bitmap or font.
    // FALSE for an index that names no pane.
    BOOL SetPaneBitmap(int nIndex, HBITMAP hBitmap, int nMode, COLORREF crTransparent);
    BOOL SetPaneFont(int nIndex, const LOGFONT* pLogFont);
    BOOL SetPaneTextColor(int nIndex, COLORREF crText);
    // The pane's bitmap in its rectangle, unless nStyle has kTKPaneNoBitmap.
    void DrawPaneBitmap(CDC* pDC, int nIndex, UINT nStyle);
    // The bitmap of every pane that has one.
    void DrawPaneBitmaps(CDC* pDC);

    // The common control's own paint of the bar.
    void PaintByControl() { Default(); }
    // A pane's text at 2 pixels from the left, centred vertically.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    CTKStatusbarSkin* GetSkin() { return m_skin.Get(); }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

private:
    BOOL IsPane(int nIndex) const;

    CTKPartSkinSlot<CTKStatusbarSkin, CTKStatusbarSkinClassic> m_skin;
    std::vector<std::unique_ptr<CTKPaneBitmap>> m_arrBitmaps;
    std::vector<COLORREF> m_arrTextColors;
    std::vector<std::unique_ptr<CFont>> m_arrFonts;  // null: the bar's font
};
