#pragma once
// Classes in this file: CTKPaneProgress, the progress control a status-bar
// pane may show in place of its text, made the first time the bar lays out
// its panes, with room at its left for a percentage the pane's text shows.

#include "afxwin.h"
#include "CProgressCtrl.h"

class CTKPaneProgress : public CProgressCtrl {
public:
    explicit CTKPaneProgress(BOOL bShowPercent) : m_bShowPercent(bShowPercent) {}

    // Makes the control in rectPane of pBar the first time, then moves it
    // there and shows it; cxPercent is the room left for the percentage.
    BOOL Place(CWnd* pBar, UINT nID, const CRect& rectPane, int cxPercent);
    BOOL IsShowingPercent() const { return m_bShowPercent; }

private:
    BOOL m_bShowPercent;
};
