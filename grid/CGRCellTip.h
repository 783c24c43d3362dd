#pragma once
// Classes in this file: CGRCellTip, the cell tip of a grid window (cell
// area, headings): a tip shows only once the pointer rests in a cell, and
// its text goes to the tip control with the tip's width and delays (it
// stays up while the pointer rests and comes quickly).

#include "afxwin.h"

class CGRCellTip {
public:
    // The first hit in a new cell reports no tool (and hides a tip still
    // up); the next one in the same cell reports the window itself, whose
    // text comes by callback.
    INT_PTR HitTest(const CWnd* pWnd, int nCol, int nRow, TOOLINFO* pTI);
    static void Supply(NMHDR* pNMHDR, const CString& sText);

private:
    int m_nCol = -1;
    int m_nRow = -1;
};
