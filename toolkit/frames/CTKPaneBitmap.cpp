#include "CTKPaneBitmap.h"

#include "CTKSkinXP.h"

#include <algorithm>

CTKPaneBitmap::CTKPaneBitmap(HBITMAP hBitmap, int nMode, COLORREF crTransparent)
    : m_nMode(nMode), m_crTransparent(crTransparent)
{
    m_bitmap.Attach(hBitmap);
    BITMAP info = {};
    m_bitmap.GetBitmap(&info);
    m_size = CSize(info.bmWidth, info.bmHeight);
}

// The target is the bitmap's size, the pane's where the bitmap is larger,
// centred vertically; an unknown mode places it as mode 2.
void CTKPaneBitmap::Draw(CDC* pDC, const CRect& rectPane)
{
    const int cx = std::min<int>(m_size.cx, rectPane.Width());
    const int cy = std::min<int>(m_size.cy, rectPane.Height());
    CRect rectTarget(rectPane.left, 0, rectPane.left + cx, 0);
    rectTarget.top = rectPane.top + (rectPane.Height() - cy) / 2;
    rectTarget.bottom = rectTarget.top + cy;
    switch (m_nMode) {
    case modeStretch:
        rectTarget = rectPane;
        break;
    case modeCentre:
    case modeCentreCut:
        rectTarget.OffsetRect((rectPane.Width() - cx) / 2, 0);
        break;
    case modeRight:
    case modeRightCut:
        rectTarget.OffsetRect(rectPane.Width() - cx, 0);
        break;
    default:
        break;
    }
    const BOOL bCut = m_nMode >= modeLeftCut && m_nMode <= modeRightCut;
    const CRect rectSource(0, 0, bCut ? cx : m_size.cx, bCut ? cy : m_size.cy);
    CTKSkinXP::DrawTransparentStretched(&m_bitmap, pDC, rectTarget, rectSource, m_crTransparent);
}
