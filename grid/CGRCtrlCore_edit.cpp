// CGRCtrlCore: starting and finishing an in-cell edit.
#include "CGRCtrlCore.h"

#include "CGRDataSource.h"

// ---------------------------------------------------------------------------
// In-cell editing

// Opens the edit over a cell: the selection shrinks to the cell, the cell
// becomes current, its type and its
// read-only state must allow editing, the data source and the program grid
// must agree; then the window side shows the edit control with the cell's
// text and passes the first key on. A heading cell is edited where it
// stands, in its heading: it never becomes current, so the current cell
// stays where it is.
int CGRCtrlCore::EditCell(int nCol, int nRow, UINT nKey)
{
    if (m_bEditing)
        return kGridOutOfRange;
    m_bEditing = 1;
    CollapseSelectionTo(nCol, nRow);
    bool bHeadingCell = nCol < 0 || nRow < 0;
    if (!bHeadingCell && (nCol != GetCurrentCol() || nRow != GetCurrentRow()) && GotoCell(nCol, nRow) != kGridDone) {
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
