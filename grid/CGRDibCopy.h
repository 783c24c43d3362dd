#pragma once
// Classes in this file: CGRDibCopy, a device-independent copy of a bitmap's
// picture, so that a bitmap made for the screen can be drawn on a printer,
// whose DC cannot take a screen bitmap.

#include "afxwin.h"

#include <vector>

class CGRDibCopy {
public:
    // Empty when the bitmap cannot be read.
    explicit CGRDibCopy(CBitmap* pBitmap);

    BOOL IsEmpty() const;
    // Draws the whole picture stretched over the rectangle (SRCCOPY); the
    // number of scan lines drawn, 0 when nothing was.
    int Stretch(CDC* pDC, const CRect& target) const;

private:
    const BITMAPINFO* Info() const;

    std::vector<BYTE> m_info;   // header and colour table
    std::vector<BYTE> m_bits;
};
