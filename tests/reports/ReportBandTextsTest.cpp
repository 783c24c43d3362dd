// The band table of a report page: values only with a rating, the marks
// of bands at their correction limit, their footnote indexes and lines.

#include "reports/ReportBandTexts.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBand = 20;       // 100 Hz
constexpr int kRow = kBand + 5;  // its row on the base page

class CBandTable {
public:
    CBandTable() : m_info(false), m_fields(m_info)
    {
        m_calc.m_dRating = 52.0;
        m_calc.m_aSpec[0].InsertSpecLine(kBand, 41.26, 1, 1);
        m_sources.pCalc = &m_calc;
        m_sources.bShowBgnCorrection = true;
        m_sources.sTooHigh = "Background too high";
        m_sources.sCorner = "Corner";
    }
    void SetStatus(int nSpectrum, BYTE nStatus) { m_calc.m_aSpec[nSpectrum].InsertSpecLine(kBand, -1.0, 1, nStatus); }
    CString At(int nCol, int nRow)
    {
        for (const CCellText& text : CReportBandTexts(m_info, m_fields, m_sources).Texts()) {
            if (text.nCol == nCol && text.nRow == nRow)
                return text.sText;
        }
        return "(none)";
    }

    CReportInfo m_info;
    CReportFields m_fields;
    CCalc m_calc;
    CReportBandSources m_sources;
};

TEST(ReportBandTexts, ShowsBandValuesOnlyWithARating)
{
    const struct {
        double dRating;
        bool bAstm, bTenth;
        char cDecimal;
        const char* lpszValue;
    } aCases[] = {
        {52.0, false, false, '.', "41.3"}, {52.0, false, false, ',', "41,3"}, {52.0, true, false, '.', "41"},
        {52.0, true, true, '.', "41.3"},   {-999.0, false, false, '.', ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszValue);
        CBandTable table;
        table.m_calc.m_dRating = c.dRating;
        table.m_info.m_bASTM = c.bAstm;
        table.m_sources.bTenth = c.bTenth;
        table.m_sources.cDecimal = c.cDecimal;
        EXPECT_EQ(CString(c.lpszValue), table.At(10, kRow));
        EXPECT_EQ(CString("100"), table.At(2, kRow));
        EXPECT_EQ(CString(""), table.At(10, kRow + 1));
    }
}

TEST(ReportBandTexts, MarksBandsAtTheirCorrectionLimit)
{
    const struct {
        const char* lpszCase;
        bool bImpact, bImpactAirborne, bCorner, bShowBgn, bIndex;
        BYTE nBackground, nCorner, nAirborne;
        const char* lpszMark;
        const char* lpszIndex;
        const char* lpszLine1;
        const char* lpszLine2;
    } aCases[] = {
        {"airborne, index", false, false, false, true, true, 2, 0, 0, "     \xB3", "1<:S,1>",
         "<:F,Arial,8,400> 1<:S,1>: <:F,Arial,13,500>Background too high", ""},
        {"airborne, no index", false, false, false, true, false, 2, 0, 0, "     \xB3", "",
         "<:F,Arial,13,500>Background too high", ""},
        {"impact", true, false, false, true, true, 2, 0, 0, "     \xA3", "1<:S,1>",
         "<:F,Arial,8,400> 1<:S,1>: <:F,Arial,13,500>Background too high", ""},
        {"display off", false, false, false, false, true, 2, 0, 0, "", "", "", ""},
        {"corrected, not at limit", false, false, false, true, true, 16, 0, 0, "", "", "", ""},
        {"corner and background", false, false, true, true, true, 2, 2, 0, "     \xB3", "1 2<:S,1>",
         "<:F,Arial,8,400> 1<:S,1>: <:F,Arial,13,500>Background too high",
         "<:F,Arial,8,400> 2<:S,1>: <:F,Arial,13,500>Corner-Background too high"},
        {"corner only, no index", false, false, true, true, false, 0, 2, 0, "     \xB3", "", "",
         "<:F,Arial,13,500>Corner-Background too high"},
        {"corner of a plain project", false, false, false, true, true, 0, 2, 0, "", "", "", ""},
        {"impact-airborne, display on", false, true, false, true, true, 2, 0, 0, "     < ", "1<:S,1>",
         "<:F,Arial,8,400> 1<:S,1>: <:F,Arial,13,500>Background too high", ""},
        {"impact-airborne, display off", false, true, false, false, true, 0, 0, 2, "     < ", "1<:S,1>",
         "<:F,Arial,8,400> 1<:S,1>: <:F,Arial,13,500>Background too high", ""},
        {"impact-airborne, off, background only", false, true, false, false, true, 2, 0, 0, "", "", "", ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        CBandTable table;
        table.m_info.m_bImpact = c.bImpact;
        table.m_info.m_bImpactAirborne = c.bImpactAirborne;
        table.m_info.m_bCorner = c.bCorner;
        table.m_sources.bShowBgnCorrection = c.bShowBgn;
        table.m_sources.bShowFootnoteIndex = c.bIndex;
        table.SetStatus(4, c.nBackground);
        table.SetStatus(6, c.nCorner);
        table.SetStatus(7, c.nAirborne);
        EXPECT_EQ(CString(c.lpszMark), table.At(9, kRow));
        EXPECT_EQ(CString(c.lpszIndex), table.At(15, kRow));
        EXPECT_EQ(CString(c.lpszLine1), table.At(2, 44));
        EXPECT_EQ(CString(c.lpszLine2), table.At(2, 45));
    }
}

TEST(ReportBandTexts, MarksNoBandWithoutAValue)
{
    CBandTable table;
    table.m_calc.m_dRating = -999.0;
    table.SetStatus(4, 2);
    EXPECT_EQ(CString(""), table.At(9, kRow));
    EXPECT_EQ(CString(""), table.At(2, 44));
}

} // namespace
