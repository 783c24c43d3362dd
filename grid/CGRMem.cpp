#include "CGRMem.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <vector>

namespace {

std::string UpperCase(std::string s)
{
    for (char& ch : s)
        ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    return s;
}

// Wraps an index that ran off 0..nLast to the other end.
int Wrap(int nIndex, int nLast)
{
    if (nIndex > nLast)
        return 0;
    if (nIndex < 0)
        return nLast;
    return nIndex;
}

}

// A stored cell owns its snapshot and extra memory; they go with it.
void CGRMem::CellDeleter::operator()(CGRCell* pCell) const
{
    pCell->FreeSnapshot();
    delete pCell;
}

CGRMem::~CGRMem()
{
    Empty();
}

CGRMem::Row* CGRMem::FindRow(int nRow)
{
    long long nAt = static_cast<long long>(nRow) - m_nFirstRow;
    if (nAt < 0 || nAt >= static_cast<long long>(m_rows.size()))
        return nullptr;
    return &m_rows[static_cast<size_t>(nAt)];
}

CGRCell* CGRMem::FindCell(int nCol, int nRow)
{
    Row* pRow = FindRow(nRow);
    if (!pRow)
        return nullptr;
    long long nAt = static_cast<long long>(nCol) - pRow->nFirstCol;
    if (nAt < 0 || nAt >= static_cast<long long>(pRow->cells.size()))
        return nullptr;
    return pRow->cells[static_cast<size_t>(nAt)].get();
}

// Creates the row and every missing row between it and the stored ones; the
// first row ever made is row 0.
CGRMem::Row& CGRMem::MakeRow(int nRow)
{
    if (m_rows.empty()) {
        m_nFirstRow = 0;
        m_rows.emplace_back();
    }
    while (nRow < m_nFirstRow) {
        m_rows.emplace_front();
        --m_nFirstRow;
    }
    while (nRow >= m_nFirstRow + static_cast<int>(m_rows.size()))
        m_rows.emplace_back();
    return *FindRow(nRow);
}

CGRMem::StoredCell& CGRMem::MakeSlot(Row& row, int nCol)
{
    if (row.cells.empty())
        row.nFirstCol = std::min(0, nCol);
    while (nCol < row.nFirstCol) {
        row.cells.emplace_front();
        --row.nFirstCol;
    }
    while (nCol >= row.nFirstCol + static_cast<int>(row.cells.size()))
        row.cells.emplace_back();
    return row.cells[static_cast<size_t>(nCol - row.nFirstCol)];
}

int CGRMem::GetLastRow()
{
    return m_rows.empty() ? 0 : m_nFirstRow + static_cast<int>(m_rows.size()) - 1;
}

int CGRMem::InsertRow(int nRow)
{
    if (!FindRow(nRow))
        return 1;
    m_rows.emplace(m_rows.begin() + (nRow - m_nFirstRow));
    return 0;
}

// Columns take no storage until a cell is written, so there is nothing to do.
int CGRMem::AppendCol()
{
    return 0;
}

int CGRMem::InsertCol(int nCol)
{
    return ShiftColumns(nCol, 1);
}

int CGRMem::DeleteRow(int nRow)
{
    if (FindRow(nRow))
        m_rows.erase(m_rows.begin() + (nRow - m_nFirstRow));
    return 0;
}

int CGRMem::DeleteCol(int nCol)
{
    return ShiftColumns(nCol, -1);
}

// Inserts an empty cell before column nCol (nDelta 1) or removes column
// nCol (nDelta -1) in every row that reaches it; shorter rows stay as they
// are.
int CGRMem::ShiftColumns(int nCol, int nDelta)
{
    if (m_rows.empty())
        return 1;
    for (Row& row : m_rows) {
        int nAt = nCol - row.nFirstCol;
        if (nAt < 0 || nAt >= static_cast<int>(row.cells.size()))
            continue;
        if (nDelta > 0)
            row.cells.emplace(row.cells.begin() + nAt);
        else
            row.cells.erase(row.cells.begin() + nAt);
    }
    AdjustCtrlColumns(nCol, nDelta);
    return 0;
}

// The control's columns that read from data-source columns at or right of
// nFromCol follow their cells.
void CGRMem::AdjustCtrlColumns(int nFromCol, int nDelta)
{
    if (m_pCtrl)
        m_pCtrl->AdjustColTranslation(nFromCol, nDelta);
}

int CGRMem::DeleteCell(int nCol, int nRow)
{
    if (FindCell(nCol, nRow)) {
        Row* pRow = FindRow(nRow);
        pRow->cells[static_cast<size_t>(nCol - pRow->nFirstCol)].reset();
    }
    return 0;
}

int CGRMem::Empty()
{
    m_rows.clear();
    m_nFirstRow = 0;
    return 0;
}

int CGRMem::GetCell(int nCol, int nRow, CGRCell* pCell)
{
    CGRCell* pStored = FindCell(nCol, nRow);
    if (!pStored)
        return 1;
    pCell->MergeFrom(pStored);
    return 0;
}

// The stored cell becomes a copy of the given one. A snapshot the given
// cell carries (one just taken of the stored cell) becomes the stored
// cell's; a cell without one leaves the stored cell's own in place, so that
// no snapshot is lost.
int CGRMem::SetCell(int nCol, int nRow, CGRCell* pCell)
{
    StoredCell& slot = MakeSlot(MakeRow(nRow), nCol);
    if (!slot)
        slot.reset(new CGRCell);
    CGRCell* pOwnSnapshot = slot->GetSnapshot();
    slot->CopyFrom(pCell);
    if (!slot->GetSnapshot())
        slot->SetSnapshot(pOwnSnapshot);
    return 0;
}

int CGRMem::FindFirst(LPCTSTR lpszText, int* pnCol, int* pnRow, long lFlags)
{
    if (lFlags & kFindAcrossColumns) {
        *pnCol = -1;
        *pnRow = 0;
    } else {
        *pnRow = -1;
    }
    return FindNext(lpszText, pnCol, pnRow, lFlags);
}

// Searches on from one step past (col, row), down the column or along the
// rows, wrapping at the ends; gives up after every row was passed twice over.
int CGRMem::FindNext(LPCTSTR lpszText, int* pnCol, int* pnRow, long lFlags)
{
    std::string sFind = lpszText ? lpszText : "";
    if (sFind.empty() || m_rows.empty())
        return 1;
    if (lFlags & kFindIgnoreCase)
        sFind = UpperCase(sFind);
    int nRows = GetLastRow() + 1;
    int nCol = *pnCol;
    int nRow = *pnRow;
    int nRowSteps = 0;
    while (nRowSteps < nRows + 2) {
        StepFindPosition(nCol, nRow, lFlags, nRowSteps);
        if (CellMatches(nCol, nRow, sFind, lFlags)) {
            *pnCol = m_nFindCol = nCol;
            *pnRow = m_nFindRow = nRow;
            return 0;
        }
    }
    return 1;
}

void CGRMem::StepFindPosition(int& nCol, int& nRow, long lFlags, int& nRowSteps) const
{
    int nStep = (lFlags & kFindBackwards) ? -1 : 1;
    int nLastRow = m_nFirstRow + static_cast<int>(m_rows.size()) - 1;
    if (lFlags & kFindAcrossColumns) {
        int nLastCol = LastStoredCol();
        nCol += nStep;
        if (nCol >= 0 && nCol <= nLastCol)
            return;
        nCol = Wrap(nCol, nLastCol);
    }
    nRow = Wrap(nRow + nStep, nLastRow);
    ++nRowSteps;
}

int CGRMem::LastStoredCol() const
{
    int nLast = 0;
    for (const Row& row : m_rows)
        nLast = std::max(nLast, row.nFirstCol + static_cast<int>(row.cells.size()) - 1);
    return nLast;
}

bool CGRMem::CellMatches(int nCol, int nRow, const std::string& sFind, long lFlags)
{
    CGRCell* pStored = FindCell(nCol, nRow);
    LPCTSTR lpszText = pStored ? pStored->GetText() : nullptr;
    std::string sText = lpszText ? lpszText : "";
    if (lFlags & kFindIgnoreCase)
        sText = UpperCase(sText);
    if (lFlags & kFindPartial)
        return sText.find(sFind) != std::string::npos;
    return !sText.empty() && sText == sFind;
}

// Sorts rows 0 and up; heading rows stay where they are. Rows that compare
// equal keep their order.
int CGRMem::SortBy(int* pnCols, int nCount, int nFlags)
{
    int nFirstDataAt = -m_nFirstRow;
    int nDataRows = static_cast<int>(m_rows.size()) - nFirstDataAt;
    if (nDataRows <= 0)
        return 1;
    if (nDataRows < 2 || nCount <= 0)
        return 0;

    CGRCell emptyCell;
    std::vector<std::vector<CGRCell*>> keys(static_cast<size_t>(nDataRows));
    for (int i = 0; i < nDataRows; ++i)
        for (int k = 0; k < nCount; ++k) {
            CGRCell* pStored = FindCell(pnCols[k], i);
            keys[static_cast<size_t>(i)].push_back(pStored ? pStored : &emptyCell);
        }
    std::vector<int> order(static_cast<size_t>(nDataRows));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareRows(keys[static_cast<size_t>(a)].data(), keys[static_cast<size_t>(b)].data(),
                           nCount, nFlags) < 0;
    });

    std::deque<Row> sorted(std::make_move_iterator(m_rows.begin()),
                           std::make_move_iterator(m_rows.begin() + nFirstDataAt));
    for (int nFrom : order)
        sorted.push_back(std::move(m_rows[static_cast<size_t>(nFirstDataAt + nFrom)]));
    m_rows.swap(sorted);
    return 0;
}

int CGRMem::CompareRows(CGRCell* const* ppKeysA, CGRCell* const* ppKeysB, int nCount, int nFlags)
{
    for (int k = 0; k < nCount; ++k) {
        int nResult = m_pCtrl ? m_pCtrl->OnSortEvaluate(ppKeysA[k], ppKeysB[k], nFlags)
                              : CGRCtrlCore::CompareForSort(ppKeysA[k], ppKeysB[k], nFlags);
        if (nResult != 0)
            return nResult;
    }
    return 0;
}

int CGRMem::SortByCol(int nCol, int nFlags)
{
    return SortBy(&nCol, 1, nFlags);
}

// Data cells only: a side-heading cell at a negative column never lends its
// text to the cells of the row.
int CGRMem::GetPrevNonBlankCol(int* pnCol, int nRow)
{
    for (int nCol = *pnCol - 1; nCol >= 0; --nCol) {
        CGRCell* pStored = FindCell(nCol, nRow);
        if (pStored && pStored->IsPropertySet(kPropText)) {
            *pnCol = nCol;
            return 0;
        }
    }
    return 1;
}
