#include "CMiniFrameWnd.h"

#include "AfxWindowMessages.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCHITTEST()
    ON_WM_NCACTIVATE()
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

namespace {

const DWORD kMiniFrameStyles = MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME | MFS_BLOCKSYSMENU;

}  // namespace

// The MFS_ bits share the window style's low word with the frame styles,
// so they are kept apart; MFS_THICKFRAME and MFS_4THICKFRAME make a
// sizing border.
BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    m_dwMiniFrameStyle = dwStyle & kMiniFrameStyles;
    DWORD dwWindowStyle = (dwStyle & ~kMiniFrameStyles) | WS_POPUP | WS_CAPTION;
    if (m_dwMiniFrameStyle & (MFS_THICKFRAME | MFS_4THICKFRAME))
        dwWindowStyle |= WS_THICKFRAME;
    m_strTitle = lpWindowName;
    if (!CreateEx(WS_EX_TOOLWINDOW, lpClassName != nullptr ? lpClassName : AfxDefaultWndClass(COLOR_BTNFACE),
                  lpWindowName, dwWindowStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  pParentWnd->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    // A frame made while its owner is active starts with an active caption.
    if (CFrameWnd* pOwner = GetOwnerFrame())
        m_bActive = pOwner->IsFrameOrFloating(::GetActiveWindow());
    return TRUE;
}

LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
    LRESULT nHit = Default();
    const BOOL bEdge = nHit >= HTSIZEFIRST && nHit <= HTSIZELAST;
    if (bEdge && (m_dwMiniFrameStyle & MFS_MOVEFRAME))
        return HTCAPTION;
    if (!bEdge || !(m_dwMiniFrameStyle & MFS_4THICKFRAME))
        return nHit;
    switch (nHit) {
    case HTTOPLEFT:
    case HTTOPRIGHT:
        return HTTOP;
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        return HTBOTTOM;
    default:
        return nHit;
    }
}

// --- caption in step with the owner frame -----------------------------------

CFrameWnd* CMiniFrameWnd::GetOwnerFrame() const
{
    if (!(m_dwMiniFrameStyle & MFS_SYNCACTIVE))
        return nullptr;
    return dynamic_cast<CFrameWnd*>(CWnd::FromHandle(::GetWindow(m_hWnd, GW_OWNER)));
}

// The system's own activation changes leave the caption as the owner
// frame's state says.
BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    if (!(m_dwMiniFrameStyle & MFS_SYNCACTIVE))
        return CFrameWnd::OnNcActivate(bActive);
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, m_bActive, 0));
}

// Activated itself, the floating frame keeps its owner looking active; left
// for a window outside the owner and its floating frames, all of them turn
// inactive.
void CMiniFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    CFrameWnd* pOwner = GetOwnerFrame();
    if (pOwner == nullptr)
        return;
    if (nState != WA_INACTIVE)
        pOwner->SetActiveCaptions(TRUE);
    else if (pWndOther == nullptr || !pOwner->IsFrameOrFloating(pWndOther->m_hWnd))
        pOwner->SetActiveCaptions(FALSE);
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    if (!(m_dwMiniFrameStyle & MFS_SYNCACTIVE) || !(wParam & (FS_ACTIVATE | FS_DEACTIVATE)))
        return FALSE;
    m_bActive = (wParam & FS_ACTIVATE) != 0;
    DefWindowProc(WM_NCACTIVATE, m_bActive, 0);
    return TRUE;
}
