// Behaviours of the typed numbers of the measurement tables: reading with the
// table's separator whatever the runtime locale, and the forms of level,
// correction and reverberation-time cells when the cell is left.

#include "tables/TypedNumber.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(TypedNumber, ReadsWithTheTablesSeparatorOnly)
{
    struct {
        const char* lpszText;
        char cDecimal;
        bool bNumber;
        double dValue;
    } const aRows[] = {
        {"12.5", '.', true, 12.5},   {"12,5", ',', true, 12.5},  {"12,5", '.', false, 0.0},
        {"-5", '.', true, -5.0},     {".5", '.', true, 0.5},     {"3.", '.', true, 3.0},
        {"", '.', false, 0.0},       {"-", '.', false, 0.0},     {"1.2.3", '.', false, 0.0},
        {"1e3", '.', false, 0.0},    {"0,05", ',', true, 0.05},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszText);
        double dValue = -1.0;
        EXPECT_EQ(row.bNumber, CTypedNumber::Parse(row.lpszText, row.cDecimal, dValue));
        if (row.bNumber) {
            EXPECT_DOUBLE_EQ(row.dValue, dValue);
        }
    }
}

// atof would read "12.5" as 12 under a runtime locale with a decimal comma.
TEST(TypedNumber, IgnoresTheRuntimeLocale)
{
    const char* lpszOld = std::setlocale(LC_NUMERIC, nullptr);
    const std::string sOld = lpszOld ? lpszOld : "C";
    for (const char* lpszLocale : {"de_DE.UTF-8", "German_Germany.1252", "de-DE"}) {
        if (std::setlocale(LC_NUMERIC, lpszLocale) != nullptr)
            break;
    }
    EXPECT_DOUBLE_EQ(12.5, CTypedNumber::ValueOf("12.5", '.'));
    EXPECT_DOUBLE_EQ(12.5, CTypedNumber::ValueOf("12,5", ','));
    std::setlocale(LC_NUMERIC, sOld.c_str());
}

TEST(TypedNumber, NormalizesLevelCells)
{
    struct {
        const char* lpszText;
        char cDecimal;
        const char* lpszExpected;
    } const aRows[] = {
        {"12", '.', "12.0"},   {"0", '.', ""},        {"00.0", '.', ""},     {"-5", '.', "-5.0"},
        {"199.9", '.', "199.9"}, {"200", '.', ""},    {".5", '.', "0.5"},    {"7.", '.', "7.0"},
        {"12.34", '.', ""},    {"123456", '.', ""},   {"0,0", ',', ""},      {",0", ',', ""},
        {"12,5", ',', "12,5"}, {"-", '.', ""},        {"", '.', ""},         {"5-", '.', "-5.0"},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(CString(row.lpszExpected), CTypedNumber::NormalizeLevel(row.lpszText, row.cDecimal));
    }
}

TEST(TypedNumber, NormalizesCorrectionCells)
{
    struct {
        const char* lpszText;
        char cDecimal;
        const char* lpszExpected;
    } const aRows[] = {
        {"0", '.', "0.0"},   {"0", ',', "0,0"},   {"99.9", '.', "99.9"}, {"100", '.', ""},
        {"-3", '.', "-3.0"}, {"1.25", '.', ""},   {"12345", '.', ""},    {"-0", '.', "0.0"},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(CString(row.lpszExpected), CTypedNumber::NormalizeCorrection(row.lpszText, row.cDecimal));
    }
}

TEST(TypedNumber, NormalizesReverberationCells)
{
    struct {
        const char* lpszText;
        int nDecimals;
        char cDecimal;
        const char* lpszExpected;
    } const aRows[] = {
        {"1", 2, '.', "1.00"},    {"1", 3, '.', "1.000"},  {"0", 2, '.', ""},      {"0,0", 2, ',', ""},
        {"59.99", 2, '.', "59.99"}, {"60", 2, '.', ""},    {"1.234", 2, '.', ""},  {".5", 2, '.', "0.50"},
        {"2.", 2, '.', "2.00"},   {"123456", 2, '.', ""},  {"1,5", 2, ',', "1,50"},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(CString(row.lpszExpected),
                  CTypedNumber::NormalizeReverberation(row.lpszText, row.cDecimal, row.nDecimals));
    }
}
