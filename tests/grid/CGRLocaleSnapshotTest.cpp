// CGRLocaleSnapshot: the number settings of the current locale read once,
// standing in as the current locale for one drawing pass; parsing still goes
// to the locale behind it, which is current again afterwards.

#include "GridTestEnvironment.h"

#include "grid/CGRCell.h"
#include "grid/CGRLocaleSnapshot.h"

#include <gtest/gtest.h>

namespace {

class CGRLocaleSnapshotTest : public ::testing::Test {
protected:
    CGRLocaleSnapshotTest() : m_user(GermanNumbers()) { CGRUserLocale::SetCurrent(&m_user); }
    ~CGRLocaleSnapshotTest() override { CGRUserLocale::SetCurrent(nullptr); }

    static std::string TextOf(double dNumber)
    {
        CGRCell cell;
        cell.SetNumber(dNumber);
        cell.SetNumberDecimals(1);
        return cell.GetText();
    }

    CFixedUserLocale m_user;
};

} // namespace

// The user changes the settings while a pass draws: the pass keeps the ones
// it began with, the next pass takes the new ones.
TEST_F(CGRLocaleSnapshotTest, APassKeepsTheNumberSettingsItBeganWith)
{
    {
        CGRLocaleSnapshot pass;
        m_user.m_locale = EnglishNumbers();
        EXPECT_EQ(&pass, &CGRUserLocale::Current());
        EXPECT_EQ("1.234,5", TextOf(1234.5));
    }
    EXPECT_EQ(&m_user, &CGRUserLocale::Current());
    EXPECT_EQ("1,234.5", TextOf(1234.5));
}

TEST_F(CGRLocaleSnapshotTest, ParsingGoesToTheLocaleBehindIt)
{
    m_user.m_dDate = 45000.5;
    m_user.m_llCurrency = 120000;
    CGRLocaleSnapshot pass;
    double dDate = 0.0;
    LONGLONG llCurrency = 0;
    EXPECT_TRUE(pass.ParseDate("1.3.2023", dDate));
    EXPECT_EQ(45000.5, dDate);
    EXPECT_TRUE(pass.ParseCurrency("12", llCurrency));
    EXPECT_EQ(120000, llCurrency);
}

// A pass inside a pass (a cell that draws a grid of its own) gives the
// outer one back when it ends.
TEST_F(CGRLocaleSnapshotTest, NestedPassesEndInOrder)
{
    CGRLocaleSnapshot outer;
    {
        CGRLocaleSnapshot inner;
        EXPECT_EQ(&inner, &CGRUserLocale::Current());
    }
    EXPECT_EQ(&outer, &CGRUserLocale::Current());
}
