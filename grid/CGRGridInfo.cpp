#include "CGRGridInfo.h"

#include "CGRMem.h"
#include "CGRMultiSelect.h"
#include "CGRSysColors.h"

namespace {
const short kHeadingBorder = kBorderRaised;
const short kHeadingAlignment = kAlignCenter | kAlignVCenter;
}

// A new sheet: no columns or rows, one heading row and column, each as
// large as its heading (the windows, the hit tests and the printed pages
// all measure the side heading by the one width), headings in
// the button face colour with a raised frame and centred text, and a memory
// data source of its own.
CGRGridInfo::CGRGridInfo()
    : m_topHdgHeights{20}, m_sideHdgWidths{40}, m_pMem(new CGRMem)
{
    m_headingDefault.SetBackColor(GRSysColor(COLOR_BTNFACE));
    m_headingDefault.SetBorderStyle(kHeadingBorder);
    m_headingDefault.SetAlignment(kHeadingAlignment);
    m_headingDefault.SetThemeStyle(kThemeHeadingDefault);
    m_pDefDataSource = m_pMem.get();
}

CGRGridInfo::~CGRGridInfo() = default;

int CGRGridInfo::GetColWidth(int nCol) const
{
    if (nCol < 0 || nCol >= m_nNumberCols)
        return 0;
    return m_columns[static_cast<size_t>(nCol)].nWidth;
}

int CGRGridInfo::GetRowHeight(int nRow) const
{
    if (nRow < 0 || nRow >= m_nNumberRows)
        return 0;
    return m_rowHeights.empty() ? m_nDefRowHeight : m_rowHeights[static_cast<size_t>(nRow)];
}

int CGRGridInfo::GetTopHdgRowHeight(int nRow) const
{
    if (nRow >= 0 || nRow < -m_nNumberTopHdgRows)
        return 0;
    return m_topHdgHeights[static_cast<size_t>(-nRow - 1)];
}

int CGRGridInfo::GetSideHdgColWidth(int nCol) const
{
    if (nCol >= 0 || nCol < -m_nNumberSideHdgCols)
        return 0;
    return m_sideHdgWidths[static_cast<size_t>(-nCol - 1)];
}

int CGRGridInfo::SumColWidths(int nFirst, int nLast) const
{
    int nSum = 0;
    for (int nCol = nFirst; nCol <= nLast; ++nCol)
        nSum += GetColWidth(nCol);
    return nSum;
}

int CGRGridInfo::SumRowHeights(int nFirst, int nLast) const
{
    if (m_rowHeights.empty()) {
        int nFrom = nFirst < 0 ? 0 : nFirst;
        int nTo = nLast >= m_nNumberRows ? m_nNumberRows - 1 : nLast;
        return nTo < nFrom ? 0 : (nTo - nFrom + 1) * m_nDefRowHeight;
    }
    int nSum = 0;
    for (int nRow = nFirst; nRow <= nLast; ++nRow)
        nSum += GetRowHeight(nRow);
    return nSum;
}
