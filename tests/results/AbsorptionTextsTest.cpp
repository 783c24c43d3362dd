// The absorption page's texts: the weighted coefficient and the band rows.

#include "results/AbsorptionTexts.h"

#include <gtest/gtest.h>

namespace {

CString CellAt(const std::vector<CCellText>& row, int nCol)
{
    for (const CCellText& cell : row) {
        if (cell.nCol == nCol)
            return cell.sText;
    }
    return "(none)";
}

TEST(AbsorptionTexts, WritesTheWeightedCoefficient)
{
    const struct {
        double dRating;
        const char* lpszLabel;
        char cDecimal;
        const char* lpszLine;
    } aCases[] = {
        {0.19999999999999984, "(M)", '.', "<:F,Symbol,13,500>  a<:F,Arial,13,500><:S,-1>w <:S,0>= 0.20 (M)"},
        {0.85, "", ',', "<:F,Symbol,13,500>  a<:F,Arial,13,500><:S,-1>w <:S,0>= 0,85 "},
        {-999.0, "", '.', "<:F,Symbol,13,500>  a<:F,Arial,13,500><:S,-1>w <:S,0>=   "},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dRating);
        CCalc calc;
        calc.m_dRating = c.dRating;
        calc.m_sLabel = c.lpszLabel;
        EXPECT_STREQ(c.lpszLine, CAbsorptionTexts::WeightedLine(calc, c.cDecimal));
    }
}

TEST(AbsorptionTexts, PlacesTheCoefficientsByLayout)
{
    CCalc calc;
    calc.m_dRating = 0.6;
    for (int nBand : {20, 21}) {
        calc.m_aSpec[0].InsertSpecLine(nBand, 0.456, 1, 1);
        calc.m_aSpec[9].InsertSpecLine(nBand, 0.5, 1, 1);
        calc.m_aSpec[8].InsertSpecLine(nBand, 12.34, 1, 1);
    }
    NSpectrum t1, t2;
    t1.InsertSpecLine(21, 3.456, 1, 1);

    const CAbsorptionTexts plain(false, 17, '.');
    const auto octave = plain.BandRow(calc, t1, t2, 21);  // 125 Hz
    EXPECT_STREQ("0.50", CellAt(octave, 9));
    EXPECT_STREQ("0.46", CellAt(octave, 15));
    EXPECT_STREQ("12.3", CellAt(octave, 21));
    EXPECT_STREQ("", CellAt(octave, 27));
    EXPECT_STREQ("3.46", CellAt(octave, 33));
    EXPECT_STREQ("", CellAt(plain.BandRow(calc, t1, t2, 20), 9));  // 100 Hz: no practical value

    const CAbsorptionTexts alphaSOnly(true, 17, '.');
    const auto row = alphaSOnly.BandRow(calc, t1, t2, 21);
    EXPECT_STREQ("0.46", CellAt(row, 9));
    EXPECT_STREQ("3.46", CellAt(row, 27));
    EXPECT_STREQ("(none)", CellAt(row, 33));

    calc.m_dRating = -999.0;
    EXPECT_STREQ("", CellAt(plain.BandRow(calc, t1, t2, 21), 15));
}

} // namespace
