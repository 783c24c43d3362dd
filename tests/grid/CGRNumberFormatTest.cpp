// CGRNumberFormat: rounding with carries, leading zero, grouping, the five
// negative forms, separators of more than one character, refused texts and
// the result length limit.
#include "grid/CGRNumberFormat.h"
#include "grid/CGRUserLocale.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CGRNumberLocale Locale(int nLeadingZero, const char* lpszDecimal, const char* lpszThousand,
                       int nNegativeOrder)
{
    CGRNumberLocale locale;
    locale.m_nLeadingZero = nLeadingZero;
    locale.m_sDecimal = lpszDecimal;
    locale.m_sThousand = lpszThousand;
    locale.m_nNegativeOrder = nNegativeOrder;
    return locale;
}

}

TEST(CGRNumberFormat, FormatsPlainNumbersInTheLocaleForm)
{
    struct Row {
        const char* lpszNumber;
        int nDigits;
        CGRNumberLocale locale;
        const char* lpszExpected;
    };
    const CGRNumberLocale english = Locale(1, ".", ",", 1);
    const Row rows[] = {
        /* 0 */ {"1234", 0, english, "1,234"},
        /* 1 */ {"1234.5", 1, english, "1,234.5"},
        /* 2 */ {"1234.5", 3, english, "1,234.500"},
        /* 3 */ {"9.995", 2, english, "10.00"},
        /* 4 */ {"9.994", 2, english, "9.99"},
        /* 5 */ {"999999.5", 0, english, "1,000,000"},
        /* 6 */ {".25", 2, english, "0.25"},
        /* 7 */ {".25", 2, Locale(0, ".", ",", 1), ".25"},
        /* 8 */ {"0", 0, Locale(0, ".", ",", 1), "0"},
        /* 9 */ {"-0.25", 2, english, "-0.25"},
        /* 10 */ {"-2", 0, Locale(1, ".", ",", 0), "(2)"},
        /* 11 */ {"-2", 0, Locale(1, ".", ",", 2), "- 2"},
        /* 12 */ {"-2", 0, Locale(1, ".", ",", 3), "2-"},
        /* 13 */ {"-2", 0, Locale(1, ".", ",", 4), "2 -"},
        /* 14 */ {"-0.001", 2, english, "0.00"},
        /* 15 */ {"1234567.5", 1, Locale(1, ",", ".", 1), "1.234.567,5"},
        /* 16 */ {"1234567", 0, Locale(1, ",", "\xA0\xA0", 1), "1\xA0\xA0" "234\xA0\xA0" "567"},
        /* 17 */ {"12.", 1, english, "12.0"},
        /* 18 */ {"123", 0, english, "123"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.lpszNumber) + " with " + std::to_string(row.nDigits) + " digits");
        CString sResult = "untouched";
        ASSERT_TRUE(CGRNumberFormat::Format(row.lpszNumber, row.nDigits, row.locale, sResult));
        EXPECT_STREQ(sResult, row.lpszExpected);
    }
}

TEST(CGRNumberFormat, RefusesWhatIsNoPlainNumberAndLeavesTheResult)
{
    const char* const texts[] = {"", "-", ".", "1e5", "1,234", " 12", "12a", "--1", "1.2.3", "nan"};
    for (const char* lpszText : texts) {
        SCOPED_TRACE(lpszText);
        CString sResult = "untouched";
        EXPECT_FALSE(CGRNumberFormat::Format(lpszText, 2, CGRNumberLocale(), sResult));
        EXPECT_STREQ(sResult, "untouched");
    }
    CString sResult = "untouched";
    EXPECT_FALSE(CGRNumberFormat::Format(nullptr, 0, CGRNumberLocale(), sResult));
    EXPECT_FALSE(CGRNumberFormat::Format("1", -1, CGRNumberLocale(), sResult));
}

TEST(CGRNumberFormat, RefusesAResultThatDoesNotFitTheBuffer)
{
    CString sResult;
    // 189 digits grouped give 189 + 62 separators = 251 characters: fits.
    EXPECT_TRUE(CGRNumberFormat::Format(std::string(189, '1').c_str(), 0, CGRNumberLocale(), sResult));
    EXPECT_EQ(sResult.GetLength(), 251);
    // 192 digits give 192 + 63 = 255: still fits; 193 give 257: does not.
    EXPECT_TRUE(CGRNumberFormat::Format(std::string(192, '1').c_str(), 0, CGRNumberLocale(), sResult));
    EXPECT_FALSE(CGRNumberFormat::Format(std::string(193, '1').c_str(), 0, CGRNumberLocale(), sResult));
}
