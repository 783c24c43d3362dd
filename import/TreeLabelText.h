#pragma once
// Functions in this file: the tree's labels built from string-table texts,
// alone, followed by a second text, or with a second text in brackets.

#include "afx.h"

CString LoadedText(UINT nId);
// The first text, " " and the second.
CString JoinedText(UINT nFirst, UINT nSecond);
// The first text, " (", the second and ")".
CString BracketedText(UINT nFirst, UINT nSecond);
