#include "MultiplePrint.h"

#include "PrintableView.h"
#include "ProjectDocument.h"
#include "ProjectView.h"
#include "ProjectWindows.h"

#include "model/ProjectDoc.h"
#include "reports/MultiplePrintKinds.h"

#include <utility>

namespace {

void DestroyFrameOf(CView* pView)
{
    if (CFrameWnd* pFrame = pView->GetParentFrame())
        pFrame->DestroyWindow();
}

}  // namespace

CMultiplePrint::CMultiplePrint(std::vector<CDocument*> projects, DWORD nSelection)
    : m_projects(std::move(projects)), m_nSelection(nSelection)
{
}

// The printer is asked for once, at the first window printed; a cancelled
// dialog stops the batch. The recorded windows come back in any case.
void CMultiplePrint::Run()
{
    std::vector<DWORD> openMasks;
    for (CDocument* pDoc : m_projects)
        openMasks.push_back(CloseRecordedWindows(pDoc));
    BOOL bFirstPrint = TRUE;
    for (CDocument* pDoc : m_projects) {
        if (!PrintProject(pDoc, bFirstPrint))
            break;
    }
    for (size_t i = 0; i < m_projects.size(); ++i)
        ReopenWindows(m_projects[i], openMasks[i]);
}

// Only windows that multiple print can open again are closed: a window of
// another kind (a table with or without the test facility, the corner
// background noise) stays open as it is.
DWORD CMultiplePrint::CloseRecordedWindows(CDocument* pDoc) const
{
    DWORD nMask = 0;
    std::vector<CView*> recorded;
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr;) {
        auto* pView = dynamic_cast<CProjectView*>(pDoc->GetNextView(pos));
        const int nBit = pView != nullptr ? CMultiplePrintKinds::BitOf(pView->GetViewKind()) : -1;
        if (nBit < 0)
            continue;
        nMask |= 1u << nBit;
        recorded.push_back(pView);
    }
    for (CView* pView : recorded)
        DestroyFrameOf(pView);
    return nMask;
}

BOOL CMultiplePrint::PrintProject(CDocument* pDoc, BOOL& bFirstPrint) const
{
    CProjectDocument* pProject = CProjectDocument::FromDocument(pDoc);
    const CReportInfo& info = pProject->GetProject().m_ReportInfo;
    for (int nBit = 0; nBit < CMultiplePrintKinds::kKindCount; ++nBit) {
        if (!(m_nSelection & (1u << nBit)) || !CMultiplePrintKinds::IsPrintedFor(nBit, info))
            continue;
        if (!PrintHiddenWindow(pDoc, nBit, bFirstPrint))
            return FALSE;
        bFirstPrint = FALSE;
    }
    return TRUE;
}

// A window that cannot print yet is passed over.
BOOL CMultiplePrint::PrintHiddenWindow(CDocument* pDoc, int nBit, BOOL bShowPrintDialog)
{
    const int nViewKind = CMultiplePrintKinds::ViewKindOf(nBit);
    CProjectDocument::FromDocument(pDoc)->ShowView(nViewKind, CMultiplePrintKinds::IsTable(nBit), FALSE);
    CView* pView = CProjectWindows::FindView(pDoc, nViewKind);
    if (pView == nullptr)
        return TRUE;
    auto* pPrintable = dynamic_cast<CPrintableView*>(pView);
    const BOOL bAccepted = pPrintable == nullptr || pPrintable->PrintJob(bShowPrintDialog);
    DestroyFrameOf(pView);
    return bAccepted;
}

void CMultiplePrint::ReopenWindows(CDocument* pDoc, DWORD nOpenMask)
{
    CProjectDocument* pProject = CProjectDocument::FromDocument(pDoc);
    for (int nBit = 0; nBit < CMultiplePrintKinds::kKindCount; ++nBit) {
        if (nOpenMask & (1u << nBit))
            pProject->ShowView(CMultiplePrintKinds::ViewKindOf(nBit), CMultiplePrintKinds::IsTable(nBit), TRUE);
    }
}
