// CGRCtrlCore: reading and writing cells through their data sources, the
// grid and heading defaults, and the quick setters of one property.
#include "CGRCtrlCore.h"

#include "CGRDataSource.h"

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
