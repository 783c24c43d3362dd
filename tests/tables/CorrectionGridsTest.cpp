// Behaviours of the background-noise and flanking-transmission correction
// grids, created as the result window creates them (the view kind as
// control id, filling the window) over projects with known averaged levels
// and result spectra: empty values with the correction off, the values and
// remarks of each band, the corner project's bands, one block per set, the
// band range check and the context menu left to the window.

#include "TableWindowFixture.h"

#include "tables/BgnCorrGrid.h"
#include "tables/FlankingTransCorrGrid.h"

#include "app/ProjectView.h"
#include "res/resource.h"

#include <functional>
#include <memory>

namespace {
constexpr int kBand = 20;   // 100 Hz
constexpr int kMissingBand = 21;
constexpr int kBandRow = 4 + kBand - CBgnCorrGrid::kFirstBand;
} // namespace

class CCorrectionGridsTest : public CTableWindowTest {
protected:
    void TearDown() override
    {
        if (m_pGrid != nullptr)
            m_pGrid->DestroyWindow();
        m_pGrid.reset();
        App().m_bBgnCorrection = false;
        App().m_bFtmCorrection = false;
        CTableWindowTest::TearDown();
    }

    // The averaged level of a table in one band, as the averaging leaves it.
    static void SetSummary(CVestolarDoc* pDoc, int nTableId, int nBand, double dValue)
    {
        pDoc->GetProject().GetMeasurementList(nTableId)->GetHead().m_Spectrum.InsertSpecLine(nBand, dValue, 1, 1);
    }
    static void SetSpec(CCalc& calc, int nSpectrum, int nBand, double dValue, BYTE nStatus)
    {
        calc.m_aSpec[nSpectrum].InsertSpecLine(nBand, dValue, 1, nStatus);
    }

    // The grid of view kind nKind in the project's result window, made
    // after the window's own recalculation and then prepare().
    template <class TGrid>
    TGrid& CreateGrid(CVestolarDoc* pDoc, int nKind, const std::function<void(CProjectDoc&)>& prepare = {})
    {
        pDoc->ShowView(nKind, FALSE, TRUE);
        PumpMessages();
        if (prepare)
            prepare(pDoc->GetProject());
        CView* pView = CProjectWindows::FindView(pDoc, nKind);
        EXPECT_NE(nullptr, pView);
        auto pGrid = std::make_unique<TGrid>();
        CRect client;
        pView->GetClientRect(&client);
        EXPECT_TRUE(pGrid->CreateGrid(WS_CHILD | WS_VISIBLE, client, pView, static_cast<UINT>(nKind)));
        PumpMessages();
        TGrid& grid = *pGrid;
        m_pGrid = std::move(pGrid);
        return grid;
    }
    static CString Text(CGRCtrl& grid, int nCol, int nRow)
    {
        return grid.GetCellText(nCol, nRow) != nullptr ? CString(grid.GetCellText(nCol, nRow)) : CString();
    }

    // The background table of a field airborne project: 50 dB received,
    // 40 dB background, a correction of -1.5 dB at 100 Hz and none at 125 Hz.
    CBgnCorrGrid& GridWithBackground()
    {
        CVestolarDoc* pDoc = FieldAirborneProject();
        return CreateGrid<CBgnCorrGrid>(pDoc, 105, [pDoc](CProjectDoc& project) {
            for (int nBand : {kBand, kMissingBand}) {
                SetSummary(pDoc, 123, nBand, 50.0);
                SetSummary(pDoc, 125, nBand, 40.0);
            }
            SetSpec(project.m_Calc, 4, kBand, -1.5, 16);
            SetSpec(project.m_Calc, 4, kMissingBand, kMissingValue, 4);
        });
    }

    std::unique_ptr<CBgnCorrGrid> m_pGrid;
};

TEST_F(CCorrectionGridsTest, ShowsHeadingsAndEmptyValuesWithTheCorrectionOff)
{
    CBgnCorrGrid& grid = GridWithBackground();
    EXPECT_EQ(8, grid.GetColCount());
    EXPECT_EQ(51, grid.GetRowCount());
    EXPECT_EQ(CString("Background noise correction table"), Text(grid, 0, 0));
    const char* const aHeadings[] = {"L2", "L2sb", "Lb", "L2-L2sb"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(CString(aHeadings[i]), Text(grid, 2 + i, 2));
        EXPECT_EQ(CString("[dB]"), Text(grid, 2 + i, 3));
        EXPECT_EQ(CString(), Text(grid, 2 + i, kBandRow));
    }
    EXPECT_EQ(CString("Legend:"), Text(grid, 0, 40));
    EXPECT_EQ(CString("Lb:      Background noise level"), Text(grid, 0, 41));
    EXPECT_EQ(CString(), Text(grid, 6, kBandRow));
}

TEST_F(CCorrectionGridsTest, ShowsTheCorrectedLevelsAndRemarksBandByBand)
{
    App().m_bBgnCorrection = true;
    CBgnCorrGrid& grid = GridWithBackground();
    EXPECT_EQ(CString("48.5"), Text(grid, 2, kBandRow));
    EXPECT_EQ(CString("50.0"), Text(grid, 3, kBandRow));
    EXPECT_EQ(CString("40.0"), Text(grid, 4, kBandRow));
    EXPECT_EQ(CString("-1.5"), Text(grid, 5, kBandRow));
    EXPECT_EQ(CString("Correction for Background noise"), Text(grid, 6, kBandRow));
    // No correction: the corrected level and the correction stay empty.
    EXPECT_EQ(CString(), Text(grid, 2, kBandRow + 1));
    EXPECT_EQ(CString("50.0"), Text(grid, 3, kBandRow + 1));
    EXPECT_EQ(CString(), Text(grid, 5, kBandRow + 1));
}

TEST_F(CCorrectionGridsTest, CornerProjectShowsBands50To80HzInView106)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner});
    CBgnCorrGrid& grid = CreateGrid<CBgnCorrGrid>(pDoc, 106);
    for (int nBand = CBgnCorrGrid::kFirstBand; nBand < 44; ++nBand) {
        const bool bShown = nBand >= 17 && nBand <= 19;
        EXPECT_EQ(bShown ? 20 : 0, grid.GetRowHeight(4 + nBand - CBgnCorrGrid::kFirstBand)) << "band " << nBand;
    }
    EXPECT_EQ(-1, grid.SetFreqRange(5, 50));
    EXPECT_EQ(20, grid.GetRowHeight(4 + 17 - CBgnCorrGrid::kFirstBand));
    EXPECT_EQ(0, grid.GetRowHeight(4 + 30 - CBgnCorrGrid::kFirstBand));
}

// Two loudspeaker positions: one block per set, 52 rows apart and whole;
// the main block keeps its remarks but no values.
TEST_F(CCorrectionGridsTest, ShowsOneBlockPerSet)
{
    App().m_bBgnCorrection = true;
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bAverageLoudspeaker});
    CBgnCorrGrid& grid = CreateGrid<CBgnCorrGrid>(pDoc, 105, [pDoc](CProjectDoc& project) {
        SetSummary(pDoc, 125, kBand, 40.0);
        SetSpec(project.m_Calc, 4, kBand, -1.5, 16);
        project.m_CalcSets.RemoveAll();
        for (const char* lpszLabel : {"#A", "#B"}) {
            CCalc set;
            set.m_sLabel = lpszLabel;
            SetSpec(set, 19, kBand, 55.0, 1);
            SetSpec(set, 4, kBand, -0.5, 16);
            project.m_CalcSets.Add(set);
        }
    });
    grid.SetRowLayout(0);
    grid.SetRowLayout(1);
    EXPECT_EQ(52 * 3 - 1, grid.GetRowCount());
    EXPECT_EQ(CString("#A: Background noise correction table"), Text(grid, 0, 52));
    EXPECT_EQ(CString("#B: Background noise correction table"), Text(grid, 0, 104));
    EXPECT_EQ(CString("54.5"), Text(grid, 2, 104 + kBandRow));
    EXPECT_EQ(CString("55.0"), Text(grid, 3, 52 + kBandRow));
    EXPECT_EQ(CString("Legend:"), Text(grid, 0, 104 + 40));
    EXPECT_EQ(CString(), Text(grid, 2, kBandRow));
    EXPECT_EQ(CString("Correction for Background noise"), Text(grid, 6, kBandRow));
}

TEST_F(CCorrectionGridsTest, FlankingTableShowsTheCorrectionOfALaboratoryProject)
{
    App().m_bFtmCorrection = true;
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bLab, &CReportInfo::m_bAirborne});
    CFlankingTransCorrGrid& grid = CreateGrid<CFlankingTransCorrGrid>(pDoc, 106, [pDoc](CProjectDoc& project) {
        project.m_ReportInfo.m_nYear = 2012;
        SetSummary(pDoc, 130, kBand, 60.0);
        SetSpec(project.m_Calc, 0, kBand, 45.0, 1);
        SetSpec(project.m_Calc, 5, kBand, 2.0, 2);
    });
    EXPECT_EQ(CString("Flanking transmission correction table"), Text(grid, 0, 0));
    EXPECT_EQ(CString("<:F,Arial,16,600>R"), Text(grid, 2, 2));
    EXPECT_EQ(CString("45.0"), Text(grid, 2, kBandRow));
    EXPECT_EQ(CString("43.0"), Text(grid, 3, kBandRow));
    EXPECT_EQ(CString("60.0"), Text(grid, 4, kBandRow));
    EXPECT_EQ(CString("2.0"), Text(grid, 5, kBandRow));
    EXPECT_EQ(CString("Minimum values"), Text(grid, 6, kBandRow));
}

// A right click leaves the context menu to the window: the grid posts
// WM_CONTEXTMENU with both parameters 0 to it.
TEST_F(CCorrectionGridsTest, RightClickPostsTheContextMenuToTheWindow)
{
    CBgnCorrGrid& grid = GridWithBackground();
    CRect rect;
    grid.GetCellRect(2, kBandRow, &rect);
    const LPARAM lPoint = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    grid.GetCellArea()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, lPoint);
    grid.GetCellArea()->SendMessage(WM_RBUTTONUP, 0, lPoint);
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageA(&msg, grid.GetParent()->GetSafeHwnd(), WM_CONTEXTMENU, WM_CONTEXTMENU, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
    EXPECT_EQ(0, msg.lParam);
}
