#pragma once
// The missing-value marker of band values and single numbers, the one test for
// "missing", and the one rounding function of the program.

constexpr double kMissingValue = -999.0;
constexpr double kMissingThreshold = -499.5;

bool IsMissingValue(double dValue);
double RoundValue(double dValue, int nDecimals);
