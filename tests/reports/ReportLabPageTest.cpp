// The laboratory report page in the report window: the specimen and the
// test conditions of each kind, the improvement pages' band table and
// single-number texts, the footnote lines written anew on every fill,
// the type of reference floor's keys, and what is stored in the project.

#include "app/ShellWindowsFixture.h"

#include "app/AppSettings.h"
#include "app/ProjectView.h"
#include "app/ProjectWindows.h"
#include "app/ReportView.h"
#include "model/ViewKinds.h"
#include "reports/ReportLabGrid.h"

#include <functional>

namespace {

using R = CReportInfo;
using C = ELabCondition;
typedef std::vector<bool CReportInfo::*> CFlags;

constexpr int kBand = 21, kBandRow = 30;  // 125 Hz

const CFlags kPlain = {&R::m_bLab, &R::m_bAirborne};
const CFlags kFlanking = {&R::m_bLab, &R::m_bAirborne, &R::m_bFlankingTransmission};
const CFlags kImpact = {&R::m_bLab, &R::m_bImpact};
const CFlags kFloorCovering = {&R::m_bLab, &R::m_bImpact, &R::m_bReduction};
const CFlags kLining = {&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement};
const CFlags kLightweight = {&R::m_bLab, &R::m_bImpact, &R::m_bReductionLightweight};

class CReportLabPageTest : public CShellWindowsTest {
protected:
    // The page of a rated laboratory project of the kind, prepared before
    // its report window opens.
    CReportLabGrid* OpenPage(const CFlags& aFlags, const std::function<void(CProjectDoc&)>& prepare = {})
    {
        m_pDoc = NewProject(aFlags);
        CProjectDoc& project = Project();
        project.m_ReportInfo.m_sIndexStr = "R";
        project.m_Calc.m_dRating = 12.8;
        project.m_Calc.m_aSpec[0].InsertSpecLine(kBand, 41.26, 1, 1);
        if (prepare)
            prepare(project);
        m_pDoc->ShowView(kViewKindReport, FALSE, TRUE);
        PumpMessages();
        m_pView = dynamic_cast<CReportView*>(CProjectWindows::FindView(m_pDoc, kViewKindReport));
        return m_pView != nullptr ? dynamic_cast<CReportLabGrid*>(m_pView->GetReportGrid()) : nullptr;
    }
    CProjectDoc& Project() { return m_pDoc->GetProject(); }
    void Refill() { m_pView->OnUpdate(nullptr, 0, nullptr); }
    static CString Cell(CGRCtrl& grid, const CFieldPos& pos) { return grid.GetCellText(pos.nCol, pos.nRow); }
    static CString Cell(CGRCtrl& grid, int nCol, int nRow) { return grid.GetCellText(nCol, nRow); }

    CVestolarDoc* m_pDoc = nullptr;
    CReportView* m_pView = nullptr;
};

TEST_F(CReportLabPageTest, ShowsTheSpecimenAndTheConditionsOfEachKind)
{
    const struct {
        const char* lpszKind;
        CFlags aFlags;
        const char* aLabels[7];  // rows 15 to 21
    } aCases[] = {
        {"plain", kPlain,
         {"Barometric pressure: ", "Size of test opening: ", "Mass per unit area: ", "Temperature: ", "Air humidity: ",
          "Source room volume: ", "Receiving room volume:"}},
        {"flanking", kFlanking,
         {"", "Barometric pressure: ", "Mass per unit area: ", "Temperature: ", "Air humidity: ", "Source room volume: ",
          "Receiving room volume:"}},
        {"impact", kImpact,
         {"Barometric pressure: ", "Air humidity: ", "Mass per unit area: ", "Curing time:", "Temperature: ",
          "Source room volume: ", "Receiving room volume:"}},
        {"lining", kLining,
         {"Barometric pressure: ", "Air humidity: ", "Mass per unit area: ", "Size of test opening: ", "Temperature: ",
          "Source room volume: ", "Receiving room volume:"}},
        {"lightweight", kLightweight,
         {"Barometric pressure: ", "Type of reference floor:", "Mass per unit area: ", "Curing time:", "Temperature: ",
          "Air humidity: ", "Receiving room volume:"}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszKind);
        CReportLabGrid* pGrid = OpenPage(c.aFlags);
        ASSERT_NE(nullptr, pGrid);
        EXPECT_EQ(CReportLabGrid::kRows, pGrid->GetRowCount());
        EXPECT_FALSE(pGrid->GetGraphCellType().GetGraphFile().IsEmpty());
        EXPECT_EQ(16, pGrid->GetFields().m_graph.nRow);
        for (int k = 0; k < 7; ++k)
            EXPECT_STREQ(c.aLabels[k], Cell(*pGrid, 0, 15 + k)) << "row " << 15 + k;
        EXPECT_STREQ("Manufacturer: ", Cell(*pGrid, 0, 5));
        EXPECT_STREQ("Product identification: ", Cell(*pGrid, 0, 8));
        EXPECT_STREQ("Description of the specimen: ", Cell(*pGrid, 0, 10));
        EXPECT_STREQ("125", Cell(*pGrid, 2, kBandRow));
    }
}

TEST_F(CReportLabPageTest, ImprovementPagesShowTheirColumnsAndSingleNumberTexts)
{
    const struct {
        const char* lpszKind;
        CFlags aFlags;
        int nCoincidenceFreq;
        int nCol, nRow;
        const char* lpszText;
    } aCases[] = {
        {"floor covering value", kFloorCovering, 0, 16, kBandRow, "41.3"},
        {"floor covering rating", kFloorCovering, 0, 2, 53, "<:F,Symbol,13,500>D<:F,Arial,13,500>L<:S,-1>w<:S,0> = 12 dB"},
        {"floor covering head", kFloorCovering, 0, 9, 23, "<:F,Arial,13,500>L<:S,-1>n,0"},
        {"lining, light", kLining, 2, 2, 53, "<:F,Symbol,13,500>D<:F,Arial,13,500>R<:S,-1>w,light<:S,0> = 12 dB"},
        {"lining, no word", kLining, 5, 2, 53, "<:F,Symbol,13,500>D<:F,Arial,13,500>R<:S,-1>w,<:S,0> = 12 dB"},
        {"lining title", kLining, 0, 2, 52, "Rating according to ISO 717-1 / 140-16"},
        {"lining octave head", kLining, 0, 16, 24, "1/1 octave"},
        {"lightweight improvement", kLightweight, 0, 19, kBandRow, "41.3"},
        {"lightweight head", kLightweight, 0, 19, 23, "<:F,Symbol,13,500>D<:F,Arial,13,500>L<:S,-1>t, 2"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszKind);
        CReportLabGrid* pGrid = OpenPage(c.aFlags, [&c](CProjectDoc& project) {
            project.m_ReportInfo.m_nCoincidenceFreq = c.nCoincidenceFreq;
            project.m_ReportInfo.m_sPageText5 = "2";
        });
        ASSERT_NE(nullptr, pGrid);
        EXPECT_STREQ(c.lpszText, Cell(*pGrid, c.nCol, c.nRow));
    }
}

// Every variant writes its footnote lines anew: a note whose band is no
// longer at its limit goes with the next fill.
TEST_F(CReportLabPageTest, FootnotesGoWhenTheirBandNoLongerNeedsThem)
{
    CAppSettings& settings = CProjectView::GetSettings();
    settings.m_bBgnCorrection = true;
    settings.m_sTextBgnTooHigh = "Background";
    for (const CFlags& aFlags : {kPlain, kFloorCovering, kLining, kLightweight}) {
        CReportLabGrid* pGrid = OpenPage(aFlags, [](CProjectDoc& project) {
            project.m_Calc.m_aSpec[4].InsertSpecLine(kBand, 3.0, 1, 2);
        });
        ASSERT_NE(nullptr, pGrid);
        EXPECT_NE(-1, Cell(*pGrid, 2, 48).Find("Background"));
        Project().m_Calc.m_aSpec[4].SetMeasStatus(kBand, 1);
        Refill();
        EXPECT_STREQ("", Cell(*pGrid, 2, 48));
    }
}

TEST_F(CReportLabPageTest, StoresTheAreaOnlyWhereThePageShowsTheTestOpening)
{
    const struct {
        const char* lpszKind;
        CFlags aFlags;
        double dStored;
    } aCases[] = {
        {"plain", kPlain, 10.5},
        {"flanking", kFlanking, -999.0},
        {"impact", kImpact, 12.25},
        {"lightweight", kLightweight, 12.25},
        {"lining", kLining, 10.5},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszKind);
        CReportLabGrid* pGrid = OpenPage(c.aFlags, [](CProjectDoc& project) {
            project.m_ReportInfo.m_dArea = 12.25;
            project.m_ReportInfo.m_dTemperature1 = 21.5;
            project.m_ReportInfo.m_sHumidity = "45";
        });
        ASSERT_NE(nullptr, pGrid);
        pGrid->SetTestOpening(10.5);
        pGrid->StoreFieldsToReportInfo();
        EXPECT_DOUBLE_EQ(c.dStored, Project().m_ReportInfo.m_dArea);
    }
}

TEST_F(CReportLabPageTest, LightweightFloorShowsTheHumidityAndKeepsTheSourceVolume)
{
    CReportLabGrid* pGrid = OpenPage(kLightweight, [](CProjectDoc& project) {
        project.m_ReportInfo.m_sHumidity = "45";
        project.m_ReportInfo.m_sSourceRoomVolume = "55.0";
    });
    ASSERT_NE(nullptr, pGrid);
    EXPECT_STREQ("45", Cell(*pGrid, 16, 20));
    pGrid->SetCellText(16, 20, "50");
    pGrid->StoreFieldsToReportInfo();
    EXPECT_STREQ("50", Project().m_ReportInfo.m_sHumidity);
    EXPECT_STREQ("55.0", Project().m_ReportInfo.m_sSourceRoomVolume);
}

TEST_F(CReportLabPageTest, AClimateValueNeverGivenIsNotStoredAsZero)
{
    const struct {
        double dInProject;
        const char* lpszShown;
        const char* lpszTyped;
        double dStored;
    } aCases[] = {
        {-999.0, "", "", -999.0},
        {0.0, "", "", -999.0},
        {21.46, "21.5", "21.5", 21.5},
        {-999.0, "", "abc", -999.0},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszTyped);
        CReportLabGrid* pGrid = OpenPage(kPlain, [&c](CProjectDoc& project) {
            project.m_ReportInfo.m_dTemperature1 = c.dInProject;
            project.m_ReportInfo.m_dPressure1 = c.dInProject;
        });
        ASSERT_NE(nullptr, pGrid);
        for (C condition : {C::kTemperature, C::kPressure}) {
            EXPECT_STREQ(c.lpszShown, Cell(*pGrid, pGrid->ConditionPos(condition)));
            pGrid->SetConditionText(condition, c.lpszTyped);
        }
        pGrid->StoreFieldsToReportInfo();
        EXPECT_DOUBLE_EQ(c.dStored, Project().m_ReportInfo.m_dTemperature1);
        EXPECT_DOUBLE_EQ(c.dStored, Project().m_ReportInfo.m_dPressure1);
    }
}

TEST_F(CReportLabPageTest, TheReferenceFloorTakesOneDigitFromOneToThree)
{
    CReportLabGrid* pGrid = OpenPage(kLightweight);
    ASSERT_NE(nullptr, pGrid);
    const CFieldPos& floor = pGrid->ConditionPos(C::kReferenceFloor);
    const struct {
        UINT nKey;
        bool bAccepted;
        const char* lpszLeft;  // the edit's text after the check
    } aCases[] = {{'4', false, "1"}, {'2', true, ""}, {'0', false, "1"}, {'x', false, "1"}};
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.nKey);
        CEdit edit;
        edit.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 50, 20), pGrid, 999);
        edit.SetWindowText("1");
        UINT nKey = c.nKey;
        EXPECT_EQ(c.bAccepted, pGrid->OnEditVerify(floor.nCol, floor.nRow, &edit, &nKey) != 0);
        CString sLeft;
        edit.GetWindowText(sLeft);
        EXPECT_STREQ(c.lpszLeft, sLeft);
        edit.DestroyWindow();
    }
    EXPECT_TRUE(pGrid->IsEditableCell(floor.nCol, floor.nRow));
}

// Leaving a number the calculation uses after typing, or a test condition,
// stores the fields and recalculates (the hand-set rating gives way);
// leaving the client does not.
TEST_F(CReportLabPageTest, RecalculatesWhenAConditionIsLeft)
{
    const struct {
        const char* lpszCase;
        CFlags aFlags;
        int nCol, nRow;
        bool bTyped;
        bool bRecalculated;
    } aCases[] = {
        {"test opening typed", kPlain, 16, 16, true, true},
        {"test opening untouched", kPlain, 16, 16, false, false},
        {"curing time", kImpact, 16, 18, false, true},
        {"reference floor", kLightweight, 16, 16, false, true},
        {"client", kPlain, 16, 4, true, false},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszCase);
        CReportLabGrid* pGrid = OpenPage(c.aFlags);
        ASSERT_NE(nullptr, pGrid);
        pGrid->GotoCell(c.nCol, c.nRow);
        pGrid->SetCellText(c.nCol, c.nRow, "2");
        pGrid->m_bPasted = c.bTyped ? TRUE : FALSE;
        pGrid->GotoCell(5, 30);
        EXPECT_EQ(c.bRecalculated, Project().m_Calc.m_dRating != 12.8);
    }
}

TEST_F(CReportLabPageTest, LoadsAndStoresEveryFieldThroughTheProject)
{
    for (const CFlags& aFlags : {kPlain, kImpact, kLightweight}) {
        CReportLabGrid* pGrid = OpenPage(aFlags, [](CProjectDoc& project) {
            CReportInfo& info = project.m_ReportInfo;
            info.m_sPageText1 = "Maker";
            info.m_sPageText2 = "Product";
            info.m_sPageText3 = "Room 1";
            info.m_sPageText4 = "Fitter";
            info.m_sPageText5 = "3";
            info.m_sMassPerUnit = "350";
            info.m_sCuringTime = "28 d";
            info.m_sClient = "Client";
            info.m_dVolume = 55.5;
        });
        ASSERT_NE(nullptr, pGrid);
        EXPECT_STREQ("Maker", pGrid->GetSpecimenText(CReportLabGrid::kManufacturer));
        EXPECT_STREQ("Room 1", pGrid->GetSpecimenText(CReportLabGrid::kTestRoom));
        EXPECT_STREQ("Fitter", pGrid->GetSpecimenText(CReportLabGrid::kMountedBy));
        EXPECT_STREQ("Product", Cell(*pGrid, 16, 8));
        EXPECT_STREQ("350", pGrid->GetConditionText(C::kMass));
        EXPECT_STREQ("55.5", Cell(*pGrid, 16, 21));
        for (int k = 0; k < CReportLabGrid::kSpecimenTexts; ++k)
            pGrid->SetSpecimenText(static_cast<CReportLabGrid::ESpecimenText>(k), "new");
        pGrid->SetCellText(16, 8, "new product");
        for (C condition : {C::kMass, C::kCuringTime, C::kReferenceFloor})
            pGrid->SetConditionText(condition, "2");
        pGrid->SetCellText(16, 21, "60.0");
        pGrid->StoreFieldsToReportInfo();
        const CReportInfo& info = Project().m_ReportInfo;
        for (const CString* pText : {&info.m_sPageText1, &info.m_sPageText3, &info.m_sPageText4})
            EXPECT_STREQ("new", *pText);
        EXPECT_STREQ("new product", info.m_sPageText2);
        EXPECT_STREQ("2", info.m_sMassPerUnit);
        const bool bImpact = aFlags != kPlain;
        EXPECT_STREQ(bImpact ? "2" : "28 d", info.m_sCuringTime);
        EXPECT_STREQ(aFlags == kLightweight ? "2" : "3", info.m_sPageText5);
        EXPECT_DOUBLE_EQ(60.0, info.m_dVolume);
        EXPECT_STREQ("Client", info.m_sClient);
    }
}

} // namespace
