// Classes in this file: CCalcSettings.

#include "CalcSettings.h"

#include "NSpectrum.h"

#include <algorithm>

// The band range in use, limited to the bands a spectrum has, so that a
// damaged setting can narrow a calculation but never reach outside 0 to 43.
int CCalcSettings::FirstBand() const
{
    return std::max(m_nLowerFreq, 0);
}

int CCalcSettings::LastBand() const
{
    return std::min(m_nUpperFreq, kBandCount - 1);
}
