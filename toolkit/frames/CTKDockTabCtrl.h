#pragma once
// Classes in this file: CTKDockTabCtrl, the tab strip along the bottom of a
// size dock bar that groups its sizable bars: only the selected tab's bar
// shows; a tab dragged off the strip takes its bar along.

#include "afxwin.h"

#include "CTKSkinnedTabCtrl.h"

class CTKSizeDockBar;

class CTKDockTabCtrl : public CTKSkinnedTabCtrl {
    DECLARE_DYNAMIC(CTKDockTabCtrl)
public:
    CTKDockTabCtrl() = default;

    // The tab of a bar, or -1.
    int FindBar(CControlBar* pBar) const;
    CControlBar* GetBar(int nIndex) const;
    // Groups a bar at tab nIndex, with every other sizable bar of the dock
    // bar that has no tab yet in front.
    void InsertBar(CControlBar* pBar, int nIndex, BOOL bSelect);
    // Ungroups a bar; the last bar left alone loses its tab too.
    void RemoveBar(CControlBar* pBar);
    void ShowSelectedBar();
    // The tab position for a drop at a screen point (0 over the strip's
    // zone but no tab), or -1 outside the zone.
    int HitTestDrop(CPoint point, CControlBar* pBar) const;
    // Moves tab nFrom to nTo while a tab is dragged across the strip, once
    // point (client) has passed the middle of the target tab.
    void MoveTab(int nFrom, int nTo, CPoint point);
    // Moves tab nFrom to nTo, keeping its text and bar, and selects it.
    void MoveBarTab(int nFrom, int nTo);

    // How far above the dock bar's bottom a drop groups the bar as a tab.
    static const int kDropZoneHeight = 48;

    CFont m_font;
    CControlBar* m_pLastSelectedBar = nullptr;
    CTKSizeDockBar* m_pDockBar = nullptr;
    CPoint m_ptDown;

protected:
    void InsertTab(int nIndex, CControlBar* pBar);
    void PlaceStrip();
    void ShowBar(CControlBar* pBar, BOOL bShow);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
