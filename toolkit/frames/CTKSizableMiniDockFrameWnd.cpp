#include "CTKSizableMiniDockFrameWnd.h"

#include "AfxCancelModes.h"
#include "CTKSharedMouseHook.h"
#include "CTKSizeControlBar.h"

IMPLEMENT_DYNCREATE(CTKSizableMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CTKSizableMiniDockFrameWnd, CMiniDockFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_CLOSE()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_SYSCOMMAND()
    ON_WM_MOUSEACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_NCMOUSEMOVE()
    ON_MESSAGE(WM_NCMOUSELEAVE, OnNcMouseLeave)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCRBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

CTKSharedMouseHook& FrameMouseHook();

LRESULT CALLBACK FrameMouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    return FrameMouseHook().OnHook(nCode, wParam, lParam);
}

// The floating frame a window is, or lies in.
CTKSizableMiniDockFrameWnd* FrameOf(HWND hWnd)
{
    return static_cast<CTKSizableMiniDockFrameWnd*>(
        CTKSharedMouseHook::FindWindowOfClass(hWnd, RUNTIME_CLASS(CTKSizableMiniDockFrameWnd)));
}

void RedrawCloseButtonOfFrameLeft(HWND hWndLeft, HWND hWndNow)
{
    CTKSizableMiniDockFrameWnd* pLeft = FrameOf(hWndLeft);
    if (pLeft != nullptr && pLeft != FrameOf(hWndNow))
        pLeft->GetMiniFrameSkin()->DrawCloseButton(pLeft);
}

CTKSharedMouseHook& FrameMouseHook()
{
    static CTKSharedMouseHook s_hook(&FrameMouseHookProc, &RedrawCloseButtonOfFrameLeft);
    return s_hook;
}

BOOL IsFrameEdge(UINT nHitTest)
{
    return nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST;
}

}  // namespace

CTKSizableMiniDockFrameWnd::CTKSizableMiniDockFrameWnd() = default;

const CTKSharedMouseHook& CTKSizableMiniDockFrameWnd::GetMouseHook()
{
    return FrameMouseHook();
}

// Every frame starts sizable by all its edges; deciding its kind may take
// that back.
BOOL CTKSizableMiniDockFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_dwMiniFrameStyle = (m_dwMiniFrameStyle & ~(MFS_4THICKFRAME | MFS_MOVEFRAME)) | MFS_THICKFRAME;
    cs.style |= WS_THICKFRAME;
    return CMiniDockFrameWnd::PreCreateWindow(cs);
}

int CTKSizableMiniDockFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMiniDockFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_nFrameKind = kindUndecided;
    m_bInClose = FALSE;
    FrameMouseHook().AddWindow();
    return 0;
}

// The hook stays while any floating frame has a window.
void CTKSizableMiniDockFrameWnd::OnDestroy()
{
    FrameMouseHook().RemoveWindow();
    CMiniDockFrameWnd::OnDestroy();
}

// --- the frame's kind -----------------------------------------------------------

BOOL CTKSizableMiniDockFrameWnd::IsMultiBarFrame() const
{
    return (m_wndDockBar.GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
}

CTKSizeControlBar* CTKSizableMiniDockFrameWnd::GetSingleSizeBar() const
{
    if (IsMultiBarFrame())
        return nullptr;
    CControlBar* pBar = GetFirstBar();
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CTKSizeControlBar)))
        return nullptr;
    return static_cast<CTKSizeControlBar*>(pBar);
}

int CTKSizableMiniDockFrameWnd::GetFrameKind()
{
    if (m_nFrameKind != kindUndecided)
        return m_nFrameKind;
    m_nFrameKind = kindMiniDockFrame;
    if (CTKSizeControlBar* pSizeBar = GetSingleSizeBar()) {
        m_nFrameKind = kindSizeBarFrame;
        ReduceSystemMenu((pSizeBar->GetSizeBarStyle() & TKSBS_DELETEONCLOSE) != 0);
        return m_nFrameKind;
    }
    CControlBar* pBar = IsMultiBarFrame() ? nullptr : GetFirstBar();
    if (pBar != nullptr && (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC)) {
        m_dwMiniFrameStyle |= MFS_4THICKFRAME;
        return m_nFrameKind;
    }
    m_dwMiniFrameStyle = (m_dwMiniFrameStyle & ~(MFS_THICKFRAME | MFS_4THICKFRAME)) | MFS_MOVEFRAME;
    ModifyStyle(WS_THICKFRAME, 0, SWP_FRAMECHANGED);
    RecalcLayout();
    return m_nFrameKind;
}

// Move, Size and Close only; Close names the framework's Hide when closing
// only hides the bar.
void CTKSizableMiniDockFrameWnd::ReduceSystemMenu(BOOL bCloseDeletesBar)
{
    GetSystemMenu(TRUE);
    CMenu* pMenu = GetSystemMenu(FALSE);
    if (pMenu == nullptr)
        return;
    for (int nPos = static_cast<int>(pMenu->GetMenuItemCount()) - 1; nPos >= 0; --nPos) {
        const UINT nID = pMenu->GetMenuItemID(nPos);
        if (nID == 0 || nID == SC_MAXIMIZE || nID == SC_MINIMIZE || nID == SC_RESTORE || nID == SC_TASKLIST)
            pMenu->DeleteMenu(static_cast<UINT>(nPos), MF_BYPOSITION);
    }
    if (bCloseDeletesBar)
        return;
    CString sHide;
    sHide.LoadString(AFX_IDS_HIDE);
    pMenu->ModifyMenu(SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, sHide);
}

// --- size, cursors and closing --------------------------------------------------

// A sizable bar keeps the frame's size for its next float.
void CTKSizableMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CTKSizeControlBar* pBar = GetSingleSizeBar();
    if (cx != 0 && cy != 0 && pBar != nullptr && (pBar->GetStyle() & WS_VISIBLE))
        pBar->m_FloatSize = CSize(cx, cy);
    CMiniDockFrameWnd::OnSize(nType, cx, cy);
}

LPCTSTR CTKSizableMiniDockFrameWnd::CursorForHitTest(UINT nHitTest)
{
    switch (nHitTest) {
    case HTTOP:
    case HTBOTTOM:
        return IDC_SIZENS;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return IDC_SIZENESW;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return IDC_SIZENWSE;
    case HTLEFT:
    case HTRIGHT:
        return IDC_SIZEWE;
    default:
        return IDC_ARROW;
    }
}

BOOL CTKSizableMiniDockFrameWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bHelpMode != HELP_INACTIVE)
        return CMiniDockFrameWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursor(nullptr, CursorForHitTest(nHitTest)));
    return TRUE;
}

// A bar that closing deletes goes with its frame; other bars are hidden.
void CTKSizableMiniDockFrameWnd::OnClose()
{
    if (m_bInClose)
        return;
    CTKSizeControlBar* pBar = GetSingleSizeBar();
    if (pBar != nullptr && (pBar->GetSizeBarStyle() & TKSBS_DELETEONCLOSE)) {
        m_bInClose = TRUE;
        DestroyWindow();
        delete pBar;
        return;
    }
    m_bInClose = TRUE;
    CMiniDockFrameWnd::OnClose();
    m_bInClose = FALSE;
}

// --- painting and activation ------------------------------------------------------

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

void CTKSizableMiniDockFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    GetMiniFrameSkin()->DrawCaption(this);
    CMiniDockFrameWnd::OnSysCommand(nID, lParam);
}

// A press on a sizable bar's frame edge sizes it as the system does.
int CTKSizableMiniDockFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (GetFrameKind() == kindSizeBarFrame && IsFrameEdge(nHitTest))
        return static_cast<int>(Default());
    return CMiniDockFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CTKSizableMiniDockFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    AfxCancelModes(m_hWnd);
    CMiniDockFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
}

// The close button's hot look follows the mouse; the shared hook clears it
// when the mouse moves to another window of the program, the leave
// notification when it leaves the program's windows.
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

// --- presses on the frame -----------------------------------------------------------

void CTKSizableMiniDockFrameWnd::TrackSystemMenu(CPoint ptScreen)
{
    CMenu* pMenu = GetSystemMenu(FALSE);
    if (pMenu == nullptr)
        return;
    const UINT nCommand = pMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, ptScreen.x,
                                                ptScreen.y, this);
    if (nCommand != 0)
        SendMessage(WM_SYSCOMMAND, nCommand);
}

// A multi-bar frame moves; a single sizable bar is dragged at once where
// the main window allows it, else through its dock context's outline.
void CTKSizableMiniDockFrameWnd::PressCaption(UINT nHitTest, CPoint point)
{
    if (IsMultiBarFrame()) {
        CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || pMainWnd->SendMessage(TKSBM_QUERYIMMEDIATEDRAG) == 0) {
        CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (CTKSizeControlBar* pBar = GetSingleSizeBar()) {
        CPoint ptBar = point;
        pBar->ScreenToClient(&ptBar);
        pBar->StartImmediateDrag(ptBar);
        return;
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CTKSizableMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    const int nKind = GetFrameKind();
    if (nKind == kindSizeBarFrame && IsFrameEdge(nHitTest)) {
        CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (nKind == kindSizeBarFrame && nHitTest == HTSYSMENU) {
        CPoint ptOrigin(0, 0);
        ClientToScreen(&ptOrigin);
        TrackSystemMenu(ptOrigin);
        return;
    }
    if (nHitTest == HTCLOSE && HasSystemMenuItems()) {
        if (!GetMiniFrameSkin()->DrawCloseButton(this))
            CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (nHitTest == HTCAPTION || nHitTest == HTCLOSE) {
        PressCaption(HTCAPTION, point);
        return;
    }
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

void CTKSizableMiniDockFrameWnd::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    if (GetFrameKind() == kindSizeBarFrame) {
        TrackSystemMenu(point);
        return;
    }
    CMiniDockFrameWnd::OnNcRButtonDown(nHitTest, point);
}
