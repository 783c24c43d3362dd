// Printing the result window and its correction tables on the virtual
// printer: the orientation of each kind, the pages offered before the
// first pagination, the remarks without their grey, and the last column's
// width after each page.

#include "app/PrintScript.h"
#include "app/ShellWindowsFixture.h"

#include "app/ProjectWindows.h"
#include "grid/CGRCell.h"
#include "model/ViewKinds.h"
#include "res/resource.h"
#include "results/ResultTabGrid.h"
#include "results/ResultView.h"

namespace {

using R = CReportInfo;
typedef std::vector<bool CReportInfo::*> CFlags;

class CResultPrintTest : public CShellWindowsTest {
protected:
    CResultView* ShowResult(const CFlags& aFlags, int nViewKind, int nSets = 0)
    {
        CVestolarDoc* pDoc = NewProject(aFlags);
        for (int i = 0; i < nSets; ++i) {
            CCalc set;
            set.m_sLabel.Format("#%c", 'A' + i);
            pDoc->GetProject().m_CalcSets.Add(set);
        }
        pDoc->ShowView(nViewKind, FALSE, TRUE);
        PumpMessages();
        return dynamic_cast<CResultView*>(CProjectWindows::FindView(pDoc, nViewKind));
    }

    CPrintScript m_script;
};

TEST_F(CResultPrintTest, PrintsEachKindInItsOrientation)
{
    struct Row {
        const char* lpszCase;
        CFlags flags;
        int nViewKind;
        bool bLandscape;
    };
    const Row rows[] = {
        {"result table", {&R::m_bField, &R::m_bAirborne, &R::m_bISO}, kViewKindResultTable, false},
        {"background noise", {&R::m_bField, &R::m_bAirborne, &R::m_bISO}, kViewKindBgnCorrectionTable, true},
        {"flanking transmission", {&R::m_bLab, &R::m_bAirborne}, kViewKindFtmCorrectionTable, false},
        {"corner background noise", {&R::m_bField, &R::m_bISO, &R::m_bAirborne, &R::m_bCorner},
         kViewKindFtmCorrectionTable, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CResultView* pView = ShowResult(row.flags, row.nViewKind);
        ASSERT_NE(nullptr, pView);
        m_script.m_printer.ClearPages();

        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

        ASSERT_GE(m_script.m_printer.GetPageCount(), 1);
        const CSize expected = row.bLandscape ? CSize(1169, 827) : CSize(827, 1169);
        for (int nPage = 0; nPage < m_script.m_printer.GetPageCount(); ++nPage)
            EXPECT_EQ(expected, m_script.m_printer.GetPageSize(nPage)) << nPage;
    }
}

TEST_F(CResultPrintTest, OffersAPagePerSetBeforeTheFirstPagination)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO, &R::m_bAverageLoudspeaker},
                                    kViewKindResultTable, 3);
    ASSERT_NE(nullptr, pView);
    m_script.AnswerPrintDialog(IDCANCEL);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(std::vector<int>{5}, m_script.m_offeredMaxPages);
    EXPECT_FALSE(pView->m_bPrintPrepared);
}

// The remarks print white and are grey again on screen; the last column
// has its own width back after every page.
TEST_F(CResultPrintTest, KeepsTheScreenAsItWasAfterPrinting)
{
    CResultView* pView = ShowResult({&R::m_bField, &R::m_bAirborne, &R::m_bISO}, kViewKindResultTable);
    ASSERT_NE(nullptr, pView);
    CResultTabGrid& grid = *pView->GetResultGrid();
    const int nLastCol = grid.GetColCount() - 1;
    const int nLastWidth = grid.GetColWidth(nLastCol);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    ASSERT_GE(m_script.m_printer.GetPageCount(), 1);
    EXPECT_FALSE(m_script.HasShadedArea(0));
    EXPECT_EQ(nLastWidth, grid.GetColWidth(nLastCol));
    const CFieldPos remarks = grid.EditableFields().front();
    CGRCell cell;
    grid.GetCell(remarks.nCol, remarks.nRow, &cell);
    EXPECT_EQ(CPageGrid::kEditableShade, cell.GetBackColor());
}

}  // namespace
