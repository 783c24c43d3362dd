#pragma once
// Texts between the program's ANSI strings and COM's wide ones.

#include "afx.h"

#include <string>

// Null gives an empty text.
CString AfxNarrowOf(LPCOLESTR lpszText);
std::wstring AfxWideOf(LPCTSTR lpszText);
// The registry form "{...}" of a class or interface id.
CString AfxGuidText(REFGUID guid);
