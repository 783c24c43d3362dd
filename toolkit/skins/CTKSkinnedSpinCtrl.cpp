#include "CTKSkinnedSpinCtrl.h"

IMPLEMENT_DYNCREATE(CTKSkinnedSpinCtrl, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CTKSkinnedSpinCtrl, CSpinButtonCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// One mouse hook for all spin controls of the thread. It lives while any
// spin control does: were it removed with the first control destroyed, the
// arrows of every other tab control would keep their hover look after the
// mouse left them.
HHOOK s_hMouseHook = nullptr;
int s_nHookUsers = 0;
HWND s_hWndLastMouse = nullptr;  // the window the mouse was last seen over

}  // namespace

CTKSkinnedSpinCtrl::CTKSkinnedSpinCtrl() : m_tabSkin(&CTKSkin::GetTabSkin)
{
}

BOOL CTKSkinnedSpinCtrl::IsMouseHookInstalled()
{
    return s_hMouseHook != nullptr;
}

void CTKSkinnedSpinCtrl::PreSubclassWindow()
{
    if (!m_bHoldsHook) {
        if (s_nHookUsers++ == 0)
            s_hMouseHook = ::SetWindowsHookEx(WH_MOUSE, MouseHookProc, nullptr,
                                              ::GetWindowThreadProcessId(m_hWnd, nullptr));
        m_bHoldsHook = TRUE;
    }
    CSpinButtonCtrl::PreSubclassWindow();
}

void CTKSkinnedSpinCtrl::OnDestroy()
{
    if (m_bHoldsHook) {
        m_bHoldsHook = FALSE;
        if (--s_nHookUsers == 0 && s_hMouseHook != nullptr) {
            ::UnhookWindowsHookEx(s_hMouseHook);
            s_hMouseHook = nullptr;
            s_hWndLastMouse = nullptr;
        }
    }
    CSpinButtonCtrl::OnDestroy();
}

void CTKSkinnedSpinCtrl::OnPaint()
{
    GetTabSkin()->DrawSpinCtrl(this);
}

// The skin paints every pixel; erasing first would only flicker.
BOOL CTKSkinnedSpinCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CTKSkinnedSpinCtrl::OnMouseMove(UINT, CPoint)
{
    Invalidate(TRUE);
    Default();
}

CTKSkinnedSpinCtrl* CTKSkinnedSpinCtrl::FromHandleSpin(HWND hWnd)
{
    return dynamic_cast<CTKSkinnedSpinCtrl*>(CWnd::FromHandlePermanent(hWnd));
}

// When the mouse moves off a spin control onto any other window, that spin
// control gets a mouse move of its own, so that it repaints without its
// hover look.
LRESULT CALLBACK CTKSkinnedSpinCtrl::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode < 0)
        return ::CallNextHookEx(s_hMouseHook, nCode, wParam, lParam);
    if (nCode == HC_ACTION && (wParam == WM_MOUSEMOVE || wParam == WM_NCMOUSEMOVE)) {
        const HWND hWndNow = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->hwnd;
        CTKSkinnedSpinCtrl* pLeft = FromHandleSpin(s_hWndLastMouse);
        if (pLeft != nullptr && FromHandleSpin(hWndNow) != pLeft)
            ::SendMessage(s_hWndLastMouse, WM_MOUSEMOVE, 0, 0);
        s_hWndLastMouse = hWndNow;
    }
    return ::CallNextHookEx(s_hMouseHook, nCode, wParam, lParam);
}
