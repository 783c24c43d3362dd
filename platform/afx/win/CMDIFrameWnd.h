#pragma once
// Classes in this file: CMDIFrameWnd, the main frame of an MDI program: it
// holds the MDI client with the child frames, shows the menu of the active
// child's template (its own menu without one), offers commands to the active
// child first, and runs the Window menu.

#include "CFrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd() = default;

    HWND m_hWndMDIClient = nullptr;

// Operations
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The popup of hMenuBar that holds the Window menu's commands, or null.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDICascade();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

// Overridables
    CFrameWnd* GetActiveFrame() override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    afx_msg void OnWindowNew();

    DECLARE_MESSAGE_MAP()
};
