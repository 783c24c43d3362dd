// Tests of the numeric edit on a real edit window, driven by the messages a
// user's keys, characters and pastes send, in a fixed user locale.

#include "EditTestWindows.h"
#include "toolkit/skins/CTKNumericEdit.h"

#include <clocale>

namespace {

CGRNumberLocale GermanNumbers()
{
    CGRNumberLocale numbers;
    numbers.m_sDecimal = ",";
    numbers.m_sThousand = ".";
    return numbers;
}

}  // namespace

class CTKNumericEditTest : public EditWindowTest {};

TEST_F(CTKNumericEditTest, EditsTheNumberByKeyCharacterAndPaste)
{
    struct Row {
        const char* pszName;
        const char* pszStart;
        int nDigits;
        int nMaxInteger;
        const char* pszNegative;
        int nSelStart;
        int nSelEnd;
        UINT nKey;
        const char* pszChars;
        const char* pszPaste;
        const char* pszShown;
        int nCaret;  // -1: not checked
        double dValue;
    } rows[] = {
        {"typing into an empty field", "", 2, -1, nullptr, 0, 0, 0, "5", nullptr, "5.00", 1, 5.0},
        {"deleting everything", "5.00", 2, -1, nullptr, 0, 4, VK_DELETE, "", nullptr, "0.00", 0, 0.0},
        {"a digit into a full fraction", "12.34", 2, -1, nullptr, 3, 3, 0, "9", nullptr, "12.94", 4, 12.94},
        {"minus in parentheses", "1234.5", 2, -1, "(1.1)", 2, 2, 0, "-", nullptr, "(1,234.50)", 3, -1234.5},
        {"minus twice", "1234.5", 2, -1, nullptr, 0, 0, 0, "--", nullptr, "1,234.50", 0, 1234.5},
        {"grouping", "1234567", 2, -1, nullptr, -1, -1, 0, "", nullptr, "1,234,567.00", -1, 1234567.0},
        {"paste truncates", "", 1, -1, nullptr, 0, 3, 0, "", "12.34", "12.3", 0, 12.3},
        {"paste keeps digits only", "", 2, -1, nullptr, 0, 4, 0, "", "a1,2b3", "123.00", 0, 123.0},
        {"integer digits limited", "12345", 2, 3, nullptr, -1, -1, 0, "", nullptr, "345.00", -1, 345.0},
        {"Delete regroups", "1234567", 2, -1, nullptr, 2, 2, VK_DELETE, "", nullptr, "134,567.00", 1, 134567.0},
        {"Delete before the separator", "12.34", 2, -1, nullptr, 2, 2, VK_DELETE, "", nullptr, "12.40", 3, 12.4},
        {"Backspace behind the separator", "12.34", 2, -1, nullptr, 3, 3, 0, "\b", nullptr, "1.34", 1, 1.34},
        {"a negative number deleted whole", "-12.34", 2, -1, nullptr, 0, 6, VK_DELETE, "", nullptr, "0.00", 1, 0.0},
        {"Backspace behind the sign", "-12.34", 2, -1, nullptr, 1, 1, 0, "\b", nullptr, "-12.34", 1, -12.34},
        {"a letter is refused", "12.34", 2, -1, nullptr, 1, 1, 0, "x", nullptr, "12.34", 1, 12.34},
        {"the separator typed again", "12.34", 2, -1, nullptr, 0, 0, 0, ".", nullptr, "12.34", 3, 12.34},
        {"a separator without fraction", "12", 0, -1, nullptr, 2, 2, 0, ".", nullptr, "12", 2, 12.0},
        {"End stops before the literal", "-5", 2, -1, "(1.1)", 0, 0, VK_END, "", nullptr, "(5.00)", 5, -5.0},
        {"Home stops behind the literal", "-5", 2, -1, "(1.1)", 4, 4, VK_HOME, "", nullptr, "(5.00)", 1, -5.0},
        {"Left stops behind the literal", "-5", 2, -1, "(1.1)", 1, 1, VK_LEFT, "", nullptr, "(5.00)", 1, -5.0},
        {"Insert switches to overtype", "12.34", 2, -1, nullptr, 0, 0, VK_INSERT, "7", nullptr, "72.34", 1, 72.34},
        {"a typed selection", "12.34", 2, -1, nullptr, 0, 2, 0, "9", nullptr, "9.34", 1, 9.34},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        CTKNumericEdit edit;
        Attach(edit, row.pszStart);
        edit.SetFractionalDigitCount(row.nDigits);
        edit.SetMaxIntegerDigits(row.nMaxInteger);
        if (row.pszNegative != nullptr)
            edit.SetNegativeFormat(row.pszNegative);
        if (row.nSelStart >= 0)
            edit.SetSel(row.nSelStart, row.nSelEnd);
        if (row.nKey != 0)
            Key(edit, row.nKey);
        Type(edit, row.pszChars);
        if (row.pszPaste != nullptr)
            Paste(edit, row.pszPaste);
        EXPECT_EQ(Text(edit), row.pszShown);
        if (row.nCaret >= 0)
            EXPECT_EQ(Caret(edit), row.nCaret);
        EXPECT_DOUBLE_EQ(edit.GetValue(), row.dValue);
        edit.DestroyWindow();
    }
}

TEST_F(CTKNumericEditTest, DeleteCountsTheGroupSeparatorThatVanished)
{
    CTKNumericEdit edit;
    Attach(edit, "1234567");
    int nStart = 2;
    int nEnd = 3;
    EXPECT_EQ(edit.DeleteRange(nStart, nEnd), 2);
    EXPECT_EQ(nStart, 1);
    EXPECT_EQ(Text(edit), "134,567.00");
    edit.DestroyWindow();
}

TEST_F(CTKNumericEditTest, SetsTheFractionalDigitCountByTruncating)
{
    struct Row {
        const char* pszText;
        int nCount;
        BOOL bAccepted;
        const char* pszShown;
    } rows[] = {
        {"3", 1, TRUE, "3.0"},       {"2.26", 1, TRUE, "2.2"}, {"-4", 1, TRUE, "-4.0"},
        {"7.6", 0, TRUE, "7"},       {"12.5", 3, TRUE, "12.500"}, {"3", -1, FALSE, "3.00"},
        {"abc", 1, TRUE, "0.0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.pszText) + " with " + std::to_string(row.nCount));
        CTKNumericEdit edit;
        Attach(edit, row.pszText);
        EXPECT_EQ(edit.SetFractionalDigitCount(row.nCount), row.bAccepted);
        EXPECT_EQ(edit.GetFractionalDigitCount(), row.bAccepted ? row.nCount : 2);
        EXPECT_EQ(Text(edit), row.pszShown);
        edit.DestroyWindow();
    }
}

TEST_F(CTKNumericEditTest, TakesTextSetFromOutsideAsTheNumber)
{
    CTKNumericEdit edit;
    Attach(edit, "");
    edit.SetWindowText("-3.5");
    EXPECT_EQ(Text(edit), "-3.50");
    EXPECT_DOUBLE_EQ(edit.GetValue(), -3.5);
    EXPECT_FALSE(edit.SetInputData("7", 6));
    EXPECT_EQ(Text(edit), "-3.50");
    EXPECT_TRUE(edit.SetInputData("", 0));
    EXPECT_EQ(Text(edit), "-3.50");
    edit.DestroyWindow();
}

// Settings the program left alone follow the user's locale; a number already
// in the field keeps its value under the new separators.
TEST_F(CTKNumericEditTest, FollowsASettingChangeWhereTheProgramDidNotDecide)
{
    CTKNumericEdit following;
    Attach(following, "1234.5");
    CTKNumericEdit fixed;
    Attach(fixed, "1234.5");
    fixed.SetDecimalSeparator(';');
    m_locale.m_numbers = GermanNumbers();
    following.SendMessage(WM_SETTINGCHANGE);
    fixed.SendMessage(WM_SETTINGCHANGE);
    EXPECT_EQ(Text(following), "1.234,50");
    EXPECT_DOUBLE_EQ(following.GetValue(), 1234.5);
    EXPECT_EQ(Text(fixed), "1.234;50");
    EXPECT_DOUBLE_EQ(fixed.GetValue(), 1234.5);
    following.DestroyWindow();
    fixed.DestroyWindow();
}

// The value is read with the edit's own separator, not the C runtime's.
TEST_F(CTKNumericEditTest, ReadsItsValueWhateverTheRuntimesSeparator)
{
    m_locale.m_numbers = GermanNumbers();
    CTKNumericEdit edit;
    Attach(edit, "");
    Type(edit, "12,5");
    EXPECT_EQ(Text(edit), "12,50");
    EXPECT_DOUBLE_EQ(edit.GetValue(), 12.5);
    if (std::setlocale(LC_NUMERIC, "German") != nullptr) {
        CTKNumericEdit point;
        m_locale.m_numbers = CGRNumberLocale();
        Attach(point, "12.5");
        EXPECT_DOUBLE_EQ(point.GetValue(), 12.5);
        point.DestroyWindow();
        std::setlocale(LC_NUMERIC, "C");
    }
    edit.DestroyWindow();
}

TEST_F(CTKNumericEditTest, ReadsTheLocaleWhenCreated)
{
    m_locale.m_numbers = GermanNumbers();
    CTKNumericEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_parent, 1002));
    EXPECT_EQ(Text(edit), "0,00");
    edit.DestroyWindow();
}
