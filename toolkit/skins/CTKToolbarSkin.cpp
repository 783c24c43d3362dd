#include "CTKToolbarSkin.h"

#include "CTKMenuBar.h"

BOOL CTKToolbarSkin::BeginCustomDraw(NMHDR* pNMHDR, LRESULT* pResult, CTKCoolToolBar* pBar)
{
    TKNMSKINCUSTOMDRAW query = {};
    query.hdr = *pNMHDR;
    query.hdr.code = kTKNotifySkinCustomDraw;
    query.bSkinDraws = TRUE;
    CWnd* pFrame = pBar->IsFloating() ? pBar->GetTopLevelParent() : pBar->GetParentFrame();
    if (pFrame != nullptr)
        pFrame->SendMessage(WM_NOTIFY, pNMHDR->idFrom, reinterpret_cast<LPARAM>(&query));
    if (!query.bSkinDraws) {
        *pResult = query.lResult;
        return FALSE;
    }
    const auto* pDraw = reinterpret_cast<const NMCUSTOMDRAW*>(pNMHDR);
    if (pDraw->dwDrawStage == CDDS_PREPAINT && pBar->SendMessage(TB_BUTTONCOUNT) > 0) {
        CRect rect;
        pBar->GetItemRect(0, &rect);
    }
    return TRUE;
}

BOOL CTKToolbarSkin::IsHorizontalBar(CTKCoolToolBar* pBar)
{
    return (pBar->GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
}

BOOL CTKToolbarSkin::HasMDIButtons(CTKMenuBar* pMenuBar, CWnd** ppChild)
{
    CMDIFrameWnd* pFrame = pMenuBar->GetMDIFrame();
    if (pFrame == nullptr || pMenuBar->m_rectCloseBtn.IsRectEmpty())
        return FALSE;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pChild = pFrame->MDIGetActive(&bMaximized);
    if (pChild == nullptr || !bMaximized)
        return FALSE;
    *ppChild = pChild;
    return TRUE;
}
