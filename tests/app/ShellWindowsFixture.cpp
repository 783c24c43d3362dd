#include "ShellWindowsFixture.h"

// Each test is a fresh start of the program: no profile, no project made.
void CShellWindowsTest::SetUp()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kelvaron");
    CProjectDoc::SetProjectCounter(0);
    m_pApp = std::make_unique<CVestolarApp>();
    ASSERT_TRUE(StartTestApplication(*m_pApp));
}

void CShellWindowsTest::TearDown()
{
    if (m_pApp == nullptr)
        return;
    EndTestApplication(*m_pApp);
    m_pApp.reset();
    DiscardMessages();
}

void CShellWindowsTest::RestartApplication()
{
    TearDown();
    CProjectDoc::SetProjectCounter(0);
    m_pApp = std::make_unique<CVestolarApp>();
    ASSERT_TRUE(StartTestApplication(*m_pApp));
}

CVestolarDoc* CShellWindowsTest::NewProject(const std::vector<bool CReportInfo::*>& aFlags)
{
    CReportInfo method;
    for (bool CReportInfo::*pFlag : aFlags)
        method.*pFlag = true;
    method.m_sTreeTitle = "Method";
    CVestolarDoc* pDoc = App().NewProject(method, TRUE);
    PumpMessages();
    return pDoc;
}

void CShellWindowsTest::Command(UINT nID)
{
    MainFrame().SendMessage(WM_COMMAND, nID, 0);
    PumpMessages();
}

namespace {

class CEnableRecorder : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }

    BOOL m_bEnabled = TRUE;
};

} // namespace

bool CShellWindowsTest::IsCommandEnabled(UINT nID)
{
    CEnableRecorder state;
    state.m_nID = nID;
    state.DoUpdate(&MainFrame(), TRUE);
    return state.m_bEnabled != FALSE;
}

std::vector<std::string> CShellWindowsTest::ChildTexts(HTREEITEM hParent)
{
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    std::vector<std::string> aTexts;
    for (HTREEITEM hItem = tree.GetChildItem(hParent); hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem))
        aTexts.push_back(static_cast<LPCTSTR>(tree.GetItemText(hItem)));
    return aTexts;
}

HTREEITEM CShellWindowsTest::ChildWithText(HTREEITEM hParent, const char* lpszText)
{
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    for (HTREEITEM hItem = tree.GetChildItem(hParent); hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem)) {
        if (tree.GetItemText(hItem) == lpszText)
            return hItem;
    }
    return nullptr;
}

HTREEITEM CShellWindowsTest::LastLeaf(CVestolarDoc* pDoc, int nTableId)
{
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    HTREEITEM hLeaf = tree.GetChildItem(pDoc->GetTreeItems().GetTableItem(nTableId));
    while (hLeaf != nullptr && tree.GetNextSiblingItem(hLeaf) != nullptr)
        hLeaf = tree.GetNextSiblingItem(hLeaf);
    return hLeaf;
}

CPoint CShellWindowsTest::ScreenPointOf(HTREEITEM hItem)
{
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    tree.EnsureVisible(hItem);
    CRect rect;
    tree.GetItemRect(hItem, &rect, TRUE);
    CPoint point = rect.CenterPoint();
    tree.ClientToScreen(&point);
    return point;
}

int CShellWindowsTest::ViewCount(CDocument* pDoc)
{
    int nCount = 0;
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr; ++nCount)
        pDoc->GetNextView(pos);
    return nCount;
}

std::vector<CControlBar*> CShellWindowsTest::ToolBars()
{
    std::vector<CControlBar*> aBars;
    CMainFrame& frame = MainFrame();
    for (POSITION pos = frame.m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        auto* pBar = static_cast<CControlBar*>(frame.m_listControlBars.GetNext(pos));
        if (pBar->GetDlgCtrlID() == AFX_IDW_TOOLBAR)
            aBars.push_back(pBar);
    }
    return aBars;
}

bool CShellWindowsTest::IsShown(CControlBar* pBar)
{
    return (pBar->GetStyle() & WS_VISIBLE) != 0;
}

namespace {

CPoint g_menuCorner(-1, -1);
CPoint g_cursorAtMenu(-1, -1);

void CALLBACK RecordAndCloseMenu(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    ::GetCursorPos(&g_cursorAtMenu);
    for (HWND hMenu = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); hMenu != nullptr;
         hMenu = ::FindWindowExA(nullptr, hMenu, "#32768", nullptr)) {
        CRect rect;
        if (::IsWindowVisible(hMenu) && ::GetWindowRect(hMenu, &rect))
            g_menuCorner = rect.TopLeft();
    }
    ::EndMenu();
}

} // namespace

CPoint CShellWindowsTest::KeyboardContextMenuCorner(CWnd* pWnd, CPoint cursor, CPoint& cursorAtMenu)
{
    g_menuCorner = g_cursorAtMenu = CPoint(-1, -1);
    ::SetCursorPos(cursor.x, cursor.y);
    ::SetTimer(nullptr, 0, 1, RecordAndCloseMenu);
    pWnd->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
    PumpMessages();
    cursorAtMenu = g_cursorAtMenu;
    return g_menuCorner;
}
