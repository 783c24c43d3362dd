#pragma once
// Classes in this file: CTestMainFrame, the MDI main frame of the test
// application, with a message bar (id AFX_IDW_STATUS_BAR) for the prompts.

#include "afxwin.h"

class CTestMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CTestMainFrame)
public:
    CTestMainFrame() = default;

    CWnd m_wndMessageBar;
    BOOL m_bToggle = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnRoute(UINT nID);
    afx_msg void OnToggle();
    afx_msg void OnUpdateToggle(CCmdUI* pCmdUI);
    afx_msg void OnAccelerator();

    DECLARE_MESSAGE_MAP()
};
