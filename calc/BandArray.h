#pragma once
// Classes in this file: CBandArray, one value per one-third-octave band
// number, on which the rating arithmetic works. A band is missing by the
// measurement-data library's one test, IsMissingValue.

#include "MeasValue.h"
#include "NSpectrum.h"

#include <array>
#include <cassert>

struct CBandArray {
    std::array<double, kBandCount> m_adValue;

    CBandArray() { m_adValue.fill(kMissingValue); }

    double operator[](int nBand) const
    {
        assert(nBand >= 0 && nBand < kBandCount);
        return m_adValue[nBand];
    }
    double& operator[](int nBand)
    {
        assert(nBand >= 0 && nBand < kBandCount);
        return m_adValue[nBand];
    }
    bool HasBands(int nFirstBand, int nLastBand) const;
};
