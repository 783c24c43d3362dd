#pragma once
// Classes in this file: CPagePaste, where pasted text lands on a result or
// report page: cells are split at tabs, rows at line ends (CR, LF or CR LF
// counting once), starting at the current cell; cells outside the page are
// skipped. A paste into one multi-line field keeps the whole text there,
// since the cells below the field's first line are hidden in its join.

#include "ResultLayout.h"

#include <vector>

class CPagePaste {
public:
    CPagePaste(int nColCount, int nRowCount) : m_nColCount(nColCount), m_nRowCount(nRowCount) {}

    // The cells written, in order; the range written is then
    // (nStartCol, nStartRow)-(m_nLastCol, m_nLastRow).
    std::vector<CCellText> Split(const CString& sText, int nStartCol, int nStartRow);
    std::vector<CCellText> IntoField(const CString& sText, int nCol, int nRow);

    int m_nLastCol = -1;
    int m_nLastRow = -1;

private:
    bool IsInside(int nCol, int nRow) const;
    void Write(std::vector<CCellText>& cells, int nCol, int nRow, const CString& sText);

    int m_nColCount;
    int m_nRowCount;
};
