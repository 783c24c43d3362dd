#include "CGRCornerSizing.h"

#include "CGRCtrlCore.h"

#include <algorithm>

CGRCornerSizing::CGRCornerSizing(CGRCtrlCore* pCtrl) : m_pCtrl(pCtrl)
{
}

// The right edge wins where both edges are near.
void CGRCornerSizing::Hover(CPoint point, CSize client)
{
    m_nZone = kNoZone;
    if (m_pCtrl->GetGridInfo()->m_nUserSizingMode < 1)
        return;
    if (point.x >= client.cx - kZoneWidth && m_pCtrl->OnCanSizeSideHdg())
        m_nZone = kSideWidthZone;
    else if (point.y >= client.cy - kZoneWidth && m_pCtrl->OnCanSizeTopHdg())
        m_nZone = kTopHeightZone;
}

BOOL CGRCornerSizing::BeginDrag()
{
    m_bCapturing = m_nZone != kNoZone;
    return m_bCapturing;
}

// The corner's own coordinates are the heading sizes: the button spans the
// side heading's width and the top heading's height.
void CGRCornerSizing::DragTo(CPoint point)
{
    if (!m_bCapturing)
        return;
    if (m_nZone == kTopHeightZone) {
        int nHeight = std::max(static_cast<int>(point.y), 0);
        m_pCtrl->OnTopHdgSizing(&nHeight);
        m_pCtrl->SetTopHeadingHeight(nHeight);
    } else {
        int nWidth = std::max(static_cast<int>(point.x), 0);
        m_pCtrl->OnSideHdgSizing(&nWidth);
        m_pCtrl->SetSideHeadingWidth(nWidth);
    }
    m_pCtrl->AdjustComponentSizes();
}

BOOL CGRCornerSizing::EndDrag()
{
    if (!m_bCapturing)
        return FALSE;
    m_bCapturing = 0;
    CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    if (m_nZone == kTopHeightZone)
        m_pCtrl->OnTopHdgSized(&info.m_nTopHdgHeight);
    else
        m_pCtrl->OnSideHdgSized(&info.m_nSideHdgWidth);
    return TRUE;
}

CGRCornerSizing::Zone CGRCornerSizing::GetZone() const
{
    return m_nZone;
}

BOOL CGRCornerSizing::IsCapturing() const
{
    return m_bCapturing;
}
