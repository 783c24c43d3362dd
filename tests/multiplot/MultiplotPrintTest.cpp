// Printing the multiplot table on the virtual printer: the whole table in
// landscape under the measurement tables' header and footer, the screen's
// closing column and row as they were, the pages chosen in the dialog, the
// dialog cancelled, and the job without the dialog as multiple print asks
// for it.

#include "MultiplotWindowFixture.h"

#include "app/PrintScript.h"
#include "multiplot/MultiplotTabGrid.h"
#include "res/resource.h"

#include <string>

namespace {

class CMultiplotPrintTest : public CMultiplotWindowTest {
protected:
    // The table of a level project with ten curves, its header and footer
    // texts set.
    CMultiplotTabView* OpenTableOfTen()
    {
        CPageSetup& setup = App().m_PageSetup_MeasTab;
        setup.m_sHeaderLeft = "&T";
        setup.m_sHeaderCenter = "a&xb";
        setup.m_sFooterRight = "Footer";
        CVestolarDoc* pDoc = MultiplotProject(0);
        AddCurves(pDoc, 10);
        return OpenMultiplot(pDoc);
    }
    // The closing column's width and row's height.
    static CSize ClosingLines(CMultiplotTabGrid& grid)
    {
        return CSize(grid.GetColWidth(grid.GetColCount() - 1), grid.GetRowHeight(grid.GetRowCount() - 1));
    }

    CPrintScript m_script;
};

TEST_F(CMultiplotPrintTest, PrintsEveryCurveInLandscapeUnderTheTablesHeaderAndFooter)
{
    CMultiplotTabView* pView = OpenTableOfTen();
    ASSERT_NE(nullptr, pView);
    const CSize screenLines = ClosingLines(*pView->m_pGrid);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(1, m_script.m_nDialogs);
    ASSERT_EQ(1, m_script.m_printer.GetJobCount());
    ASSERT_GE(m_script.m_printer.GetPageCount(), 1);
    for (int nPage = 0; nPage < m_script.m_printer.GetPageCount(); ++nPage) {
        SCOPED_TRACE(nPage);
        EXPECT_EQ(CSize(1169, 827), m_script.m_printer.GetPageSize(nPage));
        EXPECT_NE(CPoint(-1, -1), m_script.TextPosition(nPage, "P - Multiplot"));
        EXPECT_NE(CPoint(-1, -1), m_script.TextPosition(nPage, "ab"));
        EXPECT_NE(CPoint(-1, -1), m_script.TextPosition(nPage, "Footer"));
    }
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(m_script.Printed(("C" + std::to_string(n)).c_str()));
        EXPECT_TRUE(m_script.Printed(std::to_string(49 + n).append(".0").c_str()));
    }
    EXPECT_TRUE(pView->m_bPrintPrepared);
    EXPECT_EQ(screenLines, ClosingLines(*pView->m_pGrid));
}

// With every band shown below a top margin of 50 mm the table runs onto a
// second page; after a first print the dialog offers its pages, and a range
// from page 2 prints from page 2 on (and is no failure that would end a
// multiple print).
TEST_F(CMultiplotPrintTest, PagesChosenFromTwoOnPrintThosePages)
{
    App().m_PageSetup_MeasTab.m_nTopMargin = 50;
    App().m_nLowerFreq = 8;
    App().m_nUpperFreq = 43;
    CMultiplotTabView* pView = OpenTableOfTen();
    ASSERT_NE(nullptr, pView);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    const int nPages = m_script.m_printer.GetPageCount();
    ASSERT_GE(nPages, 2);
    ASSERT_TRUE(m_script.Printed("50"));
    m_script.m_printer.ClearPages();
    m_script.AnswerPrintDialog(IDOK, 2, nPages);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(nPages, m_script.m_offeredMaxPages.back());
    EXPECT_EQ(nPages - 1, m_script.m_printer.GetPageCount());
    EXPECT_FALSE(m_script.Printed("50")) << "the first band is on page 1";
    EXPECT_TRUE(m_script.Printed("20,000"));
    EXPECT_TRUE(pView->m_bPrintPrepared);
}

// Multiple print shows the dialog for its first window only and stops when
// it was cancelled.
TEST_F(CMultiplotPrintTest, PrintJobAsksOnlyWhenToldAndSaysWhenCancelled)
{
    struct Row {
        const char* lpszCase;
        BOOL bShowPrintDialog;
        INT_PTR nAnswer;
        int nDialogs;
        int nJobs;
        BOOL bPrinted;
    };
    const Row rows[] = {
        {"with the dialog", TRUE, IDOK, 1, 1, TRUE},
        {"dialog cancelled", TRUE, IDCANCEL, 1, 0, FALSE},
        {"on the printer chosen last", FALSE, IDCANCEL, 0, 1, TRUE},
    };
    CMultiplotTabView* pView = OpenTableOfTen();
    ASSERT_NE(nullptr, pView);
    const CSize screenLines = ClosingLines(*pView->m_pGrid);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_script.m_nDialogs = 0;
        const int nJobsBefore = m_script.m_printer.GetJobCount();
        m_script.AnswerPrintDialog(row.nAnswer);

        EXPECT_EQ(row.bPrinted, pView->PrintJob(row.bShowPrintDialog));

        EXPECT_EQ(row.bPrinted, pView->m_bPrintPrepared);
        EXPECT_EQ(row.nDialogs, m_script.m_nDialogs);
        EXPECT_EQ(row.nJobs, m_script.m_printer.GetJobCount() - nJobsBefore);
        EXPECT_EQ(screenLines, ClosingLines(*pView->m_pGrid));
    }
}

}  // namespace
