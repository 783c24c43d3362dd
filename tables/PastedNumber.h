#pragma once
// Classes in this file: CPastedNumber, the numbers of pasted texts: read
// with a point whatever the runtime locale, and a pasted band value kept
// only inside the range of its cell kind.

#include "afx.h"

class CPastedNumber {
public:
    enum class Kind { kLevel, kCorrection, kReverberationTime };

    // The number at the start of sText (after blanks), read with a point;
    // false when the text does not start with one. "12.5 dB" gives 12.5.
    static bool ReadLeading(const CString& sText, double& dValue);
    // A pasted line as a band value of a cell of that kind: the missing
    // value when the line holds no number or one outside the kind's range.
    static double BandValueOf(const CString& sLine, Kind kind);
    static bool IsInRange(double dValue, Kind kind);
};
