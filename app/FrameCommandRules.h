#pragma once
// Functions in this file: the main frame's rules that depend only on the
// project's kind: which correction toggles a project refuses and which check
// marks it shows, which open commands it offers, and what each open command
// opens.

#include "afx.h"

class CReportInfo;

// The five application-wide correction toggles, by command id.
constexpr UINT kToggleTenthDb = 32782;
constexpr UINT kToggleShiftedRefCurve = 32781;
constexpr UINT kToggleBgnCorrection = 32785;
constexpr UINT kToggleFtmCorrection = 32819;
constexpr UINT kToggleZezurCorrection = 32857;

// A toggle's check mark while a project of this kind is selected in the
// focused tree: the application's flag, unless the kind clears or sets it.
struct CToggleMark {
    bool m_bChecked;
    bool m_bEnabled;
};

// The toggle's own rule: true when a project of this kind refuses it.
bool IsToggleRefused(UINT nToggleId, const CReportInfo& info);
// The mark of nToggleId for a project of this kind, given the flag.
CToggleMark ToggleMarkFor(UINT nToggleId, const CReportInfo& info, bool bFlag);

// The window an open command opens: a view kind, and whether it is a table.
struct COpenTarget {
    int m_nViewKind;
    BOOL m_bTable;
};

bool IsOpenCommand(UINT nId);
COpenTarget OpenTargetOf(UINT nOpenId);
// True when a project of this kind has no window for the open command.
bool IsOpenRefused(UINT nOpenId, const CReportInfo& info);
