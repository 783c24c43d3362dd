#pragma once
// Classes in this file: CGRVScrollModel, the arithmetic of the grid's
// vertical scroll bar: its range and position from the sheet's rows, and
// the top row a thumb position stands for. A sheet of more than 1000
// scrolling positions is scaled onto 0 to 1000; mode 2 is a bar of three
// positions that always rests in the middle.

#include "GridScrollBarUpdate.h"

class CGRGridInfo;

class CGRVScrollModel {
public:
    static constexpr int kScaledPositions = 1000;
    static constexpr int kModeFollowThumb = 1;
    static constexpr int kModeThreePositions = 2;

    GridScrollBarUpdate Update(const CGRGridInfo& info);
    // The top row the view scrolls to for a thumb position.
    int RowAt(int nPosition) const;
    // The row the view would show first were the thumb let go here.
    int TrackedRow(int nPosition, const CGRGridInfo& info) const;

private:
    void SetRange(const CGRGridInfo& info, GridScrollBarUpdate& update);
    int PositionOf(int nTopRow) const;

    int m_nScaledRows = 0;  // the largest top row spread over 0 to 1000; 0: no scaling
    int m_bThreePositions = 0;
    int m_nLastMaxTopRow = -1;
    int m_nLastScrollMode = -1;
    int m_nLastLockedRows = -1;
};
