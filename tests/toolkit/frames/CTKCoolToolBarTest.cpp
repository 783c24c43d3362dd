// Tests of the cool toolbar: painting through the current toolbar skin
// (recorded calls), creation per common-controls version, button texts by
// text type, the editing mode's menu and commands, buttons that host windows
// (docking side, heights, combo offset, template and copies), the body move
// on a main window that allows it, and the idle update of button states.
// Skin, theme and the common controls' version are pinned.
//
// Not tested: the tracking of the editing menu (a modal menu loop) and
// docking by the body move (the size dock bars' rows come with their own
// work; the stand-in finds no dock bar, so the bar floats).

#include "CTKTestMainFrame.h"
#include "TKFramesTestResources.h"
#include "TestSupport.h"

#include "tests/toolkit/skins/CTKTestSystem.h"
#include "toolkit/frames/CTKCoolToolBarCmdUI.h"
#include "toolkit/frames/CTKCustomButtonRegistry.h"
#include "toolkit/frames/CTKHostedControl.h"
#include "toolkit/skins/CTKSkinXP.h"
#include "toolkit/skins/CTKSkinnedApp.h"
#include "toolkit/skins/CTKToolbarSkinXP.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// The calls the bar made of its skin, in order.
std::vector<std::string> s_skinCalls;

class CRecordingToolbarSkin : public CTKToolbarSkinXP {
public:
    explicit CRecordingToolbarSkin(CTKSkinXP* pSkin) : CTKToolbarSkinXP(pSkin) {}

    void DrawGripper(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override
    {
        s_skinCalls.push_back("gripper");
        CTKToolbarSkinXP::DrawGripper(pDC, pRect, pBar);
    }
    void DrawNonClientArea(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override
    {
        s_skinCalls.push_back("non-client");
        CTKToolbarSkinXP::DrawNonClientArea(pDC, pRect, pBar);
    }
    void DrawSeparator(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) override
    {
        s_skinCalls.push_back("separator");
        CTKToolbarSkinXP::DrawSeparator(pDC, pRect, pBar);
    }
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult, CTKCoolToolBar* pBar) override
    {
        s_skinCalls.push_back("buttons");
        CTKToolbarSkinXP::OnCustomDraw(pNMHDR, pResult, pBar);
    }
};

// The XP skin whose toolbar part records what it is asked to draw.
class CRecordingSkin : public CTKSkinXP {
public:
    CRecordingSkin() : CTKSkin("Recording") { m_pToolbarSkin = std::make_unique<CRecordingToolbarSkin>(this); }
};

// A frame whose main window lets toolbars move by their bodies.
class CBodyMoveFrame : public CTKTestMainFrame {
protected:
    afx_msg LRESULT OnQueryBodyMove(WPARAM, LPARAM) { return 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBodyMoveFrame, CTKTestMainFrame)
    ON_MESSAGE(kTKQueryBodyMove, OnQueryBodyMove)
END_MESSAGE_MAP()

// A hosted static window or combo box; the template makes its copies and
// keeps them.
class CTestHostedControl : public CTKHostedControl {
public:
    explicit CTestHostedControl(BOOL bCombo, BOOL bCopy = FALSE) : m_bCombo(bCombo), m_bCopy(bCopy) {}

    CWnd* GetHostedWindow() override { return m_bCombo ? &m_combo : &m_wnd; }
    BOOL CreateHostedWindow(UINT nID, CWnd* pParentWnd, DWORD dwStyle, DWORD, LPCTSTR, LPCTSTR) override
    {
        const CRect rect(0, 0, 50, 100);
        if (m_bCombo)
            return m_combo.Create(WS_CHILD | CBS_DROPDOWNLIST | dwStyle, rect, pParentWnd, nID);
        return m_wnd.Create("STATIC", "", WS_CHILD | dwStyle, rect, pParentWnd, nID);
    }
    CTKHostedControl* CreateCopy(CWnd* pParentWnd) override
    {
        auto pCopy = std::make_unique<CTestHostedControl>(m_bCombo, TRUE);
        if (!pCopy->CreateHostedWindow(static_cast<UINT>(GetHostedWindow()->GetDlgCtrlID()), pParentWnd, 0, 0,
                                       nullptr, nullptr))
            return nullptr;
        m_copies.push_back(std::move(pCopy));
        return m_copies.back().get();
    }
    void OnButtonDeleted() override { ++m_nDeleted; }
    void OnCustomizationMode(BOOL bCustomizing) override { m_bCustomizing = bCustomizing; }
    BOOL IsCopy() override { return m_bCopy; }
    void SaveState(CArchive&) override {}
    void LoadState(CArchive&) override {}

    int m_nDeleted = 0;
    BOOL m_bCustomizing = FALSE;

private:
    BOOL m_bCombo;
    BOOL m_bCopy;
    CWnd m_wnd;
    CComboBox m_combo;
    std::vector<std::unique_ptr<CTestHostedControl>> m_copies;
};

// A window that answers the editing notifications of a bar with m_lAnswer.
class CNotifyWnd : public CWnd {
public:
    std::vector<UINT> m_commands;
    LRESULT m_lAnswer = 0;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* pNotify = reinterpret_cast<const TKNMCUSTOMIZE*>(lParam);
        if (pNotify->hdr.code != kTKNotifyCustomizeCommand)
            return FALSE;
        m_commands.push_back(pNotify->nCommand);
        *pResult = m_lAnswer;
        return TRUE;
    }
};

CRect ItemRect(CTKCoolToolBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    return rect;
}

CRect RectInParent(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    wnd.GetParent()->ScreenToClient(&rect);
    return rect;
}

}  // namespace

// A bar of its own on a plain window, for what needs no frame.
class CoolToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pApp = std::make_unique<CTKSkinnedApp>();
        m_pApp->AddSkin(new CRecordingSkin);
        ASSERT_TRUE(m_pApp->SetCurrentSkin("Recording"));
        static char szNoArguments[] = "";
        ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL));
        ASSERT_TRUE(m_parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                      500, 200, nullptr, nullptr));
        CTKCustomButtonRegistry::Clear();
    }
    void TearDown() override
    {
        if (m_pApp->m_pMainWnd != nullptr)
            m_pApp->m_pMainWnd->DestroyWindow();
        m_parent.DestroyWindow();
        CTKCustomButtonRegistry::Clear();
        PumpMessages(FALSE);
        m_pApp.reset();
    }

    void CreateBar(CTKCoolToolBar& bar, const std::vector<UINT>& ids, DWORD dwAlign = CBRS_ALIGN_TOP)
    {
        ASSERT_TRUE(bar.CreateEx(&m_parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | dwAlign));
        ASSERT_TRUE(bar.SetButtons(ids.data(), static_cast<int>(ids.size())));
        bar.SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(24, 22));
        bar.SetWindowPos(nullptr, 0, 0, 400, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // Registers the hosted command with its template control.
    int Register(CTestHostedControl& control, int nHeight, int nShowMask)
    {
        KTCUSTOMBUTTONDESCRIPTOR descriptor;
        descriptor.pControl = &control;
        descriptor.nID = ID_TK_HOSTED;
        descriptor.nWidth = 60;
        descriptor.nHeight = nHeight;
        descriptor.nShowMask = nShowMask;
        descriptor.nImage = 0;
        return CTKCustomButtonRegistry::Register(descriptor);
    }

    CTKTestSystem m_system;
    std::unique_ptr<CTKSkinnedApp> m_pApp;
    CWnd m_parent;
};

TEST_F(CoolToolBarTest, Comctl470MakesAFlatBarThatIsNotTransparentAndOnlyStoresTheArrowOption)
{
    struct Row {
        DWORD dwVersion;
        bool bTransparent;
        bool bArrowStyle;
    };
    for (const Row& row : {Row{0x00040046, false, false}, Row{0x00040047, true, true}, Row{0x00060000, true, true}}) {
        SCOPED_TRACE(::testing::Message() << std::hex << row.dwVersion);
        m_system.m_dwComCtlVersion = row.dwVersion;
        CTKCoolToolBar bar;
        ASSERT_TRUE(bar.CreateEx(&m_parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        EXPECT_TRUE(bar.GetStyle() & TBSTYLE_FLAT);
        EXPECT_EQ((bar.GetStyle() & TBSTYLE_TRANSPARENT) != 0, row.bTransparent);
        bar.SetDropDownArrow(TRUE);
        EXPECT_TRUE(bar.IsDropDownArrow());
        EXPECT_EQ((bar.SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS) != 0, row.bArrowStyle);
    }
}

TEST_F(CoolToolBarTest, ButtonsGripperAndSeparatorsArePaintedThroughTheSkin)
{
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH, ID_SEPARATOR, ID_TK_TEXT_PROMPT});
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_GRIPPER);
    bar.SetWindowPos(nullptr, 0, 0, 400, 40, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    s_skinCalls.clear();
    bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    for (const char* pszCall : {"non-client", "gripper", "buttons", "separator"}) {
        SCOPED_TRACE(pszCall);
        EXPECT_NE(std::find(s_skinCalls.begin(), s_skinCalls.end(), pszCall), s_skinCalls.end());
    }
}

TEST_F(CoolToolBarTest, TextTypesFillTheButtonTexts)
{
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH, ID_TK_TEXT_PROMPT, ID_TK_TEXT_NONE, ID_TK_MENU_SHORTCUT});
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TKMAIN));
    m_parent.SetMenu(&menu);
    m_pApp->m_pMainWnd = &m_parent;
    struct Row {
        int nType;
        int nButton;
        const char* pszText;
    };
    const Row rows[] = {
        {kTKTextPrompt, 0, "Open"},      {kTKTextPrompt, 1, "Close"}, {kTKTextPrompt, 2, ""},
        {kTKTextTip, 0, "Open the file"}, {kTKTextTip, 1, ""},        {kTKTextTip, 2, ""},
        {kTKTextMenu, 3, "&Print"},       {kTKTextMenu, 0, ""},        {kTKTextUnchanged, 0, "Kept"},
        {kTKTextNone, 0, ""},             {9, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "type " << row.nType << " button " << row.nButton);
        for (int i = 0; i < 4; ++i)
            bar.SetButtonText(i, "Kept");
        bar.SetTextType(0, 0xFFFF, row.nType);
        EXPECT_STREQ(bar.GetButtonText(row.nButton), row.pszText);
        EXPECT_EQ(bar.GetTextType(), row.nType == 9 ? kTKTextNone : row.nType);
    }
    m_pApp->m_pMainWnd = nullptr;
    m_parent.SetMenu(nullptr);
}

// Buttons: A, separator, B, C.
TEST_F(CoolToolBarTest, EditingMenuGreysTheSeparatorCommandsWhereASeparatorCannotGo)
{
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH, ID_SEPARATOR, ID_TK_TEXT_PROMPT, ID_TK_TEXT_NONE});
    const UINT commands[] = {ID_TK_TEXT_BOTH, ID_TK_TEXT_PROMPT};
    bar.SetCustomizeButtons(commands, 2);
    bar.SetCustomizationMode(TRUE, nullptr);
    ASSERT_TRUE(bar.IsCustomizable(TRUE));
    struct Row {
        int nButton;
        bool bBeforeGreyed;
        bool bAfterGreyed;
    };
    for (const Row& row : {Row{0, true, true}, Row{2, true, false}, Row{3, false, true}}) {
        SCOPED_TRACE(row.nButton);
        const CRect rect = ItemRect(bar, row.nButton);
        bar.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
        ASSERT_EQ(bar.m_nCustomizedButtonIndex, row.nButton);
        CMenu menu;
        ASSERT_TRUE(bar.BuildCustomizeButtonMenu(menu));
        EXPECT_EQ((menu.GetMenuState(ID_TK_TB_SEPARATOR_BEFORE, MF_BYCOMMAND) & MF_GRAYED) != 0, row.bBeforeGreyed);
        EXPECT_EQ((menu.GetMenuState(ID_TK_TB_SEPARATOR_AFTER, MF_BYCOMMAND) & MF_GRAYED) != 0, row.bAfterGreyed);
        EXPECT_FALSE(menu.GetMenuState(ID_TK_TB_DELETE, MF_BYCOMMAND) & MF_GRAYED);
        // No button has a text yet: image only is checked.
        EXPECT_TRUE(menu.GetMenuState(ID_TK_TB_IMAGE_ONLY, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_FALSE(menu.GetMenuState(ID_TK_TB_IMAGE_AND_TEXT, MF_BYCOMMAND) & MF_CHECKED);
    }
    bar.SetCustomizationMode(FALSE, nullptr);
    EXPECT_EQ(bar.m_nCustomizedButtonIndex, -1);
}

// The owner may carry out a command itself; otherwise the bar does.
TEST_F(CoolToolBarTest, EditingCommandsAreOfferedToTheOwnerFirst)
{
    CNotifyWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH, ID_TK_TEXT_PROMPT, ID_TK_TEXT_NONE});
    const UINT commands[] = {ID_TK_TEXT_BOTH};
    bar.SetCustomizeButtons(commands, 1);
    bar.SetCustomizationMode(TRUE, owner.m_hWnd);
    bar.SelectButton(1);
    EXPECT_EQ(owner.m_commands, std::vector<UINT>{ID_TK_TB_SELECTED});

    owner.m_lAnswer = 1;
    bar.OnCustomizeCommand(ID_TK_TB_DELETE);
    EXPECT_EQ(bar.GetCount(), 3);

    owner.m_lAnswer = 0;
    bar.OnCustomizeCommand(ID_TK_TB_SEPARATOR_AFTER);
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_TRUE(bar.GetButtonStyle(2) & TBSTYLE_SEP);
    bar.OnCustomizeCommand(ID_TK_TB_DELETE);
    EXPECT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(bar.GetItemID(1), UINT(0));
    EXPECT_EQ(bar.m_nCustomizedButtonIndex, -1);

    bar.SetButtonText(0, "Open");
    bar.SelectButton(0);
    bar.OnCustomizeCommand(ID_TK_TB_IMAGE_ONLY);
    EXPECT_STREQ(bar.GetButtonText(0), "");
    bar.OnCustomizeCommand(ID_TK_TB_IMAGE_AND_TEXT);
    EXPECT_STREQ(bar.GetButtonText(0), "Open");
    bar.SelectButton(2);
    bar.OnCustomizeCommand(ID_TK_TB_IMAGE_AND_TEXT);
    EXPECT_STREQ(bar.GetButtonText(2), "");
    owner.DestroyWindow();
}

// Mask 1: the window shows only while the bar is docked on a side.
TEST_F(CoolToolBarTest, HostedWindowFollowsTheDockingSide)
{
    CTestHostedControl control(FALSE);
    const int nDescriptor = Register(control, -1, kTKShowDockedSide);
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH, ID_TK_TEXT_PROMPT}, CBRS_ALIGN_LEFT);
    ASSERT_TRUE(bar.InsertCustomButton(1, nDescriptor, 0, 0, nullptr, nullptr));
    ASSERT_EQ(bar.GetCount(), 3);
    CWnd* pWnd = control.GetHostedWindow();
    struct Row {
        DWORD dwAlign;
        bool bShows;
    };
    for (const Row& row : {Row{CBRS_ALIGN_LEFT, true}, Row{CBRS_ALIGN_TOP, false}, Row{CBRS_ALIGN_RIGHT, true}}) {
        SCOPED_TRACE(row.dwAlign);
        bar.SetBarStyle((bar.GetBarStyle() & ~CBRS_ALIGN_ANY) | row.dwAlign);
        bar.PlaceCustomButtons();
        TBBUTTON button = {};
        bar.SendMessage(TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, ID_TK_HOSTED);
        EXPECT_EQ(pWnd->IsWindowVisible() != FALSE, row.bShows);
        if (row.bShows) {
            EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP);
            EXPECT_EQ(button.iBitmap, 60);
        } else {
            EXPECT_EQ(button.fsStyle & (TBSTYLE_SEP | TBSTYLE_AUTOSIZE), TBSTYLE_AUTOSIZE);
            EXPECT_EQ(button.iBitmap, 0);
        }
    }
}

TEST_F(CoolToolBarTest, HostedWindowHeightIsCentredOrKept)
{
    struct Row {
        int nHeight;
        int nTopOffset;
        int nWindowHeight;
    };
    for (const Row& row : {Row{16, 3, 16}, Row{30, 0, 30}, Row{-1, 0, 22}}) {
        SCOPED_TRACE(row.nHeight);
        CTestHostedControl control(FALSE);
        CTKCustomButtonRegistry::Clear();
        const int nDescriptor = Register(control, row.nHeight, kTKShowAlways);
        CTKCoolToolBar bar;
        CreateBar(bar, {ID_TK_TEXT_BOTH});
        ASSERT_TRUE(bar.InsertCustomButton(1, nDescriptor, 0, 0, nullptr, nullptr));
        const CRect rectItem = ItemRect(bar, 1);
        ASSERT_EQ(rectItem.Height(), 22);
        const CRect rectWnd = RectInParent(*control.GetHostedWindow());
        EXPECT_EQ(rectWnd.top, rectItem.top + row.nTopOffset);
        EXPECT_EQ(rectWnd.Height(), row.nWindowHeight);
        EXPECT_EQ(rectWnd.left, rectItem.left + 2);
        EXPECT_EQ(rectWnd.right, rectItem.right - 2);
    }
}

// A combo box sits (bottom of the first button - 22) / 2 + 1 lower.
TEST_F(CoolToolBarTest, HostedComboBoxIsMovedByTheFirstButtonsBottom)
{
    CTestHostedControl control(TRUE);
    const int nDescriptor = Register(control, 16, kTKShowAlways);
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH});
    bar.SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(24, 24));
    ASSERT_TRUE(bar.InsertCustomButton(1, nDescriptor, 0, 0, nullptr, nullptr));
    const CRect rectFirst = ItemRect(bar, 0);
    const CRect rectItem = ItemRect(bar, 1);
    ASSERT_EQ(rectFirst.bottom, 24);
    CRect rectCombo;
    control.GetHostedWindow()->GetWindowRect(&rectCombo);
    bar.ScreenToClient(&rectCombo);
    EXPECT_EQ(rectCombo.top, rectItem.top + (rectItem.Height() - 16) / 2 + 2);
}

TEST_F(CoolToolBarTest, SecondBarHostsACopyAndADescriptorPastTheRegisteredOnesFails)
{
    CTestHostedControl control(FALSE);
    const int nDescriptor = Register(control, -1, kTKShowAlways);
    CTKCoolToolBar first;
    CTKCoolToolBar second;
    CreateBar(first, {ID_TK_TEXT_BOTH});
    CreateBar(second, {ID_TK_TEXT_BOTH});
    EXPECT_FALSE(first.InsertCustomButton(0, CTKCustomButtonRegistry::GetCount(), 0, 0, nullptr, nullptr));
    EXPECT_EQ(first.GetCount(), 1);
    EXPECT_FALSE(first.InsertCustomButton(2, nDescriptor, 0, 0, nullptr, nullptr));
    EXPECT_EQ(first.GetCount(), 1);

    ASSERT_TRUE(first.InsertCustomButton(0, nDescriptor, 0, 0, nullptr, nullptr));
    ASSERT_TRUE(second.InsertCustomButton(1, nDescriptor, 0, 0, nullptr, nullptr));
    EXPECT_EQ(first.m_mapCustomButtons.at(0).pControl, &control);
    CTKHostedControl* pCopy = second.m_mapCustomButtons.at(1).pControl;
    ASSERT_NE(pCopy, &control);
    EXPECT_TRUE(pCopy->IsCopy());
    EXPECT_EQ(pCopy->GetHostedWindow()->GetParent(), &second);
}

// Deleting before a hosting button moves its entry down; the hosting
// button's own delete tells its control; the selection follows.
TEST_F(CoolToolBarTest, ButtonEditsKeepTheHostedButtonsInStep)
{
    CTestHostedControl control(FALSE);
    const int nDescriptor = Register(control, -1, kTKShowAlways);
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH, ID_TK_TEXT_PROMPT, ID_TK_TEXT_NONE});
    ASSERT_TRUE(bar.InsertCustomButton(2, nDescriptor, 0, 0, nullptr, nullptr));
    bar.m_nCustomizedButtonIndex = 3;
    bar.m_nMarkedButtonIndex = 1;

    ASSERT_TRUE(bar.DeleteButton(1));
    EXPECT_TRUE(bar.IsCustomButton(1));
    EXPECT_FALSE(bar.IsCustomButton(2));
    EXPECT_EQ(bar.m_nCustomizedButtonIndex, 2);
    EXPECT_EQ(bar.m_nMarkedButtonIndex, -1);

    ASSERT_TRUE(bar.SendMessage(TB_MOVEBUTTON, 1, 0));
    EXPECT_TRUE(bar.IsCustomButton(0));
    EXPECT_EQ(bar.m_mapCustomButtons.size(), 1u);

    ASSERT_TRUE(bar.DeleteButton(0));
    EXPECT_TRUE(bar.m_mapCustomButtons.empty());
    EXPECT_EQ(control.m_nDeleted, 1);
    EXPECT_EQ(bar.GetCount(), 2);
}

// The last button goes and a separator would end the bar: it goes too.
TEST_F(CoolToolBarTest, SeparatorLeftAtAnEndIsDeleted)
{
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH, ID_SEPARATOR, ID_TK_TEXT_PROMPT, ID_SEPARATOR, ID_TK_TEXT_NONE});
    ASSERT_TRUE(bar.DeleteButton(4));
    EXPECT_EQ(bar.GetCount(), 3);
    ASSERT_TRUE(bar.DeleteButton(0));
    EXPECT_EQ(bar.GetCount(), 1);
    EXPECT_EQ(bar.GetItemID(0), UINT(ID_TK_TEXT_PROMPT));
}

TEST_F(CoolToolBarTest, CommandUpdateSetsEnableAndCheckStates)
{
    CTKCoolToolBar bar;
    CreateBar(bar, {ID_TK_TEXT_BOTH});
    CTKCoolToolBarCmdUI state;
    state.m_pOther = &bar;
    state.m_nIndex = 0;
    struct Row {
        int nCheck;
        BOOL bEnable;
        UINT nState;
    };
    for (const Row& row : {Row{1, TRUE, TBSTATE_ENABLED | TBSTATE_CHECKED},
                           Row{2, FALSE, TBSTATE_INDETERMINATE}, Row{0, TRUE, TBSTATE_ENABLED}}) {
        SCOPED_TRACE(row.nCheck);
        state.SetCheck(row.nCheck);
        state.Enable(row.bEnable);
        EXPECT_EQ(bar.GetButtonState(0) & ~TBSTATE_WRAP, row.nState);
    }
}

// The frame's main window allows the body move: a press off the buttons
// takes the mouse, and a move floats the bar at the point less the offset.
TEST_F(CoolToolBarTest, DraggingTheBodyFloatsTheBarAtThePoint)
{
    auto* pFrame = new CBodyMoveFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TKMAIN));
    m_pApp->m_pMainWnd = pFrame;
    pFrame->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->ShowWindow(SW_SHOW);
    PumpMessages();
    CTKCoolToolBar& bar = pFrame->m_wndToolBar;
    ASSERT_FALSE(bar.IsFloating());
    const CPoint ptDown(300, 5);
    ASSERT_LT(bar.SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&ptDown)), 0);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDown.x, ptDown.y));
    ASSERT_TRUE(bar.m_bMovingBar);
    EXPECT_EQ(::GetCapture(), bar.m_hWnd);
    CRect rectBar;
    bar.GetWindowRect(&rectBar);
    CPoint ptScreenDown = ptDown;
    bar.ClientToScreen(&ptScreenDown);
    const CSize sizeOffset = ptScreenDown - rectBar.TopLeft();

    const CPoint ptMove(320, 200);
    CPoint ptScreenMove = ptMove;
    bar.ClientToScreen(&ptScreenMove);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(ptMove.x, ptMove.y));
    EXPECT_TRUE(bar.IsFloating());
    CRect rectFrame;
    bar.GetParentFrame()->GetWindowRect(&rectFrame);
    EXPECT_EQ(rectFrame.TopLeft(), ptScreenMove - sizeOffset);

    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptMove.x, ptMove.y));
    EXPECT_FALSE(bar.m_bMovingBar);
    EXPECT_NE(::GetCapture(), bar.m_hWnd);
}
