#pragma once
// Classes in this file: CTKMenuBarHost, the base of a frame whose menu is
// drawn by a menu bar. Stand-in: the frame keeps the system's menu bar, and
// GetMenu is the frame's own menu.

#include "afxwin.h"

template <class TBase>
class CTKMenuBarHost : public TBase {
public:
    CTKMenuBarHost() = default;

    // The menu the menu bar shows; check marks are set on it directly.
    CMenu* GetMenu() const { return TBase::GetMenu(); }
};
