#include "RedrawRegionList.h"

#include <algorithm>

bool RedrawRegionList::Range::Contains(int nCol, int nRow) const
{
    return nCol >= nStartCol && nCol <= nEndCol && nRow >= nStartRow && nRow <= nEndRow;
}

void RedrawRegionList::Widen(Range& range, const Range& other)
{
    range.nStartCol = std::min(range.nStartCol, other.nStartCol);
    range.nStartRow = std::min(range.nStartRow, other.nStartRow);
    range.nEndCol = std::max(range.nEndCol, other.nEndCol);
    range.nEndRow = std::max(range.nEndRow, other.nEndRow);
}

// The first range of an empty list sets the bounding box; later ones widen it.
void RedrawRegionList::AddRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    Range range = {nStartCol, nStartRow, nEndCol, nEndRow};
    if (m_ranges.empty())
        m_bounds = range;
    else
        Widen(m_bounds, range);
    m_ranges.push_back(range);
}

void RedrawRegionList::AddCell(int nCol, int nRow)
{
    AddRange(nCol, nRow, nCol, nRow);
}

void RedrawRegionList::WidenFirstRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    if (m_ranges.empty()) {
        AddRange(nStartCol, nStartRow, nEndCol, nEndRow);
        return;
    }
    Range range = {nStartCol, nStartRow, nEndCol, nEndRow};
    Widen(m_ranges.front(), range);
    Widen(m_bounds, range);
}

// The bounding box answers most cells of a pass without a look at the ranges.
int RedrawRegionList::IsInRange(int nCol, int nRow) const
{
    if (m_ranges.empty() || !m_bounds.Contains(nCol, nRow))
        return 0;
    return std::any_of(m_ranges.begin(), m_ranges.end(),
                       [&](const Range& range) { return range.Contains(nCol, nRow); }) ? 1 : 0;
}

int RedrawRegionList::IsDrawn(int nCol, int nRow) const
{
    return std::any_of(m_drawn.begin(), m_drawn.end(),
                       [&](const Cell& cell) { return cell.nCol == nCol && cell.nRow == nRow; }) ? 1 : 0;
}

void RedrawRegionList::AddDrawn(int nCol, int nRow)
{
    m_drawn.push_back({nCol, nRow});
}

void RedrawRegionList::Clear()
{
    m_ranges.clear();
    m_drawn.clear();
}

bool RedrawRegionList::IsEmpty() const
{
    return m_ranges.empty();
}
