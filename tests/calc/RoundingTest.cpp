// Behaviours of Round and RoundTerm: the half-up rule with its 0.00001, the
// missing threshold, non-finite values, and the whole-dB term.

#include "calc/Rounding.h"
#include "calc/BandArray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct RoundCase {
    double dValue;
    int nDecimals;
    double dExpected;
};

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(Rounding, BringsValuesToDecimalsHalfUpAndKeepsMissing)
{
    const RoundCase cases[] = {
        /* 0 */ {2.45, 1, 2.5},
        /* 1 */ {-2.45, 1, -2.4},
        /* 2 */ {42.49, 0, 42.0},
        /* 3 */ {42.5, 0, 43.0},
        /* 4 */ {0.625, 2, 0.63},
        /* 5 */ {-499.5, 1, -499.5},
        /* 6 */ {-499.6, 1, kMissingValue},
        /* 7 */ {kMissingValue, 1, kMissingValue},
        /* 8 */ {kNaN, 1, kMissingValue},
        /* 9 */ {kInf, 0, kMissingValue},
        /* 10 */ {-kInf, 0, kMissingValue},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i << ": " << cases[i].dValue);
        EXPECT_DOUBLE_EQ(cases[i].dExpected, Round(cases[i].dValue, cases[i].nDecimals));
    }
}

TEST(Rounding, RoundingTwiceEqualsRoundingOnce)
{
    for (double dValue = -60.0; dValue < 60.0; dValue += 0.037) {
        SCOPED_TRACE(dValue);
        const double dOnce = Round(dValue, 1);
        EXPECT_EQ(dOnce, Round(dOnce, 1));
    }
}

TEST(Rounding, FormsTermFromWholeDecibels)
{
    EXPECT_DOUBLE_EQ(-4.0, RoundTerm(47.5, 52.0));
    EXPECT_DOUBLE_EQ(0.0, RoundTerm(39.99, 40.0));
    EXPECT_DOUBLE_EQ(-1.0, RoundTerm(47.4, 48.4));
}
