#include "GridSelectionHooks.h"

#include "grid/CGRCtrl.h"
#include "grid/CGRMultiSelect.h"

namespace {
bool IsKeyHeld(int nVirtualKey)
{
    return (::GetKeyState(nVirtualKey) & 0x8000) != 0;
}
} // namespace

// A plain click starts again, Ctrl adds a block, Shift stretches the block
// under way to the new column or row.
void CGridSelectionHooks::SelectBlock(CGRCtrl& grid, int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    if (IsKeyHeld(VK_SHIFT)) {
        grid.GetMultiSelect()->EndBlock(nEndCol, nEndRow);
        return;
    }
    if (!IsKeyHeld(VK_CONTROL)) {
        grid.ClearSelections();
        grid.GotoCell(nStartCol, nStartRow);
    }
    grid.SelectRange(nStartCol, nStartRow, nEndCol, nEndRow);
}

void CGridSelectionHooks::SelectColumn(CGRCtrl& grid, int nCol, int nUpDown, int nEndRow, int nFrequencyEndRow)
{
    if (nCol < 0)
        return;
    if (nUpDown != 0)
        SelectBlock(grid, nCol, 0, nCol, nEndRow);
    else if (nCol == 0) {
        grid.ClearSelections();
        grid.SelectRange(0, 0, 0, nFrequencyEndRow);
    }
    grid.RedrawAll();
}

void CGridSelectionHooks::SelectRow(CGRCtrl& grid, int nRow, int nUpDown)
{
    if (nRow < 0)
        return;
    if (nUpDown != 0)
        SelectBlock(grid, 0, nRow, grid.GetColCount() - 1, nRow);
    grid.RedrawAll();
}

void CGridSelectionHooks::SelectAllCells(CGRCtrl& grid)
{
    grid.SelectRange(0, 0, grid.GetColCount() - 1, grid.GetRowCount() - 1);
}

int CGridSelectionHooks::PostContextMenuToParent(CGRCtrl& grid)
{
    if (CWnd* pParent = grid.GetParent())
        pParent->PostMessage(WM_CONTEXTMENU, 0, 0);
    return 1;
}
