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

class CTKSizeControlBar : public CControlBar {
    DECLARE_DYNAMIC(CTKSizeControlBar)
public:
    explicit CTKSizeControlBar(DWORD dwSizeBarStyle = 0);

// Attributes
    DWORD GetSizeBarStyle() const { return m_dwSizeBarStyle; }
    void SetSizeBarStyle(DWORD dwStyle);

// Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // The bar's size (cx, cy, its client area) or floating state changed:
    // nFlags 1 the size, 2 the floating state.
    virtual void OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags);

    CSize m_FloatSize;
    CSize m_HorzDockSize;  // cx along the edge, cy across
    CSize m_VertDockSize;  // cx across the edge, cy along

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
