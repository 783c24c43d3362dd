// CFrameWnd, its docking half: the dock bars on the frame's edges, docking
// and floating its bars, the dock test of a drag, and taking and putting
// back the layout of the bars (CDockState).
#include "CFrameWnd.h"

#include "CControlBar.h"
#include "CDockBar.h"
#include "CDockContext.h"
#include "CDockState.h"
#include "CMiniDockFrameWnd.h"
#include "CMemoryException.h"

#include <set>

namespace {

// The edges in the order their dock bars are made and searched: top and
// bottom run the frame's width, left and right lie between them.
const struct DockEdge {
    UINT nDockBarID;
    DWORD dwAlign;
} kDockEdges[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
};

// A rectangle on no present monitor is moved into the work area of the
// nearest one, so a floating bar saved on a monitor since removed can be
// reached again.
CPoint OnNearestWorkArea(CPoint point, CSize size)
{
    CRect rect(point, size);
    if (::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr)
        return point;
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfo(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        return point;
    const CRect rectWork(info.rcWork);
    point.x = std::max(rectWork.left, std::min(point.x, rectWork.right - size.cx));
    point.y = std::max(rectWork.top, std::min(point.y, rectWork.bottom - size.cy));
    return point;
}

CDockBar* AsDockBar(CControlBar* pBar)
{
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CDockBar)) ? static_cast<CDockBar*>(pBar) : nullptr;
}

}  // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (m_pFloatingFrameClass == nullptr)
        m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const DockEdge& edge : kDockEdges) {
        if (!(m_dwDockStyle & edge.dwAlign) || GetControlBar(edge.nDockBarID) != nullptr)
            continue;
        auto* pDockBar = new CDockBar;
        if (!pDockBar->Create(this, WS_CHILD | WS_VISIBLE | edge.dwAlign, edge.nDockBarID)) {
            delete pDockBar;
            AfxThrowMemoryException();
        }
        pDockBar->m_bAutoDelete = TRUE;
    }
}

CDockBar* CFrameWnd::GetDockBarOfStyle(DWORD dwBarStyle)
{
    for (const DockEdge& edge : kDockEdges) {
        if (dwBarStyle & edge.dwAlign) {
            if (CDockBar* pDockBar = AsDockBar(GetControlBar(edge.nDockBarID)))
                return pDockBar;
        }
    }
    return nullptr;
}

// Without dock bars (a frame that never enabled docking) the bar keeps
// taking its strip of the frame directly, on the dock bar id's edge.
void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = nDockBarID == 0 ? GetDockBarOfStyle(pBar->GetBarStyle())
                                         : AsDockBar(GetControlBar(nDockBarID));
    if (pDockBar != nullptr) {
        DockControlBar(pBar, pDockBar, lpRect);
        return;
    }
    for (const DockEdge& edge : kDockEdges) {
        if (edge.nDockBarID == nDockBarID)
            pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | edge.dwAlign);
    }
    pBar->m_pDockSite = this;
    DelayRecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    CFrameWnd* pOldFrame = pBar->m_pDockBar != nullptr ? pBar->m_pDockBar->GetParentFrame() : nullptr;
    pBar->m_pDockSite = this;
    pDockBar->CDockBar::DockControlBar(pBar, lpRect);
    if (pOldFrame != nullptr && pOldFrame != this)
        pOldFrame->RecalcLayout();
    if (CFrameWnd* pNewFrame = pDockBar->GetParentFrame(); pNewFrame != this)
        pNewFrame->RecalcLayout();
    RecalcLayout();
}

// A bar that floats alone is moved with its frame; otherwise a new frame
// takes it.
void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    CMiniDockFrameWnd* pFrame = nullptr;
    if (pBar->IsFloating() && pBar->m_pDockBar != nullptr && pBar->m_pDockBar->GetDockedCount() == 1)
        pFrame = static_cast<CMiniDockFrameWnd*>(pBar->m_pDockBar->GetParentFrame());
    if (pFrame == nullptr) {
        pFrame = CreateFloatingFrame(dwStyle | (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC));
        DockControlBar(pBar, &pFrame->m_wndDockBar);
    }
    pFrame->RecalcLayout();
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    point = OnNearestWorkArea(point, rectFrame.Size());
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pBar->m_pDockContext != nullptr) {
        pBar->m_pDockContext->m_ptMRUFloatPos = point;
        pBar->m_pDockContext->m_dwMRUFloatStyle = dwStyle;
        pBar->m_pDockContext->m_bHasFloated = TRUE;
    }
    if (pBar->GetStyle() & WS_VISIBLE)
        pFrame->ShowWindow(SW_SHOWNA);
}

// A frame that cannot be made is out of memory as far as the caller knows.
CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass = m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass
                                                              : RUNTIME_CLASS(CMiniDockFrameWnd);
    auto* pFrame = static_cast<CMiniDockFrameWnd*>(pClass->CreateObject());
    if (pFrame == nullptr)
        AfxThrowMemoryException();
    if (!pFrame->Create(this, dwStyle)) {
        if (pFrame->m_hWnd == nullptr)
            delete pFrame;
        AfxThrowMemoryException();
    }
    return pFrame;
}

// An empty dock bar is one pixel thick for this test, so a bar can be
// dropped on an edge that holds none.
DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    for (const DockEdge& edge : kDockEdges) {
        if (!(dwDockStyle & edge.dwAlign))
            continue;
        CDockBar* pDockBar = AsDockBar(GetControlBar(edge.nDockBarID));
        if (pDockBar == nullptr || !(pDockBar->GetStyle() & WS_VISIBLE))
            continue;
        CRect rectDockBar;
        pDockBar->GetWindowRect(&rectDockBar);
        if (rectDockBar.Width() == 0)
            rectDockBar.right++;
        if (rectDockBar.Height() == 0)
            rectDockBar.bottom++;
        if (CRect().IntersectRect(rectDockBar, rect)) {
            if (ppDockBar != nullptr)
                *ppDockBar = pDockBar;
            return edge.dwAlign;
        }
    }
    return 0;
}

// A floating bar shows and hides with its frame, which stays while any of
// its bars is visible.
void CFrameWnd::ShowFloatingBar(CControlBar* pBar, BOOL bShow)
{
    pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    CDockBar* pDockBar = pBar->m_pDockBar;
    if (pDockBar == nullptr)
        return;
    CFrameWnd* pFrame = pDockBar->GetParentFrame();
    pFrame->RecalcLayout();
    pFrame->ShowWindow(pDockBar->GetDockedVisibleCount() > 0 ? SW_SHOWNA : SW_HIDE);
}

// The floating frames are no descendants of the frame: their bars get the
// idle update from here, as the docked ones get it with the frame's.
void CFrameWnd::UpdateFloatingFrames(WPARAM wParam)
{
    for (CWnd* pFloatingFrame : GetFloatingFrames()) {
        if (pFloatingFrame->IsWindowVisible())
            pFloatingFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam, 0, TRUE, TRUE);
    }
}

std::vector<CWnd*> CFrameWnd::GetFloatingFrames() const
{
    std::vector<CWnd*> frames;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CDockBar* pDockBar = AsDockBar(static_cast<CControlBar*>(m_listControlBars.GetNext(pos)));
        if (pDockBar != nullptr && pDockBar->m_bFloating)
            frames.push_back(pDockBar->GetParent());
    }
    return frames;
}

// The frame and its floating frames show one caption state: active while
// any of them has the activation.
void CFrameWnd::SetActiveCaptions(BOOL bActive)
{
    m_bStayActive = bActive && ::GetActiveWindow() != m_hWnd;
    DefWindowProc(WM_NCACTIVATE, bActive, 0);
    for (CWnd* pFloatingFrame : GetFloatingFrames())
        pFloatingFrame->SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE);
}

BOOL CFrameWnd::IsFrameOrFloating(HWND hWnd) const
{
    return hWnd != nullptr && (hWnd == m_hWnd || ::GetWindow(hWnd, GW_OWNER) == m_hWnd);
}

// --- dock state -----------------------------------------------------------

namespace {

// Where a bar or dock bar lies: in the frame's client area when docked,
// its floating frame's top left on the screen when floating.
CPoint PositionOf(const CFrameWnd* pFrame, CControlBar* pBar)
{
    CRect rect;
    if (pBar->IsFloating() || (AsDockBar(pBar) != nullptr && AsDockBar(pBar)->m_bFloating)) {
        pBar->GetParentFrame()->GetWindowRect(&rect);
        return rect.TopLeft();
    }
    pBar->GetWindowRect(&rect);
    pFrame->ScreenToClient(&rect);
    return rect.TopLeft();
}

void FillDockBarInfo(CControlBarInfo& info, const CDockBar& dockBar)
{
    info.m_bDockBar = TRUE;
    info.m_bFloating = dockBar.m_bFloating;
    info.m_bVisible = dockBar.m_bFloating ? (dockBar.GetParentFrame()->GetStyle() & WS_VISIBLE) != 0
                                          : (dockBar.GetStyle() & WS_VISIBLE) != 0;
    for (int i = 0; i < dockBar.m_arrBars.GetSize(); ++i) {
        void* pEntry = dockBar.m_arrBars[i];
        CControlBar* pBar = dockBar.GetDockedControlBar(i);
        if (pBar != nullptr)
            info.m_arrBarID.Add(static_cast<DWORD>(pBar->GetDlgCtrlID()));
        else if (pEntry != nullptr)
            info.m_arrBarID.Add(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(pEntry)) |
                                CControlBarInfo::kPlaceholderFlag);
        else
            info.m_arrBarID.Add(0);
    }
}

void FillBarInfo(CControlBarInfo& info, CControlBar& bar)
{
    info.m_bVisible = bar.IsVisible();
    info.m_bFloating = bar.IsFloating();
    info.m_nMRUWidth = bar.m_nMRUWidth;
    const CDockContext* pContext = bar.m_pDockContext;
    if (pContext == nullptr)
        return;
    info.m_bDocking = pContext->m_uMRUDockID != 0;
    info.m_uMRUDockID = pContext->m_uMRUDockID;
    info.m_rectMRUDockPos = pContext->m_rectMRUDockPos;
    info.m_dwMRUFloatStyle = pContext->m_bHasFloated ? pContext->m_dwMRUFloatStyle : 0;
    info.m_ptMRUFloatPos = pContext->m_ptMRUFloatPos;
}

}  // namespace

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        auto* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = static_cast<UINT>(pBar->GetDlgCtrlID());
        pInfo->m_bHorz = (pBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
        pInfo->m_pointPos = PositionOf(this, pBar);
        if (CDockBar* pDockBar = AsDockBar(pBar))
            FillDockBarInfo(*pInfo, *pDockBar);
        else
            FillBarInfo(*pInfo, *pBar);
        state.Add(pInfo);
    }
}

// The dock bars take their rows first (the floating ones make their frames),
// then each bar its visibility and last places; everything the frame lacks
// is skipped, so a layout of another build or a damaged one costs nothing.
void CFrameWnd::SetDockState(const CDockState& state)
{
    for (int i = 0; i < state.GetCount(); ++i) {
        CControlBarInfo* pInfo = state.GetAt(i);
        CControlBar* pBar = pInfo->m_bDockBar ? nullptr : GetControlBar(pInfo->m_nBarID);
        pInfo->m_pBar = AsDockBar(pBar) != nullptr ? nullptr : pBar;
        if (pInfo->m_pBar != nullptr)
            pInfo->m_pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
    }
    SetDockBarRows(state);
    SetFloatingRows(state);
    SetBarStates(state);
    RecalcLayout();
}

namespace {

// The bar of a saved id: one the state names and the frame has, placed at
// most once (two bars may share an id).
CControlBar* BarOfID(const CDockState& state, DWORD dwID, std::set<CControlBar*>& placed)
{
    for (int i = 0; i < state.GetCount(); ++i) {
        CControlBar* pBar = state.GetAt(i)->m_pBar;
        if (pBar != nullptr && state.GetAt(i)->m_nBarID == dwID && placed.insert(pBar).second)
            return pBar;
    }
    return nullptr;
}

void EntriesOf(const CDockState& state, const CControlBarInfo& info, std::set<CControlBar*>& placed,
               CPtrArray& arrEntries)
{
    for (int i = 0; i < info.m_arrBarID.GetSize(); ++i) {
        const DWORD dwID = info.m_arrBarID[i];
        if (dwID == 0)
            arrEntries.Add(nullptr);
        else if (dwID & CControlBarInfo::kPlaceholderFlag)
            arrEntries.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(dwID & 0xFFFF)));
        else if (CControlBar* pBar = BarOfID(state, dwID, placed))
            arrEntries.Add(pBar);
    }
}

}  // namespace

void CFrameWnd::SetDockBarRows(const CDockState& state)
{
    std::set<CControlBar*> placed;
    for (int i = 0; i < state.GetCount(); ++i) {
        const CControlBarInfo& info = *state.GetAt(i);
        CDockBar* pDockBar = info.m_bDockBar && !info.m_bFloating ? AsDockBar(GetControlBar(info.m_nBarID)) : nullptr;
        if (pDockBar == nullptr || pDockBar->m_bFloating)
            continue;
        CPtrArray arrEntries;
        EntriesOf(state, info, placed, arrEntries);
        pDockBar->SetRows(arrEntries);
    }
}

// Each saved floating dock bar gets a frame of its own at its saved place
// (brought onto a present monitor); its first bar makes the frame.
void CFrameWnd::SetFloatingRows(const CDockState& state)
{
    std::set<CControlBar*> placed;
    for (int i = 0; i < state.GetCount(); ++i) {
        const CControlBarInfo& info = *state.GetAt(i);
        if (!info.m_bDockBar || !info.m_bFloating)
            continue;
        CPtrArray arrEntries;
        EntriesOf(state, info, placed, arrEntries);
        CDockBar* pFloatingDockBar = nullptr;
        for (int j = 0; j < arrEntries.GetSize(); ++j) {
            auto* pBar = static_cast<CControlBar*>(arrEntries[j]);
            if (pBar == nullptr || reinterpret_cast<UINT_PTR>(pBar) < 0x10000)
                continue;
            if (pFloatingDockBar == nullptr) {
                FloatControlBar(pBar, info.m_pointPos, CBRS_ALIGN_TOP);
                pFloatingDockBar = pBar->m_pDockBar;
            } else {
                DockControlBar(pBar, pFloatingDockBar);
            }
        }
    }
}

// Visibility, the docked bar's own place in its row, and the last places.
void CFrameWnd::SetBarStates(const CDockState& state)
{
    for (int i = 0; i < state.GetCount(); ++i) {
        const CControlBarInfo& info = *state.GetAt(i);
        CControlBar* pBar = info.m_pBar;
        if (pBar == nullptr)
            continue;
        if (!pBar->IsFloating() && pBar->m_pDockBar != nullptr) {
            CPoint point = info.m_pointPos;
            ::MapWindowPoints(m_hWnd, pBar->m_pDockBar->m_hWnd, &point, 1);
            pBar->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ShowControlBar(pBar, info.m_bVisible, TRUE);
        if (CDockContext* pContext = pBar->m_pDockContext) {
            pContext->m_uMRUDockID = info.m_uMRUDockID;
            pContext->m_rectMRUDockPos = info.m_rectMRUDockPos;
            pContext->m_bHasFloated = info.m_dwMRUFloatStyle != 0;
            pContext->m_dwMRUFloatStyle = info.m_dwMRUFloatStyle != 0 ? info.m_dwMRUFloatStyle : CBRS_ALIGN_TOP;
            pContext->m_ptMRUFloatPos = info.m_ptMRUFloatPos;
        }
    }
}
