#include "CControlBar.h"

#include "AfxWindowMessages.h"
#include "CDockContext.h"
#include "CFrameWnd.h"
#include "CWindowDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

const int kBorderLine = 1;  // width of a CBRS_BORDER_ line, pixels

}  // namespace

CControlBar::~CControlBar()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    delete m_pDockContext;
}

// --- attributes -----------------------------------------------------------

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle;
    // The border lines live in the non-client area: a change of them moves
    // the client area.
    if (m_hWnd != nullptr && ((dwOld ^ dwStyle) & (CBRS_BORDER_ANY | CBRS_ALIGN_ANY)) != 0)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect)
{
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

// --- operations -----------------------------------------------------------

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    if (m_pDockContext == nullptr && (m_dwDockStyle & CBRS_ALIGN_ANY) != 0)
        m_pDockContext = new CDockContext(this);
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

DWORD CControlBar::SplitBarStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    return dwStyle & ~CBRS_ALL;
}

void CControlBar::AttachToFrame(CWnd* pParentWnd)
{
    if (pParentWnd == nullptr)
        return;
    m_pDockSite = pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pParentWnd)
                                                                   : pParentWnd->GetParentFrame();
    if (m_pDockSite != nullptr)
        m_pDockSite->AddControlBar(this);
}

// The template must make a child window. The frame's layout gives the bar
// its place, so it starts empty at the origin.
BOOL CControlBar::CreateFromTemplate(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID,
                                     CSize& sizeWindow)
{
    SplitBarStyle(nStyle);
    if (!CreateDlg(lpszTemplateName, pParentWnd))
        return FALSE;
    SetDlgCtrlID(static_cast<int>(nID));
    CRect rect;
    GetWindowRect(&rect);
    sizeWindow = rect.Size();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    AttachToFrame(pParentWnd);
    return TRUE;
}

void CControlBar::OnDestroy()
{
    if (m_pDockSite != nullptr)
        m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
    CWnd::OnDestroy();
}

BOOL CControlBar::IsOnTool(CPoint) const
{
    return FALSE;
}

// A press on the bar itself (not on a tool) starts dragging a dockable bar
// of a frame's dock bar.
void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pDockContext != nullptr && m_pDockBar != nullptr && !IsOnTool(point)) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockContext != nullptr && m_pDockBar != nullptr && !IsOnTool(point)) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

// --- layout ---------------------------------------------------------------

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = (bStretch && bHorz) ? 32767 : 0;
    size.cy = (bStretch && !bHorz) ? 32767 : 0;
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

// A horizontal bar has its side margins left and right; a vertical one has
// them at top and bottom.
void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorderLine;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorderLine;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kBorderLine;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kBorderLine;
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD dwStyle = GetStyle();
    UINT nShowFlag = 0;
    if ((m_nStateFlags & delayShow) && !(dwStyle & WS_VISIBLE))
        nShowFlag = SWP_SHOWWINDOW;
    else if ((m_nStateFlags & delayHide) && (dwStyle & WS_VISIBLE))
        nShowFlag = SWP_HIDEWINDOW;
    m_nStateFlags &= ~(delayHide | delayShow);
    if (nShowFlag == 0)
        return dwStyle;
    const UINT nFlags = nShowFlag | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0, nFlags);
    else
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, nFlags);
    return nShowFlag == SWP_SHOWWINDOW ? (dwStyle | WS_VISIBLE) : (dwStyle & ~WS_VISIBLE);
}

// The visible bar takes a strip of the rectangle still free along its edge,
// as long as the free space allows; a query only adds up the sizes.
LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if (!(dwStyle & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY))
        return 0;

    CRect rect(lpLayout->rect);
    const BOOL bHorz = IsHorizontal();
    DWORD dwMode = (lpLayout->bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::min<LONG>(size.cx, rect.Width());
    size.cy = std::min<LONG>(size.cy, rect.Height());

    if (bHorz) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
        if (m_dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
        if (m_dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, rect.left, rect.top,
                                          rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    return 0;
}

// --- borders --------------------------------------------------------------

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    rect.SetRectEmpty();
    CalcInsideRect(rect, IsHorizontal());
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CControlBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    dc.FillSolidRect(&rectWindow, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, rectWindow);
}

// One shadow line on each side the style names.
void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left, rect.top, kBorderLine, rect.Height(), clrShadow);
    if (m_dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), kBorderLine, clrShadow);
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - kBorderLine, rect.top, kBorderLine, rect.Height(), clrShadow);
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, rect.bottom - kBorderLine, rect.Width(), kBorderLine, clrShadow);
}

// --- command UI and routing -----------------------------------------------

// wParam: disable items whose command has no handler.
LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CFrameWnd* pTarget = GetDockingFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}

// What the bar's controls tell their parent and the bar does not handle
// itself goes on to the frame, so a button in a bar runs the frame's command.
LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        CFrameWnd* pFrame = GetDockingFrame();
        if (pFrame != nullptr)
            return pFrame->SendMessage(message, wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}
