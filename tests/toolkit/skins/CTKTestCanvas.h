#pragma once
// Classes in this file: CTKTestCanvas, a memory DC on a bitmap of the
// screen's format, filled with a sentinel colour, for reading the pixels a
// skin draws.

#include "afxwin.h"

class CTKTestCanvas {
public:
    static constexpr COLORREF kSentinel = RGB(1, 2, 3);

    CTKTestCanvas(int cx = 32, int cy = 32)
    {
        HDC hScreen = ::GetDC(nullptr);
        m_dc.Attach(::CreateCompatibleDC(hScreen));
        m_bitmap.Attach(::CreateCompatibleBitmap(hScreen, cx, cy));
        ::ReleaseDC(nullptr, hScreen);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, kSentinel);
    }
    CTKTestCanvas(const CTKTestCanvas&) = delete;
    CTKTestCanvas& operator=(const CTKTestCanvas&) = delete;
    ~CTKTestCanvas() { ReleaseBitmap(); }

    // The bitmap, no longer selected, to be drawn from elsewhere.
    CBitmap* ReleaseBitmap()
    {
        if (m_pOldBitmap != nullptr)
            m_dc.SelectObject(m_pOldBitmap);
        m_pOldBitmap = nullptr;
        return &m_bitmap;
    }

    CDC m_dc;
    CBitmap m_bitmap;

private:
    CBitmap* m_pOldBitmap = nullptr;
};
