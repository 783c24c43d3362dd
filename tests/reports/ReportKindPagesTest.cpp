// The report pages of the absorption and loss-factor projects in their
// report window: the page each kind opens with its graph, the texts of
// each mode at their cells, the keys their conditions take, what leaving
// a field recalculates, and every field stored back into the project.

#include "ReportWindowFixture.h"

#include "reports/ReportAbsGrid.h"
#include "reports/ReportDINReverbGrid.h"
#include "reports/ReportLossGrid.h"

namespace {

class CReportKindPageTest : public CReportWindowTest {
protected:
    // A project of the kind whose hand-set results give way to a recalculation.
    CReportView* ShowRated(const CFlags& aFlags, const std::function<void(CProjectDoc&)>& prepare = {})
    {
        return ShowReport(aFlags, [&](CProjectDoc& project) {
            project.m_ReportInfo.m_sIndexStr = "a";
            project.m_Calc.m_dRating = kHandRating;
            project.m_Calc.m_sLabel = "(MH)";
            project.m_Calc.m_aSpec[0].InsertSpecLine(17, 0.0022, 1, 1);
            project.m_Calc.m_aSpec[0].InsertSpecLine(20, 0.31, 1, 1);
            project.m_Calc.m_aSpec[0].InsertSpecLine(37, 0.9, 1, 1);
            project.m_Calc.m_aSpec[9].InsertSpecLine(21, 0.45, 1, 1);
            if (prepare)
                prepare(project);
        });
    }
    bool Recalculated() { return Project().m_Calc.m_dRating != kHandRating; }
    // Types into the cell and leaves it for the cell (5, 30).
    void TypeAndLeave(CReportGrid& grid, const CFieldPos& field, const char* lpszText)
    {
        grid.GotoCell(field.nCol, field.nRow);
        grid.SetCellText(field.nCol, field.nRow, lpszText);
        grid.m_bPasted = TRUE;
        grid.GotoCell(5, 30);
    }

    static constexpr double kHandRating = 0.55;
};

const CFlags kOctave = {&R::m_bLab, &R::m_bAbsorption, &R::m_bAlpha_PW};
const CFlags kThirdOctave = {&R::m_bLab, &R::m_bAbsorption, &R::m_bAlpha_S};
const CFlags kLossFactor = {&R::m_bLab, &R::m_bTotalLossFactor};
const CFlags kDinReverberation = {&R::m_bLab, &R::m_bReverberation};
const CFlags kIsoReverberation = {&R::m_bLab, &R::m_bReverberation, &R::m_bISO};

template <class TPage>
bool Is(CReportGrid* pGrid)
{
    return dynamic_cast<TPage*>(pGrid) != nullptr;
}

void Year2003(CProjectDoc& project)
{
    project.m_ReportInfo.m_nYear = 2003;
}

TEST_F(CReportKindPageTest, OpensThePageOfEachKindWithItsGraph)
{
    const struct {
        const char* lpszKind;
        CFlags aFlags;
        bool (*IsItsPage)(CReportGrid*);
    } aCases[] = {
        {"octave absorption", kOctave, Is<CReportAbsGrid>},
        {"one-third-octave absorption", kThirdOctave, Is<CReportAbsGrid>},
        {"loss factor", kLossFactor, Is<CReportLossGrid>},
        {"DIN reverberation", kDinReverberation, Is<CReportDINReverbGrid>},
        {"ISO reverberation", kIsoReverberation, Is<CReportDINReverbGrid>},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszKind);
        CReportView* pView = ShowRated(c.aFlags);
        ASSERT_NE(nullptr, pView);
        CReportGrid* pGrid = pView->GetReportGrid();
        EXPECT_TRUE(c.IsItsPage(pGrid));
        Refill(pView);
        EXPECT_NE(nullptr, pGrid->GetGraphCellType().GetMetaFile().GetHandle());
        EXPECT_FALSE(pGrid->GetGraphRect().IsRectEmpty());
    }
}

TEST_F(CReportKindPageTest, WritesEachAbsorptionModeAtItsCells)
{
    const char* const kWeighted = "<:F,Symbol,13,500>  a<:F,Arial,13,500><:S,-1>w <:S,0>= 0.55 (MH)";
    const struct {
        const char* lpszCase;
        CFlags aFlags;
        std::function<void(CProjectDoc&)> prepare;
        int nCol, nRow;
        const char* lpszText;
    } aCases[] = {
        {"octave: first band", kOctave, {}, 2, 27, "125"},
        {"octave: its value", kOctave, {}, 9, 27, "0.45"},
        {"octave: last band", kOctave, {}, 2, 32, "4000"},
        {"octave: note row", kOctave, {}, 2, 33, ""},
        {"octave: heading", kOctave, {}, 2, 48, "Weighted sound absorption coefficient according to ISO 11654"},
        {"octave: weighted line", kOctave, {}, 2, 49, kWeighted},
        {"octave: two rooms", kOctave, {}, 26, 19, "Empty reverberation room: "},
        {"octave: second room", kOctave, {}, 47, 22, "Barometric pressure: "},
        {"octave: area", kOctave, {}, 0, 20, "Surface area:"},
        {"third: first band", kThirdOctave, {}, 2, 27, "100"},
        {"third: its value", kThirdOctave, {}, 9, 27, "0.31"},
        {"third: last band", kThirdOctave, {}, 2, 44, "5000"},
        {"third: last value", kThirdOctave, {}, 9, 44, "0.90"},
        {"third: note row", kThirdOctave, {}, 2, 45, ""},
        {"third: no weighted line", kThirdOctave, {}, 2, 49, ""},
        {"third: single block", kThirdOctave, {}, 0, 19, "Relative humidity: "},
        {"third: volume", kThirdOctave, {}, 0, 22, "Reverberation room volume: "},
        {"third: no second room", kThirdOctave, {}, 47, 19, ""},
        {"third 2003: two rooms", kThirdOctave, Year2003, 47, 19, "Reverberation room with object: "},
        {"third 2003: area", kThirdOctave, Year2003, 0, 20, "Surface area:"},
        {"head", kThirdOctave, {}, 9, 24, "<:F,Symbol,13,500>a<:F,Arial,13,500><:S,-1>"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        CReportView* pView = ShowRated(c.aFlags, c.prepare);
        ASSERT_NE(nullptr, pView);
        EXPECT_STREQ(c.lpszText, Cell(*pView->GetReportGrid(), c.nCol, c.nRow));
    }
}

TEST_F(CReportKindPageTest, HidesTheAbsorptionBandsWithoutTheWeightedValue)
{
    CReportView* pView = ShowRated(kThirdOctave, [](CProjectDoc& project) { project.m_Calc.m_dRating = -999.0; });
    ASSERT_NE(nullptr, pView);
    EXPECT_STREQ("100", Cell(*pView->GetReportGrid(), 2, 27));
    EXPECT_STREQ("", Cell(*pView->GetReportGrid(), 9, 27));
}

TEST_F(CReportKindPageTest, ChecksTheKeysTypedIntoTheAbsorptionConditions)
{
    CReportView* pView = ShowRated(kOctave);
    ASSERT_NE(nullptr, pView);
    auto& grid = dynamic_cast<CReportAbsGrid&>(*pView->GetReportGrid());
    const CReportAbsLayout& layout = grid.GetLayout();
    const struct {
        const char* lpszCase;
        CFieldPos field;
        const char* lpszText;
        UINT nKey;
        bool bAccepted;
    } aCases[] = {
        {"volume: 8th character", layout.m_volume.value, "1234567", '8', false},
        {"volume: 7th character", layout.m_volume.value, "123.45", '6', false},
        {"volume: second decimal", layout.m_volume.value, "12.3", '4', false},
        {"volume: second separator", layout.m_volume.value, "12.", '.', false},
        {"volume: above 9999.99", layout.m_volume.value, "9999", '9', false},
        {"volume: letter", layout.m_volume.value, "12", 'x', false},
        {"area: second decimal", layout.m_area.value, "12.3", '4', true},
        {"area: third decimal", layout.m_area.value, "12.34", '5', false},
        {"second pressure: second decimal", layout.m_pressure2.value, "101.3", '2', false},
        {"second temperature: letter", layout.m_temperature2.value, "2", 'x', false},
        {"humidity: any text", layout.m_humidity.value, "50", 'x', true},
        {"second humidity: any text", layout.m_humidity2.value, "50", '%', true},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        grid.m_bPasted = TRUE;
        EXPECT_EQ(c.bAccepted, TypeKey(grid, c.field.nCol, c.field.nRow, c.lpszText, c.nKey));
    }
    // The first key into a cell showing its stored value replaces it.
    grid.m_bPasted = FALSE;
    EXPECT_TRUE(TypeKey(grid, layout.m_volume.value.nCol, layout.m_volume.value.nRow, "200.5", '3'));
}

// Leaving a condition the calculation uses after typing recalculates (the
// hand-set rating gives way), leaving it untouched does not; leaving the
// humidity text always does, for the exported report.
TEST_F(CReportKindPageTest, RecalculatesWhenAnAbsorptionConditionIsLeftAfterTyping)
{
    const struct {
        const char* lpszCase;
        bool bTwoRooms;
        CLabeledField CReportAbsLayout::*pRow;
        bool bTyped;
        bool bRecalculated;
    } aCases[] = {
        {"typed area", false, &CReportAbsLayout::m_area, true, true},
        {"untouched area", false, &CReportAbsLayout::m_area, false, false},
        {"typed volume", false, &CReportAbsLayout::m_volume, true, true},
        {"untouched humidity text", false, &CReportAbsLayout::m_humidity, false, true},
        {"typed second pressure", true, &CReportAbsLayout::m_pressure2, true, true},
        {"untouched second humidity", true, &CReportAbsLayout::m_humidity2, false, false},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        CReportView* pView = ShowRated(kThirdOctave, c.bTwoRooms ? Year2003 : std::function<void(CProjectDoc&)>());
        ASSERT_NE(nullptr, pView);
        auto& grid = dynamic_cast<CReportAbsGrid&>(*pView->GetReportGrid());
        const CFieldPos field = (grid.GetLayout().*c.pRow).value;
        grid.GotoCell(field.nCol, field.nRow);
        if (c.bTyped) {
            grid.SetCellText(field.nCol, field.nRow, "10.25");
            grid.m_bPasted = TRUE;
        }
        grid.GotoCell(5, 30);
        EXPECT_EQ(c.bRecalculated, Recalculated());
    }
    CReportView* pView = ShowRated(kThirdOctave);
    ASSERT_NE(nullptr, pView);
    TypeAndLeave(*pView->GetReportGrid(), {4, 8}, "Client A");
    EXPECT_FALSE(Recalculated());
}

TEST_F(CReportKindPageTest, StoresEveryAbsorptionFieldBack)
{
    const auto Fill = [](CReportInfo& info) {
        info.m_nYear = 2003;
        info.m_sClient = "Client";
        info.m_sObject = "Panel";
        info.m_sReportNo = "R-7";
        info.m_dArea = 10.25;
        info.m_dVolume = 200.5;
        info.m_dTemperature1 = 20.5;
        info.m_dTemperature2 = 21.5;
        info.m_dHumidity1 = 45.5;
        info.m_dHumidity2 = 50.5;
        info.m_dPressure1 = 101.3;
        info.m_dPressure2 = 99.7;
    };
    CReportView* pView = ShowRated(kThirdOctave, [&](CProjectDoc& project) { Fill(project.m_ReportInfo); });
    ASSERT_NE(nullptr, pView);
    CReportInfo& doc = Project().m_ReportInfo;
    CReportInfo expected = doc;
    for (double CReportInfo::*pValue : {&R::m_dArea, &R::m_dVolume, &R::m_dTemperature1, &R::m_dTemperature2,
                                        &R::m_dHumidity1, &R::m_dHumidity2, &R::m_dPressure1, &R::m_dPressure2})
        doc.*pValue = 0.0;
    doc.m_sClient = doc.m_sObject = doc.m_sReportNo = "";
    pView->GetReportGrid()->StoreFieldsToReportInfo();
    for (double CReportInfo::*pValue : {&R::m_dArea, &R::m_dVolume, &R::m_dTemperature1, &R::m_dTemperature2,
                                        &R::m_dHumidity1, &R::m_dHumidity2, &R::m_dPressure1, &R::m_dPressure2})
        EXPECT_DOUBLE_EQ(expected.*pValue, doc.*pValue);
    EXPECT_STREQ("Client", doc.m_sClient);
    EXPECT_STREQ("Panel", doc.m_sObject);
    EXPECT_STREQ("R-7", doc.m_sReportNo);
}

TEST_F(CReportKindPageTest, StoresTheSingleBlocksHumidityText)
{
    CReportView* pView = ShowRated(kThirdOctave, [](CProjectDoc& project) { project.m_ReportInfo.m_sHumidity = "45-50"; });
    ASSERT_NE(nullptr, pView);
    auto& grid = dynamic_cast<CReportAbsGrid&>(*pView->GetReportGrid());
    const CFieldPos humidity = grid.GetLayout().m_humidity.value;
    EXPECT_STREQ("45-50", Cell(grid, humidity.nCol, humidity.nRow));
    grid.SetCellText(humidity.nCol, humidity.nRow, "55");
    grid.StoreFieldsToReportInfo();
    EXPECT_STREQ("55", Project().m_ReportInfo.m_sHumidity);
}

// Two decimals would show a loss factor of 0.0022 as "0.00".
TEST_F(CReportKindPageTest, WritesTheLossFactorsWithFourDecimals)
{
    const struct {
        double dRating;
        int nCol, nRow;
        const char* lpszText;
    } aCases[] = {
        {1.0, 2, 27, "50"}, {1.0, 9, 27, "0.0022"}, {1.0, 2, 47, "5000"}, {1.0, 9, 30, "0.3100"},
        {1.0, 9, 28, ""},   {-999.0, 9, 27, ""},    {-999.0, 2, 27, "50"}, {1.0, 2, 48, ""},
        {1.0, 9, 24, "<:F,Symbol,13,500>a<:F,Arial,13,500><:S,-1>"}, {1.0, 0, 21, "Barometric pressure: "},
        {1.0, 2, 49, ""}, {1.0, 30, 49, ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(testing::Message() << "(" << c.nRow << ", " << c.nCol << ") rating " << c.dRating);
        CReportView* pView = ShowRated(kLossFactor, [&](CProjectDoc& project) { project.m_Calc.m_dRating = c.dRating; });
        ASSERT_NE(nullptr, pView);
        EXPECT_STREQ(c.lpszText, Cell(*pView->GetReportGrid(), c.nCol, c.nRow));
    }
}

// The climate takes any text; one that is no number stores no value. A
// volume the page does not show keeps its unrounded value.
TEST_F(CReportKindPageTest, StoresTheLossFactorClimate)
{
    CReportView* pView = ShowRated(kLossFactor, [](CProjectDoc& project) {
        project.m_ReportInfo.m_dTemperature1 = 20.5;
        project.m_ReportInfo.m_dPressure1 = -999.0;
        project.m_ReportInfo.m_sHumidity = "48";
        project.m_ReportInfo.m_dVolume = 200.125;
    });
    ASSERT_NE(nullptr, pView);
    CReportGrid& grid = *pView->GetReportGrid();
    EXPECT_STREQ("20.5", Cell(grid, 16, 20));
    EXPECT_STREQ("", Cell(grid, 16, 21));
    EXPECT_STREQ("48", Cell(grid, 16, 19));
    EXPECT_TRUE(TypeKey(grid, 16, 20, "ab", 'c'));
    grid.SetCellText(16, 20, "abc");
    grid.SetCellText(16, 21, "101.3");
    grid.StoreFieldsToReportInfo();
    const CReportInfo& doc = Project().m_ReportInfo;
    EXPECT_DOUBLE_EQ(-999.0, doc.m_dTemperature1);
    EXPECT_DOUBLE_EQ(101.3, doc.m_dPressure1);
    EXPECT_STREQ("48", doc.m_sHumidity);
    EXPECT_DOUBLE_EQ(200.125, doc.m_dVolume);
}

TEST_F(CReportKindPageTest, RecalculatesTheLossFactorOnlyForTheReportNumber)
{
    const struct {
        const char* lpszCase;
        CFieldPos field;
        bool bRecalculated;
    } aCases[] = {
        {"humidity", {19, 16}, false},
        {"temperature", {20, 16}, false},
        {"report number", {54, 18}, true},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        CReportView* pView = ShowRated(kLossFactor);
        ASSERT_NE(nullptr, pView);
        TypeAndLeave(*pView->GetReportGrid(), c.field, "12");
        EXPECT_EQ(c.bRecalculated, Recalculated());
    }
}


void ReverberationTimes(CProjectDoc& project)
{
    project.m_ReportInfo.m_sIndexStr = "T";
    project.m_ReportInfo.m_sSubscript = "m";
    project.m_ReportInfo.m_sRemarksLabel = "Remarks:";
    project.m_Calc.m_dRating = 1.234;
    project.m_Calc.m_aSpec[0].InsertSpecLine(18, 2.5, 1, 1);
    project.m_Calc.m_aSpec[0].InsertSpecLine(21, 1.456, 1, 1);
    project.m_Calc.m_aSpec[0].InsertSpecLine(39, 0.8, 1, 1);
}

TEST_F(CReportKindPageTest, WritesEachReverberationFormAtItsCells)
{
    const struct {
        const char* lpszCase;
        CFlags aFlags;
        double dRating;
        int nCol, nRow;
        const char* lpszText;
    } aCases[] = {
        {"DIN: title", kDinReverberation, 1.234, 0, 0, "Reverberation time according to DIN 52 216"},
        {"DIN: 125 Hz", kDinReverberation, 1.234, 28, 48, "1.46"},
        {"DIN: 250 Hz", kDinReverberation, 1.234, 34, 48, ""},
        {"DIN: without single figure", kDinReverberation, -999.0, 28, 48, "1.46"},
        {"DIN: unit", kDinReverberation, 1.234, 24, 49, "T in s"},
        {"DIN: remarks placeholder", kDinReverberation, 1.234, 0, 26, ""},
        {"DIN: room", kDinReverberation, 1.234, 0, 5, "Room identification:"},
        {"DIN: noise", kDinReverberation, 1.234, 0, 47, "Noise type:"},
        {"DIN: volume", kDinReverberation, 1.234, 0, 22, "Reverberation room volume: "},
        {"ISO: title", kIsoReverberation, 1.234, 0, 0, "Reverberation time according to DIN EN ISO 3382-1:2009"},
        {"ISO: 63 Hz", kIsoReverberation, 1.234, 2, 26, "63"},
        {"ISO: its time", kIsoReverberation, 1.234, 9, 26, "2.50"},
        {"ISO: 8000 Hz", kIsoReverberation, 1.234, 2, 47, "8000"},
        {"ISO: its time", kIsoReverberation, 1.234, 9, 47, "0.80"},
        {"ISO: unit", kIsoReverberation, 1.234, 9, 25, "[s]"},
        {"ISO: line", kIsoReverberation, 1.234, 2, 51, "    T<:S,-1>m<:S,0> = 1.23 s"},
        {"ISO: no single figure", kIsoReverberation, -999.0, 2, 51, "    T<:S,-1>m<:S,0> =   s"},
        {"ISO: no single figure, no times", kIsoReverberation, -999.0, 9, 26, ""},
        {"ISO: remarks placeholder", kIsoReverberation, 1.234, 0, 12, ""},
        {"ISO: temperature", kIsoReverberation, 1.234, 0, 19, "Temperature: "},
        {"ISO: noise", kIsoReverberation, 1.234, 25, 19, "Noise type:"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        CReportView* pView = ShowReport(c.aFlags, [&](CProjectDoc& project) {
            ReverberationTimes(project);
            project.m_Calc.m_dRating = c.dRating;
        });
        ASSERT_NE(nullptr, pView);
        EXPECT_STREQ(c.lpszText, Cell(*pView->GetReportGrid(), c.nCol, c.nRow));
    }
}

TEST_F(CReportKindPageTest, StoresEveryReverberationFieldBack)
{
    CReportView* pView = ShowReport(kIsoReverberation, [](CProjectDoc& project) {
        ReverberationTimes(project);
        CReportInfo& info = project.m_ReportInfo;
        info.m_sDescription = "Hall 2";
        info.m_sRemarksLabel = "Seats empty";
        info.m_sNoiseType = "Pink noise";
        info.m_sSourceRoomVolume = "1200";
        info.m_sHumidity = "45";
        info.m_dTemperature1 = 21.5;
        info.m_sReportNo = "R-9";
    });
    ASSERT_NE(nullptr, pView);
    CReportInfo& doc = Project().m_ReportInfo;
    const CReportInfo expected = doc;
    doc.m_sDescription = doc.m_sRemarksLabel = doc.m_sNoiseType = doc.m_sSourceRoomVolume = doc.m_sHumidity = "";
    doc.m_sReportNo = "";
    doc.m_dTemperature1 = 0.0;
    pView->GetReportGrid()->StoreFieldsToReportInfo();
    for (CString CReportInfo::*pText : {&R::m_sDescription, &R::m_sRemarksLabel, &R::m_sNoiseType,
                                        &R::m_sSourceRoomVolume, &R::m_sHumidity, &R::m_sReportNo})
        EXPECT_STREQ(expected.*pText, doc.*pText);
    EXPECT_DOUBLE_EQ(21.5, doc.m_dTemperature1);
    CReportGrid& grid = *pView->GetReportGrid();
    EXPECT_TRUE(grid.IsEditableCell(32, 19));
    grid.SetCellText(16, 19, "0");
    grid.StoreFieldsToReportInfo();
    EXPECT_DOUBLE_EQ(-999.0, doc.m_dTemperature1);
}

} // namespace
