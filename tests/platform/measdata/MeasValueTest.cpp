// Behaviours of the missing-value predicate and the rounding function.

#include "platform/measdata/MeasValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(MeasValue, TakesValuesBelowTheThresholdAndNonFiniteValuesAsMissing)
{
    struct Row {
        double dValue;
        bool bMissing;
    } const rows[] = {
        {-999.0, true},   {-499.50001, true}, {-499.5, false}, {-499.49, false},
        {0.0, false},     {199.9, false},     {kNaN, true},    {kInf, true},
        {-kInf, true},    {-999.9, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dValue);
        EXPECT_EQ(row.bMissing, IsMissingValue(row.dValue));
    }
}

TEST(MeasValue, RoundsHalvesUpAsWrittenOnPaper)
{
    struct Row {
        double dValue;
        int nDecimals;
        double dExpected;
    } const rows[] = {
        {2.45, 1, 2.5},        // held as 2.4499999...: the 0.00001 lifts it
        {-2.45, 1, -2.4},      // halves go towards +infinity
        {0.15, 1, 0.2},
        {1.005, 2, 1.01},
        {2.449, 1, 2.4},
        {57.403627, 1, 57.4},
        {0.0022, 2, 0.0},
        {-0.04, 1, 0.0},
        {-499.5, 0, -499.0},   // present: rounded like any value
        {12.34, -1, 12.0},     // decimals clamped to 0..9
        {1e300, 2, 1e300},     // no fraction left to round, no overflow
        {-999.0, 1, kMissingValue},
        {-600.0, 1, kMissingValue},
        {kNaN, 1, kMissingValue},
        {kInf, 1, kMissingValue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.dValue << " to " << row.nDecimals);
        EXPECT_DOUBLE_EQ(row.dExpected, RoundValue(row.dValue, row.nDecimals));
    }
}

TEST(MeasValue, RoundingTwiceEqualsRoundingOnce)
{
    for (int i = -2000; i <= 2000; ++i) {
        const double dValue = i * 0.0137;
        for (int nDecimals = 0; nDecimals <= 3; ++nDecimals) {
            const double dOnce = RoundValue(dValue, nDecimals);
            ASSERT_EQ(dOnce, RoundValue(dOnce, nDecimals)) << dValue << " to " << nDecimals;
        }
    }
}

TEST(MeasValue, RoundingNeverDecreasesWithTheValue)
{
    double dPrevious = RoundValue(-10.0, 1);
    for (int i = -9999; i <= 10000; ++i) {
        const double dRounded = RoundValue(i * 0.001, 1);
        ASSERT_LE(dPrevious, dRounded) << i * 0.001;
        dPrevious = dRounded;
    }
}

} // namespace
