#pragma once
// Classes in this file: CSize, an extent in cx and cy. In the win build it is
// a SIZE and passes wherever Win32 takes one.

#include "AfxTypes.h"

#ifdef _WIN32
typedef SIZE AFX_SIZE_DATA;
#else
struct AFX_SIZE_DATA {
    LONG cx;
    LONG cy;
};
#endif

class CSize : public AFX_SIZE_DATA {
public:
    CSize() : AFX_SIZE_DATA{0, 0} {}
    CSize(int initCX, int initCY) : AFX_SIZE_DATA{initCX, initCY} {}
    CSize(const AFX_SIZE_DATA& size) : AFX_SIZE_DATA(size) {}

    bool operator==(const CSize& size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(const CSize& size) const { return !(*this == size); }
    CSize& operator+=(const CSize& size) { cx += size.cx; cy += size.cy; return *this; }
    CSize& operator-=(const CSize& size) { cx -= size.cx; cy -= size.cy; return *this; }
    CSize operator+(const CSize& size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(const CSize& size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};
