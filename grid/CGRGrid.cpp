#include "CGRGrid.h"

#include "CGRAxis.h"
#include "CGRCellTip.h"
#include "CGRCtrl.h"
#include "CGRDrawPass.h"
#include "CGRKeptObject.h"
#include "CGRLocaleSnapshot.h"
#include "CGRSysColorsSnapshot.h"
#include "GridRecordingDC.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

namespace {
const UINT kCellAreaDlgCode = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
const int kMoveByLeftButton = 1;
const int kMoveByRightButton = 2;
const int kMoveByDrag = 3;
}

BEGIN_MESSAGE_MAP(CGRGrid, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SETCURSOR()
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
    ON_WM_HELPINFO()
    ON_MESSAGE(CGRGrid::kHelpHitTestMessage, OnHelpHitTest)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipText)
END_MESSAGE_MAP()

CGRGrid::CGRGrid(CGRCtrl* pCtrl) : m_pCtrl(pCtrl)
{
}

int CGRGrid::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pCtrl->GetGridInfo()->m_nCellTips)
        EnableToolTips(TRUE);
    return 0;
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

// ---------------------------------------------------------------------------
// Double buffering: the picture is drawn into a bitmap of the area's size
// and copied to the screen in one go, so the cells do not flicker.

int CGRGrid::SetDoubleBufferMode(int nMode)
{
    m_offscreen.DeleteObject();
    m_nDoubleBuffer = nMode;
    if (nMode != 1)
        return kGridDone;
    CreateOffscreenBitmap();
    if (m_offscreen.GetSafeHandle())
        return kGridDone;
    m_nDoubleBuffer = 0;
    return kGridOutOfRange;
}

int CGRGrid::GetDoubleBufferMode() const
{
    return m_nDoubleBuffer;
}

// A window of no width or height still gets a bitmap of one pixel.
void CGRGrid::CreateOffscreenBitmap()
{
    m_offscreen.DeleteObject();
    CRect client(0, 0, 0, 0);
    if (GetSafeHwnd())
        GetClientRect(&client);
    CClientDC dc(GetSafeHwnd() ? this : nullptr);
    m_offscreen.CreateCompatibleBitmap(&dc, std::max(client.Width(), 1), std::max(client.Height(), 1));
}

void CGRGrid::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_nDoubleBuffer == 1)
        CreateOffscreenBitmap();
}

// One pass over the redraw list onto the screen DC, through the
// off-screen bitmap in double-buffer mode; the picture there is first moved
// by the scroll shift.
void CGRGrid::DrawPass(CDC* pScreenDC, int nShiftX, int nShiftY)
{
    if (m_nDoubleBuffer != 1 || !m_offscreen.GetSafeHandle()) {
        if (nShiftX != 0 || nShiftY != 0)
            ScrollPicture(pScreenDC, nShiftX, nShiftY);
        DrawCells(pScreenDC, nullptr);
        return;
    }
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pScreenDC)) {
        m_redraw.Clear();
        return;
    }
    CScopedSelectObject selected(memDC, m_offscreen);
    if (nShiftX != 0 || nShiftY != 0)
        ScrollPicture(&memDC, nShiftX, nShiftY);
    DrawCells(pScreenDC, &memDC);
}

// ---------------------------------------------------------------------------
// Partial repaint after a move

// The control calls this once the current cell and the view are set, while
// the sheet's last-notified values still hold the previous ones. What stayed
// in view is moved on the screen; only the strips it uncovered, the previous
// and the new current cell (and what was already listed) are drawn.
void CGRGrid::Moved()
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    if (!info.m_bUpdateEnabled || !GetSafeHwnd()) {
        m_redraw.Clear();
        return;
    }
    bool bViewMoved = info.m_nLastLeftCol != info.m_nLeftCol || info.m_nLastTopRow != info.m_nTopRow;
    CRect update;
    if (GetUpdateRect(&update) && !update.IsRectEmpty()) {
        // A pending paint after a scroll would draw the new view only where
        // the old picture was invalid; the rest would show the old view.
        if (bViewMoved)
            Invalidate(FALSE);
        UpdateWindow();
        return;
    }
    if (info.m_nVScrollHints || info.m_nHScrollHints || IsPictureUntrusted()) {
        RepaintAll();
        return;
    }
    int nShiftX = 0, nShiftY = 0;
    if (!CGRAxis::Columns(info).ScrollShift(info.m_nLastLeftCol, nShiftX)
        || !CGRAxis::Rows(info).ScrollShift(info.m_nLastTopRow, nShiftY)) {
        nShiftX = nShiftY = 0;
        m_redraw.AddRange(0, 0, info.m_nNumberCols, info.m_nNumberRows);
    }
    AddUncoveredStrips(nShiftX, nShiftY);
    m_redraw.AddCell(info.m_nLastCurrentCol, info.m_nLastCurrentRow);
    m_redraw.AddCell(info.m_nCurrentCol, info.m_nCurrentRow);
    CClientDC dc(this);
    DrawPass(&dc, nShiftX, nShiftY);
}

void CGRGrid::RepaintAll()
{
    m_redraw.Clear();
    Invalidate(TRUE);
    UpdateWindow();
}

// The picture on the screen can only be moved when all of it is there: no
// sibling window lies over the area, the active window does not cover part
// of it, and no part of it lies off the screen.
bool CGRGrid::IsPictureUntrusted() const
{
    CRect area;
    GetWindowRect(&area);
    for (CWnd* pAbove = GetWindow(GW_HWNDPREV); pAbove; pAbove = pAbove->GetWindow(GW_HWNDPREV))
        if (pAbove->IsWindowVisible() && IsCoveredBy(pAbove, area, false))
            return true;
    CWnd* pActive = GetActiveWindow();
    if (pActive && pActive->GetSafeHwnd() != GetSafeHwnd() && pActive->IsWindowVisible()
        && IsCoveredBy(pActive, area, true))
        return true;
    return IsCoveredBy(GetDesktopWindow(), area, true);
}

// Whether the window meets the area at all, or (bPartlyOnly) meets it
// without holding all of it.
bool CGRGrid::IsCoveredBy(const CWnd* pWnd, const CRect& area, bool bPartlyOnly) const
{
    CRect other;
    pWnd->GetWindowRect(&other);
    CRect common;
    if (!common.IntersectRect(other, area))
        return false;
    return !bPartlyOnly || common != area;
}

// The part of the area that scrolls moves by the shift. Locked rows stay
// when only rows scroll, locked columns when only columns scroll.
void CGRGrid::ScrollPicture(CDC* pDC, int nShiftX, int nShiftY)
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    CRect scroll;
    GetClientRect(&scroll);
    if (nShiftX == 0)
        scroll.top += info.m_nLockedRowsHeight;
    if (nShiftY == 0)
        scroll.left += info.m_nLockedColsWidth;
    pDC->ScrollDC(-nShiftX, -nShiftY, &scroll, &scroll, nullptr, nullptr);
}

// The columns (rows) that came into view at the edge the picture moved
// away from. When both directions moved, the locked rows and columns moved
// with the picture and are drawn again as well.
void CGRGrid::AddUncoveredStrips(int nShiftX, int nShiftY)
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    int nCols = info.m_nNumberCols, nRows = info.m_nNumberRows;
    int nFirst = 0;
    if (nShiftX > 0 && CGRAxis::Columns(info).IndexAt(info.m_nAreaWidth - nShiftX, nFirst))
        m_redraw.AddRange(nFirst, 0, nCols, nRows);
    if (nShiftX < 0)
        m_redraw.AddRange(info.m_nLeftCol, 0, info.m_nLastLeftCol - 1, nRows);
    if (nShiftY > 0 && CGRAxis::Rows(info).IndexAt(info.m_nAreaHeight - nShiftY, nFirst))
        m_redraw.AddRange(0, nFirst, nCols, nRows);
    if (nShiftY < 0)
        m_redraw.AddRange(0, info.m_nTopRow, nCols, info.m_nLastTopRow - 1);
    if (nShiftX != 0 && nShiftY != 0) {
        if (info.m_nLockedCols > 0)
            m_redraw.AddRange(0, 0, info.m_nLockedCols - 1, nRows);
        if (info.m_nLockedRows > 0)
            m_redraw.AddRange(0, 0, nCols, info.m_nLockedRows - 1);
    }
}

// ---------------------------------------------------------------------------
// Drawing

// One drawing pass over the cells in the redraw list: locked rows and
// columns first, then those from the top row and left column on, until the
// area is full; what no cell covers gets the cell area's background. With a
// memory DC the cells go there and reach the screen in one copy; the focus
// frame is drawn on the screen. The number cells of the pass share one read
// of the user's number settings and of the system colours; on a context that puts pixels they share
// its attributes through a CGRDrawPass, which puts them back after the cells.
void CGRGrid::DrawCells(CDC* pScreenDC, CDC* pMemDC)
{
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    CDC* pDC = pMemDC ? pMemDC : pScreenDC;
    CGRLocaleSnapshot numberSettings;
    CGRSysColorsSnapshot systemColors;
    CScopedSaveDC savedScreen(*pScreenDC);
    if (info.m_pDefFont) {
        pScreenDC->SelectObject(info.m_pDefFont);
        if (pMemDC)
            pMemDC->SelectObject(info.m_pDefFont);
    }
    m_pCtrl->OnScreenDCSetup(pScreenDC, pMemDC, kSectionCellArea);
    std::optional<CGRDrawPass> pass;
    if (!IsRecordingDC(*pDC))
        pass.emplace(*pDC);
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
    pass.reset();
    if (!bAreaFull && info.m_nBottomRow == info.m_nNumberRows)
        nEmptyY = y;
    if (info.m_nNumberCols == 0)
        nEmptyX = 0;
    FillEmptyArea(pDC, nEmptyX, nEmptyY);
    if (pMemDC)
        pScreenDC->BitBlt(0, 0, info.m_nAreaWidth, info.m_nAreaHeight, pMemDC, 0, 0, SRCCOPY);
    if (!m_bSkipFocus && m_bHasFocus && !m_pCtrl->IsEditing() && !focusRect.IsRectEmpty())
        m_pCtrl->OnDrawFocusRect(pScreenDC, &focusRect);
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
    CGRCellType* pType = m_pCtrl->GetCellType(cell.GetCellType());
    {
        // The grid's own cell type puts back what it selects, or leaves it to
        // the drawing pass; a type of the program's may leave anything in the
        // context, and draws with the pass suspended; a metafile context (no
        // pass) given back its former font records the wrong one under
        // Wine: there the context is saved whole.
        const bool bNormalType = pType == m_pCtrl->GetCellType(0);
        std::optional<CScopedSaveDC> savedDC;
        if (!bNormalType || !CGRDrawPass::Current(*pDC))
            savedDC.emplace(*pDC);
        std::optional<CGRDrawPass::CSuspended> suspended;
        if (!bNormalType)
            suspended.emplace();
        int nSelected = m_pCtrl->IsSelected(nCol, nRow, nullptr) ? 1 : 0;
        pType->OnDraw(pDC, &cellRect, nCol, nRow, &cell, nSelected, bCurrent ? 1 : 0);
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
    if (info.m_nLockedCols <= 0 && info.m_nLockedRows <= 0)
        return;
    CGRKeptObject keptPen(*pDC, OBJ_PEN);
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
    DrawPass(&dc, 0, 0);
}

// The theme layer stays off, so the background is left to the drawing pass.
BOOL CGRGrid::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

// WM_PRINT draws the whole sheet straight into the given DC. Scroll
// messages belong to the control; the theme layer stays off.
LRESULT CGRGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PRINT: {
        const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
        CDC dc;
        dc.SetTempHandle(reinterpret_cast<HDC>(wParam));
        m_redraw.AddRange(0, 0, info.m_nNumberCols, info.m_nNumberRows);
        DrawCells(&dc, nullptr);
        dc.ReleaseTempHandle();
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        return m_pCtrl->SendMessage(message, wParam, lParam);
    case WM_THEMECHANGED:
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
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

// An in-cell edit control in the area wants every key; the area itself
// wants the arrows and all keys besides the usual ones.
UINT CGRGrid::OnGetDlgCode()
{
    CWnd* pFocus = GetFocus();
    if (pFocus && IsChild(pFocus))
        return kCellAreaDlgCode;
    return CWnd::OnGetDlgCode() | kCellAreaDlgCode;
}

int CGRGrid::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    return MA_ACTIVATE;
}

// An in-cell edit control keeps its own cursor.
BOOL CGRGrid::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd != this)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
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

// While the left button is held, the current cell follows the pointer
// and the view scrolls a step for each move beyond the area's edges.
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
            DragTo(nCol, nRow);
        AutoScroll(point, bOverCell, nCol, nRow);
    }
    info.m_nMoveReason = 0;
}

// Over a locked column while the target lies among the scrolling ones, the
// target steps back one column at a time instead of jumping into the locked
// part, so the columns scroll back under the pointer; rows alike.
void CGRGrid::DragTo(int nCol, int nRow)
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    if (info.m_nLockedCols == 0 && info.m_nLockedRows == 0) {
        m_pCtrl->GotoCell(nCol, nRow);
        return;
    }
    if (info.m_nTargetCol >= info.m_nLockedCols && nCol < info.m_nLockedCols)
        m_pCtrl->MoveCurrentCol(CGRCtrlCore::kMoveBack);
    else
        m_pCtrl->GotoCol(nCol);
    if (info.m_nTargetRow >= info.m_nLockedRows && nRow < info.m_nLockedRows)
        m_pCtrl->MoveCurrentRow(CGRCtrlCore::kMoveBack);
    else
        m_pCtrl->GotoRow(nRow);
}

// Beyond an edge of the area, or over the partly shown column (row) at the
// right (bottom) edge, the target moves one step that way.
void CGRGrid::AutoScroll(CPoint point, bool bOverCell, int nCol, int nRow)
{
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    if (point.x < 0)
        m_pCtrl->MoveCurrentCol(CGRCtrlCore::kMoveBack);
    else if (point.x >= info.m_nAreaWidth || (bOverCell && nCol == info.m_nRightCol))
        m_pCtrl->MoveCurrentCol(CGRCtrlCore::kMoveForward);
    if (point.y < 0)
        m_pCtrl->MoveCurrentRow(CGRCtrlCore::kMoveBack);
    else if (point.y >= info.m_nAreaHeight || (bOverCell && nRow == info.m_nBottomRow))
        m_pCtrl->MoveCurrentRow(CGRCtrlCore::kMoveForward);
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

// ---------------------------------------------------------------------------
// Cell tips and context help

// A tip shows only once the pointer rests in a cell: the first hit in a new
// cell reports no tool (and hides a tip still up), the next one in the same
// cell reports the area itself, whose text comes from OnHint.
INT_PTR CGRGrid::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int nCol = -1, nRow = -1;
    if (m_pCtrl->GetCellFromPoint(point.x, point.y, nCol, nRow) != kGridDone)
        return -1;
    return m_tip.HitTest(this, nCol, nRow, pTI);
}

BOOL CGRGrid::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    int nCol = -1, nRow = -1;
    CString sText;
    if (!CellAtCursor(nCol, nRow) || m_pCtrl->OnHint(nCol, nRow, kSectionCellArea, &sText) != 1)
        return FALSE;
    CGRCellTip::Supply(pNMHDR, sText);
    *pResult = 0;
    return TRUE;
}

bool CGRGrid::CellAtCursor(int& nCol, int& nRow)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    return m_pCtrl->GetCellFromPoint(point.x, point.y, nCol, nRow) == kGridDone;
}

// The help context of the cell under the point (-1, -1 outside the cells).
LRESULT CGRGrid::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    int nCol = -1, nRow = -1;
    m_pCtrl->GetCellFromPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), nCol, nRow);
    return m_pCtrl->OnGetContextHelpID(nCol, nRow, kSectionCellArea);
}

// F1 held: help for the current cell; otherwise for the cell where the
// help request points (the help cursor's click).
BOOL CGRGrid::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType != HELPINFO_WINDOW)
        return FALSE;
    int nCol = m_pCtrl->GetCurrentCol(), nRow = m_pCtrl->GetCurrentRow();
    if (::GetKeyState(VK_F1) >= 0) {
        CPoint point = pHelpInfo->MousePos;
        ScreenToClient(&point);
        nCol = nRow = -1;
        m_pCtrl->GetCellFromPoint(point.x, point.y, nCol, nRow);
    }
    return m_pCtrl->ShowContextHelp(nCol, nRow, kSectionCellArea);
}
