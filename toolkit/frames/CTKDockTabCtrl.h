#pragma once
// Classes in this file: CTKDockTabCtrl, the tab strip along the bottom of a
// size dock bar that groups the sizable bars of a row: only the selected
// tab's bar shows. Stand-in: no tabs are ever made.

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
    void InsertBar(CControlBar* pBar, int nIndex, BOOL bSelect);
    void RemoveBar(CControlBar* pBar);
    void ShowSelectedBar();
    // The tab position for a drop at a screen point, or -1.
    int HitTestDrop(CPoint point, CControlBar* pBar) const;

    CTKSizeDockBar* m_pDockBar = nullptr;
};
