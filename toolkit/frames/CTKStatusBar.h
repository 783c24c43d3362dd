#pragma once
// Classes in this file: CTKStatusBar, the main frame's status bar. Stand-in:
// the framework's status bar; pane bitmaps, fonts, colours, tips, cursors,
// progress controls and skins are not there yet.

#include "afxwin.h"

class CTKStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(CTKStatusBar)
public:
    CTKStatusBar() = default;
};
