// Behaviours of the channel corrections' value cells: the keys they take,
// the form a typed correction is brought to, and the value stored from a
// text, read with the grid's separator whatever the runtime locale.

#include "tables/CorrectionText.h"

#include "MeasValue.h"

#include <gtest/gtest.h>

TEST(CorrectionText, TakesDigitsOneSeparatorOneDecimalAndALeadingMinusBelow100)
{
    struct {
        const char* lpszField;
        UINT nKey;
        bool bSelected;
        bool bAccepted;
    } const aRows[] = {
        {"", '-', false, true},     {"-", '-', false, false},   {"5", '-', false, false},
        {"9", '9', false, true},    {"99", '9', false, false},  {"99", '9', true, true},
        {"-99", '9', false, false}, {"5.5", '1', false, false}, {"5", '.', false, true},
        {"5.", '.', false, false},  {"-12.5", '1', false, false}, {"", 'a', false, false},
        {"", ',', false, false},    {"12.5", CCorrectionText::kBackspace, false, true},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(testing::Message() << row.lpszField << " + " << static_cast<char>(row.nKey));
        EXPECT_EQ(row.bAccepted, CCorrectionText::AcceptsKey(row.lpszField, row.nKey, '.', row.bSelected));
    }
    EXPECT_TRUE(CCorrectionText::AcceptsKey("5", ',', ',', false));
}

TEST(CorrectionText, BringsATypedCorrectionToOneDecimal)
{
    struct {
        const char* lpszText;
        char cDecimal;
        const char* lpszCommitted;
    } const aRows[] = {
        {"5", '.', "5.0"},     {"-5", '.', "-5.0"},   {".5", '.', "0.5"},   {"5.", '.', "5.0"},
        {",5", ',', "0,5"},    {"0", '.', "0.0"},     {"-", '.', ""},       {"", '.', ""},
        {"100", '.', ""},      {"-100", '.', ""},     {"1.25", '.', ""},    {"99.9", '.', "99.9"},
        {"123456", '.', "0.0"},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(CString(row.lpszCommitted), CCorrectionText::Committed(row.lpszText, row.cDecimal));
    }
}

// "5,5" typed with a comma separator stores 5.5, not 5.0.
TEST(CorrectionText, StoresTheValueReadWithTheGridsSeparator)
{
    EXPECT_DOUBLE_EQ(5.5, CCorrectionText::StoredValue("5,5", ','));
    EXPECT_DOUBLE_EQ(-3.5, CCorrectionText::StoredValue("-3.5", '.'));
    EXPECT_DOUBLE_EQ(kMissingValue, CCorrectionText::StoredValue("", '.'));
    EXPECT_DOUBLE_EQ(kMissingValue, CCorrectionText::StoredValue("-", '.'));
}
