// CGRInputMask: the character classes, literal and escaped positions, and
// the filter that puts a text into the mask's form.
#include "grid/CGRInputMask.h"

#include <gtest/gtest.h>

TEST(CGRInputMask, EachMaskCharacterAcceptsItsClass)
{
    struct Row {
        char chMask;
        const char* lpszAccepted;
        const char* lpszRefused;
    } rows[] = {
        {'0', "09", " a+"}, {'9', "5 ", "a-"}, {'#', "1 +-", "a."}, {'L', "aZ", "1 "},
        {'?', "b ", "2"},   {'A', "a1", " -"}, {'a', "a1 ", "-"},  {'&', "x -", "\x01"},
        {'C', "?!", "\x7f"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.chMask);
        for (const char* p = row.lpszAccepted; *p; ++p)
            EXPECT_TRUE(CGRInputMask::InClass(row.chMask, *p)) << *p;
        for (const char* p = row.lpszRefused; *p; ++p)
            EXPECT_FALSE(CGRInputMask::InClass(row.chMask, *p)) << *p;
    }
}

TEST(CGRInputMask, ABackslashMakesTheNextCharacterALiteral)
{
    CGRInputMask mask;
    mask.SetMask("\\00-0");
    EXPECT_EQ(mask.GetPositionCount(), 4);
    EXPECT_TRUE(mask.IsLiteralAt(0));
    EXPECT_EQ(mask.GetLiteralAt(0), '0');
    EXPECT_FALSE(mask.IsLiteralAt(1));
    EXPECT_TRUE(mask.Accepts(1, '7'));
    EXPECT_FALSE(mask.Accepts(1, 'x'));
    EXPECT_FALSE(mask.Accepts(4, '7'));
}

TEST(CGRInputMask, FiltersTextIntoTheMask)
{
    struct Row {
        const char* lpszMask;
        const char* lpszText;
        const char* lpszResult;
    } rows[] = {
        {"00/00/0000", "24121999", "24/12/1999"},
        {"00/00/0000", "24/12/1999", "24/12/1999"},
        {"00-00", "1a2b3", "12-3"},
        {"LL", "a1b2c", "ab"},
        {"000", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszMask + std::string(" ") + row.lpszText);
        CGRInputMask mask;
        mask.SetMask(row.lpszMask);
        EXPECT_STREQ(mask.Filter(row.lpszText), row.lpszResult);
    }
}

TEST(CGRInputMask, AnEmptyMaskSwitchesItOffAndLeavesTextAlone)
{
    CGRInputMask mask;
    mask.SetMask("00");
    mask.SetMask("");
    EXPECT_FALSE(mask.IsActive());
    EXPECT_STREQ(mask.Filter("abc"), "abc");
}
