#include "BandRows.h"

// Bands outside the range, and the legend's first row, get no height; the
// rows after the bands come back below the range.
bool CBandRows::HeightsFor(int nLowBand, int nHighBand, int nTableId, std::map<int, int>& heights)
{
    heights.clear();
    if (!IsBand(nLowBand) || !IsBand(nHighBand))
        return false;
    for (int nRow = kFirstBandRow; nRow <= kLastRow + 1; ++nRow) {
        const bool bBelow = nRow <= RowOfBand(nLowBand) - 1;
        const bool bAbove = nRow >= RowOfBand(nHighBand) + 1;
        heights[nRow] = (bBelow || bAbove) ? 0 : kBandHeight;
    }
    if (HasSumRow(nTableId))
        heights[kSumRow] = kBandHeight;
    heights[kLastRow] = kBandHeight;
    return true;
}
