#pragma once
// Classes in this file: CBarTestFrame, an MDI frame with the bars of the
// program's main window: a toolbar at the top, a status bar with the key
// indicators at the foot.

#include "afxwin.h"

class CBarTestFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CBarTestFrame)
public:
    CBarTestFrame() = default;

    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    int m_nHandledCount = 0;
    BOOL m_bChecked = TRUE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnHandled();
    afx_msg void OnChecked();
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
