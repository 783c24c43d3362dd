// Moving band values between an NSpectrum and a plain band array, so that the
// rating arithmetic works on arrays and the calculation object keeps spectra.

#include "SpectrumBands.h"

// Every band of the spectrum; an unwritten band reads as missing.
CBandArray BandsOf(const NSpectrum& spec)
{
    CBandArray bands;
    for (int nBand = 0; nBand < kBandCount; ++nBand)
        bands[nBand] = spec.GetSpecLine(nBand);
    return bands;
}

// Inserts the bands that hold a value, as a curve builder does.
void InsertPresentBands(NSpectrum& spec, const CBandArray& bands)
{
    for (int nBand = 0; nBand < kBandCount; ++nBand)
        if (!IsMissingValue(bands[nBand]))
            spec.InsertData(nBand, bands[nBand]);
}

// Inserts every band of a range, missing ones as -999.0.
void InsertBandRange(NSpectrum& spec, const CBandArray& bands, int nFirstBand, int nLastBand)
{
    for (int nBand = nFirstBand; nBand <= nLastBand; ++nBand)
        spec.InsertData(nBand, bands[nBand]);
}
