#include "CorrectionText.h"

#include "PastedNumber.h"

#include "MeasValue.h"

#include <cctype>
#include <cmath>

namespace {

int DecimalsOf(const CString& sText, char cDecimal)
{
    const int nPos = sText.Find(cDecimal);
    return nPos < 0 ? 0 : sText.GetLength() - nPos - 1;
}

// The text read with the point in place of the grid's separator.
bool ReadNumber(const CString& sText, char cDecimal, double& dValue)
{
    CString sNumber = sText;
    if (cDecimal != '.')
        sNumber.Replace(cDecimal, '.');
    return CPastedNumber::ReadLeading(sNumber, dValue);
}

// The number of a text without its sign, 0 for none.
double MagnitudeOf(const CString& sText, char cDecimal)
{
    double dValue = 0.0;
    return ReadNumber(sText, cDecimal, dValue) ? std::fabs(dValue) : 0.0;
}

} // namespace

bool CCorrectionText::AcceptsKey(const CString& sField, UINT nKey, char cDecimal, bool bSelected)
{
    if (nKey == kBackspace)
        return true;
    if (nKey == '-')
        return sField.IsEmpty();
    const bool bDigit = std::isdigit(static_cast<int>(nKey)) != 0;
    const bool bSeparator = nKey == static_cast<UINT>(static_cast<unsigned char>(cDecimal)) && sField.Find(cDecimal) < 0;
    if (!bDigit && !bSeparator)
        return false;
    if (sField.GetLength() >= kMaxLength)
        return false;
    const CString sResult = sField + static_cast<char>(nKey);
    if (DecimalsOf(sResult, cDecimal) > 1)
        return false;
    return bSelected || MagnitudeOf(sResult, cDecimal) < kLimit;
}

CString CCorrectionText::Committed(const CString& sText, char cDecimal)
{
    const bool bNegative = !sText.IsEmpty() && sText[0] == '-';
    CString s = bNegative ? sText.Mid(1) : sText;
    const CString sZero = CString("0") + cDecimal + "0";
    if (!s.IsEmpty() && s.Find(cDecimal) < 0)
        s += CString(cDecimal) + "0";
    if (!s.IsEmpty() && s[0] == cDecimal)
        s = "0" + s;
    if (!s.IsEmpty() && s[s.GetLength() - 1] == cDecimal)
        s += "0";
    if (s.GetLength() > kMaxLength)
        s = sZero;
    if (DecimalsOf(s, cDecimal) >= 2)
        s.Empty();
    if (!s.IsEmpty()) {
        const double dValue = MagnitudeOf(s, cDecimal);
        if (dValue >= kLimit)
            s.Empty();
        else if (dValue == 0.0)
            s = sZero;
    }
    if (bNegative && !s.IsEmpty())
        s = "-" + s;
    return s;
}

double CCorrectionText::StoredValue(const CString& sText, char cDecimal)
{
    double dValue = 0.0;
    return ReadNumber(sText, cDecimal, dValue) ? dValue : kMissingValue;
}
