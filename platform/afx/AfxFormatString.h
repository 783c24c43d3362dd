#pragma once
// Messages built from a string resource with a placeholder.

#include "CString.h"

// Loads string nIDS and puts lpsz1 in place of every "%1".
void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
// Loads string nIDS and puts lpsz1 in place of "%1", lpsz2 of "%2".
void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2);
