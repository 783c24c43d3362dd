// Tests of the currency edit on a real edit window in a fixed user locale:
// the sign patterns by the locale's orders, the symbol in their place, the
// patterns it refuses.

#include "EditTestWindows.h"
#include "toolkit/skins/CTKCurrencyEdit.h"

class CTKCurrencyEditTest : public EditWindowTest {};

TEST_F(CTKCurrencyEditTest, ShowsTheAmountInTheLocalesPatterns)
{
    struct Row {
        const char* pszStart;
        int nPositiveOrder;
        int nNegativeOrder;
        const char* pszShown;
    } rows[] = {
        {"5", 0, 0, "$5.00"},       {"5", 1, 0, "5.00$"},       {"5", 2, 0, "$ 5.00"},
        {"5", 3, 0, "5.00 $"},      {"5", 4, 0, "$5.00"},  // an unknown order keeps the pattern
        {"-5", 0, 0, "($5.00)"},    {"-5", 0, 1, "-$5.00"},     {"-5", 0, 2, "$-5.00"},
        {"-5", 0, 3, "$5.00-"},     {"-5", 0, 4, "(5.00$)"},    {"-5", 0, 5, "-5.00$"},
        {"-5", 0, 6, "5.00-$"},     {"-5", 0, 7, "5.00$-"},     {"-5", 0, 8, "-5.00 $"},
        {"-5", 0, 9, "-$ 5.00"},    {"-5", 0, 10, "5.00 $-"},   {"-5", 0, 11, "$ 5.00-"},
        {"-5", 0, 12, "$ -5.00"},   {"-5", 0, 13, "5.00- $"},   {"-5", 0, 14, "($ 5.00)"},
        {"-5", 0, 15, "(5.00 $)"},  {"-5", 0, 16, "($5.00)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.pszStart) + " " + std::to_string(row.nPositiveOrder) + " " +
                     std::to_string(row.nNegativeOrder));
        m_locale.m_money.m_nPositiveOrder = row.nPositiveOrder;
        m_locale.m_money.m_nNegativeOrder = row.nNegativeOrder;
        CTKCurrencyEdit edit;
        Attach(edit, row.pszStart);
        EXPECT_EQ(Text(edit), row.pszShown);
        edit.DestroyWindow();
    }
}

// The monetary separators, grouping and digits are the locale's, not the
// number settings'.
TEST_F(CTKCurrencyEditTest, UsesTheMonetarySeparatorsAndDigits)
{
    m_locale.m_numbers.m_sDecimal = ".";
    m_locale.m_money.m_sDecimal = ",";
    m_locale.m_money.m_sThousand = ".";
    m_locale.m_money.m_nDigits = 3;
    m_locale.m_money.m_sSymbol = "kr";
    m_locale.m_money.m_nPositiveOrder = 3;
    CTKCurrencyEdit edit;
    Attach(edit, "1234,5");
    EXPECT_EQ(Text(edit), "1.234,500 kr");
    EXPECT_DOUBLE_EQ(edit.GetValue(), 1234.5);
}

// A symbol of several characters widens the literals: the caret still
// stops at the field's ends.
TEST_F(CTKCurrencyEditTest, ASymbolOfSeveralCharactersWidensTheLiterals)
{
    m_locale.m_money.m_sSymbol = "EUR";
    CTKCurrencyEdit edit;
    Attach(edit, "5");
    EXPECT_EQ(Text(edit), "EUR5.00");
    EXPECT_EQ(edit.GetCurrencySymbol(), "EUR");
    edit.SetSel(7, 7);
    Key(edit, VK_HOME);
    EXPECT_EQ(Caret(edit), 3);
    Type(edit, "-");
    EXPECT_EQ(Text(edit), "(EUR5.00)");
}

TEST_F(CTKCurrencyEditTest, MinusTurnsTheAmountIntoTheNegativePattern)
{
    CTKCurrencyEdit edit;
    Attach(edit, "12.5");
    ASSERT_EQ(Text(edit), "$12.50");
    edit.SetSel(2, 2);
    Type(edit, "-");
    EXPECT_EQ(Text(edit), "($12.50)");
    EXPECT_DOUBLE_EQ(edit.GetValue(), -12.5);
    Type(edit, "-");
    EXPECT_EQ(Text(edit), "$12.50");
}

TEST_F(CTKCurrencyEditTest, RefusesAPatternWithoutTheNumberOrTheSymbol)
{
    CTKCurrencyEdit edit;
    Attach(edit, "5");
    EXPECT_FALSE(edit.SetPositiveFormat("1.1 EUR"));
    EXPECT_FALSE(edit.SetNegativeFormat("-1.1"));
    EXPECT_FALSE(edit.SetPositiveFormat("$"));
    EXPECT_EQ(edit.GetPositiveFormat(), "$1.1");
    EXPECT_EQ(edit.GetNegativeFormat(), "($1.1)");
    EXPECT_TRUE(edit.SetPositiveFormat("1.1 $"));
    EXPECT_EQ(Text(edit), "5.00 $");
}

// What the program set stays; what still is the user's follows a change of
// the user's settings, the symbol whatever its case.
TEST_F(CTKCurrencyEditTest, FollowsASettingChangeWhereTheProgramDidNotDecide)
{
    CTKCurrencyEdit following;
    Attach(following, "5");
    CTKCurrencyEdit fixed;
    Attach(fixed, "5");
    fixed.SetPositiveFormat("$ 1.1");
    m_locale.m_money.m_sSymbol = "kr";
    m_locale.m_money.m_nPositiveOrder = 3;
    following.SendMessage(WM_SETTINGCHANGE);
    fixed.SendMessage(WM_SETTINGCHANGE);
    EXPECT_EQ(Text(following), "5.00 kr");
    EXPECT_EQ(Text(fixed), "kr 5.00");
}
