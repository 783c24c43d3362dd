#pragma once
// Classes in this file: CTableKeyMove, where a move key takes the current
// cell of a measurement table: Tab and the arrows step to the next shown
// column or row (hidden ones have no width or height), Ctrl with an arrow
// goes to the edge, Home to the first cell, End to the last; the keyboard
// never goes right of the last column it may reach.

#include "afx.h"

#include <functional>

class CTableKeyMove {
public:
    struct CCell {
        int m_nCol;
        int m_nRow;
        bool operator==(const CCell& other) const { return m_nCol == other.m_nCol && m_nRow == other.m_nRow; }
    };

    CTableKeyMove(int nLastCol, int nLastRow, std::function<bool(int)> isColShown, std::function<bool(int)> isRowShown);

    static bool IsMoveKey(UINT nKey);
    // The cell the key leads to from current; current itself for any other key.
    CCell Target(CCell current, UINT nKey, bool bShift, bool bCtrl) const;

private:
    int StepCol(int nFrom, int nDirection) const;
    int StepRow(int nFrom, int nDirection) const;
    static int Step(int nFrom, int nDirection, int nLast, const std::function<bool(int)>& isShown);

    int m_nLastCol;
    int m_nLastRow;
    std::function<bool(int)> m_isColShown;
    std::function<bool(int)> m_isRowShown;
};
