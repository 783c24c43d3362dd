#pragma once
// Classes in this file: CTKTestCanvas, a memory DC on a bitmap of the
// screen's format, filled with a sentinel colour, for reading the pixels a
// skin draws.

#include "toolkit/skins/CTKMemoryBitmapDC.h"

class CTKTestCanvas : public CTKMemoryBitmapDC {
public:
    static constexpr COLORREF kSentinel = RGB(1, 2, 3);

    explicit CTKTestCanvas(int cx = 32, int cy = 32) : CTKMemoryBitmapDC(CDC::FromHandle(ScreenDC().m_hDC), cx, cy)
    {
        m_dc.FillSolidRect(0, 0, cx, cy, kSentinel);
    }

    // Whether a pixel of rect has the colour cr.
    bool HasColour(const CRect& rect, COLORREF cr)
    {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                if (m_dc.GetPixel(x, y) == cr)
                    return true;
            }
        }
        return false;
    }

private:
    // The screen's DC for the time of the constructor.
    struct ScreenDCTemp {
        HDC m_hDC = ::GetDC(nullptr);
        ~ScreenDCTemp() { ::ReleaseDC(nullptr, m_hDC); }
    };
    static ScreenDCTemp ScreenDC() { return {}; }
};
