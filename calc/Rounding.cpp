// The engine's one rounding rule, used by every routine of the calculation
// engine so that a table, a report and an export show the same digits.

#include "Rounding.h"

#include "BandArray.h"

#include <cmath>

// Brings a value to nDecimals decimals: floor(x * 10^d + 0.50001) / 10^d.
// The 0.00001 added to the half lets a value such as 2.45, stored in binary
// as 2.4499999..., round up to 2.5 as the engineer expects. A missing value
// (below -499.5, or not finite) stays missing; -499.5 itself is rounded.
double Round(double dValue, int nDecimals)
{
    if (IsMissing(dValue))
        return kMissingValue;
    const double dScale = std::pow(10.0, nDecimals);
    return std::floor(dValue * dScale + 0.50001) / dScale;
}

// A spectrum adaptation term: the energetic value brought to whole dB, less
// the rating, brought to whole dB again, e.g. RoundTerm(47.5, 52) = 48 - 52 = -4.
double RoundTerm(double dValue, double dRating)
{
    return Round(Round(dValue, 0) - dRating, 0);
}
