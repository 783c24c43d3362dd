#pragma once
// Classes in this file: RedrawRegionList, the cells the cell area still has
// to draw in its next drawing pass (ranges of cells, inclusive), and the
// joined cells already drawn in this pass, so that each is drawn once.

#include <vector>

class RedrawRegionList {
public:
    void AddRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow);
    void AddCell(int nCol, int nRow);
    void WidenFirstRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow);
    int IsInRange(int nCol, int nRow) const;
    int IsDrawn(int nCol, int nRow) const;
    void AddDrawn(int nCol, int nRow);
    void Clear();
    bool IsEmpty() const;

private:
    struct Range {
        int nStartCol, nStartRow, nEndCol, nEndRow;
        bool Contains(int nCol, int nRow) const;
    };
    struct Cell {
        int nCol, nRow;
    };
    void Widen(Range& range, const Range& other);

    std::vector<Range> m_ranges;
    std::vector<Cell> m_drawn;
    Range m_bounds = {0, 0, -1, -1};
};
