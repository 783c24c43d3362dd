#include "CTKDockTabCtrl.h"

IMPLEMENT_DYNAMIC(CTKDockTabCtrl, CTKSkinnedTabCtrl)

int CTKDockTabCtrl::FindBar(CControlBar* /*pBar*/) const
{
    return -1;
}

CControlBar* CTKDockTabCtrl::GetBar(int /*nIndex*/) const
{
    return nullptr;
}

void CTKDockTabCtrl::InsertBar(CControlBar* /*pBar*/, int /*nIndex*/, BOOL /*bSelect*/)
{
}

void CTKDockTabCtrl::RemoveBar(CControlBar* /*pBar*/)
{
}

void CTKDockTabCtrl::ShowSelectedBar()
{
}

int CTKDockTabCtrl::HitTestDrop(CPoint /*point*/, CControlBar* /*pBar*/) const
{
    return -1;
}
