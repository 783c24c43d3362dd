#include "TypedNumber.h"

#include <cctype>

// Read by hand rather than with atof or strtod: both follow the runtime
// locale, and under a locale whose point differs from the table's separator
// "12.5" would be stored as 12.
bool CTypedNumber::Parse(const CString& sText, char cDecimal, double& dValue)
{
    const int nLength = sText.GetLength();
    int i = 0;
    const bool bNegative = nLength > 0 && sText[0] == '-';
    if (bNegative)
        i = 1;
    double dWhole = 0.0;
    double dScale = 0.0;
    bool bDigits = false;
    for (; i < nLength; ++i) {
        const char ch = sText[i];
        if (std::isdigit(static_cast<unsigned char>(ch))) {
            bDigits = true;
            if (dScale == 0.0) {
                dWhole = dWhole * 10.0 + (ch - '0');
            } else {
                dWhole += (ch - '0') * dScale;
                dScale /= 10.0;
            }
        } else if (ch == cDecimal && dScale == 0.0) {
            dScale = 0.1;
        } else {
            return false;
        }
    }
    if (!bDigits)
        return false;
    dValue = bNegative ? -dWhole : dWhole;
    return true;
}

double CTypedNumber::ValueOf(const CString& sText, char cDecimal)
{
    double dValue = 0.0;
    return Parse(sText, cDecimal, dValue) ? dValue : 0.0;
}

// Digits behind the separator, -1 without one.
int CTypedNumber::DecimalsOf(const CString& sText, char cDecimal)
{
    const int nPos = sText.Find(cDecimal);
    return nPos < 0 ? -1 : sText.GetLength() - nPos - 1;
}

// Fills the decimals up: "1" -> "1.00", ".5" -> "0.50", "3." -> "3.00" (with two).
CString CTypedNumber::PadDecimals(CString sText, char cDecimal, int nDecimals)
{
    if (sText.IsEmpty())
        return sText;
    if (sText.Find(cDecimal) < 0)
        sText += cDecimal;
    if (sText[0] == cDecimal)
        sText = "0" + sText;
    const int nMissing = nDecimals - DecimalsOf(sText, cDecimal);
    if (nMissing > 0)
        sText += CString('0', nMissing);
    return sText;
}

// A signed number with one decimal: the minus goes in front, whatever
// place it was typed at.
CString CTypedNumber::NormalizeSigned(const CString& sText, char cDecimal, int nMaxLength, double dLimit, bool bKeepZero)
{
    CString sDigits = sText;
    const bool bNegative = sDigits.Remove('-') > 0;
    if (sDigits.GetLength() > nMaxLength || DecimalsOf(sDigits, cDecimal) > 1)
        return CString();
    sDigits = PadDecimals(sDigits, cDecimal, 1);
    double dValue = 0.0;
    if (!Parse(sDigits, cDecimal, dValue) || dValue > dLimit || (dValue == 0.0 && !bKeepZero))
        return CString();
    if (dValue == 0.0)
        return CString("0") + cDecimal + "0";
    return bNegative ? "-" + sDigits : sDigits;
}

CString CTypedNumber::NormalizeLevel(const CString& sText, char cDecimal)
{
    return NormalizeSigned(sText, cDecimal, 5, 199.9, false);
}

CString CTypedNumber::NormalizeCorrection(const CString& sText, char cDecimal)
{
    return NormalizeSigned(sText, cDecimal, 4, 99.9, true);
}

CString CTypedNumber::NormalizeReverberation(const CString& sText, char cDecimal, int nDecimals)
{
    if (sText.GetLength() > nDecimals + 3 || DecimalsOf(sText, cDecimal) > nDecimals)
        return CString();
    const CString sPadded = PadDecimals(sText, cDecimal, nDecimals);
    double dValue = 0.0;
    if (!Parse(sPadded, cDecimal, dValue) || dValue <= 0.0 || dValue >= 60.0)
        return CString();
    return sPadded;
}
