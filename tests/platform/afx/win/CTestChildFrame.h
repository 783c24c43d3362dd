#pragma once
// Classes in this file: CTestChildFrame, the visible child frame of the test
// application. With m_bOwnCaption (set before creation) it clears
// FWS_ADDTOTITLE, as the program's child frames do.

#include "afxwin.h"

class CTestChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestChildFrame)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    static BOOL s_bOwnCaption;

protected:
    CTestChildFrame() = default;

    afx_msg BOOL OnRoute(UINT nID);

    DECLARE_MESSAGE_MAP()
};
