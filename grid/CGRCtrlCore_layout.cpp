// CGRCtrlCore: hit testing in the cell area, and the layout of the
// control's components.
#include "CGRCtrlCore.h"

#include "CGRAxis.h"
#include "CGRHeadingAxis.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// Hit testing

int CGRCtrlCore::GetCellFromPoint(int x, int y, int& nCol, int& nRow, CRect* pRect)
{
    const CGRGridInfo& info = *m_pGridInfo;
    int nHitCol = 0, nHitRow = 0;
    if (!CGRAxis::Columns(info).IndexAt(x, nHitCol) || !CGRAxis::Rows(info).IndexAt(y, nHitRow))
        return kGridOutOfRange;
    if (info.m_nJoinsInUse)
        GetJoinStartCell(nHitCol, nHitRow);
    nCol = nHitCol;
    nRow = nHitRow;
    if (pRect)
        GetCellRect(nCol, nRow, pRect);
    return kGridDone;
}

// Heading columns (rows) are numbered from -1 next to the cells outwards,
// so the outermost one starts at 0.
int CGRCtrlCore::HeadingOffset(bool bRows, int nIndex) const
{
    const CGRGridInfo& info = *m_pGridInfo;
    return (bRows ? CGRHeadingAxis::TopRows(info) : CGRHeadingAxis::SideCols(info)).Offset(nIndex);
}

int CGRCtrlCore::HeadingSize(bool bRows, int nIndex) const
{
    return bRows ? m_pGridInfo->GetTopHdgRowHeight(nIndex) : m_pGridInfo->GetSideHdgColWidth(nIndex);
}

// The near or far edge of a column (row); heading ones in their heading.
int CGRCtrlCore::EdgeOf(bool bRows, int nIndex, bool bFar) const
{
    if (nIndex < 0)
        return HeadingOffset(bRows, nIndex) + (bFar ? HeadingSize(bRows, nIndex) : 0);
    CGRAxis axis = AxisOf(*m_pGridInfo, bRows);
    return axis.Offset(nIndex) + (bFar ? axis.Size(nIndex) : 0);
}

// A joined cell's rectangle is that of its whole range.
int CGRCtrlCore::GetCellRect(int nCol, int nRow, CRect* pRect)
{
    int nEndCol = nCol, nEndRow = nRow;
    if (m_pGridInfo->m_nJoinsInUse)
        GetJoinRange(nCol, nRow, nEndCol, nEndRow);
    pRect->SetRect(EdgeOf(false, nCol, false), EdgeOf(true, nRow, false),
                   EdgeOf(false, nEndCol, true), EdgeOf(true, nEndRow, true));
    return kGridDone;
}

// Edges outside the view lie 10 pixels beyond the cell area.
int CGRCtrlCore::GetRangeRect(int nStartCol, int nStartRow, int nEndCol, int nEndRow, CRect* pRect)
{
    const CGRGridInfo& info = *m_pGridInfo;
    const int kBeyond = 10;
    pRect->SetRect(-kBeyond, -kBeyond, info.m_nAreaWidth + kBeyond, info.m_nAreaHeight + kBeyond);
    CGRAxis columns = CGRAxis::Columns(info);
    CGRAxis rows = CGRAxis::Rows(info);
    if (columns.InView(nStartCol))
        pRect->left = EdgeOf(false, nStartCol, false);
    if (columns.InView(nEndCol))
        pRect->right = EdgeOf(false, nEndCol, true);
    if (rows.InView(nStartRow))
        pRect->top = EdgeOf(true, nStartRow, false);
    if (rows.InView(nEndRow))
        pRect->bottom = EdgeOf(true, nEndRow, true);
    return kGridDone;
}

// ---------------------------------------------------------------------------
// Layout and redraw

// Places the headings, scroll bars, sheet tabs and cell area in the client
// area. A scroll bar takes room only when the cells overflow (the
// horizontal one also when there are sheet tabs). When a scroll bar comes
// or goes because the largest first row or column changed between 0 and
// more, the layout runs once more.
void CGRCtrlCore::AdjustComponentSizes()
{
    const CGRGridInfo& info = *m_pGridInfo;
    bool bCouldScrollDown = info.m_nMaxTopRow > 0;
    bool bCouldScrollRight = info.m_nMaxLeftCol > 0;
    ComputeLayout();
    if (bCouldScrollDown != (info.m_nMaxTopRow > 0) || bCouldScrollRight != (info.m_nMaxLeftCol > 0))
        ComputeLayout();
}

void CGRCtrlCore::ComputeLayout()
{
    CGRGridInfo& info = *m_pGridInfo;
    CSize client = GetControlClientSize();
    int W = client.cx, H = client.cy;
    int T = info.m_nTopHdgHeight, S = info.m_nSideHdgWidth;
    int nAvailWidth = W - S;
    int nAvailHeight = H - T;
    bool bColsOverflow = info.SumColWidths(0, info.m_nNumberCols - 1) > nAvailWidth;
    bool bRowsOverflow = info.SumRowHeights(0, info.m_nNumberRows - 1) > nAvailHeight;
    int B = (info.m_nTabWidth > 0 || bColsOverflow) ? info.m_nHScrollHeight : 0;
    int V = bRowsOverflow ? info.m_nVScrollWidth : 0;
    int A = info.m_nTabWidth;
    if (!bColsOverflow && A > 0)
        A = W + 6;
    else if (A > nAvailWidth - V)
        A = nAvailWidth - V;

    CRect* rects = info.m_componentRects;
    rects[CGRGridInfo::kVScrollBar].SetRect(W - V, 0, W, H - B);
    rects[CGRGridInfo::kHScrollBar].SetRect(A, H - B, W - V, H);
    rects[CGRGridInfo::kSheetTabs].SetRect(0, H - B, A, H);
    rects[CGRGridInfo::kTopHeading].SetRect(S, 0, W - V, T);
    rects[CGRGridInfo::kSideHeading].SetRect(0, T, S, H - B);
    rects[CGRGridInfo::kCornerButton].SetRect(0, 0, S, T);
    rects[CGRGridInfo::kCellArea].SetRect(S, T, W - V, H - B);
    info.m_nAreaWidth = W - V - S;
    info.m_nAreaHeight = H - B - T;
    OnAdjustComponentSizes(&rects[CGRGridInfo::kCellArea], &rects[CGRGridInfo::kTopHeading],
                           &rects[CGRGridInfo::kSideHeading], &rects[CGRGridInfo::kCornerButton],
                           &rects[CGRGridInfo::kVScrollBar], &rects[CGRGridInfo::kHScrollBar],
                           &rects[CGRGridInfo::kSheetTabs]);
    ClampViewToMaxima();
    if (info.m_bUpdateEnabled) {
        PlaceComponents(m_bTabSizing);
        if (!m_bTabSizing)
            RedrawAll();
    }
    info.m_nLastTopRow = info.m_nTopRow;
    info.m_nLastLeftCol = info.m_nLeftCol;
}

int CGRCtrlCore::SetPaintMode(int nMode)
{
    m_nPaintMode = nMode;
    return kGridDone;
}

int CGRCtrlCore::GetPaintMode() const
{
    return m_nPaintMode;
}

// Without a window there is nothing to repaint.
int CGRCtrlCore::RedrawAll() { return kGridDone; }
int CGRCtrlCore::RedrawCell(int, int) { return kGridDone; }
int CGRCtrlCore::RedrawRange(int, int, int, int) { return kGridDone; }
