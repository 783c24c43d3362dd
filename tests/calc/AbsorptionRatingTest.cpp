// Behaviours of the ISO 11654 rating on band arrays: the downward search in
// 0.05 steps, the unrounded alpha_w, the shape indicators, and refused input.

#include "calc/AbsorptionRating.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// alpha_p at 250, 500, 1000, 2000, 4000 Hz, repeated in the three bands of
// each octave as the absorption methods leave it.
CBandArray OctaveCoefficients(const double (&adOctave)[5])
{
    CBandArray bands;
    for (int nOctave = 0; nOctave < 5; ++nOctave)
        for (int nBand = 23 + 3 * nOctave; nBand <= 25 + 3 * nOctave; ++nBand)
            bands[nBand] = adOctave[nOctave];
    return bands;
}

}  // namespace

TEST(AbsorptionRating, RatesPracticalCoefficients)
{
    struct Row {
        const char* sName;
        double adOctave[5];
        double dRating;
        double dDevSum;
        const char* sShape;
    };
    const Row cases[] = {
        {"on the curve", {0.8, 1.0, 1.0, 1.0, 0.9}, 1.0, 0.0, ""},
        {"0.2 everywhere", {0.2, 0.2, 0.2, 0.2, 0.2}, 0.2, 0.0, ""},
        {"strong at 250 Hz", {1.0, 0.5, 0.5, 0.5, 0.5}, 0.5, 0.0, "(L)"},
        {"above the curve", {1.0, 1.0, 1.0, 1.0, 1.0}, 1.0, 0.0, ""},
        {"strong low and high", {0.9, 0.3, 0.3, 0.6, 0.3}, 0.35, 0.1, "(LH)"},
        {"strong in the middle", {0.2, 0.7, 0.3, 0.2, 0.2}, 0.3, 0.1, "(M)"},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        const CBandArray alpha = OctaveCoefficients(row.adOctave);
        const CAbsorptionRating rating = RateAbsorptionCurve(alpha, alpha);
        EXPECT_EQ(kCalcDone, rating.m_nStatus);
        EXPECT_NEAR(row.dRating, rating.m_dRating, 1e-9);
        EXPECT_DOUBLE_EQ(row.dDevSum, rating.m_dDevSum);
        EXPECT_EQ(row.sShape, rating.m_sShape);
    }
}

TEST(AbsorptionRating, KeepsTheBinaryErrorOfTheSteps)
{
    const double adOctave[5] = {0.2, 0.2, 0.2, 0.2, 0.2};
    const CBandArray alpha = OctaveCoefficients(adOctave);
    const CAbsorptionRating rating = RateAbsorptionCurve(alpha, alpha);
    EXPECT_EQ(0.19999999999999984, rating.m_dRating);
    EXPECT_NEAR(0.0, rating.m_deviation[27], 1e-9);
    EXPECT_NEAR(-0.1, rating.m_deviation[36], 1e-9);
}

TEST(AbsorptionRating, StoresSignedDeviationsAtTheOctaves)
{
    const double adOctave[5] = {1.0, 0.5, 0.5, 0.5, 0.5};
    const CBandArray alpha = OctaveCoefficients(adOctave);
    const CAbsorptionRating rating = RateAbsorptionCurve(alpha, alpha);
    EXPECT_NEAR(-0.7, rating.m_deviation[24], 1e-9);
    EXPECT_NEAR(-0.1, rating.m_deviation[36], 1e-9);
    EXPECT_DOUBLE_EQ(kMissingValue, rating.m_deviation[25]);
}

TEST(AbsorptionRating, RefusesMissingAndNonFiniteOctaves)
{
    struct Row {
        const char* sName;
        int nBand;
        double dValue;
        bool bInThirds;   // in alpha_s (else alpha_p)
    };
    const Row cases[] = {
        {"alpha_s missing at 250 Hz", 24, kMissingValue, true},
        {"alpha_s NaN at 4000 Hz", 36, std::numeric_limits<double>::quiet_NaN(), true},
        {"alpha_p -inf at 1000 Hz", 30, -std::numeric_limits<double>::infinity(), false},
        {"alpha_p +inf at 500 Hz", 27, std::numeric_limits<double>::infinity(), false},
        {"alpha_p absurdly low", 33, -1e9, false},
    };
    const double adOctave[5] = {0.5, 0.5, 0.5, 0.5, 0.5};
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CBandArray alphaS = OctaveCoefficients(adOctave);
        CBandArray alphaP = alphaS;
        (row.bInThirds ? alphaS : alphaP)[row.nBand] = row.dValue;
        const CAbsorptionRating rating = RateAbsorptionCurve(alphaS, alphaP);
        EXPECT_EQ(kCalcBandMissing, rating.m_nStatus);
        EXPECT_DOUBLE_EQ(kMissingValue, rating.m_dRating);
        EXPECT_DOUBLE_EQ(kMissingValue, rating.m_dDevSum);
    }
}
