// Band rows of a result table: the receiving level with and without the
// background correction and its note, the "D" layout, missing values and
// the value column of a result without rating.

#include "results/ResultBandTexts.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBand = 22;  // 160 Hz

CString CellAt(const std::vector<CCellText>& row, int nCol)
{
    for (const CCellText& cell : row) {
        if (cell.nCol == nCol)
            return cell.sText;
    }
    return "(none)";
}

struct CBandCase {
    CReportInfo info{false};
    CCalc calc;
    CResultSources sources;

    CBandCase()
    {
        info.m_bField = info.m_bAirborne = info.m_bISO = true;
        calc.m_dRating = 52.0;
        calc.m_aSpec[0].InsertSpecLine(kBand, 48.2, 1, 1);
        sources.l2.InsertSpecLine(kBand, 45.3, 1, 1);
        sources.sTooHigh = "too high";
    }
    void Background(double dCorrection, BYTE nStatus)
    {
        calc.m_aSpec[4].InsertSpecLine(kBand, dCorrection, 1, nStatus);
        sources.bBgnCorrection = true;
    }
    std::vector<CCellText> Row()
    {
        sources.pCalc = &calc;
        const CResultLayout layout(info, 0);
        return CResultBandTexts(info, layout, sources).Row(kBand);
    }
};

TEST(ResultBandTexts, CorrectsTheReceivingLevelForBackgroundNoise)
{
    const struct {
        bool bCorrection;
        BYTE nStatus;
        const char* lpszLevel;
        const char* lpszNote;
    } aCases[] = {
        {false, 16, "45.3", ""},
        {true, 16, "44.1", "Correction for Background noise"},
        {true, 2, "44.1", "too high"},
        {true, 1, "44.1", ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.nStatus);
        CBandCase band;
        if (c.bCorrection)
            band.Background(-1.2, c.nStatus);
        const auto row = band.Row();
        const CResultLayout layout(band.info, 0);
        EXPECT_STREQ(c.lpszLevel, CellAt(row, layout.m_nL2Col));
        EXPECT_STREQ(c.lpszNote, CellAt(row, layout.m_nNoteCol));
        EXPECT_STREQ("160", CellAt(row, 2));
        EXPECT_STREQ("48.2", CellAt(row, 9));
    }
}

TEST(ResultBandTexts, EmptiesTheDifferenceWithoutACorrection)
{
    CBandCase band;
    band.info.m_bBS = band.info.m_bStandard = true;
    const CResultLayout layout(band.info, 0);
    ASSERT_TRUE(layout.m_bImpactLayout);
    EXPECT_STREQ("", CellAt(band.Row(), layout.m_nL2Col));

    band.calc.m_aSpec[2].InsertSpecLine(kBand, 3.0, 1, 1);
    EXPECT_STREQ("45.2", CellAt(band.Row(), layout.m_nL2Col));
}

TEST(ResultBandTexts, LeavesMissingValuesEmpty)
{
    CBandCase band;
    band.calc.m_dRating = -999.0;
    band.sources.l2 = NSpectrum();
    const auto row = band.Row();
    const CResultLayout layout(band.info, 0);
    EXPECT_STREQ("", CellAt(row, 9));
    EXPECT_STREQ("", CellAt(row, layout.m_nL2Col));
    EXPECT_STREQ("", CellAt(row, layout.m_nL1Col));
    EXPECT_STREQ("", CellAt(row, layout.m_nTCol));
}

TEST(ResultBandTexts, WritesWithThePagesSeparator)
{
    CBandCase band;
    band.sources.cDecimal = ',';
    band.Background(-1.2, 16);
    const auto row = band.Row();
    const CResultLayout layout(band.info, 0);
    EXPECT_STREQ("48,2", CellAt(row, 9));
    EXPECT_STREQ("44,1", CellAt(row, layout.m_nL2Col));
}

TEST(ResultBandTexts, PlacesTheColumnGroupsByLayout)
{
    const struct {
        bool bImpact;
        bool bBB93;
        int nL1;
        int nL2;
        int nNote;
    } aCases[] = {
        {false, false, 15, 21, 45},
        {false, true, 17, 23, 47},
        {true, false, -1, 15, 39},
        {true, true, -1, 17, 41},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.nL2);
        CReportInfo info(false);
        info.m_bImpact = c.bImpact;
        info.m_bAirborne = !c.bImpact;
        info.m_bBB93 = c.bBB93;
        const CResultLayout layout(info, 0);
        EXPECT_EQ(c.nL1, layout.m_nL1Col);
        EXPECT_EQ(c.nL2, layout.m_nL2Col);
        EXPECT_EQ(c.nNote, layout.m_nNoteCol);
    }
}

} // namespace
