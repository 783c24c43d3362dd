// The corner button on a real window: where it sits, the corner cell it
// draws, the heading sizes dragged from its edges, its clicks, menu, tip and
// context help.
#include "CompanionGrid.h"
#include "GridWindowPixels.h"

namespace {

const COLORREF kGreen = RGB(0, 128, 0);

class CGRCnrBtnWindow : public CCompanionWindowTest {
protected:
    void Mouse(UINT nMessage, UINT nFlags, int x, int y)
    {
        m_grid.GetCornerButton()->SendMessage(nMessage, nFlags, PointParam(x, y));
    }
    void AskForTheCursor()
    {
        CGRCnrBtn* pCorner = m_grid.GetCornerButton();
        pCorner->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(pCorner->GetSafeHwnd()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
};

}

TEST_F(CGRCnrBtnWindow, SitsAboveTheSideHeadingAndLeftOfTheTopHeading)
{
    CreateGrid();
    CGRCnrBtn* pCorner = m_grid.GetCornerButton();
    EXPECT_EQ(pCorner->GetDlgCtrlID(), 4);
    CRect rect;
    pCorner->GetWindowRect(&rect);
    m_grid.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 40, 20));
}

TEST_F(CGRCnrBtnWindow, DrawsTheCornerCellWithItsType)
{
    CreateGrid();
    m_grid.SetCellBackColor(-1, -1, kGreen);
    CGridSnapshot corner(m_grid.GetCornerButton());
    EXPECT_EQ(corner.Pixel(20, 10), kGreen);
}

TEST_F(CGRCnrBtnWindow, DraggingTheBottomEdgeAboveTheControlMakesTheTopHeadingHeightZero)
{
    CreateGrid();
    m_grid.m_bLogViewMoves = false;
    Mouse(WM_MOUSEMOVE, 0, 20, 18);
    EXPECT_EQ(m_grid.GetCornerButton()->GetSizingZone(), CGRCornerSizing::kTopHeightZone);
    EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_SIZENS));
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 20, 18);
    EXPECT_EQ(CWnd::GetCapture(), m_grid.GetCornerButton());
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 20, 45);
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 45);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 20, -40);
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 0);
    CRect area;
    m_grid.GetCellArea()->GetWindowRect(&area);
    m_grid.ScreenToClient(&area);
    EXPECT_EQ(area.top, 0);
    Mouse(WM_LBUTTONUP, 0, 20, -40);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(m_grid.Log(), "CB_L(1,1) TopSized(0) CB_L(0,1)");
}

TEST_F(CGRCnrBtnWindow, DraggingTheRightEdgeSizesTheSideHeading)
{
    CreateGrid();
    Mouse(WM_MOUSEMOVE, 0, 38, 5);
    AskForTheCursor();
    EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_SIZEWE));
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 38, 5);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 70, 5);
    Mouse(WM_LBUTTONUP, 0, 70, 5);
    EXPECT_EQ(m_grid.GetSideHeadingWidth(), 70);
    EXPECT_EQ(Component(CGRGridInfo::kCornerButton), CRect(0, 0, 70, 20));
}

TEST_F(CGRCnrBtnWindow, LosingTheCaptureEndsTheDragWhereItIs)
{
    CreateGrid();
    m_grid.m_bLogViewMoves = false;
    Mouse(WM_MOUSEMOVE, 0, 20, 18);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 20, 18);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 20, 30);
    m_parent.SetCapture();
    ::ReleaseCapture();
    Mouse(WM_MOUSEMOVE, 0, 20, 60);
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 30);
    Mouse(WM_LBUTTONUP, 0, 20, 60);
    EXPECT_EQ(m_grid.Log(), "CB_L(1,1) TopSized(30) CB_L(0,0)");
}

TEST_F(CGRCnrBtnWindow, WithoutUserSizingTheEdgesSizeNothing)
{
    CreateGrid();
    m_grid.SetUserSizingMode(0);
    Mouse(WM_MOUSEMOVE, 0, 20, 18);
    EXPECT_EQ(m_grid.GetCornerButton()->GetSizingZone(), CGRCornerSizing::kNoZone);
    AskForTheCursor();
    EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_ARROW));
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 20, 18);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 20, 45);
    Mouse(WM_LBUTTONUP, 0, 20, 45);
    EXPECT_EQ(m_grid.GetTopHeadingHeight(), 20);
    EXPECT_EQ(m_grid.Log(), "CB_L(1,0) CB_L(0,0)");
}

TEST_F(CGRCnrBtnWindow, ClicksReachTheControlAndTheRightButtonOpensTheMenu)
{
    CreateGrid();
    m_parent.SetFocus();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 10, 5);
    EXPECT_EQ(CWnd::GetFocus(), m_grid.GetCellArea());
    Mouse(WM_LBUTTONUP, 0, 10, 5);
    Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, 10, 5);
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 10, 5);
    Mouse(WM_RBUTTONUP, 0, 10, 5);
    m_grid.EnableMenu(1);
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 10, 5);
    EXPECT_EQ(m_grid.Log(), "CB_L(1,0) CB_L(0,0) CB_D(0) CB_R(1,0) CB_R(0,0) CB_R(1,0) MenuStart(-1,-1,4)");
}

TEST_F(CGRCnrBtnWindow, ContextHelpAndTipNameTheCorner)
{
    CreateGrid();
    HELPINFO help = {};
    help.cbSize = sizeof(help);
    help.iContextType = HELPINFO_WINDOW;
    CGRCnrBtn* pCorner = m_grid.GetCornerButton();
    EXPECT_EQ(pCorner->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    EXPECT_EQ(pCorner->SendMessage(0x0366, 0, 0), 3989);
    EXPECT_EQ(m_grid.Log(), "Help(3989)");

    TOOLINFO tool = {};
    tool.cbSize = sizeof(tool);
    EXPECT_EQ(pCorner->OnToolHitTest(CPoint(5, 5), &tool), 1);
    EXPECT_EQ(tool.hwnd, pCorner->GetSafeHwnd());
    EXPECT_EQ(tool.lpszText, LPSTR_TEXTCALLBACK);
    HWND hTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, m_parent.GetSafeHwnd(),
                                  nullptr, nullptr, nullptr);
    NMTTDISPINFOA request = {};
    request.hdr.code = TTN_NEEDTEXTA;
    request.hdr.hwndFrom = hTip;
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(pCorner->GetSafeHwnd());
    pCorner->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_STREQ(request.lpszText ? request.lpszText : "", "Col:-1 Row:-1");
    EXPECT_EQ(::SendMessage(hTip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 200);
    EXPECT_EQ(::SendMessage(hTip, TTM_GETMAXTIPWIDTH, 0, 0), 32767);
    ::DestroyWindow(hTip);
}
