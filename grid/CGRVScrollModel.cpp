#include "CGRVScrollModel.h"

#include "CGRGridInfo.h"

#include <algorithm>

// The range is set anew only when the largest top row, the scroll mode or
// the locked rows changed; the position whenever the top row moved since
// the last notification, and after a new range.
GridScrollBarUpdate CGRVScrollModel::Update(const CGRGridInfo& info)
{
    GridScrollBarUpdate update;
    if (!info.m_bUpdateEnabled)
        return update;
    if (info.m_nMaxTopRow != m_nLastMaxTopRow || info.m_nVScrollMode != m_nLastScrollMode
        || info.m_nLockedRows != m_nLastLockedRows) {
        m_nLastMaxTopRow = info.m_nMaxTopRow;
        m_nLastScrollMode = info.m_nVScrollMode;
        m_nLastLockedRows = info.m_nLockedRows;
        SetRange(info, update);
    }
    if (info.m_nTopRow != info.m_nLastTopRow || update.bSetRange) {
        update.bSetPosition = true;
        update.nPosition = PositionOf(info.m_nTopRow);
    }
    return update;
}

// Mode 2: three positions, no page. More than 1000 top rows: 1000
// positions of a page of one. Otherwise one position per row from the
// locked rows on, a page of the rows of default height the area holds.
void CGRVScrollModel::SetRange(const CGRGridInfo& info, GridScrollBarUpdate& update)
{
    update.bSetRange = true;
    m_bThreePositions = info.m_nVScrollMode == kModeThreePositions;
    m_nScaledRows = 0;
    if (m_bThreePositions) {
        update.nMin = 0;
        update.nMax = 2;
        update.nPage = 0;
    } else if (info.m_nMaxTopRow > kScaledPositions) {
        m_nScaledRows = info.m_nMaxTopRow;
        update.nMin = 0;
        update.nMax = kScaledPositions;
        update.nPage = 1;
    } else {
        int nRowHeight = std::max(info.m_nDefRowHeight, 1);
        update.nPage = std::max(info.m_nAreaHeight, 0) / nRowHeight;
        update.nMin = info.m_nLockedRows;
        update.nMax = std::max(update.nMin, info.m_nMaxTopRow + update.nPage - 1);
    }
}

// Scaled positions are the row times 1000 / the largest top row, and the
// row the position times the largest top row / 1000, both cut to whole
// numbers; worked in integers, so the last row is exactly position 1000.
int CGRVScrollModel::PositionOf(int nTopRow) const
{
    if (m_bThreePositions)
        return 1;
    if (m_nScaledRows > 0)
        return static_cast<int>(static_cast<long long>(nTopRow) * kScaledPositions / m_nScaledRows);
    return nTopRow;
}

int CGRVScrollModel::RowAt(int nPosition) const
{
    if (m_nScaledRows > 0)
        return static_cast<int>(static_cast<long long>(nPosition) * m_nScaledRows / kScaledPositions);
    return nPosition;
}

int CGRVScrollModel::TrackedRow(int nPosition, const CGRGridInfo& info) const
{
    return std::max(info.m_nLockedRows, std::min(RowAt(nPosition), info.m_nMaxTopRow));
}
