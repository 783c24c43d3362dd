#include "CMiniDockFrameWnd.h"

#include "AfxWindowMessages.h"
#include "CDockContext.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

const DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE)
{
}

// Owned by the bar's frame, so it stays above it and goes with it. The
// floating dock bar belongs to that frame's bars, as the edges' do. A frame
// for bars that lay themselves out by length (CBRS_SIZE_DYNAMIC) is sized
// by its sides; any other is moved by its edges as by its caption.
BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    const DWORD dwFrameStyle = (dwBarStyle & CBRS_SIZE_DYNAMIC) ? MFS_4THICKFRAME : MFS_4THICKFRAME | MFS_MOVEFRAME;
    if (!CMiniFrameWnd::Create(nullptr, "", kWindowStyle | dwFrameStyle | MFS_SYNCACTIVE, CRect(0, 0, 0, 0), pParent))
        return FALSE;
    auto* pDockSite = static_cast<CFrameWnd*>(pParent);
    m_wndDockBar.m_pDockSite = pDockSite;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | (dwBarStyle & CBRS_ALL), AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    pDockSite->AddControlBar(&m_wndDockBar);
    return TRUE;
}

// The outline of a frame not made yet; its sides are sizing borders.
void CMiniDockFrameWnd::CalcFrameRect(CRect& rect)
{
    ::AdjustWindowRectEx(&rect, kWindowStyle | WS_THICKFRAME, FALSE, kExStyle);
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() const
{
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i) {
        if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i))
            return pBar;
    }
    return nullptr;
}

// The frame fits its bars and takes the first bar's name as its title.
void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_wndDockBar.m_hWnd == nullptr)
        return;
    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
    m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectFrame(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rectFrame, GetStyle(), FALSE, GetExStyle());
    CRect rectNow;
    GetWindowRect(&rectNow);
    if (rectNow.Size() != rectFrame.Size())
        SetWindowPos(nullptr, 0, 0, rectFrame.Width(), rectFrame.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (CControlBar* pBar = GetFirstBar()) {
        CString sTitle;
        pBar->GetWindowText(sTitle);
        CString sNow;
        GetWindowText(sNow);
        if (sNow != sTitle)
            SetWindowText(sTitle);
    }
}

// Closing hides the bars, which the View menu brings back; a frame left
// without bars (they docked elsewhere) goes.
void CMiniDockFrameWnd::OnClose()
{
    if (m_wndDockBar.GetDockedCount() == 0) {
        DestroyWindow();
        return;
    }
    CFrameWnd* pDockSite = m_wndDockBar.GetDockingFrame();
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i) {
        if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i))
            pDockSite->ShowControlBar(pBar, FALSE, FALSE);
    }
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    if (pBar != nullptr && pBar->m_pDockContext != nullptr && nHitTest == HTCAPTION) {
        pBar->m_pDockContext->StartDrag(point);
        return;
    }
    if (pBar != nullptr && pBar->m_pDockContext != nullptr && nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST) {
        pBar->m_pDockContext->StartResize(static_cast<int>(nHitTest), point);
        return;
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}
