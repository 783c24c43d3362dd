#include "ResultNumbers.h"

#include "tables/TypedNumber.h"

#include "NSpectrum.h"

#include <cmath>

CString CResultNumbers::FieldText(double dValue, int nDecimals, char cDecimal)
{
    return IsPresent(dValue) ? Fixed(dValue, nDecimals, cDecimal) : CString();
}

double CResultNumbers::FieldValue(const CString& sText, char cDecimal)
{
    double dValue = 0.0;
    CString sTrimmed = sText;
    sTrimmed.TrimLeft();
    sTrimmed.TrimRight();
    if (!CTypedNumber::Parse(sTrimmed, cDecimal, dValue) || dValue == 0.0)
        return -999.0;
    return dValue;
}

CString CResultNumbers::RatingText(double dValue, bool bTenth, char cDecimal)
{
    if (!IsPresent(dValue))
        return " ";
    return bTenth ? Fixed(dValue, 1, cDecimal) : TermText(dValue);
}

CString CResultNumbers::TermText(double dValue)
{
    if (!IsPresent(dValue))
        return " ";
    // "%.0f" of the truncated value: as "%d" would show it, without the
    // conversion to int that a huge imported value would overflow.
    double dWhole = std::trunc(dValue);
    if (dWhole == 0.0)
        dWhole = 0.0;  // no "-0"
    CString sText;
    sText.Format("%.0f", dWhole);
    return sText;
}

CString CResultNumbers::Fixed(double dValue, int nDecimals, char cDecimal)
{
    CString sText;
    sText.Format("%.*f", nDecimals, dValue);
    return WithSeparator(sText, cDecimal);
}

CString CResultNumbers::WithSeparator(CString sText, char cDecimal)
{
    if (cDecimal != '.')
        sText.Replace('.', cDecimal);
    return sText;
}

CString CResultNumbers::FrequencyText(int nBand)
{
    CString sText;
    sText.Format("%.0f", NSpectrum::IndexToFreq(nBand));
    return sText;
}
