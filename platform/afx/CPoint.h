#pragma once
// Classes in this file: CPoint, a position in x and y. In the win build it is
// a POINT and passes wherever Win32 takes one.

#include "AfxTypes.h"
#include "CSize.h"

#ifdef _WIN32
typedef POINT AFX_POINT_DATA;
#else
struct AFX_POINT_DATA {
    LONG x;
    LONG y;
};
#endif

class CPoint : public AFX_POINT_DATA {
public:
    CPoint() : AFX_POINT_DATA{0, 0} {}
    CPoint(int initX, int initY) : AFX_POINT_DATA{initX, initY} {}
    CPoint(const AFX_POINT_DATA& point) : AFX_POINT_DATA(point) {}
    explicit CPoint(const CSize& size) : AFX_POINT_DATA{size.cx, size.cy} {}

// Operations
    void Offset(int xOffset, int yOffset) { x += xOffset; y += yOffset; }
    void Offset(const CSize& size) { Offset(size.cx, size.cy); }

// Operators
    bool operator==(const CPoint& point) const { return x == point.x && y == point.y; }
    bool operator!=(const CPoint& point) const { return !(*this == point); }
    CPoint& operator+=(const CSize& size) { Offset(size); return *this; }
    CPoint& operator-=(const CSize& size) { Offset(-size); return *this; }
    CPoint operator+(const CSize& size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(const CSize& size) const { return CPoint(x - size.cx, y - size.cy); }
    CSize operator-(const CPoint& point) const { return CSize(x - point.x, y - point.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};
