// Printing the test report on the virtual printer: portrait pages whatever
// the printer's orientation, the header and footer texts and their places,
// the dialog's page count before the first pagination, Cancel, and a
// machine without any printer.

#include "app/PrintScript.h"
#include "app/ShellWindowsFixture.h"

#include "app/ProjectWindows.h"
#include "app/ReportView.h"
#include "model/ViewKinds.h"
#include "grid/CGRCell.h"
#include "reports/ReportGrid.h"
#include "res/resource.h"

#include <algorithm>

namespace {

using R = CReportInfo;

class CReportPrintTest : public CShellWindowsTest {
protected:
    CReportView* ShowReport(const std::vector<bool CReportInfo::*>& aFlags = {&R::m_bField, &R::m_bAirborne, &R::m_bISO})
    {
        m_pDoc = NewProject(aFlags);
        m_pDoc->ShowView(kViewKindReport, FALSE, TRUE);
        PumpMessages();
        return dynamic_cast<CReportView*>(CProjectWindows::FindView(m_pDoc, kViewKindReport));
    }
    void SetPrinterOrientation(short nOrientation)
    {
        PRINTDLG pd = {};
        ASSERT_TRUE(App().GetPrinterDeviceDefaults(&pd));
        auto* pDevMode = static_cast<DEVMODE*>(::GlobalLock(pd.hDevMode));
        pDevMode->dmOrientation = nOrientation;
        ::GlobalUnlock(pd.hDevMode);
    }
    void SetHeaderAndFooter(const char* lpszHeaderLeft, const char* lpszHeaderCenter, const char* lpszHeaderRight,
                            const char* lpszFooterLeft, const char* lpszFooterCenter, const char* lpszFooterRight)
    {
        CPageSetup& setup = App().m_PageSetup_Result;
        setup.m_sHeaderLeft = lpszHeaderLeft;
        setup.m_sHeaderCenter = lpszHeaderCenter;
        setup.m_sHeaderRight = lpszHeaderRight;
        setup.m_sFooterLeft = lpszFooterLeft;
        setup.m_sFooterCenter = lpszFooterCenter;
        setup.m_sFooterRight = lpszFooterRight;
    }

    CPrintScript m_script;
    CVestolarDoc* m_pDoc = nullptr;
};

TEST_F(CReportPrintTest, PrintsPortraitPagesEvenOnALandscapePrinter)
{
    CReportView* pView = ShowReport();
    ASSERT_NE(nullptr, pView);
    SetPrinterOrientation(DMORIENT_LANDSCAPE);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(1, m_script.m_nDialogs);
    EXPECT_TRUE(pView->m_bPrintPrepared);
    ASSERT_GE(m_script.m_printer.GetPageCount(), 1);
    EXPECT_EQ(pView->m_nPrintPages, m_script.m_printer.GetPageCount());
    for (int nPage = 0; nPage < m_script.m_printer.GetPageCount(); ++nPage)
        EXPECT_EQ(CSize(827, 1169), m_script.m_printer.GetPageSize(nPage)) << nPage;
}

// A fresh report has not been paginated yet: the dialog still offers a page.
TEST_F(CReportPrintTest, TheFirstDialogOffersAtLeastOnePage)
{
    CReportView* pView = ShowReport();
    ASSERT_NE(nullptr, pView);
    ASSERT_EQ(0, pView->m_nPrintPages);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    ASSERT_EQ(1u, m_script.m_offeredMaxPages.size());
    EXPECT_EQ(1, m_script.m_offeredMaxPages[0]);
}

TEST_F(CReportPrintTest, ExpandsTheSixPartsOnEveryPage)
{
    CReportView* pView = ShowReport();
    ASSERT_NE(nullptr, pView);
    SetHeaderAndFooter("Page &X1", "&T", "&&D", "", "End &", "&V");

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    ASSERT_GE(m_script.m_printer.GetPageCount(), 1);
    const std::vector<std::string> texts = m_script.PageTexts(0);
    ASSERT_GE(texts.size(), 6u);
    const std::string sTitle = std::string(m_pDoc->GetProject().m_sName) + " - Test report";
    const std::vector<std::string> expected = {sTitle, "Page 1", "D", "End ", " "};
    EXPECT_EQ(expected, std::vector<std::string>(texts.begin(), texts.begin() + 5));
    EXPECT_EQ(0u, texts[5].find("Vestolar Version ")) << texts[5];
}

// Header lines start 35 device units below the page's top; left parts at
// the left margin; centred parts move right by half the margin beyond 2 mm.
TEST_F(CReportPrintTest, PlacesThePartsByTheLeftMargin)
{
    CReportView* pView = ShowReport();
    ASSERT_NE(nullptr, pView);
    SetHeaderAndFooter("Left", "Centre", "Right", "", "", "");
    struct Row {
        int nLeftMargin;
        int nLeftX;
    };
    const Row rows[] = {{2, 8}, {20, 79}};
    std::vector<int> centreX;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nLeftMargin);
        App().m_PageSetup_Result.m_nLeftMargin = row.nLeftMargin;
        m_script.m_printer.ClearPages();
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        ASSERT_GE(m_script.m_printer.GetPageCount(), 1);
        EXPECT_EQ(CPoint(row.nLeftX, 35), m_script.TextPosition(0, "Left"));
        const CPoint centre = m_script.TextPosition(0, "Centre");
        EXPECT_EQ(35, centre.y);
        centreX.push_back(centre.x);
        const CPoint right = m_script.TextPosition(0, "Right");
        EXPECT_GT(right.x, 827 / 2);
        EXPECT_LT(right.x, 827 - 8);
    }
    ASSERT_EQ(2u, centreX.size());
    EXPECT_NEAR(35, centreX[1] - centreX[0], 1) << "9 mm at 100 dpi";
    EXPECT_LT(centreX[0], 827 / 2);
    EXPECT_GT(centreX[0], 827 / 2 - 60);
}

// The same page printed straight from the grid, as it is on screen, shows
// the grey: the scan would find it.
TEST_F(CReportPrintTest, EditableFieldsPrintWhiteAndAreGreyAgainAfterwards)
{
    for (const auto& aFlags : {std::vector<bool CReportInfo::*>{&R::m_bField, &R::m_bAirborne, &R::m_bISO},
                               std::vector<bool CReportInfo::*>{&R::m_bMultiplot}}) {
        SCOPED_TRACE(aFlags.size());
        CReportView* pView = ShowReport(aFlags);
        ASSERT_NE(nullptr, pView);
        CReportGrid& grid = *pView->GetReportGrid();
        ASSERT_FALSE(grid.EditableFields().empty());

        const int nFirstPage = m_script.m_printer.GetPageCount();
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        ASSERT_GT(m_script.m_printer.GetPageCount(), nFirstPage);
        EXPECT_FALSE(m_script.HasShadedArea(nFirstPage));

        const CFieldPos field = grid.EditableFields().front();
        CGRCell cell;
        grid.GetCell(field.nCol, field.nRow, &cell);
        EXPECT_EQ(CPageGrid::kEditableShade, cell.GetBackColor());
        const int nPrinted = m_script.m_printer.GetPageCount();
        m_script.PrintGridPage(grid);
        EXPECT_TRUE(m_script.HasShadedArea(nPrinted));
    }
}

TEST_F(CReportPrintTest, ACancelledDialogPrintsNothing)
{
    CReportView* pView = ShowReport();
    ASSERT_NE(nullptr, pView);
    m_script.AnswerPrintDialog(IDCANCEL);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(1, m_script.m_nDialogs);
    EXPECT_FALSE(pView->m_bPrintPrepared);
    EXPECT_EQ(0, m_script.m_printer.GetJobCount());
}

// Without a printer the user learns why nothing prints.
TEST_F(CReportPrintTest, WithoutAnyPrinterSaysSoAndPrintsNothing)
{
    CReportView* pView = ShowReport();
    ASSERT_NE(nullptr, pView);
    m_script.m_printer.Uninstall();

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(0, m_script.m_nDialogs);
    EXPECT_FALSE(pView->m_bPrintPrepared);
    EXPECT_EQ(0, m_script.m_printer.GetJobCount());
    EXPECT_EQ(1, std::count_if(m_boxes.m_boxes.begin(), m_boxes.m_boxes.end(), [](const auto& box) {
                  return box.sText.find("No printer is installed.") == 0;
              }));
}

}  // namespace
