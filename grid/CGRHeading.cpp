#include "CGRHeading.h"

#include "CGRCellTip.h"
#include "CGRCtrl.h"
#include "CGRHeadingGeometry.h"

#include <windowsx.h>

#include <algorithm>

namespace {
// A double click on a column's edge fits the column to this many rows.
const int kBestFitRows = 20;
}

BEGIN_MESSAGE_MAP(CGRHeading, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_WM_HELPINFO()
    ON_MESSAGE(CGRGrid::kHelpHitTestMessage, OnHelpHitTest)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipText)
END_MESSAGE_MAP()

CGRHeading::CGRHeading(CGRCtrl* pCtrl, bool bTop) : m_pCtrl(pCtrl), m_bTop(bTop)
{
}

int CGRHeading::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (Info().m_nCellTips)
        EnableToolTips(TRUE);
    return 0;
}

int CGRHeading::Section() const
{
    return m_bTop ? kSectionTopHeading : kSectionSideHeading;
}

CGRGridInfo& CGRHeading::Info() const
{
    return *m_pCtrl->GetGridInfo();
}

CRect CGRHeading::GetTrackingLine() const
{
    return m_trackingLine;
}

// ---------------------------------------------------------------------------
// Drawing

void CGRHeading::AddWholeHeading()
{
    const CGRGridInfo& info = Info();
    if (m_bTop)
        m_redraw.AddRange(0, -info.m_nNumberTopHdgRows, info.m_nNumberCols, 0);
    else
        m_redraw.AddRange(-info.m_nNumberSideHdgCols, 0, 0, info.m_nNumberRows);
}

void CGRHeading::RepaintWhole()
{
    if (!GetSafeHwnd())
        return;
    Invalidate(FALSE);
    UpdateWindow();
}

// One pass over the redraw list: along the columns (rows) in view as the
// cell area walks them, and within each across the heading from the
// outermost heading row (column) in. What lies past the last one gets the
// heading's background.
void CGRHeading::DrawCells(CDC* pDC)
{
    const CGRGridInfo& info = Info();
    CScopedSaveDC savedDC(*pDC);
    if (info.m_pDefFont)
        pDC->SelectObject(info.m_pDefFont);
    m_pCtrl->OnScreenDCSetup(pDC, nullptr, Section());
    CGRAxis data = m_bTop ? CGRAxis::Columns(info) : CGRAxis::Rows(info);
    CGRHeadingAxis heading = m_bTop ? CGRHeadingAxis::TopRows(info) : CGRHeadingAxis::SideCols(info);
    CRect client;
    GetClientRect(&client);
    int nExtent = m_bTop ? client.Width() : client.Height();
    int nPos = 0;
    for (int i = 0; i < data.Count() && nPos < nExtent; ++i) {
        if (i == data.Locked() && data.First() > i)
            i = data.First();
        if (i >= data.Count() || data.Size(i) == 0)
            continue;
        int nSize = data.Size(i);
        for (int nHeading = heading.Outermost(); nHeading < 0; ++nHeading) {
            int nAcross = heading.Size(nHeading);
            int nCol = m_bTop ? i : nHeading, nRow = m_bTop ? nHeading : i;
            if (nAcross == 0 || !m_redraw.IsInRange(nCol, nRow))
                continue;
            int nFrom = heading.Offset(nHeading);
            CRect rect = m_bTop ? CRect(nPos, nFrom, nPos + nSize, nFrom + nAcross)
                                : CRect(nFrom, nPos, nFrom + nAcross, nPos + nSize);
            DrawCell(pDC, nCol, nRow, rect);
        }
        nPos += nSize;
    }
    m_redraw.Clear();
    FillPastLast(pDC, nPos);
}

// A joined heading cell is drawn once per pass, over its whole range.
void CGRHeading::DrawCell(CDC* pDC, int nCol, int nRow, CRect rect)
{
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    if (Info().m_nJoinsInUse && cell.IsPropertySet(kPropJoin)) {
        GetCellRect(&nCol, &nRow, &rect);
        if (m_redraw.IsDrawn(nCol, nRow))
            return;
        m_redraw.AddDrawn(nCol, nRow);
        m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    }
    CScopedSaveDC savedDC(*pDC);
    m_pCtrl->GetCellType(cell.GetCellType())->OnDraw(pDC, &rect, nCol, nRow, &cell, 0, 0);
}

void CGRHeading::FillPastLast(CDC* pDC, int nEnd)
{
    CRect client;
    GetClientRect(&client);
    CRect rest = client;
    const CGRGridInfo& info = Info();
    if (m_bTop) {
        rest.left = nEnd;
        rest.right = std::max<int>(client.right, info.m_nAreaWidth);
    } else {
        rest.top = nEnd;
        rest.bottom = std::max<int>(client.bottom, info.m_nAreaHeight);
    }
    if (!rest.IsRectEmpty())
        pDC->FillSolidRect(&rest, m_pCtrl->OnGetDefBackColor(Section()));
}

void CGRHeading::OnPaint()
{
    CPaintDC dc(this);
    if (!Info().m_bUpdateEnabled)
        return;
    AddWholeHeading();
    DrawCells(&dc);
}

BOOL CGRHeading::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// WM_PRINT draws the whole heading into the given DC.
LRESULT CGRHeading::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PRINT)
        return CWnd::WindowProc(message, wParam, lParam);
    CDC dc;
    dc.SetTempHandle(reinterpret_cast<HDC>(wParam));
    AddWholeHeading();
    DrawCells(&dc);
    dc.ReleaseTempHandle();
    return 0;
}

void CGRHeading::FitOutermost()
{
    CGRGridInfo& info = Info();
    std::vector<int>& sizes = m_bTop ? info.m_topHdgHeights : info.m_sideHdgWidths;
    int nOthers = 0;
    for (size_t i = 0; i + 1 < sizes.size(); ++i)
        nOthers += sizes[i];
    if (!sizes.empty())
        sizes.back() = std::max(0, (m_bTop ? info.m_nTopHdgHeight : info.m_nSideHdgWidth) - nOthers);
    RepaintWhole();
}

// ---------------------------------------------------------------------------
// Hit testing

int CGRHeading::GetCellFromPoint(CPoint point, int* pnCol, int* pnRow, RECT* pRect)
{
    *pnCol = *pnRow = -1;
    int nCol = -1, nRow = -1;
    if (!CGRHeadingGeometry(Info(), m_bTop).CellAt(point.x, point.y, nCol, nRow))
        return kGridOutOfRange;
    CRect rect;
    GetCellRect(&nCol, &nRow, &rect);
    *pnCol = nCol;
    *pnRow = nRow;
    if (pRect)
        *pRect = rect;
    return kGridDone;
}

// The heading's coordinates are the cell area's along the columns (rows),
// so the control's cell arithmetic places heading cells too.
int CGRHeading::GetCellRect(int* pnCol, int* pnRow, RECT* pRect)
{
    if (Info().m_nJoinsInUse)
        m_pCtrl->GetJoinStartCell(*pnCol, *pnRow);
    CRect rect;
    m_pCtrl->CGRCtrlCore::GetCellRect(*pnCol, *pnRow, &rect);
    *pRect = rect;
    return kGridDone;
}

CGRCellType* CGRHeading::CellTypeAt(int nCol, int nRow)
{
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    return m_pCtrl->GetCellType(cell.GetCellType());
}

// ---------------------------------------------------------------------------
// Clicks

void CGRHeading::FocusCellArea()
{
    CGRGrid* pArea = m_pCtrl->GetCellArea();
    if (pArea->GetSafeHwnd() && GetFocus() != pArea)
        pArea->SetFocus();
}

// A click on a heading cell goes to the cell's type, then to the control's
// notification; a click beside every cell goes nowhere.
void CGRHeading::Clicked(Click click, CPoint point, int nUpDown)
{
    int nCol = -1, nRow = -1;
    CRect rect;
    if (GetCellFromPoint(point, &nCol, &nRow, &rect) != kGridDone)
        return;
    CGRCellType* pType = CellTypeAt(nCol, nRow);
    int nProcessed = 0;
    switch (click) {
    case kLeftClick: nProcessed = pType->OnLClicked(nCol, nRow, nUpDown, &rect, &point); break;
    case kRightClick: nProcessed = pType->OnRClicked(nCol, nRow, nUpDown, &rect, &point); break;
    case kDoubleClick: nProcessed = pType->OnDClicked(nCol, nRow, &rect, &point); break;
    }
    Notify(click, nCol, nRow, nUpDown, &rect, &point, nProcessed);
}

void CGRHeading::Notify(Click click, int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint,
                        int nProcessed)
{
    switch (click) {
    case kLeftClick:
        if (m_bTop)
            m_pCtrl->OnTH_LClicked(nCol, nRow, nUpDown, pRect, pPoint, nProcessed);
        else
            m_pCtrl->OnSH_LClicked(nCol, nRow, nUpDown, pRect, pPoint, nProcessed);
        break;
    case kRightClick:
        if (m_bTop)
            m_pCtrl->OnTH_RClicked(nCol, nRow, nUpDown, pRect, pPoint, nProcessed);
        else
            m_pCtrl->OnSH_RClicked(nCol, nRow, nUpDown, pRect, pPoint, nProcessed);
        break;
    case kDoubleClick:
        if (m_bTop)
            m_pCtrl->OnTH_DClicked(nCol, nRow, pRect, pPoint, nProcessed);
        else
            m_pCtrl->OnSH_DClicked(nCol, nRow, pRect, pPoint, nProcessed);
        break;
    }
}

// A press on a marked edge starts a drag; the heading cell under it is not
// clicked.
void CGRHeading::OnLButtonDown(UINT, CPoint point)
{
    FocusCellArea();
    if (m_bOverEdge && Info().m_nUserSizingMode > 0) {
        StartDrag();
        return;
    }
    Clicked(kLeftClick, point, 1);
}

void CGRHeading::OnLButtonUp(UINT, CPoint point)
{
    if (m_bSizing) {
        EndDrag();
        return;
    }
    Clicked(kLeftClick, point, 0);
}

void CGRHeading::OnLButtonDblClk(UINT, CPoint point)
{
    if (!FitColumnAtEdge())
        Clicked(kDoubleClick, point, 0);
}

// A double click on a column's edge in the top heading fits the column to
// its cells, when the sheet asks for it.
bool CGRHeading::FitColumnAtEdge()
{
    const CGRGridInfo& info = Info();
    if (!m_bTop || !m_bOverEdge || !SizesData() || !info.m_nHeadingOptions[CGRGridInfo::kBestFitOnDoubleClick])
        return false;
    m_pCtrl->BestFit(m_nEdgeIndex, m_nEdgeIndex, kBestFitRows, CGRCtrlCore::kBestFitHeadings);
    return true;
}

// The popup menu opens after a right press, also beside every cell (for
// column and row -1).
void CGRHeading::OnRButtonDown(UINT, CPoint point)
{
    FocusCellArea();
    Clicked(kRightClick, point, 1);
    if (!Info().m_nMenuEnabled)
        return;
    int nCol = -1, nRow = -1;
    GetCellFromPoint(point, &nCol, &nRow, nullptr);
    CPoint screen = point;
    ClientToScreen(&screen);
    m_pCtrl->StartMenu(nCol, nRow, screen, Section());
}

void CGRHeading::OnRButtonUp(UINT, CPoint point)
{
    Clicked(kRightClick, point, 0);
}

// ---------------------------------------------------------------------------
// Sizing with the mouse

void CGRHeading::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bSizing) {
        Drag(point);
        return;
    }
    if (!(nFlags & MK_LBUTTON)) {
        DetectEdge(point);
        ::SetCursor(EdgeCursor());
    }
}

// A drag whose capture another window takes (a message box, a switch to
// another program) ends where it stands; it does not go on with the next
// move of a released button.
void CGRHeading::OnCaptureChanged(CWnd*)
{
    if (m_bSizing)
        EndDrag();
}

BOOL CGRHeading::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd != this)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(EdgeCursor());
    return TRUE;
}

HCURSOR CGRHeading::EdgeCursor() const
{
    if (!m_bOverEdge && !m_bSizing)
        return ::LoadCursor(nullptr, IDC_ARROW);
    return ::LoadCursor(nullptr, m_nEdgeKind == CGRHeadingGeometry::kEdgeAcross ? IDC_SIZEWE : IDC_SIZENS);
}

// An edge is marked only while the sheet lets the user size and the
// control agrees to the column, row or heading being sized.
void CGRHeading::DetectEdge(CPoint point)
{
    m_bOverEdge = 0;
    const CGRGridInfo& info = Info();
    if (info.m_nUserSizingMode <= 0)
        return;
    CGRHeadingGeometry geometry(info, m_bTop);
    int nKind = 0, nIndex = 0;
    if (!geometry.EdgeAt(point.x, point.y, nKind, nIndex) || !CanSize(geometry.SizesData(nKind), nIndex))
        return;
    m_bOverEdge = 1;
    m_nEdgeKind = nKind;
    m_nEdgeIndex = nIndex;
    m_nStartSize = CurrentSize();
    m_nStartPos = nKind == CGRHeadingGeometry::kEdgeAcross ? point.x : point.y;
}

int CGRHeading::CanSize(bool bData, int nIndex)
{
    if (bData)
        return m_bTop ? m_pCtrl->OnCanSizeCol(nIndex) : m_pCtrl->OnCanSizeRow(nIndex);
    return m_bTop ? m_pCtrl->OnCanSizeTopHdg() : m_pCtrl->OnCanSizeSideHdg();
}

bool CGRHeading::SizesData() const
{
    return CGRHeadingGeometry(Info(), m_bTop).SizesData(m_nEdgeKind);
}

int CGRHeading::CurrentSize() const
{
    const CGRGridInfo& info = Info();
    if (SizesData())
        return m_bTop ? info.GetColWidth(m_nEdgeIndex) : info.GetRowHeight(m_nEdgeIndex);
    return m_bTop ? info.GetTopHdgRowHeight(m_nEdgeIndex) : info.GetSideHdgColWidth(m_nEdgeIndex);
}

void CGRHeading::StartDrag()
{
    const CGRGridInfo& info = Info();
    m_bSizing = 1;
    SetCapture();
    m_nStartTotal = m_bTop ? info.m_nTopHdgHeight : info.m_nSideHdgWidth;
    m_nUniformDivisor = CGRHeadingGeometry::UniformDivisor(m_nStartPos, info.m_nDefRowHeight);
}

// Mode 1 shows the new size in the heading and a line in the cell area as
// the pointer moves; any other mode redraws the whole control each step.
void CGRHeading::Drag(CPoint point)
{
    int nPos = m_nEdgeKind == CGRHeadingGeometry::kEdgeAcross ? point.x : point.y;
    bool bData = SizesData();
    if (bData)
        DragData(nPos);
    else
        DragHeading(nPos);
    if (Info().m_nUserSizingMode != 1) {
        m_pCtrl->RedrawAll();
        return;
    }
    FitOutermost();
    if (bData)
        MoveTrackingLine(nPos);
}

// The cell types in view and then the control may change the size before
// it is stored; the set notifications wait for the drag's end.
void CGRHeading::DragData(int nPos)
{
    const CGRGridInfo& info = Info();
    int nSize = (!m_bTop && info.m_nUniformRowHeight)
                    ? CGRHeadingGeometry::UniformRowHeight(nPos, m_nUniformDivisor)
                    : CGRHeadingGeometry::DraggedSize(m_nStartSize, m_nStartPos, nPos);
    ShowDragToCellTypes(&nSize);
    if (m_bTop) {
        m_pCtrl->OnColSizing(m_nEdgeIndex, &nSize);
        m_pCtrl->StoreDraggedColWidth(m_nEdgeIndex, std::max(nSize, 0));
    } else {
        m_pCtrl->OnRowSizing(m_nEdgeIndex, &nSize);
        m_pCtrl->StoreDraggedRowHeight(m_nEdgeIndex, std::max(nSize, 0));
    }
}

// The heading row (column) takes the new size and the heading's total
// grows by as much, when the control agrees to the total.
void CGRHeading::DragHeading(int nPos)
{
    CGRGridInfo& info = Info();
    int nSize = std::min(CGRHeadingGeometry::DraggedSize(m_nStartSize, m_nStartPos, nPos),
                         CGRGridInfo::kMaxHeadingSize);
    std::vector<int>& sizes = m_bTop ? info.m_topHdgHeights : info.m_sideHdgWidths;
    sizes[static_cast<size_t>(-m_nEdgeIndex - 1)] = nSize;
    int nTotal = std::max(0, std::min(m_nStartTotal + nSize - m_nStartSize, CGRGridInfo::kMaxHeadingSize));
    int nAnswer = m_bTop ? m_pCtrl->OnTopHdgSizing(&nTotal) : m_pCtrl->OnSideHdgSizing(&nTotal);
    if (nAnswer == 1)
        (m_bTop ? info.m_nTopHdgHeight : info.m_nSideHdgWidth)
            = std::max(0, std::min(nTotal, CGRGridInfo::kMaxHeadingSize));
    m_pCtrl->AdjustComponentSizes();
}

// The cells of the dragged column (row) that are in view.
void CGRHeading::ShowDragToCellTypes(int* pnSize)
{
    const CGRGridInfo& info = Info();
    CGRAxis other = m_bTop ? CGRAxis::Rows(info) : CGRAxis::Columns(info);
    int nLast = std::min(other.LastEdge(), other.Count() - 1);
    for (int i = 0; i <= nLast; ++i) {
        if (i == other.Locked() && other.First() > i)
            i = other.First();
        if (i > nLast)
            break;
        int nCol = m_bTop ? m_nEdgeIndex : i, nRow = m_bTop ? i : m_nEdgeIndex;
        CGRCellType* pType = CellTypeAt(nCol, nRow);
        if (m_bTop)
            pType->OnColWidthDrag(nCol, nRow, pnSize);
        else
            pType->OnRowHeightDrag(nCol, nRow, pnSize);
    }
}

// A one-pixel line through the pointer across the whole cell area, drawn
// and taken away again by inverting.
void CGRHeading::MoveTrackingLine(int nPos)
{
    CGRGrid* pArea = m_pCtrl->GetCellArea();
    if (!pArea->GetSafeHwnd())
        return;
    CClientDC dc(pArea);
    if (m_trackingLine.left != -1)
        dc.DrawFocusRect(&m_trackingLine);
    CRect area;
    pArea->GetClientRect(&area);
    m_trackingLine = m_bTop ? CRect(nPos - 1, 0, nPos + 1, area.bottom) : CRect(0, nPos - 1, area.right, nPos + 1);
    dc.DrawFocusRect(&m_trackingLine);
}

// The final size goes through SetColWidth (SetRowHeight), which lets the
// cell types in view and the control change it once more; a heading's
// total is announced to the control.
void CGRHeading::EndDrag()
{
    m_bSizing = 0;
    ::ReleaseCapture();
    if (m_trackingLine.left != -1 && m_pCtrl->GetCellArea()->GetSafeHwnd()) {
        CClientDC dc(m_pCtrl->GetCellArea());
        dc.DrawFocusRect(&m_trackingLine);
    }
    m_trackingLine.SetRect(-1, -1, -1, -1);
    CGRGridInfo& info = Info();
    if (SizesData()) {
        int nSize = CurrentSize();
        if (m_bTop)
            m_pCtrl->SetColWidth(m_nEdgeIndex, nSize);
        else
            m_pCtrl->SetRowHeight(m_nEdgeIndex, nSize);
    } else if (m_bTop) {
        m_pCtrl->OnTopHdgSized(&info.m_nTopHdgHeight);
    } else {
        m_pCtrl->OnSideHdgSized(&info.m_nSideHdgWidth);
    }
    m_pCtrl->AdjustComponentSizes();
}

// ---------------------------------------------------------------------------
// Tips and context help

// A tip shows only once the pointer rests in a heading cell, as in the cell
// area.
INT_PTR CGRHeading::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int nCol = -1, nRow = -1;
    if (!CGRHeadingGeometry(Info(), m_bTop).CellAt(point.x, point.y, nCol, nRow))
        return -1;
    return m_tip.HitTest(this, nCol, nRow, pTI);
}

BOOL CGRHeading::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    int nCol = -1, nRow = -1;
    CString sText;
    if (GetCellFromPoint(point, &nCol, &nRow, nullptr) != kGridDone
        || m_pCtrl->OnHint(nCol, nRow, Section(), &sText) != 1)
        return FALSE;
    CGRCellTip::Supply(pNMHDR, sText);
    *pResult = 0;
    return TRUE;
}

LRESULT CGRHeading::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    int nCol = -1, nRow = -1;
    GetCellFromPoint(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), &nCol, &nRow, nullptr);
    return m_pCtrl->OnGetContextHelpID(nCol, nRow, Section());
}

// F1 held: help for the current cell; otherwise for the heading cell where
// the help request points.
BOOL CGRHeading::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType != HELPINFO_WINDOW)
        return FALSE;
    int nCol = m_pCtrl->GetCurrentCol(), nRow = m_pCtrl->GetCurrentRow();
    if (::GetKeyState(VK_F1) >= 0) {
        CPoint point = pHelpInfo->MousePos;
        ScreenToClient(&point);
        GetCellFromPoint(point, &nCol, &nRow, nullptr);
    }
    return m_pCtrl->ShowContextHelp(nCol, nRow, Section());
}
