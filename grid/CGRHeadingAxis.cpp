#include "CGRHeadingAxis.h"

#include "CGRGridInfo.h"

CGRHeadingAxis::CGRHeadingAxis(const CGRGridInfo& info, bool bTopRows) : m_info(info), m_bTopRows(bTopRows)
{
}

CGRHeadingAxis CGRHeadingAxis::TopRows(const CGRGridInfo& info)
{
    return CGRHeadingAxis(info, true);
}

CGRHeadingAxis CGRHeadingAxis::SideCols(const CGRGridInfo& info)
{
    return CGRHeadingAxis(info, false);
}

int CGRHeadingAxis::Count() const
{
    return m_bTopRows ? m_info.m_nNumberTopHdgRows : m_info.m_nNumberSideHdgCols;
}

int CGRHeadingAxis::Outermost() const
{
    return -Count();
}

int CGRHeadingAxis::Size(int nIndex) const
{
    return m_bTopRows ? m_info.GetTopHdgRowHeight(nIndex) : m_info.GetSideHdgColWidth(nIndex);
}

int CGRHeadingAxis::Offset(int nIndex) const
{
    int nOffset = 0;
    for (int nHeading = Outermost(); nHeading < nIndex; ++nHeading)
        nOffset += Size(nHeading);
    return nOffset;
}

int CGRHeadingAxis::Total() const
{
    return Offset(0);
}

bool CGRHeadingAxis::IndexAt(int nPos, int& nIndex) const
{
    if (nPos < 0)
        return false;
    int nEdge = 0;
    for (int nHeading = Outermost(); nHeading < 0; ++nHeading) {
        nEdge += Size(nHeading);
        if (nEdge > nPos) {
            nIndex = nHeading;
            return true;
        }
    }
    return false;
}
