// CGRGrid, the cell area, on a real window under Xvfb: every key that
// moves the current cell; clicks, the wheel and dragging beyond the edges,
// also past locked columns; the cells a move or a scroll draws, counted;
// the picture after scrolling by moving the screen equals one drawn anew,
// with and without double buffering, and a window over the area makes a
// scroll draw everything; cell tips and context help.
//
// Not tested here: the full repaint when the active window covers part of
// the area or the area lies partly off the screen.
#include "grid/CGRGrid.h"

#include "GridWindowFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using CGRGridWindow = CGridWindowTest<CFiftyGrid>;

// Cell tips on from the start; no tip over column 2.
class CTipGrid : public CFiftyGrid {
public:
    CTipGrid() { GetGridInfo()->m_nCellTips = 1; }
    int OnHint(int nCol, int nRow, int nSection, CString* pText) override
    {
        return nCol == 2 ? 0 : CFiftyGrid::OnHint(nCol, nRow, nSection, pText);
    }
};

using CGRGridTips = CGridWindowTest<CTipGrid>;

// Holds Ctrl down for the thread's key state while it lives.
class CCtrlHeld {
public:
    CCtrlHeld()
    {
        ::GetKeyboardState(m_keys);
        BYTE keys[256];
        memcpy(keys, m_keys, sizeof(keys));
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
    }
    ~CCtrlHeld() { ::SetKeyboardState(m_keys); }

private:
    BYTE m_keys[256];
};

}

TEST_F(CGRGridWindow, EveryMoveKeyMovesTheCurrentCell)
{
    struct Row {
        UINT nKey;
        bool bCtrl;
        const char* lpszCell;
    };
    const Row rows[] = {
        {VK_RIGHT, false, "1,0"}, {VK_DOWN, false, "1,1"},  {VK_END, false, "49,1"},
        {VK_HOME, false, "0,1"},  {VK_NEXT, false, "0,14"}, {VK_PRIOR, false, "0,1"},
        {VK_UP, false, "0,0"},    {VK_LEFT, false, "0,0"},  {VK_END, true, "0,49"},
        {VK_DOWN, false, "0,49"}, {VK_HOME, true, "0,0"},   {VK_TAB, false, "0,0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nKey) + (row.bCtrl ? " with Ctrl" : ""));
        if (row.bCtrl) {
            CCtrlHeld ctrl;
            ::SendMessage(AreaHandle(), WM_KEYDOWN, row.nKey, 0);
        } else {
            ::SendMessage(AreaHandle(), WM_KEYDOWN, row.nKey, 0);
        }
        EXPECT_EQ(Cell(), row.lpszCell);
    }
}

TEST_F(CGRGridWindow, ArrowsStepOverJoinedCellsAsAWhole)
{
    m_grid.GotoCell(3, 4);
    struct Row {
        UINT nKey;
        const char* lpszCell;
    };
    const Row rows[] = {{VK_RIGHT, "4,4"}, {VK_RIGHT, "6,4"}, {VK_LEFT, "4,4"}, {VK_LEFT, "3,4"},
                        {VK_DOWN, "3,5"},  {VK_RIGHT, "4,4"}, {VK_DOWN, "4,6"}, {VK_UP, "4,4"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nKey);
        ::SendMessage(AreaHandle(), WM_KEYDOWN, row.nKey, 0);
        EXPECT_EQ(Cell(), row.lpszCell);
    }
}

TEST_F(CGRGridWindow, ClickMovesToTheCellAndTheWheelScrolls)
{
    ::SendMessage(AreaHandle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(2 * 75 + 30, 3 * 20 + 5));
    ::SendMessage(AreaHandle(), WM_LBUTTONUP, 0, PointParam(2 * 75 + 30, 3 * 20 + 5));
    EXPECT_EQ(Cell(), "2,3");
    ::SendMessage(AreaHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 3);
    ::SendMessage(AreaHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 119), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 3);
    ::SendMessage(AreaHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
    EXPECT_EQ(m_grid.GetTopRow(), 0);
}

TEST_F(CGRGridWindow, DraggingBeyondAnEdgeMovesOneStepPerMouseMove)
{
    const CGRGridInfo& info = *m_grid.GetGridInfo();
    ::SendMessage(AreaHandle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(30, 25));
    ASSERT_EQ(Cell(), "0,1");
    struct Row {
        int x, y;
        const char* lpszCell;
    };
    const Row rows[] = {
        {30, info.m_nAreaHeight + 5, "0,2"},
        {30, info.m_nAreaHeight + 5, "0,3"},
        {30, info.m_nAreaHeight + 50, "0,4"},
        {info.m_nAreaWidth + 5, 45, "1,4"},
        {-5, 45, "0,4"},
        {30, -5, "0,3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        ::SendMessage(AreaHandle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(row.x, row.y));
        EXPECT_EQ(Cell(), row.lpszCell);
    }
    ::SendMessage(AreaHandle(), WM_LBUTTONUP, 0, PointParam(30, 25));
    ::SendMessage(AreaHandle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(30, info.m_nAreaHeight + 5));
    EXPECT_EQ(Cell(), "0,3");  // no drag without a press
}

TEST_F(CGRGridWindow, DraggingOverLockedColumnsScrollsBackOneColumnAtATime)
{
    m_grid.LockColumns(2);
    m_grid.SetLeftCol(6);
    ::SendMessage(AreaHandle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(150 + 75 + 30, 25));
    ASSERT_EQ(Cell(), "7,1");
    struct Row {
        const char* lpszCell;
        int nLeftCol;
    };
    const Row rows[] = {{"6,1", 6}, {"5,1", 5}, {"4,1", 4}, {"3,1", 3}, {"2,1", 2}, {"1,1", 2}, {"0,1", 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCell);
        ::SendMessage(AreaHandle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(30, 25));  // over column 0
        EXPECT_EQ(Cell(), row.lpszCell);
        EXPECT_EQ(m_grid.GetLeftCol(), row.nLeftCol);
    }
    ::SendMessage(AreaHandle(), WM_LBUTTONUP, 0, PointParam(30, 25));
}

TEST_F(CGRGridWindow, MoveInsideTheViewDrawsOnlyTheCellsItChanged)
{
    Area()->ResetCellsDrawn();
    EXPECT_EQ(m_grid.GotoCell(1, 0), 0);
    EXPECT_EQ(Area()->GetCellsDrawn(), 2);
    Area()->ResetCellsDrawn();
    m_grid.RedrawCell(3, 3);  // with the current cell, which carries the focus frame
    EXPECT_EQ(Area()->GetCellsDrawn(), 2);
}

TEST_F(CGRGridWindow, ScrollingDrawsOnlyTheUncoveredStripsAndBothCurrentCells)
{
    m_grid.SetCellText(0, 7, "");  // a text running on would draw its neighbours too
    const CGRGridInfo& info = *m_grid.GetGridInfo();
    int nVisibleCols = (info.m_nAreaWidth + 74) / 75;
    int nVisibleRows = (info.m_nAreaHeight + 19) / 20;
    struct Row {
        const char* lpszCase;
        int nLockedRows;
        int nFromTopRow, nFromLeftCol;
        int nTopRow, nLeftCol;
        int nMaxDrawn;
    };
    // A strip uncovered at the bottom (right) brings the row (column) that
    // was cut off at the edge with it.
    const Row rows[] = {
        {"one row down", 0, 0, 0, 1, 0, 2 * nVisibleCols},
        {"one row down past a locked row", 1, 1, 0, 2, 0, 2 * nVisibleCols + 1},  // + the current cell
        {"one row up", 0, 1, 0, 0, 0, nVisibleCols},
        {"one column right", 0, 0, 0, 0, 1, 2 * nVisibleRows},
        {"one column left", 0, 0, 1, 0, 0, nVisibleRows},
        {"three rows down", 0, 0, 0, 3, 0, 4 * nVisibleCols},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_grid.LockRows(row.nLockedRows);
        m_grid.SetTopRow(row.nFromTopRow);
        m_grid.SetLeftCol(row.nFromLeftCol);
        Area()->UpdateWindow();
        Area()->ResetCellsDrawn();
        m_grid.SetTopRow(row.nTopRow);
        m_grid.SetLeftCol(row.nLeftCol);
        EXPECT_GT(Area()->GetCellsDrawn(), 0);
        EXPECT_LE(Area()->GetCellsDrawn(), row.nMaxDrawn);
    }
}

TEST_F(CGRGridWindow, WindowOverTheAreaMakesAScrollDrawEverything)
{
    const CGRGridInfo& info = *m_grid.GetGridInfo();
    int nVisibleCells = ((info.m_nAreaWidth + 74) / 75) * ((info.m_nAreaHeight + 19) / 20);
    CWnd cover;
    ASSERT_TRUE(cover.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(60, 40, 160, 100),
                               &m_grid, 50));
    ::SetWindowPos(cover.GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Area()->UpdateWindow();
    Area()->ResetCellsDrawn();
    m_grid.SetTopRow(1);
    EXPECT_GE(Area()->GetCellsDrawn(), nVisibleCells - ((info.m_nAreaWidth + 74) / 75));
    cover.DestroyWindow();
    Area()->UpdateWindow();
    Area()->ResetCellsDrawn();
    m_grid.SetTopRow(2);
    EXPECT_LE(Area()->GetCellsDrawn(), 2 * ((info.m_nAreaWidth + 74) / 75) + 3);
}

TEST_F(CGRGridWindow, ScrolledPictureEqualsOneDrawnAnew)
{
    struct Row {
        int nDoubleBuffer;
        int nLockedCols, nLockedRows;
        int nCol, nRow;
    };
    const Row rows[] = {
        {0, 0, 0, 3, 20}, {0, 0, 0, 12, 14}, {0, 1, 1, 9, 30}, {0, 1, 1, 1, 2},
        {1, 0, 0, 3, 20}, {1, 0, 0, 12, 14}, {1, 1, 1, 9, 30}, {1, 1, 1, 1, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nDoubleBuffer) + " to " + std::to_string(row.nCol) + ","
                     + std::to_string(row.nRow) + " locked " + std::to_string(row.nLockedCols));
        EXPECT_EQ(m_grid.SetDoubleBufferMode(row.nDoubleBuffer), 0);
        EXPECT_EQ(Area()->GetDoubleBufferMode(), row.nDoubleBuffer);
        m_grid.LockColumns(row.nLockedCols);
        m_grid.LockRows(row.nLockedRows);
        m_grid.RedrawAll();
        Area()->UpdateWindow();
        m_grid.GotoCell(row.nCol, row.nRow);
        CAreaBitmap screen(Area());
        CAreaBitmap printed(Area());
        CopyScreen(screen);
        Print(printed);
        int nDiffering = 0;
        for (int y = 0; y < screen.m_rect.Height(); y += 3)
            for (int x = 0; x < screen.m_rect.Width(); x += 3)
                nDiffering += screen.Pixel(x, y) != printed.Pixel(x, y);
        EXPECT_EQ(nDiffering, 0);
    }
}

TEST_F(CGRGridTips, TipShowsOnceThePointerRestsInACell)
{
    struct Row {
        int x, y;
        INT_PTR nExpected;
    };
    const Row rows[] = {
        {100, 30, -1},   // first time over (1,1)
        {110, 35, 1},    // resting in (1,1)
        {30, 30, -1},    // a new cell
        {30, 31, 1},
        {100, 30, -1},
        {2000, 30, -1},  // beyond the area
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        TOOLINFO info = {};
        info.cbSize = sizeof(info);
        EXPECT_EQ(Area()->OnToolHitTest(CPoint(row.x, row.y), &info), row.nExpected);
        if (row.nExpected != -1) {
            EXPECT_EQ(info.hwnd, AreaHandle());
            EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(AreaHandle()));
            EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
            EXPECT_EQ(info.lpszText, LPSTR_TEXTCALLBACK);
        }
    }
}

TEST_F(CGRGridTips, TipTextComesFromOnHintForTheCellUnderThePointer)
{
    struct Row {
        int nCol, nRow;
        bool bShown;
        const char* lpszText;
    };
    const Row rows[] = {{1, 3, true, "Col:1 Row:3"}, {2, 3, false, ""}, {0, 0, true, "Col:0 Row:0"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszText);
        CPoint point(row.nCol * 75 + 30, row.nRow * 20 + 10);
        Area()->ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
        NMTTDISPINFOA request = {};
        request.hdr.code = TTN_NEEDTEXTA;
        request.hdr.hwndFrom = nullptr;
        request.hdr.idFrom = reinterpret_cast<UINT_PTR>(AreaHandle());
        ::SendMessage(AreaHandle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_STREQ(request.lpszText ? request.lpszText : "", row.lpszText);
    }
}

TEST_F(CGRGridWindow, ContextHelpAsksForTheCellAndCallsHelpWithItsId)
{
    struct Row {
        int nContextType;
        int nCol, nRow;
        LRESULT nAnswer;
        const char* lpszHelpCall;
    };
    const Row rows[] = {
        {HELPINFO_WINDOW, 2, 3, 1, "1203/1"},
        {HELPINFO_WINDOW, 0, 3, 0, nullptr},  // no help for column 0
        {HELPINFO_MENUITEM, 2, 3, 0, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nCol) + "," + std::to_string(row.nRow));
        m_grid.m_helpCalls.clear();
        HELPINFO help = {};
        help.cbSize = sizeof(help);
        help.iContextType = row.nContextType;
        help.MousePos = {row.nCol * 75 + 30, row.nRow * 20 + 10};
        Area()->ClientToScreen(&help.MousePos);
        EXPECT_EQ(::SendMessage(AreaHandle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), row.nAnswer);
        std::vector<std::string> expected;
        if (row.lpszHelpCall)
            expected.push_back(row.lpszHelpCall);
        EXPECT_EQ(m_grid.m_helpCalls, expected);
    }
    EXPECT_EQ(::SendMessage(AreaHandle(), CGRGrid::kHelpHitTestMessage, 0, PointParam(4 * 75 + 10, 2 * 20 + 5)),
              1402);
    EXPECT_EQ(::SendMessage(AreaHandle(), CGRGrid::kHelpHitTestMessage, 0, PointParam(10, 5)), 0);
}
