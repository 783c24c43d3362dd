#include "CGRCtrlCore.h"

#include "CGRAxis.h"
#include "CGRDataSource.h"
#include "CGRHeadingAxis.h"
#include "CGRMem.h"
#include "CGRMultiSelect.h"
#include "CGRSysColors.h"

#include <algorithm>
#include <cstring>

namespace {

const int kDataSourceGrowth = 16;

bool InRange(int nValue, int nLow, int nHigh)
{
    return nValue >= nLow && nValue <= nHigh;
}

CGRAxis AxisOf(const CGRGridInfo& info, bool bRows)
{
    return bRows ? CGRAxis::Rows(info) : CGRAxis::Columns(info);
}

}

// ---------------------------------------------------------------------------
// Construction

// One sheet, and the four built-in cell types at indexes 0 to 3.
CGRCtrlCore::CGRCtrlCore()
{
    SetNumberSheets(1);
    AddCellType(&m_normalType);
    AddCellType(&m_dropListType);
    AddCellType(&m_checkBoxType);
    AddCellType(&m_arrowType);
}

CGRCtrlCore::~CGRCtrlCore() = default;

// The steps of creation that follow once the window exists: the program
// grid builds its sheet, then the sheet may draw.
void CGRCtrlCore::CompleteCreation(BOOL bAfterCreate)
{
    OnSetup();
    if (bAfterCreate)
        OnAfterCreate();
    OnSheetSetup(0);
    if (m_bKeepSizes) {
        SaveInitialSizes();
        SnapshotCells();
    }
    m_pGridInfo->m_bUpdateEnabled = 1;
    AdjustComponentSizes();
}

int CGRCtrlCore::SaveInitialSizes()
{
    for (int nSheet = 0; nSheet < GetNumberSheets(); ++nSheet) {
        CGRGridInfo& info = *m_sheets[static_cast<size_t>(nSheet)];
        info.m_savedColWidths.clear();
        for (const CGRGridInfo::ColumnRecord& record : info.m_columns)
            info.m_savedColWidths.push_back(record.nWidth);
        info.m_savedRowHeights.clear();
        for (int nRow = 0; nRow < info.m_nNumberRows; ++nRow)
            info.m_savedRowHeights.push_back(info.GetRowHeight(nRow));
    }
    return SetSheetNumber(0, 1);
}

// Every stored cell of every sheet keeps a copy of itself as it was made.
int CGRCtrlCore::SnapshotCells()
{
    for (int nSheet = 0; nSheet < GetNumberSheets(); ++nSheet) {
        SetSheetNumber(nSheet, 0);
        for (int nRow = 0; nRow < GetRowCount(); ++nRow)
            for (int nCol = 0; nCol < GetColCount(); ++nCol) {
                CGRCell cell;
                if (GetCell(nCol, nRow, &cell) != kGridDone)
                    continue;
                cell.TakeSnapshot();
                SetCell(nCol, nRow, &cell);
            }
    }
    return SetSheetNumber(0, 1);
}

// ---------------------------------------------------------------------------
// Sheets

CGRGridInfo* CGRCtrlCore::CreateSheet()
{
    CGRGridInfo* pInfo = new CGRGridInfo;
    pInfo->m_pMem->SetCtrl(this);
    pInfo->m_pMultiSelect.reset(new CGRMultiSelect(this, pInfo));
    OnSheetCreated(pInfo);
    return pInfo;
}

// A current sheet that goes away hands over to the new last sheet first.
int CGRCtrlCore::SetNumberSheets(int nSheets)
{
    if (!InRange(nSheets, 1, kMaxSheets))
        return kGridOutOfRange;
    if (m_pGridInfo && m_nCurrentSheet >= nSheets)
        SetSheetNumber(nSheets - 1, 1);
    if (static_cast<int>(m_sheets.size()) > nSheets)
        m_sheets.resize(static_cast<size_t>(nSheets));
    int nKeptCurrent = m_nCurrentSheet;
    while (static_cast<int>(m_sheets.size()) < nSheets) {
        m_sheets.emplace_back(CreateSheet());
        m_nCurrentSheet = static_cast<int>(m_sheets.size()) - 1;
        m_pGridInfo = m_sheets.back().get();
        OnSheetSetup(m_nCurrentSheet);
        m_pGridInfo->m_bUpdateEnabled = 1;
    }
    m_nCurrentSheet = nKeptCurrent;
    m_pGridInfo = m_sheets[static_cast<size_t>(nKeptCurrent)].get();
    OnCurrentSheetChanged();
    return kGridDone;
}

int CGRCtrlCore::SetSheetNumber(int nIndex, int nRedraw)
{
    if (!InRange(nIndex, 0, GetNumberSheets() - 1))
        return kGridOutOfRange;
    int nKeptPaintMode = m_nPaintMode;
    if (!nRedraw)
        m_nPaintMode = 0;
    int nTabWidth = m_pGridInfo ? m_pGridInfo->m_nTabWidth : 0;
    m_nCurrentSheet = nIndex;
    m_pGridInfo = m_sheets[static_cast<size_t>(nIndex)].get();
    m_pGridInfo->m_nTabWidth = nTabWidth;
    m_pGridInfo->m_nLastTopRow = -1;
    m_pGridInfo->m_nLastLeftCol = -1;
    OnCurrentSheetChanged();
    AdjustComponentSizes();
    m_nPaintMode = nKeptPaintMode;
    return kGridDone;
}

int CGRCtrlCore::GetNumberSheets() const
{
    return static_cast<int>(m_sheets.size());
}

int CGRCtrlCore::GetSheetNumber() const
{
    return m_nCurrentSheet;
}

CGRGridInfo* CGRCtrlCore::GetGridInfo() const
{
    return m_pGridInfo;
}

// ---------------------------------------------------------------------------
// Registries

int CGRCtrlCore::AddCellType(CGRCellType* pType)
{
    if (!pType)
        return kGridNoIndex;
    int nIndex = m_cellTypeList.AddPointer(pType, 0, nullptr);
    if (nIndex == kGridNoIndex)
        return kGridNoIndex;
    pType->SetCtrl(this);
    pType->SetTypeIndex(nIndex);
    return nIndex;
}

// Index 0, anything below and a free slot give the normal type.
CGRCellType* CGRCtrlCore::GetCellType(int nIndex) const
{
    void* pType = nIndex < 1 ? nullptr : m_cellTypeList.GetPointer(nIndex);
    return pType ? static_cast<CGRCellType*>(pType) : const_cast<CGRCellType*>(&m_normalType);
}

int CGRCtrlCore::SetCellTypeOption(int nIndex, long lValue)
{
    void* pType = m_cellTypeList.GetPointer(nIndex);
    if (!pType)
        return kGridOutOfRange;
    return static_cast<CGRCellType*>(pType)->SetOption(lValue);
}

// Slot 0 stays unused, so an id of 0 never names a source.
int CGRCtrlCore::AddDataSource(CGRDataSource* pSource)
{
    if (!pSource || m_nDataSourceHigh >= kMaxDataSources)
        return kGridNoIndex;
    if (m_dataSources.empty())
        m_dataSources.resize(kDataSourceGrowth, nullptr);
    auto itFree = std::find(m_dataSources.begin() + 1, m_dataSources.end(), nullptr);
    if (itFree == m_dataSources.end()) {
        size_t nOld = m_dataSources.size();
        m_dataSources.resize(nOld + kDataSourceGrowth, nullptr);
        itFree = m_dataSources.begin() + static_cast<std::ptrdiff_t>(nOld);
    }
    *itFree = pSource;
    int nIndex = static_cast<int>(itFree - m_dataSources.begin());
    m_nDataSourceHigh = std::max(m_nDataSourceHigh, nIndex);
    pSource->SetCtrl(this);
    pSource->SetID(nIndex);
    return nIndex;
}

CGRDataSource* CGRCtrlCore::GetDataSource(int nIndex) const
{
    if (nIndex < 1 || nIndex >= static_cast<int>(m_dataSources.size()))
        return nullptr;
    return m_dataSources[static_cast<size_t>(nIndex)];
}

CFont* CGRCtrlCore::GetFont(int nIndex) const
{
    return static_cast<CFont*>(m_fontList.GetPointer(nIndex));
}

int CGRCtrlCore::SetDefFont(CFont* pFont)
{
    if (!pFont)
        return kGridOutOfRange;
    m_pGridInfo->m_pDefFont = pFont;
    return kGridDone;
}

int CGRCtrlCore::SetDefFontIndex(int nIndex)
{
    return SetDefFont(GetFont(nIndex));
}

CGRPtrList& CGRCtrlCore::GetFontList()
{
    return m_fontList;
}

CGRPtrList& CGRCtrlCore::GetBitmapList()
{
    return m_bitmapList;
}

// ---------------------------------------------------------------------------
// Cells

bool CGRCtrlCore::IsDataCell(int nCol, int nRow) const
{
    return nCol >= 0 && nRow >= 0 && nCol < m_pGridInfo->m_nNumberCols;
}

// A column's own source when it names one; heading cells and the other
// columns use the sheet's default source.
CGRDataSource* CGRCtrlCore::DataSourceFor(int nCol) const
{
    if (nCol >= 0 && nCol < m_pGridInfo->m_nNumberCols) {
        CGRDataSource* pSource = m_pGridInfo->m_columns[static_cast<size_t>(nCol)].pDataSource;
        if (pSource)
            return pSource;
    }
    return m_pGridInfo->m_pDefDataSource;
}

int CGRCtrlCore::GetColTranslation(int nCol) const
{
    if (nCol < 0 || nCol >= m_pGridInfo->m_nNumberCols)
        return nCol;
    return m_pGridInfo->m_columns[static_cast<size_t>(nCol)].nDataSourceCol;
}

void CGRCtrlCore::AdjustColTranslation(int nFromSourceCol, int nDelta)
{
    for (CGRGridInfo::ColumnRecord& record : m_pGridInfo->m_columns)
        if (record.nDataSourceCol >= nFromSourceCol)
            record.nDataSourceCol += nDelta;
}

// The stored properties only; the row is the data source's to check.
int CGRCtrlCore::GetCell(int nCol, int nRow, CGRCell* pCell)
{
    if (nCol >= m_pGridInfo->m_nNumberCols)
        return kGridOutOfRange;
    pCell->SetPropertyFlags(0);
    pCell->SetSnapshot(nullptr);
    return DataSourceFor(nCol)->GetCell(GetColTranslation(nCol), nRow, pCell);
}

// What the cell shows: its column's default (a heading cell: the heading
// default) with the stored properties laid over it, then what the program
// grid adds in OnGetCell.
int CGRCtrlCore::GetCellIndirect(int nCol, int nRow, CGRCell* pCell)
{
    CGRGridInfo& info = *m_pGridInfo;
    pCell->SetPropertyFlags(0);
    if (IsDataCell(nCol, nRow)) {
        const CGRCell* pDefault = info.m_columns[static_cast<size_t>(nCol)].pDefaultCell.get();
        if (pDefault)
            pDefault->CopyTo(pCell);
    } else {
        info.m_headingDefault.CopyTo(pCell);
        if (nRow == -info.m_nNumberTopHdgRows)
            pCell->SetThemeStyle(kThemeTopHeadingRow);
        else if (nCol == -info.m_nNumberSideHdgCols)
            pCell->SetThemeStyle(kThemeSideHeadingCol);
    }
    if (nRow >= info.m_nNumberRows)
        return kGridDone;
    DataSourceFor(nCol)->GetCell(GetColTranslation(nCol), nRow, pCell);
    OnGetCell(nCol, nRow, pCell);
    return kGridDone;
}

int CGRCtrlCore::SetCell(int nCol, int nRow, CGRCell* pCell)
{
    const CGRGridInfo& info = *m_pGridInfo;
    if (nCol < -info.m_nNumberSideHdgCols || nCol >= info.m_nNumberCols
        || nRow < -info.m_nNumberTopHdgRows || nRow >= info.m_nNumberRows)
        return kGridOutOfRange;
    OnSetCell(nCol, nRow, pCell);
    DataSourceFor(nCol)->SetCell(GetColTranslation(nCol), nRow, pCell);
    return kGridDone;
}

void CGRCtrlCore::SetCellRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow, CGRCell* pCell)
{
    for (int nRow = nStartRow; nRow <= nEndRow; ++nRow)
        for (int nCol = nStartCol; nCol <= nEndCol; ++nCol)
            SetCell(nCol, nRow, pCell);
}

int CGRCtrlCore::GetCellTextInto(int nCol, int nRow, CString& sText)
{
    sText = GetCellText(nCol, nRow);
    return kGridDone;
}

// Points into the scratch cell: valid until the next call that uses it.
LPCTSTR CGRCtrlCore::GetCellText(int nCol, int nRow)
{
    m_scratchCell.ClearAll();
    GetCellIndirect(nCol, nRow, &m_scratchCell);
    LPCTSTR lpszText = m_scratchCell.GetText();
    return lpszText ? lpszText : "";
}

int CGRCtrlCore::SetGridDefault(CGRCell* pCell)
{
    return m_pGridInfo->m_gridDefault.CopyFrom(pCell);
}

int CGRCtrlCore::GetGridDefault(CGRCell* pCell)
{
    return m_pGridInfo->m_gridDefault.CopyTo(pCell);
}

int CGRCtrlCore::SetHeadingDefault(CGRCell* pCell)
{
    return m_pGridInfo->m_headingDefault.CopyFrom(pCell);
}

int CGRCtrlCore::GetHeadingDefault(CGRCell* pCell)
{
    return m_pGridInfo->m_headingDefault.CopyTo(pCell);
}

// Read the stored cell, change one property, store it; a cell outside the
// grid is simply not stored.
template <class TSetter>
int CGRCtrlCore::QuickSet(int nCol, int nRow, TSetter setProperty)
{
    m_scratchCell.ClearAll();
    GetCell(nCol, nRow, &m_scratchCell);
    setProperty(m_scratchCell);
    SetCell(nCol, nRow, &m_scratchCell);
    return kGridDone;
}

int CGRCtrlCore::SetCellText(int nCol, int nRow, LPCTSTR lpszText)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetText(lpszText); });
}

int CGRCtrlCore::SetCellNumber(int nCol, int nRow, double dNumber)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetNumber(dNumber); });
}

int CGRCtrlCore::SetCellLabel(int nCol, int nRow, LPCTSTR lpszLabel)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetLabel(lpszLabel); });
}

int CGRCtrlCore::SetCellBackColor(int nCol, int nRow, COLORREF cr)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetBackColor(cr); });
}

int CGRCtrlCore::SetCellBitmap(int nCol, int nRow, CBitmap* pBitmap)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetBitmap(pBitmap); });
}

int CGRCtrlCore::SetCellFont(int nCol, int nRow, CFont* pFont)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetFont(pFont); });
}

int CGRCtrlCore::SetCellFontIndex(int nCol, int nRow, int nIndex)
{
    return SetCellFont(nCol, nRow, GetFont(nIndex));
}

int CGRCtrlCore::SetCellAlignment(int nCol, int nRow, short nAlignment)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetAlignment(nAlignment); });
}

int CGRCtrlCore::SetCellBorder(int nCol, int nRow, short nBorder)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetBorderStyle(nBorder); });
}

int CGRCtrlCore::SetCellCellType(int nCol, int nRow, int nIndex)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetCellType(nIndex); });
}

int CGRCtrlCore::SetCellCellTypeEx(int nCol, int nRow, long lStyle)
{
    return QuickSet(nCol, nRow, [&](CGRCell& cell) { cell.SetCellTypeEx(lStyle); });
}

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

// ---------------------------------------------------------------------------
// In-cell editing

// Opens the edit over a cell: the selection shrinks to the cell, the cell
// becomes current, its type and its
// read-only state must allow editing, the data source and the program grid
// must agree; then the window side shows the edit control with the cell's
// text and passes the first key on.
int CGRCtrlCore::EditCell(int nCol, int nRow, UINT nKey)
{
    if (m_bEditing)
        return kGridOutOfRange;
    m_bEditing = 1;
    CollapseSelectionTo(nCol, nRow);
    if ((nCol != GetCurrentCol() || nRow != GetCurrentRow()) && GotoCell(nCol, nRow) != kGridDone) {
        m_bEditing = 0;
        return kGridRefused;
    }
    m_editCell.ClearAll();
    CGRCellType* pType = CellTypeOf(nCol, nRow, m_editCell);
    if (!pType->IsEditable() || m_editCell.GetReadOnly()) {
        m_bEditing = 0;
        return kGridOutOfRange;
    }
    CRect rect;
    GetCellRect(nCol, nRow, &rect);
    rect.right -= 1;
    rect.bottom -= 1;
    pType->GetEditArea(&rect);
    CWnd* pEdit = GetEditControl(m_editCell.GetMask() && *m_editCell.GetMask());
    if (!DataSourceFor(nCol)->OnEditStart(nCol, nRow, &pEdit) || !OnEditStart(nCol, nRow, &pEdit)) {
        m_bEditing = 0;
        RedrawCell(nCol, nRow);
        return kGridOutOfRange;
    }
    m_nEditCol = nCol;
    m_nEditRow = nRow;
    m_pActiveEdit = pEdit;
    ShowEditControl(pEdit, nCol, nRow, rect, m_editCell, nKey);
    return kGridDone;
}

int CGRCtrlCore::StartEdit()
{
    return EditCell(GetCurrentCol(), GetCurrentRow(), 0);
}

int CGRCtrlCore::StartEditWithKey(UINT nKey)
{
    return EditCell(GetCurrentCol(), GetCurrentRow(), nKey);
}

// Ends the open edit. A refusal of the data source or the program grid
// keeps the edit open and answers 0; otherwise the text is stored unless the
// edit was cancelled, and editing goes on at the next cell when asked.
int CGRCtrlCore::FinishEdit(LPCTSTR lpszText, BOOL bCancelled, BOOL bContinue, int nNewCol, int nNewRow)
{
    if (!m_bEditing)
        bCancelled = TRUE;
    int nCol = m_nEditCol;
    int nRow = m_nEditRow;
    if (DataSourceFor(nCol)->OnEditFinish(nCol, nRow, m_pActiveEdit, lpszText, bCancelled) != 1
        || !OnEditFinish(nCol, nRow, m_pActiveEdit, lpszText, bCancelled))
        return 0;
    HideEditControl();
    if (!bCancelled)
        StoreEditedText(lpszText);
    m_bEditing = 0;
    if (bContinue && nCol >= 0 && nRow >= 0) {
        NextEditCell(nNewCol, nNewRow);
        if (DataSourceFor(nCol)->OnEditContinue(nCol, nRow, &nNewCol, &nNewRow) == 1
            && OnEditContinue(nCol, nRow, &nNewCol, &nNewRow)) {
            EditCell(nNewCol, nNewRow, 0);
            return 1;
        }
    }
    RepaintAfterEdit(nCol, nRow);
    return 1;
}

// What the cell shows, column defaults and OnGetCell included, is stored
// with the new text; a numeric, date or currency cell keeps its data type.
void CGRCtrlCore::StoreEditedText(LPCTSTR lpszText)
{
    CGRCell cell;
    GetCellIndirect(m_nEditCol, m_nEditRow, &cell);
    short nDataType = cell.GetDataType();
    cell.SetText(lpszText);
    if (nDataType >= kDataNumber && nDataType <= kDataCurrency)
        cell.SetDataType(nDataType);
    SetCell(m_nEditCol, m_nEditRow, &cell);
}

// The next cell steps out of the edited cell's joined range in the
// direction of travel and wraps round at the edges of the grid.
void CGRCtrlCore::NextEditCell(int& nCol, int& nRow)
{
    int nStartCol = m_nEditCol, nStartRow = m_nEditRow, nEndCol = m_nEditCol, nEndRow = m_nEditRow;
    if (m_pGridInfo->m_nJoinsInUse)
        GetJoinRange(nStartCol, nStartRow, nEndCol, nEndRow);
    if (nCol > m_nEditCol && nCol <= nEndCol)
        nCol = nEndCol + 1;
    if (nRow > m_nEditRow && nRow <= nEndRow)
        nRow = nEndRow + 1;
    if (nCol < 0)
        nCol = GetColCount() - 1;
    else if (nCol >= GetColCount())
        nCol = 0;
    if (nRow < 0)
        nRow = GetRowCount() - 1;
    else if (nRow >= GetRowCount())
        nRow = 0;
}

int CGRCtrlCore::IsEditing() const
{
    return m_bEditing;
}

int CGRCtrlCore::GetEditCol() const
{
    return m_nEditCol;
}

int CGRCtrlCore::GetEditRow() const
{
    return m_nEditRow;
}

// ---------------------------------------------------------------------------
// Hit testing

int CGRCtrlCore::GetCellFromPoint(int x, int y, int& nCol, int& nRow, CRect* pRect)
{
    const CGRGridInfo& info = *m_pGridInfo;
    int nHitCol = 0, nHitRow = 0;
    if (!CGRAxis::Columns(info).IndexAt(x, nHitCol) || !CGRAxis::Rows(info).IndexAt(y, nHitRow))
        return kGridOutOfRange;
    if (info.m_nJoinsInUse)
        GetJoinStartCell(nHitCol, nHitRow);
    nCol = nHitCol;
    nRow = nHitRow;
    if (pRect)
        GetCellRect(nCol, nRow, pRect);
    return kGridDone;
}

// Heading columns (rows) are numbered from -1 next to the cells outwards,
// so the outermost one starts at 0.
int CGRCtrlCore::HeadingOffset(bool bRows, int nIndex) const
{
    const CGRGridInfo& info = *m_pGridInfo;
    return (bRows ? CGRHeadingAxis::TopRows(info) : CGRHeadingAxis::SideCols(info)).Offset(nIndex);
}

int CGRCtrlCore::HeadingSize(bool bRows, int nIndex) const
{
    return bRows ? m_pGridInfo->GetTopHdgRowHeight(nIndex) : m_pGridInfo->GetSideHdgColWidth(nIndex);
}

// The near or far edge of a column (row); heading ones in their heading.
int CGRCtrlCore::EdgeOf(bool bRows, int nIndex, bool bFar) const
{
    if (nIndex < 0)
        return HeadingOffset(bRows, nIndex) + (bFar ? HeadingSize(bRows, nIndex) : 0);
    CGRAxis axis = AxisOf(*m_pGridInfo, bRows);
    return axis.Offset(nIndex) + (bFar ? axis.Size(nIndex) : 0);
}

// A joined cell's rectangle is that of its whole range.
int CGRCtrlCore::GetCellRect(int nCol, int nRow, CRect* pRect)
{
    int nEndCol = nCol, nEndRow = nRow;
    if (m_pGridInfo->m_nJoinsInUse)
        GetJoinRange(nCol, nRow, nEndCol, nEndRow);
    pRect->SetRect(EdgeOf(false, nCol, false), EdgeOf(true, nRow, false),
                   EdgeOf(false, nEndCol, true), EdgeOf(true, nEndRow, true));
    return kGridDone;
}

// Edges outside the view lie 10 pixels beyond the cell area.
int CGRCtrlCore::GetRangeRect(int nStartCol, int nStartRow, int nEndCol, int nEndRow, CRect* pRect)
{
    const CGRGridInfo& info = *m_pGridInfo;
    const int kBeyond = 10;
    pRect->SetRect(-kBeyond, -kBeyond, info.m_nAreaWidth + kBeyond, info.m_nAreaHeight + kBeyond);
    CGRAxis columns = CGRAxis::Columns(info);
    CGRAxis rows = CGRAxis::Rows(info);
    if (columns.InView(nStartCol))
        pRect->left = EdgeOf(false, nStartCol, false);
    if (columns.InView(nEndCol))
        pRect->right = EdgeOf(false, nEndCol, true);
    if (rows.InView(nStartRow))
        pRect->top = EdgeOf(true, nStartRow, false);
    if (rows.InView(nEndRow))
        pRect->bottom = EdgeOf(true, nEndRow, true);
    return kGridDone;
}

// ---------------------------------------------------------------------------
// Layout and redraw

// Places the headings, scroll bars, sheet tabs and cell area in the client
// area. A scroll bar takes room only when the cells overflow (the
// horizontal one also when there are sheet tabs). When a scroll bar comes
// or goes because the largest first row or column changed between 0 and
// more, the layout runs once more.
void CGRCtrlCore::AdjustComponentSizes()
{
    const CGRGridInfo& info = *m_pGridInfo;
    bool bCouldScrollDown = info.m_nMaxTopRow > 0;
    bool bCouldScrollRight = info.m_nMaxLeftCol > 0;
    ComputeLayout();
    if (bCouldScrollDown != (info.m_nMaxTopRow > 0) || bCouldScrollRight != (info.m_nMaxLeftCol > 0))
        ComputeLayout();
}

void CGRCtrlCore::ComputeLayout()
{
    CGRGridInfo& info = *m_pGridInfo;
    CSize client = GetControlClientSize();
    int W = client.cx, H = client.cy;
    int T = info.m_nTopHdgHeight, S = info.m_nSideHdgWidth;
    int nAvailWidth = W - S;
    int nAvailHeight = H - T;
    bool bColsOverflow = info.SumColWidths(0, info.m_nNumberCols - 1) > nAvailWidth;
    bool bRowsOverflow = info.SumRowHeights(0, info.m_nNumberRows - 1) > nAvailHeight;
    int B = (info.m_nTabWidth > 0 || bColsOverflow) ? info.m_nHScrollHeight : 0;
    int V = bRowsOverflow ? info.m_nVScrollWidth : 0;
    int A = info.m_nTabWidth;
    if (!bColsOverflow && A > 0)
        A = W + 6;
    else if (A > nAvailWidth - V)
        A = nAvailWidth - V;

    CRect* rects = info.m_componentRects;
    rects[CGRGridInfo::kVScrollBar].SetRect(W - V, 0, W, H - B);
    rects[CGRGridInfo::kHScrollBar].SetRect(A, H - B, W - V, H);
    rects[CGRGridInfo::kSheetTabs].SetRect(0, H - B, A, H);
    rects[CGRGridInfo::kTopHeading].SetRect(S, 0, W - V, T);
    rects[CGRGridInfo::kSideHeading].SetRect(0, T, S, H - B);
    rects[CGRGridInfo::kCornerButton].SetRect(0, 0, S, T);
    rects[CGRGridInfo::kCellArea].SetRect(S, T, W - V, H - B);
    info.m_nAreaWidth = W - V - S;
    info.m_nAreaHeight = H - B - T;
    OnAdjustComponentSizes(&rects[CGRGridInfo::kCellArea], &rects[CGRGridInfo::kTopHeading],
                           &rects[CGRGridInfo::kSideHeading], &rects[CGRGridInfo::kCornerButton],
                           &rects[CGRGridInfo::kVScrollBar], &rects[CGRGridInfo::kHScrollBar],
                           &rects[CGRGridInfo::kSheetTabs]);
    ClampViewToMaxima();
    if (info.m_bUpdateEnabled) {
        PlaceComponents(m_bTabSizing);
        if (!m_bTabSizing)
            RedrawAll();
    }
    info.m_nLastTopRow = info.m_nTopRow;
    info.m_nLastLeftCol = info.m_nLeftCol;
}

int CGRCtrlCore::SetPaintMode(int nMode)
{
    m_nPaintMode = nMode;
    return kGridDone;
}

int CGRCtrlCore::GetPaintMode() const
{
    return m_nPaintMode;
}

// Without a window there is nothing to repaint.
int CGRCtrlCore::RedrawAll() { return kGridDone; }
int CGRCtrlCore::RedrawCell(int, int) { return kGridDone; }
int CGRCtrlCore::RedrawRange(int, int, int, int) { return kGridDone; }

// ---------------------------------------------------------------------------
// Options

int CGRCtrlCore::EnableMenu(int nOn)
{
    m_pGridInfo->m_nMenuEnabled = nOn ? 1 : 0;
    return kGridDone;
}

int CGRCtrlCore::EnableCellOverlap(int nOn)
{
    m_pGridInfo->m_nCellOverlap = nOn ? 1 : 0;
    return kGridDone;
}

int CGRCtrlCore::EnableDefaultBorders(int nOn)
{
    m_pGridInfo->m_nDefaultBorders = nOn ? 1 : 0;
    return kGridDone;
}

int CGRCtrlCore::SetEndEditOnFocusLoss(int nOn)
{
    m_pGridInfo->m_nEndEditOnFocusLoss = nOn ? 1 : 0;
    return kGridDone;
}

int CGRCtrlCore::SetUserSizingMode(int nMode)
{
    m_pGridInfo->m_nUserSizingMode = nMode;
    return kGridDone;
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

// ---------------------------------------------------------------------------
// Popup menu

// The program grid may refuse the menu (2); otherwise the menu context is
// kept for the command that follows, and the menu shows (0), has nothing to
// show (1) or fails to show (3).
int CGRCtrlCore::StartMenu(int nCol, int nRow, CPoint ptScreen, int nSection)
{
    if (!OnMenuStart(nCol, nRow, nSection))
        return kGridRefused;
    m_nMenuCol = nCol;
    m_nMenuRow = nRow;
    m_nMenuSection = nSection;
    return ShowPopupMenu(ptScreen);
}

// Commands from 1000 on belong to the grid's popup menu.
BOOL CGRCtrlCore::DispatchMenuCommand(UINT nID)
{
    if (nID < kFirstMenuCommand)
        return FALSE;
    OnMenuCommand(m_nMenuCol, m_nMenuRow, m_nMenuSection, nID);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Window side: a control without a window has no size and shows nothing.

CSize CGRCtrlCore::GetControlClientSize() const { return CSize(0, 0); }
void CGRCtrlCore::PlaceComponents(BOOL) {}
void CGRCtrlCore::RepaintAfterMove() {}
void CGRCtrlCore::OnCurrentSheetChanged() {}
void CGRCtrlCore::OnSheetCreated(CGRGridInfo*) {}
BOOL CGRCtrlCore::IsControlVisible() const { return FALSE; }
int CGRCtrlCore::ShowPopupMenu(const CPoint&) { return kGridOutOfRange; }
CWnd* CGRCtrlCore::GetEditControl(BOOL) { return nullptr; }
CPen* CGRCtrlCore::GetGridPen(GridPen) { return nullptr; }
void CGRCtrlCore::AddToRedrawList(int, int) {}
CWnd* CGRCtrlCore::GetCellAreaWindow() { return nullptr; }
double CGRCtrlCore::GetPrintScale() const { return 1.0; }
int CGRCtrlCore::GetPrintLastCol() const { return GetColCount() - 1; }
void CGRCtrlCore::ShowEditControl(CWnd*, int, int, const CRect&, CGRCell&, UINT) {}
void CGRCtrlCore::HideEditControl() {}

void CGRCtrlCore::RepaintAfterEdit(int nCol, int nRow)
{
    RedrawCell(nCol, nRow);
}

// ---------------------------------------------------------------------------
// Notifications: what the control does when a program grid does not say

void CGRCtrlCore::OnSetFocus(int) {}
void CGRCtrlCore::OnSetup() {}
void CGRCtrlCore::OnAfterCreate() {}
void CGRCtrlCore::OnSheetSetup(int) {}
int CGRCtrlCore::OnCanMove(int, int, int, int) { return 1; }
int CGRCtrlCore::OnCanViewMove(int, int, int, int) { return 1; }
void CGRCtrlCore::OnHitBottom(int, int, int) {}
void CGRCtrlCore::OnHitTop(int, int) {}
int CGRCtrlCore::OnCanSizeCol(int) { return 1; }
void CGRCtrlCore::OnColSizing(int, int*) {}
void CGRCtrlCore::OnColSized(int, int*) {}
int CGRCtrlCore::OnCanSizeRow(int) { return 1; }
void CGRCtrlCore::OnRowSizing(int, int*) {}
void CGRCtrlCore::OnRowSized(int, int*) {}
int CGRCtrlCore::OnCanSizeTopHdg() { return 1; }
int CGRCtrlCore::OnCanSizeSideHdg() { return 1; }
int CGRCtrlCore::OnTopHdgSizing(int*) { return 1; }
int CGRCtrlCore::OnSideHdgSizing(int*) { return 1; }
int CGRCtrlCore::OnTopHdgSized(int*) { return 1; }
int CGRCtrlCore::OnSideHdgSized(int*) { return 1; }
void CGRCtrlCore::OnColChange(int, int) {}
void CGRCtrlCore::OnRowChange(int, int) {}
void CGRCtrlCore::OnCellChange(int, int, int, int) {}
void CGRCtrlCore::OnLeftColChange(int, int) {}
void CGRCtrlCore::OnTopRowChange(int, int) {}
void CGRCtrlCore::OnViewMoved(int, int, int) {}
void CGRCtrlCore::OnSelectionChanged(int, int, int, int, int) {}
void CGRCtrlCore::OnLClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnRClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnDClicked(int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnMouseMove(int, int, CPoint*, UINT, int) {}
void CGRCtrlCore::OnTH_LClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnTH_RClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnTH_DClicked(int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnSH_LClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnSH_RClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnSH_DClicked(int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnCB_LClicked(int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnCB_RClicked(int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnCB_DClicked(CRect*, CPoint*, int) {}
void CGRCtrlCore::OnKeyDown(UINT*, int) {}
void CGRCtrlCore::OnKeyUp(UINT*, int) {}
void CGRCtrlCore::OnCharDown(UINT*, int) {}
void CGRCtrlCore::OnGetCell(int, int, CGRCell*) {}
void CGRCtrlCore::OnSetCell(int, int, CGRCell*) {}
void CGRCtrlCore::OnDataSourceNotify(int, long, long) {}
int CGRCtrlCore::OnCellTypeNotify(int, int, int, long, LONG_PTR) { return 1; }
int CGRCtrlCore::OnEditStart(int, int, CWnd**) { return 1; }
int CGRCtrlCore::OnEditVerify(int, int, CWnd*, UINT*) { return 1; }
int CGRCtrlCore::OnEditFinish(int, int, CWnd*, LPCTSTR, BOOL) { return 1; }
int CGRCtrlCore::OnEditContinue(int, int, int*, int*) { return 1; }
void CGRCtrlCore::OnMenuCommand(int, int, int, UINT) {}
int CGRCtrlCore::OnMenuStart(int, int, int) { return 1; }
int CGRCtrlCore::OnGetContextHelpID(int, int, int) { return 0; }

int CGRCtrlCore::OnHint(int nCol, int nRow, int, CString* pText)
{
    pText->Format("Col:%d Row:%ld", nCol, static_cast<long>(nRow));
    return 1;
}

int CGRCtrlCore::OnVScrollHint(int, CString*) { return 1; }
int CGRCtrlCore::OnHScrollHint(int, CString*) { return 1; }

int CGRCtrlCore::OnSortEvaluate(CGRCell* pCellA, CGRCell* pCellB, int nFlags)
{
    return CompareForSort(pCellA, pCellB, nFlags);
}

int CGRCtrlCore::CompareForSort(CGRCell* pCellA, CGRCell* pCellB, int nFlags)
{
    if (!pCellA)
        return pCellB ? 1 : 0;
    if (!pCellB)
        return -1;
    if (nFlags & kSortDescending)
        std::swap(pCellA, pCellB);
    short nType = pCellA->GetDataType();
    if (nType == kDataNumber || nType == kDataNumericCode || nType == kDataCurrency) {
        double dA = pCellA->GetNumber();
        double dB = pCellB->GetNumber();
        return dA < dB ? -1 : (dA > dB ? 1 : 0);
    }
    LPCTSTR lpszA = pCellA->GetText();
    LPCTSTR lpszB = pCellB->GetText();
    if (!lpszA)
        return 1;
    if (!lpszB)
        return -1;
    int nCompare = strcmp(lpszA, lpszB);
    return nCompare < 0 ? -1 : (nCompare > 0 ? 1 : 0);
}

void CGRCtrlCore::OnAdjustComponentSizes(CRect*, CRect*, CRect*, CRect*, CRect*, CRect*, CRect*) {}
void CGRCtrlCore::OnTabSelected(int) {}

COLORREF CGRCtrlCore::OnGetDefBackColor(int nSection)
{
    return GRSysColor(nSection == kSectionCellArea ? COLOR_WINDOW : COLOR_BTNFACE);
}

void CGRCtrlCore::OnKillFocus(int nSection, CWnd*)
{
    OnKillFocus(nSection);
}

void CGRCtrlCore::OnKillFocus(int) {}
int CGRCtrlCore::OnColSwapStart(int) { return 1; }
int CGRCtrlCore::OnCanColSwap(int, int) { return 1; }
void CGRCtrlCore::OnColSwapped(int, int) {}
void CGRCtrlCore::OnTrackingWindowMove(CRect*, CRect*) {}
