// CGRCtrlCore: joining cells into one range and finding a range from any
// of its cells.
#include "CGRCtrlCore.h"

// ---------------------------------------------------------------------------
// Joined cells

// Members of the range point back at its first cell; the first cell holds
// the range's span.
int CGRCtrlCore::JoinCells(int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    const CGRGridInfo& info = *m_pGridInfo;
    if (nStartCol > nEndCol || nStartRow > nEndRow || nEndCol >= info.m_nNumberCols
        || nEndRow >= info.m_nNumberRows || nStartCol < -info.m_nNumberSideHdgCols
        || nStartRow < -info.m_nNumberTopHdgRows)
        return kGridOutOfRange;
    CGRCell cell;
    for (int nRow = nStartRow; nRow <= nEndRow; ++nRow)
        for (int nCol = nStartCol; nCol <= nEndCol; ++nCol) {
            cell.ClearAll();
            GetCell(nCol, nRow, &cell);
            cell.SetJoinInfo(0, nStartCol - nCol, nStartRow - nRow);
            SetCell(nCol, nRow, &cell);
        }
    cell.ClearAll();
    GetCell(nStartCol, nStartRow, &cell);
    cell.SetJoinInfo(1, nEndCol - nStartCol, nEndRow - nStartRow);
    SetCell(nStartCol, nStartRow, &cell);
    return kGridDone;
}

int CGRCtrlCore::UnjoinCells(int nCol, int nRow)
{
    int nEndCol = 0, nEndRow = 0;
    if (GetJoinRange(nCol, nRow, nEndCol, nEndRow) != kGridDone)
        return kGridDone;
    CGRCell cell;
    for (int nJoinRow = nRow; nJoinRow <= nEndRow; ++nJoinRow)
        for (int nJoinCol = nCol; nJoinCol <= nEndCol; ++nJoinCol) {
            cell.ClearAll();
            GetCell(nJoinCol, nJoinRow, &cell);
            cell.ClearPropertyFlag(kPropJoin);
            SetCell(nJoinCol, nJoinRow, &cell);
        }
    return kGridDone;
}

int CGRCtrlCore::GetJoinStartCell(int& nCol, int& nRow)
{
    if (!m_pGridInfo->m_nJoinsInUse)
        return kGridOutOfRange;
    CGRCell cell;
    int nOrigin = 0, nColValue = 0, nRowValue = 0;
    if (GetCell(nCol, nRow, &cell) != kGridDone
        || cell.GetJoinInfo(&nOrigin, &nColValue, &nRowValue) != 0)
        return kGridRefused;
    if (!nOrigin) {
        nCol += nColValue;
        nRow += nRowValue;
    }
    return kGridDone;
}

int CGRCtrlCore::GetJoinRange(int& nCol, int& nRow, int& nEndCol, int& nEndRow)
{
    int nResult = GetJoinStartCell(nCol, nRow);
    if (nResult != kGridDone)
        return nResult;
    CGRCell cell;
    int nOrigin = 0, nColSpan = 0, nRowSpan = 0;
    GetCell(nCol, nRow, &cell);
    if (cell.GetJoinInfo(&nOrigin, &nColSpan, &nRowSpan) != 0 || !nOrigin)
        return kGridRefused;
    nEndCol = nCol + nColSpan;
    nEndRow = nRow + nRowSpan;
    return kGridDone;
}
