#include "PagePaste.h"

#include <algorithm>

bool CPagePaste::IsInside(int nCol, int nRow) const
{
    return nCol >= 0 && nRow >= 0 && nCol < m_nColCount && nRow < m_nRowCount;
}

void CPagePaste::Write(std::vector<CCellText>& cells, int nCol, int nRow, const CString& sText)
{
    if (!IsInside(nCol, nRow))
        return;
    cells.push_back({nCol, nRow, sText});
    m_nLastCol = std::max(m_nLastCol, nCol);
    m_nLastRow = std::max(m_nLastRow, nRow);
}

std::vector<CCellText> CPagePaste::Split(const CString& sText, int nStartCol, int nStartRow)
{
    std::vector<CCellText> cells;
    m_nLastCol = nStartCol;
    m_nLastRow = nStartRow;
    int nCol = nStartCol;
    int nRow = nStartRow;
    const int nLength = sText.GetLength();
    int i = 0;
    // Each cell's text ends at a tab, a line end or the end of the text;
    // a separator right after another gives an empty cell.
    while (i <= nLength) {
        int nEnd = i;
        while (nEnd < nLength && sText[nEnd] != '\t' && sText[nEnd] != '\r' && sText[nEnd] != '\n')
            ++nEnd;
        if (nEnd > i || nEnd < nLength)
            Write(cells, nCol, nRow, sText.Mid(i, nEnd - i));
        if (nEnd >= nLength)
            break;
        if (sText[nEnd] == '\t') {
            ++nCol;
        } else {
            if (sText[nEnd] == '\r' && nEnd + 1 < nLength && sText[nEnd + 1] == '\n')
                ++nEnd;
            ++nRow;
            nCol = nStartCol;
        }
        i = nEnd + 1;
        if (i == nLength)
            break;  // a closing line end starts no further cell
    }
    return cells;
}

std::vector<CCellText> CPagePaste::IntoField(const CString& sText, int nCol, int nRow)
{
    std::vector<CCellText> cells;
    m_nLastCol = nCol;
    m_nLastRow = nRow;
    Write(cells, nCol, nRow, sText);
    return cells;
}
