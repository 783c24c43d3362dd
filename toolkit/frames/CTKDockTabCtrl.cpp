#include "CTKDockTabCtrl.h"

#include "CTKSizeControlBar.h"
#include "CTKSizeDockBar.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CTKDockTabCtrl, CTKSkinnedTabCtrl)

BEGIN_MESSAGE_MAP(CTKDockTabCtrl, CTKSkinnedTabCtrl)
    ON_WM_CREATE()
    ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelChange)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace {

// A press must move this far before it drags a tab off the strip.
const int kDragThreshold = 4;

}  // namespace

int CTKDockTabCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTKSkinnedTabCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_font.CreatePointFont(80, "MS Sans Serif");
    SetFont(&m_font);
    SendMessage(TCM_SETPADDING, 0, MAKELPARAM(12, 4));
    return 0;
}

int CTKDockTabCtrl::FindBar(CControlBar* pBar) const
{
    if (m_hWnd == nullptr)
        return -1;
    for (int i = 0; i < GetItemCount(); ++i) {
        if (GetBar(i) == pBar)
            return i;
    }
    return -1;
}

CControlBar* CTKDockTabCtrl::GetBar(int nIndex) const
{
    TCITEM item = {};
    item.mask = TCIF_PARAM;
    if (!GetItem(nIndex, &item))
        return nullptr;
    return reinterpret_cast<CControlBar*>(item.lParam);
}

void CTKDockTabCtrl::InsertTab(int nIndex, CControlBar* pBar)
{
    CString sTitle;
    pBar->GetWindowText(sTitle);
    TCITEM item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(sTitle));
    item.lParam = reinterpret_cast<LPARAM>(pBar);
    InsertItem(nIndex, &item);
}

// The strip takes its height at the dock bar's bottom, and the frame lays
// out the dock bar with it.
void CTKDockTabCtrl::PlaceStrip()
{
    CRect rect;
    m_pDockBar->GetClientRect(&rect);
    const int nHeight = m_pDockBar->GetTabHeight();
    SetWindowPos(nullptr, 0, rect.bottom - nHeight, rect.Width(), nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if (CFrameWnd* pFrame = m_pDockBar->GetDockingFrame())
        pFrame->DelayRecalcLayout();
}

void CTKDockTabCtrl::ShowBar(CControlBar* pBar, BOOL bShow)
{
    if (CFrameWnd* pFrame = m_pDockBar->GetDockingFrame())
        pFrame->ShowControlBar(pBar, bShow, TRUE);
}

void CTKDockTabCtrl::InsertBar(CControlBar* pBar, int nIndex, BOOL bSelect)
{
    if (m_pDockBar->GetOtherSizeBar(pBar) == nullptr)
        return;
    for (int i = 0; i < m_pDockBar->m_arrBars.GetSize(); ++i) {
        CControlBar* pDocked = m_pDockBar->GetDockedControlBar(i);
        if (pDocked == nullptr || pDocked == pBar || !pDocked->IsKindOf(RUNTIME_CLASS(CTKSizeControlBar)))
            continue;
        if (FindBar(pDocked) < 0 && pDocked->IsWindowVisible())
            InsertTab(0, pDocked);
    }
    nIndex = std::max(0, std::min(nIndex, GetItemCount()));
    InsertTab(nIndex, pBar);
    SetCurSel(nIndex);
    PlaceStrip();
    if (bSelect) {
        ShowSelectedBar();
        return;
    }
    for (int i = 0; i < GetItemCount(); ++i) {
        if (i != GetCurSel())
            ShowBar(GetBar(i), FALSE);
    }
}

// A bar that leaves the strip with only one other sizable bar in the dock
// bar leaves that one alone too: a single tab groups nothing.
void CTKDockTabCtrl::RemoveBar(CControlBar* pBar)
{
    if (m_hWnd == nullptr || GetItemCount() == 0)
        return;
    CTKSizeControlBar* pOther = m_pDockBar->GetOtherSizeBar(pBar);
    int nOthers = 0;
    for (int i = 0; i < m_pDockBar->m_arrBars.GetSize(); ++i) {
        CControlBar* pDocked = m_pDockBar->GetDockedControlBar(i);
        nOthers += pDocked != nullptr && pDocked != pBar && pDocked->IsKindOf(RUNTIME_CLASS(CTKSizeControlBar));
    }
    if (nOthers == 1 && FindBar(pOther) >= 0) {
        DeleteItem(FindBar(pOther));
        ShowBar(pOther, TRUE);
    }
    const int nTab = FindBar(pBar);
    if (nTab >= 0)
        DeleteItem(nTab);
    if (m_pLastSelectedBar == pBar)
        m_pLastSelectedBar = nullptr;
    if (GetItemCount() >= 2) {
        SetCurSel(std::max(0, nTab - 1));
        ShowSelectedBar();
    }
    PlaceStrip();
}

// On a side edge the selected bar fills the dock bar above the strip; on
// the top or bottom edge it takes the length of the bar shown before.
void CTKDockTabCtrl::ShowSelectedBar()
{
    const int nSelected = GetCurSel();
    for (int i = 0; i < GetItemCount(); ++i)
        ShowBar(GetBar(i), i == nSelected);
    auto* pBar = dynamic_cast<CTKSizeControlBar*>(GetBar(nSelected));
    if (pBar == nullptr)
        return;
    const DWORD dwAlign = m_pDockBar->GetBarStyle() & CBRS_ALIGN_ANY;
    if (dwAlign & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) {
        CRect rect;
        m_pDockBar->GetClientRect(&rect);
        rect.bottom -= m_pDockBar->GetTabHeight();
        if (dwAlign & CBRS_ALIGN_LEFT)
            rect.right -= 3;
        else
            rect.left += 4;
        pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        pBar->m_VertDockSize = CSize(rect.Width(), rect.Height() + 5);
    } else if (auto* pLast = dynamic_cast<CTKSizeControlBar*>(m_pLastSelectedBar)) {
        if (pLast != pBar)
            pBar->m_HorzDockSize.cx = pLast->m_HorzDockSize.cx;
    }
    m_pLastSelectedBar = pBar;
}

void CTKDockTabCtrl::OnSelChange(NMHDR*, LRESULT* pResult)
{
    ShowSelectedBar();
    *pResult = 0;
}

int CTKDockTabCtrl::HitTestDrop(CPoint point, CControlBar*) const
{
    if (m_pDockBar == nullptr || m_pDockBar->m_hWnd == nullptr)
        return -1;
    CRect rectZone;
    m_pDockBar->GetWindowRect(&rectZone);
    rectZone.top = rectZone.bottom - kDropZoneHeight;
    if (!rectZone.PtInRect(point))
        return -1;
    TCHITTESTINFO info = {};
    info.pt = point;
    ScreenToClient(&info.pt);
    return std::max(0, HitTest(&info));
}

void CTKDockTabCtrl::MoveBarTab(int nFrom, int nTo)
{
    CControlBar* pBar = GetBar(nFrom);
    if (pBar == nullptr || nFrom == nTo)
        return;
    DeleteItem(nFrom);
    nTo = std::max(0, std::min(nTo, GetItemCount()));
    InsertTab(nTo, pBar);
    SetCurSel(nTo);
}

void CTKDockTabCtrl::MoveTab(int nFrom, int nTo, CPoint point)
{
    CRect rectTarget;
    if (nFrom == nTo || !GetItemRect(nTo, &rectTarget))
        return;
    const LONG nMiddle = rectTarget.CenterPoint().x;
    if ((nTo > nFrom && point.x > nMiddle) || (nTo < nFrom && point.x < nMiddle))
        MoveBarTab(nFrom, nTo);
}

void CTKDockTabCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_ptDown = point;
    CTKSkinnedTabCtrl::OnLButtonDown(nFlags, point);
}

// A tab pulled off with the button held hands its bar to the bar's own
// drag, which then follows the mouse. A toolbar has no tab here: only
// sizable bars are grouped.
void CTKDockTabCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    const BOOL bPulled = (nFlags & MK_LBUTTON) != 0 &&
                         (std::abs(point.x - m_ptDown.x) >= kDragThreshold ||
                          std::abs(point.y - m_ptDown.y) >= kDragThreshold);
    TCHITTESTINFO info = {};
    info.pt = point;
    const int nTab = bPulled ? HitTest(&info) : -1;
    auto* pBar = nTab >= 0 ? dynamic_cast<CTKSizeControlBar*>(GetBar(nTab)) : nullptr;
    if (pBar == nullptr) {
        CTKSkinnedTabCtrl::OnMouseMove(nFlags, point);
        return;
    }
    pBar->CalcGrabOffset(CPoint(0, 0));
    pBar->m_bDragging = TRUE;
    pBar->SetCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
}
