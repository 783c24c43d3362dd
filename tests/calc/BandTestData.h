#pragma once
// Band spectra the calculation tests build on.

#include "calc/BandArray.h"

#include <initializer_list>

inline CBandArray BandsFrom(int nFirstBand, std::initializer_list<double> values)
{
    CBandArray bands;
    int nBand = nFirstBand;
    for (double dValue : values)
        bands[nBand++] = dValue;
    return bands;
}

// Every present band moved by dOffset.
inline CBandArray Offset(CBandArray bands, double dOffset)
{
    for (double& dValue : bands.m_adValue)
        if (!IsMissingValue(dValue))
            dValue += dOffset;
    return bands;
}

// An apparent sound reduction index R', dB, 50 to 5000 Hz, of an ordinary
// partition: Rw 48 with C -2 and Ctr -6.
inline CBandArray PartitionReduction()
{
    return BandsFrom(17, {20.1, 22.4, 25.0, 28.3, 31.2, 33.0, 35.4, 38.1, 40.2, 42.7, 45.0,
                          46.8, 48.9, 50.3, 51.8, 53.0, 52.1, 50.4, 52.7, 55.6, 58.0});
}

// A normalised impact level L'n, dB, 50 to 5000 Hz, of a concrete floor:
// L'nw 60 with CI -3.
inline CBandArray FloorImpactLevel()
{
    return BandsFrom(17, {60.5, 62.0, 63.1, 64.0, 63.5, 62.8, 63.0, 62.2, 61.5, 60.9, 60.0,
                          59.1, 58.4, 57.0, 55.2, 53.1, 50.5, 48.0, 45.2, 42.0, 39.5});
}
