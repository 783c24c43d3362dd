#pragma once
// Moving band values between an NSpectrum and a plain band array.

#include "BandArray.h"

#include "NSpectrum.h"

CBandArray BandsOf(const NSpectrum& spec);
void InsertPresentBands(NSpectrum& spec, const CBandArray& bands);
void InsertBandRange(NSpectrum& spec, const CBandArray& bands, int nFirstBand, int nLastBand);
