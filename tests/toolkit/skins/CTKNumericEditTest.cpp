// Tests of the numeric edit stand-in: the count of fractional digits and
// the number shown when it is set.

#include "toolkit/skins/CTKNumericEdit.h"

#include <gtest/gtest.h>

#include <string>

TEST(CTKNumericEdit, ShowsItsNumberWithTheCountOfFractionalDigitsAndRefusesANegativeCount)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr));
    struct Row {
        const char* pszText;
        int nCount;
        BOOL bAccepted;
        const char* pszShown;
    } rows[] = {
        {"3", 1, TRUE, "3.0"},      {"2.26", 1, TRUE, "2.3"}, {"-4", 1, TRUE, "-4.0"},
        {"7.6", 0, TRUE, "8"},      {"12.5", 3, TRUE, "12.500"}, {"3", -1, FALSE, "3"},
        {"abc", 1, TRUE, "abc"},    {"", 1, TRUE, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.pszText) + " with " + std::to_string(row.nCount));
        CTKNumericEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 1008));
        edit.SetWindowText(row.pszText);
        int nBefore = edit.GetFractionalDigitCount();
        EXPECT_EQ(edit.SetFractionalDigitCount(row.nCount), row.bAccepted);
        EXPECT_EQ(edit.GetFractionalDigitCount(), row.bAccepted ? row.nCount : nBefore);
        CString sShown;
        edit.GetWindowText(sShown);
        EXPECT_EQ(std::string(sShown), row.pszShown);
    }
    parent.DestroyWindow();
}
