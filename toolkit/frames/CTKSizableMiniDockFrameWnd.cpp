#include "CTKSizableMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(CTKSizableMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CTKSizableMiniDockFrameWnd, CMiniDockFrameWnd)
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_NCMOUSEMOVE()
    ON_MESSAGE(WM_NCMOUSELEAVE, OnNcMouseLeave)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
END_MESSAGE_MAP()

CTKSizableMiniDockFrameWnd::CTKSizableMiniDockFrameWnd() : m_ownSkin(&CTKSkin::GetMiniFrameSkin)
{
}

BOOL CTKSizableMiniDockFrameWnd::HasSystemMenuItems() const
{
    CMenu* pMenu = GetSystemMenu(FALSE);
    return pMenu != nullptr && pMenu->GetMenuItemCount() > 0;
}

void CTKSizableMiniDockFrameWnd::PaintSystemNonClient()
{
    DefWindowProc(WM_NCPAINT, 1, 0);
}

BOOL CTKSizableMiniDockFrameWnd::ActivateAsMiniFrame(BOOL bActive)
{
    return CMiniDockFrameWnd::OnNcActivate(bActive);
}

void CTKSizableMiniDockFrameWnd::OnNcPaint()
{
    GetMiniFrameSkin()->DrawNonClient(this);
}

BOOL CTKSizableMiniDockFrameWnd::OnNcActivate(BOOL bActive)
{
    return GetMiniFrameSkin()->OnNcActivate(bActive, this);
}

// The framework turns the caption active or inactive with the main frame's
// by the system's own drawing; the skin then paints its look over it again.
LRESULT CTKSizableMiniDockFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CMiniDockFrameWnd::OnFloatStatus(wParam, lParam);
    if (lResult)
        GetMiniFrameSkin()->DrawNonClient(this);
    return lResult;
}

// The close button's hot look follows the mouse, and goes when the mouse
// leaves the frame's non-client area.
void CTKSizableMiniDockFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE | TME_NONCLIENT, m_hWnd, 0};
    ::TrackMouseEvent(&track);
    GetMiniFrameSkin()->DrawCloseButton(this);
    CMiniDockFrameWnd::OnNcMouseMove(nHitTest, point);
}

LRESULT CTKSizableMiniDockFrameWnd::OnNcMouseLeave(WPARAM, LPARAM)
{
    GetMiniFrameSkin()->DrawCloseButton(this);
    return 0;
}

// A skin that handles the close button shows it pressed; the frame closes
// when the button is released over it.
void CTKSizableMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCLOSE && HasSystemMenuItems() && GetMiniFrameSkin()->DrawCloseButton(this))
        return;
    CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CTKSizableMiniDockFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCLOSE && HasSystemMenuItems()) {
        SendMessage(WM_SYSCOMMAND, SC_CLOSE);
        return;
    }
    CMiniDockFrameWnd::OnNcLButtonUp(nHitTest, point);
}
