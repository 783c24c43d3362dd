// CFrameWnd: help mode (Help on a command, Shift+F1 style) and the help of a
// command (WM_COMMANDHELP). In help mode the frame holds the mouse; the next
// click on one of its windows, or the next menu command, names the item
// whose help opens, and Escape leaves without help.

#include "CFrameWnd.h"

#include "AfxWindowMessages.h"
#include "COleFrameHook.h"
#include "CWinApp.h"
#include "CWinThread.h"
#include "res/resource.h"

#include <windowsx.h>

namespace {

BOOL IsMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

BOOL IsNonClientMessage(UINT message)
{
    return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
}

// The mouse point of a message in screen coordinates: client messages carry
// it relative to their window (the capture window in help mode).
CPoint ScreenPointOf(const MSG& msg)
{
    POINT point = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (!IsNonClientMessage(msg.message))
        ::ClientToScreen(msg.hwnd, &point);
    return point;
}

// Takes the peeked message out of the queue.
void RemoveMessage(MSG& msg)
{
    HWND hWnd = msg.hwnd != nullptr ? msg.hwnd : reinterpret_cast<HWND>(-1);
    ::PeekMessage(&msg, hWnd, msg.message, msg.message, PM_REMOVE);
}

// A command chosen from a menu (or given by an accelerator): no control
// sends it.
BOOL IsMenuCommand(const MSG& msg)
{
    return (msg.message == WM_COMMAND && msg.lParam == 0) || msg.message == WM_SYSCOMMAND;
}

DWORD CommandHelpContext(const MSG& msg)
{
    UINT nID = msg.message == WM_SYSCOMMAND ? static_cast<UINT>(msg.wParam & 0xFFF0) : LOWORD(msg.wParam);
    return HID_BASE_COMMAND + nID;
}

}  // namespace

HCURSOR CFrameWnd::GetHelpCursor()
{
    return ::LoadCursor(nullptr, IDC_HELP);
}

BOOL CFrameWnd::CanEnterHelpMode()
{
    return GetHelpCursor() != nullptr;
}

// A frame inside another (an MDI child) leaves help mode to its top-level
// frame, which holds the mouse for all of them.
BOOL CFrameWnd::OnContextHelp(UINT)
{
    if (GetTopLevelFrame() != this)
        return FALSE;
    UINT nIDPrevMessage = 0;
    if (EnterHelpMode(&nIDPrevMessage))
        ExitHelpMode(RunHelpLoop(), nIDPrevMessage);
    return TRUE;
}

// The command that asks for help mode may come from a menu that is still
// closing: the first call only posts the command again, and the loop runs
// when that arrives. A request to leave that is queued by then cancels the
// entry, so the frame never stays half-way in help mode.
BOOL CFrameWnd::EnterHelpMode(UINT* pnIDPrevMessage)
{
    if (m_bHelpMode == HELP_ACTIVE)
        return FALSE;
    MSG msg;
    if (!CanEnterHelpMode() || ::PeekMessage(&msg, m_hWnd, WM_EXITHELPMODE, WM_EXITHELPMODE, PM_NOREMOVE)) {
        m_bHelpMode = HELP_INACTIVE;
        return FALSE;
    }
    int nModeBefore = m_bHelpMode;
    m_bHelpMode = HELP_ACTIVE;
    if (nModeBefore != HELP_ENTERING && m_pNotifyHook != nullptr && !m_pNotifyHook->OnContextHelp(TRUE)) {
        m_bHelpMode = HELP_INACTIVE;
        return FALSE;
    }
    if (nModeBefore == HELP_INACTIVE) {
        PostMessage(WM_COMMAND, ID_CONTEXT_HELP);
        m_bHelpMode = HELP_ENTERING;
        return FALSE;
    }
    *pnIDPrevMessage = static_cast<UINT>(SendMessage(WM_SETMESSAGESTRING, AFX_IDS_HELPMODEMESSAGE));
    if (*pnIDPrevMessage == 0)
        *pnIDPrevMessage = AFX_IDS_IDLEMESSAGE;
    POINT point;
    ::GetCursorPos(&point);
    BOOL bDescendant = FALSE;
    SetHelpCapture(point, &bDescendant);
    return TRUE;
}

// Messages go through the filter one by one; with none queued the
// application's idle work runs, then the thread waits. The loop also ends
// when the frame's window goes.
DWORD CFrameWnd::RunHelpLoop()
{
    CWinThread* pThread = AfxGetThread();
    LONG lIdleCount = 0;
    DWORD dwContext = 0;
    while (m_bHelpMode == HELP_ACTIVE && m_hWnd != nullptr) {
        MSG msg;
        if (::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!FilterHelpMsg(msg, &dwContext))
                break;
        } else if (pThread == nullptr || !pThread->OnIdle(lIdleCount++)) {
            lIdleCount = 0;
            ::WaitMessage();
        }
    }
    return dwContext;
}

BOOL CFrameWnd::FilterHelpMsg(MSG& msg, DWORD* pContext)
{
    return ProcessHelpMsg(msg, pContext);
}

void CFrameWnd::ExitHelpMode(DWORD dwContext, UINT nIDPrevMessage)
{
    m_bHelpMode = HELP_INACTIVE;
    if (m_hWnd == nullptr)
        return;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    SendMessage(WM_SETMESSAGESTRING, nIDPrevMessage);
    if (m_pNotifyHook != nullptr)
        m_pNotifyHook->OnContextHelp(FALSE);
    if (dwContext == static_cast<DWORD>(-1))
        SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
    else if (dwContext != 0)
        WinHelp(dwContext, HELP_CONTEXT);
    PostMessage(WM_KICKIDLE);
}

HWND CFrameWnd::SetHelpCapture(POINT point, BOOL* pbDescendant)
{
    if (::GetCapture() != m_hWnd)
        ::SetCapture(m_hWnd);
    HWND hWnd = ::WindowFromPoint(point);
    if (hWnd != nullptr && ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId())
        hWnd = nullptr;
    BOOL bDescendant = hWnd != nullptr && IsFrameOrFloating(::GetAncestor(hWnd, GA_ROOT));
    if (pbDescendant != nullptr)
        *pbDescendant = bDescendant;
    ::SetCursor(bDescendant ? GetHelpCursor() : ::LoadCursor(nullptr, IDC_ARROW));
    return hWnd;
}

// A quit message stays queued for the application's loop; Escape and
// WM_EXITHELPMODE leave without help; a menu command gives that command's
// help; mouse messages pick the item; everything else is handled as usual.
BOOL CFrameWnd::ProcessHelpMsg(MSG& msg, DWORD* pContext)
{
    *pContext = 0;
    if (msg.message == WM_QUIT)
        return FALSE;
    RemoveMessage(msg);
    if (msg.message == WM_EXITHELPMODE || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
        return FALSE;
    if (IsMouseMessage(msg.message))
        return ProcessHelpMouseMsg(msg, pContext);
    if (IsMenuCommand(msg)) {
        *pContext = CommandHelpContext(msg);
        return FALSE;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
    return TRUE;
}

// A left press on one of the frame's windows picks it; on a menu bar or a
// system menu it opens the menu instead, whose command then names the item.
BOOL CFrameWnd::ProcessHelpMouseMsg(const MSG& msg, DWORD* pContext)
{
    CPoint point = ScreenPointOf(msg);
    BOOL bDescendant = FALSE;
    HWND hWnd = SetHelpCapture(point, &bDescendant);
    if (hWnd == nullptr || !bDescendant || (msg.message != WM_LBUTTONDOWN && msg.message != WM_NCLBUTTONDOWN))
        return TRUE;
    LPARAM lScreenPoint = MAKELPARAM(point.x, point.y);
    auto nHit = static_cast<int>(::SendMessage(hWnd, WM_NCHITTEST, 0, lScreenPoint));
    if (nHit == HTMENU || nHit == HTSYSMENU) {
        ::ReleaseCapture();
        ::SendMessage(hWnd, WM_NCLBUTTONDOWN, static_cast<WPARAM>(nHit), lScreenPoint);
        POINT ptCursor;
        ::GetCursorPos(&ptCursor);
        SetHelpCapture(ptCursor, &bDescendant);
        return TRUE;
    }
    *pContext = HelpContextAt(hWnd, point);
    return FALSE;
}

// The first window from hWnd outwards that names a context for the point
// (WM_HELPHITTEST, client coordinates) gives it; else the nearest frame's
// resource, else the default help.
DWORD CFrameWnd::HelpContextAt(HWND hWnd, POINT point) const
{
    for (HWND hWndAt = hWnd; hWndAt != nullptr; hWndAt = ::GetAncestor(hWndAt, GA_PARENT)) {
        POINT ptClient = point;
        ::ScreenToClient(hWndAt, &ptClient);
        auto dwContext = static_cast<DWORD>(
            ::SendMessage(hWndAt, WM_HELPHITTEST, 0, MAKELPARAM(ptClient.x, ptClient.y)));
        if (dwContext != 0)
            return dwContext;
        if ((::GetWindowLong(hWndAt, GWL_STYLE) & WS_CHILD) == 0)
            break;
    }
    for (HWND hWndAt = hWnd; hWndAt != nullptr; hWndAt = ::GetAncestor(hWndAt, GA_PARENT)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWndAt);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) &&
            static_cast<CFrameWnd*>(pWnd)->m_nIDHelp != 0)
            return HID_BASE_RESOURCE + static_cast<CFrameWnd*>(pWnd)->m_nIDHelp;
    }
    return static_cast<DWORD>(-1);
}

BOOL CFrameWnd::IsTracking() const
{
    return m_nIDTracking != 0 && m_nIDTracking != AFX_IDS_IDLEMESSAGE && m_nIDTracking != AFX_IDS_HELPMODEMESSAGE;
}

// The help of a command: context 0 while a menu item is highlighted means
// that item's command. The active frame inside (an MDI child) answers
// first; a context nobody answers opens the application's help at it.
LRESULT CFrameWnd::OnCommandHelp(WPARAM, LPARAM lParam)
{
    if (lParam == 0 && IsTracking())
        lParam = static_cast<LPARAM>(HID_BASE_COMMAND + m_nIDTracking);
    CFrameWnd* pActive = GetActiveFrame();
    if (pActive != nullptr && pActive != this && pActive->SendMessage(WM_COMMANDHELP, 0, lParam) != 0)
        return TRUE;
    if (lParam == 0)
        return FALSE;
    WinHelp(static_cast<DWORD_PTR>(lParam), HELP_CONTEXT);
    return TRUE;
}
