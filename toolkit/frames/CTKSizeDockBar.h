#pragma once
// Classes in this file: CTKSizeDockBar, the dock bar that lays out sizable
// bars in rows along a frame's edge. Stand-in: the framework's dock bar
// under the toolkit's name, with the queries the docking-bar skins and the
// sizable bars ask; no window of it is made yet, the frame's fixed docking
// places the bars.

#include "afxwin.h"

#include "CTKDockTabCtrl.h"

class CTKSizeControlBar;

class CTKSizeDockBar : public CDockBar {
    DECLARE_DYNAMIC(CTKSizeDockBar)
public:
    CTKSizeDockBar() = default;

    // The size dock bar of the main frame that should take pBar dragged to
    // the screen point, or null.
    static CTKSizeDockBar* FindDockBarAtPoint(CPoint point, CControlBar* pBar);

    // Docks a bar at a rectangle (screen coordinates; null: at the end),
    // grouping it into the tab strip where the rectangle asks for it.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Expands a bar over the others of its row, or gives the row back its sizes.
    void ExpandBar(CTKSizeControlBar* pBar, BOOL bExpand);
    // After a drop: the other bars of the bar's row shrink to make room.
    void MakeRoomForBar(CControlBar* pBar);

    int GetRowBarCount(CControlBar* pBar) const;
    // The bars other than pBar in the row the centre of a screen rectangle falls into.
    int CountBarsInRowAt(CControlBar* pBar, const CRect& rect) const;
    // The first docked sizable bar other than pBar, or null.
    CTKSizeControlBar* GetOtherSizeBar(CControlBar* pBar) const;
    CControlBar* GetFirstDockedBar() const;
    int GetTabHeight() const;

    CTKDockTabCtrl m_wndDockTabCtrl;
};
