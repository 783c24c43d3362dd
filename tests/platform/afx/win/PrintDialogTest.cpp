// The print dialog and the print set-up with the virtual printer, answered
// through the common-dialog hook: the dialog mode of printing takes the
// pages chosen, Cancel prints nothing, and the device mode chosen in the
// set-up is the one later jobs use.
#include "TestApplicationFixture.h"

namespace {

// Answers each print dialog with nAnswer after the action.
class CPrintDialogAnswer {
public:
    CPrintDialogAnswer(INT_PTR nAnswer, std::function<void(CPrintDialog&)> action)
    {
        AfxSetCommonDialogHook([this, nAnswer, action](CCommonDialog& dlg) {
            auto& printDlg = static_cast<CPrintDialog&>(dlg);
            m_flags.push_back(printDlg.m_pd.Flags);
            action(printDlg);
            return nAnswer;
        });
    }
    ~CPrintDialogAnswer() { AfxSetCommonDialogHook({}); }
    CPrintDialogAnswer(const CPrintDialogAnswer&) = delete;
    CPrintDialogAnswer& operator=(const CPrintDialogAnswer&) = delete;

    std::vector<DWORD> m_flags;  // of each dialog asked
};

CPrinterDescription A4At100Dpi()
{
    CPrinterDescription description;
    description.nDotsPerInch = 100;
    return description;
}

}  // namespace

class PrintDialog : public CTestApplicationTest {
protected:
    void SetUp() override
    {
        CTestApplicationTest::SetUp();
        m_printer.Install();
        m_pView = ShowTableView(NewDocument());
    }

    CVirtualPrinter m_printer{A4At100Dpi()};
    CTestView* m_pView = nullptr;
};

TEST_F(PrintDialog, PrintsThePagesChosenInTheDialog)
{
    m_pView->m_bPrintDialog = TRUE;
    CString sDevice;
    CPrintDialogAnswer answer(IDOK, [&](CPrintDialog& dlg) {
        sDevice = dlg.GetDeviceName();
        dlg.m_pd.Flags |= PD_PAGENUMS;
        dlg.m_pd.nFromPage = 2;
        dlg.m_pd.nToPage = 2;
    });

    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    ASSERT_EQ(answer.m_flags.size(), 1u);
    EXPECT_EQ(answer.m_flags[0] & PD_PRINTSETUP, 0u);
    EXPECT_STREQ(sDevice, m_printer.GetDescription().sDeviceName);
    ASSERT_EQ(m_printer.GetPageCount(), 1);
    EXPECT_EQ(m_printer.GetPagePixel(0, 89, 89), CTestView::kOtherPageColour);
}

TEST_F(PrintDialog, CancelInTheDialogPrintsNothing)
{
    m_pView->m_bPrintDialog = TRUE;
    CPrintDialogAnswer answer(IDCANCEL, [](CPrintDialog&) {});

    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(answer.m_flags.size(), 1u);
    EXPECT_EQ(m_printer.GetJobCount(), 0);
}

TEST_F(PrintDialog, TheSetUpChoiceIsWhereLaterJobsStart)
{
    CPrintDialogAnswer answer(IDOK, [](CPrintDialog& dlg) {
        DEVMODE* pDevMode = dlg.GetDevMode();
        pDevMode->dmOrientation = DMORIENT_LANDSCAPE;
        ::GlobalUnlock(dlg.m_pd.hDevMode);
    });

    MainFrame().SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP);
    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    ASSERT_EQ(answer.m_flags.size(), 1u);
    EXPECT_NE(answer.m_flags[0] & PD_PRINTSETUP, 0u);
    ASSERT_EQ(m_printer.GetPageCount(), 2);
    EXPECT_EQ(m_printer.GetPageSize(0), CSize(1169, 827));
}
