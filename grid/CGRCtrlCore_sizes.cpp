// CGRCtrlCore: row and column counts, column widths and row heights, the
// headings' sizes, locked rows and columns, moving a column, fitting
// columns to the window or to their cells, and the sizes the user drags.
#include "CGRCtrlCore.h"

#include "CGRDataSource.h"

#include <algorithm>
#include <vector>

// ---------------------------------------------------------------------------
// Counts and sizes

int CGRCtrlCore::SetRowCount(int nRows, int nRedraw)
{
    if (nRows < 0)
        return kGridOutOfRange;
    CGRGridInfo& info = *m_pGridInfo;
    if (nRows > 0 && nRows <= info.m_nLockedRows)
        LockRows(nRows - 1);
    if (nRows > kUniformRowsAbove && !info.m_nUniformRowHeight)
        SetUniformRowHeight(1);
    info.m_nNumberRows = nRows;
    if (!info.m_nUniformRowHeight)
        info.m_rowHeights.resize(static_cast<size_t>(nRows), info.m_nDefRowHeight);
    if (info.m_nCurrentRow >= nRows)
        info.m_nCurrentRow = info.m_nLastCurrentRow = info.m_nTargetRow = nRows - 1;
    UpdateLockedSizes();
    ClampViewToMaxima();
    EnsureCurrentCell();
    if (nRedraw)
        RedrawAll();
    return kGridDone;
}

int CGRCtrlCore::GetRowCount() const
{
    return m_pGridInfo->m_nNumberRows;
}

// New columns take the default width, the sheet's data source, a copy of
// the grid default cell and their own index as data-source column.
int CGRCtrlCore::SetColCount(int nCols, int nRedraw)
{
    if (!InRange(nCols, 0, kMaxCols))
        return kGridOutOfRange;
    CGRGridInfo& info = *m_pGridInfo;
    if (nCols > 0 && nCols <= info.m_nLockedCols)
        LockColumns(nCols - 1);
    info.m_columns.resize(static_cast<size_t>(nCols));
    for (int nCol = info.m_nNumberCols; nCol < nCols; ++nCol) {
        CGRGridInfo::ColumnRecord& record = info.m_columns[static_cast<size_t>(nCol)];
        record.nWidth = info.m_nDefColWidth;
        record.pDataSource = nullptr;
        record.pDefaultCell.reset(new CGRCell(info.m_gridDefault));
        record.nDataSourceCol = nCol;
    }
    info.m_nNumberCols = nCols;
    if (info.m_nCurrentCol >= nCols)
        info.m_nCurrentCol = info.m_nLastCurrentCol = info.m_nTargetCol = nCols - 1;
    UpdateLockedSizes();
    ClampViewToMaxima();
    EnsureCurrentCell();
    if (nRedraw)
        RedrawAll();
    return kGridDone;
}

int CGRCtrlCore::GetColCount() const
{
    return m_pGridInfo->m_nNumberCols;
}

int CGRCtrlCore::AppendCol()
{
    int nResult = m_pGridInfo->m_pDefDataSource->AppendCol();
    if (nResult == kGridDone)
        SetColCount(GetColCount() + 1, 1);
    return nResult;
}

// The data source drops the column's cells; the column's record moves to
// the end, where the shorter count frees it.
int CGRCtrlCore::DeleteCol(int nCol)
{
    if (!InRange(nCol, 0, GetColCount() - 1))
        return kGridOutOfRange;
    int nResult = DataSourceFor(nCol)->DeleteCol(GetColTranslation(nCol));
    if (nResult != kGridDone)
        return nResult;
    std::vector<CGRGridInfo::ColumnRecord>& columns = m_pGridInfo->m_columns;
    std::rotate(columns.begin() + nCol, columns.begin() + nCol + 1, columns.end());
    SetColCount(GetColCount() - 1, 1);
    return kGridDone;
}

// Each type of a cell in view in the column (row) may change the new size.
void CGRCtrlCore::SetCellTypesSize(bool bRows, int nIndex, int* pnSize)
{
    if (!IsControlVisible() || !m_pGridInfo->m_bUpdateEnabled)
        return;
    const CGRGridInfo& info = *m_pGridInfo;
    int nFrom = bRows ? info.m_nLeftCol : info.m_nTopRow;
    int nTo = bRows ? info.m_nRightCol : info.m_nBottomRow;
    for (int nOther = nFrom; nOther <= nTo; ++nOther) {
        int nCol = bRows ? nOther : nIndex;
        int nRow = bRows ? nIndex : nOther;
        if (nCol >= GetColCount() || nRow >= GetRowCount())
            continue;
        CGRCell cell;
        CGRCellType* pType = CellTypeOf(nCol, nRow, cell);
        if (bRows)
            pType->OnRowHeightSet(nCol, nRow, pnSize);
        else
            pType->OnColWidthSet(nCol, nRow, pnSize);
    }
}

int CGRCtrlCore::SetColWidth(int nCol, int nWidth)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (nCol >= info.m_nNumberCols || nCol < -info.m_nNumberSideHdgCols)
        return kGridOutOfRange;
    if (nCol < 0)
        return SetSideHdgColWidth(nCol, nWidth);
    SetCellTypesSize(false, nCol, &nWidth);
    OnColSized(nCol, &nWidth);
    info.m_columns[static_cast<size_t>(nCol)].nWidth = nWidth;
    UpdateLockedSizes();
    RecomputeView();
    return kGridDone;
}

int CGRCtrlCore::QueryColWidth(int nCol, int* pnWidth) const
{
    const CGRGridInfo& info = *m_pGridInfo;
    if (nCol >= info.m_nNumberCols || nCol < -info.m_nNumberSideHdgCols)
        return kGridOutOfRange;
    *pnWidth = nCol < 0 ? info.GetSideHdgColWidth(nCol) : info.GetColWidth(nCol);
    return kGridDone;
}

int CGRCtrlCore::GetColWidth(int nCol) const
{
    return m_pGridInfo->GetColWidth(nCol);
}

int CGRCtrlCore::SetDefColWidth(int nWidth)
{
    if (nWidth < 0)
        return kGridOutOfRange;
    m_pGridInfo->m_nDefColWidth = nWidth;
    return kGridDone;
}

int CGRCtrlCore::SetDefRowHeight(int nHeight)
{
    if (!InRange(nHeight, 1, CGRGridInfo::kMaxHeadingSize))
        return kGridOutOfRange;
    m_pGridInfo->m_nDefRowHeight = nHeight;
    UpdateLockedSizes();
    RecomputeView();
    return kGridDone;
}

// On: every row takes the default height and no per-row heights are kept.
// Off: each row gets a height of its own, the default to begin with.
int CGRCtrlCore::SetUniformRowHeight(int nOn)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (nOn) {
        info.m_rowHeights.clear();
        info.m_rowHeights.shrink_to_fit();
        info.m_nUniformRowHeight = 1;
    } else if (info.m_nUniformRowHeight && info.m_rowHeights.empty()) {
        info.m_rowHeights.assign(static_cast<size_t>(info.m_nNumberRows), info.m_nDefRowHeight);
        info.m_nUniformRowHeight = 0;
    }
    return kGridDone;
}

int CGRCtrlCore::SetRowHeight(int nRow, int nHeight)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (nRow >= info.m_nNumberRows || nRow < -info.m_nNumberTopHdgRows)
        return kGridOutOfRange;
    if (nRow < 0)
        return SetTopHdgRowHeight(nRow, nHeight);
    SetCellTypesSize(true, nRow, &nHeight);
    OnRowSized(nRow, &nHeight);
    if (info.m_nUniformRowHeight)
        info.m_nDefRowHeight = nHeight;
    else
        info.m_rowHeights[static_cast<size_t>(nRow)] = nHeight;
    UpdateLockedSizes();
    RecomputeView();
    return kGridDone;
}

int CGRCtrlCore::QueryRowHeight(int nRow, int* pnHeight) const
{
    const CGRGridInfo& info = *m_pGridInfo;
    if (nRow >= info.m_nNumberRows || nRow < -info.m_nNumberTopHdgRows)
        return kGridOutOfRange;
    *pnHeight = nRow < 0 ? info.GetTopHdgRowHeight(nRow) : info.GetRowHeight(nRow);
    return kGridDone;
}

int CGRCtrlCore::GetRowHeight(int nRow) const
{
    return m_pGridInfo->GetRowHeight(nRow);
}

// Each heading row keeps its share of the new total, rounded to the nearest
// pixel (halves up): 20 and 10 become 27 and 13 for a total of 40. Rows
// that all had no height share the total evenly, the rest going to row -1.
int CGRCtrlCore::SetHeadingTotal(bool bRows, int nTotal)
{
    if (!InRange(nTotal, 0, CGRGridInfo::kMaxHeadingSize))
        return kGridOutOfRange;
    CGRGridInfo& info = *m_pGridInfo;
    std::vector<int>& sizes = bRows ? info.m_topHdgHeights : info.m_sideHdgWidths;
    long long nOldTotal = 0;
    for (int nSize : sizes)
        nOldTotal += nSize;
    int nCount = static_cast<int>(sizes.size());
    for (int& nSize : sizes)
        nSize = nOldTotal > 0 ? static_cast<int>((2LL * nSize * nTotal + nOldTotal) / (2 * nOldTotal))
                              : nTotal / nCount;
    if (nOldTotal == 0)
        sizes[0] += nTotal % nCount;
    (bRows ? info.m_nTopHdgHeight : info.m_nSideHdgWidth) = nTotal;
    AdjustComponentSizes();
    return kGridDone;
}

int CGRCtrlCore::SetTopHeadingHeight(int nHeight)
{
    return SetHeadingTotal(true, nHeight);
}

int CGRCtrlCore::GetTopHeadingHeight() const
{
    return m_pGridInfo->m_nTopHdgHeight;
}

int CGRCtrlCore::SetSideHeadingWidth(int nWidth)
{
    return SetHeadingTotal(false, nWidth);
}

int CGRCtrlCore::GetSideHeadingWidth() const
{
    return m_pGridInfo->m_nSideHdgWidth;
}

// With a single heading row (column) the heading's total follows it.
int CGRCtrlCore::SetHeadingSize(bool bRows, int nIndex, int nSize)
{
    CGRGridInfo& info = *m_pGridInfo;
    std::vector<int>& sizes = bRows ? info.m_topHdgHeights : info.m_sideHdgWidths;
    if (nIndex >= 0 || nIndex < -static_cast<int>(sizes.size()))
        return kGridOutOfRange;
    if (!InRange(nSize, 0, CGRGridInfo::kMaxHeadingSize))
        return kGridRefused;
    sizes[static_cast<size_t>(-nIndex - 1)] = nSize;
    if (sizes.size() == 1)
        (bRows ? info.m_nTopHdgHeight : info.m_nSideHdgWidth) = nSize;
    AdjustComponentSizes();
    return kGridDone;
}

int CGRCtrlCore::SetTopHdgRowHeight(int nRow, int nHeight)
{
    return SetHeadingSize(true, nRow, nHeight);
}

int CGRCtrlCore::SetSideHdgColWidth(int nCol, int nWidth)
{
    return SetHeadingSize(false, nCol, nWidth);
}

int CGRCtrlCore::GetVScrollWidth() const
{
    return m_pGridInfo->m_nVScrollWidth;
}

int CGRCtrlCore::GetHScrollHeight() const
{
    return m_pGridInfo->m_nHScrollHeight;
}

int CGRCtrlCore::LockColumns(int nCols)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (!InRange(nCols, 0, info.m_nNumberCols))
        return kGridOutOfRange;
    info.m_nLockedCols = nCols;
    info.m_nLeftCol = info.m_nLastLeftCol = nCols;
    UpdateLockedSizes();
    RecomputeView();
    return kGridDone;
}

int CGRCtrlCore::LockRows(int nRows)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (!InRange(nRows, 0, info.m_nNumberRows))
        return kGridOutOfRange;
    info.m_nLockedRows = nRows;
    info.m_nTopRow = info.m_nLastTopRow = nRows;
    UpdateLockedSizes();
    RecomputeView();
    return kGridDone;
}

// The column lands before the target slot: tocol itself, or the slot after
// it when the insert-before flag is 0. Onto itself or onto its right
// neighbour nothing moves.
int CGRCtrlCore::MoveColPosition(int nFromCol, int nToCol, int nInsertBefore)
{
    int nCols = GetColCount();
    int nSlot = nInsertBefore ? nToCol : nToCol + 1;
    if (!InRange(nFromCol, 0, nCols - 1) || !InRange(nSlot, 0, nCols))
        return kGridOutOfRange;
    if (nToCol == nFromCol || nToCol == nFromCol + 1)
        return kGridDone;
    std::vector<CGRGridInfo::ColumnRecord>& columns = m_pGridInfo->m_columns;
    auto itFrom = columns.begin() + nFromCol;
    if (nSlot > nFromCol)
        std::rotate(itFrom, itFrom + 1, columns.begin() + nSlot);
    else
        std::rotate(columns.begin() + nSlot, itFrom, itFrom + 1);
    UpdateLockedSizes();
    RecomputeView();
    return kGridDone;
}

// The columns of the range share the cell area's width in proportion to
// their widths; the last one takes what the truncation left over.
int CGRCtrlCore::FitToWindow(int nStartCol, int nEndCol)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (nStartCol < 0 || nEndCol < nStartCol || nEndCol >= info.m_nNumberCols)
        return kGridOutOfRange;
    int nSum = info.SumColWidths(nStartCol, nEndCol);
    if (nSum <= 0)
        return kGridOutOfRange;
    int nKeptUpdate = info.m_bUpdateEnabled;
    info.m_bUpdateEnabled = 1;
    float fFactor = static_cast<float>(info.m_nAreaWidth) / static_cast<float>(nSum);
    int nUsed = 0;
    for (int nCol = nStartCol; nCol < nEndCol; ++nCol) {
        int nWidth = static_cast<int>(static_cast<float>(info.GetColWidth(nCol)) * fFactor);
        SetColWidth(nCol, nWidth);
        nUsed += nWidth;
    }
    SetColWidth(nEndCol, info.m_nAreaWidth - nUsed);
    info.m_bUpdateEnabled = nKeptUpdate;
    RedrawAll();
    return kGridDone;
}

int CGRCtrlCore::BestFit(int nStartCol, int nEndCol, int nRowsToCheck, int nFlags)
{
    return FitColumnsToCells(nullptr, nStartCol, nEndCol, nRowsToCheck, nFlags);
}

// Each column of the range gets the widest room its cells' types ask for,
// plus 2, capped at the room the area has; flag 1 counts the heading rows
// in. The widths pass through SetColWidth, so the cell types and
// OnColSized still have their say; side heading columns then give the
// side heading its new total width.
int CGRCtrlCore::FitColumnsToCells(CDC* pDC, int nStartCol, int nEndCol, int nRowsToCheck, int nFlags)
{
    const CGRGridInfo& info = *m_pGridInfo;
    if (nStartCol < -info.m_nNumberSideHdgCols)
        return kGridOutOfRange;
    if (nEndCol >= info.m_nNumberCols)
        return kGridRefused;
    if (nStartCol > nEndCol)
        return kGridFailed;
    std::vector<int> best = BestCellWidths(pDC, nStartCol, nEndCol, nRowsToCheck, nFlags);
    int nLimit = info.m_nAreaWidth > 0 ? info.m_nAreaWidth - info.m_nVScrollWidth : kBestFitLimitWithoutArea;
    for (int nCol = nStartCol; nCol <= nEndCol; ++nCol) {
        int nBest = best[static_cast<size_t>(nCol - nStartCol)];
        SetColWidth(nCol, nBest > nLimit ? nLimit : nBest + 2);
    }
    if (nStartCol < 0) {
        int nSideWidth = 0;
        for (int nCol = -1; nCol >= -info.m_nNumberSideHdgCols; --nCol)
            nSideWidth += info.GetSideHdgColWidth(nCol);
        SetSideHeadingWidth(nSideWidth);
    }
    AdjustComponentSizes();
    return kGridDone;
}

// The widest best size of the cells of each column, joined cells left out,
// over at most nRowsToCheck rows.
std::vector<int> CGRCtrlCore::BestCellWidths(CDC* pDC, int nStartCol, int nEndCol, int nRowsToCheck, int nFlags)
{
    const int kNarrowest = 3;
    const CGRGridInfo& info = *m_pGridInfo;
    std::vector<int> best(static_cast<size_t>(nEndCol - nStartCol + 1), kNarrowest);
    int nFirstRow = (nFlags & kBestFitHeadings) ? -info.m_nNumberTopHdgRows : 0;
    int nChecked = 0;
    for (int nRow = nFirstRow; nRow < info.m_nNumberRows && nChecked < nRowsToCheck; ++nRow, ++nChecked) {
        int nHeight = 0;
        QueryRowHeight(nRow, &nHeight);
        for (int nCol = nStartCol; nCol <= nEndCol; ++nCol) {
            CGRCell cell;
            CGRCellType* pType = CellTypeOf(nCol, nRow, cell);
            if (cell.IsPropertySet(kPropJoin))
                continue;
            int nWidth = 0;
            QueryColWidth(nCol, &nWidth);
            CSize size(nWidth, nHeight);
            pType->GetBestSize(pDC, &size, &cell);
            int& nBest = best[static_cast<size_t>(nCol - nStartCol)];
            nBest = std::max(nBest, static_cast<int>(size.cx));
        }
    }
    return best;
}

void CGRCtrlCore::UpdateLockedSizes()
{
    CGRGridInfo& info = *m_pGridInfo;
    info.m_nLockedColsWidth = info.SumColWidths(0, info.m_nLockedCols - 1);
    info.m_nLockedRowsHeight = info.SumRowHeights(0, info.m_nLockedRows - 1);
}

// ---------------------------------------------------------------------------
// Headings and sheet tabs

int CGRCtrlCore::StoreDraggedColWidth(int nCol, int nWidth)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (nCol < 0 || nCol >= info.m_nNumberCols || nWidth < 0)
        return kGridOutOfRange;
    info.m_columns[static_cast<size_t>(nCol)].nWidth = nWidth;
    UpdateLockedSizes();
    RecomputeView();
    return kGridDone;
}

int CGRCtrlCore::StoreDraggedRowHeight(int nRow, int nHeight)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (nRow < 0 || nRow >= info.m_nNumberRows || nHeight < 0)
        return kGridOutOfRange;
    if (info.m_nUniformRowHeight)
        info.m_nDefRowHeight = std::max(nHeight, 1);
    else
        info.m_rowHeights[static_cast<size_t>(nRow)] = nHeight;
    UpdateLockedSizes();
    RecomputeView();
    return kGridDone;
}

int CGRCtrlCore::SetTabWidth(int nWidth)
{
    if (nWidth < 0)
        return kGridOutOfRange;
    m_pGridInfo->m_nTabWidth = nWidth;
    AdjustComponentSizes();
    return kGridDone;
}

int CGRCtrlCore::GetTabWidth() const
{
    return m_pGridInfo->m_nTabWidth;
}

void CGRCtrlCore::SizeTabArea(int nWidth)
{
    m_bTabSizing = 1;
    m_pGridInfo->m_nTabWidth = nWidth;
    AdjustComponentSizes();
    m_bTabSizing = 0;
}
