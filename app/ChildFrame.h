#pragma once
// Classes in this file: CChildFrame, the frame of every visible project
// window. It opens maximised while the user works with maximised windows and
// remembers the choice whenever a window is maximised or restored.

#include "afxwin.h"

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() = default;

    // Where the choice is kept: 2 while child windows open maximised, else 0.
    // The application points it at its setting; without one a frame-wide
    // value serves.
    static void SetWindowSizeSetting(int* pnWindowSize);
    static int& WindowSizeSetting();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void ActivateFrame(int nCmdShow = -1) override;

protected:
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
