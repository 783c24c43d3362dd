#pragma once
// Classes in this file: CResultNumbers, the number texts of the result and
// report pages: a missing value (at or below -499.5, or not a number) shows
// empty or as one blank, integers are truncated toward zero, and every
// number is written and read with the page's decimal separator.

#include "NSpectrum.h"

#include "afx.h"

class CResultNumbers {
public:
    static bool IsPresent(double dValue) { return dValue > -499.5; }
    static bool HasBand(const NSpectrum& spec, int nBand) { return IsPresent(spec.GetSpecLine(nBand)); }

    // The text of an editable number field: empty when missing.
    static CString FieldText(double dValue, int nDecimals, char cDecimal);
    // The value of an editable number field: -999.0 when it is empty, 0 or
    // no number.
    static double FieldValue(const CString& sText, char cDecimal);

    // A rating: " " when missing, else truncated toward zero ("%d"), or
    // with one decimal when bTenth.
    static CString RatingText(double dValue, bool bTenth, char cDecimal);
    // An adaptation term: " " when missing, else truncated toward zero.
    static CString TermText(double dValue);
    // "%.<n>f" with the page's separator, whatever the value.
    static CString Fixed(double dValue, int nDecimals, char cDecimal);
    // The nominal frequency of a band, in whole hertz.
    static CString FrequencyText(int nBand);
    // A text written with a point, shown with the page's separator.
    static CString WithSeparator(CString sText, char cDecimal);
};
