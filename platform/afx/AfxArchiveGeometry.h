#pragma once
// Points and rectangles in an archive: their LONGs in order (x, y; left,
// top, right, bottom), stored or loaded as the archive goes.

#include "CArchive.h"
#include "CPoint.h"
#include "CRect.h"

inline void AfxArchivePoint(CArchive& ar, AFX_POINT_DATA& point)
{
    if (ar.IsStoring())
        ar << point.x << point.y;
    else
        ar >> point.x >> point.y;
}

inline void AfxArchiveRect(CArchive& ar, AFX_RECT_DATA& rect)
{
    if (ar.IsStoring())
        ar << rect.left << rect.top << rect.right << rect.bottom;
    else
        ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}
