// The extended field report page and the SIA 181 page in the report
// window: which projects open them, the room block and where the moved
// fields land, the rating heading, adaptation terms and single-number
// line, the band marks, and the room texts and receiving filter stored.

#include "app/ShellWindowsFixture.h"

#include "app/AppSettings.h"
#include "app/ProjectView.h"
#include "app/ProjectWindows.h"
#include "app/ReportView.h"
#include "model/ViewKinds.h"
#include "reports/ReportEXTGrid.h"
#include "reports/ReportSIAGrid.h"

#include <functional>

namespace {

using R = CReportInfo;
typedef std::vector<bool CReportInfo::*> CFlags;

// The band of 100 Hz in the table, four rows lower than on the plain page.
constexpr int kBand = 20, kBandRow = 29;

class CReportExtendedPagesTest : public CShellWindowsTest {
protected:
    void TearDown() override
    {
        CProjectView::GetSettings().m_bExtendedReport = false;
        CShellWindowsTest::TearDown();
    }
    // The page of a project of the kind, rated and prepared before its
    // report window opens, with the extended input options on or off.
    CReportEXTGrid* OpenPage(const CFlags& aFlags, bool bExtended,
                             const std::function<void(CProjectDoc&)>& prepare = {})
    {
        CProjectView::GetSettings().m_bExtendedReport = bExtended;
        m_pDoc = NewProject(aFlags);
        CProjectDoc& project = Project();
        project.m_ReportInfo.m_sIndexStr = "D";
        project.m_ReportInfo.m_sSubscript = "nT";
        project.m_Calc.m_dRating = 52.46;
        project.m_Calc.m_dC = -1.4;
        project.m_Calc.m_dCtr = -5.7;
        project.m_Calc.m_dCI = 2.8;
        project.m_Calc.m_dC50_3150 = -2.1;
        project.m_Calc.m_dCI50_2500 = 3.9;
        project.m_Calc.m_dFinalValue = 50.6;
        project.m_Calc.m_dVolumeCorr = -1.2;
        project.m_Calc.m_dCtr50_3150 = -8.9;
        project.m_Calc.m_aSpec[0].InsertSpecLine(kBand, 41.26, 1, 1);
        if (prepare)
            prepare(project);
        m_pDoc->ShowView(kViewKindReport, FALSE, TRUE);
        PumpMessages();
        auto* pView = dynamic_cast<CReportView*>(CProjectWindows::FindView(m_pDoc, kViewKindReport));
        m_pView = pView;
        return pView != nullptr ? dynamic_cast<CReportEXTGrid*>(pView->GetReportGrid()) : nullptr;
    }
    CProjectDoc& Project() { return m_pDoc->GetProject(); }
    void Refill() { m_pView->OnUpdate(nullptr, 0, nullptr); }

    CVestolarDoc* m_pDoc = nullptr;
    CReportView* m_pView = nullptr;
};

CString Cell(CGRCtrl& grid, int nCol, int nRow)
{
    return grid.GetCellText(nCol, nRow);
}

TEST_F(CReportExtendedPagesTest, OpensTheExtendedPageByTheOptionAndTheSiaPageAlways)
{
    const struct {
        CFlags aFlags;
        bool bExtended;
        bool bExtendedPage, bSiaPage;
    } aCases[] = {
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, true, true, false},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, false, false, false},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bFacade}, true, false, false},
        {{&R::m_bField, &R::m_bImpactAirborne, &R::m_bDIN, &R::m_bFacade}, true, true, false},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, false, true, true},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, true, true, true},
    };
    for (size_t k = 0; k < std::size(aCases); ++k) {
        SCOPED_TRACE(k);
        const auto& c = aCases[k];
        CReportEXTGrid* pGrid = OpenPage(c.aFlags, c.bExtended);
        ASSERT_NE(nullptr, m_pView);
        EXPECT_EQ(c.bExtendedPage, pGrid != nullptr);
        EXPECT_EQ(c.bSiaPage, dynamic_cast<CReportSIAGrid*>(pGrid) != nullptr);
        if (pGrid == nullptr)
            continue;
        EXPECT_EQ(CReportEXTGrid::kRows, pGrid->GetRowCount());
        EXPECT_EQ(16, pGrid->GetFields().m_graph.nRow);
        EXPECT_FALSE(pGrid->GetGraphCellType().GetGraphFile().IsEmpty());
        EXPECT_STREQ("Source room:", Cell(*pGrid, 0, 12));
        EXPECT_STREQ("Receiving room:", Cell(*pGrid, 35, 12));
        EXPECT_STREQ("Location:", Cell(*pGrid, 35, 15));
        const int nNoiseRow = c.bSiaPage ? 17 : 16;
        EXPECT_STREQ("Noise type:", Cell(*pGrid, 0, nNoiseRow));
        EXPECT_STREQ("Receiving filter:", Cell(*pGrid, 0, nNoiseRow + 1));
        EXPECT_STREQ("Receiving room volume:", Cell(*pGrid, 0, 21));
        EXPECT_STREQ("100", Cell(*pGrid, 2, kBandRow));
        EXPECT_STREQ("41.3", Cell(*pGrid, 10, kBandRow));
        EXPECT_STREQ("Date:", Cell(*pGrid, 0, 60));
    }
}

TEST_F(CReportExtendedPagesTest, WritesTheTermsAndLinesOfTheKindAndEdition)
{
    const struct {
        CFlags aFlags;
        int nYear;
        int nCol, nRow;
        const char* lpszText;
    } aCases[] = {
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, 1996, 30, 53, "C<:S,-1>50-3150<:S,0>    = -2 dB"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, 1996, 30, 54, "C<:S,-1>tr,50-3150<:S,0> = -8 dB"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO}, 1996, 2, 52, "Rating according to ISO 717-1"},
        {{&R::m_bField, &R::m_bImpact, &R::m_bISO}, 1996, 43, 53, "C<:S,-1>l,50-2500<:S,0>    = 3 dB"},
        {{&R::m_bField, &R::m_bImpact, &R::m_bISO}, 1996, 30, 54, ""},
        {{&R::m_bField, &R::m_bImpact, &R::m_bISO}, 2006, 43, 53, "L'<:S,-1>tot<:S,0> = 50 dB"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bLowFreq}, 2006, 43, 53, "D<:S,-1>i50,tot<:S,0> = 50 dB"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bLowFreq}, 2006, 56, 53, "C<:S,-1>tr,50-3150<:S,0> = -8 dB"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bOEN}, 1996, 2, 52, "Rating according to \xD6NORM EN ISO 717-1"},
        {{&R::m_bField, &R::m_bImpactAirborne, &R::m_bDIN, &R::m_bFacade}, 1996, 9, 23,
         "<:F,Arial,13,500>D<:S,-1>nT<:F,Symbol,13,500><:S,-1>J<:F,Arial,13,500><:S,-1>"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, 2006, 2, 52, "Rating according to ISO 717-1 / SIA 181-2006"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, 1988, 2, 52, "Rating according to ISO 717-1"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, 1988, 30, 53, ""},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, 1988, 30, 54, ""},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, 2006, 43, 53, "D<:S,-1>i,tot<:S,0> = 50 dB"},
        {{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, 1988, 2, 53,
         "    D<:S,-1>nT<:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB"},
    };
    for (size_t k = 0; k < std::size(aCases); ++k) {
        SCOPED_TRACE(k);
        const auto& c = aCases[k];
        CReportEXTGrid* pGrid = OpenPage(c.aFlags, true, [&c](CProjectDoc& project) {
            project.m_ReportInfo.m_nYear = c.nYear;
        });
        ASSERT_NE(nullptr, pGrid);
        EXPECT_STREQ(c.lpszText, Cell(*pGrid, c.nCol, c.nRow));
    }
}

TEST_F(CReportExtendedPagesTest, SiaPageMarksABandNearTheBackgroundAndEmptiesTheNoteWithoutOne)
{
    CAppSettings& settings = CProjectView::GetSettings();
    settings.m_bBgnCorrection = true;
    settings.m_bShowReportBgnIndex = true;
    settings.m_sTextBgnTooHigh = "Background";
    CReportEXTGrid* pGrid = OpenPage({&R::m_bField, &R::m_bAirborne, &R::m_bSIA}, false, [](CProjectDoc& project) {
        project.m_Calc.m_aSpec[4].InsertSpecLine(kBand, 30.0, 1, 2);
    });
    ASSERT_NE(nullptr, pGrid);
    EXPECT_STREQ("     \xB3", Cell(*pGrid, 9, kBandRow));
    EXPECT_STREQ("1<:S,1>", Cell(*pGrid, 15, kBandRow));
    EXPECT_STREQ("<:F,Arial,8,400> 1<:S,1>: <:F,Arial,13,500>Background", Cell(*pGrid, 2, 48));
    Project().m_Calc.m_aSpec[4].SetMeasStatus(kBand, 1);
    Refill();
    EXPECT_STREQ("", Cell(*pGrid, 9, kBandRow));
    EXPECT_STREQ("", Cell(*pGrid, 2, 48));
}

// An impact-plus-airborne band is marked only when a correction of the
// band reached its limit, not for being shown.
TEST_F(CReportExtendedPagesTest, SiaPageMarksImpactAirborneBandsByTheirStatus)
{
    CProjectView::GetSettings().m_bBgnCorrection = true;
    for (BYTE nStatus : {BYTE(1), BYTE(2)}) {
        SCOPED_TRACE(nStatus);
        CReportEXTGrid* pGrid =
            OpenPage({&R::m_bField, &R::m_bImpactAirborne, &R::m_bSIA}, false, [nStatus](CProjectDoc& project) {
                project.m_Calc.m_aSpec[4].InsertSpecLine(kBand, 30.0, 1, nStatus);
            });
        ASSERT_NE(nullptr, pGrid);
        EXPECT_STREQ(nStatus == 2 ? "     < " : "", Cell(*pGrid, 9, kBandRow));
        EXPECT_EQ(nStatus == 2, !Cell(*pGrid, 2, 48).IsEmpty());
    }
}

TEST_F(CReportExtendedPagesTest, StoresTheRoomTextsInTheProjectAndTheFilterForEveryProject)
{
    for (const CFlags& aFlags : {CFlags{&R::m_bField, &R::m_bAirborne, &R::m_bISO},
                                 CFlags{&R::m_bField, &R::m_bAirborne, &R::m_bSIA}}) {
        CReportEXTGrid* pGrid = OpenPage(aFlags, true, [](CProjectDoc& project) {
            project.m_ReportInfo.m_sConditionSend = "furnished";
            project.m_ReportInfo.m_sNoiseType = "pink";
        });
        ASSERT_NE(nullptr, pGrid);
        const CFieldPos& condition = pGrid->RoomTextPos(CReportEXTGrid::kSourceCondition);
        EXPECT_STREQ("furnished", Cell(*pGrid, condition.nCol, condition.nRow));
        EXPECT_STREQ("pink", pGrid->GetRoomText(CReportEXTGrid::kNoiseType));
        for (int k = 0; k < CReportEXTGrid::kRoomTexts; ++k) {
            CString sText;
            sText.Format("text %d", k);
            pGrid->SetRoomText(static_cast<CReportEXTGrid::ERoomText>(k), sText);
        }
        pGrid->StoreFieldsToReportInfo();
        const CReportInfo& info = Project().m_ReportInfo;
        const CString aStored[] = {info.m_sConditionSend, info.m_sConditionReceive, info.m_sTypeSend,
                                   info.m_sTypeReceive,   info.m_sLocationSend,     info.m_sLocationReceive,
                                   info.m_sNoiseType,     CProjectView::GetSettings().m_sRec_Filter};
        for (int k = 0; k < CReportEXTGrid::kRoomTexts; ++k) {
            CString sText;
            sText.Format("text %d", k);
            EXPECT_EQ(sText, aStored[k]);
        }
    }
    CReportEXTGrid* pNext = OpenPage({&R::m_bField, &R::m_bImpact, &R::m_bISO}, true);
    ASSERT_NE(nullptr, pNext);
    EXPECT_STREQ("text 7", pNext->GetRoomText(CReportEXTGrid::kReceivingFilter));
}

TEST_F(CReportExtendedPagesTest, RoomTextsAreEditableAndPastedOnlyOnTheSiaPage)
{
    for (bool bSia : {false, true}) {
        SCOPED_TRACE(bSia);
        CReportEXTGrid* pGrid = OpenPage({&R::m_bField, &R::m_bAirborne, bSia ? &R::m_bSIA : &R::m_bISO}, true);
        ASSERT_NE(nullptr, pGrid);
        for (int k = 0; k < CReportEXTGrid::kRoomTexts; ++k) {
            const CFieldPos& pos = pGrid->RoomTextPos(static_cast<CReportEXTGrid::ERoomText>(k));
            CGRCell cell;
            pGrid->GetCellIndirect(pos.nCol, pos.nRow, &cell);
            EXPECT_FALSE(cell.GetReadOnly());
            EXPECT_EQ(CPageGrid::kEditableShade, cell.GetBackColor());
            EXPECT_EQ(bSia, pGrid->IsEditableCell(pos.nCol, pos.nRow));
        }
        EXPECT_TRUE(pGrid->IsEditableCell(18, 58));
    }
}

} // namespace
