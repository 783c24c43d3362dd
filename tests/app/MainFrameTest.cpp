// Behaviours of the main frame: its menus, bars and caption, File > New, the
// correction toggles and the open commands of the active project.
// The resize, the stored place and the close: MainFrameLayoutTest.cpp.
// The options sheet: OptionsSheetTest.cpp.

#include "ShellWindowsFixture.h"

#include "res/resource.h"

namespace {

std::vector<std::string> MenuTexts(CMenu* pMenu)
{
    std::vector<std::string> aTexts;
    for (UINT n = 0; n < pMenu->GetMenuItemCount(); ++n) {
        CString sText;
        pMenu->GetMenuString(n, sText, MF_BYPOSITION);
        aTexts.push_back(static_cast<LPCTSTR>(sText));
    }
    return aTexts;
}

bool IsChecked(CMainFrame& frame, UINT nID)
{
    return (frame.GetMenu()->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST_F(CShellWindowsTest, ShowsItsMenusToolbarStatusBarAndTreeBar)
{
    const std::vector<std::string> aPopups = {"&File", "&Edit", "&View", "&Project", "&Tools", "E&xtras", "&Window", "&Help"};
    EXPECT_EQ(aPopups, MenuTexts(MainFrame().GetMenu()));
    for (UINT nBar : {UINT(AFX_IDW_TOOLBAR), UINT(AFX_IDW_STATUS_BAR), UINT(ID_VIEW_EXPLORER_BAR)}) {
        SCOPED_TRACE(nBar);
        CControlBar* pBar = MainFrame().GetControlBar(nBar);
        ASSERT_NE(nullptr, pBar);
        EXPECT_TRUE(pBar->IsWindowVisible());
    }
    EXPECT_EQ(&TreeBar(), MainFrame().GetControlBar(ID_VIEW_EXPLORER_BAR));
}

void PressButton(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
}

// With no method used before, the dialog preselects the method of the
// ÖNORM EN ISO 16283-1; OK takes it.
TEST_F(CShellWindowsTest, CreatesAProjectOfTheMethodChosenWithFileNew)
{
    std::string sDialogTitle;
    CModalDialogWatch watch([&](HWND hDlg) {
        char szTitle[64] = {};
        ::GetWindowTextA(hDlg, szTitle, sizeof(szTitle));
        sDialogTitle = szTitle;
        PressButton(hDlg, IDOK);
    });
    Command(ID_FILE_NEW);

    EXPECT_EQ("New Project", sDialogTitle);
    CMultiDocTemplate* pTemplate = App().m_pMainTemplate;
    POSITION pos = pTemplate->GetFirstDocPosition();
    ASSERT_NE(nullptr, pos);
    auto* pDoc = static_cast<CVestolarDoc*>(pTemplate->GetNextDoc(pos));
    EXPECT_EQ(nullptr, pos);
    const CReportInfo& method = pDoc->GetProject().m_ReportInfo;
    EXPECT_STREQ("Project1 - Apparent sound reduction index according to \xD6NORM EN ISO 16283-1", method.m_sTreeTitle);
    EXPECT_STREQ("App_SRI_OEN16283_1.xlsx", method.m_sTemplateFileName);
    EXPECT_EQ(pDoc->GetProject().m_nProjectNumber, App().m_nActiveProject);
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    HTREEITEM hProject = tree.GetNextSiblingItem(tree.GetRootItem());
    ASSERT_NE(nullptr, hProject);
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(static_cast<CDocument*>(pDoc)), tree.GetItemData(hProject));
}

TEST_F(CShellWindowsTest, CreatesNoProjectWhenFileNewIsCancelled)
{
    CModalDialogWatch watch([](HWND hDlg) { PressButton(hDlg, IDCANCEL); });
    Command(ID_FILE_NEW);

    EXPECT_EQ(1, watch.GetDialogCount());
    EXPECT_EQ(nullptr, App().m_pMainTemplate->GetFirstDocPosition());
}

// The bars with the toolbar id, in the order the frame made them.
// The check mark as the View menu shows it when it opens.
bool IsCheckedAfterUpdate(CMainFrame& frame, UINT nID)
{
    CMenu* pMenuBar = frame.GetMenu();
    for (UINT n = 0; n < pMenuBar->GetMenuItemCount(); ++n) {
        CMenu* pPopup = pMenuBar->GetSubMenu(static_cast<int>(n));
        if (pPopup != nullptr && pPopup->GetMenuState(nID, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
            frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->m_hMenu), MAKELPARAM(n, FALSE));
            return (pPopup->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
        }
    }
    return false;
}

// Both toolbars carry the toolbar id. The frame is made for the Excel
// target, so the Word toolbar is the second: View > Toolbar must still act on
// it once the export target is Word, and leave the hidden one alone.
TEST_F(CShellWindowsTest, TogglesTheToolbarOfTheExportTargetWithViewToolbar)
{
    struct Row {
        int nExportTyp;
        size_t nInUse;  // index of the toolbar in use, in the order made
    } rows[] = {{12, 1}, {11, 0}};
    std::vector<CControlBar*> aBars = ToolBars();
    ASSERT_EQ(2u, aBars.size());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nExportTyp);
        App().m_nExportTyp = row.nExportTyp;
        MainFrame().ShowExportToolBar();
        CControlBar* pInUse = aBars[row.nInUse];
        CControlBar* pOther = aBars[1 - row.nInUse];
        ASSERT_TRUE(IsShown(pInUse));
        EXPECT_TRUE(IsCheckedAfterUpdate(MainFrame(), ID_VIEW_TOOLBAR));

        Command(ID_VIEW_TOOLBAR);
        EXPECT_FALSE(IsShown(pInUse));
        EXPECT_FALSE(IsShown(pOther));
        EXPECT_FALSE(IsCheckedAfterUpdate(MainFrame(), ID_VIEW_TOOLBAR));

        Command(ID_VIEW_TOOLBAR);
        EXPECT_TRUE(IsShown(pInUse));
        EXPECT_FALSE(IsShown(pOther));
        EXPECT_TRUE(IsCheckedAfterUpdate(MainFrame(), ID_VIEW_TOOLBAR));
    }
}

TEST_F(CShellWindowsTest, NamesTheWorkspaceInTheCaption)
{
    const struct {
        const char* lpszWorkspaceTitle;
        const char* lpszCaption;
    } rows[] = {{"Plant", "Vestolar - Plant"}, {"", "Vestolar"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lpszWorkspaceTitle);
        App().m_sWorkspaceTitle = row.lpszWorkspaceTitle;
        MainFrame().OnUpdateFrameTitle(TRUE);

        CString sCaption;
        MainFrame().GetWindowText(sCaption);
        EXPECT_STREQ(row.lpszCaption, sCaption);
    }
}

TEST_F(CShellWindowsTest, FlipsACorrectionFlagAndItsCheckMark)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    pDoc->ShowView(122, TRUE, TRUE);
    PumpMessages();
    const bool bBefore = App().m_bBgnCorrection;

    Command(ID_EXTRAS_BGN_CORRECTION);
    EXPECT_NE(bBefore, App().m_bBgnCorrection);
    EXPECT_EQ(App().m_bBgnCorrection, IsChecked(MainFrame(), ID_EXTRAS_BGN_CORRECTION));

    Command(ID_EXTRAS_BGN_CORRECTION);
    EXPECT_EQ(bBefore, App().m_bBgnCorrection);
    EXPECT_EQ(bBefore, IsChecked(MainFrame(), ID_EXTRAS_BGN_CORRECTION));
}

// Ctrl+R and the menu come the same way: without an open project window the
// toggles are disabled and change nothing.
TEST_F(CShellWindowsTest, LeavesTheCorrectionFlagsAloneWithoutAnOpenWindow)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    const bool bBefore = App().m_bCorrectionZezur;

    Command(ID_EXTRAS_ZEZUR_CORRECTION);

    EXPECT_EQ(bBefore, App().m_bCorrectionZezur);
    EXPECT_EQ(bBefore, IsChecked(MainFrame(), ID_EXTRAS_ZEZUR_CORRECTION));
}

TEST_F(CShellWindowsTest, OpensTheActiveProjectsTablesWithTheOpenCommands)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});

    Command(ID_VIEW_OPEN_RECEIVING_ROOM);
    Command(ID_VIEW_OPEN_TEST_REPORT);

    EXPECT_NE(nullptr, CProjectWindows::FindView(pDoc, 123));
    EXPECT_NE(nullptr, CProjectWindows::FindView(pDoc, 102));
}

TEST_F(CShellWindowsTest, OffersTheOpenCommandsOnlyForAnActiveProject)
{
    EXPECT_FALSE(IsCommandEnabled(ID_VIEW_OPEN_TEST_REPORT));
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    EXPECT_TRUE(IsCommandEnabled(ID_VIEW_OPEN_TEST_REPORT));

    App().m_nActiveProject = -1;

    EXPECT_FALSE(IsCommandEnabled(ID_VIEW_OPEN_TEST_REPORT));
}

TEST_F(CShellWindowsTest, OffersTheOptions)
{
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});

    EXPECT_TRUE(IsCommandEnabled(ID_EXTRAS_OPTIONS));
}

TEST_F(CShellWindowsTest, SendsTheTreesCommandsToTheTreeBarWhileItHasTheFocus)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    pDoc->ShowView(122, TRUE, TRUE);
    PumpMessages();
    ASSERT_TRUE(IsCommandEnabled(ID_EXTRAS_SWAP_TABLE));  // the active window's document swaps

    TreeBar().m_bActive = true;  // the tree bar has no swap of its own yet

    EXPECT_FALSE(IsCommandEnabled(ID_EXTRAS_SWAP_TABLE));
    EXPECT_TRUE(IsCommandEnabled(ID_VIEW_OPEN_TEST_REPORT));
}

TEST_F(CShellWindowsTest, ShowsTheFocusedProjectsOwnCorrectionMarks)
{
    App().m_bFtmCorrection = true;
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    pDoc->ShowView(122, TRUE, TRUE);
    PumpMessages();
    TreeBar().GetTreeCtrl().SelectItem(pDoc->GetTreeItems().GetProjectItem());
    TreeBar().m_bActive = true;

    EXPECT_FALSE(IsCommandEnabled(ID_EXTRAS_FTM_CORRECTION));
    EXPECT_FALSE(IsChecked(MainFrame(), ID_EXTRAS_FTM_CORRECTION));
    EXPECT_TRUE(App().m_bFtmCorrection);
}

} // namespace
