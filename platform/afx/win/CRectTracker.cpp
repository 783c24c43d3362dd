#include "CRectTracker.h"

#include "AfxWindowMessages.h"
#include "CClientDC.h"
#include "CDC.h"

#include <algorithm>

namespace {

// Which edges a handle moves: left, top, right, bottom.
const struct HandleEdges {
    bool bLeft;
    bool bTop;
    bool bRight;
    bool bBottom;
} kHandleEdges[] = {
    {true, true, false, false},   // hitTopLeft
    {false, true, true, false},   // hitTopRight
    {false, false, true, true},   // hitBottomRight
    {true, false, false, true},   // hitBottomLeft
    {false, true, false, false},  // hitTop
    {false, false, true, false},  // hitRight
    {false, false, false, true},  // hitBottom
    {true, false, false, false},  // hitLeft
    {true, true, true, true},     // hitMiddle
};

const int kOutlineWidth = 2;

}  // namespace

// A sized edge never comes closer to the opposite one than m_sizeMin.
void CRectTracker::MoveHandle(int nHandle, CRect& rect, CSize offset) const
{
    const HandleEdges& edges = kHandleEdges[nHandle];
    if (edges.bLeft)
        rect.left += offset.cx;
    if (edges.bRight)
        rect.right += offset.cx;
    if (edges.bTop)
        rect.top += offset.cy;
    if (edges.bBottom)
        rect.bottom += offset.cy;
    if (nHandle == hitMiddle)
        return;
    if (edges.bLeft)
        rect.left = std::min<LONG>(rect.left, rect.right - m_sizeMin.cx);
    if (edges.bRight)
        rect.right = std::max<LONG>(rect.right, rect.left + m_sizeMin.cx);
    if (edges.bTop)
        rect.top = std::min<LONG>(rect.top, rect.bottom - m_sizeMin.cy);
    if (edges.bBottom)
        rect.bottom = std::max<LONG>(rect.bottom, rect.top + m_sizeMin.cy);
}

BOOL CRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo)
{
    if (nHandle < hitTopLeft || nHandle > hitMiddle || ::GetCapture() != nullptr)
        return FALSE;
    const CRect rectStart = m_rect;
    CRect rectNow = m_rect;
    CClientDC dc(pWndClipTo != nullptr ? pWndClipTo : pWnd);
    m_rectLast.SetRectEmpty();
    pWnd->SetCapture();
    BOOL bReleased = FALSE;
    while (::GetCapture() == pWnd->m_hWnd) {
        MSG msg;
        if (!::GetMessage(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            ::MapWindowPoints(msg.hwnd, pWnd->m_hWnd, &pt, 1);
            rectNow = rectStart;
            MoveHandle(nHandle, rectNow, pt - point);
            AdjustRect(nHandle, &rectNow);
            DrawTrackerRect(&rectNow, pWndClipTo, &dc, pWnd);
            if (msg.message == WM_LBUTTONUP) {
                bReleased = TRUE;
                break;
            }
        } else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN) {
            break;
        } else {
            ::DispatchMessage(&msg);
        }
    }
    DrawTrackerRect(CRect(), pWndClipTo, &dc, pWnd);
    if (::GetCapture() == pWnd->m_hWnd)
        ::ReleaseCapture();
    if (!bReleased || rectNow == rectStart)
        return FALSE;
    m_rect = rectNow;
    OnChangedRect(rectStart);
    return TRUE;
}

void CRectTracker::AdjustRect(int, LPRECT)
{
}

void CRectTracker::OnChangedRect(const CRect&)
{
}

// A two-pixel halftone frame; drawing the next one erases the last.
void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd*, CDC* pDC, CWnd*)
{
    CRect rect(*lpRect);
    CSize size = rect.IsRectEmpty() ? CSize(0, 0) : CSize(kOutlineWidth, kOutlineWidth);
    pDC->DrawDragRect(&rect, size, m_rectLast.IsRectEmpty() ? nullptr : &m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
}
