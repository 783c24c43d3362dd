// Behaviours of the rating members of CCalc: what they read (spectrum 0,
// spectrum 9, the deviation limit, the exact-rating setting through the
// project) and what they leave (spectra 1 and 3, the figures, the label), on
// success and on refusal; the deviation routines; the curve builders.

#include "calc/Calc.h"
#include "calc/ReferenceCurves.h"
#include "calc/SpectrumBands.h"

#include "CalcTestProject.h"

#include <gtest/gtest.h>

TEST(CalcRating, RatesAirborneInsulationIntoItsMembers)
{
    CCalc calc;
    calc.m_aSpec[0] = SpectrumOf(Offset(RefAirborneCurve(), 10.0));
    calc.m_aSpec[3].InsertData(37, 5.0);
    EXPECT_EQ(kCalcDone, calc.RateAirborne());
    EXPECT_EQ(64.0, calc.m_dRating);
    EXPECT_EQ(64.0, calc.m_dRatingWhole);
    EXPECT_EQ(32.0, calc.m_dDevSum);
    EXPECT_EQ(2.0, calc.m_dMaxDev);
    EXPECT_EQ(20, calc.m_nMaxDevBand);
    EXPECT_TRUE(SpectrumOf(RefAirborneCurve()) == calc.m_aSpec[1]);
    CBandArray deviations;
    for (int nBand = 20; nBand <= 35; ++nBand)
        deviations[nBand] = 2.0;
    deviations[37] = 5.0;   // outside the rated bands: left as it was
    EXPECT_TRUE(SpectrumOf(deviations) == calc.m_aSpec[3]);
}

TEST(CalcRating, ExactRatingComesFromTheProjectSettings)
{
    struct Row {
        const char* sName;
        bool bProject;
        bool bExact;
        double dRating;
    };
    const Row cases[] = {
        {"no project", false, false, 54.0},
        {"project, whole dB", true, false, 54.0},
        {"project, exact", true, true, 54.3},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_Settings.m_bExactRating = row.bExact;
        CCalc calc;
        calc.m_pDoc = row.bProject ? &project : nullptr;
        calc.m_aSpec[0] = SpectrumOf(Offset(RefAirborneCurve(), 0.3));
        EXPECT_EQ(kCalcDone, calc.RateAirborne());
        EXPECT_EQ(row.dRating, calc.m_dRating);
        EXPECT_EQ(54.0, calc.m_dRatingWhole);
    }
}

TEST(CalcRating, MissingBandClearsTheFigures)
{
    struct Row {
        const char* sName;
        int (CCalc::*pfnRate)();
        int nMissingBand;
        bool bClearsWhole;
    };
    const Row cases[] = {
        {"ISO 717-1 without 3150 Hz", &CCalc::RateAirborne, 35, true},
        {"ISO 717-2 without 100 Hz", &CCalc::RateImpact, 20, true},
        {"STC without 4000 Hz", &CCalc::RateStc, 36, false},
        {"IIC without 3150 Hz", &CCalc::RateIic, 35, false},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalc calc;
        CBandArray meas;
        for (int nBand = 17; nBand <= 37; ++nBand)
            meas[nBand] = 50.0;
        meas[row.nMissingBand] = kMissingValue;
        calc.m_aSpec[0] = SpectrumOf(meas);
        calc.m_aSpec[3].InsertData(30, 1.0);
        calc.m_dRating = calc.m_dDevSum = calc.m_dMaxDev = calc.m_dRatingWhole = 7.0;
        calc.m_nMaxDevBand = 29;
        EXPECT_EQ(kCalcBandMissing, (calc.*row.pfnRate)());
        EXPECT_EQ(kMissingValue, calc.m_dRating);
        EXPECT_EQ(kMissingValue, calc.m_dDevSum);
        EXPECT_EQ(kMissingValue, calc.m_dMaxDev);
        EXPECT_EQ(row.bClearsWhole ? kMissingValue : 7.0, calc.m_dRatingWhole);
        EXPECT_EQ(29, calc.m_nMaxDevBand);
        EXPECT_EQ(0, calc.m_aSpec[3].GetNumOfFreq());
        EXPECT_GT(calc.m_aSpec[1].GetNumOfFreq(), 0);
    }
}

TEST(CalcRating, AstmLimitStaysForALaterIsoRating)
{
    // 2.002 dB above the curve at 12 dB: a sum of 32.032 dB, within 32.049
    // but not within 32.0.
    const NSpectrum insulation = SpectrumOf(Offset(RefAirborneCurve(), 9.998));
    CCalc calc;
    calc.m_aSpec[0] = insulation;
    EXPECT_EQ(kCalcDone, calc.RateAirborne());
    EXPECT_EQ(64.0, calc.m_dRating);

    calc.m_aSpec[0] = SpectrumOf(StcContour());
    EXPECT_EQ(kCalcDone, calc.RateStc());
    EXPECT_EQ(32.0, calc.m_dDevLimit);
    calc.m_aSpec[0] = insulation;
    EXPECT_EQ(kCalcDone, calc.RateAirborne());
    EXPECT_EQ(63.0, calc.m_dRating);
    calc.Reset();
    calc.m_aSpec[0] = insulation;
    EXPECT_EQ(kCalcDone, calc.RateAirborne());
    EXPECT_EQ(64.0, calc.m_dRating);
}

TEST(CalcRating, RatesAstmClasses)
{
    CCalc calc;
    CBandArray contour = StcContour();
    contour[21] -= 10.0;
    calc.m_aSpec[0] = SpectrumOf(contour);
    calc.m_dRatingWhole = 7.0;
    EXPECT_EQ(kCalcDone, calc.RateStc());
    EXPECT_EQ(50.0, calc.m_dRating);
    EXPECT_EQ(8.0, calc.m_dMaxDev);
    EXPECT_EQ(21, calc.m_nMaxDevBand);
    EXPECT_EQ(7.0, calc.m_dRatingWhole);
    EXPECT_TRUE(SpectrumOf(StcContour()) == calc.m_aSpec[1]);

    calc.m_aSpec[0] = SpectrumOf(RefImpactCurve());
    EXPECT_EQ(kCalcDone, calc.RateIic());
    EXPECT_EQ(52.0, calc.m_dRating);
    EXPECT_EQ(32.0, calc.m_dDevSum);
}

TEST(CalcRating, DeviationRoutinesWriteSpectrumThree)
{
    CCalc calc;
    calc.m_aSpec[3].InsertData(36, 4.0);
    CBandArray meas = RefAirborneCurve();
    meas[22] -= 3.0;
    meas[30] -= 3.0;
    calc.m_nMaxDevBand = 33;
    const double dSum = calc.DevAirborne(SpectrumOf(meas), SpectrumOf(RefAirborneCurve()), 1.0);
    EXPECT_DOUBLE_EQ(16 * 1.0 + 2 * 3.0, dSum);
    EXPECT_EQ(4.0, calc.m_dMaxDev);
    EXPECT_EQ(22, calc.m_nMaxDevBand);
    EXPECT_EQ(4.0, calc.m_aSpec[3].GetSpecLine(30));

    EXPECT_DOUBLE_EQ(0.0, calc.DevImpact(SpectrumOf(RefImpactCurve()),
                                         SpectrumOf(RefImpactCurve()), 0.0));
    EXPECT_EQ(0.0, calc.m_dMaxDev);
    EXPECT_EQ(22, calc.m_nMaxDevBand);
    EXPECT_EQ(kMissingValue, calc.m_aSpec[3].GetSpecLine(30));
    EXPECT_EQ(4.0, calc.m_aSpec[3].GetSpecLine(36));   // outside 20 to 35: kept

    EXPECT_DOUBLE_EQ(16 * 2.0, calc.DevStc(SpectrumOf(StcContour()), SpectrumOf(StcContour()), 2.0));
    EXPECT_EQ(2.0, calc.m_aSpec[3].GetSpecLine(36));
}

TEST(CalcRating, RatesAbsorptionWithShapeIndicators)
{
    CBandArray alpha;
    const double adOctave[5] = {1.0, 0.5, 0.5, 0.5, 0.5};
    for (int nOctave = 0; nOctave < 5; ++nOctave)
        for (int nBand = 23 + 3 * nOctave; nBand <= 25 + 3 * nOctave; ++nBand)
            alpha[nBand] = adOctave[nOctave];
    CCalc calc;
    calc.m_aSpec[0] = SpectrumOf(alpha);
    calc.m_aSpec[9] = SpectrumOf(alpha);
    EXPECT_EQ(kCalcDone, calc.RateAbsorption());
    EXPECT_NEAR(0.5, calc.m_dRating, 1e-9);
    EXPECT_EQ(0.1, calc.m_dDevLimit);
    EXPECT_EQ(0.0, calc.m_dDevSum);
    EXPECT_EQ(0.0, calc.m_dMaxDev);
    EXPECT_STREQ("(L)", calc.m_sLabel);
    EXPECT_TRUE(SpectrumOf(RefAbsorptionCurve()) == calc.m_aSpec[1]);
    EXPECT_NEAR(-0.7, calc.m_aSpec[3].GetSpecLine(24), 1e-9);

    calc.m_aSpec[0].InsertData(33, kMissingValue);
    EXPECT_EQ(kCalcBandMissing, calc.RateAbsorption());
    EXPECT_EQ(kMissingValue, calc.m_dRating);
    EXPECT_EQ(kMissingValue, calc.m_dDevSum);
    EXPECT_EQ(kMissingValue, calc.m_dMaxDev);
    EXPECT_EQ(0, calc.m_aSpec[3].GetNumOfFreq());
    EXPECT_STREQ("(L)", calc.m_sLabel);
}

TEST(CalcRating, BuildersInsertExactlyTheirBands)
{
    struct Row {
        const char* sName;
        void (*pfnBuild)(NSpectrum&);
        int nLowerBand;
        int nUpperBand;
        int nBandCount;
        int nBand;
        double dValue;
    };
    const Row cases[] = {
        {"ISO 717-1", CCalc::BuildRefAirborne, 20, 35, 16, 27, 52},
        {"ISO 717-2", CCalc::BuildRefImpact, 20, 35, 16, 27, 60},
        {"ASTM E413", CCalc::BuildContourStc, 21, 36, 16, 27, 52},
        {"ISO 11654", CCalc::BuildRefAbsorption, 24, 36, 5, 36, 0.9},
        {"spectrum No. 1 to 3150 Hz", CCalc::BuildSpectrumC3150, 17, 35, 19, 17, -40},
        {"spectrum No. 1 to 5000 Hz", CCalc::BuildSpectrumC5000, 17, 37, 21, 37, -10},
        {"spectrum No. 2", CCalc::BuildSpectrumCtr, 17, 37, 21, 30, -8},
        {"impact weighting", CCalc::BuildSpectrumCIWeight, 13, 34, 22, 13, -7},
        {"heavyweight floor", CCalc::BuildRefFloorHeavy, 20, 35, 16, 21, 67.5},
        {"basic wall 1", CCalc::BuildBasicWallCurve1, 17, 37, 21, 25, 43.5},
        {"basic wall 2", CCalc::BuildBasicWallCurve2, 17, 37, 21, 25, 41.8},
        {"basic wall 3", CCalc::BuildBasicWallCurve3, 17, 37, 21, 37, 49.4},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        NSpectrum spec;
        row.pfnBuild(spec);
        EXPECT_EQ(row.nLowerBand, spec.GetLowerFreq());
        EXPECT_EQ(row.nUpperBand, spec.GetUpperFreq());
        EXPECT_EQ(row.nBandCount, spec.GetNumOfFreq());
        EXPECT_EQ(row.dValue, spec.GetSpecLine(row.nBand));
    }
    NSpectrum light;
    CCalc::BuildRefFloorLight(light, 3);
    EXPECT_EQ(69.0, light.GetSpecLine(20));
    CCalc::BuildRefFloorLight(light, 1);
    EXPECT_EQ(78.0, light.GetSpecLine(20));
}
