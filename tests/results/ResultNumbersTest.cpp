// Number texts of the result pages: missing values, truncation toward
// zero, the page's decimal separator, and the -999.0 of an empty field.

#include "results/ResultNumbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ResultNumbers, WritesFieldsAndLeavesMissingOnesEmpty)
{
    const struct {
        double dValue;
        int nDecimals;
        char cDecimal;
        const char* lpszText;
    } aCases[] = {
        {-499.5, 1, '.', ""},      {-500.0, 1, '.', ""},      {-499.4, 1, '.', "-499.4"},
        {12.34, 2, ',', "12,34"},  {45.0, 0, '.', "45"},       {std::numeric_limits<double>::quiet_NaN(), 1, '.', ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dValue);
        EXPECT_STREQ(c.lpszText, CResultNumbers::FieldText(c.dValue, c.nDecimals, c.cDecimal));
    }
}

TEST(ResultNumbers, ReadsEmptyOrZeroFieldsAsMissing)
{
    const struct {
        const char* lpszText;
        char cDecimal;
        double dValue;
    } aCases[] = {
        {"", '.', -999.0}, {"0", '.', -999.0}, {"0.0", '.', -999.0}, {"abc", '.', -999.0},
        {"12.5", '.', 12.5}, {"12,5", ',', 12.5}, {" 7 ", '.', 7.0}, {"-499.4", '.', -499.4},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszText);
        EXPECT_DOUBLE_EQ(c.dValue, CResultNumbers::FieldValue(c.lpszText, c.cDecimal));
    }
}

TEST(ResultNumbers, TruncatesRatingsTowardZero)
{
    const struct {
        double dValue;
        bool bTenth;
        char cDecimal;
        const char* lpszText;
    } aCases[] = {
        {52.46, false, '.', "52"}, {52.46, true, '.', "52.5"}, {52.46, true, ',', "52,5"}, {-1.4, false, '.', "-1"},
        {-0.3, false, '.', "0"},   {-5.7, false, '.', "-5"},   {-999.0, false, '.', " "}, {-999.0, true, '.', " "},
        {1e30, false, '.', "1000000000000000019884624838656"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dValue);
        EXPECT_STREQ(c.lpszText, CResultNumbers::RatingText(c.dValue, c.bTenth, c.cDecimal));
    }
}

} // namespace
