// Behaviours of the adaptation terms on band arrays: C and Ctr of a partition
// in the four ranges, the flat spectrum, CI of a floor, the weighted impact
// term, and the missing band or rating that leaves a term missing.

#include "calc/AdaptationTerms.h"
#include "calc/ReferenceCurves.h"

#include "BandTestData.h"

#include <gtest/gtest.h>

#include <limits>

TEST(AdaptationTerms, FormsTheTermsOfAPartitionInEveryRange)
{
    struct Row {
        const char* sName;
        CBandArray spectrum;
        int nFirstBand;
        int nLastBand;
        double dRating;
        double dTerm;
    };
    const Row cases[] = {
        {"C", SpectrumC3150(), 20, 35, 48, -2},
        {"Ctr", SpectrumCtr(), 20, 35, 48, -6},
        {"C 50-3150", SpectrumC3150(), 17, 35, 48, -2},
        {"Ctr 50-3150", SpectrumCtr(), 17, 35, 48, -10},
        {"C 100-5000", SpectrumC5000(), 20, 37, 48, -1},
        {"Ctr 100-5000", SpectrumCtr(), 20, 37, 48, -6},
        {"C 50-5000", SpectrumC5000(), 17, 37, 48, -1},
        {"Ctr 50-5000", SpectrumCtr(), 17, 37, 48, -10},
        {"C 100-5000 of the exact rating", SpectrumC5000(), 20, 37, 48.4, -1},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        EXPECT_DOUBLE_EQ(row.dTerm, AdaptationTerm(PartitionReduction(), row.spectrum,
                                                   row.nFirstBand, row.nLastBand, row.dRating));
    }
}

TEST(AdaptationTerms, FlatSpectrumHasZeroTerms)
{
    const CBandArray flat = Offset(BandsFrom(20, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
                                   40.0);
    EXPECT_DOUBLE_EQ(0.0, AdaptationTerm(flat, SpectrumC3150(), 20, 35, 40.0));
    EXPECT_DOUBLE_EQ(0.0, AdaptationTerm(flat, SpectrumCtr(), 20, 35, 40.0));
}

TEST(AdaptationTerms, MissingBandOrRatingLeavesTheTermMissing)
{
    struct Row {
        const char* sName;
        int nBand;
        double dValue;
        double dRating;
    };
    const Row cases[] = {
        {"50 Hz missing", 17, kMissingValue, 48},
        {"5000 Hz NaN", 37, std::numeric_limits<double>::quiet_NaN(), 48},
        {"1000 Hz +inf", 30, std::numeric_limits<double>::infinity(), 48},
        {"rating missing", 25, 40.2, kMissingValue},
        {"rating NaN", 25, 40.2, std::numeric_limits<double>::quiet_NaN()},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CBandArray reduction = PartitionReduction();
        reduction[row.nBand] = row.dValue;
        EXPECT_DOUBLE_EQ(kMissingValue,
                         AdaptationTerm(reduction, SpectrumC5000(), 17, 37, row.dRating));
        EXPECT_DOUBLE_EQ(kMissingValue, ImpactTerm(reduction, 17, 37, row.dRating));
    }
}

TEST(AdaptationTerms, FormsTheImpactTermsOfAFloor)
{
    EXPECT_DOUBLE_EQ(-3.0, ImpactTerm(FloorImpactLevel(), 20, 34, 60.0));
    EXPECT_DOUBLE_EQ(-2.0, ImpactTerm(FloorImpactLevel(), 17, 34, 60.0));
    EXPECT_DOUBLE_EQ(-11.0, ImpactTerm(RefFloorHeavy(), 20, 34, 78.0));
}

TEST(AdaptationTerms, WeightsTheImpactLevelsWithoutTheFifteenDecibels)
{
    // 60 dB in every band from 20 to 2500 Hz: the weighted levels sum to
    // 10 lg(sum 10^((60 + W)/10)) = 62.0 dB, so the term against 60 dB is +2.
    CBandArray level;
    for (int nBand = 13; nBand <= 34; ++nBand)
        level[nBand] = 60.0;
    EXPECT_DOUBLE_EQ(2.0, WeightedImpactTerm(level, SpectrumCIWeight(), 13, 34, 60.0));
    level[13] = kMissingValue;
    EXPECT_DOUBLE_EQ(kMissingValue, WeightedImpactTerm(level, SpectrumCIWeight(), 13, 34, 60.0));
}
