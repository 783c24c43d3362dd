// CTabView: printing a measurement table. A table is wider than a page, so
// it prints as one landscape job per column range, then, when the table
// page set-up asks for it, one job with the legend of the status marks.
// Only the first job shows the print dialog; the others print on the
// printer chosen there.

#include "TabView.h"

#include "BandRows.h"
#include "LevelTabGrid.h"
#include "TablePrintRanges.h"
#include "TableColumns.h"

#include "app/AppSettings.h"
#include "app/PageSetupDlg.h"
#include "app/PrinterOrientation.h"
#include "grid/CGRCell.h"
#include "grid/GridCodes.h"
#include "reports/PageHeaderFooter.h"

#include <algorithm>
#include <vector>

namespace {

constexpr long kMultiLineStyle = 2;
constexpr int kLegendWidth = 800;
constexpr int kLegendHeight = 400;

}  // namespace

BOOL CTabView::PrintJob(BOOL bShowPrintDialog)
{
    m_bShowPrintDialog = bShowPrintDialog;
    OnFilePrint();
    return m_bPrintAccepted;
}

void CTabView::OnFilePrint()
{
    const CAppSettings& settings = GetSettings();
    const CTablePrintRanges rule(CTableColumns::IsReverberationTable(TableId()), settings.m_bShowColCorrection != 0,
                                 settings.m_bShowColNumOfAvg != 0, settings.m_bShowColSatus != 0);
    const std::vector<CTablePrintRanges::CRange> ranges = rule.Ranges(m_pGrid->GetColCount() - 1);
    m_nPageCount = static_cast<int>(ranges.size());
    m_bLegendPass = 0;
    m_bFirstJob = 1;
    m_bContinuePrinting = TRUE;
    m_bPrintAccepted = TRUE;
    for (size_t i = 0; i < ranges.size() && m_bContinuePrinting; ++i) {
        m_nStartCol = ranges[i].nStartCol;
        m_nEndCol = ranges[i].nEndCol;
        PrintColumnRange(static_cast<int>(i) + 1);
    }
    if (settings.m_PageSetup_MeasTab.m_bPrintLegend && m_bContinuePrinting) {
        m_bLegendPass = 1;
        CView::OnFilePrint();
    }
}

// The range's last column prints 3 wide with a thin left line as the
// page's closing line; afterwards the column and its cells are as before.
void CTabView::PrintColumnRange(int nPage)
{
    const int nWidth = m_pGrid->GetColWidth(m_nEndCol);
    std::vector<CGRCell> screenCells(static_cast<size_t>(std::max(0, m_pGrid->m_nLastRow - 1)));
    for (int nRow = 1; nRow < m_pGrid->m_nLastRow; ++nRow) {
        m_pGrid->GetCell(m_nEndCol, nRow, &screenCells[static_cast<size_t>(nRow - 1)]);
        m_pGrid->SetCellBorder(m_nEndCol, nRow, kBorderLeft);
    }
    m_pGrid->SetColWidth(m_nEndCol, 3);
    const bool bChosen = (nPage >= m_nFirstPage && nPage <= m_nLastPage) || nPage == 1 || m_bAllPages;
    if (bChosen)
        CView::OnFilePrint();
    m_bFirstJob = 0;
    m_pGrid->SetColWidth(m_nEndCol, nWidth);
    for (int nRow = 1; nRow < m_pGrid->m_nLastRow; ++nRow)
        m_pGrid->SetCell(m_nEndCol, nRow, &screenCells[static_cast<size_t>(nRow - 1)]);
}

// Every job finds the printer silently first and turns it to landscape.
// Without any printer the user is told so once and nothing prints. The
// dialog offers the column ranges as pages; a first page of 2 or more
// skips the first range but goes on with the others.
BOOL CTabView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->m_bDirect = TRUE;
    if (!PreparePrinterOrSay(pInfo)) {
        m_bContinuePrinting = FALSE;
        m_bPrintAccepted = FALSE;
        return FALSE;
    }
    CPrinterOrientation::SetDevMode(pInfo, DMORIENT_LANDSCAPE);
    pInfo->SetMaxPage(static_cast<UINT>(std::max(1, m_nPageCount)));
    pInfo->m_bDirect = !m_bShowPrintDialog || !m_bFirstJob;
    const BOOL bResult = DoPreparePrinting(pInfo);
    m_bContinuePrinting = bResult;
    m_bPrintAccepted = bResult;
    if (!m_bFirstJob)
        return bResult;
    TakeDialogPages(*pInfo);
    return m_nFirstPage >= 2 ? FALSE : bResult;
}

void CTabView::TakeDialogPages(const CPrintInfo& info)
{
    const CPrintDialog& dialog = *info.m_pPD;
    m_nFirstPage = dialog.PrintRange() ? static_cast<int>(dialog.m_pd.nFromPage) : -1;
    m_nLastPage = dialog.PrintRange() ? static_cast<int>(dialog.m_pd.nToPage) : -1;
    m_bAllPages = dialog.PrintAll();
}

void CTabView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    pInfo->SetMaxPage(static_cast<UINT>(PaginatePrintJob(pDC)));
}

void CTabView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC->IsPrinting() && pInfo != nullptr) {
        CPrinterOrientation::TurnPrinter(pDC, pInfo, DMORIENT_LANDSCAPE);
        PaginatePrintJob(pDC);
    }
    CProjectView::OnPrepareDC(pDC, pInfo);
}

int CTabView::PaginatePrintJob(CDC* pDC)
{
    if (m_bLegendPass)
        return m_pPrintGrid->PrintInit(pDC, nullptr, 0, 0, 0, 0);
    return m_pGrid->PrintInit(pDC, nullptr, m_nStartCol, 0, m_nEndCol, m_pGrid->m_nLastRow);
}

void CTabView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    const CPageTextValues values = PageTextValues();
    CPageHeaderFooter(GetSettings().m_PageSetup_MeasTab, values, CPageHeaderFooter::kTableWeight)
        .Draw(pDC);
    if (m_bLegendPass)
        PrintLegendPage(pDC, pInfo->m_nCurPage);
    else
        m_pGrid->PrintPage(pDC, static_cast<int>(pInfo->m_nCurPage));
    CProjectView::OnPrint(pDC, pInfo);
}

// The legend is the table's own legend text, in one large cell of the
// print grid.
void CTabView::PrintLegendPage(CDC* pDC, UINT nPage)
{
    m_pPrintGrid->SetColCount(1, 0);
    m_pPrintGrid->SetRowCount(1, 0);
    m_pPrintGrid->SetColWidth(0, kLegendWidth);
    m_pPrintGrid->SetRowHeight(0, kLegendHeight);
    CGRCell legend;
    m_pPrintGrid->GetCell(0, 0, &legend);
    legend.SetCellTypeEx(kMultiLineStyle);
    legend.SetAlignment(kAlignLeft);
    legend.SetBorderStyle(0);
    legend.SetText(m_pGrid->GetCellText(0, CBandRows::kLegendRow));
    m_pPrintGrid->SetCell(0, 0, &legend);
    m_pPrintGrid->SetCellFontIndex(0, 0, m_pPrintGrid->AddFont("Arial", 15, FW_NORMAL));
    m_pPrintGrid->PrintInit(pDC, nullptr, 0, 0, 0, 0);
    m_pPrintGrid->PrintPage(pDC, static_cast<int>(nPage));
}

// The table page set-up, with its legend box; its margins move the grid's
// pages at once.
void CTabView::OnPageSetup()
{
    CPageSetup& setup = GetSettings().m_PageSetup_MeasTab;
    if (!CPageSetupDlg::EditPageSetup(setup, true, this))
        return;
    ApplyPrintMargins(*m_pGrid, setup);
}
