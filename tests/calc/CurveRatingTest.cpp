// Behaviours of the reference-curve ratings on band arrays: ISO 717-1 and
// ISO 717-2 with the whole-dB and exact searches, the edges of the deviation
// limit, the tie rule of the largest deviation, missing and non-finite bands,
// the bounded search, and ASTM E413/E989 with the 8 dB rule.

#include "calc/CurveRating.h"
#include "calc/ReferenceCurves.h"

#include "BandTestData.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace {

struct IsoCase {
    const char* sName;
    CRatingCurve curve;
    CBandArray meas;
    bool bExact;
    double dRating;
    double dRatingWhole;
    double dDevSum;
    double dMaxDev;
    int nMaxDevBand;
};

void ExpectRating(const IsoCase& row, const CCurveRating& rating)
{
    EXPECT_EQ(kCalcDone, rating.m_nStatus);
    EXPECT_DOUBLE_EQ(row.dRating, rating.m_dRating);
    EXPECT_DOUBLE_EQ(row.dDevSum, rating.m_dDevSum);
    EXPECT_DOUBLE_EQ(row.dMaxDev, rating.m_dMaxDev);
    EXPECT_EQ(row.nMaxDevBand, rating.m_nMaxDevBand);
}

CBandArray WithBand(CBandArray bands, int nBand, double dValue)
{
    bands[nBand] = dValue;
    return bands;
}

const double kLimitAfterReset = 32.049;

}  // namespace

TEST(CurveRating, RatesIsoSpectraAtTheLimitOfTheDeviationSum)
{
    const CBandArray air = RefAirborneCurve();
    const CBandArray impact = RefImpactCurve();
    const IsoCase cases[] = {
        {"airborne curve + 10 dB", AirborneRatingCurve(), Offset(air, 10.0), false,
         64, 64, 32.0, 2.0, 20},
        {"airborne curve - 20 dB", AirborneRatingCurve(), Offset(air, -20.0), false,
         34, 34, 32.0, 2.0, 20},
        {"sum 32.049 is admitted", AirborneRatingCurve(),
         WithBand(Offset(air, 10.0), 35, 65.951), false, 64, 64, 32.0, 2.0, 35},
        {"sum 32.051 is not", AirborneRatingCurve(),
         WithBand(Offset(air, 10.0), 35, 65.949), false, 63, 63, 16.1, 1.1, 35},
        {"partition", AirborneRatingCurve(), PartitionReduction(), false, 48, 48, 25.9, 4.3, 26},
        {"partition exact", AirborneRatingCurve(), PartitionReduction(), true,
         48.4, 48, 31.4, 4.7, 26},
        {"airborne curve + 0.3 dB exact", AirborneRatingCurve(), Offset(air, 0.3), true,
         54.3, 54, 32.0, 2.0, 20},
        {"impact curve", ImpactRatingCurve(), impact, false, 58, 58, 32.0, 2.0, 20},
        {"impact curve - 10 dB", ImpactRatingCurve(), Offset(impact, -10.0), false,
         48, 48, 32.0, 2.0, 20},
        {"floor", ImpactRatingCurve(), FloorImpactLevel(), false, 60, 60, 18.0, 3.2, 35},
    };
    for (const IsoCase& row : cases) {
        SCOPED_TRACE(row.sName);
        const CCurveRating rating = RateIso717(row.curve, row.meas, kLimitAfterReset,
                                               row.bExact, 20);
        ExpectRating(row, rating);
        EXPECT_DOUBLE_EQ(row.dRatingWhole, rating.m_dRatingWhole);
    }
}

TEST(CurveRating, KeepsTheDeviationsOfTheFinalPosition)
{
    const CCurveRating rating = RateIso717(AirborneRatingCurve(), Offset(RefAirborneCurve(), 10.0),
                                           kLimitAfterReset, false, 20);
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        SCOPED_TRACE(nBand);
        const bool bRated = nBand >= 20 && nBand <= 35;
        EXPECT_DOUBLE_EQ(bRated ? 2.0 : kMissingValue, rating.m_deviation[nBand]);
    }
}

TEST(CurveRating, LowerBandWinsATieOfLargestDeviations)
{
    CBandArray meas = Offset(RefAirborneCurve(), 20.0);
    meas[24] -= 5.0;
    meas[31] -= 5.0;
    const CDeviationSum dev = SumDeviations(AirborneRatingCurve(), meas, 20.0, 33);
    EXPECT_DOUBLE_EQ(10.0, dev.m_dSum);
    EXPECT_DOUBLE_EQ(5.0, dev.m_dMaxDev);
    EXPECT_EQ(24, dev.m_nMaxDevBand);
    EXPECT_DOUBLE_EQ(kMissingValue, dev.m_deviation[25]);
}

TEST(CurveRating, KeepsTheEarlierBandWhenNoBandIsUnfavourable)
{
    const CDeviationSum dev = SumDeviations(AirborneRatingCurve(),
                                            Offset(RefAirborneCurve(), 5.0), 0.0, 33);
    EXPECT_DOUBLE_EQ(0.0, dev.m_dSum);
    EXPECT_DOUBLE_EQ(0.0, dev.m_dMaxDev);
    EXPECT_EQ(33, dev.m_nMaxDevBand);
}

TEST(CurveRating, RefusesMissingOrNonFiniteBands)
{
    struct Row {
        const char* sName;
        CRatingCurve curve;
        int nBand;
        double dValue;
        int nStatus;
    };
    const double kInf = std::numeric_limits<double>::infinity();
    const Row cases[] = {
        {"airborne, 3150 Hz missing", AirborneRatingCurve(), 35, kMissingValue, kCalcBandMissing},
        {"airborne, 100 Hz NaN", AirborneRatingCurve(), 20,
         std::numeric_limits<double>::quiet_NaN(), kCalcBandMissing},
        {"airborne, 500 Hz +inf", AirborneRatingCurve(), 27, kInf, kCalcBandMissing},
        {"impact, 1000 Hz -inf", ImpactRatingCurve(), 30, -kInf, kCalcBandMissing},
        {"airborne, 80 Hz missing is not rated", AirborneRatingCurve(), 19, kMissingValue,
         kCalcDone},
        {"airborne, -499.5 is a value", AirborneRatingCurve(), 26, -499.5, kCalcDone},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        const CBandArray meas = WithBand(Offset(row.curve.m_ref, 10.0), row.nBand, row.dValue);
        const CCurveRating rating = RateIso717(row.curve, meas, kLimitAfterReset, false, 27);
        EXPECT_EQ(row.nStatus, rating.m_nStatus);
        if (row.nStatus == kCalcDone)
            continue;
        EXPECT_DOUBLE_EQ(kMissingValue, rating.m_dRating);
        EXPECT_DOUBLE_EQ(kMissingValue, rating.m_dRatingWhole);
        EXPECT_DOUBLE_EQ(kMissingValue, rating.m_dDevSum);
        EXPECT_DOUBLE_EQ(kMissingValue, rating.m_dMaxDev);
        EXPECT_EQ(27, rating.m_nMaxDevBand);
    }
}

TEST(CurveRating, BoundedSearchRefusesAnAbsurdSpectrum)
{
    const CCurveRating iso = RateIso717(AirborneRatingCurve(), Offset(RefAirborneCurve(), 1e7),
                                        kLimitAfterReset, true, 20);
    EXPECT_EQ(kCalcBandMissing, iso.m_nStatus);
    EXPECT_DOUBLE_EQ(kMissingValue, iso.m_dRating);
    const CCurveRating astm = RateAstm(StcRatingCurve(), Offset(StcContour(), -1e7), true, 20);
    EXPECT_EQ(kCalcBandMissing, astm.m_nStatus);
}

TEST(CurveRating, RatesAstmClassesWithTheEightDecibelRule)
{
    const CBandArray stc = StcContour();
    const CBandArray impact = RefImpactCurve();
    const IsoCase cases[] = {
        {"STC contour", StcRatingCurve(), stc, false, 54, 0, 32.0, 2.0, 21},
        {"STC 125 Hz 10 dB low", StcRatingCurve(), WithBand(stc, 21, 26.0), false,
         50, 0, 8.0, 8.0, 21},
        {"STC 1000 Hz 12 dB low", StcRatingCurve(), WithBand(stc, 30, 43.0), false,
         48, 0, 8.0, 8.0, 30},
        {"STC exact", StcRatingCurve(), Offset(stc, 0.35), true, 54.3, 0, 31.2, 2.0, 21},
        {"IIC of the impact curve", IicRatingCurve(), impact, false, 52, 0, 32.0, 2.0, 20},
        {"IIC 500 Hz 12 dB high", IicRatingCurve(), WithBand(impact, 27, 72.0), false,
         46, 0, 8.0, 8.0, 27},
        {"IIC 500 Hz 12 dB high exact", IicRatingCurve(), WithBand(impact, 27, 72.0), true,
         46, 0, 8.0, 8.0, 27},
    };
    for (const IsoCase& row : cases) {
        SCOPED_TRACE(row.sName);
        const CCurveRating rating = RateAstm(row.curve, row.meas, row.bExact, 20);
        ExpectRating(row, rating);
        EXPECT_DOUBLE_EQ(kMissingValue, rating.m_dRatingWhole);
    }
}

TEST(CurveRating, AstmNeedsItsOwnBandRange)
{
    struct Row {
        const char* sName;
        CRatingCurve curve;
        int nMissingBand;
        int nStatus;
    };
    const Row cases[] = {
        {"STC without 100 Hz", StcRatingCurve(), 20, kCalcDone},
        {"STC without 125 Hz", StcRatingCurve(), 21, kCalcBandMissing},
        {"STC without 4000 Hz", StcRatingCurve(), 36, kCalcBandMissing},
        {"IIC without 100 Hz", IicRatingCurve(), 20, kCalcBandMissing},
        {"IIC without 4000 Hz", IicRatingCurve(), 36, kCalcDone},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CBandArray meas = BandsFrom(17, {});
        for (int nBand = 17; nBand <= 37; ++nBand)
            meas[nBand] = 50.0;
        meas[row.nMissingBand] = kMissingValue;
        EXPECT_EQ(row.nStatus, RateAstm(row.curve, meas, false, 20).m_nStatus);
    }
}

TEST(CurveRating, ReferenceFloorsRateTheirStatedLevels)
{
    struct Row {
        const char* sName;
        CBandArray floor;
        double dRating;
    };
    const Row cases[] = {
        {"heavyweight", RefFloorHeavy(), 78},
        {"lightweight 1", RefFloorLight(1), 72},
        {"lightweight 2", RefFloorLight(2), 72},
        {"lightweight 3", RefFloorLight(3), 75},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        const CCurveRating rating = RateIso717(ImpactRatingCurve(), row.floor,
                                               kLimitAfterReset, false, 20);
        EXPECT_DOUBLE_EQ(row.dRating, rating.m_dRating);
    }
}

TEST(CurveRating, RatingMovesWithTheSpectrum)
{
    // A spectrum raised by whole decibels rates that much higher, as
    // insulation and as an impact level. The exact rating refines the
    // whole-dB one by less than 1 dB: upwards for insulation, downwards for
    // an impact level, where the lower curve position is the better one.
    std::mt19937 generator(4711);
    std::uniform_real_distribution<double> scatter(-8.0, 8.0);
    for (int nSpectrum = 0; nSpectrum < 50; ++nSpectrum) {
        SCOPED_TRACE(nSpectrum);
        CBandArray meas;
        for (int nBand = 20; nBand <= 35; ++nBand)
            meas[nBand] = 40.0 + 1.5 * (nBand - 20) + scatter(generator);
        for (const CRatingCurve& curve : {AirborneRatingCurve(), ImpactRatingCurve()}) {
            const CCurveRating base = RateIso717(curve, meas, kLimitAfterReset, false, 20);
            const CCurveRating raised = RateIso717(curve, Offset(meas, 7.0), kLimitAfterReset,
                                                   false, 20);
            EXPECT_DOUBLE_EQ(base.m_dRating + 7.0, raised.m_dRating);
            const CCurveRating exact = RateIso717(curve, meas, kLimitAfterReset, true, 20);
            EXPECT_EQ(base.m_dRating, exact.m_dRatingWhole);
            const double dRefinement = curve.m_dSide * (exact.m_dRating - base.m_dRating);
            EXPECT_GE(dRefinement, -1e-9);
            EXPECT_LT(dRefinement, 1.0 - 1e-9);
            EXPECT_LE(exact.m_dDevSum, kLimitAfterReset);
        }
    }
}
