// CString: clamping of extraction and editing, searching at the edges,
// replacement, trimming, case mapping, formatting and raw buffer access.
#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

int Sign(int n)
{
    return (n > 0) - (n < 0);
}

// One operation on a string and the text it should give.
struct TextRow {
    const char* lpszSource;
    const char* lpszCall;
    std::function<CString(const CString&)> call;
    const char* lpszExpected;
};

void ExpectTexts(const std::vector<TextRow>& rows)
{
    for (const TextRow& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.lpszSource + "\"." + row.lpszCall);
        EXPECT_STREQ(row.call(CString(row.lpszSource)), row.lpszExpected);
    }
}

}

TEST(CString, ConstructsFromPointersCountsAndCharacters)
{
    EXPECT_STREQ(CString(), "");
    EXPECT_STREQ(CString(static_cast<LPCTSTR>(nullptr)), "");
    EXPECT_STREQ(CString("abcdef", 3), "abc");
    EXPECT_STREQ(CString("abc", 0), "");
    EXPECT_STREQ(CString("abc", -2), "");
    EXPECT_STREQ(CString('x', 3), "xxx");
    EXPECT_STREQ(CString('x', 0), "");
    EXPECT_STREQ(CString(std::string("std")), "std");
    CString withNul("a\0b", 3);
    EXPECT_EQ(withNul.GetLength(), 3);
}

TEST(CString, ClampsLeftMidAndRightCounts)
{
    ExpectTexts({
        {"abcdef", "Left(-1)", [](const CString& s) { return s.Left(-1); }, ""},
        {"abcdef", "Left(0)", [](const CString& s) { return s.Left(0); }, ""},
        {"abcdef", "Left(6)", [](const CString& s) { return s.Left(6); }, "abcdef"},
        {"abcdef", "Left(7)", [](const CString& s) { return s.Left(7); }, "abcdef"},
        {"abcdef", "Right(-1)", [](const CString& s) { return s.Right(-1); }, ""},
        {"abcdef", "Right(2)", [](const CString& s) { return s.Right(2); }, "ef"},
        {"abcdef", "Right(6)", [](const CString& s) { return s.Right(6); }, "abcdef"},
        {"abcdef", "Right(100)", [](const CString& s) { return s.Right(100); }, "abcdef"},
        {"abcdef", "Mid(-3)", [](const CString& s) { return s.Mid(-3); }, "abcdef"},
        {"abcdef", "Mid(2)", [](const CString& s) { return s.Mid(2); }, "cdef"},
        {"abcdef", "Mid(6)", [](const CString& s) { return s.Mid(6); }, ""},
        {"abcdef", "Mid(7)", [](const CString& s) { return s.Mid(7); }, ""},
        {"abcdef", "Mid(-1, 3)", [](const CString& s) { return s.Mid(-1, 3); }, "abc"},
        {"abcdef", "Mid(2, -1)", [](const CString& s) { return s.Mid(2, -1); }, ""},
        {"abcdef", "Mid(2, 0)", [](const CString& s) { return s.Mid(2, 0); }, ""},
        {"abcdef", "Mid(2, 4)", [](const CString& s) { return s.Mid(2, 4); }, "cdef"},
        {"abcdef", "Mid(2, 5)", [](const CString& s) { return s.Mid(2, 5); }, "cdef"},
        {"abcdef", "Mid(2, INT_MAX)", [](const CString& s) { return s.Mid(2, INT_MAX); }, "cdef"},
        {"abcdef", "Mid(9, 2)", [](const CString& s) { return s.Mid(9, 2); }, ""},
        {"", "Mid(0, 1)", [](const CString& s) { return s.Mid(0, 1); }, ""},
        {"a;b c", "SpanIncluding(\"ab;\")", [](const CString& s) { return s.SpanIncluding("ab;"); }, "a;b"},
        {"a;b c", "SpanIncluding(\"x\")", [](const CString& s) { return s.SpanIncluding("x"); }, ""},
        {"a;b c", "SpanExcluding(\" \")", [](const CString& s) { return s.SpanExcluding(" "); }, "a;b"},
        {"a;b c", "SpanExcluding(\"\")", [](const CString& s) { return s.SpanExcluding(""); }, "a;b c"},
    });
}

TEST(CString, FindsAtEdgesAndReportsMinusOneWhenAbsent)
{
    struct Row {
        const char* lpszCall;
        int nFound;
        int nExpected;
    };
    const CString s("a.b.c");
    const Row rows[] = {
        {"Find('a')", s.Find('a'), 0},
        {"Find('c')", s.Find('c'), 4},
        {"Find('x')", s.Find('x'), -1},
        {"Find('.', 2)", s.Find('.', 2), 3},
        {"Find('.', 4)", s.Find('.', 4), -1},
        {"Find('a', -5)", s.Find('a', -5), 0},
        {"Find('c', 5)", s.Find('c', 5), -1},
        {"Find('c', 99)", s.Find('c', 99), -1},
        {"Find(\"b.c\")", s.Find("b.c"), 2},
        {"Find(\"b.c.\")", s.Find("b.c."), -1},
        {"Find(\"a.\", 1)", s.Find("a.", 1), -1},
        {"Find(\"\", 5)", s.Find("", 5), 5},
        {"Find(\"\", 6)", s.Find("", 6), -1},
        {"ReverseFind('.')", s.ReverseFind('.'), 3},
        {"ReverseFind('a')", s.ReverseFind('a'), 0},
        {"ReverseFind('x')", s.ReverseFind('x'), -1},
        {"FindOneOf(\"cb\")", s.FindOneOf("cb"), 2},
        {"FindOneOf(\"xyz\")", s.FindOneOf("xyz"), -1},
        {"FindOneOf(\"\")", s.FindOneOf(""), -1},
        {"empty Find('a')", CString().Find('a'), -1},
        {"empty ReverseFind('a')", CString().ReverseFind('a'), -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCall);
        EXPECT_EQ(row.nFound, row.nExpected);
    }
}

TEST(CString, ReplacesEveryOccurrenceOnceAndCountsThem)
{
    struct Row {
        const char* lpszSource;
        const char* lpszOld;
        const char* lpszNew;
        const char* lpszExpected;
        int nCount;
    };
    const Row rows[] = {
        {"a-b-c", "-", "--", "a--b--c", 2},
        {"a--b--c", "--", "-", "a-b-c", 2},
        {"a-b-c", "-", "", "abc", 2},
        {"a-b-c", "-", nullptr, "abc", 2},
        {"aaa", "aa", "b", "ba", 1},
        {"abc", "b", "bb", "abbc", 1},
        {"abc", "x", "y", "abc", 0},
        {"abc", "", "y", "abc", 0},
        {"abc", nullptr, "y", "abc", 0},
        {"", "a", "b", "", 0},
        {"%1%1", "%1", "%1x", "%1x%1x", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.lpszSource) + " / " + (row.lpszOld ? row.lpszOld : "null"));
        CString s(row.lpszSource);
        EXPECT_EQ(s.Replace(row.lpszOld, row.lpszNew), row.nCount);
        EXPECT_STREQ(s, row.lpszExpected);
    }

    CString s("a.b.c");
    EXPECT_EQ(s.Replace('.', ','), 2);
    EXPECT_STREQ(s, "a,b,c");
    EXPECT_EQ(s.Remove(','), 2);
    EXPECT_STREQ(s, "abc");
}

TEST(CString, ClampsInsertAndDeletePositions)
{
    struct Row {
        const char* lpszCall;
        std::function<int(CString&)> call;
        const char* lpszExpected;
    };
    const Row rows[] = {
        {"Insert(-1, 'x')", [](CString& s) { return s.Insert(-1, 'x'); }, "xabc"},
        {"Insert(3, 'x')", [](CString& s) { return s.Insert(3, 'x'); }, "abcx"},
        {"Insert(9, \"yz\")", [](CString& s) { return s.Insert(9, "yz"); }, "abcyz"},
        {"Insert(1, \"yz\")", [](CString& s) { return s.Insert(1, "yz"); }, "ayzbc"},
        {"Delete(0)", [](CString& s) { return s.Delete(0); }, "bc"},
        {"Delete(-1, 2)", [](CString& s) { return s.Delete(-1, 2); }, "c"},
        {"Delete(1, 99)", [](CString& s) { return s.Delete(1, 99); }, "a"},
        {"Delete(1, -1)", [](CString& s) { return s.Delete(1, -1); }, "abc"},
        {"Delete(3, 1)", [](CString& s) { return s.Delete(3, 1); }, "abc"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCall);
        CString s("abc");
        EXPECT_EQ(row.call(s), static_cast<int>(std::strlen(row.lpszExpected)));
        EXPECT_STREQ(s, row.lpszExpected);
    }
}

TEST(CString, TrimsWhiteSpaceAndGivenCharacters)
{
    ExpectTexts({
        {" \t\r\n x y \v\f", "TrimLeft()", [](CString s) { s.TrimLeft(); return s; }, "x y \v\f"},
        {" \t\r\n x y \v\f", "TrimRight()", [](CString s) { s.TrimRight(); return s; }, " \t\r\n x y"},
        {" \t ", "TrimLeft()", [](CString s) { s.TrimLeft(); return s; }, ""},
        {" \t ", "TrimRight()", [](CString s) { s.TrimRight(); return s; }, ""},
        {"", "TrimRight()", [](CString s) { s.TrimRight(); return s; }, ""},
        {"\xA0x\xA0", "TrimRight()", [](CString s) { s.TrimRight(); return s; }, "\xA0x\xA0"},
        {"xxaxx", "TrimLeft('x')", [](CString s) { s.TrimLeft('x'); return s; }, "axx"},
        {"xxaxx", "TrimRight('x')", [](CString s) { s.TrimRight('x'); return s; }, "xxa"},
        {"xxx", "TrimRight('x')", [](CString s) { s.TrimRight('x'); return s; }, ""},
        {"-+a+-", "TrimLeft(\"+-\")", [](CString s) { s.TrimLeft("+-"); return s; }, "a+-"},
        {"-+a+-", "TrimRight(\"+-\")", [](CString s) { s.TrimRight("+-"); return s; }, "-+a"},
        {"-+a+-", "TrimRight(\"\")", [](CString s) { s.TrimRight(""); return s; }, "-+a+-"},
    });
}

TEST(CString, MapsCaseOfAsciiLettersOnly)
{
    ExpectTexts({
        {"Abc\xE4\xC4 1z", "MakeUpper()", [](CString s) { s.MakeUpper(); return s; }, "ABC\xE4\xC4 1Z"},
        {"Abc\xE4\xC4 1Z", "MakeLower()", [](CString s) { s.MakeLower(); return s; }, "abc\xE4\xC4 1z"},
        {"abc", "MakeReverse()", [](CString s) { s.MakeReverse(); return s; }, "cba"},
        {"", "MakeReverse()", [](CString s) { s.MakeReverse(); return s; }, ""},
    });
}

TEST(CString, ComparesBytewiseAndWithoutCase)
{
    struct Row {
        const char* lpszLeft;
        const char* lpszRight;
        int nCompare;
        int nCompareNoCase;
    };
    const Row rows[] = {
        {"abc", "abc", 0, 0},
        {"abc", "ABC", 1, 0},
        {"ab", "abc", -1, -1},
        {"", "a", -1, -1},
        {"\xE4", "z", 1, 1},
        {"\xE4", "\xC4", 1, 1},
        {"a_", "A@", 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.lpszLeft) + " vs " + row.lpszRight);
        const CString left(row.lpszLeft);
        const CString right(row.lpszRight);
        EXPECT_EQ(Sign(left.Compare(row.lpszRight)), row.nCompare);
        EXPECT_EQ(Sign(left.CompareNoCase(row.lpszRight)), row.nCompareNoCase);
        EXPECT_EQ(left == right, row.nCompare == 0);
        EXPECT_EQ(left != row.lpszRight, row.nCompare != 0);
        EXPECT_EQ(row.lpszLeft < right, row.nCompare < 0);
        EXPECT_EQ(left >= right, row.nCompare >= 0);
    }
}

TEST(CString, ConcatenatesStringsPointersAndCharacters)
{
    CString s = CString("a") + "b" + 'c';
    s = "<" + s + CString(">");
    s += 'd';
    s += static_cast<LPCTSTR>(nullptr);
    s += CString("e");
    EXPECT_STREQ(s, "<abc>de");
    EXPECT_STREQ('x' + CString("y"), "xy");
}

TEST(CString, ReadsAndWritesSingleCharacters)
{
    CString s("abc");
    s.SetAt(1, 'X');
    EXPECT_EQ(s.GetAt(1), 'X');
    EXPECT_EQ(s[2], 'c');
    EXPECT_FALSE(s.IsEmpty());
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.GetLength(), 0);
}

TEST(CString, FormatsWithPrintfSemanticsAtAnyLength)
{
    CString s("previous");
    s.Format("%d|%5.1f|%-3s|%c|%%|%x", -42, 3.14159, "ab", 'z', 255u);
    EXPECT_STREQ(s, "-42|  3.1|ab |z|%|ff");

    const std::string sLong(100000, 'q');
    s.Format("<%s>%d", sLong.c_str(), 7);
    EXPECT_EQ(s.GetLength(), 100003);
    EXPECT_EQ(std::string(s), "<" + sLong + ">7");

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, TakesBackWhatWasWrittenIntoItsBuffer)
{
    CString s("abc");
    LPTSTR pBuffer = s.GetBuffer(10);
    EXPECT_STREQ(pBuffer, "abc");
    std::strcpy(pBuffer, "0123456789");
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "0123456789");

    std::strcpy(s.GetBuffer(0), "xy");
    s.ReleaseBuffer(-1);
    EXPECT_STREQ(s, "xy");

    std::memset(s.GetBuffer(4), 'k', 4);
    s.ReleaseBuffer(3);
    EXPECT_STREQ(s, "kkk");

    LPTSTR pFixed = s.GetBufferSetLength(5);
    std::memcpy(pFixed, "12345", 5);
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "12345");
    EXPECT_EQ(s.GetLength(), 5);
}
