#include "MainFrame.h"

#include "FrameCommandRules.h"
#include "MeasurementPush.h"
#include "OptionsSheet.h"
#include "ProjectDocument.h"
#include "VestolarApp.h"

#include "CTKWorkspaceState.h"

#include "model/ProjectDoc.h"
#include "tables/CorrDialog.h"
#include "res/resource.h"

namespace {

constexpr int kExportTypWordReport = 12;
constexpr int kTreeBarSizeStyle = 12;  // context menu, resize children
constexpr DWORD kTabControlStyle = TCS_HOTTRACK;
constexpr DWORD kToolBarStyle =
    WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
constexpr UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// The commands the tree bar answers first while it has the focus.
constexpr UINT kTreeCommands[] = {
    ID_EDIT_DELETE_MEASUREMENT, ID_EDIT_COPY,      ID_EDIT_PASTE,         ID_EDIT_ADD_MEASUREMENT, ID_EDIT_RENAME,
    ID_PROJECT_SET_ACTIVE,      ID_VIEW_PROPERTIES, ID_VIEW_OPEN,         ID_FILE_IMPORT,          ID_FILE_READ_KEL620,
    ID_FILE_EXPORT,             ID_FILE_EXPORT_ALL, ID_EXTRAS_SWAP_TABLE};

constexpr UINT kToggleCommands[] = {kToggleTenthDb, kToggleShiftedRefCurve, kToggleBgnCorrection,
                                    kToggleFtmCorrection, kToggleZezurCorrection};

bool& ToggleFlag(UINT nID)
{
    CVestolarApp& app = GetVestolarApp();
    switch (nID) {
    case kToggleShiftedRefCurve:
        return app.m_bShiftedRefCurve;
    case kToggleBgnCorrection:
        return app.m_bBgnCorrection;
    case kToggleFtmCorrection:
        return app.m_bFtmCorrection;
    case kToggleZezurCorrection:
        return app.m_bCorrectionZezur;
    default:
        return app.m_bExactRating;
    }
}

// The bar's own visibility, whether or not the frame shows.
bool IsBarShown(const CControlBar& bar)
{
    return (bar.GetStyle() & WS_VISIBLE) != 0;
}

bool IsTreeCommand(UINT nID)
{
    for (UINT nTreeId : kTreeCommands) {
        if (nTreeId == nID)
            return true;
    }
    return false;
}

} // namespace

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMainFrameBase)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_COMMAND(ID_EXTRAS_CORRECTIONS_SETUP, OnCorrectionsSetup)
    ON_COMMAND_EX(ID_EXTRAS_TENTH_DB_ACCURACY, OnToggleCorrection)
    ON_COMMAND_EX(ID_EXTRAS_SHIFTED_REF_CURVE, OnToggleCorrection)
    ON_COMMAND_EX(ID_EXTRAS_BGN_CORRECTION, OnToggleCorrection)
    ON_COMMAND_EX(ID_EXTRAS_FTM_CORRECTION, OnToggleCorrection)
    ON_COMMAND_EX(ID_EXTRAS_ZEZUR_CORRECTION, OnToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_TENTH_DB_ACCURACY, OnUpdateToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_SHIFTED_REF_CURVE, OnUpdateToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_BGN_CORRECTION, OnUpdateToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_FTM_CORRECTION, OnUpdateToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_ZEZUR_CORRECTION, OnUpdateToggleCorrection)
    ON_COMMAND_EX(ID_VIEW_OPEN_TEST_REPORT, OnOpenView)
    ON_COMMAND_EX(ID_VIEW_OPEN_RESULT_TABLE, OnOpenView)
    ON_COMMAND_EX(ID_VIEW_OPEN_SOURCE_ROOM, OnOpenView)
    ON_COMMAND_EX(ID_VIEW_OPEN_RECEIVING_ROOM, OnOpenView)
    ON_COMMAND_EX(ID_VIEW_OPEN_BACKGROUND_NOISE, OnOpenView)
    ON_COMMAND_EX(ID_VIEW_OPEN_REVERBERATION, OnOpenView)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPEN_TEST_REPORT, OnUpdateOpenView)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPEN_RESULT_TABLE, OnUpdateOpenView)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPEN_SOURCE_ROOM, OnUpdateOpenView)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPEN_RECEIVING_ROOM, OnUpdateOpenView)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPEN_BACKGROUND_NOISE, OnUpdateOpenView)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPEN_REVERBERATION, OnUpdateOpenView)
    ON_COMMAND(ID_EXTRAS_OPTIONS, OnOptions)
    ON_COMMAND(ID_VIEW_TOOLBAR, OnViewToolBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateViewToolBar)
    ON_COMMAND_EX(ID_VIEW_EXPLORER_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_EXPLORER_BAR, OnUpdateControlBarMenu)
END_MESSAGE_MAP()

// Any bar that cannot be made fails the window, and with it the start.
int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMainFrameBase::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateToolBars() || !CreateStatusBar())
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY, TRUE);
    m_wndWordToolBar.EnableDocking(CBRS_ALIGN_ANY, TRUE);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    DockControlBar(&m_wndWordToolBar, AFX_IDW_DOCKBAR_TOP);
    if (!CreateTreeBar())
        return -1;
    RecalcLayout(TRUE);
    ShowExportToolBar();
    m_MenuOrganizer.AttachFrameWnd(this);
    m_MenuOrganizer.AutoSetMenuImage();
    m_wndTabClient.Attach(this, kTabControlStyle);
    SetMenuChecks();
    return 0;
}

// Both toolbars carry the framework's toolbar id; the one of the export
// target is made first.
BOOL CMainFrame::CreateToolBars()
{
    if (GetVestolarApp().m_nExportTyp == kExportTypWordReport)
        return CreateToolBar(m_wndWordToolBar, IDR_WORDTOOLBAR) && CreateToolBar(m_wndToolBar, IDR_MAINFRAME);
    return CreateToolBar(m_wndToolBar, IDR_MAINFRAME) && CreateToolBar(m_wndWordToolBar, IDR_WORDTOOLBAR);
}

BOOL CMainFrame::CreateToolBar(CTKCoolToolBar& bar, UINT nIDResource)
{
    if (!bar.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !bar.LoadToolBar(nIDResource))
        return FALSE;
    bar.SetBarStyle(bar.GetBarStyle() ^ CBRS_HIDE_INPLACE);
    return TRUE;
}

BOOL CMainFrame::CreateStatusBar()
{
    return m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) &&
        m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)));
}

BOOL CMainFrame::CreateTreeBar()
{
    m_wndTreeBar.SetSizeBarStyle(kTreeBarSizeStyle);
    if (!m_wndTreeBar.Create(this, IDD_TREEBAR, CBRS_LEFT, ID_VIEW_EXPLORER_BAR))
        return FALSE;
    m_wndTreeBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndTreeBar);
    return TRUE;
}

// The MDI client keeps the bits of its old place when the bars around it
// move or the frame changes size: without a full repaint its background and
// edge would show stale paint until something else redraws them.
void CMainFrame::RecalcLayout(BOOL bNotify)
{
    CMainFrameBase::RecalcLayout(bNotify);
    if (m_hWndMDIClient != nullptr)
        ::RedrawWindow(m_hWndMDIClient, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

CTKCoolToolBar& CMainFrame::VisibleToolBar()
{
    return GetVestolarApp().m_nExportTyp == kExportTypWordReport ? m_wndWordToolBar : m_wndToolBar;
}

CTKCoolToolBar& CMainFrame::HiddenToolBar()
{
    return GetVestolarApp().m_nExportTyp == kExportTypWordReport ? m_wndToolBar : m_wndWordToolBar;
}

// The toolbar of the export target shows; the other is hidden and disabled.
void CMainFrame::ShowExportToolBar()
{
    ShowControlBar(&VisibleToolBar(), TRUE, FALSE);
    VisibleToolBar().EnableWindow(TRUE);
    ShowControlBar(&HiddenToolBar(), FALSE, FALSE);
    HiddenToolBar().EnableWindow(FALSE);
}

// Extras > Options...: after OK the skin, the toolbar of the export target
// and the menu images follow the new settings; only a new band range
// recalculates the projects.
void CMainFrame::OnOptions()
{
    CVestolarApp& app = GetVestolarApp();
    const int nLowerFreq = app.m_nLowerFreq;
    const int nUpperFreq = app.m_nUpperFreq;
    COptionsSheet sheet(this);
    sheet.TakeSettings(app);
    if (sheet.DoModal() != IDOK)
        return;
    sheet.StoreSettings(app);
    app.SetSkin(sheet.m_LookOption.m_sSkin);
    ShowExportToolBar();
    VisibleToolBar().UpdateSizes(TRUE, TRUE);
    m_MenuOrganizer.AutoSetMenuImage();
    if (app.m_nLowerFreq != nLowerFreq || app.m_nUpperFreq != nUpperFreq)
        UpdateAllProjects(0);
}

// View > Toolbar shows or hides the toolbar of the export target. The
// framework's toggle looks a bar up by its id and so would find the one made
// first, which is the hidden one once the export target has changed.
void CMainFrame::OnViewToolBar()
{
    ShowControlBar(&VisibleToolBar(), !IsBarShown(VisibleToolBar()), FALSE);
}

void CMainFrame::OnUpdateViewToolBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(IsBarShown(VisibleToolBar()));
}

void CMainFrame::SetMenuChecks()
{
    const CVestolarApp& app = GetVestolarApp();
    for (UINT nID : kToggleCommands)
        CheckMenuCommand(nID, ToggleFlag(nID));
    CheckMenuCommand(ID_VIEW_CORRECTION_COLUMN, app.m_bShowColCorrection);
    CheckMenuCommand(ID_VIEW_AVERAGES_COLUMN, app.m_bShowColNumOfAvg);
    CheckMenuCommand(ID_VIEW_STATUS_COLUMN, app.m_bShowColSatus);
}

// The marks live on the menu bar's menu itself, not in the command UI.
void CMainFrame::CheckMenuCommand(UINT nID, bool bChecked)
{
    if (CMenu* pMenu = GetMenu())
        pMenu->CheckMenuItem(nID, MF_BYCOMMAND | (bChecked ? MF_CHECKED : MF_UNCHECKED));
}

void CMainFrame::UpdateAllProjects(int nHint)
{
    CDocTemplate* pTemplate = GetVestolarApp().m_pMainTemplate;
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr;)
        CProjectDocument::FromDocument(pTemplate->GetNextDoc(pos))->GetProject().Recalculate(nHint);
}

HRESULT CMainFrame::ImportMeasurements(const CString& sPath)
{
    return CMeasurementPush(*this).Run(sPath);
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_wndTreeBar.m_bActive && IsTreeCommand(nID))
        return m_wndTreeBar.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return CMainFrameBase::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// The caption names the workspace, never a document: "Vestolar" alone while
// the workspace has no title, which is what File > New looks for before it
// adds the new project's title.
void CMainFrame::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    const CString& sWorkspaceTitle = GetVestolarApp().m_sWorkspaceTitle;
    SetWindowText(sWorkspaceTitle.IsEmpty() ? m_strTitle : m_strTitle + " - " + sWorkspaceTitle);
}

void CMainFrame::OnCorrectionsSetup()
{
    CCorrDialog dlg(this);
    dlg.DoModal();
}

// A toggle flips its application flag and its mark, and every project is
// recalculated, whatever the selected project refuses.
BOOL CMainFrame::OnToggleCorrection(UINT nID)
{
    bool& bFlag = ToggleFlag(nID);
    bFlag = !bFlag;
    CheckMenuCommand(nID, bFlag);
    UpdateAllProjects(kViewKindReport);
    return TRUE;
}

void CMainFrame::OnUpdateToggleCorrection(CCmdUI* pCmdUI)
{
    if (const CReportInfo* pInfo = FocusedTreeProject()) {
        if (IsToggleRefused(pCmdUI->m_nID, *pInfo))
            pCmdUI->Enable(FALSE);
    }
    UpdateCorrectionChecks(pCmdUI);
}

// The marks follow the flags; with the tree focused on a project they show
// what that project uses. Without an open window the toggles rest.
void CMainFrame::UpdateCorrectionChecks(CCmdUI* pCmdUI)
{
    for (UINT nID : kToggleCommands)
        CheckMenuCommand(nID, ToggleFlag(nID));
    if (MDIGetActive() == nullptr) {
        pCmdUI->Enable(FALSE);
        return;
    }
    const CReportInfo* pInfo = FocusedTreeProject();
    if (pInfo == nullptr)
        return;
    for (UINT nID : kToggleCommands)
        CheckMenuCommand(nID, ToggleMarkFor(nID, *pInfo, ToggleFlag(nID)).m_bChecked);
    if (!ToggleMarkFor(pCmdUI->m_nID, *pInfo, ToggleFlag(pCmdUI->m_nID)).m_bEnabled)
        pCmdUI->Enable(FALSE);
}

const CReportInfo* CMainFrame::FocusedTreeProject()
{
    if (!m_wndTreeBar.m_bActive)
        return nullptr;
    CProjectDocument* pProject = CProjectDocument::FromDocument(m_wndTreeBar.GetItemDocument(nullptr));
    return pProject != nullptr ? &pProject->GetProject().m_ReportInfo : nullptr;
}

CDocument* CMainFrame::ActiveProject()
{
    CDocTemplate* pTemplate = GetVestolarApp().m_pMainTemplate;
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr;) {
        CDocument* pDoc = pTemplate->GetNextDoc(pos);
        if (CProjectDocument::FromDocument(pDoc)->GetProject().m_nProjectNumber == GetVestolarApp().m_nActiveProject)
            return pDoc;
    }
    return nullptr;
}

BOOL CMainFrame::OnOpenView(UINT nID)
{
    if (CDocument* pDoc = ActiveProject()) {
        const COpenTarget target = OpenTargetOf(nID);
        CProjectDocument::FromDocument(pDoc)->ShowView(target.m_nViewKind, target.m_bTable, TRUE);
    }
    return TRUE;
}

void CMainFrame::OnUpdateOpenView(CCmdUI* pCmdUI)
{
    CDocument* pDoc = ActiveProject();
    pCmdUI->Enable(pDoc != nullptr &&
                   !IsOpenRefused(pCmdUI->m_nID, CProjectDocument::FromDocument(pDoc)->GetProject().m_ReportInfo));
}

// Cancel in the save query keeps everything; otherwise the layout is stored
// with only the visible toolbar, and the documents close unasked. The
// user's answer stands for the whole close: neither the layout's store nor
// the framework's close asks the question again (a second Cancel would stop
// the close after the documents were gone).
void CMainFrame::OnClose()
{
    if (!GetVestolarApp().SaveModified())
        return;
    GetVestolarApp().m_bWorkspaceModified = false;
    HiddenToolBar().DestroyWindow();
    StoreLayout();
    GetVestolarApp().HideApplication();
    GetVestolarApp().CloseAllDocuments(FALSE);
    CloseWithoutClientLocks();
}

void CMainFrame::StoreLayout()
{
    CTKWorkspaceState state;
    state.SetIncludeMainWindow(1);
    state.SetIncludeBars(1);
    state.SetIncludeSplitterPanes(1);
    state.SetIncludeChildFrames(0);
    state.StoreToRegistry(nullptr, nullptr, nullptr, HKEY_CURRENT_USER, TRUE, TRUE, TRUE);
}

// Objects that COM clients still hold would keep the frame open: their locks
// are let go for the framework's close and taken again afterwards.
void CMainFrame::CloseWithoutClientLocks()
{
    const LONG nLocks = AfxOleGetLockCount();
    for (LONG n = 0; n < nLocks; ++n)
        AfxOleUnlockApp();
    CMainFrameBase::OnClose();
    for (LONG n = 0; n < nLocks; ++n)
        AfxOleLockApp();
}
