#pragma once
// Classes in this file: CRect, a rectangle whose right and bottom edges lie
// outside it. In the win build it is a RECT and passes wherever Win32 takes one.

#include "AfxTypes.h"
#include "CPoint.h"
#include "CSize.h"

#ifdef _WIN32
typedef RECT AFX_RECT_DATA;
#else
struct AFX_RECT_DATA {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
#endif

class CRect : public AFX_RECT_DATA {
public:
    CRect() : AFX_RECT_DATA{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : AFX_RECT_DATA{l, t, r, b} {}
    CRect(const AFX_RECT_DATA& rect) : AFX_RECT_DATA(rect) {}
    CRect(const CPoint& point, const CSize& size);
    CRect(const CPoint& topLeft, const CPoint& bottomRight);

// Attributes
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const;
    BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(const CPoint& point) const;

// Operations
    void SetRect(int x1, int y1, int x2, int y2);
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void OffsetRect(int x, int y);
    void OffsetRect(const CPoint& point) { OffsetRect(point.x, point.y); }
    void OffsetRect(const CSize& size) { OffsetRect(size.cx, size.cy); }
    void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
    void InflateRect(const CSize& size) { InflateRect(size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b);
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(const CSize& size) { InflateRect(-size); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void NormalizeRect();
    BOOL IntersectRect(const CRect& rect1, const CRect& rect2);
    BOOL UnionRect(const CRect& rect1, const CRect& rect2);

// Operators
    bool operator==(const CRect& rect) const;
    bool operator!=(const CRect& rect) const { return !(*this == rect); }
    CRect& operator+=(const CPoint& point) { OffsetRect(point); return *this; }
    CRect& operator+=(const CSize& size) { OffsetRect(size); return *this; }
    CRect& operator-=(const CPoint& point) { OffsetRect(-point); return *this; }
    CRect& operator-=(const CSize& size) { OffsetRect(-size); return *this; }
    CRect operator&(const CRect& rect) const;
    CRect operator|(const CRect& rect) const;
#ifdef _WIN32
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
#endif
};
