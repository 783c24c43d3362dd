// Without a window system the grid sees the classic default palette.
#include "CGRSysColors.h"

namespace {
class CClassicSysColors : public CGRSysColors {
public:
    COLORREF GetSysColor(int nIndex) const override
    {
        switch (nIndex) {
        case COLOR_WINDOW: return RGB(255, 255, 255);
        case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
        case COLOR_HIGHLIGHT: return RGB(0, 0, 128);
        case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
        case COLOR_BTNFACE: return RGB(192, 192, 192);
        case COLOR_BTNSHADOW: return RGB(128, 128, 128);
        case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
        default: return RGB(0, 0, 0);
        }
    }
};
}

const CGRSysColors& CGRSysColors::System()
{
    static const CClassicSysColors colors;
    return colors;
}
