#include "CTKDragDockContext.h"

#include "CTKSizeControlBar.h"
#include "CTKSizeDockBar.h"
#include "res/resource.h"

#include <memory>

namespace {

// An outline nearly as long as the docking area is cut to a third of it.
const int kNearlyFull = 16;
// To a floating bar: its floating frame takes its kind and caption anew.
const UINT kMsgRefreshFloatingFrame = 0x80CD;
// Added to the floating frame a drag made.
const DWORD kDraggedFrameStyle = 0x0001;

}  // namespace

CTKDragDockContext::CTKDragDockContext(CControlBar* pBar) : CDockContext(pBar)
{
}

void CTKDragDockContext::ShowPrompt(UINT nID)
{
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->SendMessage(WM_SETMESSAGESTRING, nID);
}

// The frame's client area as its pane would have it, widened over the side
// dock bars (screen coordinates).
CRect CTKDragDockContext::GetDockingArea() const
{
    CRect rect;
    m_pDockSite->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rect);
    m_pDockSite->ClientToScreen(&rect);
    for (UINT nID : {static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT), static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT)}) {
        CControlBar* pDockBar = m_pDockSite->GetControlBar(nID);
        if (pDockBar == nullptr || !pDockBar->IsWindowVisible())
            continue;
        CRect rectDockBar;
        pDockBar->GetWindowRect(&rectDockBar);
        if (nID == AFX_IDW_DOCKBAR_LEFT)
            rect.left = std::min(rect.left, rectDockBar.left);
        else
            rect.right = std::max(rect.right, rectDockBar.right);
    }
    return rect;
}

// The docked outlines take the bar's docked sizes, the floating ones its
// floating frame; every outline is moved sideways to hold the cursor.
void CTKDragDockContext::InitRects(CPoint pt)
{
    auto* pBar = static_cast<CTKSizeControlBar*>(m_pBar);
    const CRect rectArea = GetDockingArea();
    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    const CPoint ptOrigin = rectBar.TopLeft();
    m_rectDockHorz = CRect(rectArea.left, rectBar.top, rectArea.right, rectBar.top + pBar->m_HorzDockSize.cy);
    m_rectDockVert = CRect(rectBar.left, rectArea.top, rectBar.left + pBar->m_VertDockSize.cx, rectArea.bottom);
    int nHorzLength = pBar->m_HorzDockSize.cx;
    if (nHorzLength >= rectArea.Width() - kNearlyFull)
        nHorzLength = rectArea.Width() / 3;
    int nVertLength = pBar->m_VertDockSize.cy;
    if (nVertLength >= rectArea.Height() - kNearlyFull)
        nVertLength = rectArea.Height() / 3;
    m_rectDragHorz = CRect(ptOrigin, CSize(nHorzLength, pBar->m_HorzDockSize.cy));
    m_rectDragVert = CRect(ptOrigin, CSize(pBar->m_VertDockSize.cx, nVertLength));
    m_rectFrameDragHorz = CRect(ptOrigin, pBar->m_FloatSize);
    CMiniDockFrameWnd::CalcFrameRect(m_rectFrameDragHorz);
    m_rectFrameDragVert = m_rectFrameDragHorz;
    for (CRect* pRect : {&m_rectDockHorz, &m_rectDockVert, &m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz,
                         &m_rectFrameDragVert}) {
        if (pt.x < pRect->left)
            pRect->OffsetRect(pt.x - pRect->left, 0);
        else if (pt.x >= pRect->right)
            pRect->OffsetRect(pt.x - pRect->right + 1, 0);
    }
}

void CTKDragDockContext::StartDrag(CPoint pt)
{
    if (m_pDockSite == nullptr || ::GetCapture() != nullptr || !m_pBar->IsKindOf(RUNTIME_CLASS(CTKSizeControlBar)))
        return;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_FLOATING);
    if ((m_dwDockStyle & CBRS_ALIGN_ANY) == CBRS_ALIGN_ANY)
        ShowPrompt(IDS_TK_PREVENT_DOCKING);
    MSG msg;
    while (::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);
    InitLoop();
    m_ptLast = m_ptStart = pt;
    InitRects(pt);
    m_bLockedDesktop = ::LockWindowUpdate(::GetDesktopWindow());
    m_dwOverDockStyle = CanDock();
    m_bDragging = TRUE;
    Track();
    if (m_bLockedDesktop)
        ::LockWindowUpdate(nullptr);
    m_bLockedDesktop = FALSE;
    ShowPrompt(AFX_IDS_IDLEMESSAGE);
}

// The full-length outlines follow the cursor across their dock bar only.
void CTKDragDockContext::Move(CPoint pt)
{
    const CSize offset = pt - m_ptLast;
    m_rectDockHorz.OffsetRect(0, offset.cy);
    m_rectDockVert.OffsetRect(offset.cx, 0);
    CDockContext::Move(pt);
}

// The full-length outline finds the edge; the bar-sized one must touch it
// as well. The drop outline is the bar's share of the row it would join.
DWORD CTKDragDockContext::TestSide(const CRect& rectDock, const CRect& rectDrag, DWORD dwSides, BOOL bHorz)
{
    CDockBar* pDockBar = nullptr;
    if (m_pDockSite->CanDock(rectDock, dwSides, &pDockBar) == 0)
        return 0;
    m_rectDrop = rectDock;
    const DWORD dwResult = m_pDockSite->CanDock(rectDrag, dwSides, &pDockBar);
    m_pDropDockBar = dwResult != 0 ? pDockBar : nullptr;
    if (auto* pSizeDockBar = dynamic_cast<CTKSizeDockBar*>(m_pDropDockBar)) {
        const int nOthers = pSizeDockBar->CountBarsInRowAt(m_pBar, rectDock);
        if (nOthers > 0) {
            m_rectDrop = rectDrag;
            if (bHorz)
                m_rectDrop.right = m_rectDrop.left + rectDock.Width() / (nOthers + 1);
            else
                m_rectDrop.bottom = m_rectDrop.top + rectDock.Height() / (nOthers + 1);
        }
    }
    return dwResult;
}

DWORD CTKDragDockContext::CanDock()
{
    m_pDropDockBar = nullptr;
    if (m_dwDockStyle & CBRS_ORIENT_HORZ) {
        CDockBar* pDockBar = nullptr;
        if (m_pDockSite->CanDock(m_rectDockHorz, m_dwDockStyle & CBRS_ORIENT_HORZ, &pDockBar) != 0)
            return TestSide(m_rectDockHorz, m_rectDragHorz, m_dwDockStyle & CBRS_ORIENT_HORZ, TRUE);
    }
    if (m_dwDockStyle & CBRS_ORIENT_VERT)
        return TestSide(m_rectDockVert, m_rectDragVert, m_dwDockStyle & CBRS_ORIENT_VERT, FALSE);
    return 0;
}

// A pixel inside the drop outline, as the new shell look draws it.
CRect CTKDragDockContext::GetDockingOutline() const
{
    CRect rect(m_rectDrop);
    rect.DeflateRect(1, 1);
    return rect;
}

void CTKDragDockContext::EndDrag()
{
    CancelLoop();
    if (m_ptLast == m_ptStart)
        return;
    if (m_dwOverDockStyle != 0)
        Dock();
    else
        Float();
}

// The bar docks through the framework's dock operation, which makes no
// tab. The bars of the row it joins make
// room for it.
void CTKDragDockContext::Dock()
{
    CDockBar* pDockBar = nullptr;
    if (m_pDockSite->CanDock(m_rectDrop, m_dwOverDockStyle, &pDockBar) == 0 || pDockBar == nullptr)
        return;
    auto* pBar = static_cast<CTKSizeControlBar*>(m_pBar);
    const BOOL bHorz = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) != 0;
    (bHorz ? pBar->m_HorzDockSize : pBar->m_VertDockSize) = m_rectDrop.Size();
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    auto* pOldSizeDockBar = dynamic_cast<CTKSizeDockBar*>(pOldDockBar);
    const uint32_t nOldSignature = pOldSizeDockBar != nullptr ? pOldSizeDockBar->m_nLayoutSignature : 0;
    if (pDockBar != pOldDockBar)
        LeaveTabStrip();
    CRect rectDrop(m_rectDrop);
    m_pDockSite->DockControlBar(pBar, pDockBar, &rectDrop);
    if (auto* pSizeDockBar = dynamic_cast<CTKSizeDockBar*>(pDockBar)) {
        const BOOL bSignatureChanged =
            pOldSizeDockBar != nullptr && pOldSizeDockBar->m_nLayoutSignature != nOldSignature;
        if (pOldDockBar != pDockBar || bSignatureChanged)
            pSizeDockBar->MakeRoomForBar(pBar);
        pSizeDockBar->ResetLayoutSignature();
    }
    m_pDockSite->RecalcLayout();
}

void CTKDragDockContext::Float()
{
    LeaveTabStrip();
    m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI));
    m_pBar->SendMessage(kMsgRefreshFloatingFrame);
    if (CFrameWnd* pFrame = m_pBar->GetParentFrame(); pFrame != nullptr && pFrame != m_pDockSite)
        pFrame->ModifyStyle(0, kDraggedFrameStyle);
}

// A bar that leaves its dock bar leaves its tab there: a stale tab would
// hide and move the bar wherever it lies next.
void CTKDragDockContext::LeaveTabStrip()
{
    auto* pOldSizeDockBar = dynamic_cast<CTKSizeDockBar*>(m_pBar->m_pDockBar);
    if (pOldSizeDockBar != nullptr && pOldSizeDockBar->m_wndDockTabCtrl.FindBar(m_pBar) >= 0)
        pOldSizeDockBar->m_wndDockTabCtrl.RemoveBar(m_pBar);
}

// A double click that docks or floats the bar takes its tab away too.
void CTKDragDockContext::ToggleDocking()
{
    LeaveTabStrip();
    CDockContext::ToggleDocking();
}
