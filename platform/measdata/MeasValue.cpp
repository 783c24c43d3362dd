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

// floor(x * 10^d + 0.50001) / 10^d. The extra 0.00001 over one half lets 2.45,
// held in binary as 2.4499999..., round up to 2.5 as it does on paper. Halves
// round towards +infinity, negative values included. A missing value stays
// missing as -999.0; decimals are clamped to 0..9.
double RoundValue(double dValue, int nDecimals)
{
    if (IsMissingValue(dValue))
        return kMissingValue;
    const double dScale = std::pow(10.0, std::clamp(nDecimals, 0, 9));
    const double dScaled = dValue * dScale;
    // From 2^52 on a double holds no fraction: the value is already rounded,
    // and scaling it further could overflow to infinity.
    if (std::fabs(dScaled) >= 4503599627370496.0)
        return dValue;
    return std::floor(dScaled + 0.50001) / dScale;
}
