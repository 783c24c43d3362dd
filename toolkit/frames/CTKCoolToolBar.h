#pragma once
// Classes in this file: CTKCoolToolBar, the main frame's toolbar. Stand-in:
// the framework's toolbar (one fixed horizontal row); customising, hosted
// windows, button texts and its own skins are not there yet.

#include "afxwin.h"

class CTKCoolToolBar : public CToolBar {
    DECLARE_DYNAMIC(CTKCoolToolBar)
public:
    CTKCoolToolBar() = default;

    // bFlag is kept for the dock context of the real toolbar.
    void EnableDocking(DWORD dwDockStyle, BOOL bFlag);
    // After buttons changed: the frame lays out its bars again (with
    // bRecalcLayout) and the bar repaints.
    void UpdateSizes(BOOL bRecalcLayout, BOOL bRedraw);

    BOOL m_bDockContextFlag = FALSE;
};
