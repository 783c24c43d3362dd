#pragma once
// Classes in this file: CGridSelectionHooks, what the measurement-table and
// correction grids do alike with a click on a heading or on the corner
// button, and with the grid's menu key: select whole columns or rows (Ctrl
// adds a block, Shift extends the current one), select every cell, and
// leave the context menu to the view the grid sits in.

#include "afxwin.h"

class CGRCtrl;

class CGridSelectionHooks {
public:
    // A press on a column heading selects rows 0 to nEndRow of the column;
    // the release of a click on the heading of column 0 ends the block at
    // nFrequencyEndRow. Redraws the grid.
    static void SelectColumn(CGRCtrl& grid, int nCol, int nUpDown, int nEndRow, int nFrequencyEndRow);
    // A press on a row heading selects columns 0 to the last of the row.
    static void SelectRow(CGRCtrl& grid, int nRow, int nUpDown);
    // The corner button: from the first to the last column and row.
    static void SelectAllCells(CGRCtrl& grid);
    // The grid's menu hook: the view opens its own context menu at the cursor.
    static int PostContextMenuToParent(CGRCtrl& grid);

private:
    static void SelectBlock(CGRCtrl& grid, int nStartCol, int nStartRow, int nEndCol, int nEndRow);
};
