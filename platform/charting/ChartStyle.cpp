#include "ChartStyle.h"

#include <cmath>

namespace {

const COLORREF kColours[kChartColourCount] = {
    RGB(0, 0, 0),     RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),   RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255), RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),   RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
};

}

COLORREF ChartColour(int nColour)
{
    return nColour >= 0 && nColour < kChartColourCount ? kColours[nColour] : kColours[0];
}

// tenths of a point -> pixels: size / 10 pt * 96 px / 72 pt
int ChartFontPixels(int nSize)
{
    return static_cast<int>(std::lround(nSize * 96.0 / 720.0));
}
