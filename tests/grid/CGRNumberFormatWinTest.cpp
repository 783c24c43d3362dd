// CGRNumberFormat against the system's own number formatting: for each
// locale form and number text, our result equals GetNumberFormatA's with the
// same explicit number format.
//
// Where we differ on purpose (and so no row here):
//   "-0.001" with 2 digits: the system gives "-0.00", we give "0.00" (a zero
//       carries no sign);
//   "0" or ".25" with 0 digits and no leading zero: the system gives "" (a
//       zero would look like a missing value), we give "0";
//   "999999.5" with 0 digits: the system under Wine gives "1000,000", we give
//       "1,000,000" (the carry makes a new group).
#include "grid/CGRNumberFormat.h"
#include "grid/CGRUserLocale.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool SystemFormat(const char* lpszNumber, int nDigits, const CGRNumberLocale& locale, std::string& sResult)
{
    std::string sDecimal(static_cast<LPCTSTR>(locale.m_sDecimal));
    std::string sThousand(static_cast<LPCTSTR>(locale.m_sThousand));
    NUMBERFMTA format = {};
    format.NumDigits = nDigits;
    format.LeadingZero = locale.m_nLeadingZero;
    format.Grouping = 3;
    format.lpDecimalSep = &sDecimal[0];
    format.lpThousandSep = &sThousand[0];
    format.NegativeOrder = locale.m_nNegativeOrder;
    char buffer[256];
    if (!GetNumberFormatA(LOCALE_USER_DEFAULT, 0, lpszNumber, &format, buffer, sizeof(buffer)))
        return false;
    sResult = buffer;
    return true;
}

}

TEST(CGRNumberFormat, AgreesWithTheSystemsNumberFormatting)
{
    struct Row {
        const char* lpszNumber;
        int nFirstDigits;  // digit counts from here to 3
    };
    const Row rows[] = {
        {"1234", 0}, {"1234.5", 0}, {"-1234.5", 0}, {"9.995", 0}, {"12.", 0}, {"1234567.891", 0},
        {"-7", 0}, {"0.5", 0}, {"-0.75", 0}, {".25", 1}, {"-0.25", 1}, {"0", 1}, {"99.96", 0},
    };
    CGRNumberLocale forms[4];
    forms[1].m_nLeadingZero = 0;
    forms[1].m_nNegativeOrder = 0;
    forms[2].m_sDecimal = ",";
    forms[2].m_sThousand = ".";
    forms[2].m_nNegativeOrder = 2;
    forms[3].m_sThousand = "'";
    forms[3].m_nNegativeOrder = 4;
    for (const CGRNumberLocale& form : forms) {
        for (const Row& row : rows) {
            for (int nDigits = row.nFirstDigits; nDigits <= 3; ++nDigits) {
                SCOPED_TRACE(std::string(row.lpszNumber) + " digits " + std::to_string(nDigits) + " order "
                             + std::to_string(form.m_nNegativeOrder) + " zero "
                             + std::to_string(form.m_nLeadingZero));
                std::string sSystem;
                CString sOurs;
                ASSERT_TRUE(SystemFormat(row.lpszNumber, nDigits, form, sSystem));
                ASSERT_TRUE(CGRNumberFormat::Format(row.lpszNumber, nDigits, form, sOurs));
                EXPECT_EQ(std::string(static_cast<LPCTSTR>(sOurs)), sSystem);
            }
        }
    }
}
