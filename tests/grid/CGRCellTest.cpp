// CGRCell: fallbacks of unset properties, the reset flag word, text and
// number with the user's locale, parsing, data type changes, copy and merge
// rules, join information, bitmaps, read-only, snapshots.
#include "grid/CGRCell.h"

#include "GridTestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

CBitmap* FakeBitmap()
{
    static int nBitmap;
    return reinterpret_cast<CBitmap*>(&nBitmap);
}

CFont* FakeFont()
{
    static int nFont;
    return reinterpret_cast<CFont*>(&nFont);
}

}

TEST(CGRCell, FreshCellReportsTheFallbacks)
{
    CScopedGridEnvironment environment;
    CGRCell cell;
    EXPECT_EQ(cell.GetPropertyFlags(), 0x08008788u);
    EXPECT_EQ(cell.GetText(), nullptr);
    EXPECT_EQ(cell.GetTextLength(), 0);
    EXPECT_EQ(cell.GetNumber(), 0.0);
    EXPECT_EQ(cell.GetDataType(), 1);
    EXPECT_EQ(cell.GetAlignment(), 1);
    EXPECT_TRUE(cell.IsPropertySet(kPropAlignment));
    EXPECT_EQ(cell.GetTextColor(), RGB(COLOR_WINDOWTEXT, 1, 2));
    EXPECT_EQ(cell.GetBackColor(), RGB(COLOR_WINDOW, 1, 2));
    EXPECT_EQ(cell.GetHighlightTextColor(), RGB(COLOR_HIGHLIGHTTEXT, 1, 2));
    EXPECT_EQ(cell.GetHighlightBackColor(), RGB(COLOR_HIGHLIGHT, 1, 2));
    EXPECT_EQ(cell.GetReadOnly(), 0);
    EXPECT_EQ(cell.GetCellType(), 0);
    EXPECT_EQ(cell.GetCellTypeEx(), 0);
    EXPECT_EQ(cell.GetParam(), 0);
    EXPECT_EQ(cell.GetLabel(), nullptr);
    EXPECT_EQ(cell.GetMask(), nullptr);
    EXPECT_EQ(cell.GetBorderStyle(), 0);
    EXPECT_EQ(cell.GetFont(), nullptr);
    EXPECT_EQ(cell.GetBitmap(), nullptr);
    EXPECT_EQ(cell.GetThemeStyle(), 16);
}

TEST(CGRCell, UnsetPropertiesFallBackEvenWhenAValueWasStored)
{
    CScopedGridEnvironment environment;
    CGRCell cell;
    cell.SetBackColor(RGB(1, 2, 3));
    cell.SetParam(42);
    cell.SetCellType(3);
    cell.SetAlignment(kAlignRight);
    cell.SetPropertyFlags(0);
    EXPECT_EQ(cell.GetBackColor(), RGB(COLOR_WINDOW, 1, 2));
    EXPECT_EQ(cell.GetParam(), 0);
    EXPECT_EQ(cell.GetCellType(), 0);
    EXPECT_EQ(cell.GetAlignment(), 0);
    EXPECT_EQ(cell.GetDataType(), 1);
}

TEST(CGRCell, ClearAllRestoresTheResetState)
{
    CScopedGridEnvironment environment;
    CGRCell cell;
    cell.SetText("abc");
    cell.SetLabel("label");
    cell.SetFont(FakeFont());
    cell.SetJoinInfo(1, 2, 3);
    cell.SetReadOnly(1);
    cell.SetNumberDecimals(2);
    EXPECT_EQ(cell.ClearAll(), 0);
    EXPECT_EQ(cell.GetPropertyFlags(), CGRCell::kResetFlags);
    EXPECT_EQ(cell.GetText(), nullptr);
    EXPECT_EQ(cell.GetFont(), nullptr);
    int nOrigin = 7;
    EXPECT_EQ(cell.GetJoinInfo(&nOrigin, &nOrigin, &nOrigin), 1);
    cell.SetPropertyFlags(0xFFFFFFFF);
    EXPECT_STREQ(cell.GetLabel(), "");
    EXPECT_EQ(cell.GetParam(), -1);
    EXPECT_EQ(cell.GetCellType(), -1);
    EXPECT_EQ(cell.GetCellTypeEx(), -1);
    EXPECT_EQ(cell.GetReadOnly(), 0);
}

TEST(CGRCell, EmptyTextRemovesTheTextProperty)
{
    CScopedGridEnvironment environment;
    CGRCell cell;
    cell.SetNumber(5.0);
    cell.SetText("12");
    EXPECT_EQ(cell.GetDataType(), 1);
    EXPECT_STREQ(cell.GetText(), "12");
    EXPECT_EQ(cell.GetTextLength(), 2);
    cell.SetText("");
    EXPECT_EQ(cell.GetText(), nullptr);
    EXPECT_EQ(cell.GetNumber(), 0.0);
    EXPECT_TRUE(cell.IsPropertySet(kPropDataType));
    cell.SetText(nullptr);
    EXPECT_EQ(cell.GetText(), nullptr);
}

TEST(CGRCell, NumberTextFollowsTheUserLocale)
{
    struct Row {
        double dNumber;
        int nDecimals;  // -1: none set
        CGRNumberLocale locale;
        const char* lpszExpected;
    };
    CGRNumberLocale noLeadingZero;
    noLeadingZero.m_nLeadingZero = 0;
    CGRNumberLocale bracketNegative;
    bracketNegative.m_nNegativeOrder = 0;
    const Row rows[] = {
        /* 0 */ {1234.5, -1, EnglishNumbers(), "1,234.5"},
        /* 1 */ {1234.5, 3, EnglishNumbers(), "1,234.500"},
        /* 2 */ {0.0, -1, EnglishNumbers(), "0"},
        /* 3 */ {-0.25, -1, EnglishNumbers(), "-0.25"},
        /* 4 */ {3.0, 2, EnglishNumbers(), "3.00"},
        /* 5 */ {1234.0, -1, EnglishNumbers(), "1,234"},
        /* 6 */ {12.3, -1, EnglishNumbers(), "12.3"},
        /* 7 */ {0.1, -1, EnglishNumbers(), "0.1"},
        /* 8 */ {-0.0, -1, EnglishNumbers(), "0"},
        /* 9 */ {52.26, 1, EnglishNumbers(), "52.3"},
        /* 10 */ {1234.5, -1, GermanNumbers(), "1.234,5"},
        /* 11 */ {0.25, -1, noLeadingZero, ".25"},
        /* 12 */ {0.25, 2, noLeadingZero, ".25"},
        /* 13 */ {-2.0, -1, bracketNegative, "(2)"},
        /* 14 */ {1e20, -1, EnglishNumbers(), "100,000,000,000,000,000,000"},
        /* 15 */ {1e-30, -1, EnglishNumbers(), "0"},
        /* 16 */ {5.0, 0, EnglishNumbers(), "5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.dNumber) + " decimals " + std::to_string(row.nDecimals));
        CScopedGridEnvironment environment(row.locale);
        CGRCell cell;
        cell.SetNumber(row.dNumber);
        if (row.nDecimals >= 0)
            cell.SetNumberDecimals(row.nDecimals);
        EXPECT_STREQ(cell.GetText(), row.lpszExpected);
        EXPECT_EQ(cell.GetDataType(), 2);
    }
}

TEST(CGRCell, NumberThatCannotBeFormattedKeepsItsDigitsWithTheLocaleSeparator)
{
    CScopedGridEnvironment environment(GermanNumbers());
    CGRCell cell;
    cell.SetNumber(1.5e250);  // more digits than the locale form may hold
    std::string sText = cell.GetText();
    EXPECT_GT(sText.size(), 250u);
    EXPECT_EQ(sText.find_first_not_of("0123456789"), std::string::npos);
}

TEST(CGRCell, ParsesTextsWithTheUserSeparatorsAndCurrency)
{
    struct Row {
        const char* lpszText;
        CGRNumberLocale locale;
        double dExpected;
    };
    const Row rows[] = {
        {"1,234", EnglishNumbers(), 1234.0},
        {"$12.5", EnglishNumbers(), 12.5},
        {"1,234.5$", EnglishNumbers(), 1234.5},
        {"abc", EnglishNumbers(), 0.0},
        {"12abc", EnglishNumbers(), 12.0},
        {"", EnglishNumbers(), 0.0},
        {"-7.25", EnglishNumbers(), -7.25},
        {"1.234,5", GermanNumbers(), 1234.5},
        {"12,5 EUR", GermanNumbers(), 12.5},
        {"1.5", GermanNumbers(), 15.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszText);
        CScopedGridEnvironment environment(row.locale);
        double dNumber = -1.0;
        EXPECT_EQ(CGRCell::ParseNumber(row.lpszText, &dNumber), 0);
        EXPECT_DOUBLE_EQ(dNumber, row.dExpected);
        CGRCell cell;
        cell.SetText(row.lpszText);
        EXPECT_DOUBLE_EQ(cell.GetNumber(), row.dExpected);
    }
    double dNumber = -1.0;
    CGRCell::ParseNumber(nullptr, &dNumber);
    EXPECT_EQ(dNumber, 0.0);
}

TEST(CGRCell, DataTypeChangesConvertTextAndNumber)
{
    CScopedGridEnvironment environment;
    environment.m_locale.m_dDate = 45000.5;
    environment.m_locale.m_llCurrency = 123456789;  // 12345.6789 units

    CGRCell number;
    number.SetText("1,234.5");
    number.SetDataType(kDataNumber);
    EXPECT_DOUBLE_EQ(number.GetNumber(), 1234.5);
    EXPECT_STREQ(number.GetText(), "1,234.5");

    number.SetDataType(kDataCurrency);
    EXPECT_STREQ(number.GetText(), "1234.50");
    EXPECT_DOUBLE_EQ(number.GetNumber(), 1234.5);

    CGRCell currency;
    currency.SetText("12,345.68");
    currency.SetDataType(kDataCurrency);
    EXPECT_DOUBLE_EQ(currency.GetNumber(), 12345.0);

    CGRCell date;
    date.SetText("1.2.2023 12:00");
    date.SetDataType(kDataDateTime);
    EXPECT_DOUBLE_EQ(date.GetNumber(), 45000.5);
    EXPECT_STREQ(date.GetText(), "1.2.2023 12:00");

    CGRCell empty;
    empty.SetDataType(kDataNumber);
    EXPECT_EQ(empty.GetDataType(), kDataNumber);
    EXPECT_EQ(empty.GetText(), nullptr);
}

TEST(CGRCell, SameDataTypeConvertsNothing)
{
    CScopedGridEnvironment environment;
    CGRCell cell;
    cell.SetNumber(2.5);
    cell.SetDataType(kDataNumber);
    EXPECT_DOUBLE_EQ(cell.GetNumber(), 2.5);
    cell.SetText("7");
    cell.SetDataType(kDataString);
    EXPECT_STREQ(cell.GetText(), "7");
}

TEST(CGRCell, MergeKeepsDefaultsWhereTheStoredCellIsSilent)
{
    CScopedGridEnvironment environment;
    CGRCell columnDefault;
    columnDefault.SetAlignment(kAlignCenter);
    columnDefault.SetBackColor(RGB(9, 9, 9));

    struct Row {
        bool bStoredAlignment;
        short nExpectedAlignment;
    };
    const Row rows[] = {{false, kAlignCenter}, {true, kAlignRight}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bStoredAlignment);
        CGRCell stored;
        stored.SetPropertyFlags(0);
        stored.SetText("x");
        if (row.bStoredAlignment)
            stored.SetAlignment(kAlignRight);
        CGRCell shown;
        columnDefault.CopyTo(&shown);
        shown.MergeFrom(&stored);
        EXPECT_EQ(shown.GetAlignment(), row.nExpectedAlignment);
        EXPECT_EQ(shown.GetBackColor(), RGB(9, 9, 9));
        EXPECT_STREQ(shown.GetText(), "x");
    }
}

TEST(CGRCell, CopyUnsetsWhatTheSourceLacks)
{
    CScopedGridEnvironment environment;
    CGRCell source;
    source.SetText("a");
    CGRCell dest;
    dest.SetFont(FakeFont());
    dest.SetLabel("kept?");
    source.CopyTo(&dest);
    EXPECT_EQ(dest.GetFont(), nullptr);
    EXPECT_FALSE(dest.IsPropertySet(kPropFont | kPropLabel));
    EXPECT_STREQ(dest.GetText(), "a");

    CGRCell other;
    other.CopyFrom(&dest);
    EXPECT_EQ(other.GetPropertyFlags(), dest.GetPropertyFlags());
    CGRCell copied(dest);
    EXPECT_STREQ(copied.GetText(), "a");
}

TEST(CGRCell, MergeCarriesEveryPropertyOfTheSource)
{
    CScopedGridEnvironment environment;
    CGRCell source;
    source.SetPropertyFlags(0);
    source.SetNumber(4.5);
    source.SetNumberDecimals(2);
    source.SetLabel("L");
    source.SetMask("00");
    source.SetParam(11);
    source.SetCellType(2);
    source.SetCellTypeEx(0x2000);
    source.SetTextColor(RGB(1, 0, 0));
    source.SetBackColor(RGB(2, 0, 0));
    source.SetHighlightTextColor(RGB(3, 0, 0));
    source.SetHighlightBackColor(RGB(4, 0, 0));
    source.SetAlignment(36);
    source.SetBorderStyle(kBorderSunken);
    source.SetFont(FakeFont());
    source.SetBitmap(FakeBitmap());
    source.SetReadOnly(1);
    source.SetJoinInfo(1, 2, 3);
    source.SetThemeStyle(64);

    CGRCell dest;
    dest.MergeFrom(&source);
    EXPECT_STREQ(dest.GetText(), "4.50");
    EXPECT_STREQ(dest.GetLabel(), "L");
    EXPECT_STREQ(dest.GetMask(), "00");
    EXPECT_EQ(dest.GetParam(), 11);
    EXPECT_EQ(dest.GetCellType(), 2);
    EXPECT_EQ(dest.GetCellTypeEx(), 0x2000);
    EXPECT_EQ(dest.GetTextColor(), RGB(1, 0, 0));
    EXPECT_EQ(dest.GetBackColor(), RGB(2, 0, 0));
    EXPECT_EQ(dest.GetHighlightTextColor(), RGB(3, 0, 0));
    EXPECT_EQ(dest.GetHighlightBackColor(), RGB(4, 0, 0));
    EXPECT_EQ(dest.GetAlignment(), 36);
    EXPECT_EQ(dest.GetBorderStyle(), kBorderSunken);
    EXPECT_EQ(dest.GetFont(), FakeFont());
    EXPECT_EQ(dest.GetBitmap(), FakeBitmap());
    EXPECT_EQ(dest.GetReadOnly(), 1);
    EXPECT_EQ(dest.GetThemeStyle(), 64);
    int nOrigin = 0, nCol = 0, nRow = 0;
    EXPECT_EQ(dest.GetJoinInfo(&nOrigin, &nCol, &nRow), 0);
    EXPECT_EQ(nOrigin, 1);
    EXPECT_EQ(nCol, 2);
    EXPECT_EQ(nRow, 3);
    EXPECT_EQ(dest.GetPropertyFlags(), source.GetPropertyFlags() | CGRCell::kResetFlags);
}

TEST(CGRCell, JoinInfoOfAnUnjoinedCellLeavesTheOutputs)
{
    CGRCell cell;
    int nOrigin = 77, nCol = 77, nRow = 77;
    EXPECT_EQ(cell.GetJoinInfo(&nOrigin, &nCol, &nRow), 1);
    EXPECT_EQ(nOrigin, 77);
    EXPECT_EQ(nCol, 77);
    EXPECT_EQ(nRow, 77);
    cell.SetJoinInfo(0, -1, -2);
    cell.ClearPropertyFlag(kPropJoin);
    EXPECT_EQ(cell.GetJoinInfo(&nOrigin, &nCol, &nRow), 1);
}

TEST(CGRCell, NullBitmapRemovesItAndReadOnlyStoresOneOrZero)
{
    CGRCell cell;
    cell.SetBitmap(FakeBitmap());
    EXPECT_TRUE(cell.IsPropertySet(kPropBitmap));
    cell.SetBitmap(nullptr);
    EXPECT_FALSE(cell.IsPropertySet(kPropBitmap));
    EXPECT_EQ(cell.GetBitmap(), nullptr);

    cell.SetReadOnly(5);
    EXPECT_EQ(cell.GetReadOnly(), 1);
    cell.SetReadOnly(0);
    EXPECT_EQ(cell.GetReadOnly(), 0);
    EXPECT_TRUE(cell.IsPropertySet(kPropReadOnly));
}

TEST(CGRCell, LabelIsCopiedOnlyWhenSet)
{
    CGRCell cell;
    CString sLabel = "sentinel";
    EXPECT_EQ(cell.GetLabelInto(sLabel), 1);
    EXPECT_STREQ(sLabel, "sentinel");
    cell.SetLabel("a\nb");
    EXPECT_EQ(cell.GetLabelInto(sLabel), 0);
    EXPECT_STREQ(sLabel, "a\nb");
}

TEST(CGRCell, SnapshotIsACopyThatCopiesShareAndOnlyFreeSnapshotFrees)
{
    CScopedGridEnvironment environment;
    CGRCell stored;
    stored.SetText("before");
    stored.TakeSnapshot();
    stored.TakeSnapshot();  // replaces the first one
    ASSERT_NE(stored.GetSnapshot(), nullptr);
    EXPECT_STREQ(stored.GetSnapshot()->GetText(), "before");
    EXPECT_EQ(stored.GetSnapshot()->GetSnapshot(), nullptr);

    CGRCell reader;
    reader.MergeFrom(&stored);
    EXPECT_EQ(reader.GetSnapshot(), stored.GetSnapshot());
    reader.ClearAll();
    EXPECT_EQ(reader.GetSnapshot(), nullptr);

    stored.FreeSnapshot();
    EXPECT_EQ(stored.GetSnapshot(), nullptr);
    EXPECT_FALSE(stored.IsPropertySet(kPropExtraMemory));
}
