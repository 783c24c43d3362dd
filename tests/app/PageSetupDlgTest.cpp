// The page set-up dialog: the margins' spin arrows wrap around, a margin out
// of range keeps the dialog open, the legend box shows for the measurement
// tables only, OK stores the record and moves the next printed page of the
// report and the multiplot table, Cancel keeps it.

#include "PrintScript.h"
#include "ShellWindowsFixture.h"

#include "app/AppSettings.h"
#include "app/PageSetup.h"
#include "app/PageSetupDlg.h"
#include "app/ProjectWindows.h"
#include "app/ReportView.h"
#include "model/ProjectDoc.h"
#include "model/ViewKinds.h"
#include "res/resource.h"

#include "CModalDialogWatch.h"
#include "support/DialogSpin.h"

#include <algorithm>
#include <functional>

namespace {

int ValueOf(HWND hDlg, int nID)
{
    return static_cast<int>(::GetDlgItemInt(hDlg, nID, nullptr, TRUE));
}

void Press(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
}

// The dialog itself shows only once its modal loop is idle, after the
// test's action has run: read the control's own visibility.
bool IsShownInDialog(HWND hDlg, int nID)
{
    return (::GetWindowLongA(::GetDlgItem(hDlg, nID), GWL_STYLE) & WS_VISIBLE) != 0;
}

class CPageSetupDlgTest : public CShellWindowsTest {
protected:
    // Edits the record in the dialog that use drives.
    bool Edit(CPageSetup& setup, bool bWithLegend, const std::function<void(HWND)>& use)
    {
        CModalDialogWatch watch(use);
        return CPageSetupDlg::EditPageSetup(setup, bWithLegend, &MainFrame());
    }
};

TEST_F(CPageSetupDlgTest, SpinArrowsWrapAroundAtTheLimits)
{
    CPageSetup setup(50, 0, false);
    std::vector<int> values;
    ASSERT_TRUE(Edit(setup, false, [&](HWND hDlg) {
        Spin(hDlg, IDC_PAGE_SETUP_TOP_SPIN, -1);  // up at 50
        values.push_back(ValueOf(hDlg, IDC_PAGE_SETUP_TOP));
        Spin(hDlg, IDC_PAGE_SETUP_LEFT_SPIN, 1);  // down at 0
        values.push_back(ValueOf(hDlg, IDC_PAGE_SETUP_LEFT));
        ::SetDlgItemTextA(hDlg, IDC_PAGE_SETUP_LEFT, "20");  // typed, not taken by the arrows
        Spin(hDlg, IDC_PAGE_SETUP_LEFT_SPIN, -1);
        values.push_back(ValueOf(hDlg, IDC_PAGE_SETUP_LEFT));
        Press(hDlg, IDOK);
    }));
    EXPECT_EQ((std::vector<int>{0, 50, 0}), values);
    EXPECT_EQ(0, setup.m_nTopMargin);
    EXPECT_EQ(0, setup.m_nLeftMargin);
}

// The framework's range check names the range and gives the edit the
// focus; the dialog ends with the value typed next.
TEST_F(CPageSetupDlgTest, AMarginOutOfRangeKeepsTheDialogOpen)
{
    CPageSetup setup(10, 10, false);
    bool bEditFocused = false;
    ASSERT_TRUE(Edit(setup, false, [&](HWND hDlg) {
        ::SetDlgItemTextA(hDlg, IDC_PAGE_SETUP_TOP, "51");
        Press(hDlg, IDOK);
        bEditFocused = ::GetFocus() == ::GetDlgItem(hDlg, IDC_PAGE_SETUP_TOP);
        ::SetDlgItemTextA(hDlg, IDC_PAGE_SETUP_TOP, "50");
        Press(hDlg, IDOK);
    }));
    EXPECT_TRUE(bEditFocused);
    ASSERT_EQ(1u, m_boxes.m_boxes.size());
    EXPECT_NE(std::string::npos, m_boxes.m_boxes[0].sText.find("50")) << m_boxes.m_boxes[0].sText;
    EXPECT_EQ(50, setup.m_nTopMargin);
}

TEST_F(CPageSetupDlgTest, ShowsAndStoresTheLegendForTablesOnly)
{
    struct Row {
        bool bWithLegend;
        bool bStoredLegend;
    };
    for (const Row& row : {Row{true, false}, Row{false, true}}) {
        SCOPED_TRACE(row.bWithLegend);
        CPageSetup setup(10, 10, true);
        bool bShown = !row.bWithLegend;
        ASSERT_TRUE(Edit(setup, row.bWithLegend, [&](HWND hDlg) {
            bShown = IsShownInDialog(hDlg, IDC_PAGE_SETUP_PRINT_LEGEND);
            ::CheckDlgButton(hDlg, IDC_PAGE_SETUP_PRINT_LEGEND, BST_UNCHECKED);
            Press(hDlg, IDOK);
        }));
        EXPECT_EQ(row.bWithLegend, bShown);
        EXPECT_EQ(row.bStoredLegend, setup.m_bPrintLegend);
    }
}

TEST_F(CPageSetupDlgTest, CancelKeepsTheRecord)
{
    CPageSetup setup(18, 13, false);
    setup.m_sHeaderLeft = "Left";
    EXPECT_FALSE(Edit(setup, false, [&](HWND hDlg) {
        ::SetDlgItemTextA(hDlg, IDC_PAGE_SETUP_HEADER_LEFT, "");
        ::SetDlgItemTextA(hDlg, IDC_PAGE_SETUP_FOOTER_RIGHT, "&D");
        Spin(hDlg, IDC_PAGE_SETUP_TOP_SPIN, -1);
        Press(hDlg, IDCANCEL);
    }));
    EXPECT_EQ(CString("Left"), setup.m_sHeaderLeft);
    EXPECT_EQ(CString(), setup.m_sFooterRight);
    EXPECT_EQ(18, setup.m_nTopMargin);
}

// The Page Setup of the report and of the multiplot table, without the
// legend box: OK with a wider left margin moves the printed page's texts
// right by the difference (10 mm: 39 pixels at 100 dpi); the legend flag of
// the tables' record stays as it was.
TEST_F(CPageSetupDlgTest, OkMovesTheNextPrintedPage)
{
    using R = CReportInfo;
    struct Row {
        const char* lpszCase;
        std::vector<bool R::*> flags;
        int nViewKind;
        BOOL bTable;
        CPageSetup CAppSettings::*pSetup;
    };
    const Row rows[] = {
        {"report", {&R::m_bField, &R::m_bAirborne, &R::m_bISO}, kViewKindReport, FALSE,
         &CAppSettings::m_PageSetup_Result},
        {"multiplot table", {&R::m_bMultiplot}, kMultiplotTableId, TRUE, &CAppSettings::m_PageSetup_MeasTab},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CPrintScript script;
        CPageSetup& setup = App().*row.pSetup;
        setup.m_nLeftMargin = 13;
        setup.m_sHeaderLeft = "Left";
        setup.m_bPrintLegend = true;
        CVestolarDoc* pDoc = NewProject(row.flags);
        pDoc->ShowView(row.nViewKind, row.bTable, TRUE);
        PumpMessages();
        CView* pView = CProjectWindows::FindView(pDoc, row.nViewKind);
        ASSERT_NE(nullptr, pView);
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        ASSERT_EQ(1, script.m_printer.GetJobCount());
        // The first text of the grid after the six parts; a blank would
        // be found among the parts.
        const std::vector<std::string> before = script.PageTexts(0);
        ASSERT_GT(before.size(), 6u);
        const auto gridText = std::find_if(before.begin() + 6, before.end(), [](const std::string& sText) {
            return sText.find_first_not_of(' ') != std::string::npos;
        });
        ASSERT_NE(before.end(), gridText);
        const std::string sGridText = *gridText;
        const CPoint gridTextBefore = script.TextPosition(0, sGridText.c_str());
        bool bLegendShown = true;
        {
            CModalDialogWatch watch([&](HWND hDlg) {
                bLegendShown = IsShownInDialog(hDlg, IDC_PAGE_SETUP_PRINT_LEGEND);
                ::CheckDlgButton(hDlg, IDC_PAGE_SETUP_PRINT_LEGEND, BST_UNCHECKED);
                ::SetDlgItemTextA(hDlg, IDC_PAGE_SETUP_LEFT, "23");
                Press(hDlg, IDOK);
            });
            pView->SendMessage(WM_COMMAND, ID_FILE_PAGE_SETUP);
        }
        EXPECT_FALSE(bLegendShown);
        EXPECT_EQ(23, setup.m_nLeftMargin);
        EXPECT_TRUE(setup.m_bPrintLegend);

        script.m_printer.ClearPages();
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        ASSERT_GE(script.m_printer.GetPageCount(), 1);
        EXPECT_NEAR(91, script.TextPosition(0, "Left").x, 1);
        EXPECT_NEAR(39, script.TextPosition(0, sGridText.c_str()).x - gridTextBefore.x, 1);
    }
}

}  // namespace
