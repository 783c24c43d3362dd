#pragma once
// Classes in this file: CFrameWnd, a frame around a view: it is loaded from
// one resource id (title string, menu, accelerators, icon), lays out its bars
// and view, routes commands to its active view before itself and the
// application, shows status-bar prompts and keeps its caption.

#include "CControlBar.h"
#include "CWnd.h"
#include "res/resource.h"

#include <vector>

class CDockBar;
class CDockState;
class CDocument;
class CMiniDockFrameWnd;
class COleFrameHook;
class CView;
struct CCreateContext;

// Frame styles (bits of the window style a frame class owns).
#define FWS_ADDTOTITLE 0x00008000L   // the caption shows the active document's title
#define FWS_PREFIXTITLE 0x00004000L  // ... before the frame's own title
#define FWS_SNAPTOBARS 0x00002000L

// Help contexts: a command's help is its id on HID_BASE_COMMAND, a frame's
// or dialog's its resource id on HID_BASE_RESOURCE.
#define HID_BASE_COMMAND 0x00010000UL
#define HID_BASE_RESOURCE 0x00020000UL

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    static const CRect rectDefault;

// Creation
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                LPCTSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

// Attributes
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

// Operations
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    void DelayUpdateFrameTitle();
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    void DelayUpdateFrameMenu(HMENU hMenuAlt);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The window that shows prompts: the status bar (id AFX_IDW_STATUS_BAR).
    virtual CWnd* GetMessageBar();

// Control bars
    // The first bar made with id nID, or null.
    CControlBar* GetControlBar(UINT nID);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // Makes a dock bar on each side (CBRS_ALIGN_) bars may dock on.
    void EnableDocking(DWORD dwDockStyle);
    // Docks the bar on dock bar nDockBarID (AFX_IDW_DOCKBAR_TOP ...), for 0
    // on the first of top, bottom, left, right its style aligns it to;
    // lpRect (screen) says where, null gives it a row of its own.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats the bar in a small frame whose top left is point (screen).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // The side (CBRS_ALIGN_) of the first dock bar of dwDockStyle that rect
    // (screen) touches, 0 for none; ppDockBar receives that dock bar.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
    void GetDockState(CDockState& state) const;
    // Bars and dock bars the frame lacks are skipped.
    void SetDockState(const CDockState& state);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // Shows the frame's caption and its floating frames' captions active
    // or not (WM_FLOATSTATUS), whichever of them has the activation.
    void SetActiveCaptions(BOOL bActive);
    // The frame itself or a window it owns (a floating frame).
    BOOL IsFrameOrFloating(HWND hWnd) const;

// Help mode (the next click names the item to get help on)
    enum HelpMode { HELP_INACTIVE = 0, HELP_ACTIVE = 1, HELP_ENTERING = 2 };
    virtual BOOL CanEnterHelpMode();
    // Takes the mouse for help mode and shows the help cursor over the
    // frame's windows; gives the thread's window at point (screen), null
    // for none, and whether it belongs to the frame or its floating frames.
    HWND SetHelpCapture(POINT point, BOOL* pbDescendant);
    // One message of the help loop, still queued: FALSE ends the loop with
    // the help context chosen (0: none, -1: the default help).
    BOOL ProcessHelpMsg(MSG& msg, DWORD* pContext);
    static HCURSOR GetHelpCursor();

// Overridables
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void PostNcDestroy() override;

    HMENU m_hMenuDefault = nullptr;  // the menu shown without an active document
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;
    int m_nWindow = -1;              // the ":n" of a document's n-th window; -1 for none
    BOOL m_bAutoMenuEnable = TRUE;   // commands without a handler are greyed
    CRect m_rectBorder;
    CPtrList m_listControlBars;      // the frame's bars, in the order made
    DWORD m_dwDockStyle = 0;         // sides enabled by EnableDocking
    CRuntimeClass* m_pFloatingFrameClass = nullptr;  // a CMiniDockFrameWnd class
    int m_bHelpMode = HELP_INACTIVE;
    // An in-place item's frame hook and a print preview's close procedure:
    // the program has neither, so both stay null.
    COleFrameHook* m_pNotifyHook = nullptr;
    BOOL (CALLBACK* m_lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnContextHelp(UINT nID);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
public:
    // The bar toggles of the View menu: map them for bars of your own,
    // ON_COMMAND_EX(id, OnBarCheck) and ON_UPDATE_COMMAND_UI(id, OnUpdateControlBarMenu).
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
protected:
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    static CString LoadFrameTitle(UINT nIDResource);
    CDockBar* GetDockBarOfStyle(DWORD dwBarStyle);
    void ShowFloatingBar(CControlBar* pBar, BOOL bShow);
    void UpdateFloatingFrames(WPARAM wParam);
    std::vector<CWnd*> GetFloatingFrames() const;
    void SetDockBarRows(const CDockState& state);
    void SetFloatingRows(const CDockState& state);
    void SetBarStates(const CDockState& state);
    static LPCTSTR FrameClassWithIcon(UINT nIDResource);
    BOOL IsMainWindow() const;

    // The steps of help mode: entering (FALSE when the loop is not to run
    // now; *pnIDPrevMessage receives the prompt to restore), the loop, whose
    // messages go through FilterHelpMsg, and leaving with the context chosen.
    BOOL EnterHelpMode(UINT* pnIDPrevMessage);
    DWORD RunHelpLoop();
    virtual BOOL FilterHelpMsg(MSG& msg, DWORD* pContext);
    void ExitHelpMode(DWORD dwContext, UINT nIDPrevMessage);
    BOOL ProcessHelpMouseMsg(const MSG& msg, DWORD* pContext);
    DWORD HelpContextAt(HWND hWnd, POINT point) const;
    BOOL IsTracking() const;

    CString m_strTitle;  // the frame's own title, from the resource string
    UINT m_nIDTracking = 0;
    UINT m_nIDLastMessage = 0;

    DECLARE_MESSAGE_MAP()

private:
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleLayout = 4, idleNotify = 8 };
    UINT m_nIdleFlags = 0;
    HMENU m_hMenuAlt = nullptr;
    CView* m_pViewActive = nullptr;
    BOOL m_bInRecalcLayout = FALSE;
    BOOL m_bStayActive = FALSE;  // the caption stays active for a floating frame
};
