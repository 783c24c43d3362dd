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

// Until the dock bars make rows of their own, no dock bar is found under a
// point, docking appends and rows hold one bar.
CTKSizeDockBar* CTKSizeDockBar::FindDockBarAtPoint(CPoint /*point*/, CControlBar* /*pBar*/)
{
    return nullptr;
}

void CTKSizeDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CDockBar::DockControlBar(pBar, lpRect);
}

void CTKSizeDockBar::ExpandBar(CTKSizeControlBar* /*pBar*/, BOOL /*bExpand*/)
{
}

void CTKSizeDockBar::MakeRoomForBar(CControlBar* /*pBar*/)
{
}

int CTKSizeDockBar::GetRowBarCount(CControlBar* /*pBar*/) const
{
    return 1;
}

int CTKSizeDockBar::CountBarsInRowAt(CControlBar* /*pBar*/, const CRect& /*rect*/) const
{
    return 0;
}

CControlBar* CTKSizeDockBar::GetFirstDockedBar() const
{
    return m_arrBars.GetSize() >= 2 ? GetDockedControlBar(1) : nullptr;
}

int CTKSizeDockBar::GetTabHeight() const
{
    return 0;
}
