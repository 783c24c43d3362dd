// CTKDropDownContainer: the popup below a combo picker. It never paints
// itself: the hosted control covers its client area.

#include "toolkit/skins/CTKDropDownContainer.h"

namespace {

const DWORD kBorderExStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

// The message a notification of the hosted control comes back as; 0 for the
// notifications the container leaves to its owner.
UINT ForwardedMessage(UINT nCode)
{
    switch (nCode) {
    case TVN_ITEMEXPANDING: return WM_TK_TREE_ITEMEXPANDING;
    case TVN_ITEMEXPANDED: return WM_TK_TREE_ITEMEXPANDED;
    case TVN_SELCHANGING: return WM_TK_TREE_SELCHANGING;
    case TVN_SELCHANGED: return WM_TK_TREE_SELCHANGED;
    case LVN_ITEMCHANGING: return WM_TK_LIST_ITEMCHANGING;
    default: return 0;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CTKDropDownContainer, CWnd)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The container's window class is registered once per run: it saves the
// pixels it covers, so closing the drop-down repaints nothing below it, and
// has neither cursor nor background of its own.
BOOL CTKDropDownContainer::Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pOwner)
{
    static const LPCTSTR s_lpszClass = AfxRegisterWndClass(CS_SAVEBITS | CS_DBLCLKS);
    return CreateEx(dwExStyle, s_lpszClass, nullptr, dwStyle | WS_POPUP | TKS_DROPDOWN_CONTAINER, rect.left,
                    rect.top, rect.right - rect.left, rect.bottom - rect.top, pOwner->GetSafeHwnd(), nullptr);
}

// Takes the control in: the container becomes its parent and takes over its
// border, so the frame is drawn round the popup.
BOOL CTKDropDownContainer::SetDropDownCtrl(CWnd* pWnd)
{
    if (pWnd != nullptr && !::IsWindow(pWnd->GetSafeHwnd()))
        return FALSE;
    if (m_pDropDownCtrl != nullptr && ::IsWindow(m_pDropDownCtrl->GetSafeHwnd()))
        m_pDropDownCtrl->ShowWindow(SW_HIDE);
    m_pDropDownCtrl = pWnd;
    if (pWnd == nullptr)
        return TRUE;
    if (pWnd->GetParent() != this)
        pWnd->SetParent(this);
    const DWORD dwBorder = pWnd->GetExStyle() & kBorderExStyles;
    if (dwBorder != 0) {
        pWnd->ModifyStyleEx(dwBorder, 0, SWP_FRAMECHANGED);
        ModifyStyleEx(0, dwBorder, SWP_FRAMECHANGED);
    }
    FitDropDownCtrl();
    return TRUE;
}

void CTKDropDownContainer::FitDropDownCtrl()
{
    if (m_pDropDownCtrl == nullptr || !::IsWindow(m_pDropDownCtrl->GetSafeHwnd()))
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    m_pDropDownCtrl->SetWindowPos(nullptr, 0, 0, rectClient.Width(), rectClient.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTKDropDownContainer::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    FitDropDownCtrl();
}

void CTKDropDownContainer::OnSetFocus(CWnd*)
{
    if (m_pDropDownCtrl != nullptr && ::IsWindow(m_pDropDownCtrl->GetSafeHwnd()))
        m_pDropDownCtrl->SetFocus();
}

BOOL CTKDropDownContainer::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// The hosted control answers its own expanding and selection notifications;
// it says whether it handled one, and the result starts at 0 (go ahead).
BOOL CTKDropDownContainer::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    const UINT nMessage = ForwardedMessage(pNMHDR->code);
    if (nMessage != 0 && m_pDropDownCtrl != nullptr && ::IsWindow(m_pDropDownCtrl->GetSafeHwnd()) &&
        pNMHDR->idFrom == static_cast<UINT_PTR>(m_pDropDownCtrl->GetDlgCtrlID())) {
        *pResult = 0;
        if (m_pDropDownCtrl->SendMessage(nMessage, reinterpret_cast<WPARAM>(pResult), lParam))
            return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}
