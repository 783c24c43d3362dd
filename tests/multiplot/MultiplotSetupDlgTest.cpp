// Tests of "Multiplot Setup" (CMultiplotSetupDlg, CMultiplotSetupGrid) under
// Wine, opened as the project opens it: the scale lists by graph type and
// autoscale, spinning colours and samples, Apply, Cancel and OK.

#include "tests/tables/TableWindowFixture.h"

#include "CModalDialogWatch.h"
#include "multiplot/MultiplotLineSamples.h"
#include "multiplot/MultiplotSetupGrid.h"
#include "res/resource.h"

#include <string>

namespace {

class CMultiplotSetupDlgTest : public CTableWindowTest {
protected:
    // A level project scaled by hand: maximum 70, range 60, one curve.
    CVestolarDoc* LevelProject()
    {
        CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bMultiplot});
        CProjectDoc& project = pDoc->GetProject();
        project.m_nMultiplotGraphType = 0;
        project.m_nMultiplotLineType = 1;
        project.m_dMultiplotMax = 70.0;
        project.m_dMultiplotRange = 60.0;
        project.m_bMultiplotAutoScale = FALSE;
        AddMeasurement(pDoc, kMultiplotTableId, "C1", {{kBand100Hz, 50.0}});
        return pDoc;
    }
    // Runs the set-up of the project; action works in the open dialog.
    void RunSetup(CVestolarDoc* pDoc, const std::function<void(HWND)>& action)
    {
        CModalDialogWatch watch(action);
        pDoc->ShowView(111, FALSE, TRUE);
        EXPECT_EQ(1, watch.GetDialogCount());
    }
    static NBuildData& FirstCurve(CVestolarDoc* pDoc)
    {
        return pDoc->GetProject().GetMeasurementList(kMultiplotTableId)->GetHead();
    }
    static std::string Selected(HWND hDlg, int nID)
    {
        char szText[32] = {};
        ::GetDlgItemTextA(hDlg, nID, szText, sizeof szText);
        return szText;
    }
    static std::string Entries(HWND hDlg, int nID)
    {
        std::string sEntries;
        const int nCount = static_cast<int>(::SendDlgItemMessageA(hDlg, nID, CB_GETCOUNT, 0, 0));
        for (int n = 0; n < nCount; ++n) {
            char szText[32] = {};
            ::SendDlgItemMessageA(hDlg, nID, CB_GETLBTEXT, n, reinterpret_cast<LPARAM>(szText));
            sEntries += std::string(szText) + " ";
        }
        return sEntries;
    }
    // A click as the button reports it: auto buttons check themselves first.
    static void Click(HWND hDlg, int nID)
    {
        HWND hButton = ::GetDlgItem(hDlg, nID);
        const LRESULT nCheck = ::SendMessageA(hButton, BM_GETCHECK, 0, 0);
        if (nID >= IDC_MULTIPLOT_LEVEL && nID <= IDC_MULTIPLOT_ABSORPTION)
            ::CheckRadioButton(hDlg, IDC_MULTIPLOT_LEVEL, IDC_MULTIPLOT_ABSORPTION, nID);
        else if (nID == IDC_MULTIPLOT_THICKNESS || nID == IDC_MULTIPLOT_PATTERN)
            ::CheckRadioButton(hDlg, IDC_MULTIPLOT_THICKNESS, IDC_MULTIPLOT_PATTERN, nID);
        else if (nID == IDC_MULTIPLOT_AUTOSCALE)
            ::SendMessageA(hButton, BM_SETCHECK, nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    }
    static CMultiplotSetupGrid& Grid(HWND hDlg)
    {
        return *dynamic_cast<CMultiplotSetupGrid*>(CWnd::FromHandlePermanent(::GetDlgItem(hDlg, IDC_MULTIPLOT_CURVES)));
    }
};

TEST_F(CMultiplotSetupDlgTest, ResetsALevelScaleThatFitsNoEntry)
{
    CVestolarDoc* pDoc = LevelProject();
    pDoc->GetProject().m_dMultiplotMax = 65.0;
    std::string sMax;
    std::string sRange;

    RunSetup(pDoc, [&](HWND hDlg) {
        sMax = Selected(hDlg, IDC_MULTIPLOT_MAX);
        sRange = Selected(hDlg, IDC_MULTIPLOT_RANGE);
        ::SendMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });

    EXPECT_EQ("70", sMax);
    EXPECT_EQ("60", sRange);
    EXPECT_EQ(65.0, pDoc->GetProject().m_dMultiplotMax);
}

TEST_F(CMultiplotSetupDlgTest, SwitchingToAbsorptionOffersItsScaleAndOkStoresItEverywhere)
{
    CVestolarDoc* pDoc = LevelProject();
    std::string sMaxEntries;
    std::string sRangeEntries;
    std::string sSelected;

    RunSetup(pDoc, [&](HWND hDlg) {
        Click(hDlg, IDC_MULTIPLOT_ABSORPTION);
        sMaxEntries = Entries(hDlg, IDC_MULTIPLOT_MAX);
        sRangeEntries = Entries(hDlg, IDC_MULTIPLOT_RANGE);
        sSelected = Selected(hDlg, IDC_MULTIPLOT_MAX) + "/" + Selected(hDlg, IDC_MULTIPLOT_RANGE);
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });

    EXPECT_EQ("1.0 1.2 1.4 1.6 1.8 2.0 2.2 2.4 ", sMaxEntries);
    EXPECT_EQ("0.2 0.4 0.6 0.8 1.0 1.2 1.4 1.6 1.8 2.0 ", sRangeEntries);
    EXPECT_EQ("2.0/1.0", sSelected);
    const CProjectDoc& project = pDoc->GetProject();
    EXPECT_EQ(2, project.m_nMultiplotGraphType);
    EXPECT_EQ(2.0, project.m_dMultiplotMax);
    EXPECT_EQ(1.0, project.m_dMultiplotRange);
    EXPECT_EQ(2, App().m_nMultiplotGraphType);
    EXPECT_EQ(2.0, App().m_dMultiplotMax);
    EXPECT_EQ(1.0, App().m_dMultiplotRange);
}

// Choosing 1.4 as the range leaves 1.4 to 2.4 in the maximum list, and the
// maximum chosen back from its text stays selected.
TEST_F(CMultiplotSetupDlgTest, FiltersTheOtherListWhenAnEntryIsChosen)
{
    CVestolarDoc* pDoc = LevelProject();
    std::string sMaxEntries;
    std::string sSelected;

    RunSetup(pDoc, [&](HWND hDlg) {
        Click(hDlg, IDC_MULTIPLOT_ABSORPTION);
        HWND hRange = ::GetDlgItem(hDlg, IDC_MULTIPLOT_RANGE);
        ::SendMessageA(hRange, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("0.6"));
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_MULTIPLOT_RANGE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hRange));
        sMaxEntries = Entries(hDlg, IDC_MULTIPLOT_MAX);
        sSelected = Selected(hDlg, IDC_MULTIPLOT_MAX) + "/" + Selected(hDlg, IDC_MULTIPLOT_RANGE);
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });

    EXPECT_EQ("0.6 0.8 1.0 1.2 1.4 1.6 1.8 2.0 2.2 2.4 ", sMaxEntries);
    EXPECT_EQ("2.0/0.6", sSelected);
    EXPECT_EQ(0.6, pDoc->GetProject().m_dMultiplotRange);
}

TEST_F(CMultiplotSetupDlgTest, AutoscaleGreysTheListsAndClearingItFillsThem)
{
    CVestolarDoc* pDoc = LevelProject();
    pDoc->GetProject().m_bMultiplotAutoScale = TRUE;
    BOOL bEnabledAtStart = TRUE;
    BOOL bEnabledAfterClick = FALSE;
    std::string sMax;

    RunSetup(pDoc, [&](HWND hDlg) {
        bEnabledAtStart = ::IsWindowEnabled(::GetDlgItem(hDlg, IDC_MULTIPLOT_MAX));
        Click(hDlg, IDC_MULTIPLOT_AUTOSCALE);
        bEnabledAfterClick = ::IsWindowEnabled(::GetDlgItem(hDlg, IDC_MULTIPLOT_RANGE));
        sMax = Selected(hDlg, IDC_MULTIPLOT_MAX);
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });

    EXPECT_FALSE(bEnabledAtStart);
    EXPECT_TRUE(bEnabledAfterClick);
    EXPECT_EQ("70", sMax);
    EXPECT_FALSE(pDoc->GetProject().m_bMultiplotAutoScale);
    EXPECT_FALSE(App().m_bMultiplotAutoScale);
}

// Black spun down gives white, style 4 spun up gives solid; OK stores both
// in the curve and in the defaults of slot 0.
TEST_F(CMultiplotSetupDlgTest, SpinningWrapsColourAndStyleRound)
{
    CVestolarDoc* pDoc = LevelProject();
    FirstCurve(pDoc).m_nLineColor = 0;
    FirstCurve(pDoc).m_nLineStyle = 4;
    COLORREF shownColor = 0;

    RunSetup(pDoc, [&](HWND hDlg) {
        CMultiplotSetupGrid& grid = Grid(hDlg);
        const int nRow = CMultiplotSetupGrid::RowOf(0);
        grid.OnCellTypeNotify(0, CMultiplotSetupGrid::kColorCol, nRow, CGRSpinButtonType::kMessageDown, 0);
        grid.OnCellTypeNotify(0, CMultiplotSetupGrid::kSampleCol, nRow, CGRSpinButtonType::kMessageUp, 0);
        CGRCell cell;
        grid.GetCell(CMultiplotSetupGrid::kColorCol, nRow, &cell);
        shownColor = cell.GetBackColor();
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });

    EXPECT_EQ(RGB(255, 255, 255), shownColor);
    EXPECT_EQ(15, FirstCurve(pDoc).m_nLineColor);
    EXPECT_EQ(0, FirstCurve(pDoc).m_nLineStyle);
    EXPECT_EQ(15, App().m_aLineColor[0]);
    EXPECT_EQ(0, App().m_aLineStyle[0]);
}

// After the switch to Thickness the samples show the widths, and spinning
// starts from the width shown.
TEST_F(CMultiplotSetupDlgTest, SwitchingToThicknessShowsAndSpinsTheWidths)
{
    CVestolarDoc* pDoc = LevelProject();
    FirstCurve(pDoc).m_nLineStyle = 3;
    FirstCurve(pDoc).m_nLineSize = 2;

    RunSetup(pDoc, [&](HWND hDlg) {
        Click(hDlg, IDC_MULTIPLOT_THICKNESS);
        Grid(hDlg).OnCellTypeNotify(0, CMultiplotSetupGrid::kSampleCol, CMultiplotSetupGrid::RowOf(0),
                                    CGRSpinButtonType::kMessageUp, 0);
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });

    EXPECT_EQ(0, pDoc->GetProject().m_nMultiplotLineType);
    EXPECT_EQ(3, FirstCurve(pDoc).m_nLineSize);
    EXPECT_EQ(3, FirstCurve(pDoc).m_nLineStyle);
}

TEST_F(CMultiplotSetupDlgTest, CancelAfterApplyKeepsTheAppliedProjectButNotTheDefaults)
{
    CVestolarDoc* pDoc = LevelProject();
    App().m_nMultiplotGraphType = 0;
    App().m_dMultiplotMax = 70.0;
    int nTypeAfterApply = -1;

    RunSetup(pDoc, [&](HWND hDlg) {
        Click(hDlg, IDC_MULTIPLOT_REVERBERATION);
        ::SetDlgItemTextA(hDlg, IDC_MULTIPLOT_GRAPH_TITLE, "Walls");
        Click(hDlg, IDC_MULTIPLOT_APPLY);
        nTypeAfterApply = pDoc->GetProject().m_nMultiplotGraphType;
        ::SendMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });

    EXPECT_EQ(1, nTypeAfterApply);
    const CProjectDoc& project = pDoc->GetProject();
    EXPECT_EQ(1, project.m_nMultiplotGraphType);
    EXPECT_EQ(4.0, project.m_dMultiplotMax);
    EXPECT_STREQ("Walls", project.m_ReportInfo.m_sSubTitle);
    EXPECT_EQ(0, App().m_nMultiplotGraphType);
    EXPECT_EQ(70.0, App().m_dMultiplotMax);
}

} // namespace
