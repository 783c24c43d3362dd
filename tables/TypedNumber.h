#pragma once
// Classes in this file: CTypedNumber, the numbers the user types into the
// measurement tables: reading a text with the table's decimal separator
// whatever the runtime locale, and the forms a text is brought to when the
// cell is left (level, correction and reverberation-time cells).

#include "afx.h"

class CTypedNumber {
public:
    // The value of a text such as "-12,5" with cDecimal as its point;
    // false for an empty text or one that is no plain decimal number.
    static bool Parse(const CString& sText, char cDecimal, double& dValue);
    // The value, 0.0 for a text that is no number.
    static double ValueOf(const CString& sText, char cDecimal);

    // A level: one decimal, below 200 dB; zero and anything too long or
    // too precise become empty ("12" -> "12.0", "0" -> "", "-5" -> "-5.0").
    static CString NormalizeLevel(const CString& sText, char cDecimal);
    // A correction: one decimal, below 100 dB; zero stays as "0.0".
    static CString NormalizeCorrection(const CString& sText, char cDecimal);
    // A reverberation time with nDecimals decimals, below 60 s; zero and
    // invalid texts become empty ("1" -> "1.00").
    static CString NormalizeReverberation(const CString& sText, char cDecimal, int nDecimals);

private:
    static CString NormalizeSigned(const CString& sText, char cDecimal, int nMaxLength, double dLimit, bool bKeepZero);
    static CString PadDecimals(CString sText, char cDecimal, int nDecimals);
    static int DecimalsOf(const CString& sText, char cDecimal);
};
