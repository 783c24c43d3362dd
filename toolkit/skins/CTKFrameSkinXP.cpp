#include "CTKFrameSkinXP.h"

#include "CTKSkinXP.h"

CTKFrameSkinXP::CTKFrameSkinXP(CTKSkinXP* pSkin) : m_pSkin(pSkin)
{
}

// On the whole window, over whatever edge the system drew there.
void CTKFrameSkinXP::DrawBorder(CWnd* pWnd)
{
    CWindowDC dc(pWnd);
    CRect rect;
    pWnd->GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    CBrush brush(m_pSkin->GetBorderColor());
    dc.FrameRect(&rect, &brush);
}

void CTKFrameSkinXP::AdjustBorderRect(RECT* pRect, CWnd*)
{
    ::InflateRect(pRect, 1, 1);
}

COLORREF CTKFrameSkinXP::GetFaceColor()
{
    return CTKSkinXP::SysColor(COLOR_BTNFACE);
}

COLORREF CTKFrameSkinXP::GetEdgeColor()
{
    return CTKSkinXP::SysColor(COLOR_BTNSHADOW);
}
