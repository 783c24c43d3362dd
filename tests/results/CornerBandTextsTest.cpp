// The corner page's band rows: numbered background marks, their footnotes
// and the corrected corner level.

#include "results/CornerBandTexts.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBand = 20;

CString CellAt(const std::vector<CCellText>& row, int nCol)
{
    for (const CCellText& cell : row) {
        if (cell.nCol == nCol)
            return cell.sText;
    }
    return "(none)";
}

TEST(CornerBandTexts, NumbersTheBackgroundMarks)
{
    const struct {
        bool bCorrection;
        BYTE nCentre;
        BYTE nCorner;
        const char* lpszMarks;
    } aCases[] = {
        {true, 2, 16, "1  4<:S,1>"}, {true, 16, 2, "3  2<:S,1>"}, {true, 16, 1, "3<:S,1>"},
        {true, 1, 2, "2<:S,1>"},     {true, 1, 1, ""},            {false, 2, 16, ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszMarks);
        CCalc calc;
        calc.m_dRating = 50.0;
        calc.m_aSpec[4].InsertSpecLine(kBand, -1.0, 1, c.nCentre);
        calc.m_aSpec[6].InsertSpecLine(kBand, -2.0, 1, c.nCorner);
        calc.m_aSpec[13].InsertSpecLine(kBand, 40.0, 1, 1);
        CResultSources sources;
        sources.pCalc = &calc;
        sources.bBgnCorrection = c.bCorrection;
        const CReportInfo info(false);
        const CCornerBandTexts texts(info, 17, sources);
        const auto row = texts.Row(kBand, nullptr);
        EXPECT_STREQ(c.lpszMarks, CellAt(row, CCornerBandTexts::kMarkCol));
        EXPECT_STREQ(c.bCorrection ? "38.0" : "40.0", CellAt(row, CCornerBandTexts::kL2CornerCol));
    }
}

TEST(CornerBandTexts, WritesTheFootnotes)
{
    EXPECT_STREQ("<:F,Arial,8,400> 1<:S,1>: <:F,Arial,13,500>too high", CCornerBandTexts::FootnoteLine(0, "too high"));
    EXPECT_STREQ("<:F,Arial,8,400> 2<:S,1>: <:F,Arial,13,500>too high-Corner",
                 CCornerBandTexts::FootnoteLine(1, "too high"));
    EXPECT_STREQ("<:F,Arial,8,400> 3<:S,1>: <:F,Arial,13,500>Correction for Background noise",
                 CCornerBandTexts::FootnoteLine(2, "too high"));
    EXPECT_STREQ("<:F,Arial,8,400> 4<:S,1>: <:F,Arial,13,500>Correction for Background noise-Corner",
                 CCornerBandTexts::FootnoteLine(3, "too high"));
}

} // namespace
