#pragma once
// Classes in this file: CGRTipText, the text of a tip that a grid window
// (cell area, headings) hands to its tip control, with the tip's width and
// delays: it stays up while the pointer rests and comes quickly.

#include "afxwin.h"

class CGRTipText {
public:
    static void Supply(NMHDR* pNMHDR, const CString& sText);
};
