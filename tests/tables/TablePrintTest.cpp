// Printing a measurement table on the virtual printer: one landscape job
// per column range after one dialog, the legend job, the pages chosen in
// the dialog, and the window's caption for "&T".

#include "TableWindowFixture.h"

#include "app/PrintScript.h"
#include "res/resource.h"

#include <string>

namespace {

class CTablePrintTest : public CTableWindowTest {
protected:
    // A source-room table of twelve measurements "M1" to "M12".
    CTabView* OpenTableOfTwelve(bool bCorrectionColumn, bool bLegend)
    {
        App().m_bShowColCorrection = bCorrectionColumn;
        App().m_bShowColNumOfAvg = FALSE;
        App().m_bShowColSatus = FALSE;
        App().m_PageSetup_MeasTab.m_bPrintLegend = bLegend;
        App().m_PageSetup_MeasTab.m_sHeaderCenter = "&T";
        m_pDoc = FieldAirborneProject();
        for (int i = 1; i <= 12; ++i)
            AddMeasurement(m_pDoc, 122, ("M" + std::to_string(i)).c_str(), {{kBand100Hz, 60.0 + i}});
        return OpenTable(m_pDoc, 122);
    }
    // The measurements whose titles a job's pages show.
    std::vector<int> MeasurementsOfJob(int nFirstPage, int nPages) const
    {
        std::vector<int> shown;
        for (int i = 1; i <= 12; ++i) {
            for (int nPage = nFirstPage; nPage < nFirstPage + nPages; ++nPage) {
                if (m_script.TextPosition(nPage, ("M" + std::to_string(i)).c_str()) != CPoint(-1, -1)) {
                    shown.push_back(i);
                    break;
                }
            }
        }
        return shown;
    }

    CPrintScript m_script;
    CVestolarDoc* m_pDoc = nullptr;
};

TEST_F(CTablePrintTest, PrintsTwoColumnRangesAndTheLegendAfterOneDialog)
{
    CTabView* pView = OpenTableOfTwelve(true, true);
    ASSERT_NE(nullptr, pView);
    ASSERT_EQ(64, pView->m_pGrid->GetColCount() - 1);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(1, m_script.m_nDialogs);
    EXPECT_EQ(std::vector<int>{2}, m_script.m_offeredMaxPages) << "one page per column range";
    EXPECT_EQ(3, m_script.m_printer.GetJobCount());
    ASSERT_EQ(3, m_script.m_printer.GetPageCount());
    CString sCaption;
    pView->GetParentFrame()->GetWindowText(sCaption);
    for (int nPage = 0; nPage < 3; ++nPage) {
        SCOPED_TRACE(nPage);
        EXPECT_EQ(CSize(1169, 827), m_script.m_printer.GetPageSize(nPage));
        EXPECT_NE(CPoint(-1, -1), m_script.TextPosition(nPage, sCaption));
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}), MeasurementsOfJob(0, 1));
    EXPECT_EQ((std::vector<int>{9, 10, 11, 12}), MeasurementsOfJob(1, 1));
    EXPECT_TRUE(pView->m_bPrintAccepted);
}

TEST_F(CTablePrintTest, WithoutTheCorrectionColumnOneRangeHoldsTheTable)
{
    CTabView* pView = OpenTableOfTwelve(false, false);
    ASSERT_NE(nullptr, pView);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(1, m_script.m_printer.GetJobCount());
    EXPECT_EQ(12u, MeasurementsOfJob(0, m_script.m_printer.GetPageCount()).size());
}

TEST_F(CTablePrintTest, PagesTwoToThreeSkipTheFirstRange)
{
    CTabView* pView = OpenTableOfTwelve(true, false);
    ASSERT_NE(nullptr, pView);
    m_script.AnswerPrintDialog(IDOK, 2, 3);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(1, m_script.m_nDialogs);
    EXPECT_EQ(1, m_script.m_printer.GetJobCount());
    EXPECT_EQ((std::vector<int>{9, 10, 11, 12}), MeasurementsOfJob(0, m_script.m_printer.GetPageCount()));
}

TEST_F(CTablePrintTest, CancelPrintsNothingAndLeavesTheTableAsItWas)
{
    CTabView* pView = OpenTableOfTwelve(true, true);
    ASSERT_NE(nullptr, pView);
    const int nWidth = pView->m_pGrid->GetColWidth(43);
    m_script.AnswerPrintDialog(IDCANCEL);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(0, m_script.m_printer.GetJobCount());
    EXPECT_FALSE(pView->m_bPrintAccepted);
    EXPECT_EQ(nWidth, pView->m_pGrid->GetColWidth(43));
}

}  // namespace
