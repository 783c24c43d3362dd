#include "CRect.h"

#include <algorithm>
#include <utility>

CRect::CRect(const CPoint& point, const CSize& size)
    : AFX_RECT_DATA{point.x, point.y, point.x + size.cx, point.y + size.cy}
{
}

CRect::CRect(const CPoint& topLeft, const CPoint& bottomRight)
    : AFX_RECT_DATA{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}
{
}

// Rounds towards the top left, as integer halving of the extent does.
CPoint CRect::CenterPoint() const
{
    return CPoint(left + Width() / 2, top + Height() / 2);
}

// The right and bottom edges are outside the rectangle.
BOOL CRect::PtInRect(const CPoint& point) const
{
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
}

void CRect::SetRect(int x1, int y1, int x2, int y2)
{
    left = x1;
    top = y1;
    right = x2;
    bottom = y2;
}

void CRect::OffsetRect(int x, int y)
{
    left += x;
    top += y;
    right += x;
    bottom += y;
}

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

// As Win32 IntersectRect: an empty input or no overlap gives the empty
// rectangle 0,0,0,0 and FALSE.
BOOL CRect::IntersectRect(const CRect& rect1, const CRect& rect2)
{
    CRect overlap(std::max(rect1.left, rect2.left), std::max(rect1.top, rect2.top),
                  std::min(rect1.right, rect2.right), std::min(rect1.bottom, rect2.bottom));
    if (rect1.IsRectEmpty() || rect2.IsRectEmpty() || overlap.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    *this = overlap;
    return TRUE;
}

// As Win32 UnionRect: empty inputs are ignored; with both empty the result
// is 0,0,0,0 and FALSE.
BOOL CRect::UnionRect(const CRect& rect1, const CRect& rect2)
{
    if (rect1.IsRectEmpty() && rect2.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    if (rect1.IsRectEmpty() || rect2.IsRectEmpty()) {
        *this = rect1.IsRectEmpty() ? rect2 : rect1;
        return TRUE;
    }
    SetRect(std::min(rect1.left, rect2.left), std::min(rect1.top, rect2.top),
            std::max(rect1.right, rect2.right), std::max(rect1.bottom, rect2.bottom));
    return TRUE;
}

bool CRect::operator==(const CRect& rect) const
{
    return left == rect.left && top == rect.top && right == rect.right && bottom == rect.bottom;
}

CRect CRect::operator&(const CRect& rect) const
{
    CRect result;
    result.IntersectRect(*this, rect);
    return result;
}

CRect CRect::operator|(const CRect& rect) const
{
    CRect result;
    result.UnionRect(*this, rect);
    return result;
}
