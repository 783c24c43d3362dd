#include "CDockContext.h"

#include "AfxWindowMessages.h"
#include "CBrush.h"
#include "CDockBar.h"
#include "CFrameWnd.h"
#include "CMiniDockFrameWnd.h"
#include "CWindowDC.h"

#include <algorithm>

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(pBar->GetDockingFrame())
{
}

// --- dragging -------------------------------------------------------------

// The outlines start where the bar is: as it lies on a horizontal edge, on
// a vertical edge and in a floating frame, each moved so that it holds the
// pressed point.
void CDockContext::StartDrag(CPoint pt)
{
    if (m_pDockSite == nullptr || ::GetCapture() != nullptr)
        return;
    InitLoop();
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_FLOATING);
    m_ptLast = m_ptStart = pt;

    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    m_rectDragHorz = CRect(rectBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK));
    m_rectDragVert = CRect(rectBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_VERTDOCK));
    if (m_pBar->IsFloating()) {
        m_pBar->GetParentFrame()->GetWindowRect(&m_rectFrameDragHorz);
    } else {
        m_rectFrameDragHorz = CRect(rectBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
        CMiniDockFrameWnd::CalcFrameRect(m_rectFrameDragHorz);
    }
    m_rectFrameDragVert = m_rectFrameDragHorz;
    KeepPointInside(m_rectDragHorz, pt);
    KeepPointInside(m_rectDragVert, pt);
    KeepPointInside(m_rectFrameDragHorz, pt);
    KeepPointInside(m_rectFrameDragVert, pt);

    m_dwOverDockStyle = CanDock();
    m_bDragging = TRUE;
    Track();
}

// Only a bar that lays itself out by length (CBRS_SIZE_DYNAMIC) is sized,
// and only while it floats.
void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    if (m_pDockSite == nullptr || ::GetCapture() != nullptr || !m_pBar->IsFloating() ||
        !(m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC))
        return;
    InitLoop();
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    m_ptLast = m_ptStart = pt;
    m_pBar->GetParentFrame()->GetWindowRect(&m_rectResizeStart);
    m_rectFrameDragHorz = m_rectResizeStart;
    m_nResizeLength = -1;
    Track();
}

void CDockContext::InitLoop()
{
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    m_dwOverDockStyle = 0;
}

void CDockContext::KeepPointInside(CRect& rect, CPoint pt)
{
    if (pt.x < rect.left)
        rect.OffsetRect(pt.x - rect.left, 0);
    else if (pt.x >= rect.right)
        rect.OffsetRect(pt.x - rect.right + 1, 0);
    if (pt.y < rect.top)
        rect.OffsetRect(0, pt.y - rect.top);
    else if (pt.y >= rect.bottom)
        rect.OffsetRect(0, pt.y - rect.bottom + 1);
}

// The bar holds the capture while the loop runs; the loop ends with the
// button's release (dock or float), Escape or the right button (nothing
// changes) or a lost capture. A WM_QUIT is put back for the main loop.
BOOL CDockContext::Track()
{
    m_pBar->SetCapture();
    CWindowDC dcDesktop(nullptr);
    m_pDC = &dcDesktop;
    DrawFocusRect();
    while (::GetCapture() == m_pBar->m_hWnd) {
        MSG msg;
        if (!::GetMessage(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            if (m_bDragging)
                EndDrag();
            else
                EndResize();
            return TRUE;
        case WM_MOUSEMOVE: {
            CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            ::ClientToScreen(msg.hwnd, &pt);
            if (m_bDragging)
                Move(pt);
            else
                Stretch(pt);
            break;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_ESCAPE) {
                CancelLoop();
                return FALSE;
            }
            if (m_bDragging)
                OnKey(static_cast<int>(msg.wParam), msg.message == WM_KEYDOWN);
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessage(&msg);
            break;
        }
    }
    CancelLoop();
    return FALSE;
}

void CDockContext::Move(CPoint pt)
{
    const CSize offset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(offset);
    m_rectDragVert.OffsetRect(offset);
    m_rectFrameDragHorz.OffsetRect(offset);
    m_rectFrameDragVert.OffsetRect(offset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

// Ctrl held keeps the bar from docking; released, the dock test runs again.
void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar != VK_CONTROL || m_bForceFrame == bDown)
        return;
    m_bForceFrame = bDown;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
    m_pDC = nullptr;
}

// A release where the press was changes nothing; otherwise the bar docks
// where the outline touches a dock bar, or floats in the outline's frame.
void CDockContext::EndDrag()
{
    CancelLoop();
    if (m_ptLast == m_ptStart)
        return;
    if (m_dwOverDockStyle != 0) {
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        CRect rect = IsHorzOutline() ? m_rectDragHorz : m_rectDragVert;
        if (pDockBar != nullptr)
            m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        return;
    }
    m_pDockSite->FloatControlBar(m_pBar, m_rectFrameDragHorz.TopLeft(),
                                 CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI));
}

// --- sizing a floating bar -------------------------------------------------

// The edge follows the mouse; the bar says what size it takes for that
// width (or height), and the outline shows the frame around it, held at
// the opposite edge.
void CDockContext::Stretch(CPoint pt)
{
    m_ptLast = pt;
    // The frame's caption and borders; the frame may be wider than the bar
    // by the system's least width of a captioned window.
    CFrameWnd* pFrame = m_pBar->GetParentFrame();
    CRect rectNonClient(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rectNonClient, pFrame->GetStyle(), FALSE, pFrame->GetExStyle());
    const CSize sizeNonClient = rectNonClient.Size();
    const BOOL bHeight = m_nHitTest == HTTOP || m_nHitTest == HTBOTTOM;
    int nFrameLength = 0;
    switch (m_nHitTest) {
    case HTLEFT:
        nFrameLength = m_rectResizeStart.right - pt.x;
        break;
    case HTRIGHT:
        nFrameLength = pt.x - m_rectResizeStart.left;
        break;
    case HTTOP:
        nFrameLength = m_rectResizeStart.bottom - pt.y;
        break;
    case HTBOTTOM:
        nFrameLength = pt.y - m_rectResizeStart.top;
        break;
    default:
        return;
    }
    m_dwResizeMode = LM_HORZ | (bHeight ? LM_LENGTHY : 0);
    m_nResizeLength = std::max(0, nFrameLength - static_cast<int>(bHeight ? sizeNonClient.cy : sizeNonClient.cx));
    const CSize sizeFrame = m_pBar->CalcDynamicLayout(m_nResizeLength, m_dwResizeMode) + sizeNonClient;
    CRect rect(m_rectResizeStart.TopLeft(), sizeFrame);
    if (m_nHitTest == HTLEFT)
        rect.OffsetRect(m_rectResizeStart.right - rect.right, 0);
    if (m_nHitTest == HTTOP)
        rect.OffsetRect(0, m_rectResizeStart.bottom - rect.bottom);
    m_rectFrameDragHorz = rect;
    DrawFocusRect();
}

// The bar keeps the layout of the last outline, and its frame takes the
// outline's place.
void CDockContext::EndResize()
{
    CancelLoop();
    if (m_nResizeLength < 0 || m_ptLast == m_ptStart)
        return;
    m_pBar->CalcDynamicLayout(m_nResizeLength, m_dwResizeMode | LM_COMMIT);
    CFrameWnd* pFrame = m_pBar->GetParentFrame();
    pFrame->RecalcLayout();
    pFrame->SetWindowPos(nullptr, m_rectFrameDragHorz.left, m_rectFrameDragHorz.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- dock test and outline ------------------------------------------------

// The outline of the bar's present orientation is tried first.
DWORD CDockContext::CanDock()
{
    const DWORD dwHorz = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & CBRS_ORIENT_HORZ);
    const DWORD dwVert = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & CBRS_ORIENT_VERT);
    if (m_dwStyle & CBRS_ORIENT_VERT)
        return dwVert != 0 ? dwVert : dwHorz;
    return dwHorz != 0 ? dwHorz : dwVert;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CDockBar* pDockBar = nullptr;
    const CRect& rect = (dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
    m_pDockSite->CanDock(rect, dwOverDockStyle, &pDockBar);
    return pDockBar;
}

BOOL CDockContext::IsHorzOutline() const
{
    return (m_dwOverDockStyle & CBRS_ORIENT_HORZ) != 0;
}

CRect CDockContext::GetDockingOutline() const
{
    return IsHorzOutline() ? m_rectDragHorz : m_rectDragVert;
}

// Over a dock bar a thin white outline of the docked bar; elsewhere the
// halftone frame of a floating frame. The last outline is erased by
// drawing it again (inverting).
void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == nullptr)
        return;
    CRect rect;
    CSize size;
    BOOL bDither = FALSE;
    if (!bRemoveRect) {
        if (m_dwOverDockStyle != 0) {
            rect = GetDockingOutline();
            size = CSize(1, 1);
        } else {
            rect = m_rectFrameDragHorz;
            size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
            bDither = TRUE;
        }
    }
    CBrush brushWhite;
    brushWhite.CreateStockObject(WHITE_BRUSH);
    CBrush* pBrush = bDither ? nullptr : &brushWhite;
    CBrush* pBrushLast = m_bDitherLast ? nullptr : &brushWhite;
    m_pDC->DrawDragRect(&rect, size, m_rectLast.IsRectEmpty() ? nullptr : &m_rectLast, m_sizeLast, pBrush,
                        pBrushLast);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = bDither;
}

// --- toggling -------------------------------------------------------------

// A floating bar goes back to its last docked place; a docked one floats
// where it floated last (or beside its place, if it never floated).
void CDockContext::ToggleDocking()
{
    if (m_pDockSite == nullptr)
        return;
    if (m_pBar->IsFloating()) {
        auto* pDockBar = dynamic_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID));
        if (pDockBar == nullptr) {
            m_pDockSite->DockControlBar(m_pBar);
            return;
        }
        CRect rect(m_rectMRUDockPos);
        m_pDockSite->ClientToScreen(&rect);
        pDockBar->ReDockControlBar(m_pBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint pt = m_ptMRUFloatPos;
    if (!m_bHasFloated) {
        CRect rectBar;
        m_pBar->GetWindowRect(&rectBar);
        pt = rectBar.TopLeft() + CSize(::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE));
    }
    m_pDockSite->FloatControlBar(m_pBar, pt, m_dwMRUFloatStyle);
}
