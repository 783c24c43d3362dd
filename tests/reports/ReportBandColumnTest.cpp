// A report page's one-value band table: frequencies in every row, values
// with the page's decimals and separator, none without a single number.

#include "reports/ReportBandColumn.h"

#include "NSpectrum.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportBandColumn, WritesEachBandWithThePagesDecimals)
{
    NSpectrum values;
    values.InsertSpecLine(17, 0.0022, 1, 1);
    values.InsertSpecLine(18, 0.5, 1, 1);
    const struct {
        const char* lpszCase;
        int nDecimals;
        char cDecimal;
        double dRating;
        const char* aValues[3];  // bands 17, 18, 19 (missing)
    } aCases[] = {
        {"four decimals", 4, '.', 1.0, {"0.0022", "0.5000", ""}},
        {"two decimals, comma", 2, ',', 1.0, {"0,00", "0,50", ""}},
        {"no rating", 4, '.', -999.0, {"", "", ""}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        const CReportBandColumn column(2, 9, c.nDecimals, c.cDecimal);
        const std::vector<CCellText> texts =
            column.Texts(CReportBandColumn::ThirdOctaveRows(27, 29, 17), values, c.dRating);
        ASSERT_EQ(6u, texts.size());
        const char* const aFrequencies[] = {"50", "63", "80"};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(2, texts[2 * k].nCol);
            EXPECT_EQ(27 + k, texts[2 * k].nRow);
            EXPECT_STREQ(aFrequencies[k], texts[2 * k].sText);
            EXPECT_EQ(9, texts[2 * k + 1].nCol);
            EXPECT_STREQ(c.aValues[k], texts[2 * k + 1].sText);
        }
    }
}

TEST(ReportBandColumn, TakesEveryThirdBandForOctaves)
{
    const std::vector<CBandRow> aRows = CReportBandColumn::OctaveRows(27, 6, 21);
    ASSERT_EQ(6u, aRows.size());
    const int aBands[] = {21, 24, 27, 30, 33, 36};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(27 + k, aRows[k].nRow);
        EXPECT_EQ(aBands[k], aRows[k].nBand);
    }
}

} // namespace
