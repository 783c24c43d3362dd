#include "CGRGrid.h"

#include "CGRAxis.h"
#include "CGRCtrl.h"

namespace {
const UINT kCellAreaDlgCode = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
const int kMoveByLeftButton = 1;
const int kMoveByRightButton = 2;
const int kMoveByDrag = 3;
}

BEGIN_MESSAGE_MAP(CGRGrid, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
END_MESSAGE_MAP()

CGRGrid::CGRGrid(CGRCtrl* pCtrl) : m_pCtrl(pCtrl)
{
}

void CGRGrid::RedrawCell(int nCol, int nRow)
{
    m_redraw.AddCell(nCol, nRow);
    Moved();
}

void CGRGrid::RedrawRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    m_redraw.AddRange(nStartCol, nStartRow, nEndCol, nEndRow);
    Moved();
}

// Adds to the pass under way (a text that runs on into the next cell).
void CGRGrid::AddToRedrawList(int nCol, int nRow)
{
    m_redraw.AddCell(nCol, nRow);
}

void CGRGrid::SuppressFocusRectOnce()
{
    m_bSkipFocus = 1;
}

int CGRGrid::GetCellsDrawn() const
{
    return m_nCellsDrawn;
}

void CGRGrid::ResetCellsDrawn()
{
    m_nCellsDrawn = 0;
}

// After a move: when the view stayed, only the previous and the new current
// cell (and what was added to the list) are drawn; when it scrolled, the
// whole area is repainted.
void CGRGrid::Moved()
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    CRect update;
    if (GetUpdateRect(&update) && !update.IsRectEmpty()) {
        UpdateWindow();
        return;
    }
    int nShiftX = 0, nShiftY = 0;
    bool bColumnsKnown = CGRAxis::Columns(info).ScrollShift(info.m_nLastLeftCol, nShiftX);
    bool bRowsKnown = CGRAxis::Rows(info).ScrollShift(info.m_nLastTopRow, nShiftY);
    if (!bColumnsKnown || !bRowsKnown || nShiftX != 0 || nShiftY != 0) {
        m_redraw.Clear();
        Invalidate(FALSE);
        UpdateWindow();
        return;
    }
    m_redraw.AddCell(info.m_nLastCurrentCol, info.m_nLastCurrentRow);
    m_redraw.AddCell(info.m_nCurrentCol, info.m_nCurrentRow);
    DrawNow();
}

void CGRGrid::DrawNow()
{
    if (!m_pCtrl->GetGridInfo()->m_bUpdateEnabled || !GetSafeHwnd()) {
        m_redraw.Clear();
        return;
    }
    CClientDC dc(this);
    DrawCells(&dc);
}

// One drawing pass over the cells in the redraw list: locked rows and
// columns first, then those from the top row and left column on, until the
// area is full; what no cell covers gets the cell area's background.
void CGRGrid::DrawCells(CDC* pDC)
{
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    CScopedSaveDC savedDC(*pDC);
    if (info.m_pDefFont)
        pDC->SelectObject(info.m_pDefFont);
    m_pCtrl->OnScreenDCSetup(pDC, nullptr, kSectionCellArea);
    info.m_nRightCol = info.m_nNumberCols;
    info.m_nBottomRow = info.m_nNumberRows;
    CRect focusRect(0, 0, 0, 0);
    int nEmptyX = -1, nEmptyY = -1;
    int y = 0;
    bool bAreaFull = false;
    for (int nRow = 0; nRow < info.m_nNumberRows && !bAreaFull; ++nRow) {
        if (nRow == info.m_nLockedRows && info.m_nTopRow > nRow)
            nRow = info.m_nTopRow;
        if (nRow >= info.m_nNumberRows)
            break;
        int nHeight = info.GetRowHeight(nRow);
        if (nHeight == 0)
            continue;
        int x = 0;
        bool bRowFull = false;
        for (int nCol = 0; nCol < info.m_nNumberCols; ++nCol) {
            if (nCol == info.m_nLockedCols && info.m_nLeftCol > nCol)
                nCol = info.m_nLeftCol;
            if (nCol >= info.m_nNumberCols)
                break;
            int nWidth = info.GetColWidth(nCol);
            if (nWidth == 0)
                continue;
            if (m_redraw.IsInRange(nCol, nRow))
                DrawCell(pDC, nCol, nRow, CRect(x, y, x + nWidth, y + nHeight), focusRect);
            x += nWidth;
            if (x > info.m_nAreaWidth) {
                info.m_nRightCol = nCol;
                bRowFull = true;
                break;
            }
        }
        if (!bRowFull && info.m_nRightCol == info.m_nNumberCols)
            nEmptyX = x;
        y += nHeight;
        if (y > info.m_nAreaHeight) {
            info.m_nBottomRow = nRow;
            bAreaFull = true;
        } else if (nRow >= info.m_nNumberRows - 1) {
            int nRows = info.m_nNumberRows;
            int nNextRow = nRow + 1;
            m_pCtrl->ClampTargetRow(nNextRow);
            if (info.m_nNumberRows > nRows)
                m_redraw.AddRange(0, nRow + 1, info.m_nNumberCols - 1, nRow + 1);
        }
    }
    m_redraw.Clear();
    if (!bAreaFull && info.m_nBottomRow == info.m_nNumberRows)
        nEmptyY = y;
    if (info.m_nNumberCols == 0)
        nEmptyX = 0;
    FillEmptyArea(pDC, nEmptyX, nEmptyY);
    if (!m_bSkipFocus && m_bHasFocus && !m_pCtrl->IsEditing() && !focusRect.IsRectEmpty())
        m_pCtrl->OnDrawFocusRect(pDC, &focusRect);
    m_bSkipFocus = 0;
}

// A joined cell is drawn once per pass, over its whole range.
void CGRGrid::DrawCell(CDC* pDC, int nCol, int nRow, CRect rect, CRect& focusRect)
{
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    if (m_pCtrl->GetGridInfo()->m_nJoinsInUse && cell.IsPropertySet(kPropJoin)) {
        m_pCtrl->GetCellRect(nCol, nRow, &rect);
        m_pCtrl->GetJoinStartCell(nCol, nRow);
        if (m_redraw.IsDrawn(nCol, nRow))
            return;
        m_redraw.AddDrawn(nCol, nRow);
        m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    }
    bool bCurrent = nCol == m_pCtrl->GetCurrentCol() && nRow == m_pCtrl->GetCurrentRow();
    CRect cellRect = rect;
    {
        CScopedSaveDC savedDC(*pDC);
        int nSelected = m_pCtrl->IsSelected(nCol, nRow, nullptr) ? 1 : 0;
        m_pCtrl->GetCellType(cell.GetCellType())->OnDraw(pDC, &cellRect, nCol, nRow, &cell, nSelected,
                                                         bCurrent ? 1 : 0);
        DrawLockLines(pDC, nCol, nRow, rect);
    }
    ++m_nCellsDrawn;
    if (bCurrent)
        focusRect = rect;
}

// Black lines part the locked columns and rows from those that scroll.
void CGRGrid::DrawLockLines(CDC* pDC, int nCol, int nRow, const CRect& rect)
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    pDC->SelectStockObject(BLACK_PEN);
    if (info.m_nLockedCols > 0) {
        if (nCol == info.m_nLeftCol) {
            pDC->MoveTo(rect.left - 1, rect.top);
            pDC->LineTo(rect.left - 1, rect.bottom + 1);
        } else if (nCol == info.m_nLockedCols - 1) {
            pDC->MoveTo(rect.right - 1, rect.top);
            pDC->LineTo(rect.right - 1, rect.bottom + 1);
        }
    }
    if (info.m_nLockedRows > 0) {
        if (nRow == info.m_nTopRow) {
            pDC->MoveTo(rect.left, rect.top - 1);
            pDC->LineTo(rect.right + 1, rect.top - 1);
        } else if (nRow == info.m_nLockedRows - 1) {
            pDC->MoveTo(rect.left, rect.bottom - 1);
            pDC->LineTo(rect.right + 1, rect.bottom - 1);
        }
    }
}

void CGRGrid::FillEmptyArea(CDC* pDC, int nEmptyX, int nEmptyY)
{
    CRect client;
    GetClientRect(&client);
    COLORREF crBack = m_pCtrl->OnGetDefBackColor(kSectionCellArea);
    if (nEmptyX >= 0 && nEmptyX < client.right)
        pDC->FillSolidRect(nEmptyX, 0, client.right - nEmptyX, client.bottom, crBack);
    if (nEmptyY >= 0 && nEmptyY < client.bottom)
        pDC->FillSolidRect(0, nEmptyY, client.right, client.bottom - nEmptyY, crBack);
}

// The part to draw comes from the update rectangle's corner cells; the
// current cell comes along for its focus frame.
void CGRGrid::OnPaint()
{
    CPaintDC dc(this);
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    if (!info.m_bUpdateEnabled)
        return;
    CRect update = dc.m_ps.rcPaint;
    int nStartCol = 0, nStartRow = 0, nEndCol = info.m_nNumberCols, nEndRow = info.m_nNumberRows;
    if (!update.IsRectNull()) {
        m_pCtrl->GetCellFromPoint(update.left, update.top, nStartCol, nStartRow);
        int nCol = 0, nRow = 0;
        if (m_pCtrl->GetCellFromPoint(update.right - 1, update.bottom - 1, nCol, nRow) == kGridDone) {
            nEndCol = nCol;
            nEndRow = nRow;
            int nJoinEndCol = nCol, nJoinEndRow = nRow;
            if (m_pCtrl->GetJoinRange(nCol, nRow, nJoinEndCol, nJoinEndRow) == kGridDone) {
                nEndCol = nJoinEndCol;
                nEndRow = nJoinEndRow;
            }
        }
    }
    m_redraw.AddRange(nStartCol, nStartRow, nEndCol, nEndRow);
    m_redraw.AddCell(info.m_nCurrentCol, info.m_nCurrentRow);
    DrawCells(&dc);
}

// The theme layer stays off, so the background is left to the drawing pass.
BOOL CGRGrid::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

// WM_PRINT draws the whole sheet into the given DC.
LRESULT CGRGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PRINT) {
        const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
        CDC dc;
        dc.SetTempHandle(reinterpret_cast<HDC>(wParam));
        m_redraw.AddRange(0, 0, info.m_nNumberCols, info.m_nNumberRows);
        DrawCells(&dc);
        dc.ReleaseTempHandle();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CGRCellType* CGRGrid::CellTypeAt(int nCol, int nRow)
{
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    return m_pCtrl->GetCellType(cell.GetCellType());
}

void CGRGrid::OnSetFocus(CWnd* pOldWnd)
{
    m_bHasFocus = 1;
    m_bTypeCaptured = 0;
    CWnd::OnSetFocus(pOldWnd);
    m_pCtrl->OnSetFocus(kSectionCellArea);
    RedrawCell(m_pCtrl->GetCurrentCol(), m_pCtrl->GetCurrentRow());
}

void CGRGrid::OnKillFocus(CWnd* pNewWnd)
{
    m_bHasFocus = 0;
    CWnd::OnKillFocus(pNewWnd);
    m_pCtrl->OnKillFocus(kSectionCellArea, pNewWnd);
    RedrawCell(m_pCtrl->GetCurrentCol(), m_pCtrl->GetCurrentRow());
}

UINT CGRGrid::OnGetDlgCode()
{
    return kCellAreaDlgCode;
}

// A press or release of a button on a cell: the cell's type first, then the
// control's notification; outside every cell only the notification, with
// column and row -1.
void CGRGrid::Clicked(UINT nFlags, CPoint point, bool bLeft, int nUpDown)
{
    int nCol = -1, nRow = -1;
    CRect rect(0, 0, 0, 0);
    int nProcessed = 0;
    if (m_pCtrl->GetCellFromPoint(point.x, point.y, nCol, nRow, &rect) == kGridDone) {
        CGRCellType* pType = CellTypeAt(nCol, nRow);
        if (nUpDown)
            m_pCtrl->GotoCell(nCol, nRow);
        nProcessed = bLeft ? pType->OnLClicked(nCol, nRow, nUpDown, &rect, &point)
                           : pType->OnRClicked(nCol, nRow, nUpDown, &rect, &point);
    } else {
        nCol = nRow = -1;
    }
    if (bLeft) {
        if (nUpDown && nProcessed)
            m_bTypeCaptured = 1;
        m_pCtrl->OnLClicked(nCol, nRow, nUpDown, &rect, &point, nProcessed);
    } else {
        m_pCtrl->OnRClicked(nCol, nRow, nUpDown, &rect, &point, nProcessed);
    }
}

void CGRGrid::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (GetFocus() != this)
        SetFocus();
    if (m_pCtrl->IsEditing())
        return;
    SetCapture();
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    info.m_nMoveReason = kMoveByLeftButton;
    info.m_nKeyState = static_cast<int>(nFlags);
    Clicked(nFlags, point, true, 1);
    info.m_nMoveReason = 0;
    m_bButtonDown = 1;
}

void CGRGrid::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bButtonDown)
        return;
    Clicked(nFlags, point, true, 0);
    ::ReleaseCapture();
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    info.m_nTargetCol = info.m_nCurrentCol;
    info.m_nTargetRow = info.m_nCurrentRow;
    m_bTypeCaptured = 0;
    m_bButtonDown = 0;
}

void CGRGrid::OnLButtonDblClk(UINT, CPoint point)
{
    int nCol = -1, nRow = -1;
    CRect rect(0, 0, 0, 0);
    int nProcessed = 0;
    if (m_pCtrl->GetCellFromPoint(point.x, point.y, nCol, nRow, &rect) == kGridDone) {
        nProcessed = CellTypeAt(nCol, nRow)->OnDClicked(nCol, nRow, &rect, &point);
    } else {
        nCol = nRow = -1;
    }
    m_pCtrl->OnDClicked(nCol, nRow, &rect, &point, nProcessed);
}

void CGRGrid::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pCtrl->IsEditing())
        return;
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    info.m_nMoveReason = kMoveByRightButton;
    info.m_nKeyState = static_cast<int>(nFlags);
    Clicked(nFlags, point, false, 1);
    info.m_nMoveReason = 0;
    if (info.m_nMenuEnabled) {
        int nCol = -1, nRow = -1;
        m_pCtrl->GetCellFromPoint(point.x, point.y, nCol, nRow);
        CPoint screen = point;
        ClientToScreen(&screen);
        m_pCtrl->StartMenu(nCol, nRow, screen, kSectionCellArea);
    }
    m_bButtonDown = 1;
}

void CGRGrid::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bButtonDown)
        return;
    Clicked(nFlags, point, false, 0);
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    info.m_nTargetCol = info.m_nCurrentCol;
    info.m_nTargetRow = info.m_nCurrentRow;
    m_bButtonDown = 0;
}

// While the left button is held, the current cell follows the pointer.
void CGRGrid::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pCtrl->IsEditing())
        return;
    int nCol = m_pCtrl->GetCurrentCol(), nRow = m_pCtrl->GetCurrentRow();
    if (m_bTypeCaptured) {
        int nProcessed = CellTypeAt(nCol, nRow)->OnMouseMove(nCol, nRow, &point, nFlags);
        m_pCtrl->OnMouseMove(nCol, nRow, &point, nFlags, nProcessed);
        return;
    }
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    info.m_nMoveReason = kMoveByDrag;
    info.m_nKeyState = static_cast<int>(nFlags);
    bool bOverCell = m_pCtrl->GetCellFromPoint(point.x, point.y, nCol, nRow) == kGridDone;
    if (bOverCell) {
        int nProcessed = CellTypeAt(nCol, nRow)->OnMouseMove(nCol, nRow, &point, nFlags);
        m_pCtrl->OnMouseMove(nCol, nRow, &point, nFlags, nProcessed);
    }
    if ((nFlags & MK_LBUTTON) && m_bButtonDown) {
        if (bOverCell)
            m_pCtrl->GotoCell(nCol, nRow);
        if (point.x < 0)
            m_pCtrl->MoveCurrentCol(CGRCtrlCore::kMoveBack);
        else if (point.x >= info.m_nAreaWidth)
            m_pCtrl->MoveCurrentCol(CGRCtrlCore::kMoveForward);
        if (point.y < 0)
            m_pCtrl->MoveCurrentRow(CGRCtrlCore::kMoveBack);
        else if (point.y >= info.m_nAreaHeight)
            m_pCtrl->MoveCurrentRow(CGRCtrlCore::kMoveForward);
    }
    info.m_nMoveReason = 0;
}

BOOL CGRGrid::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (!m_pCtrl->IsEditing())
        m_pCtrl->ScrollByWheel(zDelta);
    return TRUE;
}

// The current cell's type and the control see the key first and may change
// or clear it; then the cell area moves by it.
void CGRGrid::OnKeyDown(UINT nChar, UINT, UINT)
{
    UINT nKey = nChar;
    int nCol = m_pCtrl->GetCurrentCol(), nRow = m_pCtrl->GetCurrentRow();
    bool bCtrlDown = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    bool bShiftDown = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    info.m_nKeyState = (bShiftDown ? MK_SHIFT : 0) | (bCtrlDown ? MK_CONTROL : 0);
    m_pCtrl->OnKeyDown(&nKey, CellTypeAt(nCol, nRow)->OnKeyDown(nCol, nRow, &nKey));
    m_pCtrl->MoveByKey(nKey, bCtrlDown);
    info.m_nKeyState = 0;
}

void CGRGrid::OnKeyUp(UINT nChar, UINT, UINT)
{
    UINT nKey = nChar;
    int nCol = m_pCtrl->GetCurrentCol(), nRow = m_pCtrl->GetCurrentRow();
    m_pCtrl->OnKeyUp(&nKey, CellTypeAt(nCol, nRow)->OnKeyUp(nCol, nRow, &nKey));
}

void CGRGrid::OnChar(UINT nChar, UINT, UINT)
{
    UINT nKey = nChar;
    int nCol = m_pCtrl->GetCurrentCol(), nRow = m_pCtrl->GetCurrentRow();
    m_pCtrl->OnCharDown(&nKey, CellTypeAt(nCol, nRow)->OnCharDown(nCol, nRow, &nKey));
}
