#include "CTKSizeControlBar.h"

IMPLEMENT_DYNAMIC(CTKSizeControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CTKSizeControlBar, CControlBar)
    ON_WM_CONTEXTMENU()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CTKSizeControlBar::CTKSizeControlBar(DWORD dwSizeBarStyle) : m_dwSizeBarStyle(dwSizeBarStyle)
{
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
}

void CTKSizeControlBar::SetSizeBarStyle(DWORD dwStyle)
{
    m_dwSizeBarStyle = dwStyle;
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

// Docked, the bar keeps its thickness and runs the length of its edge, as
// the dock bar's row layout gives a bar alone in its row.
BOOL CTKSizeControlBar::CanExpand() const
{
    return FALSE;
}

CSize CTKSizeControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (IsFloating())
        return m_FloatSize;
    if (bHorz)
        return CSize(bStretch ? 32767 : m_HorzDockSize.cx, m_HorzDockSize.cy);
    return CSize(m_VertDockSize.cx, bStretch ? 32767 : m_VertDockSize.cy);
}

void CTKSizeControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CTKSizeControlBar::OnSizedOrDocked(int, int, BOOL, int)
{
}

void CTKSizeControlBar::CalcGrabOffset(CPoint point)
{
    m_sizeGrabOffset = CSize(point.x, point.y);
}

void CTKSizeControlBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CControlBar::OnWindowPosChanged(lpwndpos);
    CRect rectClient;
    GetClientRect(&rectClient);
    const int nFloating = IsFloating() ? 1 : 0;
    int nFlags = 0;
    if (rectClient.Width() != m_nLastCx || rectClient.Height() != m_nLastCy)
        nFlags |= 1;
    if (nFloating != m_nLastFloating)
        nFlags |= 2;
    if (nFlags == 0)
        return;
    m_nLastCx = rectClient.Width();
    m_nLastCy = rectClient.Height();
    m_nLastFloating = nFloating;
    OnSizedOrDocked(m_nLastCx, m_nLastCy, nFloating, nFlags);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

// "Allow docking" shows the docking state; the bar cannot float yet, so it
// cannot be switched off. "Hide" hides the bar.
void CTKSizeControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!(m_dwSizeBarStyle & TKSBS_CONTEXTMENU)) {
        CControlBar::OnContextMenu(pWnd, point);
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    CString sText;
    if (m_dwDockStyle & CBRS_ALIGN_ANY) {
        sText.LoadString(ID_TKSB_ALLOW_DOCKING);
        menu.AppendMenu(MF_STRING | MF_CHECKED | MF_GRAYED, ID_TKSB_ALLOW_DOCKING, sText);
    }
    sText.LoadString(ID_TKSB_HIDE);
    menu.AppendMenu(MF_STRING, ID_TKSB_HIDE, sText);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

// The context menu's commands are the bar's own, before the frame's.
BOOL CTKSizeControlBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == ID_TKSB_HIDE && lParam == 0) {
        CFrameWnd* pFrame = GetDockingFrame();
        if (pFrame != nullptr)
            pFrame->ShowControlBar(this, FALSE, FALSE);
        return TRUE;
    }
    return CControlBar::OnCommand(wParam, lParam);
}
