#pragma once
// Classes in this file: CPageKeyMove, where a move key takes the current
// cell of a result or report page: Tab and Shift+Tab step through the
// columns and wrap within the row, Ctrl with an arrow goes to the page's
// edge, Home and End to the first and last column and, from there, to the
// first and last page row. The narrow closing column at the right is never
// entered. Plain arrows and page keys are left to the grid.

#include "afx.h"

class CPageKeyMove {
public:
    struct CCell {
        int m_nCol;
        int m_nRow;
        bool operator==(const CCell& other) const { return m_nCol == other.m_nCol && m_nRow == other.m_nRow; }
    };

    // nColCount includes the closing column; nLastPageRow is the last row
    // of the page the keyboard reaches with Ctrl+Down and End.
    CPageKeyMove(int nColCount, int nLastPageRow) : m_nColCount(nColCount), m_nLastPageRow(nLastPageRow) {}

    // True when the page moves for the key itself (then target is set).
    bool Target(CCell current, UINT nKey, bool bShift, bool bCtrl, CCell& target) const;

private:
    int LastCol() const { return m_nColCount - 2; }

    int m_nColCount;
    int m_nLastPageRow;
};
