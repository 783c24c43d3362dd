#include "CTKSizeDockBar.h"

#include "CTKSizeControlBar.h"

IMPLEMENT_DYNAMIC(CTKSizeDockBar, CDockBar)

CTKSizeControlBar* CTKSizeDockBar::GetOtherSizeBar(CControlBar* pBar) const
{
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pDocked = GetDockedControlBar(i);
        if (pDocked != nullptr && pDocked != pBar && pDocked->IsKindOf(RUNTIME_CLASS(CTKSizeControlBar)))
            return static_cast<CTKSizeControlBar*>(pDocked);
    }
    return nullptr;
}
