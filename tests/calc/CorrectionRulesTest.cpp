// Behaviours of the per-band correction rules: the bounds with their
// tolerance, the rounded and unrounded corrected level, the status marks 2
// and 16, missing and non-finite levels, the airborne-noise variant and the
// flanking rule.

#include "calc/CorrectionRules.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const double kSingleMinus13 = static_cast<double>(-1.3f);

CCorrectionRule FieldRule()
{
    return CCorrectionRule::FromBounds(6.0, 10.0, kSingleMinus13, true);
}

CCorrectionRule LabRule()
{
    return CCorrectionRule::FromBounds(6.0, 15.0, kSingleMinus13, true);
}

CCorrectionRule LabFullNoiseRule()
{
    CCorrectionRule rule = LabRule();
    rule.m_dComputeBelow = 15.00001;
    rule.m_bComputeAtBound = true;
    return rule;
}

CCorrectionRule AstmRule()
{
    return CCorrectionRule::FromBounds(5.0, 10.0, -2.0, true);
}

struct CorrectionCase {
    const char* sName;
    CCorrectionRule rule;
    double dLevel;
    double dNoise;
    double dValue;
    int nStatus;
};

}  // namespace

TEST(CorrectionRules, CorrectsLevelsForBackgroundNoise)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const CorrectionCase cases[] = {
        {"8 dB: 49.25 rounds to 49.3", FieldRule(), 50.0, 42.0, -0.7, kStatusCorrected},
        {"exactly 6 dB takes the limit", FieldRule(), 50.0, 44.0, -1.2999999523162842,
         kStatusLimited},
        {"below 6 dB takes the limit", FieldRule(), 50.0, 49.0, kSingleMinus13, kStatusLimited},
        {"exactly 10 dB needs none", FieldRule(), 50.0, 40.0, 0.0, 0},
        {"exactly 10 dB in the laboratory", LabRule(), 50.0, 40.0, -0.5, kStatusCorrected},
        {"exactly 15 dB in the laboratory", LabRule(), 50.0, 35.0, 0.0, 0},
        {"exactly 15 dB, bound included", LabFullNoiseRule(), 50.0, 35.0, -0.1,
         kStatusCorrected},
        {"ASTM exactly 5 dB", AstmRule(), 50.0, 45.0, -2.0, kStatusLimited},
        {"ASTM 7 dB", AstmRule(), 50.0, 43.0, -1.0, kStatusCorrected},
        {"level missing", FieldRule(), kMissingValue, 42.0, kMissingValue, 0},
        {"noise missing", FieldRule(), 50.0, kMissingValue, kMissingValue, 0},
        {"level NaN", FieldRule(), kNaN, 42.0, kMissingValue, 0},
        {"noise +inf", FieldRule(), 50.0, std::numeric_limits<double>::infinity(),
         kMissingValue, 0},
    };
    for (const CorrectionCase& row : cases) {
        SCOPED_TRACE(row.sName);
        const CBandCorrection correction = BackgroundBandCorrection(row.dLevel, row.dNoise,
                                                                    row.rule);
        EXPECT_NEAR(row.dValue, correction.m_dValue, 1e-9);
        EXPECT_EQ(row.nStatus, correction.m_nStatus);
    }
}

TEST(CorrectionRules, UnroundedRuleKeepsTheExactCorrectedLevel)
{
    const CCorrectionRule rule = CCorrectionRule::FromBounds(6.0, 10.0, -1.3, false);
    const CBandCorrection correction = BackgroundBandCorrection(50.0, 42.0, rule);
    EXPECT_NEAR(-0.7494, correction.m_dValue, 1e-4);
    EXPECT_EQ(kStatusCorrected, correction.m_nStatus);
}

TEST(CorrectionRules, RuleWithANegativeLowerBoundLimitsInsteadOfFailing)
{
    const CCorrectionRule rule = CCorrectionRule::FromBounds(-3.0, 10.0, -1.3, true);
    const CBandCorrection correction = BackgroundBandCorrection(50.0, 51.0, rule);
    EXPECT_DOUBLE_EQ(-1.3, correction.m_dValue);
    EXPECT_EQ(kStatusLimited, correction.m_nStatus);
}

TEST(CorrectionRules, CorrectsImpactLevelsForTheTappingMachinesAirborneNoise)
{
    struct Row {
        const char* sName;
        CCorrectionRule rule;
        double dAirbornePartBelow;   // LE minus the airborne part, dB
        double dValue;
        int nStatus;
    };
    CCorrectionRule labFull = FieldRule();
    labFull.m_dComputeBelow = std::numeric_limits<double>::infinity();
    const Row cases[] = {
        {"field, 20 dB below", FieldRule(), 20.0, 0.0, 0},
        {"field, 8 dB below", FieldRule(), 8.0, -0.7, kStatusCorrected},
        {"field, 6 dB below", FieldRule(), 6.0, kSingleMinus13, kStatusLimited},
        {"laboratory, exactly 3 dB", CCorrectionRule::FromBounds(3.0, 10.0, -3.0, true), 3.0,
         -3.0, kStatusLimited},
        {"laboratory, 4 dB", CCorrectionRule::FromBounds(3.0, 10.0, -3.0, true), 4.0, -2.2,
         kStatusCorrected},
        {"full rule, 20 dB below rounds to 0.0", labFull, 20.0, 0.0, 0},
        {"full rule, 12 dB below", labFull, 12.0, -0.3, kStatusCorrected},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        // LHW 80, L1a 70, L2a 40: the airborne part in the receiving room is
        // 80 - (70 - 40) = 50 dB; LE lies dAirbornePartBelow above it.
        const CBandCorrection correction = AirborneNoiseBandCorrection(
            50.0 + row.dAirbornePartBelow, 80.0, 70.0, 40.0, row.rule);
        EXPECT_NEAR(row.dValue, correction.m_dValue, 1e-9);
        EXPECT_EQ(row.nStatus, correction.m_nStatus);
    }
}

TEST(CorrectionRules, AirborneNoiseNeedsAllFourLevels)
{
    const double dLevels[4] = {58.0, 80.0, 70.0, 40.0};
    for (int nMissing = 0; nMissing < 4; ++nMissing) {
        SCOPED_TRACE(nMissing);
        double d[4] = {dLevels[0], dLevels[1], dLevels[2], dLevels[3]};
        d[nMissing] = kMissingValue;
        const CBandCorrection correction = AirborneNoiseBandCorrection(d[0], d[1], d[2], d[3],
                                                                       FieldRule());
        EXPECT_DOUBLE_EQ(kMissingValue, correction.m_dValue);
        EXPECT_EQ(0, correction.m_nStatus);
    }
}

TEST(CorrectionRules, CorrectsLaboratoryReductionForFlanking)
{
    struct Row {
        const char* sName;
        double dFlanking;
        double dUpperBound;
        double dValue;
        int nStatus;
    };
    const Row cases[] = {
        {"7 dB", 47.0, 15.0, 1.0, kStatusCorrected},
        {"5 dB takes the limit", 45.0, 15.0, 1.3, kStatusLimited},
        {"exactly 6 dB is computed", 46.0, 15.0, 1.3, kStatusCorrected},
        {"12 dB, bound 15", 52.0, 15.0, 0.3, kStatusCorrected},
        {"12 dB, bound 10", 52.0, 10.0, 0.0, 0},
        {"exactly 15 dB", 55.0, 15.0, 0.0, 0},
        {"flanking missing", kMissingValue, 15.0, kMissingValue, 0},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        const CBandCorrection correction = FlankingBandCorrection(40.0, row.dFlanking,
                                                                  row.dUpperBound);
        EXPECT_NEAR(row.dValue, correction.m_dValue, 1e-9);
        EXPECT_EQ(row.nStatus, correction.m_nStatus);
    }
}
