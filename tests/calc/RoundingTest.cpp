// Behaviours of RoundTerm: the energetic value and the difference are each
// brought to whole dB; a missing value leaves the term missing.

#include "calc/Rounding.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Rounding, FormsTermsFromWholeDecibels)
{
    struct Row {
        double dValue;
        double dRating;
        double dTerm;
    };
    const Row cases[] = {
        /* 0 */ {47.5, 52.0, -4.0},
        /* 1 */ {39.99, 40.0, 0.0},
        /* 2 */ {47.4, 48.4, -1.0},
        /* 3 */ {47.6, 48.4, 0.0},
        /* 4 */ {kMissingValue, 40.0, kMissingValue},
        /* 5 */ {std::numeric_limits<double>::quiet_NaN(), 40.0, kMissingValue},
        /* 6 */ {std::numeric_limits<double>::infinity(), 40.0, kMissingValue},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        EXPECT_DOUBLE_EQ(cases[i].dTerm, RoundTerm(cases[i].dValue, cases[i].dRating));
    }
}
