#include "CMiniFrameWnd.h"

#include "AfxWindowMessages.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCHITTEST()
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
    return CreateEx(WS_EX_TOOLWINDOW, lpClassName != nullptr ? lpClassName : AfxDefaultWndClass(COLOR_BTNFACE),
                    lpWindowName, dwWindowStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
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
