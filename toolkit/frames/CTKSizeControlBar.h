#pragma once
// Classes in this file: CTKSizeControlBar, a control bar the user can size,
// dock in rows, hide from its caption and float. Stand-in: a bar of fixed
// size docked on one edge (running the edge's length), with the size
// notification and the context menu's "Allow docking" and "Hide"; no
// caption, sizing, rows, tabs or floating yet.

#include "afxwin.h"

// Size-bar style flags.
#define TKSBS_CONTEXTMENU 0x0004     // right-click shows the bar's context menu
#define TKSBS_RESIZECHILDREN 0x0008  // (dialog bar) the controls follow the bar's size
#define TKSBS_NOCAPTION 0x0020       // no caption space, caption or caption buttons
#define TKSBS_NOCLOSEBUTTON 0x0040
#define TKSBS_NOEXPANDBUTTON 0x0080
#define TKSBS_NOCAPTIONTEXT 0x0100   // the caption shows no title
#define TKSBS_SOLIDCAPTION 0x0200    // the caption filled with the caption colour, no grippers

// Caption buttons under a press (m_nPressedButton).
#define TKSB_PRESSED_NONE (-1)
#define TKSB_PRESSED_EXPAND (-2)
#define TKSB_PRESSED_CLOSE (-3)

class CTKSizeControlBar : public CControlBar {
    DECLARE_DYNAMIC(CTKSizeControlBar)
public:
    explicit CTKSizeControlBar(DWORD dwSizeBarStyle = 0);

// Attributes
    DWORD GetSizeBarStyle() const { return m_dwSizeBarStyle; }
    void SetSizeBarStyle(DWORD dwStyle);

// Overridables
    // The bar may grow over the other bars of its row: not while the
    // framework's dock bars place the bars.
    virtual BOOL CanExpand() const;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // The bar's size (cx, cy, its client area) or floating state changed:
    // nFlags 1 the size, 2 the floating state.
    virtual void OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags);

    // The cursor's place inside the floating frame when an immediate drag
    // floats the bar, from a point in client coordinates: the width share
    // kept between 5 and the floating width less 20.
    void CalcGrabOffset(CPoint point);

    CSize m_FloatSize;
    CSize m_HorzDockSize;  // cx along the edge, cy across
    CSize m_VertDockSize;  // cx across the edge, cy along
    CSize m_sizeSavedDock;  // docked size kept while another bar of the row is expanded
    DWORD m_dwSavedDockStyle = 0;  // dock style kept while "Allow docking" is off
    BOOL m_bDragging = FALSE;  // an immediate drag of the bar runs
    BOOL m_bDragPending = FALSE;  // the caption was pressed: an immediate drag may start
    int m_nSavedTabIndex = -1;  // tab the bar had in its dock bar when hidden
    CSize m_sizeGrabOffset;
    BOOL m_bHighlight = FALSE;
    CPoint m_ptDown;

// Caption state the docking-bar skins draw, relative to the window's
// top-left corner
    CRect m_rectCaption;
    CRect m_rectCloseButton;
    CRect m_rectExpandButton;
    int m_nPressedButton = TKSB_PRESSED_NONE;
    BOOL m_bExpanded = FALSE;
    BOOL m_bActive = FALSE;  // focus is inside the bar

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);

    DWORD m_dwSizeBarStyle;
    int m_nLastCx = 65535;
    int m_nLastCy = 65535;
    int m_nLastFloating = 3;  // no state yet: the first report always differs

    DECLARE_MESSAGE_MAP()
};
