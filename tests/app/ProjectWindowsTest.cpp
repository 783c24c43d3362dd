// Behaviours of a project's windows: one window per view kind, found again
// by the control id of its child, hidden windows for printing, the
// multiplot table for multiplot projects, the child frames' remembered
// size, the project's hidden frame, the hidden windows shown minimised when
// the project closes, and the multiplot set-up confirmed
// without a change (what it stores is tested in MultiplotSetupTest).

#include "ShellWindowsFixture.h"

#include "app/ChildFrame.h"
#include "app/HiddenFrame.h"
#include "multiplot/MultiplotTabView.h"
#include "results/ResultView.h"
#include "tables/TabView.h"

#include "CModalDialogWatch.h"
#include "platform/afx/ArchiveBytes.h"

#include <utility>
#include <vector>

namespace {

CFrameWnd* FrameOf(CDocument* pDoc, int nViewKind)
{
    CView* pView = CProjectWindows::FindView(pDoc, nViewKind);
    return pView != nullptr ? pView->GetParentFrame() : nullptr;
}

TEST_F(CShellWindowsTest, OpensOneWindowPerViewKind)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    const int nViews = ViewCount(pDoc);

    pDoc->ShowView(123, TRUE, TRUE);
    pDoc->ShowView(123, TRUE, TRUE);

    EXPECT_EQ(nViews + 1, ViewCount(pDoc));
    CView* pView = CProjectWindows::FindView(pDoc, 123);
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CTabView)));
    EXPECT_TRUE(pView->GetParentFrame()->IsKindOf(RUNTIME_CLASS(CChildFrame)));
    EXPECT_EQ(123, pView->GetDlgItem(123)->GetDlgCtrlID());
}

TEST_F(CShellWindowsTest, OpensBothCorrectionTablesFromTheResultTemplate)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bLab, &CReportInfo::m_bAirborne});

    pDoc->ShowView(105, FALSE, TRUE);
    pDoc->ShowView(106, FALSE, TRUE);

    for (int nKind : {105, 106}) {
        SCOPED_TRACE(nKind);
        CView* pView = CProjectWindows::FindView(pDoc, nKind);
        ASSERT_NE(nullptr, pView);
        EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CResultView)));
    }
}

TEST_F(CShellWindowsTest, KeepsAWindowHiddenUntilItIsAskedForVisibly)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});

    pDoc->ShowView(102, FALSE, FALSE);
    PumpMessages();
    ASSERT_NE(nullptr, FrameOf(pDoc, 102));
    EXPECT_FALSE(FrameOf(pDoc, 102)->IsWindowVisible());

    pDoc->ShowView(102, FALSE, TRUE);
    PumpMessages();
    EXPECT_TRUE(FrameOf(pDoc, 102)->IsWindowVisible());
}

namespace {

// The windows minimised or maximised on this thread while a hook is set.
std::vector<std::pair<HWND, int>> s_minMaxed;

LRESULT CALLBACK RecordMinMax(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_MINMAX)
        s_minMaxed.emplace_back(reinterpret_cast<HWND>(wParam), static_cast<int>(LOWORD(lParam)));
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

}  // namespace

// A window multiple print left hidden is shown minimised before its project
// closes; the project's own hidden frame is not shown.
TEST_F(CShellWindowsTest, ClosingAProjectShowsItsHiddenWindowsMinimised)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    pDoc->ShowView(102, FALSE, FALSE);
    PumpMessages();
    ASSERT_NE(nullptr, FrameOf(pDoc, 102));
    const HWND hReport = FrameOf(pDoc, 102)->GetSafeHwnd();
    s_minMaxed.clear();
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, RecordMinMax, nullptr, ::GetCurrentThreadId());

    pDoc->OnCloseDocument();
    ::UnhookWindowsHookEx(hHook);

    const std::vector<std::pair<HWND, int>> expected = {{hReport, SW_MINIMIZE}};
    EXPECT_EQ(expected, s_minMaxed);
}

TEST_F(CShellWindowsTest, OpensTheMultiplotTableInMultiplotProjects)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bMultiplot});

    pDoc->ShowView(127, TRUE, TRUE);

    CView* pView = CProjectWindows::FindView(pDoc, 127);
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CMultiplotTabView)));
}

// The set-up shows the project's own display, not the application's
// defaults; OK without a change leaves the saved project as it was and
// makes its display the defaults.
TEST_F(CShellWindowsTest, AMultiplotSetUpConfirmedUnchangedLeavesTheProjectAsItWas)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bMultiplot});
    CProjectDoc& project = pDoc->GetProject();
    project.m_dMultiplotRange = 40.0;
    project.m_dMultiplotMax = 90.0;
    project.m_bMultiplotAutoScale = FALSE;
    project.m_ReportInfo.m_sSubTitle = "Walls";
    App().m_dMultiplotMax = 70.0;
    App().m_bMultiplotAutoScale = TRUE;
    App().m_sGraphTitle = "Default graph";
    const auto projectBytes = [&] { return StoreBytes([&](CArchive& ar) { project.Serialize(ar); }); };
    const Bytes before = projectBytes();
    std::string sShownMax;
    std::string sShownTitle;
    CModalDialogWatch watch([&](HWND hDlg) {
        char szText[64] = {};
        ::GetDlgItemTextA(hDlg, IDC_MULTIPLOT_MAX, szText, sizeof(szText));
        sShownMax = szText;
        ::GetDlgItemTextA(hDlg, IDC_MULTIPLOT_GRAPH_TITLE, szText, sizeof(szText));
        sShownTitle = szText;
        ::SendMessage(hDlg, WM_COMMAND, IDOK, 0);
    });

    pDoc->ShowView(111, FALSE, TRUE);

    EXPECT_EQ(1, watch.GetDialogCount());
    EXPECT_EQ("90", sShownMax);
    EXPECT_EQ("Walls", sShownTitle);
    EXPECT_EQ(before, projectBytes());
    EXPECT_EQ(90.0, App().m_dMultiplotMax);
    EXPECT_STREQ("Walls", App().m_sGraphTitle);
    EXPECT_FALSE(App().m_bMultiplotAutoScale);
}

TEST_F(CShellWindowsTest, OpensNothingForKindsWithoutAWindow)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    const int nViews = ViewCount(pDoc);

    pDoc->ShowView(111, FALSE, TRUE);  // the multiplot set-up, in a project without one
    pDoc->ShowView(104, FALSE, TRUE);

    EXPECT_EQ(nViews, ViewCount(pDoc));
}

TEST_F(CShellWindowsTest, OpensNewWindowsMaximisedAfterTheUserMaximisedOne)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    pDoc->ShowView(122, TRUE, TRUE);
    CFrameWnd* pFirst = FrameOf(pDoc, 122);
    ASSERT_NE(nullptr, pFirst);

    pFirst->SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(2, App().m_nWindowSize);
    pFirst->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(2, App().m_nWindowSize);
    pDoc->ShowView(103, FALSE, TRUE);
    EXPECT_TRUE(FrameOf(pDoc, 103)->IsZoomed());

    FrameOf(pDoc, 103)->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(0, App().m_nWindowSize);
}

TEST_F(CShellWindowsTest, NeverShowsAProjectsOwnFrame)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    POSITION pos = pDoc->GetFirstViewPosition();
    CFrameWnd* pHidden = pDoc->GetNextView(pos)->GetParentFrame();
    ASSERT_TRUE(pHidden->IsKindOf(RUNTIME_CLASS(CHiddenFrame)));

    pHidden->ActivateFrame(SW_SHOW);

    EXPECT_FALSE(pHidden->IsWindowVisible());
}

} // namespace
