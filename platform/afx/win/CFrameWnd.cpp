#include "CFrameWnd.h"

#include "AfxOleLock.h"
#include "AfxWindowMessages.h"
#include "CCmdUI.h"
#include "CControlBar.h"
#include "CCreateContext.h"
#include "CDocument.h"
#include "CMenu.h"
#include "CView.h"
#include "CWinApp.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipText)
    ON_COMMAND_EX(ID_CONTEXT_HELP, OnContextHelp)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::~CFrameWnd()
{
    if (m_hMenuDefault != nullptr && m_hMenuDefault != (m_hWnd ? ::GetMenu(m_hWnd) : nullptr))
        ::DestroyMenu(m_hMenuDefault);
}

// --- creation -------------------------------------------------------------

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        hMenu = ::LoadMenu(AfxGetResourceHandle(), lpszMenuName);
        if (hMenu == nullptr)
            return FALSE;
    }
    m_strTitle = lpszWindowName;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu,
                  pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

// The frame's title is the first line of string nIDResource; its menu,
// accelerators and icon carry the same id.
BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString sTitle = LoadFrameTitle(nIDResource);
    LPCTSTR lpszMenu = ::FindResource(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource), RT_MENU)
                           ? MAKEINTRESOURCE(nIDResource)
                           : nullptr;
    if (!Create(FrameClassWithIcon(nIDResource), sTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu,
                0, pContext))
        return FALSE;
    m_strTitle = sTitle;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCE(nIDResource));
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

CString CFrameWnd::LoadFrameTitle(UINT nIDResource)
{
    CString sTitle;
    sTitle.LoadString(nIDResource);
    int nNewline = sTitle.Find('\n');
    return nNewline >= 0 ? sTitle.Left(nNewline) : sTitle;
}

LPCTSTR CFrameWnd::FrameClassWithIcon(UINT nIDResource)
{
    return AfxDefaultWndClass(COLOR_WINDOW, ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource)));
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAccelerators(AfxGetResourceHandle(), lpszResourceName);
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxDefaultWndClass(COLOR_WINDOW);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    return OnCreateHelper(lpcs, static_cast<CCreateContext*>(lpcs->lpCreateParams));
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    RecalcLayout();
    // Posted: the status bar, made by the derived frame's OnCreate after
    // this, shows the idle prompt from the start.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext) != nullptr;
    return TRUE;
}

// The view is made from its run-time class and deletes itself with its window.
CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (pObject == nullptr)
        return nullptr;
    auto* pView = static_cast<CWnd*>(pObject);
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;  // the view deleted itself (PostNcDestroy) or never was a window
    return pView;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

BOOL CFrameWnd::IsMainWindow() const
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->m_pMainWnd == this;
}

// --- views and documents --------------------------------------------------

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;
    if (pViewOld != nullptr && bNotify)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew != nullptr && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView ? pView->GetDocument() : nullptr;
}

// Shows the frame: -1 chooses normal size for a hidden frame and restores a
// minimised one.
void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE && IsWindowVisible())
        BringWindowToTop();
}

// After the frame and its view exist: the first view becomes the active one,
// every view gets OnInitialUpdate and the frame is shown (bMakeVisible).
void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = nullptr;
    if (GetActiveView() == nullptr) {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = static_cast<CView*>(pWnd);
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == nullptr) {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr)
        return ::TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

// --- layout ---------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

// The view (or MDI client) covers the whole client area.
BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    if (GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE) != nullptr)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (m_pViewActive != nullptr && nState != WA_INACTIVE && !bMinimized)
        m_pViewActive->OnActivateFrame(nState, this);
    SetActiveCaptions(nState != WA_INACTIVE || (pWndOther != nullptr && IsFrameOrFloating(pWndOther->m_hWnd)));
}

// While one of its floating frames has the activation, the frame still
// looks active: the user works in the same window.
BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    if (m_bStayActive && !bActive)
        return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, TRUE, 0));
    return CWnd::OnNcActivate(bActive);
}

// --- control bars -------------------------------------------------------

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != nullptr)
        m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (static_cast<UINT>(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    }
    return nullptr;
}

// With bDelay the change waits for the next idle layout, so several changes
// cost one layout.
void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar->IsFloating()) {
        ShowFloatingBar(pBar, bShow);
        return;
    }
    pBar->DelayShow(bShow);
    if (bDelay)
        DelayRecalcLayout();
    else
        RecalcLayout();
}

// A View-menu toggle: shows the bar of that id when hidden, hides it when
// shown. Without such a bar the command goes on to the next target.
BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

// The CAP, NUM and SCRL panes show while their key is toggled on.
void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int nVirtKey = 0;
    switch (pCmdUI->m_nID) {
    case ID_INDICATOR_CAPS: nVirtKey = VK_CAPITAL; break;
    case ID_INDICATOR_NUM: nVirtKey = VK_NUMLOCK; break;
    case ID_INDICATOR_SCRL: nVirtKey = VK_SCROLL; break;
    default: pCmdUI->ContinueRouting(); return;
    }
    pCmdUI->Enable((::GetKeyState(nVirtKey) & 1) != 0);
}

// --- caption and menu -----------------------------------------------------

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;  // the program keeps the caption itself
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

// "Document - Frame" with FWS_PREFIXTITLE, else "Frame - Document"; a
// document in several windows gets ":n" after its title.
void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString sDocument(lpszDocName ? lpszDocName : "");
    if (!sDocument.IsEmpty() && m_nWindow > 0) {
        CString sNumber;
        sNumber.Format(":%d", m_nWindow);
        sDocument += sNumber;
    }
    CString sCaption;
    if (sDocument.IsEmpty())
        sCaption = m_strTitle;
    else if (m_strTitle.IsEmpty())
        sCaption = sDocument;
    else if (GetStyle() & FWS_PREFIXTITLE)
        sCaption = sDocument + " - " + m_strTitle;
    else
        sCaption = m_strTitle + " - " + sDocument;
    CString sOld;
    GetWindowText(sOld);
    if (sOld != sCaption)
        SetWindowText(sCaption);
}

void CFrameWnd::DelayUpdateFrameTitle()
{
    m_nIdleFlags |= idleTitle;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    HMENU hMenu = hMenuAlt ? hMenuAlt : m_hMenuDefault;
    if (hMenu != nullptr && ::GetMenu(m_hWnd) != hMenu)
        ::SetMenu(m_hWnd, hMenu);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    m_nIdleFlags |= idleMenu;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    UINT nFlags = m_nIdleFlags;
    m_nIdleFlags = 0;
    if (nFlags & idleMenu)
        OnUpdateFrameMenu(m_hMenuAlt);
    if (nFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (nFlags & idleLayout)
        RecalcLayout((nFlags & idleNotify) != 0);
    UpdateFloatingFrames(wParam);
    return 0;
}

// The items of a menu that is about to open get their state from the update
// handlers found through this frame's routing; a command without any handler
// is greyed (m_bAutoMenuEnable). System commands are left alone.
void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;  // separators and submenus
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
    }
}

// --- status-bar prompts ---------------------------------------------------

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (nFlags == 0xFFFF && hSysMenu == nullptr) {
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;  // the menu closed
    } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP))) {
        m_nIDTracking = 0;
    } else {
        m_nIDTracking = nItemID;
    }
    pFrame->SetMessageText(m_nIDTracking);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString sPrompt;
    if (!sPrompt.LoadString(nID)) {
        rMessage.Empty();
        return;
    }
    int nNewline = sPrompt.Find('\n');
    rMessage = nNewline >= 0 ? sPrompt.Left(nNewline) : sPrompt;
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID, 0);
}

// wParam: a string id (0 for none); lParam: the text itself, if given.
LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != nullptr) {
        CString sMessage;
        if (lParam != 0)
            sMessage = reinterpret_cast<LPCTSTR>(lParam);
        else if (wParam != 0)
            GetMessageString(static_cast<UINT>(wParam), sMessage);
        pMessageBar->SetWindowText(sMessage);
    }
    m_nIDLastMessage = static_cast<UINT>(wParam);
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return OnSetMessageString(wParam ? wParam : AFX_IDS_IDLEMESSAGE, lParam);
}

// Tool tips of child controls and bar buttons: the part of the command's
// string after the newline.
BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    UINT_PTR nID = pNMHDR->idFrom;
    if (pInfo->uFlags & TTF_IDISHWND)
        nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
    if (nID == 0)
        return FALSE;
    CString sFull;
    sFull.LoadString(static_cast<UINT>(nID));
    int nNewline = sFull.Find('\n');
    CString sTip = nNewline >= 0 ? sFull.Mid(nNewline + 1) : CString();
    ::lstrcpynA(pInfo->szText, sTip, sizeof(pInfo->szText));
    *pResult = 0;
    return TRUE;
}

// --- closing --------------------------------------------------------------

// The main window asks to save every document, then closes them all; while
// COM clients hold the program it stays. A document's last frame closes the
// document (which destroys the frame); other frames just go.
void CFrameWnd::OnClose()
{
    if (m_lpfnCloseProc != nullptr && !m_lpfnCloseProc(this))
        return;
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        if (pDocument == nullptr && !pApp->SaveAllModified())
            return;
        pApp->HideApplication();
        pApp->CloseAllDocuments(FALSE);
        if (!AfxOleCanExitApp()) {
            AfxOleSetUserCtrl(FALSE);
            return;
        }
        DestroyWindow();
        return;
    }
    if (pDocument != nullptr && pDocument->m_bAutoDelete) {
        BOOL bOtherFrame = FALSE;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != nullptr && !bOtherFrame)
            bOtherFrame = pDocument->GetNextView(pos)->GetParentFrame() != this;
        if (!bOtherFrame) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);  // the window destroys its own menu
    m_hMenuDefault = nullptr;
    CWnd::OnDestroy();
}
