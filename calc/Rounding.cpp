// The term rounding of the adaptation terms.

#include "Rounding.h"

// A spectrum adaptation term: the energetic value brought to whole dB, less
// the rating, brought to whole dB again, e.g. RoundTerm(47.5, 52) = 48 - 52 = -4.
double RoundTerm(double dValue, double dRating)
{
    return RoundValue(RoundValue(dValue, 0) - dRating, 0);
}
