#include "CFileBandRange.h"

#include "FvxCodes.h"

void CFileBandRange::Check(long lLower, long lUpper, int nBandwidth)
{
    // The index is checked before it is multiplied, so a huge index cannot
    // overflow into a small band number.
    if (lLower < 0 || lUpper < lLower || lUpper > kHighestBand ||
        lUpper * Step(nBandwidth) > kHighestBand)
        throw int(kFvxBandOutOfRange);
}
