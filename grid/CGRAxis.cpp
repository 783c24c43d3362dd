#include "CGRAxis.h"

#include "CGRGridInfo.h"

#include <algorithm>

CGRAxis::CGRAxis(const CGRGridInfo& info, bool bRows) : m_info(info), m_bRows(bRows)
{
}

CGRAxis CGRAxis::Columns(const CGRGridInfo& info)
{
    return CGRAxis(info, false);
}

CGRAxis CGRAxis::Rows(const CGRGridInfo& info)
{
    return CGRAxis(info, true);
}

int CGRAxis::Count() const
{
    return m_bRows ? m_info.m_nNumberRows : m_info.m_nNumberCols;
}

int CGRAxis::Size(int nIndex) const
{
    return m_bRows ? m_info.GetRowHeight(nIndex) : m_info.GetColWidth(nIndex);
}

int CGRAxis::Locked() const
{
    return m_bRows ? m_info.m_nLockedRows : m_info.m_nLockedCols;
}

int CGRAxis::LockedSize() const
{
    return m_bRows ? m_info.m_nLockedRowsHeight : m_info.m_nLockedColsWidth;
}

int CGRAxis::First() const
{
    return m_bRows ? m_info.m_nTopRow : m_info.m_nLeftCol;
}

int CGRAxis::Extent() const
{
    return m_bRows ? m_info.m_nAreaHeight : m_info.m_nAreaWidth;
}

int CGRAxis::SumSizes(int nFrom, int nTo) const
{
    return m_bRows ? m_info.SumRowHeights(nFrom, nTo) : m_info.SumColWidths(nFrom, nTo);
}

// Walks back from the last one, taking sizes off the room left beside the
// locked part; where the room runs out, the one after is the largest first.
int CGRAxis::MaxFirst() const
{
    int nRoom = Extent() - LockedSize();
    int nMax = Locked();
    for (int nIndex = Count() - 1; nIndex >= Locked(); --nIndex) {
        nRoom -= Size(nIndex);
        if (nRoom < 0) {
            nMax = nIndex + 1;
            break;
        }
    }
    nMax = std::min(nMax, Count() - 1);
    return std::max(nMax, Locked());
}

int CGRAxis::LastEdge() const
{
    int nEdge = 0;
    for (int nIndex = 0; nIndex < Count(); ++nIndex) {
        if (nIndex == Locked() && First() > nIndex)
            nIndex = First();
        if (nIndex >= Count())
            break;
        nEdge += Size(nIndex);
        if (nEdge > Extent())
            return nIndex;
    }
    return Count();
}

bool CGRAxis::InView(int nIndex) const
{
    if (nIndex < 0 || nIndex >= Count())
        return false;
    return nIndex < Locked() || (nIndex >= First() && nIndex < LastEdge());
}

int CGRAxis::Offset(int nIndex) const
{
    if (nIndex < Locked())
        return SumSizes(0, nIndex - 1);
    if (nIndex >= First())
        return LockedSize() + SumSizes(First(), nIndex - 1);
    return LockedSize() - SumSizes(nIndex, First() - 1);
}

bool CGRAxis::IndexAt(int nPos, int& nIndex) const
{
    if (nPos < 0 || nPos >= Extent())
        return false;
    int nEdge = 0;
    for (int i = 0; i < Count(); ++i) {
        if (i == Locked() && First() > i)
            i = First();
        if (i >= Count())
            break;
        nEdge += Size(i);
        if (nEdge > nPos) {
            nIndex = i;
            return true;
        }
    }
    return false;
}

int CGRAxis::PageForward(int nFrom) const
{
    int nRoom = Extent() - LockedSize();
    for (int nIndex = nFrom; nIndex < Count(); ++nIndex) {
        nRoom -= Size(nIndex);
        if (nRoom < 0)
            return nIndex;
    }
    return Count() - 1;
}

int CGRAxis::PageBackward(int nFrom) const
{
    int nRoom = Extent() - LockedSize();
    for (int nIndex = nFrom; nIndex >= 0; --nIndex) {
        nRoom -= Size(nIndex);
        if (nRoom < 0)
            return nIndex;
    }
    return 0;
}

// An index right of (below) the view becomes the last one in view; one left
// of (above) it becomes the first; locked ones are always in view.
int CGRAxis::FirstToShow(int nIndex) const
{
    if (nIndex < Locked() || InView(nIndex))
        return First();
    if (nIndex < First())
        return std::max(nIndex, Locked());
    int nRoom = Extent() - LockedSize() - Size(nIndex);
    int nFirst = nIndex;
    while (nFirst - 1 >= First() && nRoom - Size(nFirst - 1) >= 0) {
        nRoom -= Size(nFirst - 1);
        --nFirst;
    }
    return std::min(nFirst, std::max(MaxFirst(), First()));
}

bool CGRAxis::ScrollShift(int nOldFirst, int& nShift) const
{
    nShift = 0;
    if (nOldFirst < 0)
        return false;
    int nSum = 0;
    for (int nIndex = std::min(nOldFirst, First()); nIndex < std::max(nOldFirst, First()); ++nIndex) {
        nSum += Size(nIndex);
        if (nSum > Extent())
            return false;
    }
    nShift = First() > nOldFirst ? nSum : -nSum;
    return true;
}
