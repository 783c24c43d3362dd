#include "CGRHintPlacement.h"

#include <algorithm>

int CGRHintPlacement::Width(int nTextWidth, int nMinWidth)
{
    return std::max(nTextWidth + kTextPadding, nMinWidth);
}

CRect CGRHintPlacement::Place(CPoint point, CSize size, int nFlags, CSize client)
{
    int nLeft = Start(point.x, size.cx, (nFlags & kRightAtX) != 0, (nFlags & kCentredOnX) != 0);
    int nTop = Start(point.y, size.cy, (nFlags & kBottomAtY) != 0, (nFlags & kCentredOnY) != 0);
    nLeft = IntoRange(nLeft, size.cx, client.cx);
    nTop = IntoRange(nTop, size.cy, client.cy);
    return CRect(nLeft, nTop, nLeft + size.cx, nTop + size.cy);
}

int CGRHintPlacement::Start(int nAt, int nSize, bool bFarEdge, bool bCentred)
{
    if (bFarEdge)
        return nAt - nSize;
    if (bCentred)
        return nAt - nSize / 2;
    return nAt;
}

// Sticking out before the area it starts at 0; past the far edge it ends
// there.
int CGRHintPlacement::IntoRange(int nStart, int nSize, int nLimit)
{
    if (nStart < 0)
        return 0;
    if (nStart + nSize > nLimit)
        return nLimit - nSize;
    return nStart;
}
