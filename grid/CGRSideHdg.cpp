#include "CGRSideHdg.h"

#include "CGRAxis.h"
#include "CGRCtrl.h"

CGRSideHdg::CGRSideHdg(CGRCtrl* pCtrl) : CGRHeading(pCtrl, false)
{
}

// After a move the picture that stayed in view is moved with the rows;
// the rows it uncovered and the heading cells of the previous and the new
// current row are drawn. As in the cell area, a move by more than the
// heading's height, or while part of the heading waits to be painted after
// a scroll, repaints it all.
void CGRSideHdg::Moved()
{
    const CGRGridInfo& info = Info();
    if (!GetSafeHwnd() || !info.m_bUpdateEnabled)
        return;
    bool bScrolled = info.m_nTopRow != info.m_nLastTopRow;
    if (!bScrolled && info.m_nCurrentRow == info.m_nLastCurrentRow)
        return;
    CRect update;
    if (GetUpdateRect(&update) && !update.IsRectEmpty()) {
        if (bScrolled)
            Invalidate(FALSE);
        UpdateWindow();
        return;
    }
    int nShift = 0;
    if (!CGRAxis::Rows(info).ScrollShift(info.m_nLastTopRow, nShift)) {
        RepaintWhole();
        return;
    }
    CClientDC dc(this);
    if (nShift != 0) {
        CRect scroll;
        GetClientRect(&scroll);
        scroll.top += info.m_nLockedRowsHeight;
        dc.ScrollDC(0, -nShift, &scroll, &scroll, nullptr, nullptr);
        AddUncoveredRows(nShift);
    }
    int nOutermost = -info.m_nNumberSideHdgCols;
    m_redraw.AddRange(nOutermost, info.m_nLastCurrentRow, -1, info.m_nLastCurrentRow);
    m_redraw.AddRange(nOutermost, info.m_nCurrentRow, -1, info.m_nCurrentRow);
    DrawCells(&dc);
}

// The rows that lie in the pixels the scroll uncovered, from the new view.
void CGRSideHdg::AddUncoveredRows(int nShift)
{
    const CGRGridInfo& info = Info();
    int nOutermost = -info.m_nNumberSideHdgCols;
    int nFirst = 0;
    if (nShift > 0 && CGRAxis::Rows(info).IndexAt(info.m_nAreaHeight - nShift, nFirst))
        m_redraw.AddRange(nOutermost, nFirst, -1, info.m_nNumberRows);
    if (nShift < 0)
        m_redraw.AddRange(nOutermost, info.m_nTopRow, -1, info.m_nLastTopRow - 1);
}

int CGRSideHdg::GetColWidth(int nCol) const
{
    return Info().GetSideHdgColWidth(nCol);
}

void CGRSideHdg::FitToWidth()
{
    FitOutermost();
}
