#include "PastedNumber.h"

#include "TypedNumber.h"

#include "MeasValue.h"

#include <cctype>

namespace {
bool IsDigit(char ch)
{
    return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}
} // namespace

bool CPastedNumber::ReadLeading(const CString& sText, double& dValue)
{
    const int nLength = sText.GetLength();
    int nStart = 0;
    while (nStart < nLength && (sText[nStart] == ' ' || sText[nStart] == '\t'))
        ++nStart;
    int nEnd = nStart;
    if (nEnd < nLength && (sText[nEnd] == '-' || sText[nEnd] == '+'))
        ++nEnd;
    const int nDigitsStart = nEnd;
    bool bPoint = false;
    for (; nEnd < nLength; ++nEnd) {
        const char ch = sText[nEnd];
        if (ch == '.' && !bPoint)
            bPoint = true;
        else if (!IsDigit(ch))
            break;
    }
    CString sNumber = sText.Mid(nDigitsStart, nEnd - nDigitsStart);
    if (!CTypedNumber::Parse(sNumber, '.', dValue))
        return false;
    if (nDigitsStart > nStart && sText[nStart] == '-')
        dValue = -dValue;
    return true;
}

double CPastedNumber::BandValueOf(const CString& sLine, Kind kind)
{
    double dValue = 0.0;
    if (!ReadLeading(sLine, dValue) || !IsInRange(dValue, kind))
        return kMissingValue;
    return dValue;
}

// Levels up to 199.9 dB either way, corrections below 100 dB either way,
// reverberation times from 1 ms to below 60 s.
bool CPastedNumber::IsInRange(double dValue, Kind kind)
{
    switch (kind) {
    case Kind::kLevel:
        return dValue >= -199.9 && dValue <= 199.9;
    case Kind::kCorrection:
        return dValue > -100.0 && dValue < 100.0;
    case Kind::kReverberationTime:
        return dValue >= 0.001 && dValue < 60.0;
    }
    return false;
}
