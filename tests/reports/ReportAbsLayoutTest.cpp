// The absorption report page's layout: the two-room block for the 2003
// method and the practical coefficients, the single block otherwise, the
// band rows of each mode, and which conditions are typed as numbers and
// recalculate the project when left.

#include "reports/ReportAbsLayout.h"

#include <gtest/gtest.h>

namespace {

CReportInfo Absorption(bool bAlphaS, bool bAlphaPW, int nYear)
{
    CReportInfo info(false);
    info.m_bAbsorption = true;
    info.m_bAlpha_S = bAlphaS;
    info.m_bAlpha_PW = bAlphaPW;
    info.m_nYear = nYear;
    return info;
}

bool Has(const std::vector<CFieldPos>& aFields, const CFieldPos& pos)
{
    for (const CFieldPos& field : aFields) {
        if (field.nRow == pos.nRow && field.nCol == pos.nCol)
            return true;
    }
    return false;
}

TEST(ReportAbsLayout, ChoosesTheConditionBlockByMethodAndYear)
{
    const struct {
        bool bAlphaS, bAlphaPW;
        int nYear;
        bool bTwoRooms;
        int nAreaRow, nVolumeRow, nConditionRows, nTyped;
    } aCases[] = {
        {true, false, 2003, true, 20, 21, 8, 6},
        {true, false, 1985, false, 21, 22, 4, 3},
        {true, false, -999, false, 21, 22, 4, 3},
        {false, true, 1985, true, 20, 21, 8, 6},
        {true, true, 2010, true, 20, 21, 8, 6},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(testing::Message() << "alpha_s " << c.bAlphaS << ", alpha_p " << c.bAlphaPW << ", year " << c.nYear);
        const CReportAbsLayout layout(Absorption(c.bAlphaS, c.bAlphaPW, c.nYear));
        EXPECT_EQ(c.bTwoRooms, layout.m_bTwoRooms);
        EXPECT_EQ(c.nAreaRow, layout.m_area.value.nRow);
        EXPECT_EQ(c.nVolumeRow, layout.m_volume.value.nRow);
        EXPECT_EQ(c.nConditionRows, static_cast<int>(layout.ConditionRows().size()));
        EXPECT_EQ(c.nTyped, static_cast<int>(layout.TypedNumbers().size()));
    }
}

TEST(ReportAbsLayout, ShowsOctaveOrOneThirdOctaveBands)
{
    const struct {
        bool bAlphaS;
        size_t nRows;
        int nLastRow, nNoteRow, nFirstBand, nLastBand, nGraphRow;
    } aCases[] = {
        {false, 6, 32, 33, 21, 36, 32},
        {true, 18, 44, 45, 20, 37, 29},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.bAlphaS ? "one-third octave" : "octave");
        const CReportAbsLayout layout(Absorption(c.bAlphaS, !c.bAlphaS, 2003));
        const std::vector<CBandRow> aRows = layout.BandRows();
        ASSERT_EQ(c.nRows, aRows.size());
        EXPECT_EQ(27, aRows.front().nRow);
        EXPECT_EQ(c.nLastRow, aRows.back().nRow);
        EXPECT_EQ(c.nFirstBand, aRows.front().nBand);
        EXPECT_EQ(c.nLastBand, aRows.back().nBand);
        EXPECT_EQ(c.nNoteRow, layout.m_nNoteRow);
        EXPECT_EQ(c.nGraphRow, layout.m_graph.nRow);
    }
}

// The humidity takes any text; the climate the calculation uses is typed
// as a number and recalculates, with two decimals only for the area.
TEST(ReportAbsLayout, TypesAndRecalculatesTheConditionsTheCalculationUses)
{
    const CReportAbsLayout single(Absorption(true, false, 1985));
    const CReportAbsLayout twoRooms(Absorption(true, false, 2003));
    const struct {
        const char* lpszName;
        const CReportAbsLayout& layout;
        CFieldPos pos;
        int nDecimals;  // 0: not typed as a number
        bool bRecalculates;
    } aCases[] = {
        {"single humidity", single, single.m_humidity.value, 0, false},
        {"single temperature", single, single.m_temperature.value, 1, true},
        {"single area", single, single.m_area.value, 2, true},
        {"single volume", single, single.m_volume.value, 1, true},
        {"first humidity", twoRooms, twoRooms.m_humidity.value, 0, true},
        {"second humidity", twoRooms, twoRooms.m_humidity2.value, 0, true},
        {"second temperature", twoRooms, twoRooms.m_temperature2.value, 1, true},
        {"first pressure", twoRooms, twoRooms.m_pressure.value, 1, true},
        {"second pressure", twoRooms, twoRooms.m_pressure2.value, 1, true},
        {"two-room area", twoRooms, twoRooms.m_area.value, 2, true},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszName);
        int nDecimals = 0;
        for (const CNumberField& field : c.layout.TypedNumbers()) {
            if (field.pos.nRow == c.pos.nRow && field.pos.nCol == c.pos.nCol)
                nDecimals = field.nDecimals;
        }
        EXPECT_EQ(c.nDecimals, nDecimals);
        EXPECT_EQ(c.bRecalculates, Has(c.layout.RecalculatingNumbers(), c.pos));
        EXPECT_TRUE(Has(c.layout.EditableValues(), c.pos));
    }
}

} // namespace
