// Printing a grid page into a printer DC: logical units of the unit
// divisor's device pixels, one clip region per cell, the cells' own
// drawing, and the frame lines of the printed block.
#include "GridPrintEngine.h"

#include "afxwin.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"
#include "CGRGridInfo.h"

// A DC whose window extent is not 1 across was scaled by its caller (a
// preview): it keeps its scaling and gets no clipping.
int GridPrintEngine::PrintInit(CDC* pDC, CDC*, int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    m_pages.clear();
    if (!pDC || !pDC->GetSafeHdc())
        return 0;
    GridPrinterMetrics metrics;
    pDC->SetMapMode(MM_ANISOTROPIC);
    CSize previous = pDC->SetWindowExt(1, 1);
    if (previous.cx != 1) {
        metrics.bPreScaled = TRUE;
        pDC->SetWindowExt(previous);
    }
    metrics.nPhysicalWidth = pDC->GetDeviceCaps(PHYSICALWIDTH);
    metrics.nPhysicalHeight = pDC->GetDeviceCaps(PHYSICALHEIGHT);
    metrics.nPhysicalOffsetX = pDC->GetDeviceCaps(PHYSICALOFFSETX);
    metrics.nPhysicalOffsetY = pDC->GetDeviceCaps(PHYSICALOFFSETY);
    metrics.nHorzSizeMM = pDC->GetDeviceCaps(HORZSIZE);
    metrics.nVertSizeMM = pDC->GetDeviceCaps(VERTSIZE);
    metrics.nHorzRes = pDC->GetDeviceCaps(HORZRES);
    metrics.nVertRes = pDC->GetDeviceCaps(VERTRES);
    return Paginate(metrics, nStartCol, nStartRow, nEndCol, nEndRow);
}

// Rows down from the top margin edge, columns across from the left one,
// each item as large as its scaled size; the corner of repeated headings
// prints once over the whole corner.
int GridPrintEngine::PrintPage(CDC* pDC, int nPage)
{
    if (!pDC || !pDC->GetSafeHdc())
        return 1;
    if (!m_bPreScaled) {
        pDC->SetMapMode(MM_ANISOTROPIC);
        pDC->SetWindowExt(1, 1);
        pDC->SetViewportExt(m_nUnitDivisor, m_nUnitDivisor);
    }
    const Page* pPage = FindPage(nPage);
    if (!pPage)
        return 1;
    m_nPrintingLastCol = pPage->nEndCol;
    std::vector<int> rows = WalkOrder(true, *pPage);
    std::vector<int> cols = WalkOrder(false, *pPage);
    const CGRGridInfo& info = Info();
    bool bCornerPrinted = false;
    int nLastRight = m_nLeftEdge, nLastBottom = m_nTopEdge;
    int y = m_nTopEdge;
    for (int nRow : rows) {
        int nHeight = PrintedSize(true, nRow);
        if (nHeight == 0)
            continue;
        int x = m_nLeftEdge;
        for (int nCol : cols) {
            int nWidth = PrintedSize(false, nCol);
            if (nWidth == 0)
                continue;
            if (nCol < 0 && nRow < 0) {
                if (!bCornerPrinted) {
                    CRect corner(m_nLeftEdge, m_nTopEdge,
                                 m_nLeftEdge + static_cast<int>(info.m_nSideHdgWidth * m_dHScale),
                                 m_nTopEdge + static_cast<int>(info.m_nTopHdgHeight * m_dVScale) - 1);
                    PrintCell(pDC, -1, -1, corner, *pPage);
                    bCornerPrinted = true;
                }
            } else {
                PrintCell(pDC, nCol, nRow, CRect(x, y, x + nWidth, y + nHeight), *pPage);
            }
            x += nWidth;
            nLastRight = x;
        }
        y += nHeight;
        nLastBottom = y;
    }
    m_nPrintingLastCol = -1;
    if (m_bFrame && nLastRight > m_nLeftEdge && nLastBottom > m_nTopEdge) {
        pDC->MoveTo(m_nLeftEdge, m_nTopEdge);
        pDC->LineTo(m_nLeftEdge, nLastBottom - 1);
        pDC->MoveTo(m_nLeftEdge, m_nTopEdge);
        pDC->LineTo(nLastRight - 1, m_nTopEdge);
    }
    return 0;
}

// A joined cell prints once, at its first cell on the page, over the part
// of the join the page holds, with the join's start cell's content. Joined
// heading cells print the same way, with the heading rows and columns the
// page repeats. The printed cell carries the page's part as its join, so
// its type scales the font to one of those rows, not to all of them.
void GridPrintEngine::PrintCell(CDC* pDC, int nCol, int nRow, const CRect& rect, const Page& page)
{
    CRect cellRect = rect;
    int nJoinCol = nCol, nJoinRow = nRow, nJoinEndCol = nCol, nJoinEndRow = nRow;
    bool bJoined = !(nCol < 0 && nRow < 0) && Info().m_nJoinsInUse
                   && m_pCtrl->GetJoinRange(nJoinCol, nJoinRow, nJoinEndCol, nJoinEndRow) == kGridDone;
    int nSourceCol = bJoined ? nJoinCol : nCol;
    int nSourceRow = bJoined ? nJoinRow : nRow;
    std::vector<int> joinedCols, joinedRows;
    if (bJoined) {
        joinedCols = PrintedPartOfJoin(false, nJoinCol, nJoinEndCol, page);
        joinedRows = PrintedPartOfJoin(true, nJoinRow, nJoinEndRow, page);
        if (joinedCols.empty() || joinedRows.empty() || nCol != joinedCols.front() || nRow != joinedRows.front())
            return;
        for (size_t i = 1; i < joinedCols.size(); ++i)
            cellRect.right += PrintedSize(false, joinedCols[i]);
        for (size_t i = 1; i < joinedRows.size(); ++i)
            cellRect.bottom += PrintedSize(true, joinedRows[i]);
    }
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nSourceCol, nSourceRow, &cell);
    if (bJoined)
        cell.SetJoinInfo(1, static_cast<int>(joinedCols.size()) - 1, static_cast<int>(joinedRows.size()) - 1);
    CScopedSaveDC saved(*pDC);
    CRgn clip;
    if (!m_bPreScaled) {
        int d = m_nUnitDivisor;
        clip.CreateRectRgn(cellRect.left * d, cellRect.top * d, cellRect.right * d, cellRect.bottom * d);
        pDC->SelectClipRgn(&clip);
    }
    m_pCtrl->GetCellType(cell.GetCellType())->OnPrintCell(pDC, &cellRect, nSourceCol, nSourceRow, &cell);
    if (!m_bPreScaled)
        pDC->SelectClipRgn(nullptr);
}
