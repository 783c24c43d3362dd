#include "CTKRectTracker.h"

#include <algorithm>

namespace {

// The tracker's handle for a window's sizing hit code.
int HandleOfHitTest(int nHitTest)
{
    switch (nHitTest) {
    case HTLEFT:
        return CRectTracker::hitLeft;
    case HTRIGHT:
        return CRectTracker::hitRight;
    case HTTOP:
        return CRectTracker::hitTop;
    case HTTOPLEFT:
        return CRectTracker::hitTopLeft;
    case HTTOPRIGHT:
        return CRectTracker::hitTopRight;
    case HTBOTTOM:
        return CRectTracker::hitBottom;
    case HTBOTTOMLEFT:
        return CRectTracker::hitBottomLeft;
    case HTBOTTOMRIGHT:
        return CRectTracker::hitBottomRight;
    default:
        return CRectTracker::hitMiddle;
    }
}

// A moved rectangle keeps its top 10 pixels above the limit's bottom, so
// that what is dragged stays within reach.
const int kMoveBottomMargin = 10;

}  // namespace

BOOL CTKRectTracker::Track(CWnd* pWnd, CPoint point, int nHitTest, CWnd* pWndClipTo)
{
    m_rectStart = m_rect;
    return TrackHandle(HandleOfHitTest(nHitTest), pWnd, point, pWndClipTo);
}

void CTKRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    CRect rect(*lpRect);
    if (!m_rectLimit.IsRectEmpty()) {
        if (nHandle != hitMiddle) {
            rect.IntersectRect(CRect(rect), m_rectLimit);
        } else {
            const CSize size = m_rectStart.Size();
            const LONG nLeft = std::max(m_rectLimit.left, std::min(rect.left, m_rectLimit.right));
            const LONG nTop = std::max(m_rectLimit.top, std::min(rect.top, m_rectLimit.bottom - kMoveBottomMargin));
            rect = CRect(CPoint(nLeft, nTop), size);
        }
    }
    CRectTracker::AdjustRect(nHandle, &rect);
    if (m_nStyle & kHorzOnly) {
        rect.top = m_rectStart.top;
        rect.bottom = m_rectStart.bottom;
    }
    if (m_nStyle & kVertOnly) {
        rect.left = m_rectStart.left;
        rect.right = m_rectStart.right;
    }
    *lpRect = rect;
}
