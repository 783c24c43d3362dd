// Behaviours of the impact improvement members of CCalc: the weighted
// improvement on the heavyweight and the lightweight reference floors, the
// CI delta, the floor number of the descriptor, failed ratings, and the
// restored result spectrum.

#include "calc/Calc.h"
#include "calc/ReferenceCurves.h"

#include "CalcTestProject.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const int kTableWithCovering = 130;
const int kTableWithoutCovering = 131;

// A floor covering that lowers every band by dImprovement on the given
// reference floor: the project's tables and spectra 18 and 19 as the
// improvement methods leave them.
void SetUpCovering(CCalcTestProject& project, const CBandArray& refFloor, double dImprovement)
{
    const CBandArray bare = FloorImpactLevel();
    const CBandArray covered = Offset(bare, -dImprovement);
    project.SetSummaryLevel(kTableWithoutCovering, bare);
    project.SetSummaryLevel(kTableWithCovering, covered);
    project.m_Calc.m_aSpec[0] = SpectrumOf(bare);
    project.m_Calc.m_aSpec[18] = SpectrumOf(covered);
    project.m_Calc.m_aSpec[19] = SpectrumOf(Offset(refFloor, -dImprovement));
}

}  // namespace

TEST(CalcImprovement, RatesTheCoveringOnTheHeavyweightFloor)
{
    struct Row {
        const char* sName;
        double dImprovement;
        bool bExact;
        double dRatingBare;
        double dRatingCovered;
        double dRatingRefCovered;
        double dRating;
        double dCIDelta;
    };
    const Row cases[] = {
        {"no improvement", 0.0, false, 60.0, 60.0, 78.0, 0.0, 0.0},
        {"20 dB in every band", 20.0, false, 60.0, 40.0, 58.0, 20.0, 0.0},
        {"12.3 dB, exact", 12.3, true, 59.1, 46.8, 65.3, 12.7, -1.0},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalcTestProject project;
        project.m_Settings.m_bExactRating = row.bExact;
        SetUpCovering(project, RefFloorHeavy(), row.dImprovement);
        CCalc& calc = project.m_Calc;
        const NSpectrum result = calc.m_aSpec[0];
        EXPECT_EQ(kCalcDone, calc.RateImpactReductionHeavy());
        EXPECT_EQ(row.dRatingBare, calc.m_dRatingBare);
        EXPECT_EQ(row.dRatingCovered, calc.m_dRatingCovered);
        EXPECT_EQ(row.dRatingRefCovered, calc.m_dRatingRefCovered);
        EXPECT_NEAR(row.dRating, calc.m_dRating, 1e-9);
        EXPECT_TRUE(result == calc.m_aSpec[0]);
        EXPECT_EQ(kCalcDone, calc.CalcCIDeltaHeavy());
        EXPECT_EQ(row.dCIDelta, calc.m_dCIDelta);
    }
}

TEST(CalcImprovement, LightweightFloorComesFromTheDescriptor)
{
    struct Row {
        const char* sText;
        int nStatus;
        double dRating;      // improvement of a covering with 0 dB
        double dCIDelta;
    };
    const Row cases[] = {
        {"1", kCalcDone, 0.0, 0.0},
        {"2", kCalcDone, 0.0, 0.0},
        {"3", kCalcDone, 0.0, 0.0},
        {"3 (timber joists)", kCalcDone, 0.0, 0.0},
        {"", kCalcAreaMissing, kMissingValue, kMissingValue},
        {"0", kCalcAreaMissing, kMissingValue, kMissingValue},
        {"4", kCalcAreaMissing, kMissingValue, kMissingValue},
        {"-3", kCalcAreaMissing, kMissingValue, kMissingValue},
        {"floor 3", kCalcAreaMissing, kMissingValue, kMissingValue},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sText);
        CCalcTestProject project;
        project.m_ReportInfo.m_sPageText5 = row.sText;
        const int nFloor = std::atoi(row.sText);
        SetUpCovering(project, RefFloorLight(nFloor), 0.0);
        project.m_Calc.m_dCI = 5.0;
        CCalc& calc = project.m_Calc;
        EXPECT_EQ(row.nStatus, calc.RateImpactReductionLight());
        EXPECT_EQ(row.dRating, calc.m_dRating);
        EXPECT_EQ(row.nStatus, calc.CalcCIDeltaLight());
        EXPECT_EQ(row.dCIDelta, calc.m_dCIDelta);
        if (row.nStatus != kCalcDone) {
            EXPECT_EQ(kMissingValue, calc.m_dCI);   // the whole object was reset
            continue;
        }
        EXPECT_EQ(nFloor == 3 ? 75.0 : 72.0, calc.m_dRatingRefCovered);
        EXPECT_EQ(nFloor == 3 ? -3.0 : 0.0, calc.m_dCIAux);
    }
}

TEST(CalcImprovement, FailedRatingKeepsWhatWasRated)
{
    CCalcTestProject project;
    SetUpCovering(project, RefFloorHeavy(), 10.0);
    CCalc& calc = project.m_Calc;
    calc.m_aSpec[19].InsertData(27, kMissingValue);
    const NSpectrum result = calc.m_aSpec[0];
    EXPECT_EQ(kCalcBandMissing, calc.RateImpactReductionHeavy());
    EXPECT_EQ(60.0, calc.m_dRatingBare);
    EXPECT_EQ(50.0, calc.m_dRatingCovered);
    EXPECT_EQ(kMissingValue, calc.m_dRatingRefCovered);
    EXPECT_EQ(kMissingValue, calc.m_dRating);
    EXPECT_TRUE(result == calc.m_aSpec[0]);
    EXPECT_EQ(kCalcBandMissing, calc.CalcCIDeltaHeavy());
    EXPECT_EQ(kMissingValue, calc.m_dCIAux);
}

TEST(CalcImprovement, CIDeltaNeedsTheCoveredRating)
{
    CCalc calc;
    calc.m_aSpec[19] = SpectrumOf(RefFloorHeavy());
    calc.m_dCIDelta = 7.0;
    EXPECT_EQ(kCalcDone, calc.CalcCIDeltaHeavy());
    EXPECT_EQ(kMissingValue, calc.m_dCIAux);
    EXPECT_EQ(kMissingValue, calc.m_dCIDelta);
}
