// Printing through a view into the virtual printer: the page loop, the page
// range, landscape through the device mode and ResetDC, the printer's device
// capabilities and map modes as CDC answers them.
#include "TestApplicationFixture.h"
#include "TestResources.h"

#include "CVirtualPrinterTexts.h"

namespace {

// A4 at 100 dots per inch: 827 x 1169 pixels.
CPrinterDescription A4At(int nDpi, int nOffsetX = 0, int nOffsetY = 0)
{
    CPrinterDescription description;
    description.nDotsPerInch = nDpi;
    description.nOffsetX = nOffsetX;
    description.nOffsetY = nOffsetY;
    return description;
}

// The square OnPrint draws: 10 mm to 35.4 mm from the top left corner.
const CPoint kInsideSquare(89, 89);
const CPoint kOutsideSquare(20, 20);

// A printer DC as DoPreparePrinting makes it, from the printer's defaults.
class CPrinterDC : public CDC {
public:
    CPrinterDC(CVirtualPrinter& printer, short nOrientation)
    {
        HGLOBAL hDevMode = printer.CreateDevMode();
        auto* pDevMode = static_cast<DEVMODE*>(::GlobalLock(hDevMode));
        pDevMode->dmOrientation = nOrientation;
        CreateDC(CVirtualPrinter::DriverName(), printer.GetDescription().sDeviceName, nullptr, pDevMode);
        ::GlobalUnlock(hDevMode);
        ::GlobalFree(hDevMode);
        m_bPrinting = TRUE;
    }
};

}  // namespace

class Printing : public CTestApplicationTest {
protected:
    void SetUp() override
    {
        CTestApplicationTest::SetUp();
        m_printer.Install();
        m_pView = ShowTableView(NewDocument());
        m_pView->GetDocument()->SetTitle("Project 1");
    }

    CVirtualPrinter m_printer{A4At(100)};
    CTestView* m_pView = nullptr;
};

TEST_F(Printing, TheViewPrintsEachPageIntoThePrinter)
{
    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(m_printer.GetJobCount(), 1);
    EXPECT_EQ(m_printer.GetLastDocName(), "Project 1");
    ASSERT_EQ(m_printer.GetPageCount(), 2);
    const COLORREF expected[] = {CTestView::kFirstPageColour, CTestView::kOtherPageColour};
    for (int nPage = 0; nPage < 2; ++nPage) {
        SCOPED_TRACE(nPage);
        EXPECT_EQ(m_printer.GetPageSize(nPage), CSize(827, 1169));
        EXPECT_EQ(m_printer.GetPagePixel(nPage, kInsideSquare.x, kInsideSquare.y), expected[nPage]);
        EXPECT_EQ(m_printer.GetPagePixel(nPage, kOutsideSquare.x, kOutsideSquare.y), RGB(255, 255, 255));
        EXPECT_EQ(m_pView->m_printedRects.at(static_cast<size_t>(nPage)), CRect(0, 0, 827, 1169));
    }
}

TEST_F(Printing, LandscapeThroughTheDeviceModeTurnsThePage)
{
    m_pView->m_bLandscape = TRUE;

    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    ASSERT_EQ(m_printer.GetPageCount(), 2);
    EXPECT_EQ(m_printer.GetPageSize(1), CSize(1169, 827));
    EXPECT_EQ(m_pView->m_printedRects.at(1), CRect(0, 0, 1169, 827));
    EXPECT_EQ(m_printer.GetPagePixel(1, kInsideSquare.x, kInsideSquare.y), CTestView::kOtherPageColour);
}

TEST_F(Printing, AViewThatKnowsNoPageCountPrintsOnePage)
{
    m_pView->m_nPrintPages = 0xFFFF;

    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(m_printer.GetPageCount(), 1);
}

TEST_F(Printing, WithoutAPrinterNothingIsPrinted)
{
    m_printer.Uninstall();
    PRINTDLGA probe = {};
    probe.lStructSize = sizeof(probe);
    probe.Flags = PD_RETURNDEFAULT;
    if (::PrintDlgA(&probe))
        GTEST_SKIP() << "this system has a printer";

    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(m_printer.GetJobCount(), 0);
    EXPECT_TRUE(m_boxes.m_boxes.empty());
}

TEST(CVirtualPrinter, AnswersTheCapabilitiesOfItsPaperTurnedForLandscape)
{
    CVirtualPrinter printer(A4At(300, 25, 30));
    printer.Install();
    struct Row {
        int nIndex;
        const char* lpszName;
        int nPortrait;
        int nLandscape;
    } rows[] = {
        {PHYSICALWIDTH, "PHYSICALWIDTH", 2480, 3508},
        {PHYSICALHEIGHT, "PHYSICALHEIGHT", 3508, 2480},
        {PHYSICALOFFSETX, "PHYSICALOFFSETX", 25, 30},
        {PHYSICALOFFSETY, "PHYSICALOFFSETY", 30, 25},
        {HORZRES, "HORZRES", 2430, 3448},
        {VERTRES, "VERTRES", 3448, 2430},
        {HORZSIZE, "HORZSIZE", 206, 292},
        {VERTSIZE, "VERTSIZE", 292, 206},
        {LOGPIXELSX, "LOGPIXELSX", 300, 300},
        {LOGPIXELSY, "LOGPIXELSY", 300, 300},
        {TECHNOLOGY, "TECHNOLOGY", DT_RASPRINTER, DT_RASPRINTER},
    };
    CPrinterDC portrait(printer, DMORIENT_PORTRAIT);
    CPrinterDC landscape(printer, DMORIENT_LANDSCAPE);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszName);
        EXPECT_EQ(portrait.GetDeviceCaps(row.nIndex), row.nPortrait);
        EXPECT_EQ(landscape.GetDeviceCaps(row.nIndex), row.nLandscape);
    }

    DEVMODE turn = {};
    turn.dmSize = sizeof(turn);
    turn.dmFields = DM_ORIENTATION;
    turn.dmOrientation = DMORIENT_LANDSCAPE;
    ASSERT_TRUE(portrait.ResetDC(&turn));
    EXPECT_EQ(portrait.GetDeviceCaps(HORZRES), 3448);
}

TEST(CVirtualPrinter, FixedMapModesMeasureInThePrintersUnits)
{
    CVirtualPrinter printer(A4At(300));
    printer.Install();
    CPrinterDC dc(printer, DMORIENT_PORTRAIT);

    dc.SetMapMode(MM_LOMETRIC);
    CPoint point(300, 300);
    dc.DPtoLP(&point);
    EXPECT_EQ(point, CPoint(254, -254));
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    dc.SetWindowExt(1, 1);
    EXPECT_EQ(dc.GetWindowExt(), CSize(254, 254)) << "a fixed mode keeps its extents";

    int nSaved = dc.SaveDC();
    dc.SetMapMode(MM_TEXT);
    dc.RestoreDC(nSaved);
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);

    CFont font;
    dc.SetMapMode(MM_TEXT);
    ASSERT_TRUE(font.CreatePointFont(120, "Arial", &dc));
    LOGFONT logFont = {};
    font.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -50) << "12 pt at 300 dpi";
}

// The texts of a page are kept with their device position; a text drawn
// outside a page belongs to none.
TEST(CVirtualPrinter, KeepsEachPagesTextsWithTheirDevicePositions)
{
    CVirtualPrinter printer(A4At(300));
    printer.Install();
    CPrinterDC dc(printer, DMORIENT_PORTRAIT);
    dc.SetMapMode(MM_LOMETRIC);
    ASSERT_GT(dc.StartDoc("Texts"), 0);
    dc.TextOut(0, 0, CString("before the page"));
    ASSERT_GT(dc.StartPage(), 0);
    dc.TextOut(254, -508, CString("Header"));
    dc.ExtTextOut(508, -254, 0, nullptr, CString("Cell"), nullptr);
    dc.EndPage();
    dc.EndDoc();

    ASSERT_EQ(printer.GetPageCount(), 1);
    const std::vector<CPrintedText> texts = CVirtualPrinterTexts::GetPageTexts(printer, 0);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].sText, "Header");
    EXPECT_EQ(texts[0].ptDevice, CPoint(300, 600));
    EXPECT_EQ(texts[1].sText, "Cell");
    EXPECT_EQ(texts[1].ptDevice, CPoint(600, 300));
}
