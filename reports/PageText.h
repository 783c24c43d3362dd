#pragma once
// Functions in this file: ExpandPageText, the codes of a printed page's
// header and footer parts ("&D" date, "&F" workspace title, "&P" workspace
// path, "&V" program version, "&T" window title) replaced by their texts.

#include "afx.h"

// What the codes of one printed page stand for.
struct CPageTextValues {
    CString sDate;            // &D
    CString sWorkspaceTitle;  // &F
    CString sWorkspacePath;   // &P
    CString sVersion;         // &V, the whole text ("Vestolar Version ...")
    CString sWindowTitle;     // &T
};

CString ExpandPageText(const CString& sText, const CPageTextValues& values);
