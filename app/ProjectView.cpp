#include "ProjectView.h"

#include "MainFrame.h"
#include "ProjectDocument.h"
#include "VestolarApp.h"
#include "ViewToggleRules.h"

#include "grid/CGRCtrl.h"
#include "tables/TabGrid.h"

#include "import/TreeLayout.h"
#include "model/ProjectDoc.h"
#include "model/ViewKinds.h"
#include "platform/measdata/DateToStr.h"
#include "platform/version/VersionReader.h"
#include "reports/PageText.h"

IMPLEMENT_DYNAMIC(CProjectView, CView)

BEGIN_MESSAGE_MAP(CProjectView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_COMMAND_EX(ID_EXTRAS_SHIFTED_REF_CURVE, OnToggleCorrection)
    ON_COMMAND_EX(ID_EXTRAS_TENTH_DB_ACCURACY, OnToggleCorrection)
    ON_COMMAND_EX(ID_EXTRAS_BGN_CORRECTION, OnToggleCorrection)
    ON_COMMAND_EX(ID_EXTRAS_FTM_CORRECTION, OnToggleCorrection)
    ON_COMMAND_EX(ID_EXTRAS_ZEZUR_CORRECTION, OnToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_SHIFTED_REF_CURVE, OnUpdateToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_TENTH_DB_ACCURACY, OnUpdateToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_BGN_CORRECTION, OnUpdateToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_FTM_CORRECTION, OnUpdateToggleCorrection)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_ZEZUR_CORRECTION, OnUpdateToggleCorrection)
    ON_COMMAND(ID_FILE_MULTIPLE_PRINT, OnMultiplePrint)
END_MESSAGE_MAP()

CProjectDoc* CProjectView::GetProject() const
{
    CProjectDocument* pProject = CProjectDocument::FromDocument(m_pDocument);
    return pProject != nullptr ? &pProject->GetProject() : nullptr;
}

CAppSettings& CProjectView::GetSettings()
{
    return GetVestolarApp();
}

// The document names the kind it is opening just before it makes the view.
int CProjectView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return -1;
    m_nViewKind = pProject->m_nNextViewKind;
    return CreateContent(m_nViewKind) ? 0 : -1;
}

BOOL CProjectView::CreateContent(int nViewKind)
{
    return m_wndKind.CreateEx(0, "STATIC", WindowCaption(), WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                              CRect(0, 0, 0, 0), this, static_cast<UINT>(nViewKind));
}

// While the tree bar is active its commands go to the bar, so the window
// declines every command and its update.
BOOL CProjectView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    auto* pMainFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (pMainFrame != nullptr && pMainFrame->GetTreeBar().m_bActive)
        return FALSE;
    return CView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CProjectView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetWindowText(WindowCaption());
}

void CProjectView::OnDraw(CDC*)
{
}

void CProjectView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (CWnd* pContent = GetContentWindow())
        pContent->MoveWindow(0, 0, cx, cy);
}

// The content repaints, and takes the keyboard so that typing reaches it.
void CProjectView::OnSetFocus(CWnd* pOldWnd)
{
    CView::OnSetFocus(pOldWnd);
    Invalidate();
    if (CWnd* pContent = GetContentWindow())
        pContent->SetFocus();
}

CWnd* CProjectView::GetContentWindow()
{
    return GetDlgItem(m_nViewKind);
}

BOOL CProjectView::OnToggleCorrection(UINT nID)
{
    if (auto* pMainFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
        pMainFrame->OnToggleCorrection(nID);
    return TRUE;
}

// The window's own project decides: a kind that refuses the toggle disables
// it, and every toggle's mark shows what this project uses.
void CProjectView::OnUpdateToggleCorrection(CCmdUI* pCmdUI)
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return;
    for (const auto& toggle : ToggleMarksOf(pProject->m_ReportInfo)) {
        const CToggleMark& mark = toggle.second;
        CheckMainMenuItem(toggle.first, mark.m_bChecked);
        if (toggle.first == pCmdUI->m_nID) {
            pCmdUI->SetCheck(mark.m_bChecked ? 1 : 0);
            if (!mark.m_bEnabled)
                pCmdUI->Enable(FALSE);
        }
    }
}

std::vector<std::pair<UINT, CToggleMark>> CProjectView::ToggleMarksOf(const CReportInfo& info)
{
    const CAppSettings& settings = GetSettings();
    const std::pair<UINT, bool> aToggles[] = {{kToggleTenthDb, settings.m_bExactRating},
                                              {kToggleShiftedRefCurve, settings.m_bShiftedRefCurve},
                                              {kToggleBgnCorrection, settings.m_bBgnCorrection},
                                              {kToggleFtmCorrection, settings.m_bFtmCorrection},
                                              {kToggleZezurCorrection, settings.m_bCorrectionZezur}};
    std::vector<std::pair<UINT, CToggleMark>> aMarks;
    for (const auto& toggle : aToggles)
        aMarks.emplace_back(toggle.first, ViewToggleMarkFor(toggle.first, info, toggle.second));
    return aMarks;
}

// The menu's marks are the window's, except that a single-loudspeaker
// project of any kind shows the flanking correction unchecked.
void CProjectView::ShowContextMenu(UINT nMenuId, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(nMenuId))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    const CReportInfo& info = GetProject()->m_ReportInfo;
    for (const auto& toggle : ToggleMarksOf(info))
        pPopup->CheckMenuItem(toggle.first, MF_BYCOMMAND | (toggle.second.m_bChecked ? MF_CHECKED : MF_UNCHECKED));
    if (info.m_bSingleLoudspeaker)
        pPopup->CheckMenuItem(kToggleFtmCorrection, MF_BYCOMMAND | MF_UNCHECKED);
    if (point.x == 0 && point.y == 0)
        ::GetCursorPos(&point);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, AfxGetMainWnd());
    menu.DestroyMenu();
}

void CProjectView::OnUpdateAlwaysEnabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CProjectView::OnDeleteMeasurement()
{
    if (CTabGrid* pGrid = GetTableGrid())
        pGrid->DeleteMeasurement();
}

void CProjectView::OnEditCopy()
{
    if (CTabGrid* pGrid = GetTableGrid())
        pGrid->CopySelection();
}

void CProjectView::OnEditPaste()
{
    if (CTabGrid* pGrid = GetTableGrid())
        pGrid->PasteText();
}

// Delete, Include and Exclude take whole measurements selected through
// their headings.
void CProjectView::OnUpdateSelectedMeasurements(CCmdUI* pCmdUI)
{
    const CTabGrid* pGrid = GetTableGrid();
    pCmdUI->Enable(pGrid != nullptr && pGrid->m_bMeasSelected && pGrid->m_arrSelMeas.GetSize() > 0);
}

void CProjectView::OnCloseAll()
{
    GetVestolarApp().OnCloseAll();
}

void CProjectView::CheckMainMenuItem(UINT nID, bool bChecked)
{
    if (auto* pMainFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
        pMainFrame->CheckMenuCommand(nID, bChecked);
}

// "<project> - <table or page>", with the names the tree shows.
CString CProjectView::WindowCaption() const
{
    const CProjectDoc& project = *GetProject();
    CString sPage = TableGroupLabelOf(project.m_ReportInfo, m_nViewKind);
    for (const CResultNode& node : ResultNodesOf(project.m_ReportInfo)) {
        if (node.m_dwData == static_cast<DWORD_PTR>(m_nViewKind))
            sPage = node.m_sText;
    }
    return project.m_ReportInfo.m_sTreeTitle + " - " + sPage;
}

// "&V" names the version of the program that is running: its own module's
// version resource, whatever the command line holds.
CPageTextValues CProjectView::PageTextValues() const
{
    CVestolarApp& app = GetVestolarApp();
    CPageTextValues values;
    values.sDate = DateToStr(CTime::GetCurrentTime(), false);
    values.sWorkspaceTitle = app.m_sWorkspaceTitle;
    values.sWorkspacePath = app.m_sWorkspacePath;
    values.sVersion = "Vestolar Version " + VersionReader(VersionReader::GetProgramPath())
                                                .GetVersionText(VersionReader::kFileVersion, VersionReader::kShorten);
    if (CWnd* pParent = GetParent())
        pParent->GetWindowText(values.sWindowTitle);
    return values;
}

BOOL CProjectView::PreparePrinterOrSay(CPrintInfo* pInfo)
{
    if (DoPreparePrinting(pInfo))
        return TRUE;
    AfxMessageBox(IDS_PRINT_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

void CProjectView::ApplyPrintMargins(CGRCtrl& grid, const CPageSetup& setup)
{
    grid.SetPrintOption(3, setup.m_nLeftMargin);
    grid.SetPrintOption(4, setup.m_nTopMargin);
}

void CProjectView::OnMultiplePrint()
{
    GetVestolarApp().OnMultiplePrint();
}
