#pragma once
// The INI fixture and the expected results of the private-profile tests.
// CPrivateProfileTest checks our reader against them in both trees;
// CPrivateProfileWin32Test checks the system's GetPrivateProfileStringA/IntA
// against the same rows under Wine, so that the two agree.

#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace std::string_literals;

inline const std::string kProfileFixture =
    "; a comment before the first section\n"
    "orphan=before any section\n"
    "[General]\n"
    "File Type = Quorad Project File\n"
    "Quoted=\"  spaced  \"\n"
    "Single='x'\n"
    "Mismatched=\"abc'\n"
    "OnlyQuote=\"\n"
    "Empty=\n"
    "=nameless\n"
    "Spaced   =   value with inner   spaces   \n"
    "Tab\t=\ttabbed\t\n"
    "Equals=a=b\n"
    "Dup=first\n"
    "dup=second\n"
    "NoEquals\n"
    ";Comment=hidden\n"
    "[ SPECTRUM SEND 1 ]\n"
    "Status=1\n"
    "[spectrum send 2]\n"
    "Status = 2\n"
    "  [Indented]  \n"
    "Key=indented section\n"
    "[Broken\n"
    "Lost=after a broken header\n"
    "[Trailing] text\n"
    "T=1\n"
    "[Numbers]\n"
    "Number=42\n"
    "Negative=-17\n"
    "Signed=+8\n"
    "Hex=0x1F\n"
    "HexUpper=0X1F\n"
    "Octal=0o17\n"
    "Binary=0b101\n"
    "Leading=12abc\n"
    "Alpha=abc\n"
    "Minus=-\n"
    "Spaced=  7\n"
    "Quoted=\"5\"\n"
    "Wrapped=4294967297\n"
    "Empty=\n"
    "Bare\n"
    "File Version=3.0\n"
    "[Empty Section]\n"
    "[general]\n"
    "Later=in the second section of that name\n"
    "[CRLF]\r\n"
    "Key = crlf value \r\n";

struct ProfileStringCase {
    const char* lpszSection;
    const char* lpszKey;
    const char* lpszDefault;
    DWORD nSize;
    std::string sExpected;  // the result without its final zero; its length is the return value
    const char* lpszWineDiffers = nullptr;  // why the system's function under Wine gives another result
};

inline const ProfileStringCase kProfileStringCases[] = {
    // Names match without regard to case or surrounding blanks.
    {"GENERAL", "file type", "dflt", 100, "Quorad Project File"},
    {" General ", " File Type ", "dflt", 100, "Quorad Project File"},
    {"SPECTRUM SEND 1", "Status", "333", 100, "1"},
    {"Spectrum Send 2", "STATUS", "333", 100, "2"},
    {"Indented", "Key", "d", 100, "indented section"},
    {"Trailing", "T", "d", 100, "1"},
    {"CRLF", "Key", "d", 100, "crlf value"},
    // Values: trimmed, one pair of equal quotes removed.
    {"General", "Quoted", "dflt", 100, "  spaced  "},
    {"General", "Single", "dflt", 100, "x"},
    {"General", "Mismatched", "dflt", 100, "\"abc'"},
    {"General", "OnlyQuote", "dflt", 100, "\""},
    {"General", "Empty", "dflt", 100, ""},
    {"General", "Spaced", "dflt", 100, "value with inner   spaces"},
    {"General", "Tab", "dflt", 100, "tabbed"},
    {"General", "Equals", "dflt", 100, "a=b"},
    {"General", "", "dflt", 100, "nameless"},
    {"General", ";Comment", "dflt", 100, "hidden"},
    // Which key counts: the first of a name, in the first section of a name.
    {"General", "dup", "dflt", 100, "first"},
    {"General", "Later", "dflt", 100, "dflt"},
    {"General", "orphan", "dflt", 100, "dflt"},
    {"General", "NoEquals", "dflt", 100, "dflt"},
    {"Indented", "Lost", "d", 100, "after a broken header"},
    {"Broken", "Lost", "d", 100, "d"},
    // Defaults: trailing blanks dropped but one character kept, quotes removed.
    {"General", "Missing", "dflt   ", 100, "dflt"},
    {"General", "Missing", "   ", 100, " "},
    {"General", "Missing", "\"q\"", 100, "q"},
    {"General", "Missing", nullptr, 100, ""},
    {"Nowhere", "Key", "dflt", 100, "dflt"},
    // Buffer sizes: large, exact, one short, tiny.
    {"General", "File Type", nullptr, 20, "Quorad Project File"},
    {"General", "File Type", nullptr, 19, "Quorad Project Fil"},
    {"General", "File Type", nullptr, 6, "Quora"},
    {"General", "File Type", nullptr, 1, ""},
    {"General", "Quoted", nullptr, 12, "  spaced  "},
    {"General", "Quoted", nullptr, 11, "  spaced  ", "drops a character when an unquoted value fills the buffer"},
    {"General", "Quoted", nullptr, 10, "  spaced "},
    {"General", "Single", nullptr, 2, "x", "drops a character when an unquoted value fills the buffer"},
    // Section names (null section), keys of a section (null key).
    {nullptr, nullptr, "d", 95, "General\0SPECTRUM SEND 1\0spectrum send 2\0Indented\0Trailing\0Numbers\0"
                                "Empty Section\0general\0CRLF\0"s},
    {nullptr, nullptr, "d", 94, "General\0SPECTRUM SEND 1\0spectrum send 2\0Indented\0Trailing\0Numbers\0"
                                "Empty Section\0general\0CRLF"s},
    {nullptr, nullptr, "d", 9, "General"},
    {nullptr, nullptr, "d", 1, ""},
    {"General", nullptr, "d", 200, "File Type\0Quoted\0Single\0Mismatched\0OnlyQuote\0Empty\0\0Spaced\0Tab\0"
                                   "Equals\0Dup\0dup\0"s},
    {"Indented", nullptr, "d", 11, "Key\0Lost\0"s},
    {"Indented", nullptr, "d", 10, "Key\0Lost"s},
    {"Indented", nullptr, "d", 3, "K"},
    {"Indented", nullptr, "d", 2, "d"},
    {"Empty Section", nullptr, "dflt", 100, "dflt"},
    {"Nowhere", nullptr, "dflt", 100, "dflt"},
};

struct ProfileIntCase {
    const char* lpszKey;  // in section "Numbers"
    int nDefault;
    UINT nExpected;
};

inline const ProfileIntCase kProfileIntCases[] = {
    {"Number", -5, 42},
    {"Negative", -5, static_cast<UINT>(-17)},
    {"Signed", -5, 8},
    {"Hex", -5, 31},
    {"HexUpper", -5, 0},
    {"Octal", -5, 15},
    {"Binary", -5, 5},
    {"Leading", -5, 12},
    {"Alpha", -5, 0},
    {"Minus", -5, 0},
    {"Spaced", -5, 7},
    {"Quoted", -5, 5},
    {"Wrapped", -5, 1},
    {"File Version", -5, 3},
    {"Empty", -5, static_cast<UINT>(-5)},
    {"Bare", -5, static_cast<UINT>(-5)},
    {"Missing", 9, 9},
};

inline std::string DescribeCase(const ProfileStringCase& row)
{
    return std::string(row.lpszSection != nullptr ? row.lpszSection : "(null)") + " / " +
           (row.lpszKey != nullptr ? row.lpszKey : "(null)") + " / " +
           (row.lpszDefault != nullptr ? row.lpszDefault : "(null)") + " / size " + std::to_string(row.nSize);
}

// Checks one call's result: return value, bytes, final zero, and nothing
// written at or beyond nSize (the buffer was filled with 0xCC).
inline void ExpectProfileResult(const ProfileStringCase& row, DWORD nReturned, const char* pBuffer)
{
    EXPECT_EQ(nReturned, row.sExpected.size());
    EXPECT_EQ(std::string(pBuffer, std::min<size_t>(nReturned, row.nSize)), row.sExpected);
    if (nReturned < row.nSize) {
        EXPECT_EQ(pBuffer[nReturned], '\0');
    }
    EXPECT_EQ(static_cast<unsigned char>(pBuffer[row.nSize]), 0xCC);
}
