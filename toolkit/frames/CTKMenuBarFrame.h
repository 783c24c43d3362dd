#pragma once
// Classes in this file: CTKMenuBarFrame, a menu-bar frame whose edges hold
// dock bars of the class TDockBar. Stand-in: docking is the framework's
// fixed docking, bars stay on the edge they are docked to.
//
// A class derived from it names its base through a typedef in its message
// map, since the template's comma would split the macro's arguments.

#include "CTKMenuBarHost.h"

template <class TBase, class TDockBar>
class CTKMenuBarFrame : public CTKMenuBarHost<TBase> {
public:
    CTKMenuBarFrame() = default;

    // The sides (CBRS_ALIGN_) bars may dock on.
    void EnableDocking(DWORD dwDockStyle) { TBase::EnableDocking(dwDockStyle); }
};
