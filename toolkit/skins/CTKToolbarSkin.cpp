#include "CTKToolbarSkin.h"

#include "CTKMenuBar.h"
#include "CTKSystem.h"

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

BOOL CTKToolbarSkin::IsControlHot(CWnd* pWnd)
{
    const CPoint ptCursor = CTKSystem::Current().GetCursorPos();
    CRect rectWindow;
    pWnd->GetWindowRect(&rectWindow);
    if (rectWindow.PtInRect(ptCursor))
        return TRUE;
    const HWND hFocus = ::GetFocus();
    return hFocus != nullptr && (hFocus == pWnd->m_hWnd || ::IsChild(pWnd->m_hWnd, hFocus));
}

// A bar that docks has its gripper 2 pixels further in, clear of the dock
// context's edge; a fixed bar with a bottom border has it 2 pixels higher.
CRect CTKToolbarSkin::PlaceGripper(const CRect& rect, CTKCoolToolBar* pBar, const CGripperShape& shape)
{
    const BOOL bDocking = pBar->m_pDockContext != nullptr;
    CRect rectGripper = rect;
    if (IsHorizontalBar(pBar)) {
        const CRect& insetsHorz = shape.rectHorzInsets;
        rectGripper.DeflateRect(insetsHorz.left, insetsHorz.top, insetsHorz.right, insetsHorz.bottom);
        rectGripper.OffsetRect(shape.ptHorzOffset);
        if (bDocking) {
            rectGripper.left += 2;
            rectGripper.bottom -= 2;
        } else if (pBar->GetBarStyle() & CBRS_BORDER_BOTTOM) {
            rectGripper.top -= 2;
            rectGripper.bottom -= 2;
        }
        rectGripper.right = rectGripper.left + shape.nThickness;
    } else {
        const CRect& insetsVert = shape.rectVertInsets;
        rectGripper.DeflateRect(insetsVert.left, insetsVert.top, insetsVert.right, insetsVert.bottom);
        rectGripper.OffsetRect(shape.ptVertOffset);
        if (bDocking)
            rectGripper.left += 2;
        else
            rectGripper.right += 2;
        rectGripper.bottom = rectGripper.top + shape.nThickness;
    }
    return rectGripper;
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
