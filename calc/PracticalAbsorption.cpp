// The practical sound absorption coefficient alpha_p of an octave.

#include "PracticalAbsorption.h"

#include "MeasValue.h"

#include <cmath>

namespace {

const double kLargestPractical = 1.0;
const double kTolerance = 0.00001;

}  // namespace

// alpha_p from the mean alpha_s of the octave's three thirds: the mean to
// 0.01, then to the nearest multiple of 0.05, halves up (0.625 is 0.65);
// the 0.00001 over one half keeps 0.025, held as 0.0249999..., going up.
// floor, not truncation, so that a negative mean rounds the same way
// (-0.12 is -0.10). At most 1.00.
double PracticalAbsorptionCoefficient(double dMean)
{
    const double dSteps = std::floor((RoundValue(dMean, 2) * 100.0 + 2.50001) * 0.2);
    const double dPractical = dSteps * 5.0 * 0.01;
    return dPractical > kLargestPractical + kTolerance ? kLargestPractical : dPractical;
}
