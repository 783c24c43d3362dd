#pragma once
// The chart's colour numbers and font sizes. Colour numbers 0 to 15 name
// the sixteen standard colours (9 blue, 12 red, 15 white); a font size is in
// tenths of a point on a 96-dpi chart.

#include "AfxTypes.h"

constexpr int kChartColourCount = 16;
constexpr int kChartWhite = 15;

// Black for a number outside the table.
COLORREF ChartColour(int nColour);
// Pixels of a font of nSize tenths of a point: 90 is 12 pixels.
int ChartFontPixels(int nSize);
