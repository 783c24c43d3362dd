// Tests of the control bars on a real MDI frame under Xvfb: the layout of
// the frame's edges, the View menu's bar toggles, the idle update of bar
// items, the status bar's prompts and key indicators, toolbar resources and
// the help context of a toolbar button.
//
// Not tested yet: tool tips of toolbar buttons.

#include "BarTestResources.h"
#include "CBarTestFrame.h"
#include "TestSupport.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

CRect RectInParent(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    wnd.GetParent()->ScreenToClient(&rect);
    return rect;
}

std::string RectText(const CRect& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

// What the status control shows in a pane (not what the bar object keeps).
std::string ShownPaneText(CStatusBar& bar, int nIndex)
{
    char szText[256] = {};
    bar.SendMessage(SB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(szText));
    return szText;
}

void SetToggleKey(BYTE nVirtKey, BOOL bOn)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[nVirtKey] = bOn ? 1 : 0;
    ::SetKeyboardState(keys);
}

}  // namespace

class ControlBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pApp = std::make_unique<CWinApp>("Bar Test");
        static char szNoArguments[] = "";
        ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL));
        m_pFrame = new CBarTestFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_BARFRAME));
        m_pApp->m_pMainWnd = m_pFrame;
        Resize(640, 480);
        m_pFrame->ShowWindow(SW_SHOW);
        PumpMessages();
    }

    void TearDown() override
    {
        if (m_pApp->m_pMainWnd != nullptr)
            m_pApp->m_pMainWnd->DestroyWindow();
        PumpMessages(FALSE);
        m_pApp.reset();
    }

    void Resize(int cx, int cy)
    {
        m_pFrame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    CRect FrameClient()
    {
        CRect rect;
        m_pFrame->GetClientRect(&rect);
        return rect;
    }

    CRect MDIClientRect()
    {
        return RectInParent(*CWnd::FromHandle(m_pFrame->m_hWndMDIClient));
    }

    // The check mark of a View-menu item after the menu's update.
    BOOL IsChecked(UINT nID)
    {
        CMenu* pView = m_pFrame->GetMenu()->GetSubMenu(0);
        m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pView->m_hMenu), 0);
        return (pView->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }

    std::unique_ptr<CWinApp> m_pApp;
    CBarTestFrame* m_pFrame = nullptr;
};

// String ids come in blocks of sixteen, and the linker keeps only one
// block of an id: the test's texts must not share a block with the
// program's string table, which the test links too.
TEST_F(ControlBarTest, TheFramesTextsAndTheProgramsTextsBothLoad)
{
    CString sCaption;
    m_pFrame->GetWindowText(sCaption);
    EXPECT_STREQ("Bar Frame", sCaption);
    CString sProgramText;
    EXPECT_TRUE(sProgramText.LoadString(IDS_TPL_LAB_ISO140_8_REDUCT_IMPACT));
    EXPECT_STREQ("ReducImpact_SPL_ISO140_8.xls", sProgramText);
}

TEST_F(ControlBarTest, BarsTakeTheirEdgesAndTheMDIClientTheRestAtEverySize)
{
    struct Row {
        int cx;
        int cy;
    } rows[] = {{640, 480}, {900, 700}, {320, 240}, {1000, 300}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.cx) + "x" + std::to_string(row.cy));
        Resize(row.cx, row.cy);
        CRect rectClient = FrameClient();
        CRect rectToolBar = RectInParent(m_pFrame->m_wndToolBar);
        CRect rectStatus = RectInParent(m_pFrame->m_wndStatusBar);
        CRect rectDialogBar = RectInParent(m_pFrame->m_wndDialogBar);
        CRect rectMDI = MDIClientRect();
        SCOPED_TRACE("toolbar " + RectText(rectToolBar) + " status " + RectText(rectStatus) + " dialog bar " +
                     RectText(rectDialogBar) + " client " + RectText(rectMDI));

        EXPECT_EQ(rectToolBar, CRect(0, 0, rectClient.right, rectToolBar.bottom));
        EXPECT_GE(rectToolBar.Height(), m_pFrame->m_wndToolBar.GetButtonSize().cy);
        EXPECT_EQ(rectStatus, CRect(0, rectStatus.top, rectClient.right, rectClient.bottom));
        EXPECT_GT(rectStatus.Height(), 0);
        EXPECT_EQ(rectDialogBar, CRect(0, rectToolBar.bottom, rectDialogBar.right, rectStatus.top));
        EXPECT_GT(rectDialogBar.Width(), 0);
        EXPECT_EQ(rectMDI, CRect(rectDialogBar.right, rectToolBar.bottom, rectClient.right, rectStatus.top));
    }
}

TEST_F(ControlBarTest, BarTogglesHideAndShowTheirBarsWithTheirCheckMarks)
{
    struct Row {
        const char* pszName;
        UINT nID;
    } rows[] = {
        {"toolbar", ID_VIEW_TOOLBAR}, {"status bar", ID_VIEW_STATUS_BAR}, {"dialog bar", ID_BAR_VIEW_DIALOGBAR}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        CControlBar* pBar = m_pFrame->GetControlBar(row.nID);
        ASSERT_NE(pBar, nullptr);
        const CRect rectShown = MDIClientRect();
        EXPECT_TRUE(IsChecked(row.nID));

        m_pFrame->SendMessage(WM_COMMAND, row.nID);
        EXPECT_FALSE(pBar->IsWindowVisible());
        EXPECT_FALSE(IsChecked(row.nID));
        CRect rectHidden = MDIClientRect();
        EXPECT_GT(rectHidden.Width() * rectHidden.Height(), rectShown.Width() * rectShown.Height());

        m_pFrame->SendMessage(WM_COMMAND, row.nID);
        EXPECT_TRUE(pBar->IsWindowVisible());
        EXPECT_TRUE(IsChecked(row.nID));
        EXPECT_EQ(MDIClientRect(), rectShown);
    }
}

TEST_F(ControlBarTest, TogglesReachTheMainFramesBarsWhileAChildWindowIsActive)
{
    auto* pChild = new CMDIChildWnd;
    ASSERT_TRUE(pChild->Create(nullptr, "Child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               m_pFrame));
    m_pFrame->MDIActivate(pChild);
    ASSERT_EQ(m_pFrame->MDIGetActive(), pChild);
    EXPECT_TRUE(IsChecked(ID_VIEW_STATUS_BAR));

    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(m_pFrame->m_wndStatusBar.IsWindowVisible());
    EXPECT_FALSE(IsChecked(ID_VIEW_STATUS_BAR));
}

TEST_F(ControlBarTest, DelayedHideWaitsForTheIdleLayout)
{
    m_pFrame->ShowControlBar(&m_pFrame->m_wndStatusBar, FALSE, TRUE);
    EXPECT_TRUE(m_pFrame->m_wndStatusBar.IsWindowVisible());
    EXPECT_FALSE(m_pFrame->m_wndStatusBar.IsVisible());

    PumpMessages();
    EXPECT_FALSE(m_pFrame->m_wndStatusBar.IsWindowVisible());
    EXPECT_EQ(MDIClientRect().bottom, FrameClient().bottom);
}

TEST_F(ControlBarTest, GetControlBarFindsTheFirstBarOfAnId)
{
    CToolBar secondToolBar;
    ASSERT_TRUE(secondToolBar.CreateEx(m_pFrame));
    EXPECT_EQ(m_pFrame->GetControlBar(AFX_IDW_TOOLBAR), &m_pFrame->m_wndToolBar);
    EXPECT_EQ(m_pFrame->GetControlBar(AFX_IDW_STATUS_BAR), &m_pFrame->m_wndStatusBar);
    EXPECT_EQ(m_pFrame->GetControlBar(ID_BAR_VIEW_DIALOGBAR), &m_pFrame->m_wndDialogBar);
    EXPECT_EQ(m_pFrame->GetControlBar(ID_BAR_HANDLED), nullptr);

    m_pFrame->m_wndToolBar.DestroyWindow();
    EXPECT_EQ(m_pFrame->GetControlBar(AFX_IDW_TOOLBAR), &secondToolBar);
}

TEST_F(ControlBarTest, ToolbarButtonsTakeTheStateOfTheirCommandsAtIdle)
{
    CToolBar& toolBar = m_pFrame->m_wndToolBar;
    struct Row {
        UINT nID;
        BOOL bChecked;
        UINT nExpected;
    } rows[] = {
        {ID_BAR_HANDLED, TRUE, TBSTATE_ENABLED},
        {ID_BAR_UNHANDLED, TRUE, 0},
        {ID_BAR_CHECKED, TRUE, TBSTATE_ENABLED | TBSTATE_CHECKED},
        {ID_BAR_CHECKED, FALSE, TBSTATE_ENABLED},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nID) + (row.bChecked ? " checked" : ""));
        m_pFrame->m_bChecked = row.bChecked;
        PumpMessages();
        int nIndex = toolBar.CommandToIndex(row.nID);
        ASSERT_GE(nIndex, 0);
        EXPECT_EQ(toolBar.GetButtonState(nIndex) & (TBSTATE_ENABLED | TBSTATE_CHECKED), row.nExpected);
    }
}

TEST_F(ControlBarTest, ToolbarButtonSendsItsCommandToTheFrame)
{
    CToolBar& toolBar = m_pFrame->m_wndToolBar;
    CRect rectButton;
    toolBar.GetItemRect(toolBar.CommandToIndex(ID_BAR_HANDLED), &rectButton);
    LPARAM lPoint = MAKELPARAM(rectButton.CenterPoint().x, rectButton.CenterPoint().y);
    toolBar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    toolBar.SendMessage(WM_LBUTTONUP, 0, lPoint);
    PumpMessages();
    EXPECT_EQ(m_pFrame->m_nHandledCount, 1);
}

TEST_F(ControlBarTest, DialogBarButtonsRunTheFramesCommandsAndGreyWithoutAHandler)
{
    CWnd* pHandled = m_pFrame->m_wndDialogBar.GetDlgItem(ID_BAR_HANDLED);
    CWnd* pUnhandled = m_pFrame->m_wndDialogBar.GetDlgItem(ID_BAR_UNHANDLED);
    ASSERT_NE(pHandled, nullptr);
    ASSERT_NE(pUnhandled, nullptr);
    EXPECT_TRUE(pHandled->IsWindowEnabled());
    EXPECT_FALSE(pUnhandled->IsWindowEnabled());

    pHandled->SendMessage(BM_CLICK);
    PumpMessages();
    EXPECT_EQ(m_pFrame->m_nHandledCount, 1);
}

TEST_F(ControlBarTest, DialogBarExchangesDataBothWaysAndRefusesACountOutOfRange)
{
    CBarTestDialogBar& dialogBar = m_pFrame->m_wndDialogBar;
    const char* const kName = "Fa\xE7" "ade";  // Windows-1252
    dialogBar.m_sName = kName;
    dialogBar.m_nCount = 42;
    ASSERT_TRUE(dialogBar.UpdateData(FALSE));
    CString sText;
    dialogBar.GetDlgItemText(IDC_BAR_EDIT, sText);
    EXPECT_EQ(std::string(sText), kName);
    EXPECT_EQ(dialogBar.GetDlgItemInt(IDC_BAR_COUNT), 42u);

    dialogBar.SetDlgItemText(IDC_BAR_EDIT, "Wall");
    dialogBar.SetDlgItemText(IDC_BAR_COUNT, "7");
    ASSERT_TRUE(dialogBar.UpdateData(TRUE));
    EXPECT_EQ(std::string(dialogBar.m_sName), "Wall");
    EXPECT_EQ(dialogBar.m_nCount, 7);

    CMessageBoxRecorder boxes;
    dialogBar.SetDlgItemText(IDC_BAR_COUNT, "100");
    EXPECT_FALSE(dialogBar.UpdateData(TRUE));
    ASSERT_EQ(boxes.m_boxes.size(), 1u);
    EXPECT_NE(boxes.m_boxes[0].sText.find("99"), std::string::npos) << boxes.m_boxes[0].sText;
}

TEST_F(ControlBarTest, ToggleOfADestroyedBarDoesNothingAndShowsNoCheck)
{
    m_pFrame->m_wndDialogBar.DestroyWindow();
    m_pFrame->SendMessage(WM_COMMAND, ID_BAR_VIEW_DIALOGBAR);
    EXPECT_FALSE(IsChecked(ID_BAR_VIEW_DIALOGBAR));
    EXPECT_EQ(m_pFrame->GetControlBar(ID_BAR_VIEW_DIALOGBAR), nullptr);
}

TEST_F(ControlBarTest, StatusBarShowsReadyAndTheMenuPrompts)
{
    CStatusBar& statusBar = m_pFrame->m_wndStatusBar;
    EXPECT_EQ(ShownPaneText(statusBar, 0), "Ready");

    HMENU hMenu = m_pFrame->GetMenu()->GetSubMenu(1)->m_hMenu;
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_BAR_HANDLED, MF_HILITE), reinterpret_cast<LPARAM>(hMenu));
    EXPECT_EQ(ShownPaneText(statusBar, 0), "Runs the handled command");
    EXPECT_EQ(std::string(statusBar.GetPaneText(0)), "Runs the handled command");

    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(ShownPaneText(statusBar, 0), "Ready");
}

TEST_F(ControlBarTest, ToolbarButtonUnderTheMouseShowsItsPromptUntilTheMouseLeaves)
{
    CToolBar& toolBar = m_pFrame->m_wndToolBar;
    CStatusBar& statusBar = m_pFrame->m_wndStatusBar;
    CRect rectButton;
    toolBar.GetItemRect(toolBar.CommandToIndex(ID_BAR_HANDLED), &rectButton);
    CRect rectSeparator;
    toolBar.GetItemRect(toolBar.CommandToIndex(ID_BAR_HANDLED) + 1, &rectSeparator);

    toolBar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rectButton.CenterPoint().x, rectButton.CenterPoint().y));
    EXPECT_EQ(ShownPaneText(statusBar, 0), "Runs the handled command");
    toolBar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rectSeparator.CenterPoint().x, rectSeparator.CenterPoint().y));
    EXPECT_EQ(ShownPaneText(statusBar, 0), "Ready");
    toolBar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rectButton.CenterPoint().x, rectButton.CenterPoint().y));
    toolBar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(ShownPaneText(statusBar, 0), "Ready");
}

TEST_F(ControlBarTest, InHelpModeAToolbarButtonStandsForItsCommand)
{
    CToolBar& toolBar = m_pFrame->m_wndToolBar;
    int nButton = toolBar.CommandToIndex(ID_BAR_HANDLED);
    CRect rectButton;
    toolBar.GetItemRect(nButton, &rectButton);
    CRect rectSeparator;
    toolBar.GetItemRect(nButton + 1, &rectSeparator);
    auto HelpAt = [&toolBar](CPoint point) {
        return static_cast<DWORD>(toolBar.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(point.x, point.y)));
    };

    EXPECT_EQ(HelpAt(rectButton.CenterPoint()), HID_BASE_COMMAND + ID_BAR_HANDLED);
    EXPECT_EQ(HelpAt(rectSeparator.CenterPoint()), 0u);
}

TEST_F(ControlBarTest, KeyIndicatorsShowWhileTheirKeyIsToggledOn)
{
    struct Row {
        BYTE nVirtKey;
        UINT nID;
        const char* pszText;
    } rows[] = {
        {VK_CAPITAL, ID_INDICATOR_CAPS, "CAP"},
        {VK_NUMLOCK, ID_INDICATOR_NUM, "NUM"},
        {VK_SCROLL, ID_INDICATOR_SCRL, "SCRL"},
    };
    CStatusBar& statusBar = m_pFrame->m_wndStatusBar;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszText);
        int nIndex = statusBar.CommandToIndex(row.nID);
        ASSERT_GT(nIndex, 0);
        SetToggleKey(row.nVirtKey, TRUE);
        PumpMessages();
        EXPECT_EQ(ShownPaneText(statusBar, nIndex), row.pszText);

        SetToggleKey(row.nVirtKey, FALSE);
        PumpMessages();
        EXPECT_EQ(ShownPaneText(statusBar, nIndex), "");
        EXPECT_EQ(std::string(statusBar.GetPaneText(nIndex)), row.pszText);
    }
}

TEST_F(ControlBarTest, IndicatorPanesAreAsWideAsTheirTextAndTheMessagePaneTakesTheRest)
{
    CStatusBar& statusBar = m_pFrame->m_wndStatusBar;
    CRect rectClient;
    statusBar.GetClientRect(&rectClient);
    CRect rectMessage;
    statusBar.GetItemRect(0, &rectMessage);
    CRect rectCaps;
    statusBar.GetItemRect(1, &rectCaps);
    CRect rectScroll;
    statusBar.GetItemRect(3, &rectScroll);
    EXPECT_GT(rectMessage.Width(), rectClient.Width() / 2);
    EXPECT_GT(rectCaps.Width(), 0);
    EXPECT_LT(rectCaps.Width(), rectClient.Width() / 4);
    EXPECT_NEAR(rectScroll.right, rectClient.right, 2);
}

TEST(StatusBar, SetIndicatorsFailsForAnIdWithoutText)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                nullptr, nullptr));
    CStatusBar statusBar;
    ASSERT_TRUE(statusBar.Create(&parent));
    const UINT ids[] = {ID_SEPARATOR, ID_BAR_UNHANDLED, ID_INDICATOR_NUM};
    EXPECT_FALSE(statusBar.SetIndicators(ids, _countof(ids)));
    EXPECT_EQ(statusBar.GetCount(), 3);
    EXPECT_EQ(std::string(statusBar.GetPaneText(2)), "NUM");
    parent.DestroyWindow();
}

TEST(ToolBar, LoadsBothResourceLayoutsAndRefusesBadOnes)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                nullptr, nullptr));
    struct Row {
        const char* pszName;
        UINT nIDResource;
        BOOL bLoads;
        std::vector<UINT> ids;
    } rows[] = {
        {"compiler layout", IDR_BARFRAME, TRUE, {ID_BAR_HANDLED, ID_SEPARATOR, ID_BAR_UNHANDLED, ID_BAR_CHECKED}},
        {"classic layout", IDR_BAR_CLASSIC, TRUE, {ID_BAR_CHECKED, ID_SEPARATOR, ID_BAR_HANDLED}},
        {"no bitmap", IDR_BAR_NOBITMAP, FALSE, {}},
        {"wrong length", IDR_BAR_MALFORMED, FALSE, {}},
        {"missing", IDR_BAR_MISSING, FALSE, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        CToolBar toolBar;
        ASSERT_TRUE(toolBar.CreateEx(&parent));
        EXPECT_EQ(toolBar.LoadToolBar(row.nIDResource), row.bLoads);
        if (!row.bLoads)
            continue;
        ASSERT_EQ(toolBar.GetCount(), static_cast<int>(row.ids.size()));
        for (size_t i = 0; i < row.ids.size(); ++i)
            EXPECT_EQ(toolBar.GetItemID(static_cast<int>(i)), row.ids[i]) << "button " << i;
        EXPECT_EQ(toolBar.GetButtonSize(), CSize(23, 22));
    }
    parent.DestroyWindow();
}

namespace {

// Records the panes the control asks it to draw.
class CDrawingStatusBar : public CStatusBar {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_drawnPanes.push_back(lpDrawItemStruct->itemID); }
    std::vector<UINT> m_drawnPanes;
};

}  // namespace

TEST_F(ControlBarTest, StatusBarShowsAMarkedPaneAtTheNextUpdateAndDrawsOwnerDrawnPanes)
{
    CStatusBar& statusBar = m_pFrame->m_wndStatusBar;
    statusBar.SetPaneText(0, "shown later", FALSE);
    EXPECT_NE(ShownPaneText(statusBar, 0), "shown later");
    statusBar.UpdateAllPanes(FALSE, TRUE);
    EXPECT_EQ(ShownPaneText(statusBar, 0), "shown later");

    CDrawingStatusBar drawingBar;
    const UINT kPanes[] = {ID_SEPARATOR, ID_SEPARATOR};
    ASSERT_TRUE(drawingBar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, 0x7100));
    ASSERT_TRUE(drawingBar.SetIndicators(kPanes, 2));
    drawingBar.SetPaneInfo(1, ID_SEPARATOR, SBPS_OWNERDRAW, 50);
    m_pFrame->RecalcLayout();
    drawingBar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // Only the owner-drawn pane comes here (each paint asks once).
    ASSERT_FALSE(drawingBar.m_drawnPanes.empty());
    EXPECT_EQ(std::count(drawingBar.m_drawnPanes.begin(), drawingBar.m_drawnPanes.end(), 1u),
              static_cast<std::ptrdiff_t>(drawingBar.m_drawnPanes.size()));
}
