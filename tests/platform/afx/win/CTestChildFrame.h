#pragma once
// Classes in this file: CTestChildFrame, the visible child frame of the test
// application. With s_bOwnCaption (set before creation) it clears
// FWS_ADDTOTITLE, as the program's child frames do; with s_bMaximized it
// asks to open maximised.

#include "afxwin.h"

class CTestChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestChildFrame)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    static BOOL s_bOwnCaption;
    static BOOL s_bMaximized;

protected:
    CTestChildFrame() = default;

    afx_msg BOOL OnRoute(UINT nID);

    DECLARE_MESSAGE_MAP()
};
