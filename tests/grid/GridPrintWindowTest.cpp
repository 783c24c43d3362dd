// A grid printed into the framework's virtual A4 printer: the page count of
// the page arithmetic, every page with the margins and the repeated
// headings, the page's own cells, and what a page out of range prints.
#include "grid/CGRCtrl.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// 20 columns of 75, 10 rows of 20: three column bands on A4; each column
// its own colour.
class CPrintedGrid : public CGRCtrl {
public:
    void OnSetup() override
    {
        SetColCount(20, 0);
        SetRowCount(10, 0);
        EnableDefaultBorders(0);
        for (int nCol = 0; nCol < 20; ++nCol)
            for (int nRow = 0; nRow < 10; ++nRow)
                SetCellBackColor(nCol, nRow, ColourOf(nCol));
    }
    static COLORREF ColourOf(int nCol) { return RGB(10 * nCol, 200, 100); }
};

// A printer DC of the virtual A4 printer at 100 dots per inch.
class CVirtualPrinterDC : public CDC {
public:
    explicit CVirtualPrinterDC(CVirtualPrinter& printer)
    {
        CreateDC(CVirtualPrinter::DriverName(), printer.GetDescription().sDeviceName, nullptr, nullptr);
        m_bPrinting = TRUE;
    }
};

class GridPrinting : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Grid print test",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 460, 360), nullptr, 0));
        ASSERT_TRUE(m_grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 400, 300), &m_parent, 100));
        m_printer.Install();
    }
    void TearDown() override
    {
        m_printer.Uninstall();
        m_parent.DestroyWindow();
    }

    int PrintAll()
    {
        CVirtualPrinterDC dc(m_printer);
        int nPages = m_grid.PrintInit(&dc, nullptr, 0, 0, 19, 9);
        dc.StartDoc("Grid");
        for (int nPage = 1; nPage <= nPages; ++nPage) {
            dc.StartPage();
            EXPECT_EQ(m_grid.PrintPage(&dc, nPage), 0);
            dc.EndPage();
        }
        dc.EndDoc();
        return nPages;
    }

    CWnd m_parent;
    CPrintedGrid m_grid;
    CVirtualPrinter m_printer;
};

}

// 100 dpi: 3.937 pixels a millimetre, so 25 mm margins are 98 pixels and a
// grid pixel prints 1.038 pixels wide; with the side heading (40) seven
// columns fit the 606 grid pixels of a band: 7, 7 and 6 columns.
TEST_F(GridPrinting, ThreeBandsPrintWithRepeatedHeadingsInsideTheMargins)
{
    m_grid.SetPrintOption(GridPrintEngine::kTopHeading, 1);
    m_grid.SetPrintOption(GridPrintEngine::kSideHeading, 1);
    ASSERT_EQ(PrintAll(), 3);
    ASSERT_EQ(m_printer.GetPageCount(), 3);
    const int kEdge = 98;
    const int kHeadingWidth = static_cast<int>(40 * 826.0 / 210 / 3.79);
    const int kHeadingHeight = static_cast<int>(20 * 1169.0 / 297 / 3.78);
    const int kFirstCol[] = {0, 7, 14};
    COLORREF crHeading = ::GetSysColor(COLOR_BTNFACE);
    for (int nPage = 0; nPage < 3; ++nPage) {
        SCOPED_TRACE(nPage + 1);
        EXPECT_EQ(m_printer.GetPagePixel(nPage, kEdge - 5, kEdge + 30), kWhite);
        EXPECT_EQ(m_printer.GetPagePixel(nPage, kEdge + 30, kEdge - 5), kWhite);
        EXPECT_EQ(m_printer.GetPagePixel(nPage, kEdge + 10, kEdge + kHeadingHeight + 10), crHeading);
        EXPECT_EQ(m_printer.GetPagePixel(nPage, kEdge + kHeadingWidth + 30, kEdge + 8), crHeading);
        EXPECT_EQ(m_printer.GetPagePixel(nPage, kEdge + kHeadingWidth + 30, kEdge + kHeadingHeight + 10),
                  CPrintedGrid::ColourOf(kFirstCol[nPage]));
    }
}

// The page arithmetic counts the side heading's width beside the cells;
// the repeated heading column fills exactly that room, with no gap and no
// overlap.
TEST_F(GridPrinting, RepeatedSideHeadingFillsTheRoomThePagesCountForIt)
{
    m_grid.SetPrintOption(GridPrintEngine::kSideHeading, 1);
    ASSERT_EQ(PrintAll(), 3);
    const int kEdge = 98;
    const int kHeadingWidth = static_cast<int>(40 * 826.0 / 210 / 3.79);
    EXPECT_EQ(m_printer.GetPagePixel(1, kEdge + kHeadingWidth - 5, kEdge + 10), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(m_printer.GetPagePixel(1, kEdge + kHeadingWidth + 5, kEdge + 10), CPrintedGrid::ColourOf(7));
}

TEST_F(GridPrinting, WithoutHeadingsTheCellsStartAtTheMargins)
{
    ASSERT_EQ(PrintAll(), 3);
    EXPECT_EQ(m_printer.GetPagePixel(1, 98 + 10, 98 + 10), CPrintedGrid::ColourOf(8));
    EXPECT_EQ(m_printer.GetPagePixel(1, 98 + 10, 98 + 10 * 21), kWhite);
}

TEST_F(GridPrinting, APageThatWasNotMadePrintsNothing)
{
    CVirtualPrinterDC dc(m_printer);
    EXPECT_EQ(m_grid.PrintInit(&dc, nullptr, 0, 0, 19, 9), 3);
    EXPECT_EQ(m_grid.PrintPage(&dc, 4), 1);
    EXPECT_EQ(m_grid.PrintPage(&dc, 0), 1);
}

TEST_F(GridPrinting, ADCWithoutPageMetricsGivesNoPages)
{
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    // A memory DC reports no paper: no physical size.
    EXPECT_EQ(memory.GetDeviceCaps(PHYSICALWIDTH), 0);
    EXPECT_EQ(m_grid.PrintInit(&memory, nullptr, 0, 0, 19, 9), 0);
    EXPECT_EQ(m_grid.PrintPage(&memory, 1), 1);
}
