#pragma once
// Classes in this file: CMultiplotLineSamples, the sixteen colours of a
// multiplot curve and the line-sample bitmap that shows a curve's width
// (line type 0, told apart by thickness) or style (line type 1, by pattern).

#include "afx.h"

class CMultiplotLineSamples {
public:
    static constexpr int kColorCount = 16;
    static constexpr int kValueCount = 5;
    static constexpr int kThickness = 0;
    static constexpr int kPattern = 1;

    // An index outside 0..15 draws as colour 0.
    static COLORREF LineColor(int nIndex);
    // The index of a colour of the table, or -1.
    static int ColorIndexOf(COLORREF color);
    // The bitmap resource of a width or style; a value outside 0..4 shows
    // the sample of 0.
    static UINT SampleOf(int nLineType, int nValue);
    // The width or style a sample shows for the line type, or -1.
    static int ValueOf(int nLineType, UINT nSampleId);
};
