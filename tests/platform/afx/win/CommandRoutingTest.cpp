// Command routing and command UI in the running MDI application: the chain
// active view -> document -> child frame -> main frame -> application, menu
// item states from update handlers (a command without any handler greyed),
// a check set straight on the menu bar's menu, accelerators, status-bar
// prompts and the idle update of a bar's controls.
#include "TestApplicationFixture.h"
#include "TestEvents.h"
#include "TestResources.h"

namespace {

// The popup of the frame's current menu that holds nID.
HMENU PopupWith(HWND hWndFrame, UINT nID)
{
    HMENU hMenuBar = ::GetMenu(hWndFrame);
    for (int i = 0; i < ::GetMenuItemCount(hMenuBar); ++i) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup != nullptr && ::GetMenuState(hPopup, nID, MF_BYCOMMAND) != static_cast<UINT>(-1))
            return hPopup;
    }
    return nullptr;
}

// Opens the popup as the system does before showing it.
UINT MenuStateAfterUpdate(CWnd& frame, UINT nID)
{
    HMENU hPopup = PopupWith(frame.m_hWnd, nID);
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(0, FALSE));
    return ::GetMenuState(hPopup, nID, MF_BYCOMMAND);
}

std::string WindowText(const CWnd& wnd)
{
    CString sText;
    wnd.GetWindowText(sText);
    return static_cast<LPCTSTR>(sText);
}

// A bar-like child of the main frame whose buttons get their state at idle.
class CTestBar : public CWnd {
protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
    {
        UpdateDialogControls(GetTopLevelFrame(), static_cast<BOOL>(wParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

// Remembers what the update decided (-1: nothing).
class CEnableRecorder : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        CCmdUI::Enable(bOn);
    }
    BOOL m_bEnabled = -1;
};

}  // namespace

using CommandRouting = CTestApplicationTest;

TEST_F(CommandRouting, ACommandTravelsViewDocumentChildFrameMainFrameApplication)
{
    ShowTableView(NewDocument());

    MainFrame().SendMessage(WM_COMMAND, ID_TEST_ROUTE);

    const std::vector<std::string> expected = {"view", "document", "child frame", "main frame",
                                               "application"};
    EXPECT_EQ(TestEvents(), expected);
}

TEST_F(CommandRouting, WithoutAnActiveChildTheMainFrameAndApplicationRemain)
{
    NewDocument();  // hidden: never the active child

    MainFrame().SendMessage(WM_COMMAND, ID_TEST_ROUTE);

    const std::vector<std::string> expected = {"main frame", "application"};
    EXPECT_EQ(TestEvents(), expected);
}

TEST_F(CommandRouting, MenuItemsTakeTheirStateFromTheUpdateHandlersOfTheChain)
{
    struct Row {
        UINT nID;
        BOOL bWithTable;  // a table view is active
        BOOL bGreyed;
    } rows[] = {
        {ID_TEST_ROUTE, FALSE, FALSE},
        {ID_TEST_VIEWONLY, FALSE, TRUE},   // no view to handle it
        {ID_TEST_UNHANDLED, FALSE, TRUE},
        {ID_TEST_DISABLED, FALSE, TRUE},   // no view to handle it
        {ID_TEST_VIEWONLY, TRUE, FALSE},
        {ID_TEST_DISABLED, TRUE, TRUE},    // the view's update handler
        {ID_TEST_TABLEONLY, TRUE, TRUE},   // only in the menu
        {ID_TEST_ROUTE, TRUE, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nID << (row.bWithTable ? " with table" : ""));
        CTestDoc* pDoc = NewDocument();
        if (row.bWithTable)
            ShowTableView(pDoc);

        UINT nState = MenuStateAfterUpdate(MainFrame(), row.nID);

        EXPECT_EQ((nState & MF_GRAYED) != 0, row.bGreyed != FALSE);
        App().CloseAllDocuments(FALSE);
    }
}

TEST_F(CommandRouting, AnUpdateHandlerMayCheckTheItemOnTheMenuBarsMenuItself)
{
    EXPECT_FALSE(MenuStateAfterUpdate(MainFrame(), ID_TEST_TOGGLE) & MF_CHECKED);

    MainFrame().SendMessage(WM_COMMAND, ID_TEST_TOGGLE);
    EXPECT_TRUE(MenuStateAfterUpdate(MainFrame(), ID_TEST_TOGGLE) & MF_CHECKED);

    MainFrame().SendMessage(WM_COMMAND, ID_TEST_TOGGLE);
    EXPECT_FALSE(MenuStateAfterUpdate(MainFrame(), ID_TEST_TOGGLE) & MF_CHECKED);
}

TEST_F(CommandRouting, PasteIsEnabledWhileTheClipboardHoldsAPicture)
{
    CTestView* pView = ShowTableView(NewDocument());
    ASSERT_TRUE(pView->OpenClipboard());
    ::EmptyClipboard();
    ::CloseClipboard();
    CEnableRecorder empty;
    empty.m_nID = ID_EDIT_PASTE;
    empty.DoUpdate(&MainFrame(), TRUE);

    ASSERT_TRUE(pView->OpenClipboard());
    CClientDC screen(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 4, 4);
    ::SetClipboardData(CF_BITMAP, bitmap.Detach());
    ::CloseClipboard();
    CEnableRecorder picture;
    picture.m_nID = ID_EDIT_PASTE;
    picture.DoUpdate(&MainFrame(), TRUE);

    EXPECT_EQ(empty.m_bEnabled, FALSE);
    EXPECT_EQ(picture.m_bEnabled, TRUE);
}

TEST_F(CommandRouting, TheMainFramesAcceleratorsTurnKeysIntoCommands)
{
    CTestView* pView = ShowTableView(NewDocument());

    pView->PostMessage(WM_KEYDOWN, VK_F9, 0x00430001);
    PumpMessages();

    const std::vector<std::string> expected = {"accelerator"};
    EXPECT_EQ(TestEvents(), expected);
}

// The menu may be out of date, and the key of a command in no menu of the
// window bypasses it: the update handlers decide before either runs.
TEST_F(CommandRouting, AMenuOrAcceleratorCommandRunsOnlyWhileItsUpdateHandlerEnablesIt)
{
    struct Row {
        const char* pszCase;
        UINT nID;    // sent as a menu command, or
        UINT nKey;   // pressed in the view
        std::vector<std::string> expected;
    } rows[] = {
        {"disabled from the menu", ID_TEST_DISABLED, 0, {}},
        {"disabled by its key", 0, VK_DELETE, {}},
        {"no update handler, from the menu", ID_TEST_VIEWONLY, 0, {"view only"}},
        {"no update handler, by its key", 0, VK_F9, {"accelerator"}},
    };
    CTestView* pView = ShowTableView(NewDocument());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        TestEvents().clear();

        if (row.nKey != 0)
            pView->PostMessage(WM_KEYDOWN, row.nKey, 1);
        else
            MainFrame().SendMessage(WM_COMMAND, MAKEWPARAM(row.nID, 0));
        PumpMessages();

        EXPECT_EQ(TestEvents(), row.expected);
    }
}

TEST_F(CommandRouting, TheStatusBarShowsThePromptOfTheHighlightedItem)
{
    HMENU hPopup = PopupWith(MainFrame().m_hWnd, ID_TEST_ROUTE);

    MainFrame().SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_ROUTE, MF_HILITE),
                            reinterpret_cast<LPARAM>(hPopup));
    EXPECT_EQ(WindowText(MainFrame().m_wndMessageBar), "Routes a command");

    MainFrame().SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(WindowText(MainFrame().m_wndMessageBar), "Ready");
}

TEST_F(CommandRouting, AControlsToolTipIsTheTipPartOfItsCommandsString)
{
    CTestBar bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 30), &MainFrame(), 100));
    ::CreateWindowA("BUTTON", "Route", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, bar.m_hWnd,
                    reinterpret_cast<HMENU>(ID_TEST_ROUTE), nullptr, nullptr);
    TOOLINFO tool = {};
    tool.cbSize = sizeof(tool);
    ASSERT_EQ(bar.OnToolHitTest(CPoint(10, 10), &tool), ID_TEST_ROUTE);
    EXPECT_EQ(bar.OnToolHitTest(CPoint(200, 10), &tool), -1);

    NMTTDISPINFOA info = {};
    info.hdr = {nullptr, tool.uId, static_cast<UINT>(TTN_NEEDTEXTA)};
    info.uFlags = tool.uFlags;
    MainFrame().SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));

    EXPECT_STREQ(info.szText, "Route");
    bar.DestroyWindow();
}

TEST_F(CommandRouting, ABarsControlsAreUpdatedWhenTheApplicationIsIdle)
{
    CTestBar bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 30), &MainFrame(), 100));
    HWND hWndViewOnly = ::CreateWindowA("BUTTON", "View only", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20,
                                        bar.m_hWnd, reinterpret_cast<HMENU>(ID_TEST_VIEWONLY), nullptr, nullptr);
    HWND hWndUnhandled = ::CreateWindowA("BUTTON", "Unhandled", WS_CHILD | WS_VISIBLE, 100, 0, 80, 20,
                                         bar.m_hWnd, reinterpret_cast<HMENU>(ID_TEST_UNHANDLED), nullptr, nullptr);
    ShowTableView(NewDocument());

    PumpMessages();

    EXPECT_TRUE(::IsWindowEnabled(hWndViewOnly));
    EXPECT_FALSE(::IsWindowEnabled(hWndUnhandled));

    App().CloseAllDocuments(FALSE);
    PumpMessages();
    EXPECT_FALSE(::IsWindowEnabled(hWndViewOnly)) << "no view handles it any more";
    bar.DestroyWindow();
}
