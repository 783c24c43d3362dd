// CString::LoadString and AfxFormatString1 over the string tables: the same
// test runs natively (tables generated from the resource scripts) and under
// Wine (the compiled resources read with LoadStringA), so both builds must
// give the same bytes.
#include "platform/afx/afx.h"
#include "res/resource.h"
#include "TestStrings.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

TEST(CString, LoadsTheSameBytesInBothBuilds)
{
    struct Row {
        UINT nID;
        const char* lpszExpected;
    };
    std::string sLong;
    for (int i = 0; i < 30; ++i)
        sLong += "0123456789";
    const Row rows[] = {
        {AFX_IDS_APP_TITLE, "Vestolar"},
        {IDS_TEST_PLAIN, "Plain text"},
        {IDS_TEST_QUOTED, "Delete \"%1\"; [all] of %1?"},
        // The resource compiler turns \a into 0x08, the right-alignment mark of menus.
        {IDS_TEST_ESCAPES, "Tab\tLine\nCR\rMenu\bSlash\\end"},
        {IDS_TEST_WINDOWS_1252, "m\xB2 \xE4\xF6\xFC \x80 \xB1"},
        {IDS_TEST_LONG, sLong.c_str()},
        {IDS_TEST_NUMBERED, "Numbered"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nID);
        CString s("sentinel");
        EXPECT_TRUE(s.LoadString(row.nID));
        EXPECT_STREQ(s, row.lpszExpected);
    }
}

TEST(CString, LoadsNothingForAbsentOrEmptyStrings)
{
    for (UINT nID : std::initializer_list<UINT>{IDS_TEST_ABSENT, IDS_TEST_EMPTY, 0}) {
        SCOPED_TRACE(nID);
        CString s("sentinel");
        EXPECT_FALSE(s.LoadString(nID));
        EXPECT_STREQ(s, "");
    }
}

TEST(AfxFormatString1, PutsTheTextInPlaceOfEveryPlaceholder)
{
    struct Row {
        UINT nID;
        LPCTSTR lpsz1;
        const char* lpszExpected;
    };
    const Row rows[] = {
        {IDS_TEST_QUOTED, "a.vsp", "Delete \"a.vsp\"; [all] of a.vsp?"},
        {IDS_TEST_QUOTED, "%1", "Delete \"%1\"; [all] of %1?"},
        {IDS_TEST_QUOTED, "", "Delete \"\"; [all] of ?"},
        {IDS_TEST_QUOTED, nullptr, "Delete \"\"; [all] of ?"},
        {IDS_TEST_PLAIN, "unused", "Plain text"},
        {IDS_TEST_ABSENT, "x", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nID << " with " << (row.lpsz1 ? row.lpsz1 : "null"));
        CString s("sentinel");
        AfxFormatString1(s, row.nID, row.lpsz1);
        EXPECT_STREQ(s, row.lpszExpected);
    }
}

TEST(AfxFormatString2, PutsEachTextInPlaceOfItsPlaceholderOnly)
{
    struct Row {
        LPCTSTR lpsz1;
        LPCTSTR lpsz2;
        const char* lpszExpected;
    };
    const Row rows[] = {
        {"0", "43", "From 43 to 0 (02, 100%)"},
        {"%2", "%1", "From %1 to %2 (%22, 100%)"},
        {"", "", "From  to  (2, 100%)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.lpsz1 << " / " << row.lpsz2);
        CString s("sentinel");
        AfxFormatString2(s, IDS_TEST_TWO_PLACES, row.lpsz1, row.lpsz2);
        EXPECT_STREQ(s, row.lpszExpected);
    }
}

#ifdef _WIN32
TEST(CString, LoadsFromTheResourceModuleALanguageLibrarySets)
{
    HINSTANCE hExecutable = AfxGetInstanceHandle();
    EXPECT_EQ(AfxGetResourceHandle(), hExecutable);

    // A module without a string table stands in for a language library that
    // lacks the string: the executable's string must not leak through.
    HMODULE hKernel = ::GetModuleHandleA("kernel32.dll");
    AfxSetResourceHandle(hKernel);
    CString s;
    EXPECT_FALSE(s.LoadString(IDS_TEST_PLAIN));
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), hExecutable);
    EXPECT_TRUE(s.LoadString(IDS_TEST_PLAIN));
}
#endif
