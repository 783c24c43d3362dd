// CGRCtrl and its cell area on a real window under Xvfb: cell colours,
// default borders, 3D frames and the empty area read back as pixels after
// WM_PRINT into a memory bitmap; keys, clicks and the wheel sent as real
// messages; the cells a move repaints, counted.
//
// Text is checked through the calls recorded in an enhanced metafile.
//
// Not tested here yet: scrolling by ScrollDC (a scroll repaints all).
#include "grid/CGRCtrl.h"

#include "GridTestEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kDefaultBorder = RGB(220, 220, 220);

// 50 x 50 cells of 75 x 20 with a few coloured, framed and joined ones.
class CFiftyGrid : public CGRCtrl {
public:
    void OnSetup() override
    {
        SetColCount(50, 0);
        SetRowCount(50, 0);
        SetCellBackColor(1, 1, kGreen);
        SetCellBorder(2, 2, kBorderSunken);
        SetCellBackColor(2, 2, RGB(255, 255, 0));
        SetCellText(3, 1, "text");
        SetCellAlignment(3, 1, kAlignRight | kAlignVCenter);
        JoinCells(4, 4, 5, 5);
        SetCellText(0, 7, "A text that runs on over empty cells");
        SetCellBackColor(4, 4, RGB(0, 0, 255));
    }
};

class CGRCtrlWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Grid test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      CRect(0, 0, 460, 360), nullptr, 0));
        ASSERT_TRUE(m_grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 400, 300), &m_parent, 100));
        m_grid.GetCellArea()->UpdateWindow();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // The whole cell area drawn into a 32-bit bitmap; the pixel at (x, y).
    COLORREF PixelAfterPrint(int x, int y)
    {
        CGRGrid* pArea = m_grid.GetCellArea();
        CRect client;
        pArea->GetClientRect(&client);
        HDC hScreen = ::GetDC(nullptr);
        HDC hMemory = ::CreateCompatibleDC(hScreen);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, client.Width(), client.Height());
        HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
        ::SendMessage(pArea->GetSafeHwnd(), WM_PRINT, reinterpret_cast<WPARAM>(hMemory), PRF_CLIENT);
        COLORREF crPixel = ::GetPixel(hMemory, x, y);
        ::SelectObject(hMemory, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hMemory);
        ::ReleaseDC(nullptr, hScreen);
        return crPixel;
    }

    std::string Cell() const
    {
        return std::to_string(m_grid.GetCurrentCol()) + "," + std::to_string(m_grid.GetCurrentRow());
    }

    CWnd m_parent;
    CFiftyGrid m_grid;
};

struct TextCall {
    std::string sText;
    POINTL ptReference;
};

int CALLBACK CollectTextCalls(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    auto* pCalls = reinterpret_cast<std::vector<TextCall>*>(lParam);
    if (pRecord->iType == EMR_EXTTEXTOUTW) {
        const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
        const auto* pChars = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(pRecord)
                                                            + pText->emrtext.offString);
        std::string sText;
        for (DWORD i = 0; i < pText->emrtext.nChars; ++i)
            sText += static_cast<char>(pChars[i]);
        pCalls->push_back({sText, pText->emrtext.ptlReference});
    } else if (pRecord->iType == EMR_EXTTEXTOUTA) {
        const auto* pText = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord);
        const char* pChars = reinterpret_cast<const char*>(pRecord) + pText->emrtext.offString;
        pCalls->push_back({std::string(pChars, pText->emrtext.nChars), pText->emrtext.ptlReference});
    }
    return 1;
}

LPARAM PointParam(int x, int y)
{
    return MAKELPARAM(x, y);
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
    m_grid.GetCellArea()->GetClientRect(&area);
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
    const Row rows[] = {
        {"inside cell (1,1)", 100, 30, kGreen},
        {"right border of (1,1)", 149, 30, kDefaultBorder},
        {"bottom border of (1,1)", 100, 39, kDefaultBorder},
        {"plain cell (0,3)", 30, 70, RGB(255, 255, 255)},
        {"sunken frame left of (2,2)", 150, 50, RGB(128, 128, 128)},
        {"sunken frame right of (2,2)", 224, 50, RGB(255, 255, 255)},
        {"inside (2,2)", 190, 50, RGB(255, 255, 0)},
        {"joined (4,4)-(5,5), lower left part", 320, 105, RGB(0, 0, 255)},
    };
    COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszPlace);
        COLORREF crExpected = row.crExpected == RGB(255, 255, 255) ? crWindow : row.crExpected;
        if (std::string(row.lpszPlace).find("sunken") != std::string::npos)
            crExpected = ::GetSysColor(row.crExpected == RGB(128, 128, 128) ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
        EXPECT_EQ(PixelAfterPrint(row.x, row.y), crExpected);
    }
}

TEST_F(CGRCtrlWindow, AreaBeyondTheLastColumnTakesTheWindowColour)
{
    m_grid.SetColCount(2, 1);
    EXPECT_EQ(PixelAfterPrint(200, 10), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelAfterPrint(149, 10), kDefaultBorder);
}

TEST_F(CGRCtrlWindow, TextIsDrawnAtItsAlignment)
{
    HDC hMetafile = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hMetafile, nullptr);
    ::SendMessage(m_grid.GetCellArea()->GetSafeHwnd(), WM_PRINT, reinterpret_cast<WPARAM>(hMetafile), PRF_CLIENT);
    SIZE extent = {};
    ::GetTextExtentPoint32A(hMetafile, "text", 4, &extent);
    HENHMETAFILE hRecorded = ::CloseEnhMetaFile(hMetafile);
    std::vector<TextCall> calls;
    ::EnumEnhMetaFile(nullptr, hRecorded, CollectTextCalls, &calls, nullptr);
    ::DeleteEnhMetaFile(hRecorded);

    const TextCall* pRightAligned = nullptr;
    for (const TextCall& call : calls)
        if (call.sText == "text")
            pRightAligned = &call;
    ASSERT_NE(pRightAligned, nullptr);
    // Cell (3,1) spans x 225..300; its right border leaves 299, the margin 4.
    EXPECT_EQ(pRightAligned->ptReference.x, 299 - 4 - extent.cx);
    // Rows 20..40 less the bottom border: centred in 19 pixels.
    EXPECT_EQ(pRightAligned->ptReference.y, 20 + (19 - extent.cy) / 2);
}

TEST_F(CGRCtrlWindow, KeysMoveTheCurrentCell)
{
    HWND hArea = m_grid.GetCellArea()->GetSafeHwnd();
    struct Row {
        UINT nKey;
        const char* lpszCell;
    };
    const Row rows[] = {{VK_RIGHT, "1,0"}, {VK_DOWN, "1,1"}, {VK_END, "49,1"}, {VK_HOME, "0,1"},
                        {VK_NEXT, "0,14"}, {VK_PRIOR, "0,1"}, {VK_UP, "0,0"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nKey);
        ::SendMessage(hArea, WM_KEYDOWN, row.nKey, 0);
        EXPECT_EQ(Cell(), row.lpszCell);
    }
}

TEST_F(CGRCtrlWindow, ClickMovesToTheCellAndTheWheelScrolls)
{
    HWND hArea = m_grid.GetCellArea()->GetSafeHwnd();
    ::SendMessage(hArea, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(2 * 75 + 30, 3 * 20 + 5));
    ::SendMessage(hArea, WM_LBUTTONUP, 0, PointParam(2 * 75 + 30, 3 * 20 + 5));
    EXPECT_EQ(Cell(), "2,3");
    ::SendMessage(hArea, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 3);
    ::SendMessage(hArea, WM_MOUSEWHEEL, MAKEWPARAM(0, 119), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 3);
}

TEST_F(CGRCtrlWindow, MoveInsideTheViewRepaintsOnlyTheCellsItChanged)
{
    CGRGrid* pArea = m_grid.GetCellArea();
    pArea->UpdateWindow();
    pArea->ResetCellsDrawn();
    EXPECT_EQ(m_grid.GotoCell(1, 0), 0);
    EXPECT_EQ(pArea->GetCellsDrawn(), 2);
    pArea->ResetCellsDrawn();
    m_grid.RedrawCell(3, 3);  // with the current cell, which carries the focus frame
    EXPECT_EQ(pArea->GetCellsDrawn(), 2);
    pArea->ResetCellsDrawn();
    m_grid.GotoCell(1, 20);   // scrolls: everything in view is drawn anew
    EXPECT_GT(pArea->GetCellsDrawn(), 40);
}

TEST_F(CGRCtrlWindow, LeftAlignedTextRunsOnIntoEmptyCellsToTheRight)
{
    CClientDC dc(m_grid.GetCellArea());
    CGRCell source;
    m_grid.GetCellIndirect(0, 7, &source);
    CSize best(75, 20);
    m_grid.GetCellType(0)->GetBestSize(&dc, &best, &source);
    ASSERT_GT(best.cx, 150);  // wider than two columns
    struct Row {
        int nCol;
        int nOffset;
    };
    const Row rows[] = {{1, -75}, {2, -150}, {0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nCol);
        int nSourceCol = -1;
        CGRCell cell;
        EXPECT_EQ(m_grid.GetCellType(0)->GetOverlapOffset(&dc, row.nCol, 7, &nSourceCol, &cell), row.nOffset);
    }
    int nFarCol = best.cx / 75 + 2;  // beyond the text's end
    int nSourceCol = -1;
    CGRCell cell;
    EXPECT_EQ(m_grid.GetCellType(0)->GetOverlapOffset(&dc, nFarCol, 7, &nSourceCol, &cell), 0);
    m_grid.EnableCellOverlap(0);
    EXPECT_EQ(m_grid.GetCellType(0)->GetOverlapOffset(&dc, 1, 7, &nSourceCol, &cell), 0);
}

TEST_F(CGRCtrlWindow, EqualFontsAreRegisteredOnce)
{
    int nArial = m_grid.AddFont("Arial", 15, 400);
    ASSERT_GE(nArial, 0);
    EXPECT_EQ(m_grid.AddFont("Arial", 15, 400), nArial);
    EXPECT_EQ(m_grid.GetFontUseCount(nArial), 2);
    int nBold = m_grid.AddFont("Arial", 15, 600);
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
