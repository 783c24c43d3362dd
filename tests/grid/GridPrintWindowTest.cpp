// A grid printed into the framework's virtual A4 printer: the page count of
// the page arithmetic, every page with the margins and the repeated
// headings, the page's own cells, joined cells and joined heading cells,
// bitmaps in cells, and what a page out of range prints.
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

    int PrintAll() { return PrintAll(m_printer); }
    int PrintAll(CVirtualPrinter& printer)
    {
        CVirtualPrinterDC dc(printer);
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

// The printed rows y (from the top) of page 1 whose pixels between the two
// x positions hold anything dark: the height of the text printed there.
int DarkHeight(const CVirtualPrinter& printer, int xFrom, int xTo, int yFrom, int yTo)
{
    int nFirst = -1, nLast = -1;
    for (int y = yFrom; y < yTo; ++y)
        for (int x = xFrom; x < xTo; ++x)
            if (GetRValue(printer.GetPagePixel(0, x, y)) < 128) {
                nFirst = nFirst < 0 ? y : nFirst;
                nLast = y;
                break;
            }
    return nFirst < 0 ? 0 : nLast - nFirst + 1;
}

// A cell joined over three rows prints its text in the font of one row:
// the font follows the printed row height, not the joined cell's.
TEST_F(GridPrinting, AJoinedCellPrintsInTheFontOfOneRow)
{
    m_grid.SetPrintOption(GridPrintEngine::kFrame, 0);
    for (int nCol = 0; nCol < 2; ++nCol)
        for (int nRow = 0; nRow < 3; ++nRow)
            m_grid.SetCellBackColor(nCol, nRow, kWhite);
    m_grid.SetCellText(0, 0, "H");
    m_grid.SetCellText(1, 0, "H");
    ASSERT_EQ(m_grid.JoinCells(0, 0, 0, 2), 0);
    ASSERT_EQ(PrintAll(), 3);
    // 75 x 20 grid pixels print 77 x 20 at 100 dots per inch.
    const int kEdge = 98;
    int nJoined = DarkHeight(m_printer, kEdge + 2, kEdge + 75, kEdge, kEdge + 60);
    int nSingle = DarkHeight(m_printer, kEdge + 79, kEdge + 152, kEdge, kEdge + 60);
    ASSERT_GT(nSingle, 3);
    EXPECT_NEAR(nJoined, nSingle, 1);
}

// Heading cells joined across three columns print as one cell: the first
// one's colour runs under all three.
TEST_F(GridPrinting, JoinedHeadingCellsPrintAsOneCell)
{
    const COLORREF crJoined = RGB(200, 0, 0);
    m_grid.SetPrintOption(GridPrintEngine::kTopHeading, 1);
    m_grid.SetCellBackColor(0, -1, crJoined);
    ASSERT_EQ(m_grid.JoinCells(0, -1, 2, -1), 0);
    ASSERT_EQ(PrintAll(), 3);
    const int kEdge = 98, kColWidth = 77;
    for (int nCol = 0; nCol < 3; ++nCol) {
        SCOPED_TRACE(nCol);
        EXPECT_EQ(m_printer.GetPagePixel(0, kEdge + nCol * kColWidth + 38, kEdge + 10), crJoined);
    }
    EXPECT_EQ(m_printer.GetPagePixel(0, kEdge + 3 * kColWidth + 38, kEdge + 10), ::GetSysColor(COLOR_BTNFACE));
}

// At 200 dots per inch a grid pixel prints 2.08 device pixels wide: a 10 x
// 10 bitmap prints 20 x 20, two margin pixels print 4, vertically centred
// in the 41 pixels of the row.
TEST_F(GridPrinting, ABitmapPrintsAtThePrintScaleWithItsMarginScaled)
{
    const COLORREF crBitmap = RGB(255, 0, 0);
    CBitmap bitmap;
    {
        CClientDC screen(nullptr);
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 10, 10));
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
        CScopedSelectObject selected(memory, bitmap);
        memory.FillSolidRect(CRect(0, 0, 10, 10), crBitmap);
    }
    m_grid.SetCellBitmap(0, 0, &bitmap);
    CPrinterDescription fine;
    fine.nDotsPerInch = 200;
    CVirtualPrinter printer(fine);
    printer.Install();
    PrintAll(printer);
    m_printer.Install();
    const int kLeft = 196, kTop = 196;   // 25 mm at 200 dots per inch
    const COLORREF crCell = CPrintedGrid::ColourOf(0);
    struct Row {
        int x, y;
        COLORREF crExpected;
    } rows[] = {
        {kLeft + 2, kTop + 20, crCell},      // margin
        {kLeft + 5, kTop + 20, crBitmap},    // first column of the bitmap
        {kLeft + 22, kTop + 20, crBitmap},   // last column
        {kLeft + 26, kTop + 20, crCell},     // past the bitmap
        {kLeft + 12, kTop + 11, crBitmap},   // top row: (41 - 20) / 2 down
        {kLeft + 12, kTop + 8, crCell},      // above the bitmap
        {kLeft + 12, kTop + 31, crCell},     // below it
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(printer.GetPagePixel(0, row.x, row.y), row.crExpected);
    }
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
