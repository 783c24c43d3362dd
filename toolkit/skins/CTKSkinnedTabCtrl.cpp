#include "CTKSkinnedTabCtrl.h"

IMPLEMENT_DYNAMIC(CTKSkinnedTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CTKSkinnedTabCtrl, CTabCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CTKSkinnedTabCtrl::CTKSkinnedTabCtrl() : m_tabSkin(&CTKSkin::GetTabSkin)
{
}

CTKSkinnedSpinCtrl* CTKSkinnedTabCtrl::GetSpinCtrl(CWnd* pWnd)
{
    auto* pTabCtrl = dynamic_cast<CTKSkinnedTabCtrl*>(pWnd);
    return pTabCtrl != nullptr ? &pTabCtrl->m_wndSpin : nullptr;
}

// The skin validates the update region and paints everything, the control's
// own look included where it wants it.
void CTKSkinnedTabCtrl::OnPaint()
{
    GetTabSkin()->DrawTabCtrl(this);
}
