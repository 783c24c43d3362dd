// The result window of a project: the grid of its kind and its title, the
// texts where they land, the fields, paste and the store when the focus
// leaves, the pages of the measurement sets, the level chart and its
// picture, and the commands.

#include "app/ShellWindowsFixture.h"

#include "app/ProjectWindows.h"
#include "model/ViewKinds.h"
#include "res/resource.h"
#include "results/ResultAbsTabGrid.h"
#include "results/ResultCornerTabGrid.h"
#include "results/ResultLabTabGrid.h"
#include "results/ResultNumbers.h"
#include "results/ResultSIATabGrid.h"
#include "results/ResultTabGrid.h"
#include "results/ResultView.h"
#include "tables/FlankingTransCorrGrid.h"

#include <functional>

namespace {

using R = CReportInfo;
typedef std::vector<bool CReportInfo::*> CFlags;

class CResultWindowTest : public CShellWindowsTest {
protected:
    // A project of the kind, prepared before its result window opens.
    CResultView* ShowResult(const CFlags& aFlags, const std::function<void(CProjectDoc&)>& prepare = {},
                            int nViewKind = kViewKindResultTable)
    {
        m_pDoc = NewProject(aFlags);
        if (prepare)
            prepare(Project());
        m_pDoc->ShowView(nViewKind, FALSE, TRUE);
        PumpMessages();
        return dynamic_cast<CResultView*>(CProjectWindows::FindView(m_pDoc, nViewKind));
    }
    CProjectDoc& Project() { return m_pDoc->GetProject(); }
    static CString Caption(CResultView* pView)
    {
        CString sText;
        pView->GetParentFrame()->GetWindowText(sText);
        return sText;
    }
    static CString Cell(CGRCtrl& grid, int nCol, int nRow) { return grid.GetCellText(nCol, nRow); }

    CVestolarDoc* m_pDoc = nullptr;
};

void Rate(CProjectDoc& project, double dRating, double dC, double dCtr)
{
    project.m_ReportInfo.m_bISO = true;
    project.m_ReportInfo.m_sIndexStr = "R'";
    project.m_ReportInfo.m_sSubscript = "";
    project.m_Calc.m_dRating = dRating;
    project.m_Calc.m_dC = dC;
    project.m_Calc.m_dCtr = dCtr;
    project.m_Calc.m_dC50_3150 = -2.3;
}

TEST_F(CResultWindowTest, TitlesEachKind)
{
    const struct {
        CFlags aFlags;
        int nViewKind;
        const char* lpszTitle;
    } aCases[] = {
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, kViewKindResultTable, "Result table"},
        {{&R::m_bLab, &R::m_bImpactAirborne}, kViewKindBgnCorrectionTable, "Airborne noise correction table"},
        {{&R::m_bField, &R::m_bAirborne}, kViewKindBgnCorrectionTable, "Background noise correction table"},
        {{&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bCorner}, kViewKindFtmCorrectionTable,
         "Corner Background noise correction table"},
        {{&R::m_bLab, &R::m_bAirborne}, kViewKindFtmCorrectionTable, "Flanking transmission correction table"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszTitle);
        CResultView* pView = ShowResult(c.aFlags, {}, c.nViewKind);
        ASSERT_NE(nullptr, pView);
        EXPECT_EQ(Project().m_sName + " - " + c.lpszTitle, Caption(pView));
        EXPECT_EQ(c.nViewKind == kViewKindResultTable, pView->GetResultGrid() != nullptr);
    }
}

TEST_F(CResultWindowTest, ChoosesTheGridOfTheProjectKind)
{
    enum Grid { kField, kCorner, kSia, kAbsorption, kLab };
    const struct {
        CFlags aFlags;
        Grid grid;
    } aCases[] = {
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bCorner}, kCorner},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bOEN, &R::m_bCorner}, kCorner},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, kField},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bSIA}, kField},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, kSia},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bOEN}, kField},
        {{&R::m_bField, &R::m_bImpact, &R::m_bDIN}, kField},
        {{&R::m_bLab, &R::m_bAbsorption}, kAbsorption},
        {{&R::m_bLab, &R::m_bAirborne}, kLab},
        {{&R::m_bLab, &R::m_bImpact, &R::m_bReduction}, kLab},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        CResultView* pView = ShowResult(aCases[i].aFlags);
        ASSERT_NE(nullptr, pView);
        CGRCtrl* pGrid = pView->GetGrid();
        EXPECT_EQ(aCases[i].grid == kCorner, dynamic_cast<CResultCornerTabGrid*>(pGrid) != nullptr);
        EXPECT_EQ(aCases[i].grid == kSia, dynamic_cast<CResultSIATabGrid*>(pGrid) != nullptr);
        EXPECT_EQ(aCases[i].grid == kAbsorption, dynamic_cast<CResultAbsTabGrid*>(pGrid) != nullptr);
        EXPECT_EQ(aCases[i].grid == kLab, dynamic_cast<CResultLabTabGrid*>(pGrid) != nullptr);
        EXPECT_NE(nullptr, dynamic_cast<CResultTabGrid*>(pGrid));
    }
}

TEST_F(CResultWindowTest, OpensTheCorrectionTablesWithTheirGrids)
{
    enum Grid { kBackground, kFlanking };
    const struct {
        CFlags aFlags;
        int nViewKind;
        Grid grid;
    } aCases[] = {
        {{&R::m_bField, &R::m_bAirborne}, kViewKindBgnCorrectionTable, kBackground},
        {{&R::m_bField, &R::m_bAirborne}, kViewKindFtmCorrectionTable, kFlanking},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bCorner}, kViewKindFtmCorrectionTable, kBackground},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        CResultView* pView = ShowResult(aCases[i].aFlags, {}, aCases[i].nViewKind);
        ASSERT_NE(nullptr, pView);
        CGRCtrl* pGrid = pView->GetGrid();
        ASSERT_NE(nullptr, dynamic_cast<CBgnCorrGrid*>(pGrid));
        EXPECT_EQ(aCases[i].grid == kFlanking, dynamic_cast<CFlankingTransCorrGrid*>(pGrid) != nullptr);
        EXPECT_EQ(aCases[i].nViewKind, pGrid->GetDlgCtrlID());
    }
}

TEST_F(CResultWindowTest, GivesEachMeasurementSetABlockOfTheCorrectionTable)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bAverageLoudspeaker},
                                    [](CProjectDoc& project) {
                                        project.m_CalcSets.RemoveAll();
                                        for (const char* lpszLabel : {"#A", "#B"}) {
                                            CCalc set;
                                            set.m_sLabel = lpszLabel;
                                            project.m_CalcSets.Add(set);
                                        }
                                    },
                                    kViewKindBgnCorrectionTable);
    ASSERT_NE(nullptr, pView);
    CGRCtrl& grid = *pView->GetGrid();
    EXPECT_EQ(52 * 3 - 1, grid.GetRowCount());
    EXPECT_EQ(CString("#B: Background noise correction table"), Cell(grid, 0, 104));
    pView->OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(52 * 3 - 1, grid.GetRowCount());
}

TEST_F(CResultWindowTest, WritesTheSiaTotalsIntoTheAdaptationFields)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bSIA, &R::m_bLowFreq}, [](CProjectDoc& project) {
        project.m_ReportInfo.m_nYear = 2006;
        project.m_ReportInfo.m_sIndexStr = "D";
        project.m_ReportInfo.m_sSubscript = "nT";
        project.m_Calc.m_dFinalValue = 55.9;
        project.m_Calc.m_dCtr50_3150 = -7.5;
    });
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    EXPECT_STREQ("D<:S,-1>i50,tot<:S,0> = 55 dB", Cell(grid, 43, 6));
    EXPECT_STREQ("C<:S,-1>tr,50-3150<:S,0> = -7 dB", Cell(grid, 56, 6));
    EXPECT_STREQ("Rating according to ISO 717-1 / SIA 181-2006", Cell(grid, 2, 5));
}

TEST_F(CResultWindowTest, KeepsTheCornerPagesOfEverySet)
{
    CResultView* pView = ShowResult(
        {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bCorner, &R::m_bAverageLoudspeaker}, [](CProjectDoc& project) {
            project.m_ReportInfo.m_sTitle = "Title";
            for (const char* lpszLabel : {"#A", "#B"}) {
                CCalc set;
                set.m_sLabel = lpszLabel;
                project.m_CalcSets.Add(set);
            }
        });
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    EXPECT_STREQ("#B: Title", Cell(grid, 0, 190));
    EXPECT_LE(190 + 57, grid.GetRowCount() - 1);
    EXPECT_STREQ("<:F,Arial,13,500>L2<:S,-1>C", Cell(grid, 55, 15));
}

// The plain absorption page has no place for the pressure: it neither shows
// nor stores it, and the project keeps its value; the extended page does both.
TEST_F(CResultWindowTest, KeepsThePressureOfThePlainAbsorptionPage)
{
    const struct {
        bool bExtended;
        const char* lpszPressure;
        double dStored;
    } aCases[] = {{false, "", 101.3}, {true, "101.3", 99.5}};
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.bExtended);
        CResultView* pView = ShowResult({&R::m_bLab, &R::m_bAbsorption}, [&](CProjectDoc& project) {
            project.m_ReportInfo.m_bAlpha_PW = c.bExtended;
            project.m_ReportInfo.m_dPressure1 = 101.3;
            project.m_ReportInfo.m_sHumidity = "55";
        });
        ASSERT_NE(nullptr, pView);
        CResultTabGrid& grid = *pView->GetResultGrid();
        EXPECT_EQ(58, grid.GetRowCount());
        EXPECT_FALSE(pView->HasChart());
        EXPECT_STREQ(c.lpszPressure, Cell(grid, 38, 43));
        EXPECT_STREQ(c.bExtended ? "" : "55", Cell(grid, 18, 43));
        grid.SetCellText(38, 43, "99.5");
        grid.StoreEditableTexts();
        EXPECT_DOUBLE_EQ(c.dStored, Project().m_ReportInfo.m_dPressure1);
        EXPECT_STREQ("55", Project().m_ReportInfo.m_sHumidity);
    }
}

// A temperature or pressure emptied on the page is stored as not given,
// never as 0 °C or 0 kPa; a zero loads as an empty field.
TEST_F(CResultWindowTest, StoresTheLaboratoryConditions)
{
    const struct {
        double dLoaded;
        const char* lpszShown;
        const char* lpszTyped;
        double dStored;
    } aCases[] = {{21.5, "21.5", "", -999.0}, {0.0, "", "0", -999.0}, {-999.0, "", "19.8", 19.8}};
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dLoaded);
        CResultView* pView = ShowResult({&R::m_bLab, &R::m_bAirborne}, [&](CProjectDoc& project) {
            project.m_ReportInfo.m_dTemperature1 = c.dLoaded;
            project.m_ReportInfo.m_dPressure1 = c.dLoaded;
            project.m_ReportInfo.m_dArea = 10.0;
            project.m_ReportInfo.m_sMassPerUnit = "420";
        });
        ASSERT_NE(nullptr, pView);
        CResultTabGrid& grid = *pView->GetResultGrid();
        EXPECT_STREQ("Temperature: ", Cell(grid, 40, 40));
        EXPECT_STREQ(c.lpszShown, Cell(grid, 56, 40));
        EXPECT_STREQ(c.lpszShown, Cell(grid, 18, 43));
        EXPECT_STREQ("10.00", Cell(grid, 56, 42));
        EXPECT_STREQ("420", Cell(grid, 56, 41));
        grid.SetCellText(56, 40, c.lpszTyped);
        grid.SetCellText(18, 43, c.lpszTyped);
        grid.SetCellText(56, 42, "0");
        grid.StoreEditableTexts();
        EXPECT_DOUBLE_EQ(c.dStored, Project().m_ReportInfo.m_dTemperature1);
        EXPECT_DOUBLE_EQ(c.dStored, Project().m_ReportInfo.m_dPressure1);
        EXPECT_DOUBLE_EQ(-999.0, Project().m_ReportInfo.m_dArea);
    }
}

// The impact pages show the curing time where the others show the test
// opening, and leave the project's area alone.
TEST_F(CResultWindowTest, ShowsTheCuringTimeOfAnImpactProject)
{
    CResultView* pView = ShowResult({&R::m_bLab, &R::m_bImpact}, [](CProjectDoc& project) {
        project.m_ReportInfo.m_sCuringTime = "28 d";
        project.m_ReportInfo.m_dArea = 10.0;
    });
    ASSERT_NE(nullptr, pView);
    CResultLabTabGrid& grid = dynamic_cast<CResultLabTabGrid&>(*pView->GetResultGrid());
    EXPECT_STREQ("Curing time:", Cell(grid, 40, 42));
    EXPECT_STREQ("28 d", grid.GetEditFieldText());
    grid.SetCuringTimeText("30 d");
    grid.StoreEditableTexts();
    EXPECT_STREQ("30 d", Project().m_ReportInfo.m_sCuringTime);
    EXPECT_DOUBLE_EQ(10.0, Project().m_ReportInfo.m_dArea);
}

TEST_F(CResultWindowTest, WritesTheLaboratoryImprovementPages)
{
    const struct {
        CFlags aFlags;
        int nCol, nRow;
        const char* lpszText;
    } aCases[] = {
        {{&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, 2, 6,
         "<:F,Symbol,13,500>D<:F,Arial,13,500>R<:S,-1>w,light<:S,0> = 12 dB"},
        {{&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, 2, 5, "Rating according to ISO 717-1 / 140-16"},
        {{&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, 21, 15, "<:F,Arial,13,500>R<:S,-1>with"},
        {{&R::m_bLab, &R::m_bImpact, &R::m_bReduction}, 2, 5, "Rating according to ISO 717-2"},
        {{&R::m_bLab, &R::m_bImpact, &R::m_bReductionLightweight}, 2, 41, "Type of reference floor:"},
        {{&R::m_bLab, &R::m_bImpact, &R::m_bReductionLightweight}, 18, 41, "2"},
        {{&R::m_bLab, &R::m_bImpact, &R::m_bReductionLightweight}, 23, 41, "No."},
        {{&R::m_bLab, &R::m_bAirborne}, 39, 15, "Background noise"},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        CResultView* pView = ShowResult(aCases[i].aFlags, [](CProjectDoc& project) {
            project.m_ReportInfo.m_nCoincidenceFreq = 2;
            project.m_ReportInfo.m_sPageText5 = "2";
            project.m_ReportInfo.m_sSourceRoomVolume = "55";
            project.m_Calc.m_dRating = 12.8;
        });
        ASSERT_NE(nullptr, pView);
        CResultTabGrid& grid = *pView->GetResultGrid();
        EXPECT_STREQ(aCases[i].lpszText, Cell(grid, aCases[i].nCol, aCases[i].nRow));
        EXPECT_EQ(CLabLines::VariantOf(Project().m_ReportInfo) == ELabVariant::kAirborne ? 122 : 58,
                  grid.GetRowCount());
        grid.StoreEditableTexts();
        EXPECT_STREQ("55", Project().m_ReportInfo.m_sSourceRoomVolume);
    }
}

TEST_F(CResultWindowTest, WritesTheSingleNumbersIntoTheirCells)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bReduction},
                                    [](CProjectDoc& project) { Rate(project, 52.4, -1.4, -5.7); });
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    EXPECT_STREQ("    R'<:S,-1>w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB", Cell(grid, 2, 6));
    EXPECT_STREQ("C<:S,-1>50-3150<:S,0>    = -2 dB", Cell(grid, 30, 6));
    EXPECT_STREQ("Rating according to ISO 717-1", Cell(grid, 2, 5));
    EXPECT_STREQ("Receiving room volume:", Cell(grid, 2, 40));
    EXPECT_STREQ("50", Cell(grid, 2, 17));
    EXPECT_STREQ("5000", Cell(grid, 2, 37));

    App().m_bExactRating = true;
    Command(ID_EXTRAS_TENTH_DB_ACCURACY);  // flips it back off and recalculates
    EXPECT_FALSE(App().m_bExactRating);
}

TEST_F(CResultWindowTest, ShowsAndReadsTheNumberFields)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bReduction});
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    const struct {
        double dValue;
        const char* lpszText;
        double dRead;
    } aCases[] = {{-499.5, "", -999.0}, {-500.0, "", -999.0}, {-499.4, "-499.4", -499.4}, {0.0, "0.0", -999.0},
                  {54.25, "54.2", 54.2}};
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dValue);
        grid.SetReceivingRoomVolume(c.dValue);
        EXPECT_STREQ(c.lpszText, Cell(grid, 18, 40));
        EXPECT_DOUBLE_EQ(c.dRead, grid.GetReceivingRoomVolume());
    }
}

TEST_F(CResultWindowTest, PastesOverCellsAndStoresWhenTheFieldIsLeft)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bReduction});
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    grid.GotoCell(18, 40);
    grid.PasteText("61.5\tb\r\nc");
    grid.m_bPasted = TRUE;

    EXPECT_STREQ("61.5", Cell(grid, 18, 40));
    EXPECT_STREQ("b", Cell(grid, 19, 40));
    EXPECT_STREQ("c", Cell(grid, 18, 41));
    for (const auto& cell : {std::make_pair(18, 40), std::make_pair(19, 41)}) {
        int nBlock = 0;
        EXPECT_TRUE(grid.IsSelected(cell.first, cell.second, &nBlock));
    }
    EXPECT_NE(61.5, Project().m_ReportInfo.m_dVolume);

    grid.GotoCell(5, 5);
    EXPECT_DOUBLE_EQ(61.5, Project().m_ReportInfo.m_dVolume);
    EXPECT_STREQ("61.5", Cell(grid, 18, 40));  // refilled by the recalculation from the stored value
}

TEST_F(CResultWindowTest, WritesNothingPastTheGrid)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO});
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    ASSERT_EQ(71, grid.GetColCount());
    ASSERT_EQ(122, grid.GetRowCount());
    grid.GotoCell(69, 120);
    grid.PasteText("x\ty\tz\r\nu\tv\tw\r\nlost");
    EXPECT_STREQ("y", Cell(grid, 70, 120));
    EXPECT_STREQ("v", Cell(grid, 70, 121));
    EXPECT_EQ(71, grid.GetColCount());
    EXPECT_EQ(122, grid.GetRowCount());
}

TEST_F(CResultWindowTest, KeepsEveryPastedLineInTheRemarks)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO});
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    grid.GotoCell(0, 45);
    grid.PasteText("first line\r\nsecond line");
    grid.StoreEditableTexts();
    EXPECT_STREQ("first line\r\nsecond line", Project().m_ReportInfo.m_sRemarksLabel);
}

TEST_F(CResultWindowTest, DeleteOnTheRemarksStartsAnEdit)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO});
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    grid.GotoCell(2, 40);
    UINT nKey = VK_DELETE;
    grid.OnKeyDown(&nKey, 0);
    EXPECT_FALSE(grid.IsEditing());

    grid.GotoCell(0, 45);
    nKey = VK_DELETE;
    grid.OnKeyDown(&nKey, 0);
    EXPECT_TRUE(grid.IsEditing());
}

// A field cleared in its edit and left by a click elsewhere is stored empty.
TEST_F(CResultWindowTest, StoresAnEmptiedFieldWhenTheFocusLeaves)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO}, [](CProjectDoc& project) {
        project.m_ReportInfo.m_sRemarksLabel = "Remarks: old";
    });
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    EXPECT_STREQ("Remarks: old", Cell(grid, 0, 45));
    grid.GotoCell(0, 45);
    grid.StartEdit();
    ASSERT_TRUE(grid.IsEditing());
    CWnd* pEdit = CWnd::GetFocus();
    ASSERT_NE(nullptr, pEdit);
    pEdit->SetWindowText("");
    grid.OnKillFocus(0, &MainFrame());
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_STREQ("", Project().m_ReportInfo.m_sRemarksLabel);
}

TEST_F(CResultWindowTest, AddsAPagePerMeasurementSet)
{
    const struct {
        int nSets;
        std::vector<int> aPageRows;
        int nPrintPages;
    } aCases[] = {{3, {128, 190, 252}, 5}, {1, {}, 2}};
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.nSets);
        CResultView* pView = ShowResult(
            {&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bAverageLoudspeaker}, [&](CProjectDoc& project) {
                project.m_ReportInfo.m_sTitle = "Title";
                for (int i = 0; i < c.nSets; ++i) {
                    CCalc set;
                    set.m_sLabel.Format("#%c", 'A' + i);
                    project.m_CalcSets.Add(set);
                }
            });
        ASSERT_NE(nullptr, pView);
        CResultTabGrid& grid = *pView->GetResultGrid();
        for (size_t i = 0; i < c.aPageRows.size(); ++i) {
            CString sTitle;
            sTitle.Format("#%c: Title", 'A' + static_cast<int>(i));
            EXPECT_EQ(sTitle, Cell(grid, 0, c.aPageRows[i]));
        }
        EXPECT_EQ(c.nPrintPages, pView->m_nPrintPages);
        EXPECT_EQ(c.aPageRows.empty() ? 122 : 311, grid.GetRowCount());
        EXPECT_STREQ(c.aPageRows.empty() ? "Level overview" : "Result chart", Cell(grid, 12, 62));
    }
}

TEST_F(CResultWindowTest, SingleLoudspeakerPageHasNoChart)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bSingleLoudspeaker});
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(58, pView->GetResultGrid()->GetRowCount());
    EXPECT_FALSE(pView->HasChart());
}

TEST_F(CResultWindowTest, ScalesTheChartAboveTheHighestLevel)
{
    const struct {
        double dHighest;
        double dTop;
    } aCases[] = {{99.0, 100.0}, {99.5, 110.0}, {119.0, 120.0}, {-999.0, 100.0}};
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dHighest);
        CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO}, [&](CProjectDoc& project) {
            // The chart reads the table's average, its first record; one
            // measurement averages to itself.
            NBuildData rec;
            rec.m_Spectrum.InsertSpecLine(20, c.dHighest, 1, 1);
            CMeasurementList& list = *project.GetMeasurementList(122);
            list.RemoveAll();
            list.AddTail(rec);
            list.AddTail(rec);
        });
        ASSERT_NE(nullptr, pView);
        ASSERT_TRUE(pView->HasChart());
        EXPECT_DOUBLE_EQ(c.dTop, pView->GetGraph().YAxisMax.At(0).GetDouble());
        EXPECT_DOUBLE_EQ(c.dTop - 100.0, pView->GetGraph().YAxisMin.At(0).GetDouble());
    }
}

// Each project writes its own graph file, and its chart cell takes the
// picture in the same update.
TEST_F(CResultWindowTest, ShowsTheChartExportedInTheSameUpdate)
{
    for (int nNumber : {1, 11}) {
        SCOPED_TRACE(nNumber);
        CProjectDoc::SetProjectCounter(nNumber - 1);
        CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO});
        ASSERT_NE(nullptr, pView);
        ASSERT_EQ(nNumber, Project().m_nProjectNumber);
        CKelWmfCellType& cell = pView->GetResultGrid()->GetGraphCellType();
        CString sName;
        sName.Format("\\resultgraph%d.wmf", nNumber);
        EXPECT_EQ(cell.GetGraphFile().GetLength() - sName.GetLength(), cell.GetGraphFile().Find(sName));
        EXPECT_NE(nullptr, cell.GetMetaFile().GetHandle());
    }
}

TEST_F(CResultWindowTest, CopiesTheChartAsAPicture)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO});
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    grid.GotoCell(CResultTabGrid::kGraphCellCol, CResultTabGrid::kGraphCellRow);
    EXPECT_EQ(0, grid.OnCopy());
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_ENHMETAFILE));
}

// Without a picture the chart cell leaves the clipboard as it was: a page
// outside a result window has its chart cell but never a chart.
TEST_F(CResultWindowTest, KeepsTheClipboardWithoutAChartPicture)
{
    CResultTabGrid grid;
    ASSERT_TRUE(grid.CreateGrid(WS_CHILD, CRect(0, 0, 400, 300), &MainFrame(), kViewKindResultTable));
    ASSERT_EQ(nullptr, grid.GetGraphCellType().GetMetaFile().GetHandle());
    ASSERT_EQ(0, grid.SetClipboardText("kept"));
    grid.GotoCell(CResultTabGrid::kGraphCellCol, CResultTabGrid::kGraphCellRow);
    EXPECT_EQ(1, grid.OnCopy());
    CString sText;
    ASSERT_EQ(0, grid.GetClipboardText(sText));
    EXPECT_STREQ("kept", sText);
}

TEST_F(CResultWindowTest, EnablesTheTogglesByProjectKind)
{
    const struct {
        CFlags aFlags;
        UINT nID;
        bool bEnabled;
    } aCases[] = {
        {{&R::m_bLab, &R::m_bAbsorption}, ID_EXTRAS_TENTH_DB_ACCURACY, false},
        {{&R::m_bLab, &R::m_bAbsorption}, ID_EXTRAS_SHIFTED_REF_CURVE, false},
        {{&R::m_bLab, &R::m_bAbsorption}, ID_EXTRAS_BGN_CORRECTION, false},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, ID_EXTRAS_BGN_CORRECTION, true},
        {{&R::m_bLab, &R::m_bImpactAirborne}, ID_EXTRAS_ZEZUR_CORRECTION, true},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, ID_EXTRAS_ZEZUR_CORRECTION, false},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, ID_EDIT_COPY, true},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, ID_EDIT_PASTE, false},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(nullptr, ShowResult(aCases[i].aFlags));
        EXPECT_EQ(aCases[i].bEnabled, IsCommandEnabled(aCases[i].nID));
    }
}

TEST_F(CResultWindowTest, EnablesPasteOnTheRemarksOnly)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO});
    ASSERT_NE(nullptr, pView);
    pView->GetResultGrid()->GotoCell(0, 45);
    EXPECT_TRUE(IsCommandEnabled(ID_EDIT_PASTE));
}

TEST_F(CResultWindowTest, ShowsTheShiftedCurveCheckedForAstm)
{
    ASSERT_NE(nullptr, ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bASTM}));
    App().m_bShiftedRefCurve = false;
    IsCommandEnabled(ID_EXTRAS_SHIFTED_REF_CURVE);
    CMenu* pMenu = MainFrame().GetMenu();
    ASSERT_NE(nullptr, pMenu);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED),
              pMenu->GetMenuState(ID_EXTRAS_SHIFTED_REF_CURVE, MF_BYCOMMAND) & MF_CHECKED);
}

// A toggle recalculates every open project: the results set by hand give
// way to those of the (empty) measurements.
TEST_F(CResultWindowTest, RecalculatesEveryProjectOnAToggle)
{
    const auto Rated = [](CProjectDoc& project) { Rate(project, 52.4, -1.4, -5.7); };
    CResultView* pFirst = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bReduction}, Rated);
    CProjectDoc& first = Project();
    CResultView* pSecond = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bReduction}, Rated);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_STREQ("    R'<:S,-1>w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB", Cell(*pFirst->GetResultGrid(), 2, 6));

    const bool bBefore = App().m_bBgnCorrection;
    Command(ID_EXTRAS_BGN_CORRECTION);

    EXPECT_NE(bBefore, App().m_bBgnCorrection);
    EXPECT_FALSE(CResultNumbers::IsPresent(first.m_Calc.m_dRating));
    for (CResultView* pView : {pFirst, pSecond})
        EXPECT_EQ(-1, CString(Cell(*pView->GetResultGrid(), 2, 6)).Find("= 52"));
}

TEST_F(CResultWindowTest, TakesNoCommandWhileTheTreeBarIsActive)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO});
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->OnCmdMsg(ID_EDIT_COPY, CN_COMMAND, nullptr, nullptr));
    TreeBar().m_bActive = true;
    EXPECT_FALSE(pView->OnCmdMsg(ID_EDIT_COPY, CN_COMMAND, nullptr, nullptr));
    TreeBar().m_bActive = false;
}

} // namespace
