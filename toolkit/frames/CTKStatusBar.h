#pragma once
// Classes in this file: CTKStatusBar, the main frame's status bar, painted
// by the status-bar part skin of the current skin. Still missing: pane
// bitmaps, fonts, colours, tips, cursors and progress controls.

#include "afxwin.h"

#include "CTKPartSkinSlot.h"
#include "CTKStatusbarSkinClassic.h"

class CTKStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(CTKStatusBar)
public:
    CTKStatusBar();

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
    CTKPartSkinSlot<CTKStatusbarSkin, CTKStatusbarSkinClassic> m_skin;
};
