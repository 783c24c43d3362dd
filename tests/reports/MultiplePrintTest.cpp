// The multiple print dialog and the multiple print of every project's
// windows: the selection in and out of the dialog, one print dialog for
// all windows, projects without a chosen window, a multiplot project's
// table, Cancel, the windows open before, and a machine without any printer.

#include "app/PrintScript.h"
#include "app/ShellWindowsFixture.h"

#include "app/ProjectWindows.h"
#include "model/ProjectDoc.h"
#include "model/ViewKinds.h"
#include "res/resource.h"

#include "CModalDialogWatch.h"

#include <algorithm>

namespace {

using R = CReportInfo;

constexpr int kBoxCount = 13;

class CMultiplePrintTest : public CShellWindowsTest {
protected:
    // Runs multiple print: the dialog's boxes as it opened them go to
    // pInitial, then the boxes of nSelection are ticked and the dialog ends
    // with nButton.
    void RunMultiplePrint(DWORD nSelection, int nButton = IDOK, std::vector<bool>* pInitial = nullptr)
    {
        CModalDialogWatch watch([&](HWND hDlg) {
            for (int nBit = 0; nBit < kBoxCount; ++nBit) {
                if (pInitial != nullptr)
                    pInitial->push_back(::IsDlgButtonChecked(hDlg, IDC_PRINT_TEST_REPORT + nBit) == BST_CHECKED);
                ::CheckDlgButton(hDlg, IDC_PRINT_TEST_REPORT + nBit,
                                 (nSelection & (1u << nBit)) ? BST_CHECKED : BST_UNCHECKED);
            }
            ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                          reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nButton)));
        });
        App().OnMultiplePrint();
        PumpMessages();
    }
    CVestolarDoc* FieldProject() { return NewProject({&R::m_bField, &R::m_bAirborne, &R::m_bISO}); }
    static void Open(CVestolarDoc* pDoc, int nViewKind, BOOL bTable)
    {
        pDoc->ShowView(nViewKind, bTable, TRUE);
        PumpMessages();
    }
    static HWND FrameOf(CVestolarDoc* pDoc, int nViewKind)
    {
        CView* pView = CProjectWindows::FindView(pDoc, nViewKind);
        CFrameWnd* pFrame = pView != nullptr ? pView->GetParentFrame() : nullptr;
        return pFrame != nullptr && pFrame->IsWindowVisible() ? pFrame->GetSafeHwnd() : nullptr;
    }

    CPrintScript m_script;
};

TEST_F(CMultiplePrintTest, TheDialogShowsTheSelectionAndGivesTheNewOne)
{
    App().m_nPrintSelection = 0x1001;
    std::vector<bool> initial;

    RunMultiplePrint(0x2, IDOK, &initial);

    std::vector<bool> expected(kBoxCount, false);
    expected[0] = expected[12] = true;
    EXPECT_EQ(expected, initial);
    EXPECT_EQ(2, App().m_nPrintSelection);
}

TEST_F(CMultiplePrintTest, CancelKeepsTheSelectionAndPrintsNothing)
{
    App().m_nPrintSelection = 0x1001;
    Open(FieldProject(), kViewKindReport, FALSE);

    RunMultiplePrint(0x20, IDCANCEL);

    EXPECT_EQ(0x1001, App().m_nPrintSelection);
    EXPECT_EQ(0, m_script.m_nDialogs);
    EXPECT_EQ(0, m_script.m_printer.GetJobCount());
}

TEST_F(CMultiplePrintTest, PrintsEveryProjectsReportAfterOneDialog)
{
    CVestolarDoc* pFirst = FieldProject();
    CVestolarDoc* pSecond = FieldProject();
    Open(pFirst, kViewKindReport, FALSE);
    Open(pSecond, kViewKindResultTable, FALSE);
    Open(pSecond, 123, TRUE);

    RunMultiplePrint(0x1);

    EXPECT_EQ(1, m_script.m_nDialogs);
    EXPECT_EQ(2, m_script.m_printer.GetJobCount());
    EXPECT_NE(nullptr, FrameOf(pFirst, kViewKindReport));
    EXPECT_NE(nullptr, FrameOf(pSecond, kViewKindResultTable));
    EXPECT_NE(nullptr, FrameOf(pSecond, 123));
    EXPECT_EQ(nullptr, CProjectWindows::FindView(pSecond, kViewKindReport)) << "it was not open before";
    EXPECT_EQ(nullptr, CProjectWindows::FindView(pFirst, kViewKindResultTable));
}

TEST_F(CMultiplePrintTest, PassesOverProjectsWithoutTheChosenWindow)
{
    NewProject({&R::m_bReverberation});
    FieldProject();

    RunMultiplePrint(0x2);

    EXPECT_EQ(1, m_script.m_nDialogs);
    EXPECT_EQ(1, m_script.m_printer.GetJobCount());
}

// The multiplot table's bit prints the tables of multiplot projects alone,
// in landscape; a table not open before is closed again.
TEST_F(CMultiplePrintTest, PrintsTheTableOfAMultiplotProject)
{
    CVestolarDoc* pMultiplot = NewProject({&R::m_bMultiplot});
    CVestolarDoc* pField = FieldProject();
    Open(pField, 123, TRUE);

    RunMultiplePrint(0x1000);

    EXPECT_EQ(1, m_script.m_nDialogs);
    EXPECT_EQ(1, m_script.m_printer.GetJobCount());
    ASSERT_GE(m_script.m_printer.GetPageCount(), 1);
    EXPECT_EQ(CSize(1169, 827), m_script.m_printer.GetPageSize(0));
    EXPECT_EQ(nullptr, CProjectWindows::FindView(pMultiplot, kMultiplotTableId));
    EXPECT_NE(nullptr, FrameOf(pField, 123));
}

TEST_F(CMultiplePrintTest, CancellingTheFirstPrintDialogStopsAndReopensTheWindows)
{
    CVestolarDoc* pFirst = FieldProject();
    CVestolarDoc* pSecond = FieldProject();
    Open(pFirst, kViewKindReport, FALSE);
    Open(pSecond, kViewKindReport, FALSE);
    m_script.AnswerPrintDialog(IDCANCEL);

    RunMultiplePrint(0x1);

    EXPECT_EQ(1, m_script.m_nDialogs);
    EXPECT_EQ(0, m_script.m_printer.GetJobCount());
    EXPECT_NE(nullptr, FrameOf(pFirst, kViewKindReport));
    EXPECT_NE(nullptr, FrameOf(pSecond, kViewKindReport));
}

// Tables that multiple print cannot print stay open untouched; every
// window it closed comes back, whether or not the project's kind prints it.
TEST_F(CMultiplePrintTest, EveryWindowOpenBeforeIsOpenAfterwards)
{
    CVestolarDoc* pCorner = NewProject({&R::m_bField, &R::m_bAirborne, &R::m_bCorner});
    CVestolarDoc* pLab = NewProject({&R::m_bLab, &R::m_bAirborne});
    for (int nTable : {126, 129, 132})
        Open(pCorner, nTable, TRUE);
    Open(pLab, 131, TRUE);
    const HWND hCornerNoise = FrameOf(pCorner, 132);
    const HWND hFacility = FrameOf(pLab, 131);
    ASSERT_NE(nullptr, hCornerNoise);
    ASSERT_NE(nullptr, hFacility);

    RunMultiplePrint(0x1);

    EXPECT_EQ(2, m_script.m_printer.GetJobCount());
    EXPECT_NE(nullptr, FrameOf(pCorner, 126));
    EXPECT_NE(nullptr, FrameOf(pCorner, 129));
    EXPECT_EQ(hCornerNoise, FrameOf(pCorner, 132));
    EXPECT_EQ(hFacility, FrameOf(pLab, 131));
}

TEST_F(CMultiplePrintTest, WithoutAnyPrinterSaysSoAndClosesNothing)
{
    CVestolarDoc* pDoc = FieldProject();
    Open(pDoc, kViewKindReport, FALSE);
    const HWND hReport = FrameOf(pDoc, kViewKindReport);
    m_script.m_printer.Uninstall();

    RunMultiplePrint(0x1);

    EXPECT_EQ(0, m_script.m_nDialogs);
    EXPECT_EQ(1, std::count_if(m_boxes.m_boxes.begin(), m_boxes.m_boxes.end(), [](const auto& box) {
                  return box.sText.find("No printer is installed.") == 0;
              }));
    EXPECT_EQ(hReport, FrameOf(pDoc, kViewKindReport));
}

}  // namespace
