// CGRCtrlCore: the selection of the current sheet, copying it as text,
// pasting text into the grid, and find and replace over the default data
// source.
#include "CGRCtrlCore.h"

#include "CGRDataSource.h"
#include "CGRMem.h"
#include "CGRMultiSelect.h"

#include <algorithm>
#include <cstring>

CGRMultiSelect* CGRCtrlCore::GetMultiSelect() const
{
    return m_pGridInfo->m_pMultiSelect.get();
}

// Any mode but 0 selects cells, or whole rows when the sheet says so.
int CGRCtrlCore::SetMultiSelectMode(int nMode)
{
    m_pGridInfo->m_nMultiSelectMode = nMode;
    int nSelectMode = CGRMultiSelect::kModeOff;
    if (nMode)
        nSelectMode = m_pGridInfo->m_nWholeRowSelect ? CGRMultiSelect::kModeRows : CGRMultiSelect::kModeCells;
    return GetMultiSelect()->SelectMode(nSelectMode);
}

int CGRCtrlCore::ClearSelections()
{
    GetMultiSelect()->ClearAll();
    m_pGridInfo->m_nTargetCol = m_pGridInfo->m_nCurrentCol;
    m_pGridInfo->m_nTargetRow = m_pGridInfo->m_nCurrentRow;
    return kGridDone;
}

int CGRCtrlCore::IsSelected(int nCol, int nRow, int* pnBlock)
{
    return GetMultiSelect()->IsSelected(nCol, nRow, pnBlock);
}

int CGRCtrlCore::SelectRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    CGRMultiSelect* pSelect = GetMultiSelect();
    if (pSelect->GetSelectMode() & 0xFFFF) {
        pSelect->StartBlock(nStartCol, nStartRow);
        pSelect->EndBlock(nEndCol, nEndRow);
    }
    m_pGridInfo->m_nTargetCol = nEndCol;
    m_pGridInfo->m_nTargetRow = nEndRow;
    RedrawRange(std::min(nStartCol, nEndCol), std::min(nStartRow, nEndRow), std::max(nStartCol, nEndCol),
                std::max(nStartRow, nEndRow));
    return kGridDone;
}

// The move step with multiple selection on: what drove the move decides how
// the selection follows, and the current cell becomes the anchor of the
// block in progress, so a block grown with Shift keeps the cell it began at.
void CGRCtrlCore::FollowSelection(int& nCol, int& nRow)
{
    CGRGridInfo& info = *m_pGridInfo;
    CGRMultiSelect* pSelect = GetMultiSelect();
    if (!info.m_nMultiSelectMode || m_bEditing)
        return;
    UINT nKeys = static_cast<UINT>(info.m_nKeyState);
    switch (info.m_nMoveReason) {
    case 0: pSelect->OnKeyMove(nCol, nRow); break;
    case 1: pSelect->OnClick(nCol, nRow, nKeys); break;
    case 2: pSelect->OnRClick(nCol, nRow, nKeys); break;
    case 3: pSelect->OnDragMove(nCol, nRow, nKeys); break;
    default: return;
    }
    pSelect->GetCurrentCell(&nCol, &nRow);
}

// An edit works on one cell: the selection becomes that cell alone (no
// block while multiple selection is off, nor for a heading cell, which is
// never selected), and the cells selected before are drawn again
// unselected.
void CGRCtrlCore::CollapseSelectionTo(int nCol, int nRow)
{
    CGRMultiSelect* pSelect = GetMultiSelect();
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    bool bHadBlocks = pSelect->GetTotalRange(&nLeft, &nTop, &nRight, &nBottom) == 0;
    pSelect->ClearAll();
    if ((pSelect->GetSelectMode() & 0xFFFF) && nCol >= 0 && nRow >= 0)
        pSelect->StartBlock(nCol, nRow);
    if (bHadBlocks)
        RedrawRange(nLeft, nTop, nRight, nBottom);
}

// The selected cells' texts, a Tab between cells of one row and a line feed
// between rows; nothing after the last cell.
CString CGRCtrlCore::GetSelectedText()
{
    CGRMultiSelect* pSelect = GetMultiSelect();
    CString sText;
    int nCol = 0, nRow = 0;
    if (pSelect->EnumFirstSelected(&nCol, &nRow) != 0)
        return sText;
    CGRCell cell;
    for (;;) {
        GetCellIndirect(nCol, nRow, &cell);
        LPCTSTR lpszText = cell.GetText();
        sText += lpszText ? lpszText : "";
        int nNextCol = 0, nNextRow = 0;
        if (pSelect->EnumNextSelected(&nNextCol, &nNextRow) != 0)
            break;
        sText += nNextRow == nRow ? '\t' : '\n';
        nCol = nNextCol;
        nRow = nNextRow;
    }
    return sText;
}

int CGRCtrlCore::CopySelected()
{
    return SetClipboardText(GetSelectedText());
}

// Without a window there is no clipboard.
int CGRCtrlCore::SetClipboardText(const CString&)
{
    return kGridOutOfRange;
}

int CGRCtrlCore::GetClipboardText(CString&)
{
    return kGridOutOfRange;
}

// Fields part at Tab (next column), CR or LF (next row, back at the current
// column; CR LF counts once). Each field goes to its cell when the cell is
// in the grid and may be written; the block that received text is selected.
// A grid without a current cell (no rows or columns yet) has nowhere to
// start: its current position is the corner heading cell, which a paste
// must not overwrite, so nothing is pasted and the paste is refused.
int CGRCtrlCore::PasteFromText(const CString& sText)
{
    const int nStartCol = GetCurrentCol(), nStartRow = GetCurrentRow();
    if (nStartCol < 0 || nStartRow < 0)
        return kGridRefused;
    int nCol = nStartCol, nRow = nStartRow;
    int nLastCol = nStartCol, nLastRow = nStartRow;
    LPCTSTR p = sText;
    CGRCell cell;
    for (;;) {
        size_t nLength = strcspn(p, "\t\r\n");
        CString sField(p, static_cast<int>(nLength));
        if (nCol < GetColCount() && nRow < GetRowCount()) {
            GetCell(nCol, nRow, &cell);
            if (!cell.GetReadOnly()) {
                cell.SetText(sField);
                SetCell(nCol, nRow, &cell);
                if (!sField.IsEmpty()) {
                    nLastCol = std::max(nLastCol, nCol);
                    nLastRow = std::max(nLastRow, nRow);
                }
            }
        }
        p += nLength;
        if (*p == '\0')
            break;
        if (*p == '\t') {
            ++nCol;
            ++p;
            continue;
        }
        if (p[0] == '\r' && p[1] == '\n')
            ++p;
        ++p;
        nCol = nStartCol;
        ++nRow;
    }
    ClearSelections();
    SelectRange(nStartCol, nStartRow, nLastCol, nLastRow);
    RedrawAll();
    return kGridDone;
}

int CGRCtrlCore::EnableFindAcrossColumns(int nOn)
{
    m_nFindAcrossColumns = nOn ? 1 : 0;
    return kGridDone;
}

// One find (and replace) step of the find dialog: 0 when a match was found
// and made current, 1 when nothing matches.
int CGRCtrlCore::FindAndReplace(const GridFindRequest& request)
{
    long lFlags = 0;
    if (!request.bMatchCase)
        lFlags |= CGRMem::kFindIgnoreCase;
    if (!request.bWholeCell)
        lFlags |= CGRMem::kFindPartial;
    if (!request.bDown)
        lFlags |= CGRMem::kFindBackwards;
    if (m_nFindAcrossColumns)
        lFlags |= CGRMem::kFindAcrossColumns;
    if (request.bReplace && CurrentCellMatches(request.sFind, lFlags))
        ReplaceCellText(GetCurrentCol(), GetCurrentRow(), request.sReplace);
    int nCol = 0, nRow = 0;
    if (FindFromCurrent(request.sFind, lFlags, nCol, nRow) != 0)
        return kGridOutOfRange;
    if (!request.bReplaceAll)
        return kGridDone;
    const int nFirstCol = nCol, nFirstRow = nRow;
    do {
        ReplaceCellText(nCol, nRow, request.sReplace);
        if (FindFromCurrent(request.sFind, lFlags, nCol, nRow) != 0)
            break;
    } while (nCol != nFirstCol || nRow != nFirstRow);
    return kGridDone;
}

// Searches the default data source on from the current cell (as its own
// column) and moves to the match, given back as a grid column.
int CGRCtrlCore::FindFromCurrent(const CString& sFind, long lFlags, int& nCol, int& nRow)
{
    int nSourceCol = GetColTranslation(GetCurrentCol());
    int nSourceRow = GetCurrentRow();
    if (m_pGridInfo->m_pDefDataSource->FindNext(sFind, &nSourceCol, &nSourceRow, lFlags) != 0)
        return 1;
    nCol = nSourceCol;
    for (int nGridCol = 0; nGridCol < GetColCount(); ++nGridCol)
        if (GetColTranslation(nGridCol) == nSourceCol)
            nCol = nGridCol;
    nRow = nSourceRow;
    GotoCell(nCol, nRow);
    return 0;
}

bool CGRCtrlCore::CurrentCellMatches(const CString& sFind, long lFlags)
{
    CString sText = GetCellText(GetCurrentCol(), GetCurrentRow());
    CString sWanted = sFind;
    if (lFlags & CGRMem::kFindIgnoreCase) {
        sText.MakeUpper();
        sWanted.MakeUpper();
    }
    if (lFlags & CGRMem::kFindPartial)
        return !sWanted.IsEmpty() && sText.Find(sWanted) >= 0;
    return !sText.IsEmpty() && sText == sWanted;
}

void CGRCtrlCore::ReplaceCellText(int nCol, int nRow, const CString& sText)
{
    SetCellText(nCol, nRow, sText);
    RedrawCell(nCol, nRow);
}
