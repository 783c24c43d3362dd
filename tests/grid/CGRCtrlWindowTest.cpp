// CGRCtrl on a real window under Xvfb: the layout of its cell area; cell
// colours, default borders, 3D frames and the empty area read back as
// pixels; texts, their alignment and fonts through an enhanced metafile;
// a text running on into empty cells;
// fonts registered once; the cell-type option message; the popup menu and
// its commands; a grid attached to a dialog's item; right-to-left layout;
// sheet switching.
#include "grid/CGRCtrl.h"

#include "GdiCallCounter.h"
#include "GridWindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Records the popup-menu notifications; may refuse the menu.
class CMenuGrid : public CFiftyGrid {
public:
    int OnMenuStart(int, int, int) override { return m_bRefuse ? 0 : 1; }
    void OnMenuCommand(int nCol, int nRow, int nSection, UINT nItem) override
    {
        m_commands.push_back(std::to_string(nCol) + "," + std::to_string(nRow) + "," + std::to_string(nSection)
                             + ":" + std::to_string(nItem));
    }
    void OnSheetSetup(int nSheet) override
    {
        if (nSheet == 1) {
            SetColCount(3, 0);
            SetRowCount(3, 0);
            SetCellBackColor(0, 0, kGreen);
        }
    }
    bool m_bRefuse = false;
    std::vector<std::string> m_commands;
};

using CGRCtrlWindow = CGridWindowTest<CMenuGrid>;

// A dialog stand-in: answers WM_GETFONT with its font.
class CFontDialog : public CWnd {
public:
    CFontDialog() { m_font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GETFONT)
            return reinterpret_cast<LRESULT>(m_font.GetSafeHandle());
        return CWnd::WindowProc(message, wParam, lParam);
    }
    CFont m_font;
};

// Ends the popup menu's modal loop as soon as it runs; asks the grid
// whose menu is up to start it once more first, when one is given.
CMenuGrid* s_pGridAgain = nullptr;
int s_nStartedAgain = -1;

void CALLBACK EndMenuTimer(HWND hWnd, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(hWnd, nID);
    if (s_pGridAgain)
        s_nStartedAgain = s_pGridAgain->StartMenu(0, 0, CPoint(60, 60), kSectionCellArea);
    ::EndMenu();
}

}

TEST_F(CGRCtrlWindow, CellAreaFillsTheControlLessTheScrollBars)
{
    const CGRGridInfo& info = *m_grid.GetGridInfo();
    int nVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    int nHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(info.m_nAreaWidth, 400 - 40 - nVScroll);
    EXPECT_EQ(info.m_nAreaHeight, 300 - 20 - nHScroll);
    CRect area;
    Area()->GetClientRect(&area);
    EXPECT_EQ(area.Width(), info.m_nAreaWidth);
    EXPECT_EQ(Cell(), "0,0");
}

TEST_F(CGRCtrlWindow, PaintsBackgroundsBordersAndFrames)
{
    struct Row {
        const char* lpszPlace;
        int x, y;
        COLORREF crExpected;
    };
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    const Row rows[] = {
        {"inside cell (1,1)", 100, 30, kGreen},
        {"right border of (1,1)", 149, 30, kDefaultBorder},
        {"bottom border of (1,1)", 100, 39, kDefaultBorder},
        {"plain cell (0,3)", 30, 70, crWindow},
        {"sunken frame left of (2,2)", 150, 50, ::GetSysColor(COLOR_BTNSHADOW)},
        {"sunken frame right of (2,2)", 224, 50, ::GetSysColor(COLOR_BTNHIGHLIGHT)},
        {"inside (2,2)", 190, 50, RGB(255, 255, 0)},
        {"joined (4,4)-(5,5), lower left part", 320, 105, RGB(0, 0, 255)},
    };
    CAreaBitmap bitmap(Area());
    Print(bitmap);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszPlace);
        EXPECT_EQ(bitmap.Pixel(row.x, row.y), row.crExpected);
    }
}

TEST_F(CGRCtrlWindow, AreaBeyondTheLastColumnTakesTheWindowColour)
{
    m_grid.SetColCount(2, 1);
    EXPECT_EQ(PixelAfterPrint(200, 10), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelAfterPrint(149, 10), kDefaultBorder);
}

TEST_F(CGRCtrlWindow, TextIsDrawnAtItsAlignmentInItsCellsFont)
{
    HENHMETAFILE hRecorded = RecordPrint();
    CTextRecorder recorder(hRecorded);
    ::DeleteEnhMetaFile(hRecorded);
    HDC hScreen = ::GetDC(nullptr);
    SIZE extent = {};
    ::GetTextExtentPoint32A(hScreen, "text", 4, &extent);
    ::ReleaseDC(nullptr, hScreen);

    const TextCall* pRightAligned = recorder.Find("text");
    ASSERT_NE(pRightAligned, nullptr);
    // Cell (3,1) spans x 225..300; its right border leaves 299, the margin 4.
    EXPECT_EQ(pRightAligned->ptReference.x, 299 - 4 - extent.cx);
    // Rows 20..40 less the bottom border: centred in 19 pixels.
    EXPECT_EQ(pRightAligned->ptReference.y, 20 + (19 - extent.cy) / 2);

    const TextCall* pBold = recorder.Find("bold");
    const TextCall* pPlain = recorder.Find("plain");
    ASSERT_NE(pBold, nullptr);
    ASSERT_NE(pPlain, nullptr);
    EXPECT_EQ(pBold->nWeight, kBold);
    EXPECT_NE(pPlain->nWeight, kBold);
    EXPECT_EQ(pBold->ptReference.x, 75 + 4);  // left aligned at the margin
    EXPECT_EQ(pBold->ptReference.y, 60 + 1);
}

// On pixels a right-aligned text is drawn by its right edge, not measured
// first: it must land on exactly the pixels it did when it was placed at the
// margin less its measured width, a text wider than its cell cut off at the
// cell's left side the same way. The reference is drawn over the cell's
// inside by hand, in the context's own font as the grid (which has no font
// of its own here), centred in the 19 pixels above the bottom border.
TEST_F(CGRCtrlWindow, RightAlignedTextTakesThePixelsOfItsMeasuredPlace)
{
    const CRect inside(225, 20, 299, 39);  // cell (3,1) less its right and bottom border
    const char* const aTexts[] = {"text", "12.3", "-0.5 dB", "W", "A text far wider than its cell"};
    for (const char* lpszText : aTexts) {
        SCOPED_TRACE(lpszText);
        m_grid.SetCellText(3, 1, lpszText);
        CAreaBitmap drawn(Area());
        Print(drawn);

        CAreaBitmap reference(Area());
        Print(reference);
        ::SetBkColor(reference.m_hDC, ::GetSysColor(COLOR_WINDOW));
        ::ExtTextOutA(reference.m_hDC, 0, 0, ETO_OPAQUE, &inside, "", 0, nullptr);
        SIZE extent = {};
        ::GetTextExtentPoint32A(reference.m_hDC, lpszText, static_cast<int>(strlen(lpszText)), &extent);
        ::SetBkMode(reference.m_hDC, TRANSPARENT);
        ::SetTextColor(reference.m_hDC, ::GetSysColor(COLOR_WINDOWTEXT));
        ::ExtTextOutA(reference.m_hDC, inside.right - 4 - extent.cx, inside.top + (inside.Height() - extent.cy) / 2,
                      ETO_CLIPPED, &inside, lpszText, static_cast<UINT>(strlen(lpszText)), nullptr);

        int nDiffering = 0;
        for (int y = inside.top - 1; y <= inside.bottom; ++y)
            for (int x = inside.left - 1; x <= inside.right; ++x)
                nDiffering += drawn.Pixel(x, y) != reference.Pixel(x, y) ? 1 : 0;
        EXPECT_EQ(nDiffering, 0);
        int nInked = 0;
        for (int y = inside.top; y < inside.bottom; ++y)
            for (int x = inside.left; x < inside.right; ++x)
                nInked += drawn.Pixel(x, y) != ::GetSysColor(COLOR_WINDOW) ? 1 : 0;
        EXPECT_GT(nInked, 0);
    }
}

// The drawing pass keeps pen, font, colours and alignment set from cell to
// cell; each cell drawn on its own, with nothing kept, must give the same
// pixels. The fixture's frames, fonts, right-aligned and run-on texts are
// joined by a shaded column with a differently coloured, a right-aligned
// and a selected cell in it. Joined cells, drawn over their range by the
// pass, are left out.
TEST_F(CGRCtrlWindow, DrawingPassPaintsWhatEachCellDrawnAloneDoes)
{
    const COLORREF crShade = RGB(220, 220, 220);
    for (int nRow = 0; nRow < 14; ++nRow)
        m_grid.SetCellBackColor(0, nRow, crShade);
    m_grid.SetCellBackColor(0, 5, kGreen);
    m_grid.SetCellText(0, 9, "12.5");
    m_grid.SetCellAlignment(0, 9, kAlignRight | kAlignVCenter);
    m_grid.SelectRange(0, 11, 1, 11);
    CAreaBitmap drawn(Area());
    Print(drawn);

    CAreaBitmap reference(Area());
    CDC dc;
    dc.Attach(reference.m_hDC);
    const auto isJoined = [](int nCol, int nRow) { return nCol >= 4 && nCol <= 5 && nRow >= 4 && nRow <= 5; };
    const int nCols = 6, nRows = 14;
    for (int nRow = 0; nRow < nRows; ++nRow)
        for (int nCol = 0; nCol < nCols; ++nCol) {
            CGRCell cell;
            m_grid.GetCellIndirect(nCol, nRow, &cell);
            CRect rect(nCol * 75, nRow * 20, nCol * 75 + 75, nRow * 20 + 20);
            const int nCurrent = nCol == m_grid.GetCurrentCol() && nRow == m_grid.GetCurrentRow() ? 1 : 0;
            const int nSelected = m_grid.IsSelected(nCol, nRow, nullptr) ? 1 : 0;
            if (!isJoined(nCol, nRow))
                m_grid.GetCellType(cell.GetCellType())->OnDraw(&dc, &rect, nCol, nRow, &cell, nSelected, nCurrent);
        }
    dc.Detach();

    for (int nRow = 0; nRow < nRows; ++nRow)
        for (int nCol = 0; nCol < nCols; ++nCol) {
            if (isJoined(nCol, nRow))
                continue;
            int nDiffering = 0;
            for (int y = nRow * 20; y < nRow * 20 + 20; ++y)
                for (int x = nCol * 75; x < std::min<int>(nCol * 75 + 75, drawn.m_rect.right); ++x)
                    nDiffering += drawn.Pixel(x, y) != reference.Pixel(x, y) ? 1 : 0;
            EXPECT_EQ(nDiffering, 0) << "cell " << nCol << "," << nRow;
        }
}

// A repaint sets the context's attributes once, not for every cell: a cell
// costs its fill, its border lines and its text, and a colour when the
// background changes. (Set for every cell, they came to 16 calls a cell.)
TEST_F(CGRCtrlWindow, RepaintCallsTheDrawingLibraryAFewTimesPerCell)
{
    for (int nRow = 0; nRow < 14; ++nRow)
        for (int nCol = 0; nCol < 6; ++nCol)
            m_grid.SetCellText(nCol, nRow, "1.0");
    CAreaBitmap bitmap(Area());
    Print(bitmap);
    Area()->ResetCellsDrawn();
    CGdiCallCounter counter;
    ASSERT_GT(counter.Functions(), 0u);
    Print(bitmap);
    const uint64_t nCalls = counter.Total();
    const int nCells = Area()->GetCellsDrawn();
    ASSERT_GT(nCells, 60);
    EXPECT_LE(nCalls, 4u * nCells);
}

TEST_F(CGRCtrlWindow, LeftAlignedTextRunsOnIntoEmptyCellsToTheRight)
{
    CClientDC dc(Area());
    CGRCell source;
    m_grid.GetCellIndirect(0, 7, &source);
    CSize best(75, 20);
    m_grid.GetCellType(0)->GetBestSize(&dc, &best, &source);
    ASSERT_GT(best.cx, 150);  // wider than two columns
    struct Row {
        int nCol;
        int nOffset;
    };
    const Row rows[] = {{1, -75}, {2, -150}, {0, 0}, {static_cast<int>(best.cx / 75 + 2), 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nCol);
        int nSourceCol = -1;
        CGRCell cell;
        EXPECT_EQ(m_grid.GetCellType(0)->GetOverlapOffset(&dc, row.nCol, 7, &nSourceCol, &cell), row.nOffset);
    }
    m_grid.EnableCellOverlap(0);
    int nSourceCol = -1;
    CGRCell cell;
    EXPECT_EQ(m_grid.GetCellType(0)->GetOverlapOffset(&dc, 1, 7, &nSourceCol, &cell), 0);
}

TEST_F(CGRCtrlWindow, EqualFontsAreRegisteredOnce)
{
    int nArial = m_grid.AddFont("Arial", 15, 400);
    ASSERT_GE(nArial, 0);
    EXPECT_EQ(m_grid.AddFont("Arial", 15, 400), nArial);
    EXPECT_EQ(m_grid.GetFontUseCount(nArial), 2);
    int nBold = m_grid.AddFont("Arial", 15, 700);
    EXPECT_EQ(nBold, nArial + 1);
    EXPECT_NE(m_grid.GetFont(nBold), m_grid.GetFont(nArial));
    int nLongFace = m_grid.AddFont("A face name of thirty-two characters", 15, 400);
    LOGFONT logFont = {};
    m_grid.GetFont(nLongFace)->GetLogFont(&logFont);
    EXPECT_STREQ(logFont.lfFaceName, "");
    EXPECT_EQ(m_grid.SetDefFontIndex(nBold), 0);
    EXPECT_EQ(m_grid.SetDefFontIndex(99), 1);
    m_grid.SetCellFontIndex(0, 0, nBold);
    CGRCell cell;
    m_grid.GetCellIndirect(0, 0, &cell);
    EXPECT_EQ(cell.GetFont(), m_grid.GetFont(nBold));
}

TEST_F(CGRCtrlWindow, CellTypeOptionMessageAnswersOneForAFreeIndex)
{
    EXPECT_EQ(::SendMessage(m_grid.GetSafeHwnd(), CGRCtrl::kSetCellTypeOptionMessage, 2, 5), 0);
    EXPECT_EQ(::SendMessage(m_grid.GetSafeHwnd(), CGRCtrl::kSetCellTypeOptionMessage, 9, 5), 1);
}

TEST_F(CGRCtrlWindow, StartMenuAnswersRefusedEmptyOrShown)
{
    struct Row {
        const char* lpszCase;
        bool bRefuse;
        bool bWithItem;
        int nExpected;
    };
    const Row rows[] = {
        {"refused by OnMenuStart", true, true, 2},
        {"no items", false, false, 1},
        {"shown", false, true, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CMenuGrid grid;
        ASSERT_TRUE(grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 200, 200), &m_parent, 101));
        grid.m_bRefuse = row.bRefuse;
        if (row.bWithItem)
            grid.GetPopupMenu()->AppendMenu(MF_STRING, 1001, "Item");
        UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, EndMenuTimer);
        EXPECT_EQ(grid.StartMenu(2, 3, CPoint(50, 50), kSectionCellArea), row.nExpected);
        ::KillTimer(nullptr, nTimer);
        grid.DestroyWindow();
    }
}

TEST_F(CGRCtrlWindow, MenuThatIsAlreadyUpFailsToShowAgain)
{
    m_grid.GetPopupMenu()->AppendMenu(MF_STRING, 1001, "Item");
    s_pGridAgain = &m_grid;
    s_nStartedAgain = -1;
    ::SetTimer(nullptr, 0, 10, EndMenuTimer);
    EXPECT_EQ(m_grid.StartMenu(2, 3, CPoint(50, 50), kSectionCellArea), 0);
    s_pGridAgain = nullptr;
    EXPECT_EQ(s_nStartedAgain, 3);
}

TEST_F(CGRCtrlWindow, MenuCommandsFrom1000ReachTheCellTheMenuWasOpenedFor)
{
    m_grid.EnableMenu(1);
    ::SendMessage(AreaHandle(), WM_RBUTTONDOWN, MK_RBUTTON, PointParam(2 * 75 + 30, 3 * 20 + 5));
    ::SendMessage(AreaHandle(), WM_RBUTTONUP, 0, PointParam(2 * 75 + 30, 3 * 20 + 5));
    EXPECT_EQ(Cell(), "2,3");
    ::SendMessage(m_grid.GetSafeHwnd(), WM_COMMAND, 999, 0);
    ::SendMessage(m_grid.GetSafeHwnd(), WM_COMMAND, 1000, 0);
    ::SendMessage(m_grid.GetSafeHwnd(), WM_COMMAND, 1042, 0);
    EXPECT_EQ(m_grid.m_commands, (std::vector<std::string>{"2,3,1:1000", "2,3,1:1042"}));
}

TEST_F(CGRCtrlWindow, RightToLeftLayoutAnswersWhetherItChanged)
{
    struct Row {
        int nOn;
        int nExpected;
    };
    const Row rows[] = {{1, 0}, {1, 1}, {0, 0}, {0, 1}, {5, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nOn) + " after the previous row");
        EXPECT_EQ(m_grid.SetRightToLeftLayout(row.nOn), row.nExpected);
        DWORD dwExpected = row.nOn ? WS_EX_LAYOUTRTL : 0;
        EXPECT_EQ(m_grid.GetExStyle() & WS_EX_LAYOUTRTL, dwExpected);
        EXPECT_EQ(Area()->GetExStyle() & WS_EX_LAYOUTRTL, dwExpected);
    }
    CMenuGrid unattached;
    EXPECT_EQ(unattached.SetRightToLeftLayout(1), 1);
}

TEST_F(CGRCtrlWindow, SwitchingSheetsShowsTheNewSheetInTheCellArea)
{
    ASSERT_EQ(m_grid.SetNumberSheets(2), 0);
    EXPECT_EQ(m_grid.SetSheetNumber(1, 1), 0);
    Area()->UpdateWindow();
    CAreaBitmap screen(Area());
    CopyScreen(screen);
    EXPECT_EQ(screen.Pixel(30, 10), kGreen);
    EXPECT_EQ(screen.Pixel(260, 10), ::GetSysColor(COLOR_WINDOW));  // three columns only
    EXPECT_EQ(m_grid.SetSheetNumber(0, 1), 0);
    Area()->UpdateWindow();
    CopyScreen(screen);
    EXPECT_EQ(screen.Pixel(30, 10), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(screen.Pixel(100, 30), kGreen);
}

TEST(CGRCtrlAttach, AttachedGridTakesTheDialogsFontAndItsItemsLayout)
{
    struct Row {
        const char* lpszCase;
        DWORD dwItemExStyle;
        UINT nAttachID;
        int nExpected;
    };
    const Row rows[] = {
        {"left to right", 0, 300, 1},
        {"right to left", WS_EX_RTLREADING, 300, 1},
        {"no such item", 0, 301, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CFontDialog dialog;
        ASSERT_TRUE(dialog.CreateEx(0, AfxRegisterWndClass(0), "Dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    CRect(0, 0, 460, 360), nullptr, 0));
        HWND hItem = ::CreateWindowExA(row.dwItemExStyle, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE,
                                       10, 10, 400, 300, dialog.GetSafeHwnd(), reinterpret_cast<HMENU>(300),
                                       nullptr, nullptr);
        ASSERT_NE(hItem, nullptr);
        CFiftyGrid grid;
        EXPECT_EQ(grid.AttachGrid(&dialog, row.nAttachID), row.nExpected);
        if (row.nExpected == 1) {
            EXPECT_EQ(grid.GetSafeHwnd(), hItem);
            EXPECT_TRUE(::IsWindow(grid.GetCellArea()->GetSafeHwnd()));
            EXPECT_EQ(grid.GetColCount(), 50);
            EXPECT_EQ(grid.GetGridInfo()->m_bUpdateEnabled, 1);
            EXPECT_TRUE(grid.GetStyle() & WS_CLIPCHILDREN);
            EXPECT_TRUE(grid.GetStyle() & WS_TABSTOP);
            LOGFONT cellFont = {}, headingFont = {};
            ASSERT_NE(grid.GetGridInfo()->m_pDefFont, nullptr);
            grid.GetGridInfo()->m_pDefFont->GetLogFont(&cellFont);
            EXPECT_EQ(cellFont.lfHeight, -13);
            EXPECT_EQ(cellFont.lfWeight, FW_NORMAL);
            ASSERT_NE(grid.GetGridInfo()->m_headingDefault.GetFont(), nullptr);
            grid.GetGridInfo()->m_headingDefault.GetFont()->GetLogFont(&headingFont);
            EXPECT_EQ(headingFont.lfWeight, FW_NORMAL + 200);
            DWORD dwExpected = row.dwItemExStyle ? WS_EX_LAYOUTRTL : 0;
            EXPECT_EQ(grid.GetExStyle() & WS_EX_LAYOUTRTL, dwExpected);
            EXPECT_EQ(grid.GetCellArea()->GetExStyle() & WS_EX_LAYOUTRTL, dwExpected);
        }
        dialog.DestroyWindow();
    }
}
