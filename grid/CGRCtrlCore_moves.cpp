// CGRCtrlCore: the current cell and the view: moves with their
// notifications, scrolling, the keys and the wheel of the cell area.
#include "CGRCtrlCore.h"

#include "CGRAxis.h"
#include "CGRDataSource.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// Current cell and view

int CGRCtrlCore::GotoCell(int nCol, int nRow)
{
    if (!InRange(nCol, 0, GetColCount() - 1) || !InRange(nRow, 0, GetRowCount() - 1))
        return kGridOutOfRange;
    return MoveTo(nCol, nRow, true);
}

int CGRCtrlCore::GotoRow(int nRow)
{
    return GotoIndex(true, nRow);
}

int CGRCtrlCore::GotoCol(int nCol)
{
    return GotoIndex(false, nCol);
}

// A row past the last one gives the data source and then the program grid
// the chance to add rows. The data source reports rows it added to its
// storage, which the grid then counts; OnHitBottom may add rows itself.
// A row still past the end becomes the last row, or, when the current row
// is the last already, there is nothing to do. A negative row becomes 0.
int CGRCtrlCore::ClampTargetRow(int& nRow)
{
    int nRows = GetRowCount();
    if (nRow >= nRows) {
        int nAdded = 0;
        int nRowsPast = nRow - nRows + 1;
        if (m_pGridInfo->m_pDefDataSource->OnHitBottom(nRows, nRowsPast, &nAdded) == kGridDone
            && nAdded > 0)
            SetRowCount(nRows + nAdded, 1);
        OnHitBottom(nRows, nRowsPast, nAdded);
        nRows = GetRowCount();
    }
    if (nRow >= nRows) {
        if (m_pGridInfo->m_nCurrentRow == nRows - 1)
            return kGridOutOfRange;
        nRow = nRows - 1;
    }
    if (nRow < 0)
        nRow = 0;
    return kGridDone;
}

int CGRCtrlCore::ClampTargetCol(int& nCol)
{
    int nCols = GetColCount();
    if (nCol >= nCols) {
        if (m_pGridInfo->m_nCurrentCol == nCols - 1)
            return kGridOutOfRange;
        nCol = nCols - 1;
    }
    if (nCol < 0)
        nCol = 0;
    return kGridDone;
}

// GotoRow moves along the current column and asks only the program grid;
// GotoCol moves along the current row and asks the data source as well.
int CGRCtrlCore::GotoIndex(bool bRows, int nIndex)
{
    const CGRGridInfo& info = *m_pGridInfo;
    if (info.m_nNumberRows == 0 || info.m_nNumberCols == 0)
        return kGridOutOfRange;
    int nResult = bRows ? ClampTargetRow(nIndex) : ClampTargetCol(nIndex);
    if (nResult != kGridDone)
        return nResult;
    // A block grown from its anchor moves on from its moving end.
    bool bFromTarget = info.m_nMultiSelectMode && info.m_nTargetCol >= 0 && info.m_nTargetRow >= 0;
    int nCol = bRows ? std::max(bFromTarget ? info.m_nTargetCol : info.m_nCurrentCol, 0) : nIndex;
    int nRow = bRows ? nIndex : std::max(bFromTarget ? info.m_nTargetRow : info.m_nCurrentRow, 0);
    int nCurrent = bRows ? info.m_nCurrentRow : info.m_nCurrentCol;
    if (info.m_nJoinsInUse) {
        int nAdjusted = AdjustIntoJoin(bRows, bRows ? nCol : nRow, nIndex, nCurrent);
        (bRows ? nRow : nCol) = nAdjusted;
    }
    return MoveTo(nCol, nRow, !bRows);
}

// Moving down (right) into a joined range from before it lands on its
// first row (column); from inside it, on the one after its end. Moving up
// (left) from inside goes to the one before its first.
int CGRCtrlCore::AdjustIntoJoin(bool bRows, int nFixed, int nTarget, int nCurrent)
{
    int nCol = bRows ? nFixed : nTarget;
    int nRow = bRows ? nTarget : nFixed;
    int nEndCol = 0, nEndRow = 0;
    if (GetJoinRange(nCol, nRow, nEndCol, nEndRow) != kGridDone)
        return nTarget;
    int nStart = bRows ? nRow : nCol;
    int nEnd = bRows ? nEndRow : nEndCol;
    int nCount = bRows ? GetRowCount() : GetColCount();
    bool bInside = nCurrent >= nStart && nCurrent <= nEnd;
    if (nTarget > nCurrent)
        return bInside && nEnd + 1 < nCount ? nEnd + 1 : nStart;
    if (nTarget < nCurrent && bInside && nStart > 0)
        return nStart - 1;
    return nTarget;
}

// Asks the data source (when told to) and the program grid, brings the
// target into view and makes it current.
int CGRCtrlCore::MoveTo(int nCol, int nRow, bool bAskDataSource)
{
    CGRGridInfo& info = *m_pGridInfo;
    if (info.m_nJoinsInUse)
        GetJoinStartCell(nCol, nRow);
    int nOldCol = info.m_nCurrentCol;
    int nOldRow = info.m_nCurrentRow;
    if (bAskDataSource && DataSourceFor(nOldCol)->OnCanMove(nOldCol, nOldRow, nCol, nRow) != 1)
        return kGridRefused;
    if (!OnCanMove(nOldCol, nOldRow, nCol, nRow))
        return kGridRefused;
    int nLeftCol = CGRAxis::Columns(info).FirstToShow(nCol);
    int nTopRow = CGRAxis::Rows(info).FirstToShow(nRow);
    bool bViewMoves = nLeftCol != info.m_nLeftCol || nTopRow != info.m_nTopRow;
    if (bViewMoves && !OnCanViewMove(info.m_nLeftCol, info.m_nTopRow, nLeftCol, nTopRow))
        return kGridRefused;
    info.m_nTargetCol = nCol;
    info.m_nTargetRow = nRow;
    FollowSelection(nCol, nRow);
    ApplyMove(nCol, nRow, nLeftCol, nTopRow);
    return kGridDone;
}

// The move step: the new current cell and view, then the notifications in
// their order, the cell types' focus, the repaint, and the last-notified
// values.
void CGRCtrlCore::ApplyMove(int nCol, int nRow, int nLeftCol, int nTopRow)
{
    CGRGridInfo& info = *m_pGridInfo;
    int nOldCol = info.m_nCurrentCol;
    int nOldRow = info.m_nCurrentRow;
    int nOldLeftCol = info.m_nLeftCol;
    int nOldTopRow = info.m_nTopRow;
    info.m_nCurrentCol = nCol;
    info.m_nCurrentRow = nRow;
    info.m_nLeftCol = nLeftCol;
    info.m_nTopRow = nTopRow;
    RecomputeView();

    bool bColChanged = nCol != nOldCol;
    bool bRowChanged = nRow != nOldRow;
    if (bColChanged) {
        DataSourceFor(nCol)->OnColChange(nOldCol, nCol);
        OnColChange(nOldCol, nCol);
    }
    if (bRowChanged) {
        DataSourceFor(nCol)->OnRowChange(nOldRow, nRow);
        OnRowChange(nOldRow, nRow);
    }
    if (bColChanged || bRowChanged)
        OnCellChange(nOldCol, nCol, nOldRow, nRow);
    if (nLeftCol != nOldLeftCol)
        OnLeftColChange(nOldLeftCol, nLeftCol);
    if (nTopRow != nOldTopRow)
        OnTopRowChange(nOldTopRow, nTopRow);
    if (bColChanged || bRowChanged)
        NotifyCellTypeFocus(nOldCol, nOldRow);
    if (info.m_bUpdateEnabled)
        RepaintAfterMove();
    info.m_nLastCurrentCol = nCol;
    info.m_nLastCurrentRow = nRow;
    info.m_nLastLeftCol = nLeftCol;
    info.m_nLastTopRow = nTopRow;
    NotifyCellsInView(nLeftCol != nOldLeftCol, nTopRow != nOldTopRow);
}

CGRCellType* CGRCtrlCore::CellTypeOf(int nCol, int nRow, CGRCell& cell)
{
    GetCellIndirect(nCol, nRow, &cell);
    return GetCellType(cell.GetCellType());
}

void CGRCtrlCore::NotifyCellTypeFocus(int nOldCol, int nOldRow)
{
    CGRCell cell;
    if (IsDataCell(nOldCol, nOldRow) && nOldRow < GetRowCount())
        CellTypeOf(nOldCol, nOldRow, cell)->OnKillFocus(nOldCol, nOldRow, &cell);
    int nCol = m_pGridInfo->m_nCurrentCol;
    int nRow = m_pGridInfo->m_nCurrentRow;
    if (IsDataCell(nCol, nRow))
        CellTypeOf(nCol, nRow, cell)->OnSetFocus(nCol, nRow, &cell);
}

// After a horizontal move the cells of the first and last column in view
// hear of it; after a vertical move those of the top and bottom row.
void CGRCtrlCore::NotifyCellsInView(bool bColumnsMoved, bool bRowsMoved)
{
    const CGRGridInfo& info = *m_pGridInfo;
    int nLastCol = std::min(info.m_nRightCol, info.m_nNumberCols - 1);
    int nLastRow = std::min(info.m_nBottomRow, info.m_nNumberRows - 1);
    if (nLastCol < 0 || nLastRow < 0)
        return;
    CGRCell cell;
    auto notify = [&](int nCol, int nRow) {
        CellTypeOf(nCol, nRow, cell)->OnViewMoved(nCol, nRow, &cell);
    };
    if (bColumnsMoved)
        for (int nRow = info.m_nTopRow; nRow <= nLastRow; ++nRow) {
            notify(info.m_nLeftCol, nRow);
            notify(nLastCol, nRow);
        }
    if (bRowsMoved)
        for (int nCol = info.m_nLeftCol; nCol <= nLastCol; ++nCol) {
            notify(nCol, info.m_nTopRow);
            notify(nCol, nLastRow);
        }
}

// Once the sheet has rows and columns it has a current cell.
void CGRCtrlCore::EnsureCurrentCell()
{
    const CGRGridInfo& info = *m_pGridInfo;
    if (info.m_nNumberRows > 0 && info.m_nNumberCols > 0
        && (info.m_nCurrentRow < 0 || info.m_nCurrentCol < 0))
        GotoCell(std::max(info.m_nCurrentCol, 0), std::max(info.m_nCurrentRow, 0));
}

int CGRCtrlCore::MoveCurrentRow(int nCode)
{
    return MoveCurrent(true, nCode);
}

int CGRCtrlCore::MoveCurrentCol(int nCode)
{
    return MoveCurrent(false, nCode);
}

int CGRCtrlCore::MoveCurrent(bool bRows, int nCode)
{
    CGRAxis axis = AxisOf(*m_pGridInfo, bRows);
    int nCurrent = bRows ? m_pGridInfo->m_nCurrentRow : m_pGridInfo->m_nCurrentCol;
    switch (nCode) {
    case kMoveBack: return GotoIndex(bRows, nCurrent - 1);
    case kMoveForward: return GotoIndex(bRows, nCurrent + 1);
    case kMovePageBack: return GotoIndex(bRows, axis.PageBackward(nCurrent));
    case kMovePageForward: return GotoIndex(bRows, axis.PageForward(nCurrent));
    case kMoveFirst: return GotoIndex(bRows, 0);
    case kMoveLast: return GotoIndex(bRows, axis.Count() - 1);
    default: return kGridDone;
    }
}

int CGRCtrlCore::SetTopRow(int nRow)
{
    return ScrollTo(true, nRow);
}

int CGRCtrlCore::SetLeftCol(int nCol)
{
    return ScrollTo(false, nCol);
}

// Scrolls without moving the current cell, between the locked part and the
// largest first index.
int CGRCtrlCore::ScrollTo(bool bRows, int nIndex)
{
    CGRGridInfo& info = *m_pGridInfo;
    CGRAxis axis = AxisOf(info, bRows);
    if (axis.Count() == 0)
        return kGridOutOfRange;
    int nFirst = std::max(axis.Locked(), std::min(nIndex, axis.MaxFirst()));
    if (nFirst == axis.First())
        return kGridOutOfRange;
    int nLeftCol = bRows ? info.m_nLeftCol : nFirst;
    int nTopRow = bRows ? nFirst : info.m_nTopRow;
    if (!OnCanViewMove(info.m_nLeftCol, info.m_nTopRow, nLeftCol, nTopRow))
        return kGridRefused;
    ApplyMove(info.m_nCurrentCol, info.m_nCurrentRow, nLeftCol, nTopRow);
    return kGridDone;
}

int CGRCtrlCore::MoveTopRow(int nCode)
{
    return MoveFirstInView(true, nCode);
}

int CGRCtrlCore::MoveLeftCol(int nCode)
{
    return MoveFirstInView(false, nCode);
}

// One step skips rows (columns) of no height (width): they show nothing.
int CGRCtrlCore::MoveFirstInView(bool bRows, int nCode)
{
    CGRAxis axis = AxisOf(*m_pGridInfo, bRows);
    if (axis.Count() == 0)
        return kGridOutOfRange;
    int nFirst = axis.First();
    switch (nCode) {
    case kMoveBack:
        do
            --nFirst;
        while (nFirst >= axis.Locked() && axis.Size(nFirst) == 0);
        return ScrollTo(bRows, nFirst);
    case kMoveForward:
        do
            ++nFirst;
        while (nFirst < axis.Count() && axis.Size(nFirst) == 0);
        return ScrollTo(bRows, nFirst);
    case kMovePageBack: return ScrollTo(bRows, axis.PageBackward(nFirst));
    case kMovePageForward: return ScrollTo(bRows, axis.PageForward(nFirst));
    case kMoveFirst: return ScrollTo(bRows, 0);
    case kMoveLast: return ScrollTo(bRows, axis.Count() - 1);
    default: return kGridDone;
    }
}

// The cell area's keys: arrows step over joined ranges, Page Up and Page
// Down move by a page of rows, Home and End go to the first and last column
// (with Ctrl: row). Any other key moves nothing and gives 0.
int CGRCtrlCore::MoveByKey(UINT nVirtualKey, BOOL bCtrlDown)
{
    m_pGridInfo->m_nMoveReason = 0;
    switch (nVirtualKey) {
    case VK_LEFT: return StepByKey(false, -1);
    case VK_RIGHT: return StepByKey(false, 1);
    case VK_UP: return StepByKey(true, -1);
    case VK_DOWN: return StepByKey(true, 1);
    case VK_PRIOR: return MoveCurrentRow(kMovePageBack);
    case VK_NEXT: return MoveCurrentRow(kMovePageForward);
    case VK_HOME: return bCtrlDown ? MoveCurrentRow(kMoveFirst) : MoveCurrentCol(kMoveFirst);
    case VK_END: return bCtrlDown ? MoveCurrentRow(kMoveLast) : MoveCurrentCol(kMoveLast);
    default: return kGridDone;
    }
}

// One step left or right (up or down). Forward from a joined cell the step
// passes its whole span; a step that lands in a joined range goes to its
// first cell, kept at the target's distance from the current cell.
int CGRCtrlCore::StepByKey(bool bRows, int nDirection)
{
    const CGRGridInfo& info = *m_pGridInfo;
    int nCurrentCol = info.m_nCurrentCol, nCurrentRow = info.m_nCurrentRow;
    int nStep = 1;
    int nSpanEndCol = nCurrentCol, nSpanEndRow = nCurrentRow;
    int nStartCol = nCurrentCol, nStartRow = nCurrentRow;
    if (nDirection > 0 && GetJoinRange(nStartCol, nStartRow, nSpanEndCol, nSpanEndRow) == kGridDone)
        nStep = (bRows ? nSpanEndRow - nStartRow : nSpanEndCol - nStartCol) + 1;
    int nNewCol = bRows ? nCurrentCol : nCurrentCol + nDirection * nStep;
    int nNewRow = bRows ? nCurrentRow + nDirection * nStep : nCurrentRow;
    bool bInGrid = InRange(nNewCol, 0, GetColCount() - 1) && InRange(nNewRow, 0, GetRowCount() - 1);
    int nJoinCol = nNewCol, nJoinRow = nNewRow;
    if (bInGrid && GetJoinStartCell(nJoinCol, nJoinRow) == kGridDone)
        return GotoCell(nJoinCol + info.m_nTargetCol - nCurrentCol, nJoinRow + info.m_nTargetRow - nCurrentRow);
    int nTarget = bRows ? info.m_nTargetRow : info.m_nTargetCol;
    return bRows ? GotoRow(nTarget + nDirection * nStep) : GotoCol(nTarget + nDirection * nStep);
}

// One notch of the wheel (120) scrolls three rows; less than a notch none.
int CGRCtrlCore::ScrollByWheel(int nDelta)
{
    const int kDeltaPerNotch = 120;
    const int kRowsPerNotch = 3;
    m_pGridInfo->m_nMoveReason = 4;
    return SetTopRow(GetTopRow() - kRowsPerNotch * (nDelta / kDeltaPerNotch));
}

int CGRCtrlCore::GetCurrentCol() const { return m_pGridInfo->m_nCurrentCol; }
int CGRCtrlCore::GetCurrentRow() const { return m_pGridInfo->m_nCurrentRow; }
int CGRCtrlCore::GetLeftCol() const { return m_pGridInfo->m_nLeftCol; }
int CGRCtrlCore::GetRightCol() const { return m_pGridInfo->m_nRightCol; }
int CGRCtrlCore::GetTopRow() const { return m_pGridInfo->m_nTopRow; }
int CGRCtrlCore::GetBottomRow() const { return m_pGridInfo->m_nBottomRow; }

// The view edges that follow from the sizes, the area and the first
// scrolling row and column.
void CGRCtrlCore::RecomputeView()
{
    CGRGridInfo& info = *m_pGridInfo;
    info.m_nMaxLeftCol = CGRAxis::Columns(info).MaxFirst();
    info.m_nMaxTopRow = CGRAxis::Rows(info).MaxFirst();
    info.m_nRightCol = CGRAxis::Columns(info).LastEdge();
    info.m_nBottomRow = CGRAxis::Rows(info).LastEdge();
}

// After a change of counts or sizes the first row and column stay between
// the locked part and the largest first index; a view that had to move
// takes the move step.
void CGRCtrlCore::ClampViewToMaxima()
{
    CGRGridInfo& info = *m_pGridInfo;
    RecomputeView();
    int nTopRow = std::max(info.m_nLockedRows, std::min(info.m_nTopRow, info.m_nMaxTopRow));
    int nLeftCol = std::max(info.m_nLockedCols, std::min(info.m_nLeftCol, info.m_nMaxLeftCol));
    if (nTopRow != info.m_nTopRow || nLeftCol != info.m_nLeftCol)
        ApplyMove(info.m_nCurrentCol, info.m_nCurrentRow, nLeftCol, nTopRow);
}
