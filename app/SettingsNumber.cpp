#include "SettingsNumber.h"

#include "MeasValue.h"

#include <charconv>
#include <string>

namespace {

const char kMissingText[] = "-999.9";
const double kMissingSettingsValue = -999.9;
const int kDecimals = 1;

} // namespace

// std::to_chars and std::from_chars never look at the C locale, which the
// program sets to the user's at start.
CString SettingsNumberText(double dValue)
{
    if (dValue <= kMissingThreshold)
        return kMissingText;
    char szText[64];
    const std::to_chars_result result =
        std::to_chars(szText, szText + sizeof(szText) - 1, RoundValue(dValue, kDecimals), std::chars_format::fixed, kDecimals);
    *result.ptr = '\0';
    return szText;
}

double SettingsNumberValue(const CString& sText)
{
    double dValue = 0.0;
    return SettingsDecimalValue(sText, dValue) ? dValue : kMissingSettingsValue;
}

CString SettingsDecimalText(double dValue)
{
    char szText[64];
    const std::to_chars_result result = std::to_chars(szText, szText + sizeof(szText) - 1, dValue);
    *result.ptr = '\0';
    return szText;
}

BOOL SettingsDecimalValue(const CString& sText, double& rdValue)
{
    std::string sNumber(static_cast<LPCTSTR>(sText));
    sNumber.erase(0, sNumber.find_first_not_of(" \t"));
    for (char& ch : sNumber) {
        if (ch == ',')
            ch = '.';
    }
    const char* pFirst = sNumber.c_str();
    if (*pFirst == '+')
        ++pFirst;
    const std::from_chars_result result = std::from_chars(pFirst, sNumber.c_str() + sNumber.size(), rdValue);
    return result.ec == std::errc();
}
