#include "CTKFrameSkin2003.h"

#include "CTKSkin2003.h"

CTKFrameSkin2003::CTKFrameSkin2003(CTKSkin2003* pSkin) : CTKFrameSkinXP(pSkin)
{
}

COLORREF CTKFrameSkin2003::GetFaceColor()
{
    return m_pSkin->GetDockbarBackgroundColor();
}

COLORREF CTKFrameSkin2003::GetEdgeColor()
{
    return m_pSkin->GetBorderColor();
}
