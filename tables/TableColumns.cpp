#include "TableColumns.h"

int CTableColumns::GroupWidth() const
{
    return IsReverberation() ? 3 : 5;
}

int CTableColumns::FirstColOf(int nPosition) const
{
    return kFirstGroupCol + GroupWidth() * (nPosition - 1);
}

// A column beside every group must not fall to the first or to a missing
// measurement: a typed value there would be written into the wrong record.
int CTableColumns::PositionOf(int nCol, int nMeasCount) const
{
    if (nCol < kFirstGroupCol)
        return 0;
    const int nPosition = 1 + (nCol - kFirstGroupCol) / GroupWidth();
    return nPosition <= nMeasCount ? nPosition : 0;
}

int CTableColumns::OffsetInGroup(int nCol) const
{
    return nCol < kFirstGroupCol ? -1 : (nCol - kFirstGroupCol) % GroupWidth();
}
