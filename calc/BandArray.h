#pragma once
// Classes in this file: CBandArray, one value per one-third-octave band
// number, and the engine's single test for a missing band value.

#include <array>
#include <cassert>
#include <cmath>

constexpr int kBandCount = 44;            // band numbers 0 (1 Hz) to 43 (20 kHz)
constexpr double kMissingValue = -999.0;  // a missing band value or result
constexpr double kMissingBelow = -499.5;  // every value below this is missing

// A value counts as missing below -499.5 (-499.5 itself is a value). A
// non-finite value counts as missing too, so that a NaN or an infinity never
// enters a sum, a rating search or a rounding.
inline bool IsMissing(double dValue)
{
    return !std::isfinite(dValue) || dValue < kMissingBelow;
}

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
