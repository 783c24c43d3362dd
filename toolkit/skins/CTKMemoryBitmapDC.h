#pragma once
// Classes in this file: CTKMemoryBitmapDC, a memory DC with a bitmap of its
// own selected, compatible with a given DC; both are freed at the end of the
// scope. The skins compose buttons in it and copy them in one piece.

#include "afxwin.h"

class CTKMemoryBitmapDC {
public:
    CTKMemoryBitmapDC(CDC* pDC, int cx, int cy);
    CTKMemoryBitmapDC(const CTKMemoryBitmapDC&) = delete;
    CTKMemoryBitmapDC& operator=(const CTKMemoryBitmapDC&) = delete;
    ~CTKMemoryBitmapDC();

    // The bitmap, no longer selected, to be selected elsewhere.
    CBitmap* TakeBitmap();

    CDC m_dc;
    CBitmap m_bitmap;

private:
    CBitmap* m_pOldBitmap = nullptr;
};
