#include "CWnd.h"

#include "AfxDialogTemplate.h"
#include "AfxHandleMap.h"
#include "AfxMessageBox.h"
#include "AfxWinState.h"
#include "AfxWindowMessages.h"
#include "CCmdUI.h"
#include "CDataExchange.h"
#include "CDC.h"
#include "CFont.h"
#include "CFrameWnd.h"
#include "CMenu.h"
#include "COleDropTarget.h"
#include "CUserException.h"
#include "CWinApp.h"
#include "CWndCreationScope.h"

#include <cassert>
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

using CWndMap = CHandleMap<HWND, CWnd>;

AFX_WIN_STATE& AfxGetWinState()
{
    static AFX_WIN_STATE state;
    return state;
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

// --- handle map -----------------------------------------------------------

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        DestroyWindow();
    if (m_hWnd != nullptr)
        CWndMap::RemovePermanent(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return CWndMap::FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? CWndMap::LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap()
{
    CWndMap::DeleteTemps();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    assert(m_hWnd == nullptr && hWndNew != nullptr);
    assert(FromHandlePermanent(hWndNew) == nullptr);
    m_hWnd = hWndNew;
    CWndMap::SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        CWndMap::RemovePermanent(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (pfnOld != &AfxWndProc)
        m_pfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// Parts call this on pointers that may be null (a window not found); the
// library is built with -fno-delete-null-pointer-checks so the test stays.
HWND CWnd::GetSafeHwnd() const
{
    return this == nullptr ? nullptr : m_hWnd;
}

void CWnd::PreSubclassWindow()
{
}

// --- window procedure -----------------------------------------------------

namespace {

// No exception leaves a window procedure: the framework's own exceptions
// say what went wrong, any other is an internal error.
void ReportException(const CException& e)
{
    AfxMessageBox(e.GetErrorText(), MB_OK | MB_ICONEXCLAMATION);
}

void ReportUnexpectedException()
{
    AfxMessageBox(AFX_IDP_INTERNAL_FAILURE, MB_OK | MB_ICONSTOP);
}

}  // namespace

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_WIN_STATE& state = AfxGetWinState();
    const MSG msgOuter = state.msgCur;
    state.msgCur.hwnd = hWnd;
    state.msgCur.message = nMsg;
    state.msgCur.wParam = wParam;
    state.msgCur.lParam = lParam;

    ++pWnd->m_nMessageDepth;
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (const CUserException&) {
        lResult = nMsg == WM_CREATE ? -1 : 0;  // the user has been told already
    } catch (const CException& e) {
        ReportException(e);
        lResult = nMsg == WM_CREATE ? -1 : 0;
    } catch (...) {
        ReportUnexpectedException();
        lResult = nMsg == WM_CREATE ? -1 : 0;
    }
    if (nMsg == WM_NCDESTROY)
        pWnd->DetachAfterNcDestroy();
    state.msgCur = msgOuter;

    // An object that deletes itself in PostNcDestroy goes only once none of
    // its messages is still running.
    if (--pWnd->m_nMessageDepth == 0 && pWnd->m_bPostNcDestroyPending) {
        pWnd->m_bPostNcDestroyPending = FALSE;
        pWnd->PostNcDestroy();
    }
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

// The window is gone: the object lets go of it. The main window's end is
// the end of the message loop.
void CWnd::DetachAfterNcDestroy()
{
    if (m_hWnd == nullptr)
        return;
    if (m_pDropTarget != nullptr)
        m_pDropTarget->Revoke();
    AFX_WIN_STATE& state = AfxGetWinState();
    if (state.hWndLastHit == m_hWnd) {
        state.hWndLastHit = nullptr;
        state.nLastHit = -1;
    }
    if (state.pApp != nullptr && state.pApp->m_pMainWnd == this) {
        ::PostQuitMessage(0);
        state.pApp->m_pMainWnd = nullptr;
    }
    if (GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AfxWndProc) &&
        m_pfnSuper != nullptr) {
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    Detach();
    m_bPostNcDestroyPending = TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

namespace {

BOOL IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Asks a command's update handlers only whether it is enabled: nothing on
// screen changes. Without a handler that says otherwise it stays enabled.
class CEnableQueryCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}

    BOOL m_bEnabled = TRUE;
};

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT lResult = 0;
        if (!OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    // All WM_CTLCOLOR* messages go to the one ON_WM_CTLCOLOR handler.
    UINT nLookup = IsCtlColorMessage(message) ? WM_CTLCOLOR : message;
    AFX_MSGCALL call;
    call.nMessage = message;
    call.wParam = wParam;
    call.lParam = lParam;
    if (!DispatchToMap(nLookup, 0, 0, call, nullptr))
        return FALSE;
    *pResult = call.lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetWinState().msgCur;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &AfxGetWinState().msgCur;
}

// A control's notification is offered to the control first (reflection),
// then routed as a command from this window. A menu or accelerator command
// is first put to its update handlers: the menu may not have been updated
// since the state changed, and an accelerator bypasses the menu altogether,
// so Del or Alt+Enter could otherwise run a command that is disabled. A
// disabled command is swallowed.
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl != nullptr) {
        if (AfxGetWinState().hWndLockoutNotify == m_hWnd)
            return TRUE;
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
    } else {
        CEnableQueryCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;  // 0 from a menu, 1 from an accelerator
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

// Tool tip requests arrive with id 0, so one ON_NOTIFY_EX(TTN_NEEDTEXT, 0, ...)
// answers for every tool of the window; the handler reads idFrom itself.
BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    UINT nID = static_cast<UINT>(pNMHDR->idFrom);
    int nCode = static_cast<int>(pNMHDR->code);
    if (nCode <= static_cast<int>(TTN_FIRST) && nCode >= static_cast<int>(TTN_LAST))
        nID = 0;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(nID, MAKELONG(LOWORD(nCode), WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    const MSG& msg = AfxGetWinState().msgCur;
    LRESULT lResult = 0;
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult ? pResult : &lResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (!OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = {pResult, pNMHDR};
        return OnCmdMsg(0, MAKELONG(LOWORD(pNMHDR->code), WM_REFLECT_BASE + WM_NOTIFY), &notify,
                        nullptr);
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        // A control that answers no brush leaves the colours to its parent.
        LRESULT lBrush = 0;
        if (!OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, message - WM_CTLCOLORMSGBOX, &lBrush) ||
            lBrush == 0)
            return FALSE;
        *pResult = lBrush;
        return TRUE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_PARENTNOTIFY:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    default:
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_bToolTips)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL AfxIsDescendant(HWND hWndParent, HWND hWndChild)
{
    for (HWND hWnd = hWndChild; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        if (hWnd == hWndParent)
            return TRUE;
    }
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// --- creation -------------------------------------------------------------

namespace {

// The class is asked of the new window itself: the system may name a class
// by its atom (dialogs: WC_DIALOG) where the caller used its name, or back.
BOOL IsWindowOfClass(HWND hWnd, LPCTSTR lpszClass)
{
    if (IS_INTRESOURCE(lpszClass))
        return ::GetClassLongPtr(hWnd, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(lpszClass);
    char szName[256] = {};
    ::GetClassNameA(hWnd, szName, sizeof(szName));
    return ::lstrcmpiA(szName, lpszClass) == 0;
}

}  // namespace

// Attaches the window under construction to the first window of its class
// that the system creates, before that window gets any message. Windows of
// other classes (the system's IME window, say) are left alone.
LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    AFX_WIN_STATE& state = AfxGetWinState();
    if (nCode == HCBT_CREATEWND && state.pWndInit != nullptr) {
        auto hWnd = reinterpret_cast<HWND>(wParam);
        if (IsWindowOfClass(hWnd, state.lpszClassInit)) {
            CWnd* pWnd = state.pWndInit;
            state.pWndInit = nullptr;
            pWnd->AttachCreatedWindow(hWnd);
        }
    }
    return ::CallNextHookEx(state.hHookCreate, nCode, wParam, lParam);
}

void CWnd::AttachCreatedWindow(HWND hWnd)
{
    Attach(hWnd);
    auto pfnOld = reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    if (pfnOld != &AfxWndProc) {
        m_pfnSuper = pfnOld;
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
    }
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    assert(m_hWnd == nullptr);
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd = nullptr;
    {
        CWndCreationScope scope(this, cs.lpszClass);
        hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    // A failed creation after WM_NCCREATE has run PostNcDestroy, which may
    // have deleted this object: touch nothing then.
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    HMENU hMenuOrId = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    hMenuOrId, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    pContext);
}

BOOL CWnd::CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    LPCDLGTEMPLATE lpDialogTemplate = AfxLoadDialogTemplate(lpszTemplateName);
    return lpDialogTemplate != nullptr &&
           CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    assert(m_hWnd == nullptr);
    HWND hWnd = nullptr;
    {
        CWndCreationScope scope(this, WC_DIALOG);
        hWnd = ::CreateDialogIndirectParam(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(),
                                           &AfxDlgProc, 0);
    }
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxDefaultWndClass(-1);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy()
{
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::string> registered;
    char szName[96];
    ::wsprintfA(szName, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()),
                nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
                static_cast<void*>(hIcon));
    auto found = registered.find(szName);
    if (found != registered.end())
        return found->c_str();
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = &AfxWndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = szName;
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return registered.insert(szName).first->c_str();
}

LPCTSTR AfxDefaultWndClass(int nBackground, HICON hIcon)
{
    HBRUSH hbrBackground = nBackground >= 0 ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(nBackground + 1)) : nullptr;
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), hbrBackground, hIcon);
}

// --- styles and relatives --------------------------------------------------

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ModifyWindowLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwOld = static_cast<DWORD>(::GetWindowLongPtr(hWnd, nIndex));
    DWORD dwNew = (dwOld & ~dwRemove) | dwAdd;
    if (dwOld == dwNew)
        return FALSE;
    ::SetWindowLongPtr(hWnd, nIndex, static_cast<LONG_PTR>(dwNew));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID)
{
    return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, nID));
}
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
BOOL CWnd::IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, pWnd->GetSafeHwnd()); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}
CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
void CWnd::SetOwner(CWnd* pOwnerWnd)
{
    ::SetWindowLongPtr(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(pOwnerWnd->GetSafeHwnd()));
}
CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
CWnd* CWnd::GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
CWnd* CWnd::GetNextWindow(UINT nFlag) const { return FromHandle(::GetWindow(m_hWnd, nFlag)); }
CWnd* CWnd::GetLastActivePopup() const { return FromHandle(::GetLastActivePopup(m_hWnd)); }

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    while ((::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) && ::GetParent(hWnd))
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

// The top-level window above this one, following owners as well as parents.
CWnd* CWnd::GetParentOwner() const
{
    HWND hWnd = m_hWnd;
    while (::GetParent(hWnd) != nullptr)
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

// The outermost frame: a frame's own top-level frame is itself when it has
// no frame above it.
CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* pFrame = IsKindOf(RUNTIME_CLASS(CFrameWnd))
                            ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this))
                            : GetParentFrame();
    while (pFrame != nullptr) {
        CFrameWnd* pOuter = pFrame->GetParentFrame();
        if (pOuter == nullptr)
            break;
        pFrame = pOuter;
    }
    return pFrame;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }

// A window inside a match with the match's own id comes first: the first
// pane of a splitter, which has the pane id itself, is the view.
CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        CWnd* pChild = FromHandle(hWndChild);
        CWnd* pFound = pChild->GetDescendantWindow(nID, bOnlyPerm);
        if (pFound == nullptr && ::GetDlgCtrlID(hWndChild) == nID)
            pFound = bOnlyPerm ? FromHandlePermanent(hWndChild) : pChild;
        if (pFound != nullptr)
            return pFound;
    }
    return nullptr;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (!bOnlyPerm) {
            ::SendMessage(hWndChild, message, wParam, lParam);
        } else if (CWnd* pWnd = FromHandlePermanent(hWndChild)) {
            AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hWndChild) != nullptr)
            FromHandle(hWndChild)->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const
{
    return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}
CWnd* CWnd::ChildWindowFromPoint(POINT point, UINT nFlags) const
{
    return FromHandle(::ChildWindowFromPointEx(m_hWnd, point, nFlags));
}
CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}
CWnd* CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
CWnd* CWnd::GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
CWnd* CWnd::GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
CWnd* CWnd::FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
{
    return FromHandle(::FindWindow(lpszClassName, lpszWindowName));
}

// --- position and size ----------------------------------------------------

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
}
void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}
BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
}
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, lpwndpl);
}
BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
    return ::SetWindowPlacement(m_hWnd, lpwndpl);
}

// Centres over the owner (or the given window), else over the work area.
void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CRect rectCenter;
    HWND hWndCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
        ::GetWindowRect(hWndCenter, &rectCenter);
    else
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectCenter, 0);
    CRect rect;
    GetWindowRect(&rect);
    CPoint topLeft(rectCenter.left + (rectCenter.Width() - rect.Width()) / 2,
                   rectCenter.top + (rectCenter.Height() - rect.Height()) / 2);
    if (GetStyle() & WS_CHILD)
        ::ScreenToClient(::GetParent(m_hWnd), &topLeft);
    SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout = {};
    const BOOL bQuery = (nFlag & reposQuery) != 0;
    layout.bStretch = bStretch;
    layout.hDWP = bQuery ? nullptr : ::BeginDeferWindowPos(8);
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);

    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        UINT nIDChild = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        if (nIDChild == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDChild >= nIDFirst && nIDChild <= nIDLast && FromHandlePermanent(hWndChild))
            ::SendMessage(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (bQuery) {
        // The caller learns the rectangle left over (or the size the bars need).
        if (lpRectParam != nullptr) {
            if (bStretch)
                *lpRectParam = layout.rect;
            else
                ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        }
        return;
    }
    if (nIDLeftOver != 0 && hWndLeftOver != nullptr && !(nFlag & reposNoPosLeftOver)) {
        if ((nFlag & reposExtra) && lpRectParam != nullptr) {
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        CWnd* pLeftOver = FromHandle(hWndLeftOver);
        pLeftOver->CalcWindowRect(&layout.rect);
        layout.hDWP = ::DeferWindowPos(layout.hDWP, hWndLeftOver, nullptr, layout.rect.left,
                                       layout.rect.top, layout.rect.right - layout.rect.left,
                                       layout.rect.bottom - layout.rect.top,
                                       SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

// --- text and font --------------------------------------------------------

void CWnd::SetWindowText(LPCTSTR lpszString) { ::SetWindowText(m_hWnd, lpszString); }
int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}
void CWnd::GetWindowText(CString& rString) const
{
    int nLength = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLength), nLength + 1);
    rString.ReleaseBuffer();
}
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr), bRedraw);
}
CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
}
void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetDlgItemText(m_hWnd, nID, lpszString); }
int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
    rString.Empty();
    if (hWndItem != nullptr)
        FromHandle(hWndItem)->GetWindowText(rString);
    return rString.GetLength();
}
void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}
UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
UINT CWnd::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}
int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID) {
        if (::IsDlgButtonChecked(m_hWnd, nID))
            return nID;
    }
    return 0;
}
HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}
HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    return reinterpret_cast<HICON>(::SendMessage(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
}

// --- painting -------------------------------------------------------------

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->m_hDC); }
void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::InvalidateRgn(HRGN hRgn, BOOL bErase) { ::InvalidateRgn(m_hWnd, hRgn, bErase); }
void CWnd::ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
void CWnd::ValidateRgn(HRGN hRgn) { ::ValidateRgn(m_hWnd, hRgn); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hRgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hRgnUpdate, flags);
}
BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase) { return ::GetUpdateRect(m_hWnd, lpRect, bErase); }
void CWnd::SetRedraw(BOOL bRedraw) { SendMessage(WM_SETREDRAW, bRedraw); }
BOOL CWnd::LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
void CWnd::UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }
void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}
int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip,
                         HRGN hRgnUpdate, LPRECT lpRectUpdate, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip, hRgnUpdate, lpRectUpdate, flags);
}

// --- input ----------------------------------------------------------------

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                        void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD))
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
void CWnd::DragAcceptFiles(BOOL bAccept) { ModifyStyleEx(bAccept ? 0 : WS_EX_ACCEPTFILES, bAccept ? WS_EX_ACCEPTFILES : 0); }
void CWnd::CreateSolidCaret(int nWidth, int nHeight) { ::CreateCaret(m_hWnd, nullptr, nWidth, nHeight); }
void CWnd::SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }
void CWnd::ShowCaret() { ::ShowCaret(m_hWnd); }
void CWnd::HideCaret() { ::HideCaret(m_hWnd); }

// --- messages -------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}
int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    CString sCaption;
    if (lpszCaption == nullptr) {
        sCaption = AfxGetAppName();
        lpszCaption = sCaption;
    }
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption, nType);
}
BOOL CWnd::OpenClipboard() { return ::OpenClipboard(m_hWnd); }

// --- scroll bars ----------------------------------------------------------

int CWnd::GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}
void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}
BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}
BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}
int CWnd::GetScrollLimit(int nBar)
{
    SCROLLINFO info = {};
    if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int nPage = info.nPage > 0 ? static_cast<int>(info.nPage) - 1 : 0;
    return info.nMax - nPage;
}
void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) { ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow); }
BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags)
{
    return ::EnableScrollBar(m_hWnd, static_cast<UINT>(nSBFlags), nArrowFlags);
}
void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
    ShowScrollBar(static_cast<UINT>(nBar), bEnable);
}
CScrollBar* CWnd::GetScrollBarCtrl(int) const { return nullptr; }

// --- menus ----------------------------------------------------------------

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr); }
void CWnd::DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }

// --- command UI -----------------------------------------------------------

namespace {

// Automatic check boxes and radio buttons change themselves when clicked; the
// other buttons are commands and go grey without a handler.
BOOL IsCommandButton(HWND hWnd)
{
    if ((::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
        return FALSE;
    UINT nType = static_cast<UINT>(::GetWindowLongPtr(hWnd, GWL_STYLE)) & BS_TYPEMASK;
    return nType != BS_AUTOCHECKBOX && nType != BS_AUTO3STATE && nType != BS_AUTORADIOBUTTON &&
           nType != BS_GROUPBOX;
}

}  // namespace

// Updates the child controls that carry command ids, as a bar does at idle.
// Only command buttons are disabled for want of a handler; other controls
// change only when an update handler says so.
void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        state.m_pOther = FromHandle(hWndChild);
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        state.DoUpdate(pTarget, bDisableIfNoHandler && IsCommandButton(hWndChild));
    }
}

// --- tool tips ------------------------------------------------------------

namespace {

// One tool tip for all windows of the thread, made when first needed.
HWND ToolTipWindow()
{
    AFX_WIN_STATE& state = AfxGetWinState();
    if (state.hWndToolTip == nullptr || !::IsWindow(state.hWndToolTip)) {
        state.hWndToolTip = ::CreateWindowEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr,
                                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                             nullptr, AfxGetInstanceHandle(), nullptr);
        state.nLastHit = -1;
        state.hWndLastHit = nullptr;
    }
    return state.hWndToolTip;
}

BOOL IsClientMouseMessage(UINT message)
{
    return message == WM_MOUSEMOVE || (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

}  // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    m_bToolTips = bEnable;
    if (bEnable)
        return ToolTipWindow() != nullptr;
    AFX_WIN_STATE& state = AfxGetWinState();
    if (state.hWndLastHit == m_hWnd) {
        ::SendMessage(state.hWndToolTip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&state.lastInfo));
        state.hWndLastHit = nullptr;
        state.nLastHit = -1;
    }
    return TRUE;
}

void CWnd::CancelToolTips(BOOL)
{
    HWND hWndTip = AfxGetWinState().hWndToolTip;
    if (hWndTip != nullptr)
        ::SendMessage(hWndTip, TTM_POP, 0, 0);
}

// For each mouse message over the window: the tool under the pointer
// (OnToolHitTest) replaces the last one in the shared tool tip, which then
// sees the message to time its tip.
void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (!IsClientMouseMessage(pMsg->message))
        return;
    HWND hWndTip = ToolTipWindow();
    if (hWndTip == nullptr)
        return;
    POINT point = {GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)};
    ::MapWindowPoints(pMsg->hwnd, m_hWnd, &point, 1);
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    INT_PTR nHit = OnToolHitTest(CPoint(point), &info);

    AFX_WIN_STATE& state = AfxGetWinState();
    const BOOL bSameTool = nHit == state.nLastHit && state.hWndLastHit == m_hWnd &&
                           info.hwnd == state.lastInfo.hwnd && info.uId == state.lastInfo.uId;
    const BOOL bNoButton = (info.uFlags & TTF_NOTBUTTON) != 0;
    info.uFlags &= ~(TTF_NOTBUTTON | TTF_ALWAYSTIP);
    if (!bSameTool) {
        if (state.nLastHit != -1)
            ::SendMessage(hWndTip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&state.lastInfo));
        if (nHit != -1)
            ::SendMessage(hWndTip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info));
        state.nLastHit = nHit;
        state.hWndLastHit = nHit != -1 ? m_hWnd : nullptr;
        state.lastInfo = info;
    }
    if (nHit != -1 && !bNoButton && pMsg->message != WM_MOUSEMOVE) {
        CancelToolTips();  // a click on a button hides its tip
    } else if (nHit != -1) {
        MSG relayed = *pMsg;
        ::SendMessage(hWndTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
}

// A child control with an id under the point is the tool; its tip text
// comes from TTN_NEEDTEXT (the command's string after the newline).
INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
    if (hWndChild == nullptr || hWndChild == m_hWnd)
        return -1;
    int nID = ::GetDlgCtrlID(hWndChild);
    if (nID == 0 || nID == -1)
        return -1;
    pTI->hwnd = m_hWnd;
    pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
    pTI->uFlags |= TTF_IDISHWND;
    pTI->lpszText = LPSTR_TEXTCALLBACK;
    return nID;
}

// --- data exchange --------------------------------------------------------

// A value that fails its check has been explained to the user (and its
// control focused) by CDataExchange::Fail; the exchange stops there.
BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    AFX_WIN_STATE& state = AfxGetWinState();
    HWND hWndOuterLockout = state.hWndLockoutNotify;
    state.hWndLockoutNotify = m_hWnd;
    CDataExchange dx(this, bSaveAndValidate);
    BOOL bOK = TRUE;
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        bOK = FALSE;
    } catch (...) {
        state.hWndLockoutNotify = hWndOuterLockout;
        throw;
    }
    state.hWndLockoutNotify = hWndOuterLockout;
    return bOK;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

// --- help -----------------------------------------------------------------

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(dwData, nCmd);
}

// --- default handlers -----------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return static_cast<BOOL>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnParentNotify(UINT, LPARAM) { Default(); }
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
BOOL CWnd::OnQueryEndSession() { return static_cast<BOOL>(Default()); }
void CWnd::OnEndSession(BOOL) { Default(); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }

// The notifications a control may answer itself go to the control first.
HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr || !ReflectLastMsg(AfxScrollBarHwnd(pScrollBar)))
        Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr || !ReflectLastMsg(AfxScrollBarHwnd(pScrollBar)))
        Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU || !ReflectLastMsg(lpDrawItemStruct->hwndItem))
        Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU || nIDCtl == 0 ||
        !ReflectLastMsg(::GetDlgItem(m_hWnd, nIDCtl)))
        Default();
}
