#include "CGRHScrollModel.h"

#include "CGRGridInfo.h"

#include <algorithm>

// The range is set anew only when the largest left column or the locked
// columns changed; a bar that has no room then asks for another layout. The
// position follows the left column whenever it moved since the last
// notification.
GridScrollBarUpdate CGRHScrollModel::Update(const CGRGridInfo& info)
{
    GridScrollBarUpdate update;
    if (!info.m_bUpdateEnabled)
        return update;
    if (info.m_nMaxLeftCol != m_nLastMaxLeftCol || info.m_nLockedCols != m_nLastLockedCols) {
        m_nLastMaxLeftCol = info.m_nMaxLeftCol;
        m_nLastLockedCols = info.m_nLockedCols;
        // A default width of 0 would divide by zero: count such columns as 1 pixel wide.
        int nColWidth = std::max(info.m_nDefColWidth, 1);
        update.bSetRange = true;
        update.nPage = std::max(info.m_nAreaWidth - info.m_nLockedColsWidth, 0) / nColWidth;
        update.nMin = 0;
        update.nMax = std::max(0, info.m_nMaxLeftCol - info.m_nLockedCols + update.nPage - 1);
        update.bLayOutAgain = info.m_componentRects[CGRGridInfo::kHScrollBar].Height() == 0;
    }
    if (info.m_nLeftCol != info.m_nLastLeftCol) {
        update.bSetPosition = true;
        update.nPosition = info.m_nLeftCol - info.m_nLockedCols;
    }
    return update;
}

int CGRHScrollModel::ColumnAt(int nPosition, const CGRGridInfo& info)
{
    return info.m_nLockedCols + nPosition;
}
