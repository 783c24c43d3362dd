#pragma once
// Classes in this file: CGRAxis, the arithmetic of one direction of a sheet:
// the columns across or the rows down, with their locked leading part, the
// first scrolling one in view and the extent of the cell area. Columns and
// rows follow the same rules, so the rules are written once.

class CGRGridInfo;

class CGRAxis {
public:
    static CGRAxis Columns(const CGRGridInfo& info);
    static CGRAxis Rows(const CGRGridInfo& info);

    int Count() const;
    int Size(int nIndex) const;
    int Locked() const;
    int LockedSize() const;
    int First() const;
    int Extent() const;
    int SumSizes(int nFrom, int nTo) const;

    // The largest first scrolling index that still fills the view.
    int MaxFirst() const;
    // The first index whose far edge passes the extent; Count() when all fit.
    int LastEdge() const;
    bool InView(int nIndex) const;
    // Position of the near edge in the cell area; scrolled-out ones lie
    // before the locked part, at negative or overlapping positions.
    int Offset(int nIndex) const;
    // The index at a position of the cell area; false when none lies there.
    bool IndexAt(int nPos, int& nIndex) const;
    // First index from nFrom on (back from nFrom) that no longer fits in a
    // page of the view.
    int PageForward(int nFrom) const;
    int PageBackward(int nFrom) const;
    // The first scrolling index that brings nIndex into view.
    int FirstToShow(int nIndex) const;
    // The pixels the picture moves by since the first scrolling index was
    // nOldFirst (positive when it grew); false when the move passes the
    // extent, or no old index is known, and everything is to be drawn anew.
    bool ScrollShift(int nOldFirst, int& nShift) const;

private:
    CGRAxis(const CGRGridInfo& info, bool bRows);

    const CGRGridInfo& m_info;
    bool m_bRows;
};
