// Tests of WorkbookText: code page, escaping, numbers and cell addresses.

#include "WorkbookText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace WorkbookText;

TEST(WorkbookText, Cp1252RoundTripsThroughUtf8)
{
    struct { const char* pCp1252; const char* pUtf8; } kCases[] = {
        {"m\xB2", "m\xC2\xB2"},              // superscript two
        {"\xB0" "C", "\xC2\xB0" "C"},        // degree sign
        {"\x80", "\xE2\x82\xAC"},            // euro sign from the 0x80 block
        {"Fa\xE7" "ade", "Fa\xC3\xA7" "ade"},
        {"plain", "plain"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pUtf8);
        EXPECT_EQ(row.pUtf8, Cp1252ToUtf8(row.pCp1252));
        EXPECT_EQ(row.pCp1252, Utf8ToCp1252(row.pUtf8));
    }
}

TEST(WorkbookText, EscapesMarkupAndControlCharacters)
{
    EXPECT_EQ("a&amp;b&lt;c&gt;&quot;", XmlEscape("a&b<c>\""));
    EXPECT_EQ("line\nnext\ttab", XmlEscape("line\nnext\ttab"));
    EXPECT_EQ("bell_x0007_ cr_x000D_", XmlEscape("bell\x07 cr\r"));
    EXPECT_EQ("bell\x07 cr\r&", XmlUnescape("bell_x0007_ cr_x000D_&amp;"));
}

TEST(WorkbookText, NumbersAreShortestAndLocaleFree)
{
    struct { double dValue; const char* pText; } kCases[] = {
        {52.7, "52.7"}, {-0.6, "-0.6"}, {1.0, "1"}, {0.1 + 0.2, "0.30000000000000004"}, {1e-7, "1e-07"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pText);
        EXPECT_EQ(row.pText, FormatNumber(row.dValue));
        double dBack = 0.0;
        ASSERT_TRUE(ParseNumber(row.pText, dBack));
        EXPECT_EQ(row.dValue, dBack);
    }
    double dIgnored = 0.0;
    EXPECT_FALSE(ParseNumber("5,2", dIgnored));
    EXPECT_FALSE(ParseNumber("", dIgnored));
}

TEST(WorkbookText, CellAddressesAtTheEdges)
{
    struct { int nRow, nCol; const char* pAddress; } kCases[] = {
        {0, 0, "A1"}, {38, 1, "B39"}, {1, 25, "Z2"}, {1, 26, "AA2"}, {108, 701, "ZZ109"}, {0, 702, "AAA1"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pAddress);
        EXPECT_EQ(row.pAddress, CellAddress(row.nRow, row.nCol));
        int nRow = -1, nCol = -1;
        ASSERT_TRUE(ParseCellAddress(row.pAddress, nRow, nCol));
        EXPECT_EQ(row.nRow, nRow);
        EXPECT_EQ(row.nCol, nCol);
    }
    int nRow = 0, nCol = 0;
    ASSERT_TRUE(ParseCellAddress("$K$32", nRow, nCol));
    EXPECT_EQ(31, nRow);
    EXPECT_EQ(10, nCol);
    for (const char* pBad : {"", "A0", "1A", "K", "$K$", "k32", "A1B"})
        EXPECT_FALSE(ParseCellAddress(pBad, nRow, nCol)) << pBad;
}
