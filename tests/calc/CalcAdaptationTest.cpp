// Behaviours of the adaptation-term members of CCalc after a rating: the
// eight C and Ctr terms with the whole-dB and the decimal rating, incomplete
// ranges, a failed rating, CI, and the weighted term of SS 2015 projects.

#include "calc/Calc.h"

#include "CalcTestProject.h"

#include <gtest/gtest.h>

namespace {

struct CTermExpectation {
    const char* sName;
    double CCalc::*pTerm;
    double dValue;
};

CBandArray Restricted(CBandArray bands, int nFirstBand, int nLastBand)
{
    for (int nBand = 0; nBand < kBandCount; ++nBand)
        if (nBand < nFirstBand || nBand > nLastBand)
            bands[nBand] = kMissingValue;
    return bands;
}

}  // namespace

TEST(CalcAdaptation, FormsTheEightTermsAfterTheRating)
{
    struct Row {
        const char* sName;
        bool bExact;
        double dRating;
    };
    const Row cases[] = {{"whole dB", false, 48.0}, {"exact", true, 48.4}};
    const CTermExpectation terms[] = {
        {"C", &CCalc::m_dC, -2},
        {"Ctr", &CCalc::m_dCtr, -6},
        {"C50-3150", &CCalc::m_dC50_3150, -2},
        {"Ctr50-3150", &CCalc::m_dCtr50_3150, -10},
        {"C100-5000", &CCalc::m_dC100_5000, -1},
        {"Ctr100-5000", &CCalc::m_dCtr100_5000, -6},
        {"C50-5000", &CCalc::m_dC50_5000, -1},
        {"Ctr50-5000", &CCalc::m_dCtr50_5000, -10},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_Settings.m_bExactRating = row.bExact;
        CCalc& calc = project.m_Calc;
        calc.m_aSpec[0] = SpectrumOf(PartitionReduction());
        EXPECT_EQ(kCalcDone, calc.RateAirborne());
        EXPECT_EQ(row.dRating, calc.m_dRating);
        EXPECT_EQ(kCalcDone, calc.CalcAdaptationTermsC());
        for (const CTermExpectation& term : terms)
            EXPECT_EQ(term.dValue, calc.*term.pTerm) << term.sName;
    }
}

TEST(CalcAdaptation, IncompleteRangesLeaveTheirTermsMissing)
{
    CCalc calc;
    calc.m_aSpec[0] = SpectrumOf(Restricted(PartitionReduction(), 20, 35));
    EXPECT_EQ(kCalcDone, calc.RateAirborne());
    EXPECT_EQ(kCalcBandMissing, calc.CalcAdaptationTermsC());
    EXPECT_EQ(-2.0, calc.m_dC);
    EXPECT_EQ(-6.0, calc.m_dCtr);
    for (double CCalc::*pTerm : {&CCalc::m_dC50_3150, &CCalc::m_dCtr50_3150, &CCalc::m_dC100_5000,
                                 &CCalc::m_dCtr100_5000, &CCalc::m_dC50_5000, &CCalc::m_dCtr50_5000})
        EXPECT_EQ(kMissingValue, calc.*pTerm);
}

TEST(CalcAdaptation, FlatSpectrumGivesZeroTerms)
{
    CCalc calc;
    CBandArray flat;
    for (int nBand = 20; nBand <= 35; ++nBand)
        flat[nBand] = 40.0;
    calc.m_aSpec[0] = SpectrumOf(flat);
    calc.m_dRatingWhole = 40.0;
    EXPECT_EQ(kCalcBandMissing, calc.CalcAdaptationTermsC());
    EXPECT_EQ(0.0, calc.m_dC);
    EXPECT_EQ(0.0, calc.m_dCtr);
}

TEST(CalcAdaptation, FailedRatingLeavesEveryTermMissing)
{
    CCalc calc;
    CBandArray reduction = PartitionReduction();
    reduction[35] = kMissingValue;
    calc.m_aSpec[0] = SpectrumOf(reduction);
    EXPECT_EQ(kCalcBandMissing, calc.RateAirborne());
    calc.CalcAdaptationTermsC();
    EXPECT_EQ(kMissingValue, calc.m_dC);
    EXPECT_EQ(kMissingValue, calc.m_dCtr100_5000);
}

TEST(CalcAdaptation, FormsTheImpactTerms)
{
    CCalc calc;
    calc.m_aSpec[0] = SpectrumOf(FloorImpactLevel());
    EXPECT_EQ(kCalcDone, calc.RateImpact());
    EXPECT_EQ(60.0, calc.m_dRating);
    EXPECT_EQ(kCalcDone, calc.CalcAdaptationTermCI());
    EXPECT_EQ(-3.0, calc.m_dCI);
    EXPECT_EQ(-2.0, calc.m_dCI50_2500);
}

TEST(CalcAdaptation, ImpactTermsNeedTheRating)
{
    // Complete from 50 to 2500 Hz, missing at 3150 Hz: the rating fails, and
    // with it both terms.
    CCalc calc;
    calc.m_aSpec[0] = SpectrumOf(Restricted(FloorImpactLevel(), 17, 34));
    EXPECT_EQ(kCalcBandMissing, calc.RateImpact());
    EXPECT_EQ(kCalcDone, calc.CalcAdaptationTermCI());
    EXPECT_EQ(kMissingValue, calc.m_dCI);
    EXPECT_EQ(kMissingValue, calc.m_dCI50_2500);
}

TEST(CalcAdaptation, WeightedTermOnlyForSs2015)
{
    struct Row {
        const char* sName;
        bool bSS;
        int nYear;
        int nFirstBand;
        int nStatus;
        double dCIAux;
    };
    const double kUntouched = 7.0;
    const Row cases[] = {
        {"SS 2015", true, 2015, 13, kCalcDone, 2.0},
        {"SS 2015 without 20 Hz", true, 2015, 14, kCalcDone, kMissingValue},
        {"SS 2015 without 50 Hz", true, 2015, 18, kCalcBandMissing, kUntouched},
        {"SS 2014", true, 2014, 13, kCalcDone, kUntouched},
        {"ISO 2015", false, 2015, 13, kCalcDone, kUntouched},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_ReportInfo.m_bSS = row.bSS;
        project.m_ReportInfo.m_nYear = row.nYear;
        CCalc& calc = project.m_Calc;
        CBandArray level;
        for (int nBand = row.nFirstBand; nBand <= 35; ++nBand)
            level[nBand] = 60.0;
        calc.m_aSpec[0] = SpectrumOf(level);
        calc.m_dRatingWhole = 60.0;
        calc.m_dCIAux = kUntouched;
        EXPECT_EQ(row.nStatus, calc.CalcAdaptationTermCI());
        EXPECT_EQ(row.dCIAux, calc.m_dCIAux);
    }
}
