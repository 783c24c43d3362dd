// Band rows of a laboratory result page: the lining's measured and
// octave-band columns, the floor covering's level column and its
// fallbacks, the corrected impact method's room levels, the notes of the
// impact-plus-airborne method and the status columns of an airborne page.

#include "results/LabBandTexts.h"

#include <gtest/gtest.h>

namespace {

using R = CReportInfo;
constexpr int kOctaveBand = 24;  // 250 Hz, the middle of its octave
constexpr int kOtherBand = 25;

CString CellAt(const std::vector<CCellText>& row, int nCol)
{
    for (const CCellText& cell : row) {
        if (cell.nCol == nCol)
            return cell.sText;
    }
    return "(none)";
}

struct CLabCase {
    CReportInfo info{false};
    CCalc calc;
    CLabSources sources;

    explicit CLabCase(const std::vector<bool CReportInfo::*>& aFlags)
    {
        info.m_bLab = true;
        for (bool CReportInfo::*pFlag : aFlags)
            info.*pFlag = true;
        calc.m_dRating = 20.0;
        sources.base.sTooHigh = "too high";
    }
    static void Put(NSpectrum& spec, int nBand, double dValue, BYTE nStatus = 1)
    {
        spec.InsertSpecLine(nBand, dValue, 1, nStatus);
    }
    std::vector<CCellText> Row(int nBand)
    {
        sources.base.pCalc = &calc;
        const CResultLayout layout(info, 0);
        return CLabBandTexts(info, layout, sources).Row(nBand);
    }
};

// The octave column holds values only in the middle band of each octave;
// the measured columns show whether or not the project is rated.
TEST(LabBandTexts, FillsTheLiningColumns)
{
    const struct {
        int nBand;
        double dRating;
        const char* lpszOctave;
        const char* lpszWith;
    } aCases[] = {
        {kOctaveBand, 20.0, "12.5", "45.1"},
        {kOtherBand, 20.0, "", "45.1"},
        {kOctaveBand, -999.0, "", "45.1"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.nBand);
        CLabCase lining({&R::m_bAirborne, &R::m_bImprovement});
        lining.calc.m_dRating = c.dRating;
        CLabCase::Put(lining.calc.m_aSpec[10], c.nBand, 12.5);
        CLabCase::Put(lining.sources.withCovering, c.nBand, 45.1);
        CLabCase::Put(lining.sources.withoutCovering, c.nBand, 38.0);
        const std::vector<CCellText> row = lining.Row(c.nBand);
        EXPECT_STREQ(c.lpszOctave, CellAt(row, 15));
        EXPECT_STREQ(c.lpszWith, CellAt(row, 21));
        EXPECT_STREQ("38.0", CellAt(row, 27));
        EXPECT_STREQ("", CellAt(row, 33));
    }
}

// The value column of the reduction pages: the level with the covering
// while rated, else the receiving level with its background correction,
// else the receiving level alone.
TEST(LabBandTexts, FallsBackToTheReceivingLevelInTheReductionValue)
{
    const struct {
        bool bLightweight;
        double dRating;
        bool bCorrection;
        bool bReceiving;
        const char* lpszValue;
        const char* lpszBare;
    } aCases[] = {
        {false, 20.0, true, true, "61.2", "70.4"},
        {false, -999.0, true, true, "54.0", ""},
        {false, -999.0, false, true, "55.5", ""},
        {false, -999.0, false, false, "", ""},
        {true, 20.0, true, true, "63.3", "70.4"},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = aCases[i];
        CLabCase page({&R::m_bImpact, c.bLightweight ? &R::m_bReductionLightweight : &R::m_bReduction});
        page.calc.m_dRating = c.dRating;
        CLabCase::Put(page.calc.m_aSpec[18], kOtherBand, 61.2);
        CLabCase::Put(page.sources.withCovering, kOtherBand, 63.3);
        CLabCase::Put(page.sources.withoutCovering, kOtherBand, 70.4);
        if (c.bCorrection)
            CLabCase::Put(page.calc.m_aSpec[4], kOtherBand, -1.5);
        if (c.bReceiving)
            CLabCase::Put(page.sources.base.l2, kOtherBand, 55.5);
        const std::vector<CCellText> row = page.Row(kOtherBand);
        EXPECT_STREQ(c.lpszValue, CellAt(row, 9));
        EXPECT_STREQ(c.lpszBare, CellAt(row, 15));
        EXPECT_STREQ("", CellAt(row, 33));
    }
}

TEST(LabBandTexts, ShowsTheRoomLevelsOfTheCorrectedImpactMethod)
{
    const struct {
        double dRating;
        BYTE nStatus;
        const char* lpszLevel;
        const char* lpszNote;
    } aCases[] = {
        {20.0, 2, "52.0", "too high"},
        {20.0, 16, "52.0", "(none)"},
        {-999.0, 2, "", "(none)"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.nStatus);
        CLabCase page({&R::m_bImpactCorrected});
        page.calc.m_dRating = c.dRating;
        CLabCase::Put(page.sources.base.l2, kOtherBand, 52.0);
        CLabCase::Put(page.sources.cornerSource, kOtherBand, 60.0);
        CLabCase::Put(page.calc.m_aSpec[4], kOtherBand, -0.5, c.nStatus);
        const std::vector<CCellText> row = page.Row(kOtherBand);
        EXPECT_STREQ(c.lpszLevel, CellAt(row, 15));
        EXPECT_STREQ(c.dRating > 0 ? "60.0" : "", CellAt(row, 33));
        EXPECT_STREQ(c.lpszNote, CellAt(row, 39));
    }
}

TEST(LabBandTexts, NotesTheCorrectionsOfTheImpactAirborneMethod)
{
    const struct {
        bool bBgn;
        BYTE nS4, nS6, nS7;
        bool bDin;
        const char* lpszNote;
    } aCases[] = {
        {true, 2, 1, 1, false, "too high"},
        {false, 2, 1, 1, false, ""},
        {true, 1, 2, 1, false, "too high"},
        {false, 1, 1, 2, false, "too high"},
        {true, 1, 16, 16, false, "Correction for Background noise"},
        {false, 16, 1, 16, true, "Airborne corr. acc. to DIN 4109-11"},
        {false, 1, 1, 16, false, "Airborne corr. acc. to ISO 10140-3"},
        {true, 1, 1, 1, false, ""},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = aCases[i];
        CLabCase page({&R::m_bImpactAirborne});
        page.sources.base.bBgnCorrection = c.bBgn;
        page.sources.bAirborneCorrectionDin = c.bDin;
        CLabCase::Put(page.calc.m_aSpec[4], kOtherBand, -0.5, c.nS4);
        CLabCase::Put(page.calc.m_aSpec[6], kOtherBand, -0.5, c.nS6);
        CLabCase::Put(page.calc.m_aSpec[7], kOtherBand, -0.5, c.nS7);
        EXPECT_STREQ(c.lpszNote, CellAt(page.Row(kOtherBand), 39));
    }
}

TEST(LabBandTexts, FillsTheStatusColumnsOfAnAirbornePage)
{
    const struct {
        bool bBgn;
        bool bBgnValue;
        BYTE nS4;
        bool bFlanking;
        BYTE nS5;
        const char* lpszBackground;
        const char* lpszFlanking;
    } aCases[] = {
        {true, true, 2, true, 2, "Too high", "Minimum values"},
        {true, true, 16, true, 16, "Correction", "Correction"},
        {true, true, 1, true, 1, "", ""},
        {true, false, 2, false, 2, "", ""},
        {false, true, 2, false, 16, "", ""},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = aCases[i];
        CLabCase page({&R::m_bAirborne});
        page.sources.base.bBgnCorrection = c.bBgn;
        page.sources.bFlankingCorrection = c.bFlanking;
        CLabCase::Put(page.calc.m_aSpec[4], kOtherBand, c.bBgnValue ? -0.5 : -999.0, c.nS4);
        CLabCase::Put(page.calc.m_aSpec[5], kOtherBand, 0.3, c.nS5);
        const std::vector<CCellText> row = page.Row(kOtherBand);
        EXPECT_STREQ(c.lpszBackground, CellAt(row, 39));
        EXPECT_STREQ(c.lpszFlanking, CellAt(row, 51));
    }
}

} // namespace
