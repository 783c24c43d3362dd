#pragma once
// Functions in this file: the correction toggles as a project's own window
// offers them (table, result and report windows): which kinds refuse a
// toggle and which check mark it shows. They differ from the main frame's
// rules, which follow the project selected in the tree.

#include "FrameCommandRules.h"

// True when a window of a project of this kind disables the toggle.
bool IsViewToggleRefused(UINT nToggleId, const CReportInfo& info);
// The mark and state of the toggle in a window of a project of this kind,
// given the application's flag.
CToggleMark ViewToggleMarkFor(UINT nToggleId, const CReportInfo& info, bool bFlag);
