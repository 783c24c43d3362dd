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
class CView;
struct CCreateContext;

// Frame styles (bits of the window style a frame class owns).
#define FWS_ADDTOTITLE 0x00008000L   // the caption shows the active document's title
#define FWS_PREFIXTITLE 0x00004000L  // ... before the frame's own title
#define FWS_SNAPTOBARS 0x00002000L

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
