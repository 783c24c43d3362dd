// Behaviours of the tree's context menu: a right click selects the item
// under the cursor and activates the tree, and the menu shows the tree's
// commands, enabled by what the selection is.

#include "ShellWindowsFixture.h"

namespace {

struct CMenuItemState {
    UINT m_nID;
    std::string m_sText;
    bool m_bEnabled;
};

std::vector<CMenuItemState> s_items;  // the menu as its owner had updated it

std::vector<CMenuItemState> ReadMenu(HMENU hMenu)
{
    std::vector<CMenuItemState> items;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        const UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue;  // separators
        char szText[128] = "";
        ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
        const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        items.push_back({nID, szText, (nState & (MF_GRAYED | MF_DISABLED)) == 0});
    }
    return items;
}

// Reads the popup once the owner's update has run on it.
LRESULT CALLBACK RecordUpdatedPopup(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMessage = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMessage->message == WM_INITMENUPOPUP)
        s_items = ReadMenu(reinterpret_cast<HMENU>(pMessage->wParam));
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK CloseMenu(HWND hWnd, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(hWnd, nID);
    ::EndMenu();
}

class CTreeContextMenuTest : public CShellWindowsTest {
protected:
    // Right-clicks the middle of hItem, as the tree reports it to the bar,
    // and reads the menu that shows.
    std::vector<CMenuItemState> ContextMenuOn(HTREEITEM hItem) { return ContextMenuAt(ScreenPointOf(hItem)); }
    // The menu the tree asks for at a screen point; (-1, -1) is the menu key.
    std::vector<CMenuItemState> ContextMenuAt(CPoint point)
    {
        CMultiTree& tree = TreeBar().GetTreeCtrl();
        s_items.clear();
        HHOOK hHook = ::SetWindowsHookEx(WH_CALLWNDPROCRET, RecordUpdatedPopup, nullptr, ::GetCurrentThreadId());
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, CloseMenu);
        tree.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree.m_hWnd), MAKELPARAM(point.x, point.y));
        ::KillTimer(nullptr, nTimer);
        ::UnhookWindowsHookEx(hHook);
        PumpMessages();
        return s_items;
    }
    // Whether the item of command nID showed enabled; false when missing.
    static bool IsShownEnabled(const std::vector<CMenuItemState>& items, UINT nID)
    {
        for (const CMenuItemState& item : items) {
            if (item.m_nID == nID)
                return item.m_bEnabled;
        }
        ADD_FAILURE() << "no menu item " << nID;
        return false;
    }
    HTREEITEM AddLevel(CVestolarDoc* pDoc, int nTableId, int nRole)
    {
        NBuildData rec;
        rec.m_MeasSetup.SetMeasurementMode(0);
        rec.m_MeasSetup.SetActivateChannel(1);
        rec.m_MeasSetup.SetDescription(nRole, 1);
        rec.m_Spectrum.SetTitle("L #1");
        pDoc->GetProject().AddMeasurement(rec, FALSE);
        return LastLeaf(pDoc, nTableId);
    }
};

TEST_F(CTreeContextMenuTest, ShowsTheTreesCommandsForTheItemUnderTheCursor)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    HTREEITEM hGroup = pDoc->GetTreeItems().GetTableItem(123);
    TreeBar().GetTreeCtrl().SelectItem(pDoc->GetTreeItems().GetProjectItem());
    MainFrame().SetFocus();
    PumpMessages();
    ASSERT_FALSE(TreeBar().m_bActive);

    const std::vector<CMenuItemState> items = ContextMenuOn(hGroup);

    std::vector<std::string> aTexts;
    for (const CMenuItemState& item : items)
        aTexts.push_back(item.m_sText);
    EXPECT_EQ((std::vector<std::string>{"&Copy\tCtrl+C", "&Paste\tCtrl+V", "&Delete Measurement\tDel", "&Open",
                                        "&Rename", "&Set Active Project", "Proper&ties\tAlt+Enter", "&Import...",
                                        "Read in Kel&620", "&Export...", "Export A&ll...", "&View Explorer Bar"}),
              aTexts);
    EXPECT_EQ(hGroup, TreeBar().GetTreeCtrl().GetSelectedItem());
    EXPECT_TRUE(TreeBar().m_bActive);
}

TEST_F(CTreeContextMenuTest, TheMenuKeyOpensTheMenuOfTheSelection)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    HTREEITEM hLeaf = AddLevel(pDoc, 123, kRoleReceiving);
    TreeBar().GetTreeCtrl().SelectItem(hLeaf);

    const std::vector<CMenuItemState> items = ContextMenuAt(CPoint(-1, -1));

    ASSERT_FALSE(items.empty());
    EXPECT_EQ(hLeaf, TreeBar().GetTreeCtrl().GetSelectedItem());
    EXPECT_TRUE(IsShownEnabled(items, ID_EDIT_DELETE_MEASUREMENT));
    EXPECT_EQ(0u, TreeBar().GetTreeCtrl().GetItemState(hLeaf, TVIS_SELECTED) & TVIS_SELECTED);
}

TEST_F(CTreeContextMenuTest, BesideTheItemsTheBarShowsItsOwnMenuAndKeepsTheSelection)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    HTREEITEM hLeaf = AddLevel(pDoc, 123, kRoleReceiving);
    CRect client;
    TreeBar().GetTreeCtrl().GetClientRect(&client);
    CPoint belowTheItems(client.left + 5, client.bottom - 5);
    ASSERT_EQ(nullptr, TreeBar().GetTreeCtrl().HitTest(belowTheItems));
    TreeBar().GetTreeCtrl().ClientToScreen(&belowTheItems);
    TreeBar().GetTreeCtrl().SelectItem(hLeaf);

    const std::vector<CMenuItemState> items = ContextMenuAt(belowTheItems);

    EXPECT_EQ(hLeaf, TreeBar().GetTreeCtrl().GetSelectedItem());
    for (const CMenuItemState& item : items)
        EXPECT_NE(static_cast<UINT>(ID_EDIT_DELETE_MEASUREMENT), item.m_nID);
}

TEST_F(CTreeContextMenuTest, ShowsNothingWhileTheTransferDocumentIsEmbedded)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CString sCaption;
    MainFrame().GetWindowText(sCaption);
    MainFrame().SetWindowText("Vestolar - [Transfer in Kelport]");

    const std::vector<CMenuItemState> items = ContextMenuOn(pDoc->GetTreeItems().GetTableItem(123));

    MainFrame().SetWindowText(sCaption);
    EXPECT_TRUE(items.empty());
}

TEST_F(CTreeContextMenuTest, EnablesTheTreeCommandsByWhatTheItemIs)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CVestolarDoc* pMultiplot = NewProject({&CReportInfo::m_bMultiplot});
    HTREEITEM hLeaf = AddLevel(pDoc, 123, kRoleReceiving);
    HTREEITEM hCurve = AddLevel(pMultiplot, 127, kRoleReceiving);
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    HTREEITEM hGroup = pDoc->GetTreeItems().GetTableItem(123);
    struct CCase {
        const char* m_lpszItem;
        HTREEITEM m_hItem;
        bool m_bDelete;
        bool m_bSetActive;
        bool m_bProperties;
        bool m_bOpen;
    };
    const CCase cases[] = {
        {"workspace", tree.GetRootItem(), false, false, false, false},
        {"project node", pDoc->GetTreeItems().GetProjectItem(), true, true, true, false},
        {"measurement data", tree.GetParentItem(hGroup), false, false, false, false},
        {"table group", hGroup, false, false, true, false},
        {"summary leaf", tree.GetChildItem(hGroup), false, false, true, true},
        {"measurement leaf", hLeaf, true, false, true, true},
        {"test report node", tree.GetChildItem(tree.GetChildItem(pDoc->GetTreeItems().GetProjectItem())), false,
         false, false, true},
        {"multiplot curve", hCurve, true, false, false, true},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszItem);
        const std::vector<CMenuItemState> items = ContextMenuOn(c.m_hItem);
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(c.m_bDelete, IsShownEnabled(items, ID_EDIT_DELETE_MEASUREMENT));
        EXPECT_EQ(c.m_bSetActive, IsShownEnabled(items, ID_PROJECT_SET_ACTIVE));
        EXPECT_EQ(c.m_bProperties, IsShownEnabled(items, ID_VIEW_PROPERTIES));
        EXPECT_EQ(c.m_bOpen, IsShownEnabled(items, ID_VIEW_OPEN));
    }
}

}  // namespace
