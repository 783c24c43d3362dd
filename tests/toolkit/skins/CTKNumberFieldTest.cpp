// Tests of the numeric edit's field rules: what a typed or pasted text
// becomes, where a typed digit goes, and the number read from the field.

#include "toolkit/skins/CTKNumberField.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

CTKNumberFormat CommaDecimals()
{
    CTKNumberFormat format;
    format.m_cDecimal = ',';
    format.m_cGroup = '.';
    return format;
}

}  // namespace

TEST(CTKNumberField, NormalizesTextIntoTheFormat)
{
    struct Row {
        const char* pszText;
        int nFractionalDigits;
        int nMaxIntegerDigits;
        BOOL bLeadingZero;
        const char* pszField;
        BOOL bMinus;
        BOOL bDigitsCut;
    } rows[] = {
        {"5", 2, -1, TRUE, "5.00", FALSE, FALSE},
        {"", 2, -1, TRUE, "0.00", FALSE, FALSE},
        {"", 2, -1, FALSE, ".00", FALSE, FALSE},
        {"0.5", 2, -1, FALSE, ".50", FALSE, FALSE},
        {"", 0, -1, TRUE, "0", FALSE, FALSE},
        {"7.6", 0, -1, TRUE, "7", FALSE, TRUE},
        {"1234567", 2, -1, TRUE, "1,234,567.00", FALSE, FALSE},
        {"1,2,34567.", 2, -1, TRUE, "1,234,567.00", FALSE, FALSE},
        {"12.34", 1, -1, TRUE, "12.3", FALSE, TRUE},
        {"12.39", 1, -1, TRUE, "12.3", FALSE, TRUE},
        {"12345", 2, 3, TRUE, "345.00", FALSE, TRUE},
        {"0012", 2, 3, TRUE, "12.00", FALSE, FALSE},
        {"-42", 1, -1, TRUE, "42.0", TRUE, FALSE},
        {"4-2", 1, -1, TRUE, "42.0", FALSE, FALSE},
        {"1.2.3", 2, -1, TRUE, "12.30", FALSE, FALSE},
        {"a1b2", 2, -1, TRUE, "12.00", FALSE, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.pszText + "\" with " + std::to_string(row.nFractionalDigits));
        CTKNumberFormat format;
        format.m_nFractionalDigits = row.nFractionalDigits;
        format.m_nMaxIntegerDigits = row.nMaxIntegerDigits;
        format.m_bLeadingZero = row.bLeadingZero;
        CString sField = row.pszText;
        BOOL bMinus = -1;
        BOOL bDigitsCut = -1;
        CTKNumberField(format).Normalize(sField, bMinus, bDigitsCut);
        EXPECT_EQ(std::string(sField), row.pszField);
        EXPECT_EQ(bMinus, row.bMinus);
        EXPECT_EQ(bDigitsCut, row.bDigitsCut);
    }
}

TEST(CTKNumberField, GroupsWithTheFormatsOwnSeparators)
{
    CTKNumberFormat format = CommaDecimals();
    CString sField = "1234567,891";
    BOOL bMinus = FALSE;
    BOOL bDigitsCut = FALSE;
    CTKNumberField(format).Normalize(sField, bMinus, bDigitsCut);
    EXPECT_EQ(std::string(sField), "1.234.567,89");
    format.m_nGroupLength = 0;
    sField = "1234567";
    CTKNumberField(format).Normalize(sField, bMinus, bDigitsCut);
    EXPECT_EQ(std::string(sField), "1234567,00");
}

TEST(CTKNumberField, PlacesATypedCharacterOrRefusesIt)
{
    struct Row {
        const char* pszField;
        int nIndex;
        char c;
        BOOL bReplace;
        BOOL bInsertMode;
        int nMaxIntegerDigits;
        const char* pszAfter;
        int nCaret;
    } rows[] = {
        {"", 0, '5', FALSE, TRUE, -1, "5", 1},
        {"12.34", 3, '9', FALSE, TRUE, -1, "12.94", 4},      // full fraction: overwrites
        {"12.3", 4, '9', FALSE, TRUE, -1, "12.39", 5},       // room in the fraction
        {"12.34", 5, '9', FALSE, TRUE, -1, "12.34", -1},     // full fraction, nothing to overwrite
        {"0.00", 0, '7', FALSE, TRUE, -1, "7.00", 1},        // a leading "0" is overwritten
        {"0", 1, '7', FALSE, TRUE, -1, "7", 1},              // so is a lone "0"
        {"1,234.00", 2, '9', FALSE, TRUE, -1, "1,9234.00", 3},
        {"345.00", 1, '9', FALSE, TRUE, 3, "395.00", 2},     // integer digits at their maximum
        {"12.34", 0, '9', TRUE, TRUE, -1, "92.34", 1},       // replace
        {"12.34", 2, '9', FALSE, FALSE, -1, "12.94", 4},     // overtype skips the separator
        {".50", 0, '3', FALSE, FALSE, -1, "3.50", 1},        // overtype before a leading separator inserts
        {"12.34", 0, '0', FALSE, TRUE, -1, "12.34", -1},     // a leading "0" is refused
        {"12.34", 0, '0', FALSE, FALSE, -1, "12.34", -1},
        {"0.34", 0, '0', FALSE, FALSE, -1, ".34", 0},
        {"1.34", 0, '0', FALSE, FALSE, -1, ".34", 0},
        {"12.34", 1, '.', FALSE, TRUE, -1, "12.34", 3},      // the caret goes behind the separator
        {"12", 1, '.', FALSE, TRUE, -1, "12.", 3},           // a separator is added at the end
        {"12", 1, 'x', FALSE, TRUE, -1, "12", -1},
        {"12", 1, '+', FALSE, TRUE, -1, "12", -1},
    };
    CTKNumberFormat format;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.pszField) + " at " + std::to_string(row.nIndex) + " typing " + row.c);
        format.m_nMaxIntegerDigits = row.nMaxIntegerDigits;
        CString sField = row.pszField;
        int nCaret = CTKNumberField(format).InsertDigit(sField, row.nIndex, row.c, row.bReplace, row.bInsertMode, TRUE);
        EXPECT_EQ(nCaret, row.nCaret);
        EXPECT_EQ(std::string(sField), row.pszAfter);
    }
}

TEST(CTKNumberField, TakesAPointAsTheSeparatorOnlyWhenAllowed)
{
    CTKNumberFormat format = CommaDecimals();
    CTKNumberField field(format);
    CString sField = "12";
    EXPECT_EQ(field.InsertDigit(sField, 2, '.', FALSE, TRUE, TRUE), 3);
    EXPECT_EQ(std::string(sField), "12,");
    sField = "12";
    EXPECT_EQ(field.InsertDigit(sField, 2, '.', FALSE, TRUE, FALSE), -1);
    format.m_nFractionalDigits = 0;
    EXPECT_EQ(field.InsertDigit(sField, 2, ',', FALSE, TRUE, TRUE), -1);
}

// The value is read with the field's own separator; the runtime's locale,
// which may use another one, has no say.
TEST(CTKNumberField, ReadsTheValueWithItsOwnSeparator)
{
    struct Row {
        char cDecimal;
        char cGroup;
        const char* pszField;
        double dValue;
    } rows[] = {
        {'.', ',', "12.50", 12.5},       {',', '.', "12,50", 12.5},
        {',', '.', "1.234.567,25", 1234567.25}, {'.', ',', "1,234,567.00", 1234567.0},
        {'.', ',', ".50", 0.5},          {'.', ',', "", 0.0},
        {'.', ',', "7", 7.0},
    };
    const char* pszLocales[] = {"C", "de_DE.UTF-8", "de_DE", "German"};
    for (const char* pszLocale : pszLocales) {
        if (std::setlocale(LC_NUMERIC, pszLocale) == nullptr)
            continue;
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(pszLocale) + ": " + row.pszField);
            CTKNumberFormat format;
            format.m_cDecimal = row.cDecimal;
            format.m_cGroup = row.cGroup;
            EXPECT_DOUBLE_EQ(CTKNumberField(format).ReadValue(row.pszField), row.dValue);
        }
    }
    std::setlocale(LC_NUMERIC, "C");
}

TEST(CTKNumberField, KeepsTheCaretBesideTheSameDigitThroughNormalizing)
{
    struct Row {
        const char* pszBefore;
        int nCaret;
        const char* pszAfter;
        int nMapped;
    } rows[] = {
        {"5", 1, "5.00", 1},                 // behind the typed digit
        {".", 1, "0.00", 2},                 // behind the typed separator
        {"05.00", 2, "5.00", 1},             // a leading zero falls away
        {"1,9234.00", 3, "19,234.00", 2},    // regrouped
        {"12345", 3, "345.00", 1},           // integer digits cut from the left
        {"12345", 0, "345.00", 0},
        {"12.345", 6, "12.34", 5},           // fraction truncated
        {"1234", 4, "1,234", 5},             // no separator: the end is the anchor
    };
    CTKNumberFormat format;
    CTKNumberField field(format);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.pszBefore) + " at " + std::to_string(row.nCaret));
        EXPECT_EQ(field.MapCaret(row.pszBefore, row.nCaret, row.pszAfter), row.nMapped);
    }
}

TEST(CTKNumberField, RewritesAFieldOfOtherSeparatorsInItsOwn)
{
    CTKNumberFormat english;
    CTKNumberFormat german = CommaDecimals();
    EXPECT_EQ(std::string(CTKNumberField(german).FromFormat("1,234.50", english)), "1234,50");
    EXPECT_EQ(std::string(CTKNumberField(english).FromFormat("1.234,50", german)), "1234.50");
    EXPECT_EQ(std::string(CTKNumberField(english).FromFormat("12.5", english)), "12.5");
}

TEST(CTKNumberField, CountsGroupSeparatorsOfTheIntegerPart)
{
    CTKNumberFormat format;
    CTKNumberField field(format);
    EXPECT_EQ(field.CountGroupsBefore("1,234,567.00", -1), 2);
    EXPECT_EQ(field.CountGroupsBefore("1,234,567.00", 2), 1);
    EXPECT_EQ(field.CountGroupsBefore("1,234,567.00", 1), 0);
    EXPECT_EQ(field.CountGroupsBefore("1,234,567.00", 11), 2);
}
