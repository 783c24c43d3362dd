#pragma once
// Classes in this file: CMultiplotBandValue, the band values of a multiplot
// curve as its table shows and takes them: the shown text (measured value
// plus correction), the decimals by graph type, and a pasted line as a band
// value kept inside the range of the graph type.

#include "NBuildData.h"

#include "afx.h"

class CMultiplotBandValue {
public:
    static constexpr int kLevelType = 0;

    // Levels show one decimal, reverberation times and absorption two.
    static int DecimalsOf(int nGraphType) { return nGraphType == 1 || nGraphType == 2 ? 2 : 1; }
    // The value of band nBand as the table shows it (with a point); empty
    // when the measured value is missing.
    static CString ShownText(const NBuildData& rec, int nBand, int nGraphType);
    // A pasted line: its leading number when it lies inside the graph
    // type's range, else (no number, or out of range) the missing value.
    static double PastedValue(const CString& sLine, int nGraphType);
};
