#include "GridPageView.h"

#include "PageSetupDlg.h"
#include "PrinterOrientation.h"
#include "VestolarApp.h"

#include "grid/CGRCtrl.h"
#include "reports/PageHeaderFooter.h"
#include "results/PageGrid.h"

#include "res/resource.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGridPageView, CProjectView)

BEGIN_MESSAGE_MAP(CGridPageView, CProjectView)
    ON_COMMAND(ID_FILE_PAGE_SETUP, OnPageSetup)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

BOOL CGridPageView::PrintJob(BOOL bShowPrintDialog)
{
    m_bShowPrintDialog = bShowPrintDialog;
    OnFilePrint();
    return m_bPrintPrepared;
}

// The printer is found silently first, so that the dialog opens on it in
// the window's orientation; then the dialog (unless multiple print asks for
// the printer chosen last). Without any printer the user is told so and
// nothing prints. The dialog offers at least one page, even before the grid
// was paginated.
BOOL CGridPageView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->m_bDirect = TRUE;
    if (!PreparePrinterOrSay(pInfo)) {
        m_bPrintPrepared = FALSE;
        return FALSE;
    }
    CPrinterOrientation::SetDevMode(pInfo, GetPrintOrientation());
    pInfo->SetMaxPage(static_cast<UINT>(std::max(1, m_nPrintPages)));
    pInfo->m_bDirect = !m_bShowPrintDialog;
    m_bPrintPrepared = DoPreparePrinting(pInfo);
    return m_bPrintPrepared;
}

void CGridPageView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC->IsPrinting() && pInfo != nullptr) {
        CPrinterOrientation::TurnPrinter(pDC, pInfo, GetPrintOrientation());
        m_nPrintPages = PaginateGrid(pDC);
    }
    CProjectView::OnPrepareDC(pDC, pInfo);
}

void CGridPageView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    SetEditableHighlight(FALSE);
    pInfo->SetMaxPage(static_cast<UINT>(PaginateGrid(pDC)));
}

void CGridPageView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    const CPageTextValues values = PageTextValues();
    CPageHeaderFooter(GetPageSetup(), values, GetHeaderWeight()).Draw(pDC);
    PrintGridPage(pDC, pInfo->m_nCurPage);
    CProjectView::OnPrint(pDC, pInfo);
}

void CGridPageView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    SetEditableHighlight(TRUE);
    CProjectView::OnEndPrinting(pDC, pInfo);
}

void CGridPageView::PrintGridPage(CDC* pDC, UINT nPage)
{
    if (CGRCtrl* pGrid = GetPrintedGrid())
        pGrid->PrintPage(pDC, static_cast<int>(nPage));
}

int CGridPageView::PaginateGrid(CDC* pDC)
{
    CGRCtrl* pGrid = GetPrintedGrid();
    if (pGrid == nullptr)
        return 0;
    return pGrid->PrintInit(pDC, nullptr, 0, 0, pGrid->GetColCount() - 1, pGrid->GetRowCount() - 1);
}

void CGridPageView::SetEditableHighlight(BOOL bOn) const
{
    if (CPageGrid* pGrid = GetHighlightedGrid())
        pGrid->SetEditableHighlight(bOn);
}

// The result page set-up serves reports and result tables.
CPageSetup& CGridPageView::GetPageSetup() const
{
    return GetSettings().m_PageSetup_Result;
}

int CGridPageView::GetHeaderWeight() const
{
    return CPageHeaderFooter::kReportWeight;
}

// The window's page set-up without the legend box; its margins move the
// grid's pages at once.
void CGridPageView::OnPageSetup()
{
    CPageSetup& setup = GetPageSetup();
    if (!CPageSetupDlg::EditPageSetup(setup, false, this))
        return;
    if (CGRCtrl* pGrid = GetPrintedGrid())
        ApplyPrintMargins(*pGrid, setup);
}
