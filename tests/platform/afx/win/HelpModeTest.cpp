// Help mode in the running MDI application: entering takes the re-posted
// command, the prompt shows while it lasts, a click or a menu command picks
// the help, Escape and WM_EXITHELPMODE leave without help, an in-place
// frame hook may refuse it; and the help of a command (WM_COMMANDHELP).
// Mouse messages are posted to the frame, which holds the mouse in help
// mode, with points in its client coordinates.
#include "TestApplicationFixture.h"
#include "TestEvents.h"
#include "TestResources.h"

#include <functional>

namespace {

const DWORD kOwnContext = 0x30042;

// A child that names its own help context, and notes what the frame showed
// while it was asked.
class CHelpTargetWnd : public CWnd {
public:
    std::string m_sPromptSeen;
    int m_nModeSeen = -1;

protected:
    afx_msg LRESULT OnHelpHitTest(WPARAM, LPARAM)
    {
        auto* pFrame = static_cast<CTestMainFrame*>(GetTopLevelFrame());
        CString sText;
        pFrame->m_wndMessageBar.GetWindowText(sText);
        m_sPromptSeen = static_cast<LPCTSTR>(sText);
        m_nModeSeen = pFrame->m_bHelpMode;
        return kOwnContext;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpTargetWnd, CWnd)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

class CRecordingFrameHook : public COleFrameHook {
public:
    BOOL m_bAllow = TRUE;
    std::vector<BOOL> m_calls;
    BOOL OnContextHelp(BOOL bEnter) override
    {
        m_calls.push_back(bEnter);
        return m_bAllow;
    }
};

std::string Hex(DWORD dwValue)
{
    char szText[32];
    ::wsprintfA(szText, "help 0x%X", static_cast<UINT>(dwValue));
    return szText;
}

class HelpMode : public CTestApplicationTest {
protected:
    void SetUp() override
    {
        CTestApplicationTest::SetUp();
        ASSERT_TRUE(m_target.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40),
                                    &MainFrame(), 100));
        ::SetWindowPos(m_target.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PumpMessages();
        TestEvents().clear();
    }
    void TearDown() override
    {
        m_target.DestroyWindow();
        CTestApplicationTest::TearDown();
    }

    // The frame-client point at the middle of a window.
    CPoint MiddleOf(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        CPoint point = rect.CenterPoint();
        MainFrame().ScreenToClient(&point);
        return point;
    }
    void PostClick(CPoint point)
    {
        MainFrame().PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        MainFrame().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        MainFrame().PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    // Asks for help mode, then lets the loop take what the test posts.
    void RunHelpMode(const std::function<void()>& post)
    {
        MainFrame().SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
        post();
        PumpMessages();
    }
    std::string MessageBarText()
    {
        CString sText;
        MainFrame().m_wndMessageBar.GetWindowText(sText);
        return static_cast<LPCTSTR>(sText);
    }

    CHelpTargetWnd m_target;
};

}  // namespace

TEST_F(HelpMode, TheCommandOnlyPostsItselfAgainAndTheLoopRunsWhenItArrives)
{
    MainFrame().SendMessage(WM_COMMAND, ID_CONTEXT_HELP);

    EXPECT_EQ(MainFrame().m_bHelpMode, CFrameWnd::HELP_ENTERING);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, MainFrame().m_hWnd, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    EXPECT_EQ(LOWORD(msg.wParam), ID_CONTEXT_HELP);
    EXPECT_EQ(::GetCapture(), nullptr);

    PostClick(MiddleOf(m_target.m_hWnd));
    PumpMessages();

    EXPECT_EQ(m_target.m_nModeSeen, CFrameWnd::HELP_ACTIVE);
    EXPECT_EQ(m_target.m_sPromptSeen, "Click the item you want help on; Esc leaves help mode");
    EXPECT_EQ(MainFrame().m_bHelpMode, CFrameWnd::HELP_INACTIVE);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(MessageBarText(), "Ready");
}

TEST_F(HelpMode, WhatEndsHelpModeDecidesTheHelpThatOpens)
{
    struct Row {
        const char* lpszCase;
        std::function<void()> post;
        std::vector<std::string> expected;
    };
    CTestView* pView = ShowTableView(NewDocument());
    ASSERT_NE(pView, nullptr);
    HWND hWndView = pView->m_hWnd;
    const Row rows[] = {
        {"a click on a window that names its context",
         [this] { PostClick(MiddleOf(m_target.m_hWnd)); }, {Hex(kOwnContext)}},
        {"a click on a view: its frame's resource",
         [this, hWndView] { PostClick(MiddleOf(hWndView)); }, {Hex(HID_BASE_RESOURCE + IDR_TESTTABLE)}},
        {"a menu command: its help, the command does not run",
         [this] { MainFrame().PostMessage(WM_COMMAND, ID_TEST_ROUTE); },
         {Hex(HID_BASE_COMMAND + ID_TEST_ROUTE)}},
        {"Escape", [this] { MainFrame().PostMessage(WM_KEYDOWN, VK_ESCAPE, 0); }, {}},
        {"WM_EXITHELPMODE", [this] { MainFrame().PostMessage(WM_EXITHELPMODE); }, {}},
        {"the right button picks nothing",
         [this] {
             CPoint point = MiddleOf(m_target.m_hWnd);
             MainFrame().PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
             MainFrame().PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
         },
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        TestEvents().clear();

        RunHelpMode(row.post);

        EXPECT_EQ(TestEvents(), row.expected);
        EXPECT_EQ(MainFrame().m_bHelpMode, CFrameWnd::HELP_INACTIVE);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

TEST_F(HelpMode, APlaceWithoutAnyContextOpensTheDefaultHelp)
{
    MainFrame().m_nIDHelp = 0;

    RunHelpMode([&] { PostClick(MiddleOf(MainFrame().m_hWndMDIClient)); });

    EXPECT_EQ(TestEvents(), std::vector<std::string>{"default help"});
}

TEST_F(HelpMode, AnInPlaceFrameHookMayRefuseItAndIsToldWhenItEnds)
{
    CRecordingFrameHook hook;
    MainFrame().m_pNotifyHook = &hook;
    hook.m_bAllow = FALSE;

    MainFrame().SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    EXPECT_EQ(MainFrame().m_bHelpMode, CFrameWnd::HELP_INACTIVE);
    PumpMessages();
    EXPECT_EQ(hook.m_calls, std::vector<BOOL>{TRUE});

    hook.m_bAllow = TRUE;
    hook.m_calls.clear();
    RunHelpMode([&] { MainFrame().PostMessage(WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_EQ(hook.m_calls, (std::vector<BOOL>{TRUE, FALSE}));
    MainFrame().m_pNotifyHook = nullptr;
}

TEST_F(HelpMode, AQueuedExitKeepsHelpModeFromStarting)
{
    MainFrame().PostMessage(WM_EXITHELPMODE);

    MainFrame().SendMessage(WM_COMMAND, ID_CONTEXT_HELP);

    EXPECT_EQ(MainFrame().m_bHelpMode, CFrameWnd::HELP_INACTIVE);
    PumpMessages();
}

TEST_F(HelpMode, CommandHelpNamesTheHighlightedMenuItemAndIsGivenOnce)
{
    ShowTableView(NewDocument());
    struct Row {
        const char* lpszCase;
        BOOL bTracking;
        LPARAM lContext;
        LRESULT lExpected;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"context 0 while an item is highlighted", TRUE, 0, TRUE, {Hex(HID_BASE_COMMAND + ID_TEST_ROUTE)}},
        {"context 0 with no menu open", FALSE, 0, FALSE, {}},
        {"a context of its own, the active child asked first", FALSE, 0x20123, TRUE, {Hex(0x20123)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        TestEvents().clear();
        if (row.bTracking)
            MainFrame().SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_ROUTE, MF_HILITE), 0);

        LRESULT lResult = MainFrame().SendMessage(WM_COMMANDHELP, 0, row.lContext);
        MainFrame().SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);

        EXPECT_EQ(lResult, row.lExpected);
        EXPECT_EQ(TestEvents(), row.expected);
    }
}
