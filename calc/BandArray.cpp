// Classes in this file: CBandArray.

#include "BandArray.h"

// True when every band from nFirstBand to nLastBand (inclusive) holds a value.
bool CBandArray::HasBands(int nFirstBand, int nLastBand) const
{
    for (int nBand = nFirstBand; nBand <= nLastBand; ++nBand)
        if (IsMissingValue((*this)[nBand]))
            return false;
    return true;
}
