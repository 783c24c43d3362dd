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

// A pane style bit of the toolkit, beside the framework's: the pane's bitmap
// is not drawn.
constexpr UINT kTKPaneNoBitmap = 0x04000000;

class CTKStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(CTKStatusBar)
public:
    CTKStatusBar();
    ~CTKStatusBar() override;

    // Every pane starts without bitmap and font, in the button-text colour.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    // The bar owns what it is given; null removes the pane's bitmap or font.
    // FALSE for an index that names no pane (the caller keeps the bitmap).
    BOOL SetPaneBitmap(int nIndex, HBITMAP hBitmap, int nMode, COLORREF crTransparent);
    BOOL SetPaneFont(int nIndex, const LOGFONT* pLogFont);
    BOOL SetPaneTextColor(int nIndex, COLORREF crText);
    // The pane's bitmap in its rectangle, unless nStyle has kTKPaneNoBitmap.
    void DrawPaneBitmap(CDC* pDC, int nIndex, UINT nStyle);
    // The bitmap of every pane that has one.
    void DrawPaneBitmaps(CDC* pDC);

    // The common control's own paint of the bar.
    void PaintByControl() { Default(); }
    // The panes end before the gripper the skin draws.
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText) override;
    // A pane's text at 2 pixels from the left, centred vertically.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    CTKStatusbarSkin* GetSkin() { return m_skin.Get(); }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

private:
    BOOL IsPane(int nIndex) const;
    void KeepPanesOffTheGripper();

    CTKPartSkinSlot<CTKStatusbarSkin, CTKStatusbarSkinClassic> m_skin;
    std::vector<std::unique_ptr<CTKPaneBitmap>> m_arrBitmaps;
    std::vector<COLORREF> m_arrTextColors;
    std::vector<std::unique_ptr<CFont>> m_arrFonts;  // null: the bar's font
};
