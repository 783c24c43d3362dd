#include "ProjectWindows.h"

#include "ChildFrame.h"
#include "ProjectDocument.h"
#include "ReportView.h"
#include "multiplot/MultiplotSetupDlg.h"
#include "multiplot/MultiplotTabView.h"
#include "results/ResultView.h"
#include "tables/TabView.h"
#include "VestolarApp.h"

#include "model/ProjectDoc.h"

CProjectWindows::~CProjectWindows()
{
    DeleteTemplates();
}

void CProjectWindows::CreateTemplates(CRuntimeClass* pDocClass, UINT nIDMenu)
{
    DeleteTemplates();
    CRuntimeClass* pFrameClass = RUNTIME_CLASS(CChildFrame);
    m_pTableTemplate = new CMultiDocTemplate(nIDMenu, pDocClass, pFrameClass, RUNTIME_CLASS(CTabView));
    m_pMultiplotTableTemplate = new CMultiDocTemplate(nIDMenu, pDocClass, pFrameClass, RUNTIME_CLASS(CMultiplotTabView));
    m_pReportTemplate = new CMultiDocTemplate(nIDMenu, pDocClass, pFrameClass, RUNTIME_CLASS(CReportView));
    m_pResultTemplate = new CMultiDocTemplate(nIDMenu, pDocClass, pFrameClass, RUNTIME_CLASS(CResultView));
}

void CProjectWindows::DeleteTemplates()
{
    for (CMultiDocTemplate** ppTemplate :
         {&m_pTableTemplate, &m_pMultiplotTableTemplate, &m_pReportTemplate, &m_pResultTemplate}) {
        delete *ppTemplate;
        *ppTemplate = nullptr;
    }
}

void CProjectWindows::ShowView(CDocument* pDoc, int nViewKind, BOOL bTable, BOOL bVisible)
{
    if (nViewKind == kViewKindMultiplotSetup && !bTable) {
        RunMultiplotSetup(CProjectDocument::FromDocument(pDoc)->GetProject());
        return;
    }
    if (CView* pView = FindView(pDoc, nViewKind)) {
        BringForward(pView->GetParentFrame(), bVisible);
        return;
    }
    if (CMultiDocTemplate* pTemplate = TemplateFor(pDoc, nViewKind, bTable))
        OpenView(pTemplate, pDoc, nViewKind, bVisible);
}

CView* CProjectWindows::FindView(CDocument* pDoc, int nViewKind)
{
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = pDoc->GetNextView(pos);
        if (pView->GetDlgItem(nViewKind) != nullptr)
            return pView;
    }
    return nullptr;
}

CMultiDocTemplate* CProjectWindows::TemplateFor(CDocument* pDoc, int nViewKind, BOOL bTable) const
{
    if (bTable) {
        const bool bMultiplot = CProjectDocument::FromDocument(pDoc)->GetProject().m_ReportInfo.m_bMultiplot;
        return bMultiplot ? m_pMultiplotTableTemplate : m_pTableTemplate;
    }
    switch (nViewKind) {
    case kViewKindReport:
        return m_pReportTemplate;
    case kViewKindResultTable:
    case kViewKindBgnCorrectionTable:
    case kViewKindFtmCorrectionTable:
        return m_pResultTemplate;
    default:
        return nullptr;
    }
}

// A hidden window (made for printing) shows again when it is asked for
// visibly; an iconic one is restored.
void CProjectWindows::BringForward(CFrameWnd* pFrame, BOOL bVisible)
{
    if (pFrame == nullptr)
        return;
    if (!bVisible) {
        pFrame->ActivateFrame(SW_HIDE);
        return;
    }
    pFrame->BringWindowToTop();
    pFrame->ActivateFrame(pFrame->IsIconic() ? SW_RESTORE : -1);
}

// The new view reads the kind from the document while it is created.
void CProjectWindows::OpenView(CMultiDocTemplate* pTemplate, CDocument* pDoc, int nViewKind, BOOL bVisible)
{
    CProjectDocument::FromDocument(pDoc)->GetProject().m_nNextViewKind = nViewKind;
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDoc, nullptr);
    if (pFrame == nullptr)
        return;
    pTemplate->InitialUpdateFrame(pFrame, pDoc, TRUE);
    if (!bVisible)
        pFrame->ActivateFrame(SW_HIDE);
}

// Only a multiplot project has a set-up. OK stores into the project and
// the application's defaults and recalculates; after Cancel the project
// keeps what Apply stored.
void CProjectWindows::RunMultiplotSetup(CProjectDoc& project)
{
    if (!project.m_ReportInfo.m_bMultiplot)
        return;
    CAppSettings& settings = GetVestolarApp();
    CMultiplotSetupDlg dlg(AfxGetMainWnd());
    dlg.m_pDoc = &project;
    dlg.m_Setup.Fill(project, settings);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.m_Setup.StoreInProject(project);
    dlg.m_Setup.StoreDefaults(settings);
    project.Recalculate(0);
}
