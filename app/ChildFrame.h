#pragma once
// Classes in this file: CChildFrame, the frame of every visible project
// window. It opens maximised while the user works with maximised windows and
// remembers the choice (the application's m_nWindowSize: 2 maximised, 0
// normal) whenever a window is maximised or restored.

#include "afxwin.h"

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() = default;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void ActivateFrame(int nCmdShow = -1) override;

protected:
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
