#include "VestolarDoc.h"

#include "TreeDlg.h"
#include "VestolarApp.h"
#include "VestolarView.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CVestolarDoc, COleDocument)

BEGIN_MESSAGE_MAP(CVestolarDoc, COleDocument)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_COMMAND(ID_EXTRAS_SWAP_TABLE, OnSwapTable)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_SWAP_TABLE, OnUpdateSwapTable)
    ON_COMMAND(ID_FILE_EXPORT, OnExport)
    ON_COMMAND(ID_FILE_EXPORT_ALL, OnExportAll)
    ON_UPDATE_COMMAND_UI(ID_FILE_EXPORT, OnUpdateExport)
    ON_UPDATE_COMMAND_UI(ID_FILE_EXPORT_ALL, OnUpdateExport)
END_MESSAGE_MAP()

// Each project holds the application: a server started for a client stays
// while the client's projects are open.
CVestolarDoc::CVestolarDoc()
{
    EnableAutomation();
    AfxOleLockApp();
    m_Project.SetTreeSink(&m_TreeItems);
    m_Project.SetViewSink(this);
}

CVestolarDoc::~CVestolarDoc()
{
    m_Project.SetTreeSink(nullptr);
    m_Project.SetViewSink(nullptr);
    AfxOleUnlockApp();
}

// A new project shows the untitled text until the workspace names it.
BOOL CVestolarDoc::OnNewDocument()
{
    if (!COleDocument::OnNewDocument())
        return FALSE;
    CString sUntitled;
    sUntitled.LoadString(AFX_IDS_UNTITLED);
    SetTitle(sUntitled);
    return TRUE;
}

// Whatever closes the project (its tree command, Close All of the workspace,
// the end of the program), its items leave the tree with it. Windows that
// multiple print hid are shown (minimised) first, so that no hidden frame
// outlives its project's close; the project's own hidden frame stays as it is.
void CVestolarDoc::OnCloseDocument()
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = GetNextView(pos);
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && !pFrame->IsWindowVisible() && !pView->IsKindOf(RUNTIME_CLASS(CVestolarView)))
            pFrame->ShowWindow(SW_MINIMIZE);
    }
    m_TreeItems.RemoveFromTree();
    COleDocument::OnCloseDocument();
}

CVestolarDoc* CVestolarDoc::FromProject(const CProjectDoc& project)
{
    CMultiDocTemplate* pTemplate = GetVestolarApp().m_pMainTemplate;
    if (pTemplate == nullptr)
        return nullptr;
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr;) {
        auto* pDoc = dynamic_cast<CVestolarDoc*>(pTemplate->GetNextDoc(pos));
        if (pDoc != nullptr && &pDoc->m_Project == &project)
            return pDoc;
    }
    return nullptr;
}

// A new project is named after its number and its tree title gets the
// number in front ("Project7 - ..."); a loaded project keeps its own. Then
// the tree shows it, and a multiplot project without curves takes the
// application's multiplot defaults.
int CVestolarDoc::InitProjectTitles()
{
    if (m_Project.m_sName.IsEmpty()) {
        CString sProject;
        sProject.LoadString(IDS_TREE_PROJECT);
        CString sNumber;
        sNumber.Format("%1d - ", m_Project.m_nProjectNumber);
        m_Project.m_ReportInfo.m_sTreeTitle = sProject + sNumber + m_Project.m_ReportInfo.m_sTreeTitle;
        sNumber.Format("%1d", m_Project.m_nProjectNumber);
        m_Project.m_sName = sProject + sNumber;
    }
    if (m_pTreeDlg != nullptr)
        m_pTreeDlg->FillTree(this);
    if (m_Project.m_ReportInfo.m_bMultiplot && m_Project.GetMeasurementList(kMultiplotTableId)->IsEmpty())
        SeedMultiplotDisplay();
    return 0;
}

void CVestolarDoc::SeedMultiplotDisplay()
{
    const CVestolarApp& app = GetVestolarApp();
    m_Project.m_dMultiplotRange = app.m_dMultiplotRange;
    m_Project.m_dMultiplotMax = app.m_dMultiplotMax;
    m_Project.m_nMultiplotGraphType = app.m_nMultiplotGraphType;
    m_Project.m_nMultiplotLineType = app.m_nMultiplotLineType;
    m_Project.m_ReportInfo.m_sGraphTitle = app.m_sAxisTitle;
    m_Project.m_ReportInfo.m_sSubTitle = app.m_sGraphTitle;
    m_Project.m_bMultiplotAutoScale = app.m_bMultiplotAutoScale;
}

void CVestolarDoc::UpdateAllViews(int nHint)
{
    CDocument::UpdateAllViews(nullptr, nHint);
}

void CVestolarDoc::ShowView(int nViewKind, BOOL bTable, BOOL bVisible)
{
    GetVestolarApp().m_ProjectWindows.ShowView(this, nViewKind, bTable, bVisible);
}

void CVestolarDoc::ShowMessage(UINT nIdPrompt)
{
    AfxMessageBox(nIdPrompt);
}

// A project is saved only as part of its workspace.
void CVestolarDoc::OnFileSave()
{
    GetVestolarApp().OnFileSave();
}

void CVestolarDoc::OnFileSaveAs()
{
    GetVestolarApp().OnFileSaveAs();
}
