// The laboratory report page's rules: which test conditions each kind
// shows in which row, and the band table with its marks, note indexes and
// footnote lines.

#include "reports/ReportLabBandTexts.h"
#include "reports/ReportLabConditions.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using R = CReportInfo;
using C = ELabCondition;
typedef std::vector<bool CReportInfo::*> CFlags;

CReportInfo LabInfo(const CFlags& aFlags)
{
    CReportInfo info(false);
    info.m_bLab = true;
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    return info;
}

TEST(ReportLabConditions, PutsTheConditionsOfEachKindInTheirRows)
{
    const int n = CReportLabConditions::kNotShown;
    const struct {
        const char* lpszKind;
        CFlags aFlags;
        // pressure, test opening, mass, temperature, humidity, source, receiving, curing, floor type
        std::array<int, CReportLabConditions::kCount> aRows;
    } aCases[] = {
        {"plain", {&R::m_bAirborne}, {15, 16, 17, 18, 19, 20, 21, n, n}},
        {"flanking", {&R::m_bAirborne, &R::m_bFlankingTransmission}, {16, n, 17, 18, 19, 20, 21, n, n}},
        {"impact", {&R::m_bImpact}, {15, n, 17, 19, 16, 20, 21, 18, n}},
        {"impact-airborne", {&R::m_bImpactAirborne}, {15, n, 17, 19, 16, 20, 21, 18, n}},
        {"floor covering", {&R::m_bImpact, &R::m_bReduction}, {15, n, 17, 19, 16, 20, 21, 18, n}},
        {"lining", {&R::m_bAirborne, &R::m_bImprovement}, {15, 18, 17, 19, 16, 20, 21, n, n}},
        {"lightweight", {&R::m_bImpact, &R::m_bReductionLightweight}, {15, n, 17, 19, 20, n, 21, 18, 16}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszKind);
        const CReportLabConditions conditions(LabInfo(c.aFlags));
        for (int k = 0; k < CReportLabConditions::kCount; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(c.aRows[k], conditions.RowOf(static_cast<C>(k)));
        }
    }
}

TEST(ReportLabConditions, LabelsEachConditionWithItsUnit)
{
    EXPECT_STREQ("kPa", CReportLabConditions::UnitOf(C::kPressure));
    EXPECT_STREQ("No.", CReportLabConditions::UnitOf(C::kReferenceFloor));
    EXPECT_STREQ("kg/m\xB2", CReportLabConditions::UnitOf(C::kMass));
    CString sLabel;
    sLabel.LoadString(CReportLabConditions::LabelOf(C::kCuringTime));
    EXPECT_EQ(CString("Curing time:"), sLabel);
}

// A lab page's fields: the table four rows lower than on the field page.
CReportFields LabFields(const CReportInfo& info)
{
    CReportFields fields(info);
    fields.MoveRowsDown(fields.m_graph.nRow - 1, 4);
    fields.m_note = {50, 2};
    return fields;
}

typedef std::map<std::pair<int, int>, CString> CCells;

CString At(const CCells& cells, int nCol, int nRow)
{
    const auto it = cells.find({nCol, nRow});
    return it != cells.end() ? it->second : CString("(none)");
}

constexpr int kBand = 21, kRow = 30;  // 125 Hz, an octave's middle band

class CReportLabBandTextsTest : public ::testing::Test {
protected:
    CReportLabBandTextsTest()
    {
        m_calc.m_dRating = 52.0;
        m_calc.m_aSpec[0].InsertSpecLine(kBand, 12.34, 1, 1);
        m_calc.m_aSpec[0].InsertSpecLine(kBand + 1, 13.0, 1, 1);
        m_calc.m_aSpec[10].InsertSpecLine(kBand, 11.0, 1, 1);
        m_calc.m_aSpec[10].InsertSpecLine(kBand + 1, 99.0, 1, 1);
        m_sources.pCalc = &m_calc;
        m_sources.sTooHigh = "Background";
        m_sources.withoutCovering.InsertSpecLine(kBand, 70.0, 1, 1);
        m_sources.withCovering.InsertSpecLine(kBand, 60.0, 1, 1);
    }
    // The texts of one fill, by (column, row).
    CCells Fill(const CReportInfo& info)
    {
        const CReportFields fields = LabFields(info);
        CCells cells;
        for (const CCellText& text : CReportLabBandTexts(info, fields, m_sources).Texts())
            cells[{text.nCol, text.nRow}] = text.sText;
        return cells;
    }
    void SetStatus(int nSpectrum, BYTE nStatus) { m_calc.m_aSpec[nSpectrum].InsertSpecLine(kBand, 1.0, 1, nStatus); }

    CCalc m_calc;
    CReportLabSources m_sources;
};

TEST_F(CReportLabBandTextsTest, WritesTheColumnsOfEachVariant)
{
    const struct {
        const char* lpszKind;
        CFlags aFlags;
        std::vector<std::pair<int, const char*>> aCells;  // column, text in the band's row
    } aCases[] = {
        {"plain", {&R::m_bAirborne}, {{2, "125"}, {10, "12.3"}, {9, ""}, {15, ""}}},
        {"floor covering", {&R::m_bImpact, &R::m_bReduction}, {{2, "125"}, {10, "70.0"}, {16, "12.3"}, {21, ""}}},
        {"lining", {&R::m_bAirborne, &R::m_bImprovement}, {{10, "12.3"}, {16, "11.0"}, {21, ""}}},
        {"lightweight", {&R::m_bImpact, &R::m_bReductionLightweight},
         {{2, "125"}, {8, "70.0"}, {14, "60.0"}, {19, "12.3"}, {23, ""}}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszKind);
        auto cells = Fill(LabInfo(c.aFlags));
        for (const auto& cell : c.aCells) {
            SCOPED_TRACE(cell.first);
            EXPECT_EQ(CString(cell.second), At(cells, cell.first, kRow));
        }
    }
}

TEST_F(CReportLabBandTextsTest, ShowsTheOctaveImprovementOnlyInOctaveRows)
{
    auto cells = Fill(LabInfo({&R::m_bAirborne, &R::m_bImprovement}));
    EXPECT_EQ(CString("13.0"), At(cells, 10, kRow + 1));
    EXPECT_EQ(CString(""), At(cells, 16, kRow + 1));
}

TEST_F(CReportLabBandTextsTest, NoRatingEmptiesEveryValueColumn)
{
    m_calc.m_dRating = -999.0;
    auto cells = Fill(LabInfo({&R::m_bImpact, &R::m_bReductionLightweight}));
    for (int nCol : {8, 14, 19})
        EXPECT_EQ(CString(""), At(cells, nCol, kRow)) << nCol;
    EXPECT_EQ(CString("125"), At(cells, 2, kRow));
}

TEST_F(CReportLabBandTextsTest, MarksAndNotesBandsAtTheLimitOfACorrection)
{
    const CString kIndexed1 = "<:F,Arial,8,400> 1<:S,1>: <:F,Arial,13,500>";
    const CString kIndexed2 = "<:F,Arial,8,400> 2<:S,1>: <:F,Arial,13,500>";
    const CString kPlainLine = "<:F,Arial,13,500>";
    const struct {
        const char* lpszCase;
        CFlags aFlags;
        bool bShowBgn, bIndex, bFlanking, bZezur;
        std::vector<std::pair<int, BYTE>> aStatus;  // spectrum, status of the band
        int nNoteCol;
        const char* lpszMark;
        const char* lpszIndex;
        CString aLines[3];
    } aCases[] = {
        {"background, indexed", {&R::m_bAirborne}, true, true, false, false, {{4, 2}}, 15, "     \xB3", "1<:S,1>",
         {kIndexed1 + "Background", "", ""}},
        {"background, no index", {&R::m_bImpact}, true, false, false, false, {{4, 2}}, 15, "     < ", "",
         {kPlainLine + "Background", "", ""}},
        {"flanking with the display off", {&R::m_bAirborne}, false, true, true, false, {{5, 2}}, 15, "     \xB3",
         "1<:S,1>", {kIndexed1 + "Minimum values", "", ""}},
        {"flanking not active", {&R::m_bAirborne}, false, true, false, false, {{5, 2}}, 15, "", "", {"", "", ""}},
        {"background and flanking", {&R::m_bAirborne}, true, true, true, false, {{4, 2}, {5, 2}}, 15, "     \xB3",
         "1 2<:S,1>", {kIndexed1 + "Background", kIndexed2 + "Minimum values", ""}},
        {"corrected impact method", {&R::m_bImpactCorrected}, false, false, false, false, {{4, 2}}, 15, "",
         "1<:S,1>", {kIndexed1 + "Background", "", ""}},
        {"airborne correction, ISO", {&R::m_bImpactAirborne}, false, false, false, false, {{7, 16}}, 15, "", "",
         {kPlainLine + "Airborne corr. acc. to ISO 10140-3", "", ""}},
        {"airborne correction, DIN", {&R::m_bImpactAirborne}, false, true, false, true, {{7, 16}}, 15, "", "1<:S,1>",
         {kIndexed1 + "Airborne corr. acc. to DIN 4109-11", "", "Airb. corr. DIN 4109 activated"}},
        {"airborne correction at its limit", {&R::m_bImpactAirborne}, false, true, false, false, {{7, 2}}, 15,
         "     < ", "2<:S,1>", {"", kIndexed2 + "Background", ""}},
        {"floor covering, flanking, display off", {&R::m_bImpact, &R::m_bReduction}, false, false, true, false,
         {{5, 2}}, 21, nullptr, "1<:S,1>", {kIndexed1 + "Minimum values", "", ""}},
        {"lining, background and flanking", {&R::m_bAirborne, &R::m_bImprovement}, true, false, true, false,
         {{4, 2}, {5, 2}}, 21, nullptr, "1  2<:S,1>", {kIndexed1 + "Background", kIndexed2 + "Minimum values", ""}},
        {"lightweight, flanking", {&R::m_bImpact, &R::m_bReductionLightweight}, true, false, true, false, {{5, 2}},
         23, nullptr, "2<:S,1>", {"", kIndexed2 + "Minimum values", ""}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        m_calc = CCalc();
        m_calc.m_dRating = 52.0;
        m_calc.m_aSpec[0].InsertSpecLine(kBand, 12.34, 1, 1);
        for (const auto& status : c.aStatus)
            SetStatus(status.first, status.second);
        m_sources.bShowBgnCorrection = c.bShowBgn;
        m_sources.bShowFootnoteIndex = c.bIndex;
        m_sources.bFlankingActive = c.bFlanking;
        m_sources.bCorrectionZezur = c.bZezur;
        auto cells = Fill(LabInfo(c.aFlags));
        if (c.lpszMark != nullptr)
            EXPECT_EQ(CString(c.lpszMark), At(cells, 9, kRow));
        EXPECT_EQ(CString(c.lpszIndex), At(cells, c.nNoteCol, kRow));
        const int aLineRows[3] = {48, 49, 50};
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(c.aLines[k], At(cells, 2, aLineRows[k])) << "line " << k + 1;
    }
}

TEST(ReportFieldsMove, MovesTheFieldsBelowARowAndKeepsTheBandsOfTheTable)
{
    CReportFields fields{CReportInfo(false)};
    const int nBandOfFirstRow = fields.BandOfRow(fields.m_nFirstBandRow);
    fields.MoveRowsDown(11, 4);
    EXPECT_EQ(4, fields.m_client.value.nRow);
    EXPECT_EQ(5, fields.m_descriptionLabel.nRow);
    EXPECT_EQ(16, fields.m_graph.nRow);
    EXPECT_EQ(21, fields.m_receivingVolume.value.nRow);
    EXPECT_EQ(26, fields.m_nFirstBandRow);
    EXPECT_EQ(46, fields.m_nLastBandRow);
    EXPECT_EQ(nBandOfFirstRow, fields.BandOfRow(26));
    EXPECT_EQ(53, fields.m_singleNumber.nRow);
    EXPECT_EQ(54, fields.m_adaptation[5].nRow);
    EXPECT_EQ(60, fields.m_signature.value.nRow);
}

} // namespace
