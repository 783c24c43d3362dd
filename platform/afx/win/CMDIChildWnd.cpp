#include "CMDIChildWnd.h"

#include "AfxWindowMessages.h"
#include "CCreateContext.h"
#include "CMDIFrameWnd.h"
#include "CMenu.h"
#include "CMultiDocTemplate.h"
#include "CView.h"
#include "CWinApp.h"
#include "CWndCreationScope.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxDefaultWndClass(COLOR_WINDOW);
    cs.style |= WS_CHILD;
    return TRUE;
}

// The child is made through the MDI client without WS_VISIBLE and
// WS_MAXIMIZE: ActivateFrame shows it once its view is ready, so a frame that
// must stay hidden never flashes up.
BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr) {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd == nullptr || !pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            return FALSE;
        pParentWnd = static_cast<CMDIFrameWnd*>(pMainWnd);
    }
    m_strTitle = lpszWindowName;
    CREATESTRUCT cs = {};
    cs.style = static_cast<LONG>(dwStyle | WS_CHILD);
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    m_bCreateMaximized = (cs.style & WS_MAXIMIZE) != 0;

    MDICREATESTRUCT mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = static_cast<DWORD>(cs.style) & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);
    HWND hWnd = nullptr;
    {
        CWndCreationScope scope(this, cs.lpszClass);
        hWnd = reinterpret_cast<HWND>(::SendMessage(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0,
                                                    reinterpret_cast<LPARAM>(&mcs)));
    }
    return hWnd != nullptr;
}

// The child's title is the first line of its document string (often empty:
// the document's title is added); menu and accelerators are the template's.
BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
        auto* pTemplate = static_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate);
        m_hMenuShared = pTemplate->m_hMenuShared;
        m_hAccelTable = pTemplate->m_hAccelTable;
    }
    auto* pMDIFrame = (pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
                          ? static_cast<CMDIFrameWnd*>(pParentWnd)
                          : nullptr;
    return Create(FrameClassWithIcon(nIDResource), LoadFrameTitle(nIDResource), dwDefaultStyle | WS_CHILD,
                  rectDefault, pMDIFrame, pContext);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    auto* pCreate = static_cast<MDICREATESTRUCT*>(lpcs->lpCreateParams);
    return OnCreateHelper(lpcs, reinterpret_cast<CCreateContext*>(pCreate->lParam));
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndClient = ::GetParent(m_hWnd);
    CWnd* pFrame = FromHandlePermanent(hWndClient ? ::GetParent(hWndClient) : nullptr);
    if (pFrame == nullptr || !pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return nullptr;
    return static_cast<CMDIFrameWnd*>(pFrame);
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}
void CMDIChildWnd::MDIActivate()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}
void CMDIChildWnd::MDIMaximize()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}
void CMDIChildWnd::MDIRestore()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

// The MDI client must know when a child goes (its list and Window menu).
BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    MDIDestroy();
    return TRUE;
}

// -1 shows a hidden frame maximised when it was made so or when the active
// child is maximised; SW_HIDE hides it without activating it.
void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (nCmdShow == -1) {
        BOOL bMaximized = FALSE;
        CMDIChildWnd* pActive = pFrame ? pFrame->MDIGetActive(&bMaximized) : nullptr;
        if (!IsWindowVisible())
            nCmdShow = (m_bCreateMaximized || (pActive != nullptr && bMaximized)) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    BOOL bVisibleBefore = IsWindowVisible();
    CFrameWnd::ActivateFrame(nCmdShow);
    if (IsWindowVisible() != bVisibleBefore)
        OnVisibilityChanged(!bVisibleBefore);
    if (nCmdShow != SW_HIDE && pFrame != nullptr)
        pFrame->MDIActivate(this);
}

// The MDI client keeps a hidden child active when it has no other to
// activate: the child then gives up its menu and its view's activation
// itself, and takes them back when it shows again (the client sends no
// activation for a child that is active already).
void CMDIChildWnd::OnVisibilityChanged(BOOL bVisible)
{
    HWND hWndClient = ::GetParent(m_hWnd);
    auto ActiveChild = [hWndClient] { return reinterpret_cast<HWND>(::SendMessage(hWndClient, WM_MDIGETACTIVE, 0, 0)); };
    if (!bVisible && ActiveChild() == m_hWnd) {
        ::SendMessage(hWndClient, WM_MDINEXT, 0, 0);
        if (ActiveChild() == m_hWnd) {
            ShowActivation(FALSE, nullptr);
            m_bPseudoInactive = TRUE;
        }
    } else if (bVisible && m_bPseudoInactive) {
        m_bPseudoInactive = FALSE;
        ShowActivation(TRUE, this);
    }
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return;
    HMENU hMenu = nullptr;
    if (bActivate)
        hMenu = hMenuAlt ? hMenuAlt : (m_hMenuShared ? m_hMenuShared : pFrame->m_hMenuDefault);
    else if (pActivateWnd == nullptr)
        hMenu = pFrame->m_hMenuDefault;  // the last child went inactive
    if (hMenu != nullptr)
        pFrame->MDISetMenu(CMenu::FromHandle(hMenu), CMenu::FromHandle(pFrame->GetWindowMenuPopup(hMenu)));
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CFrameWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (m_bPseudoInactive) {
        m_bPseudoInactive = FALSE;  // the client now agrees
        if (!bActivate)
            return;
    }
    ShowActivation(bActivate, pActivateWnd);
}

void CMDIChildWnd::ShowActivation(BOOL bActivate, CWnd* pActivateWnd)
{
    OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    CView* pView = GetActiveView();
    if (pView != nullptr)
        pView->OnActivateView(bActivate, bActivate ? pView : nullptr, bActivate ? nullptr : pView);
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(TRUE);
}

// The MDI client learns of the focus (it activates the child), then the view
// takes it.
void CMDIChildWnd::OnSetFocus(CWnd*)
{
    Default();
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->m_hWnd != nullptr)
        pView->SetFocus();
}

// A child's own accelerators are the main frame's business.
BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

// The active view and this frame; the main frame and the application come
// after, through the main frame's routing.
BOOL CMDIChildWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProc(m_hWnd, message, wParam, lParam);
}
