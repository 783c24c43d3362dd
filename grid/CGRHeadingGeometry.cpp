#include "CGRHeadingGeometry.h"

#include <algorithm>
#include <cstdlib>

CGRHeadingGeometry::CGRHeadingGeometry(const CGRGridInfo& info, bool bTop)
    : m_data(bTop ? CGRAxis::Columns(info) : CGRAxis::Rows(info)),
      m_heading(bTop ? CGRHeadingAxis::TopRows(info) : CGRHeadingAxis::SideCols(info)), m_bTop(bTop)
{
}

// Along the data the cells lie as in the cell area; across it the heading
// rows (columns) lie from the outermost one at the window's edge.
bool CGRHeadingGeometry::CellAt(int x, int y, int& nCol, int& nRow) const
{
    int nData = 0, nHeading = 0;
    if (!m_data.IndexAt(m_bTop ? x : y, nData) || !m_heading.IndexAt(m_bTop ? y : x, nHeading))
        return false;
    nCol = m_bTop ? nData : nHeading;
    nRow = m_bTop ? nHeading : nData;
    return true;
}

// Vertical edges first: the columns' in the top heading, the heading
// columns' in the side heading.
bool CGRHeadingGeometry::EdgeAt(int x, int y, int& nKind, int& nIndex) const
{
    if (m_bTop ? DataEdgeAt(x, nIndex) : HeadingEdgeAt(x, nIndex)) {
        nKind = kEdgeAcross;
        return true;
    }
    if (m_bTop ? HeadingEdgeAt(y, nIndex) : DataEdgeAt(y, nIndex)) {
        nKind = kEdgeDown;
        return true;
    }
    return false;
}

bool CGRHeadingGeometry::SizesData(int nKind) const
{
    return (nKind == kEdgeAcross) == m_bTop;
}

bool CGRHeadingGeometry::Reaches(int nPos, int nEdge)
{
    return std::abs(nPos - nEdge) < kEdgeReach;
}

// The far edges of the columns (rows) in view, in the order the cell area
// draws them. An edge followed by a hidden one (size 0) belongs to the
// hidden one, so that dragging it shows that one again.
bool CGRHeadingGeometry::DataEdgeAt(int nPos, int& nIndex) const
{
    int nEdge = 0;
    for (int i = 0; i < m_data.Count() && nEdge < m_data.Extent(); ++i) {
        if (i == m_data.Locked() && m_data.First() > i)
            i = m_data.First();
        if (i >= m_data.Count() || m_data.Size(i) == 0)
            continue;
        nEdge += m_data.Size(i);
        if (Reaches(nPos, nEdge)) {
            nIndex = (i + 1 < m_data.Count() && m_data.Size(i + 1) == 0) ? i + 1 : i;
            return true;
        }
    }
    return false;
}

bool CGRHeadingGeometry::HeadingEdgeAt(int nPos, int& nIndex) const
{
    for (int nHeading = m_heading.Outermost(); nHeading < 0; ++nHeading) {
        if (m_heading.Size(nHeading) == 0)
            continue;
        if (Reaches(nPos, m_heading.Offset(nHeading) + m_heading.Size(nHeading))) {
            nIndex = (nHeading + 1 < 0 && m_heading.Size(nHeading + 1) == 0) ? nHeading + 1 : nHeading;
            return true;
        }
    }
    return false;
}

// A drag changes the size by the distance the pointer moved; a size never
// becomes negative.
int CGRHeadingGeometry::DraggedSize(int nStartSize, int nStartPos, int nPos)
{
    return std::max(0, nStartSize + nPos - nStartPos);
}

// While all rows share one height, dragging the edge below the k-th row in
// view sets the height that puts that edge under the pointer: the divisor
// is k, taken where the drag began.
int CGRHeadingGeometry::UniformDivisor(int nStartPos, int nRowHeight)
{
    return nRowHeight > 0 ? nStartPos / nRowHeight : 0;
}

int CGRHeadingGeometry::UniformRowHeight(int nPos, int nDivisor)
{
    int nHeight = std::max(nPos, 1);
    return nDivisor > 0 ? std::max(nHeight / nDivisor, 1) : nHeight;
}
