#pragma once
// Classes in this file: CGRHeadingGeometry, what lies under a point of the
// top or the side heading: the heading cell, and the edge the user may drag
// to size a column, a row or the heading itself; with the arithmetic of
// such a drag. The top heading runs along the columns and has heading rows;
// the side heading runs along the rows and has heading columns.

#include "CGRAxis.h"
#include "CGRHeadingAxis.h"

class CGRGridInfo;

class CGRHeadingGeometry {
public:
    CGRHeadingGeometry(const CGRGridInfo& info, bool bTop);

    // Kinds of edge: a vertical one dragged across, a horizontal one down.
    enum EdgeKind { kEdgeAcross = 0, kEdgeDown = 1 };
    // A pointer strictly closer than this to an edge rests on it.
    static constexpr int kEdgeReach = 3;

    // The heading cell at a point of the heading window (joins unresolved).
    bool CellAt(int x, int y, int& nCol, int& nRow) const;
    // The edge at a point; nIndex is the column, row or heading index sized.
    bool EdgeAt(int x, int y, int& nKind, int& nIndex) const;
    // Whether an edge of the kind sizes a data column (row) rather than a
    // heading row (column).
    bool SizesData(int nKind) const;

    static int DraggedSize(int nStartSize, int nStartPos, int nPos);
    static int UniformDivisor(int nStartPos, int nRowHeight);
    static int UniformRowHeight(int nPos, int nDivisor);

private:
    bool DataEdgeAt(int nPos, int& nIndex) const;
    bool HeadingEdgeAt(int nPos, int& nIndex) const;
    static bool Reaches(int nPos, int nEdge);

    CGRAxis m_data;
    CGRHeadingAxis m_heading;
    bool m_bTop;
};
