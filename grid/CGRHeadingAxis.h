#pragma once
// Classes in this file: CGRHeadingAxis, the arithmetic of the heading rows of
// the top heading or the heading columns of the side heading. Both are
// numbered from -1 next to the cells outwards to -n; the outermost one lies
// at the heading window's edge, position 0.

class CGRGridInfo;

class CGRHeadingAxis {
public:
    static CGRHeadingAxis TopRows(const CGRGridInfo& info);
    static CGRHeadingAxis SideCols(const CGRGridInfo& info);

    int Count() const;
    int Outermost() const;
    // 0 for an index outside -1 ... -n.
    int Size(int nIndex) const;
    int Offset(int nIndex) const;
    int Total() const;
    // The heading index at a position; false past the last one.
    bool IndexAt(int nPos, int& nIndex) const;

private:
    CGRHeadingAxis(const CGRGridInfo& info, bool bTopRows);

    const CGRGridInfo& m_info;
    bool m_bTopRows;
};
