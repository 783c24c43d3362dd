#pragma once
// Classes in this file: CGRHScrollModel, the arithmetic of the grid's
// horizontal scroll bar: one position per scrolling column (the locked
// columns have none), a page of the columns of default width the area
// holds beside the locked ones.

#include "GridScrollBarUpdate.h"

class CGRGridInfo;

class CGRHScrollModel {
public:
    GridScrollBarUpdate Update(const CGRGridInfo& info);
    // The left column the view scrolls to for a thumb position.
    static int ColumnAt(int nPosition, const CGRGridInfo& info);

private:
    int m_nLastMaxLeftCol = -1;
    int m_nLastLockedCols = -1;
};
