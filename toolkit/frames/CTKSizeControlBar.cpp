#include "CTKSizeControlBar.h"

#include "CTKDragDockContext.h"
#include "CTKSharedMouseHook.h"
#include "CTKSizableMiniDockFrameWnd.h"
#include "CTKSizeDockBar.h"
#include "CTKWindowGeometry.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CTKSizeControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CTKSizeControlBar, CControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CONTEXTMENU()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(TKSBM_FILLCONTEXTMENU, OnFillContextMenu)
    ON_MESSAGE(TKSBM_REFRESHFRAME, OnRefreshFrame)
END_MESSAGE_MAP()

std::unique_ptr<std::vector<CTKSizeControlBar*>> CTKSizeControlBar::s_pBarList;

namespace {

const int kDragThreshold = 4;  // pixels the mouse moves before an immediate drag starts
const int kLeastGrabOffset = 5;
const int kGrabOffsetRightMargin = 20;
const int kDockedGrabOffsetY = 10;

CTKSharedMouseHook& SizeBarMouseHook();

LRESULT CALLBACK SizeBarMouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    return SizeBarMouseHook().OnHook(nCode, wParam, lParam);
}

// The size bar a window is, or lies in.
CTKSizeControlBar* SizeBarOf(HWND hWnd)
{
    return static_cast<CTKSizeControlBar*>(
        CTKSharedMouseHook::FindWindowOfClass(hWnd, RUNTIME_CLASS(CTKSizeControlBar)));
}

void RedrawButtonsOfBarLeft(HWND hWndLeft, HWND hWndNow)
{
    CTKSizeControlBar* pLeft = SizeBarOf(hWndLeft);
    if (pLeft != nullptr && pLeft != SizeBarOf(hWndNow) && pLeft->m_hWnd != nullptr) {
        CWindowDC dc(pLeft);
        if (!(pLeft->GetSizeBarStyle() & TKSBS_NOCLOSEBUTTON))
            pLeft->DrawCloseButton(&dc);
        if (!(pLeft->GetSizeBarStyle() & TKSBS_NOEXPANDBUTTON))
            pLeft->DrawExpandButton(&dc);
    }
}

CTKSharedMouseHook& SizeBarMouseHook()
{
    static CTKSharedMouseHook s_hook(&SizeBarMouseHookProc, &RedrawButtonsOfBarLeft);
    return s_hook;
}

BOOL IsFocusIn(HWND hWnd)
{
    HWND hFocus = ::GetFocus();
    return hFocus != nullptr && (hFocus == hWnd || ::IsChild(hWnd, hFocus));
}

}  // namespace

CTKSizeControlBar::CTKSizeControlBar(DWORD dwSizeBarStyle) : m_dwSizeBarStyle(dwSizeBarStyle)
{
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
    if (dwSizeBarStyle & TKSBS_SHAREDLIST) {
        if (!s_pBarList)
            s_pBarList = std::make_unique<std::vector<CTKSizeControlBar*>>();
        s_pBarList->push_back(this);
    }
}

// The window goes first, while the bar is still whole for its messages.
CTKSizeControlBar::~CTKSizeControlBar()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (!s_pBarList)
        return;
    auto it = std::find(s_pBarList->rbegin(), s_pBarList->rend(), this);
    if (it != s_pBarList->rend())
        s_pBarList->erase(std::next(it).base());
    if (s_pBarList->empty())
        s_pBarList.reset();
}

const CTKSharedMouseHook& CTKSizeControlBar::GetMouseHook()
{
    return SizeBarMouseHook();
}

// --- creation -----------------------------------------------------------------

BOOL CTKSizeControlBar::Create(CWnd* pParentWnd, LPCTSTR lpszTitle, UINT nID, DWORD dwStyle, const RECT& rect)
{
    return Create(nullptr, lpszTitle, dwStyle, rect, pParentWnd, nID, nullptr);
}

BOOL CTKSizeControlBar::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                               CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    const DWORD dwWindowStyle = SplitBarStyle(dwStyle);
    CRect rectBar(rect);
    if (rectBar == CFrameWnd::rectDefault && pParentWnd != nullptr) {
        CRect rectParent;
        pParentWnd->GetClientRect(&rectParent);
        const int nWidth = rectParent.Width();
        const int nHeight = rectParent.Height();
        rectBar.SetRect(nWidth - nWidth / 2, nHeight - nHeight / 4, nWidth, nHeight);
    }
    m_FloatSize = m_HorzDockSize = rectBar.Size();
    m_VertDockSize = CSize(rectBar.Height(), rectBar.Width());
    LPCTSTR lpszClass = lpszClassName != nullptr ? lpszClassName : AfxDefaultWndClass(COLOR_BTNFACE);
    if (!CreateEx(0, lpszClass, lpszWindowName, dwWindowStyle | WS_CLIPCHILDREN, rectBar, pParentWnd, nID))
        return FALSE;
    AttachToFrame(pParentWnd);
    return TRUE;
}

int CTKSizeControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    SizeBarMouseHook().AddWindow();
    return 0;
}

// The hook stays while any size bar has a window.
void CTKSizeControlBar::OnDestroy()
{
    SizeBarMouseHook().RemoveWindow();
    CControlBar::OnDestroy();
}

// --- attributes ---------------------------------------------------------------

void CTKSizeControlBar::SetSizeBarStyle(DWORD dwStyle)
{
    m_dwSizeBarStyle = dwStyle;
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

CTKSizeDockBar* CTKSizeControlBar::GetSizeDockBar() const
{
    if (m_pDockBar == nullptr || !m_pDockBar->IsKindOf(RUNTIME_CLASS(CTKSizeDockBar)))
        return nullptr;
    return static_cast<CTKSizeDockBar*>(m_pDockBar);
}

CTKDockTabCtrl* CTKSizeControlBar::GetDockTabCtrl() const
{
    CTKSizeDockBar* pDockBar = GetSizeDockBar();
    if (pDockBar == nullptr || pDockBar->m_wndDockTabCtrl.FindBar(const_cast<CTKSizeControlBar*>(this)) < 0)
        return nullptr;
    return &pDockBar->m_wndDockTabCtrl;
}

BOOL CTKSizeControlBar::CanExpand() const
{
    CTKSizeDockBar* pDockBar = GetSizeDockBar();
    if (pDockBar == nullptr || IsFloating())
        return FALSE;
    const CTKDockTabCtrl& tabs = pDockBar->m_wndDockTabCtrl;
    if (tabs.m_hWnd != nullptr && tabs.GetItemCount() > 0)
        return FALSE;
    CRect rect;
    GetWindowRect(&rect);
    return pDockBar->CountBarsInRowAt(const_cast<CTKSizeControlBar*>(this), rect) >= 1;
}

// --- docking and layout -------------------------------------------------------

void CTKSizeControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    if (m_pDockContext == nullptr)
        m_pDockContext = new CTKDragDockContext(this);
    if (GetOwner() == nullptr && GetParent() != nullptr)
        SetOwner(GetParent());
}

// A framework dock bar stretches a bar alone in its row along its edge;
// the size dock bars give the sizes themselves.
CSize CTKSizeControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const CSize sizeStretched = CControlBar::CalcFixedLayout(bStretch, bHorz);
    if (IsFloating())
        return m_FloatSize;
    CSize size = bHorz ? m_HorzDockSize : m_VertDockSize;
    if (bStretch && GetSizeDockBar() == nullptr) {
        size.cx = std::max<LONG>(size.cx, sizeStretched.cx);
        size.cy = std::max<LONG>(size.cy, sizeStretched.cy);
    }
    return size;
}

void CTKSizeControlBar::OnSizedOrDocked(int, int, BOOL, int)
{
}

// --- non-client area and caption -----------------------------------------------

CPoint CTKSizeControlBar::ClientToWindow(CPoint point) const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    ClientToScreen(&point);
    return CPoint(point.x - rectWindow.left, point.y - rectWindow.top);
}

void CTKSizeControlBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    Default();
    CRect rectWindow(lpncsp->rgrc[0]);
    CRect rectClient(0, 0, rectWindow.Width(), rectWindow.Height());
    GetDockbarSkin()->CalcClientRect(this, &rectClient);
    rectClient.OffsetRect(rectWindow.TopLeft());
    lpncsp->rgrc[0] = rectClient;
}

void CTKSizeControlBar::OnNcPaint()
{
    DrawNonClient();
}

void CTKSizeControlBar::DrawNonClient()
{
    CWindowDC dc(this);
    const CRect rectWindow = CTKWindowGeometry::WindowRect(this);
    const CRect rectClient = CTKWindowGeometry::ClientRectInWindow(this);
    dc.ExcludeClipRect(&rectClient);
    dc.IntersectClipRect(&rectWindow);
    CTKDockbarSkin* pSkin = GetDockbarSkin();
    pSkin->DrawBackground(&dc, &rectWindow, this);
    pSkin->LayoutCaption(this);
    if (!(m_dwSizeBarStyle & TKSBS_NOCAPTION))
        DrawCaption(&dc);
    if (!(m_dwSizeBarStyle & TKSBS_NOCLOSEBUTTON))
        DrawCloseButton(&dc);
    if (!(m_dwSizeBarStyle & TKSBS_NOEXPANDBUTTON))
        DrawExpandButton(&dc);
    if (m_bHighlight) {
        CRect rectFrame = rectWindow;
        rectFrame.InflateRect(1, 1);
        CBrush brush(pSkin->GetFrameColor());
        dc.FrameRect(&rectFrame, &brush);
    }
}

void CTKSizeControlBar::DrawCaption(CDC* pDC)
{
    GetDockbarSkin()->DrawCaption(pDC, this);
}

void CTKSizeControlBar::DrawCloseButton(CDC* pDC)
{
    GetDockbarSkin()->DrawCloseButton(pDC, this);
}

void CTKSizeControlBar::DrawExpandButton(CDC* pDC)
{
    GetDockbarSkin()->DrawExpandButton(pDC, this);
}

void CTKSizeControlBar::OnPaint()
{
    ValidateRect(nullptr);
}

BOOL CTKSizeControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

// Reports a new size or floating state once; any move or resize ends the
// expanded look.
void CTKSizeControlBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CControlBar::OnWindowPosChanged(lpwndpos);
    CRect rectClient;
    GetClientRect(&rectClient);
    const int nFloating = (m_pDockBar == nullptr || IsFloating()) ? 1 : 0;
    int nFlags = 0;
    if (rectClient.Width() != m_nLastCx || rectClient.Height() != m_nLastCy)
        nFlags |= 1;
    if (nFloating != m_nLastFloating)
        nFlags |= 2;
    if (nFlags != 0) {
        m_nLastCx = rectClient.Width();
        m_nLastCy = rectClient.Height();
        m_nLastFloating = nFloating;
        OnSizedOrDocked(m_nLastCx, m_nLastCy, nFloating, nFlags);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    }
    GetDockbarSkin()->LayoutCaption(this);
    if (m_bExpanded) {
        m_bExpanded = FALSE;
        CWindowDC dc(this);
        DrawExpandButton(&dc);
    }
}

// Docked, the caption and border belong to the bar's mouse handling.
LRESULT CTKSizeControlBar::OnNcHitTest(CPoint point)
{
    if (IsFloating())
        return Default();
    CRect rect;
    GetWindowRect(&rect);
    return rect.PtInRect(point) ? HTCLIENT : HTNOWHERE;
}

BOOL CTKSizeControlBar::OnSetCursor(CWnd* pWnd, UINT, UINT)
{
    if (pWnd != this)
        return FALSE;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

// --- caption buttons and the immediate drag -------------------------------------

BOOL CTKSizeControlBar::IsImmediateDragAllowed()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    return pMainWnd != nullptr && pMainWnd->SendMessage(TKSBM_QUERYIMMEDIATEDRAG) != 0;
}

void CTKSizeControlBar::RedrawCaptionButtons()
{
    CWindowDC dc(this);
    if (!(m_dwSizeBarStyle & TKSBS_NOCLOSEBUTTON))
        DrawCloseButton(&dc);
    if (!(m_dwSizeBarStyle & TKSBS_NOEXPANDBUTTON))
        DrawExpandButton(&dc);
}

void CTKSizeControlBar::PressCaptionButton(CPoint ptWindow)
{
    if (m_rectCloseButton.PtInRect(ptWindow))
        m_nPressedButton = TKSB_PRESSED_CLOSE;
    else if (m_rectExpandButton.PtInRect(ptWindow) && CanExpand())
        m_nPressedButton = TKSB_PRESSED_EXPAND;
    else
        return;
    m_nButtonDown = m_nPressedButton;
    SetCapture();
    RedrawCaptionButtons();
}

// The button pressed shows pushed only while the mouse is over it.
void CTKSizeControlBar::TrackPressedButton(CPoint ptWindow)
{
    if (m_nButtonDown == TKSB_PRESSED_CLOSE && m_rectCloseButton.PtInRect(ptWindow))
        m_nPressedButton = TKSB_PRESSED_CLOSE;
    else if (m_nButtonDown == TKSB_PRESSED_EXPAND && m_rectExpandButton.PtInRect(ptWindow) && CanExpand())
        m_nPressedButton = TKSB_PRESSED_EXPAND;
    else
        m_nPressedButton = TKSB_PRESSED_NONE;
}

// A press that starts and ends on the close button hides the bar; on the
// expand button it expands the bar in its row, or gives the row back.
void CTKSizeControlBar::ReleaseCaptionButton(CPoint ptWindow)
{
    const int nButtonDown = m_nButtonDown;
    m_nButtonDown = TKSB_PRESSED_NONE;
    m_nPressedButton = TKSB_PRESSED_NONE;
    RedrawCaptionButtons();
    if (GetCapture() != this)
        return;
    ReleaseCapture();
    if (nButtonDown == TKSB_PRESSED_CLOSE && m_rectCloseButton.PtInRect(ptWindow)) {
        ShowBar(FALSE);
    } else if (nButtonDown == TKSB_PRESSED_EXPAND && m_rectExpandButton.PtInRect(ptWindow) && IsDocked()) {
        if (CTKSizeDockBar* pDockBar = GetSizeDockBar())
            pDockBar->ExpandBar(this, !m_bExpanded);
    }
}

void CTKSizeControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IsDocked()) {
        CControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    m_nPressedButton = TKSB_PRESSED_NONE;
    const CPoint ptWindow = ClientToWindow(point);
    if (m_rectCloseButton.PtInRect(ptWindow) || m_rectExpandButton.PtInRect(ptWindow)) {
        PressCaptionButton(ptWindow);
        return;
    }
    if (IsImmediateDragAllowed()) {
        m_ptDown = point;
        m_bDragPending = TRUE;
        return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}

void CTKSizeControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        MoveImmediateDrag(point, (nFlags & MK_CONTROL) != 0);
        return;
    }
    if (m_bDragPending) {
        if (!(nFlags & MK_LBUTTON))
            m_bDragPending = FALSE;
        else if (std::abs(point.x - m_ptDown.x) >= kDragThreshold || std::abs(point.y - m_ptDown.y) >= kDragThreshold)
            StartImmediateDrag(point);
        return;
    }
    if (GetCapture() == this)
        TrackPressedButton(ClientToWindow(point));
    RedrawCaptionButtons();
    CControlBar::OnMouseMove(nFlags, point);
}

void CTKSizeControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bDragPending = FALSE;
    if (m_bDragging) {
        m_bDragging = FALSE;
        ReleaseCapture();
        return;
    }
    if (m_nButtonDown == TKSB_PRESSED_NONE) {
        CControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    ReleaseCaptionButton(ClientToWindow(point));
}

// A bar that leaves its dock bar leaves its tab there too, whichever way it
// leaves: a stale tab would hide and move a bar docked elsewhere.
void CTKSizeControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!IsDocked() || OnToolHitTest(point, nullptr) != -1) {
        CControlBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    LeaveTabGroup();
    if (m_pDockContext != nullptr)
        m_pDockContext->ToggleDocking();
}

void CTKSizeControlBar::LeaveTabGroup()
{
    CTKSizeDockBar* pDockBar = GetSizeDockBar();
    if (pDockBar != nullptr && !IsFloating() && pDockBar->m_wndDockTabCtrl.FindBar(this) >= 0)
        pDockBar->m_wndDockTabCtrl.RemoveBar(this);
}

void CTKSizeControlBar::CalcGrabOffset(CPoint point)
{
    CRect rect;
    GetWindowRect(&rect);
    ScreenToClient(&rect);
    const int nFloatWidth = m_FloatSize.cx;
    double dShare = 0;
    if (IsDocked() && (m_dwStyle & CBRS_ORIENT_HORZ))
        dShare = rect.Height() != 0 ? double(rect.bottom - point.y) / rect.Height() : 0;
    else
        dShare = rect.Width() != 0 ? double(point.x - rect.left) / rect.Width() : 0;
    const int cx = static_cast<int>(nFloatWidth * dShare);
    m_sizeGrabOffset.cx = std::min(std::max(cx, kLeastGrabOffset), nFloatWidth - kGrabOffsetRightMargin);
    m_sizeGrabOffset.cy = IsDocked() ? kDockedGrabOffsetY : point.y - rect.top;
}

void CTKSizeControlBar::StartImmediateDrag(CPoint point)
{
    m_bDragPending = FALSE;
    CalcGrabOffset(point);
    m_bDragging = TRUE;
    SetCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
}

// The bar follows the mouse: docked into the size dock bar under it unless
// Ctrl is held, else floating with the grab offset under the mouse.
void CTKSizeControlBar::MoveImmediateDrag(CPoint point, BOOL bControl)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    CFrameWnd* pFrame = GetDockingFrame();
    if (pMainWnd == nullptr || !pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) || pFrame == nullptr) {
        m_bDragging = FALSE;
        ReleaseCapture();
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    MSG msg;
    while (::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);
    if (m_pDockContext == nullptr) {
        pFrame->FloatControlBar(this, ptScreen, CBRS_ALIGN_TOP);
        return;
    }
    CTKSizeDockBar* pDockBar = bControl ? nullptr : CTKSizeDockBar::FindDockBarAtPoint(ptScreen, this);
    if (pDockBar != nullptr) {
        CRect rectBar;
        GetWindowRect(&rectBar);
        CRect rectDrop(ptScreen, rectBar.Size());
        pDockBar->DockControlBar(this, &rectDrop);
        return;
    }
    LeaveTabGroup();
    pFrame->FloatControlBar(this, ptScreen - m_sizeGrabOffset, CBRS_ALIGN_TOP);
}

// --- show, hide and focus -------------------------------------------------------

void CTKSizeControlBar::ShowBar(BOOL bShow)
{
    if (!bShow == !IsVisible())
        return;
    CFrameWnd* pFrame = GetDockingFrame();
    CTKSizeDockBar* pDockBar = IsDocked() ? GetSizeDockBar() : nullptr;
    if (pFrame == nullptr)
        return;
    if (bShow) {
        if (CTKDockTabCtrl* pTabs = GetDockTabCtrl()) {
            pTabs->SetCurSel(pTabs->FindBar(this));
            pTabs->ShowSelectedBar();
            return;
        }
        pFrame->ShowControlBar(this, TRUE, TRUE);
        if (pDockBar != nullptr && m_nSavedTabIndex >= 0 && pDockBar->GetRowBarCount(this) > 1)
            pDockBar->m_wndDockTabCtrl.InsertBar(this, m_nSavedTabIndex, TRUE);
        return;
    }
    pFrame->ShowControlBar(this, FALSE, TRUE);
    if (pDockBar == nullptr)
        return;
    CTKDockTabCtrl& tabs = pDockBar->m_wndDockTabCtrl;
    if (tabs.m_hWnd != nullptr && tabs.GetItemCount() > 0) {
        m_nSavedTabIndex = tabs.FindBar(this);
        tabs.RemoveBar(this);
    }
}

void CTKSizeControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    const BOOL bFocusInside = IsFocusIn(m_hWnd);
    if (bFocusInside != m_bActive)
        SetActive(bFocusInside, FALSE);
}

void CTKSizeControlBar::SetActive(BOOL bActive, BOOL bDeactivateOthers)
{
    m_bActive = bActive;
    if (bActive && !IsFocusIn(m_hWnd))
        GiveFocusInside();
    if (bDeactivateOthers)
        DeactivateOtherBars();
    RedrawCaption();
}

// The bar, then its first child, that child's first child and so on, until
// one keeps the focus or hands it on inside the bar.
void CTKSizeControlBar::GiveFocusInside()
{
    for (CWnd* pWnd = this; pWnd != nullptr; pWnd = pWnd->GetWindow(GW_CHILD)) {
        pWnd->SetFocus();
        HWND hFocus = ::GetFocus();
        if (hFocus == pWnd->m_hWnd || (hFocus != nullptr && ::IsChild(m_hWnd, hFocus)))
            return;
    }
}

void CTKSizeControlBar::DeactivateOtherBars()
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr)
        return;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (pBar == this || !pBar->IsKindOf(RUNTIME_CLASS(CTKSizeControlBar)))
            continue;
        auto* pSizeBar = static_cast<CTKSizeControlBar*>(pBar);
        if (pSizeBar->m_bActive)
            pSizeBar->SetActive(FALSE, FALSE);
    }
}

void CTKSizeControlBar::RedrawCaption()
{
    if (m_hWnd == nullptr)
        return;
    CRect rect = m_rectCaption;
    rect.OffsetRect(-CTKWindowGeometry::ClientRectInWindow(this).TopLeft());
    RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

// --- the shared bar list ------------------------------------------------------------

void CTKSizeControlBar::DestroyBarsOfFrame(CFrameWnd* pFrame)
{
    if (!s_pBarList)
        return;
    for (size_t i = s_pBarList->size(); i-- > 0;) {
        if (!s_pBarList || i >= s_pBarList->size())
            continue;
        CTKSizeControlBar* pBar = (*s_pBarList)[i];
        if (pBar->m_hWnd != nullptr && pBar->GetTopLevelFrame() == pFrame)
            pBar->DestroyWindow();
        if (pBar->m_hWnd == nullptr)
            delete pBar;
    }
}

// --- context menu -------------------------------------------------------------------

void CTKSizeControlBar::FillContextMenu(CMenu* pMenu)
{
    CString sText;
    const BOOL bDockingEnabled = (m_dwDockStyle & CBRS_ALIGN_ANY) != 0;
    if (bDockingEnabled || m_dwSavedDockStyle != 0) {
        sText.LoadString(ID_TKSB_ALLOW_DOCKING);
        pMenu->AppendMenu(MF_STRING | (bDockingEnabled ? MF_CHECKED : MF_UNCHECKED), ID_TKSB_ALLOW_DOCKING, sText);
    }
    sText.LoadString(ID_TKSB_HIDE);
    pMenu->AppendMenu(MF_STRING, ID_TKSB_HIDE, sText);
}

void CTKSizeControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!(m_dwSizeBarStyle & TKSBS_CONTEXTMENU)) {
        Default();
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    FillContextMenu(&menu);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
    menu.DestroyMenu();
}

LRESULT CTKSizeControlBar::OnFillContextMenu(WPARAM, LPARAM lParam)
{
    FillContextMenu(CMenu::FromHandle(reinterpret_cast<HMENU>(lParam)));
    return 1;
}

LRESULT CTKSizeControlBar::OnRefreshFrame(WPARAM, LPARAM)
{
    CWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CTKSizableMiniDockFrameWnd)))
        static_cast<CTKSizableMiniDockFrameWnd*>(pFrame)->GetFrameKind();
    return 1;
}

// The context menu's commands are the bar's own, before the frame's.
BOOL CTKSizeControlBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0 && LOWORD(wParam) == ID_TKSB_HIDE) {
        HideFromMenu();
        return TRUE;
    }
    if (lParam == 0 && LOWORD(wParam) == ID_TKSB_ALLOW_DOCKING) {
        ToggleAllowDocking();
        return TRUE;
    }
    return CControlBar::OnCommand(wParam, lParam);
}

void CTKSizeControlBar::HideFromMenu()
{
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->ShowControlBar(this, FALSE, FALSE);
}

// Off: the dock style is kept and a docked bar floats; on: the kept style
// comes back.
void CTKSizeControlBar::ToggleAllowDocking()
{
    if (m_dwDockStyle & CBRS_ALIGN_ANY) {
        m_dwSavedDockStyle = m_dwDockStyle;
        if (IsDocked() && m_pDockContext != nullptr)
            m_pDockContext->ToggleDocking();
        m_dwDockStyle = 0;
        return;
    }
    EnableDocking(m_dwSavedDockStyle);
}
