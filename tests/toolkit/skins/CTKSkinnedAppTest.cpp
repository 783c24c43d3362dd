// Tests of the skinned application: the skins it knows, which one is
// current, the part skins each skin gives, and what a change of skin lays
// out and repaints.

#include "toolkit/skins/CTKMenuSkin2003.h"
#include "toolkit/skins/CTKMenuSkinClassic.h"
#include "toolkit/frames/CTKSizableMiniDockFrameWnd.h"
#include "toolkit/skins/CTKDockbarSkin2003.h"
#include "toolkit/skins/CTKMiniFrameSkinClassic.h"
#include "toolkit/skins/CTKMiniFrameSkinXP.h"
#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKSkinClassic.h"
#include "toolkit/skins/CTKSkinnedApp.h"
#include "toolkit/skins/CTKTabSkin2003.h"
#include "toolkit/skins/CTKTabSkinClassic.h"
#include "toolkit/skins/CTKToolbarSkin2003.h"
#include "toolkit/skins/CTKToolbarSkinClassic.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

std::string CurrentSkinName(const CTKSkinnedApp& app)
{
    return app.GetCurrentSkin() != nullptr ? std::string(app.GetCurrentSkin()->GetName()) : "";
}

}  // namespace

TEST(CTKSkinnedApp, StartsWithOfficeXpAndKnowsOnlyTheThreeSkinsByExactName)
{
    CTKSkinnedApp app;
    EXPECT_EQ(CurrentSkinName(app), "Office XP");
    EXPECT_EQ(app.GetCurrentSkinType(), 1);
    struct Row {
        const char* pszName;
        BOOL bKnown;
        int nType;  // after selecting "Classic" first
    } rows[] = {
        {"Classic", TRUE, 0}, {"Office 2003", TRUE, 1}, {"Office XP", TRUE, 1},
        {"office xp", FALSE, 0}, {"Office XP ", FALSE, 0}, {"", FALSE, 0}, {nullptr, FALSE, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName ? row.pszName : "(null)");
        app.SetCurrentSkin("Classic");
        EXPECT_EQ(app.SetCurrentSkin(row.pszName), row.bKnown);
        EXPECT_EQ(CurrentSkinName(app), row.bKnown ? row.pszName : "");
        EXPECT_EQ(app.GetCurrentSkinType(), row.nType);
    }
}

TEST(CTKSkinnedApp, EachSkinGivesThePartSkinsOfItsLook)
{
    CTKSkinClassic classic;
    CTKSkinXP xp;
    CTKSkin2003 skin2003;
    CTKSkin base("Plain");
    struct Row {
        CTKSkin* pSkin;
        const char* pszName;
        int nType;
        bool bClassicParts;
        bool b2003Parts;
    } rows[] = {
        {&classic, "Classic", 0, true, false},
        {&xp, "Office XP", 1, false, false},
        {&skin2003, "Office 2003", 1, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        EXPECT_EQ(std::string(row.pSkin->GetName()), row.pszName);
        EXPECT_EQ(row.pSkin->GetType(), row.nType);
        CTKToolbarSkin* pToolbar = row.pSkin->GetToolbarSkin();
        CTKTabSkin* pTab = row.pSkin->GetTabSkin();
        EXPECT_EQ(dynamic_cast<CTKToolbarSkinClassic*>(pToolbar) != nullptr, row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKToolbarSkinXP*>(pToolbar) != nullptr, !row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKToolbarSkin2003*>(pToolbar) != nullptr, row.b2003Parts);
        EXPECT_EQ(dynamic_cast<CTKTabSkinClassic*>(pTab) != nullptr, row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKTabSkin2003*>(pTab) != nullptr, row.b2003Parts);
        CTKMenuSkin* pMenu = row.pSkin->GetMenuSkin();
        EXPECT_EQ(dynamic_cast<CTKMenuSkinClassic*>(pMenu) != nullptr, row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKMenuSkinXP*>(pMenu) != nullptr, !row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKMenuSkin2003*>(pMenu) != nullptr, row.b2003Parts);
        CTKDockbarSkin* pDockbar = row.pSkin->GetDockbarSkin();
        CTKMiniFrameSkin* pMiniFrame = row.pSkin->GetMiniFrameSkin();
        EXPECT_NE(dynamic_cast<CTKDockbarSkinClassic*>(pDockbar), nullptr);
        EXPECT_EQ(dynamic_cast<CTKDockbarSkinXP*>(pDockbar) != nullptr, !row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKDockbarSkin2003*>(pDockbar) != nullptr, row.b2003Parts);
        EXPECT_EQ(dynamic_cast<CTKMiniFrameSkinClassic*>(pMiniFrame) != nullptr, row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKMiniFrameSkinXP*>(pMiniFrame) != nullptr, !row.bClassicParts);
        EXPECT_EQ(row.pSkin->GetShortcutBarSkin(), nullptr);
    }
    EXPECT_EQ(base.GetType(), 3);
}

namespace {

// The messages each window of the thread is sent, by window and message.
class CLayoutMessageLog {
public:
    CLayoutMessageLog()
    {
        s_pLog = this;
        m_hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, Record, nullptr, ::GetCurrentThreadId());
    }
    ~CLayoutMessageLog()
    {
        ::UnhookWindowsHookEx(m_hHook);
        s_pLog = nullptr;
    }

    bool Got(HWND hWnd, UINT nMessage) const { return m_messages.count({hWnd, nMessage}) != 0; }

private:
    static LRESULT CALLBACK Record(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && s_pLog != nullptr)
            s_pLog->m_messages.insert({pMsg->hwnd, pMsg->message});
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static CLayoutMessageLog* s_pLog;
    HHOOK m_hHook = nullptr;
    std::set<std::pair<HWND, UINT>> m_messages;
};

CLayoutMessageLog* CLayoutMessageLog::s_pLog = nullptr;

CFrameWnd* MakeFrame(const char* pszTitle, const CRect& rect)
{
    auto* pFrame = new CFrameWnd;
    pFrame->Create(nullptr, pszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect);
    return pFrame;
}

CWnd* MakeFloatingFrame(CFrameWnd* pOwner, const CRect& rect)
{
    auto* pFloat = new CTKSizableMiniDockFrameWnd;
    pFloat->Create(pOwner, CBRS_ALIGN_TOP);
    pFloat->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return pFloat;
}

}  // namespace

TEST(CTKSkinnedApp, SwitchLaysOutAndRepaintsTheMainWindowItsChildrenAndFloatingFramesOnly)
{
    CTKSkinnedApp app;
    CFrameWnd* pMain = MakeFrame("Main", CRect(0, 0, 300, 200));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 80),
                               pMain, 1));
    CWnd maximised;
    ASSERT_TRUE(maximised.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                   CRect(110, 0, 210, 80), pMain, 2));
    maximised.ModifyStyle(0, WS_MAXIMIZE);
    CWnd* pFloating = MakeFloatingFrame(pMain, CRect(320, 0, 440, 80));
    CFrameWnd* pOther = MakeFrame("Other", CRect(0, 300, 200, 400));
    CWnd* pOthersFloating = MakeFloatingFrame(pOther, CRect(320, 300, 440, 380));
    app.m_pMainWnd = pMain;

    struct Window {
        const char* pszName;
        CWnd* pWnd;
        bool bSized;
        bool bRepainted;
    } windows[] = {
        {"main window", pMain, true, true},
        {"child", &child, true, true},
        {"maximised child", &maximised, false, true},
        {"main window's floating frame", pFloating, true, true},
        {"another top-level window", pOther, false, false},
        {"another window's floating frame", pOthersFloating, false, false},
    };
    struct Switch {
        const char* pszSkin;
        bool bRedraws;
    } switches[] = {{"Office 2003", true}, {"Classic", true}, {"office xp", false}};
    for (const Switch& to : switches) {
        SCOPED_TRACE(to.pszSkin);
        for (const Window& window : windows)
            window.pWnd->UpdateWindow();
        CLayoutMessageLog log;
        app.SetCurrentSkin(to.pszSkin);
        for (const Window& window : windows) {
            SCOPED_TRACE(window.pszName);
            const HWND hWnd = window.pWnd->m_hWnd;
            EXPECT_EQ(log.Got(hWnd, WM_SIZE), to.bRedraws && window.bSized);
            EXPECT_EQ(log.Got(hWnd, WM_NCCALCSIZE), to.bRedraws && window.bRepainted);
            EXPECT_EQ(log.Got(hWnd, WM_PAINT), to.bRedraws && window.bRepainted);
        }
    }
    app.m_pMainWnd = nullptr;
    pOthersFloating->DestroyWindow();
    pFloating->DestroyWindow();
    pOther->DestroyWindow();
    child.DestroyWindow();
    maximised.DestroyWindow();
    pMain->DestroyWindow();
}
