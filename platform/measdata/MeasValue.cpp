#include "MeasValue.h"

#include <algorithm>
#include <cmath>

// Below the threshold a value is missing. NaN and infinities are missing too:
// a level or time of infinity has no meaning and must not reach a mean or a
// rating (a reverberation time of 0 in a denominator produces one).
bool IsMissingValue(double dValue)
{
    return !std::isfinite(dValue) || dValue < kMissingThreshold;
}

// 10^d for the decimals 0..9; every one is a double exactly, as pow gives it,
// without a call to pow on every rounding.
const double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// floor(x * 10^d + 0.50001) / 10^d. The extra 0.00001 over one half lets 2.45,
// held in binary as 2.4499999..., round up to 2.5 as it does on paper. Halves
// round towards +infinity, negative values included. A missing value stays
// missing as -999.0; decimals are clamped to 0..9.
double RoundValue(double dValue, int nDecimals)
{
    if (IsMissingValue(dValue))
        return kMissingValue;
    const double dScale = kPowersOfTen[std::clamp(nDecimals, 0, 9)];
    const double dScaled = dValue * dScale;
    // From 2^52 on a double holds no fraction: the value is already rounded,
    // and scaling it further could overflow to infinity.
    if (std::fabs(dScaled) >= 4503599627370496.0)
        return dValue;
    return std::floor(dScaled + 0.50001) / dScale;
}
