// Behaviours of Extras > Corrections Set-up...: the dialog shows the ten
// correction spectra of the settings, edits values, titles and channels,
// fills a column through "Init", copies, prints on the virtual printer, and
// writes the settings on OK only.

#include "TableWindowFixture.h"

#include "tables/CorrDialog.h"
#include "tables/CorrGrid.h"

#include "app/TreeBarImportHost.h"
#include "import/TableAssignment.h"

#include "CModalDialogWatch.h"
#include "CVirtualPrinter.h"
#include "res/resource.h"

namespace {

constexpr int kBand1kHz = 30;
constexpr int kRow1kHz = kBand1kHz - CCorrGrid::kBandOffset;

CCorrDialog* DialogOf(HWND hDlg)
{
    return dynamic_cast<CCorrDialog*>(CWnd::FromHandlePermanent(hDlg));
}

} // namespace

class CCorrectionsDialogTest : public CTableWindowTest {
protected:
    void SetUp() override
    {
        CTableWindowTest::SetUp();
        NSpectrum spectrum;
        spectrum.SetTitle("Mic A");
        for (int nBand = 0; nBand < kBandCount; ++nBand)
            spectrum.InsertSpecLine(nBand, kMissingValue, 1, 1);
        spectrum.InsertSpecLine(kBand1kHz, 1.5, 1, 1);
        App().m_aCorrSpectra.SetAt(0, spectrum);
        App().m_aCorrSelection.SetAt(0, 1);
    }

    // Opens the dialog (modeless, so that a test can answer a dialog it
    // opens in turn) and runs the action on it; the action ends it.
    void RunDialog(const std::function<void(CCorrDialog&)>& action)
    {
        CCorrDialog dlg(&MainFrame());
        ASSERT_TRUE(dlg.Create(IDD_CORRECTIONS, &MainFrame()));
        PumpMessages();
        action(dlg);
        dlg.DestroyWindow();
        PumpMessages();
    }
    // Opens the dialog through the menu command as the user does.
    void RunCommand(const std::function<void(CCorrDialog&)>& action)
    {
        bool bSeen = false;
        CModalDialogWatch watch([&](HWND hDlg) {
            CCorrDialog* pDlg = DialogOf(hDlg);
            ASSERT_NE(nullptr, pDlg);
            bSeen = true;
            action(*pDlg);
        });
        Command(ID_EXTRAS_CORRECTIONS_SETUP);
        EXPECT_TRUE(bSeen);
    }
    static void Press(CCorrDialog& dlg, UINT nID)
    {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(dlg.GetDlgItem(nID)->GetSafeHwnd()));
        PumpMessages();
    }
    static void TypeIntoCell(CCorrGrid& grid, int nCol, int nRow, const char* lpszText)
    {
        grid.GetCellArea()->SetFocus();
        grid.ClearSelections();
        grid.GotoCell(nCol, nRow);
        PumpMessages();
        Chars(lpszText);
        KeyDown(VK_TAB);
    }
    static CString Text(CCorrGrid& grid, int nCol, int nRow)
    {
        return grid.GetCellText(nCol, nRow) != nullptr ? CString(grid.GetCellText(nCol, nRow)) : CString();
    }
};

TEST_F(CCorrectionsDialogTest, ShowsTheTenSpectraWithTitleChannelAndBands)
{
    EXPECT_TRUE(IsCommandEnabled(ID_EXTRAS_CORRECTIONS_SETUP));
    RunCommand([&](CCorrDialog& dlg) {
        CString sCaption;
        dlg.GetWindowText(sCaption);
        EXPECT_EQ(CString("Corrections"), sCaption);
        CCorrGrid& grid = dlg.m_grid;
        EXPECT_EQ(12, grid.GetColCount());
        EXPECT_EQ(28, grid.GetRowCount());
        EXPECT_EQ(CString("Mic A"), Text(grid, 1, 0));
        EXPECT_EQ(CString("CH1/A"), Text(grid, 1, 1));
        EXPECT_EQ(CString("NONE"), Text(grid, 2, 1));
        EXPECT_EQ(CString("Init"), Text(grid, 1, 2));
        EXPECT_EQ(CString("1.5"), Text(grid, 1, kRow1kHz));
        EXPECT_EQ(CString(), Text(grid, 1, kRow1kHz + 1));
        EXPECT_EQ(CString("Frequency"), Text(grid, 0, 0));
        Press(dlg, IDCANCEL);
    });
}

// Typing 5 gives "5.0", Delete empties a band, a second decimal or a value
// of 100 is refused while typing; OK stores them, "NONE" sets the channel
// to 0.
TEST_F(CCorrectionsDialogTest, OkStoresTypedValuesTitlesAndChannels)
{
    RunDialog([&](CCorrDialog& dlg) {
        CCorrGrid& grid = dlg.m_grid;
        TypeIntoCell(grid, 1, kRow1kHz + 1, "5");
        EXPECT_EQ(CString("5.0"), Text(grid, 1, kRow1kHz + 1));
        TypeIntoCell(grid, 1, kRow1kHz + 2, "1.25");
        EXPECT_EQ(CString("1.2"), Text(grid, 1, kRow1kHz + 2));
        TypeIntoCell(grid, 1, kRow1kHz + 3, "-123");
        EXPECT_EQ(CString("-12.0"), Text(grid, 1, kRow1kHz + 3));
        grid.GetCellArea()->SetFocus();
        grid.GotoCell(1, kRow1kHz);
        PumpMessages();
        KeyDown(VK_DELETE);
        KeyDown(VK_TAB);
        EXPECT_EQ(CString(), Text(grid, 1, kRow1kHz));
        grid.SetCellText(1, 1, "NONE");
        TypeIntoCell(grid, 1, 0, "Mic B");
        Press(dlg, IDOK);
    });
    const NSpectrum& spectrum = App().m_aCorrSpectra[0];
    EXPECT_DOUBLE_EQ(kMissingValue, spectrum.GetSpecLine(kBand1kHz));
    EXPECT_DOUBLE_EQ(5.0, spectrum.GetSpecLine(kBand1kHz + 1));
    EXPECT_DOUBLE_EQ(1.2, spectrum.GetSpecLine(kBand1kHz + 2));
    EXPECT_DOUBLE_EQ(-12.0, spectrum.GetSpecLine(kBand1kHz + 3));
    EXPECT_EQ(CString("Mic B"), spectrum.GetTitle());
    EXPECT_EQ(0, App().m_aCorrSelection[0]);
}

TEST_F(CCorrectionsDialogTest, CancelDiscardsEveryEdit)
{
    RunDialog([&](CCorrDialog& dlg) {
        TypeIntoCell(dlg.m_grid, 1, kRow1kHz, "7");
        Press(dlg, IDCANCEL);
    });
    EXPECT_DOUBLE_EQ(1.5, App().m_aCorrSpectra[0].GetSpecLine(kBand1kHz));
}

// A value typed with the system's comma is stored with its decimal.
TEST_F(CCorrectionsDialogTest, StoresValuesTypedWithACommaSeparator)
{
    UseDecimalSeparator(",");
    RunDialog([&](CCorrDialog& dlg) {
        TypeIntoCell(dlg.m_grid, 1, kRow1kHz, "5,5");
        EXPECT_EQ(CString("5,5"), Text(dlg.m_grid, 1, kRow1kHz));
        Press(dlg, IDOK);
    });
    EXPECT_DOUBLE_EQ(5.5, App().m_aCorrSpectra[0].GetSpecLine(kBand1kHz));
}

// After OK a level measurement imported on channel 1 carries the filled
// column, chosen for channel 1.
TEST_F(CCorrectionsDialogTest, InitFillsTheColumnWithTheEnteredValue)
{
    RunDialog([&](CCorrDialog& dlg) {
        CCorrGrid& grid = dlg.m_grid;
        CModalDialogWatch initWatch([](HWND hInit) {
            ::SetDlgItemTextA(hInit, IDC_INIT_CORRECTION_VALUE, "-3.5");
            ::SendMessageA(hInit, WM_COMMAND, IDOK, 0);
        });
        CRect rect;
        grid.GetCellRect(2, CCorrGrid::kInitRow, &rect);
        const LPARAM lPoint = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        grid.GetCellArea()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        grid.GetCellArea()->SendMessage(WM_LBUTTONUP, 0, lPoint);
        PumpMessages();
        EXPECT_EQ(1, initWatch.GetDialogCount());
        for (int nRow = CCorrGrid::kFirstBandRow; nRow <= CCorrGrid::kLastBandRow; ++nRow)
            EXPECT_EQ(CString("-3.5"), Text(grid, 2, nRow)) << "row " << nRow;
        grid.SetCellText(2, CCorrGrid::kChannelRow, "CH1/A");
        grid.SetCellText(1, CCorrGrid::kChannelRow, "NONE");
        Press(dlg, IDOK);
    });
    EXPECT_DOUBLE_EQ(-3.5, App().m_aCorrSpectra[1].GetSpecLine(17));
    EXPECT_DOUBLE_EQ(-3.5, App().m_aCorrSpectra[1].GetSpecLine(40));

    NBuildData imported;
    imported.m_Spectrum.InsertSpecLine(17, 60.0, 1, 1);
    CTableAssignment::AddCorrections(imported, 1, CTreeBarImportHost(TreeBar()).GetCorrections());
    EXPECT_DOUBLE_EQ(56.5, imported.m_Spectrum.GetSpecLine(17));
}

TEST_F(CCorrectionsDialogTest, CopyPutsTheSelectedCellsOnTheClipboard)
{
    RunDialog([&](CCorrDialog& dlg) {
        dlg.m_grid.ClearSelections();
        dlg.m_grid.SelectRange(1, kRow1kHz - 1, 1, kRow1kHz);
        Press(dlg, IDC_CORRECTIONS_COPY);
        CString sText;
        dlg.m_grid.GetClipboardText(sText);
        EXPECT_EQ(CString("\n1.5"), sText);
        Press(dlg, IDCANCEL);
    });
}

TEST_F(CCorrectionsDialogTest, PrintsOnTheChosenPrinterAndNothingOnCancel)
{
    CVirtualPrinter printer;
    printer.Install();
    for (INT_PTR nAnswer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(nAnswer);
        // The dialog's answer: the virtual printer chosen, or Cancel.
        AfxSetCommonDialogHook([nAnswer, &printer](CCommonDialog& dlg) {
            auto& printDlg = static_cast<CPrintDialog&>(dlg);
            printDlg.m_pd.hDevNames = printer.CreateDevNames();
            printDlg.m_pd.hDevMode = printer.CreateDevMode();
            return nAnswer;
        });
        RunDialog([&](CCorrDialog& dlg) {
            Press(dlg, IDC_CORRECTIONS_PRINT);
            Press(dlg, IDCANCEL);
        });
        AfxSetCommonDialogHook({});
        EXPECT_EQ(nAnswer == IDOK ? 1 : 0, printer.GetJobCount());
    }
    EXPECT_GE(printer.GetPageCount(), 1);
    printer.Uninstall();
}
