#include "CGRNumberFormat.h"

#include "CGRUserLocale.h"

#include <cctype>
#include <string>

namespace {

const size_t kMaxResultLength = 255;  // the result buffer holds 256 with its end

struct PlainNumber {
    bool bNegative = false;
    std::string sWhole;
    std::string sFraction;
};

bool IsDigits(const std::string& s)
{
    for (char c : s)
        if (!isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// "-12.5", "12", ".5", "12." are plain numbers; nothing else is.
bool SplitPlainNumber(const std::string& sText, PlainNumber& number)
{
    std::string sRest = sText;
    number.bNegative = !sRest.empty() && sRest[0] == '-';
    if (number.bNegative)
        sRest.erase(0, 1);
    size_t nPoint = sRest.find('.');
    number.sWhole = sRest.substr(0, nPoint);
    number.sFraction = nPoint == std::string::npos ? std::string() : sRest.substr(nPoint + 1);
    return IsDigits(number.sWhole) && IsDigits(number.sFraction)
        && !(number.sWhole.empty() && number.sFraction.empty());
}

// Adds one in the last place of a digit string; "99" becomes "100".
void IncrementDigits(std::string& sDigits)
{
    for (size_t i = sDigits.size(); i-- > 0;) {
        if (sDigits[i] != '9') {
            ++sDigits[i];
            return;
        }
        sDigits[i] = '0';
    }
    sDigits.insert(0, 1, '1');
}

// Rounds half up to nDigits decimals and pads with zeros.
void RoundFraction(PlainNumber& number, int nDigits)
{
    size_t nKeep = static_cast<size_t>(nDigits);
    if (number.sFraction.size() > nKeep) {
        bool bRoundUp = number.sFraction[nKeep] >= '5';
        std::string sDigits = number.sWhole + number.sFraction.substr(0, nKeep);
        if (bRoundUp)
            IncrementDigits(sDigits);
        number.sWhole = sDigits.substr(0, sDigits.size() - nKeep);
        number.sFraction = sDigits.substr(sDigits.size() - nKeep);
    }
    number.sFraction.append(nKeep - number.sFraction.size(), '0');
}

std::string GroupThousands(const std::string& sWhole, const std::string& sSeparator)
{
    std::string sGrouped;
    for (size_t i = 0; i < sWhole.size(); ++i) {
        if (i > 0 && (sWhole.size() - i) % 3 == 0)
            sGrouped += sSeparator;
        sGrouped += sWhole[i];
    }
    return sGrouped;
}

std::string ApplyNegativeOrder(const std::string& sNumber, int nOrder)
{
    switch (nOrder) {
    case 0: return "(" + sNumber + ")";
    case 2: return "- " + sNumber;
    case 3: return sNumber + "-";
    case 4: return sNumber + " -";
    default: return "-" + sNumber;
    }
}

}

BOOL CGRNumberFormat::Format(LPCTSTR lpszNumber, int nDigits, const CGRNumberLocale& locale,
                             CString& sResult)
{
    PlainNumber number;
    if (!lpszNumber || nDigits < 0 || !SplitPlainNumber(lpszNumber, number))
        return FALSE;
    RoundFraction(number, nDigits);
    number.sWhole.erase(0, number.sWhole.find_first_not_of('0'));
    bool bZero = number.sWhole.empty() && number.sFraction.find_first_not_of('0') == std::string::npos;
    if (number.sWhole.empty() && (locale.m_nLeadingZero || nDigits == 0))
        number.sWhole = "0";

    std::string sText = GroupThousands(number.sWhole, static_cast<LPCTSTR>(locale.m_sThousand));
    if (nDigits > 0)
        sText += static_cast<LPCTSTR>(locale.m_sDecimal) + number.sFraction;
    if (number.bNegative && !bZero)
        sText = ApplyNegativeOrder(sText, locale.m_nNegativeOrder);
    if (sText.size() > kMaxResultLength)
        return FALSE;
    sResult = sText.c_str();
    return TRUE;
}
