#pragma once
// Classes in this file: CTKStatusBar, the main frame's status bar, painted
// by the status-bar part skin of the current skin, with per pane a bitmap,
// a font, a text colour, a tip, a cursor and a progress control. Stretching
// panes share the width the others leave; a double click on a pane tells
// the parent (kTKStatusPaneDblClk, wParam the pane's id).

#include "afxwin.h"

#include "CTKPaneBitmap.h"
#include "CTKPaneProgress.h"
#include "CTKPartSkinSlot.h"
#include "CTKStatusbarSkinClassic.h"

#include <memory>
#include <vector>

// Pane style bits of the toolkit, beside the framework's: the pane shows a
// progress control; the pane's bitmap is not drawn.
constexpr UINT kTKPaneProgress = 0x02000000;
constexpr UINT kTKPaneNoBitmap = 0x04000000;

// Sent to the parent when a pane is double-clicked.
constexpr UINT kTKStatusPaneDblClk = WM_APP + 206;

class CTKStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(CTKStatusBar)
public:
    CTKStatusBar();
    ~CTKStatusBar() override;

    // Every pane starts without extras, in the button-text colour.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

// Per-pane extras; FALSE for an index that names no pane
    // The bar owns what it is given (not a cursor); null removes the pane's
    // bitmap or font. A refused bitmap stays the caller's.
    BOOL SetPaneBitmap(int nIndex, HBITMAP hBitmap, int nMode, COLORREF crTransparent);
    BOOL SetPaneFont(int nIndex, const LOGFONT* pLogFont);
    BOOL SetPaneTextColor(int nIndex, COLORREF crText);
    BOOL SetPaneToolTip(int nIndex, LPCTSTR lpszTip);
    BOOL SetPaneCursor(int nIndex, HCURSOR hCursor);
    // Shows or removes the pane's progress control, with room for a
    // percentage at its left when bShowPercent.
    BOOL SetPaneProgress(int nIndex, BOOL bShow, BOOL bShowPercent = FALSE);
    // The pane's progress control once made, else null.
    CProgressCtrl* GetPaneProgress(int nIndex);

// Layout and paint
    // The pane's rectangle inside the control's vertical borders, one pixel
    // more off a progress control's bottom; FALSE when it is empty.
    BOOL GetPaneRect(int nIndex, RECT* lpRect, BOOL bProgress) const;
    // The pane's bitmap in its rectangle, unless nStyle has kTKPaneNoBitmap.
    void DrawPaneBitmap(CDC* pDC, int nIndex, UINT nStyle);
    // The bitmap of every pane that has one.
    void DrawPaneBitmaps(CDC* pDC);
    // The common control's own paint of the bar.
    void PaintByControl() { Default(); }
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText) override;
    // A pane's text at 2 pixels from the left, centred vertically.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    CTKStatusbarSkin* GetSkin() { return m_skin.Get(); }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    BOOL IsPane(int nIndex) const;
    int PaneAt(CPoint point) const;
    void SetStretchParts();
    void PlaceProgressControls();
    int PercentWidth(int nIndex);
    CFont* PaneFont(int nIndex) const;

    CTKPartSkinSlot<CTKStatusbarSkin, CTKStatusbarSkinClassic> m_skin;
    std::vector<HCURSOR> m_arrCursors;  // null: the bar's cursor
    std::vector<std::unique_ptr<CTKPaneBitmap>> m_arrBitmaps;
    std::vector<COLORREF> m_arrTextColors;
    std::vector<std::unique_ptr<CTKPaneProgress>> m_arrProgress;
    std::vector<std::unique_ptr<CFont>> m_arrFonts;  // null: the bar's font
    std::vector<CString> m_arrToolTips;
    int m_nMinHeight = 0;  // of the panes' drawing area, pixels
};
