// The main window's layout as the user meets it: a resize repaints the whole
// MDI area, the window's place and size come back at the next start (also
// maximised), and closing asks the save question once.

#include "ShellWindowsFixture.h"

namespace {

CRect UpdateRectOf(HWND hWnd)
{
    CRect rect;
    ::GetUpdateRect(hWnd, &rect, FALSE);
    return rect;
}

CRect ClientRectOf(HWND hWnd)
{
    CRect rect;
    ::GetClientRect(hWnd, &rect);
    return rect;
}

}  // namespace

TEST_F(CShellWindowsTest, RepaintsTheWholeMDIAreaWhenTheFrameChangesSize)
{
    struct Row {
        const char* lpszCase;
        CSize size;
    };
    const Row rows[] = {
        {"narrower", CSize(600, 560)},
        {"lower", CSize(600, 420)},
        {"wider and higher", CSize(820, 640)},
    };
    const HWND hWndClient = MainFrame().m_hWndMDIClient;
    MainFrame().SetWindowPos(nullptr, 20, 20, 760, 560, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        MainFrame().UpdateWindow();
        ::UpdateWindow(hWndClient);
        ASSERT_TRUE(UpdateRectOf(hWndClient).IsRectEmpty());

        MainFrame().SetWindowPos(nullptr, 0, 0, row.size.cx, row.size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(UpdateRectOf(hWndClient), ClientRectOf(hWndClient));
    }
}

TEST_F(CShellWindowsTest, OpensAtTheNextStartWhereTheUserLeftIt)
{
    struct Row {
        const char* lpszCase;
        UINT nShowCmd;
        bool bZoomed;
    };
    const Row rows[] = {
        {"normal", SW_SHOWNORMAL, false},
        {"maximised", SW_SHOWMAXIMIZED, true},
    };
    const CRect rectNormal(70, 40, 770, 540);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        MainFrame().GetWindowPlacement(&placement);
        placement.rcNormalPosition = rectNormal;
        placement.showCmd = row.nShowCmd;
        MainFrame().SetWindowPlacement(&placement);
        MainFrame().SendMessage(WM_CLOSE);

        RestartApplication();
        MainFrame().GetWindowPlacement(&placement);
        EXPECT_EQ(CRect(placement.rcNormalPosition), rectNormal);
        EXPECT_EQ(MainFrame().IsZoomed() != FALSE, row.bZoomed);
        EXPECT_TRUE(MainFrame().IsWindowVisible());
    }
}

TEST_F(CShellWindowsTest, AsksOnceWhetherToSaveTheWorkspaceWhenClosed)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    ASSERT_TRUE(App().m_bWorkspaceModified);
    m_boxes.m_boxes.clear();
    m_boxes.Answer({IDNO, IDCANCEL});

    MainFrame().SendMessage(WM_CLOSE);
    PumpMessages();

    ASSERT_EQ(m_boxes.m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes.m_boxes[0].sText, "Save changes to Untitled?");
    EXPECT_EQ(App().m_pMainWnd, nullptr);
}
