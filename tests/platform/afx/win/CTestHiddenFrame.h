#pragma once
// Classes in this file: CTestHiddenFrame, the frame of a document's own view
// that never shows, as the program's hidden frame.

#include "afxwin.h"

class CTestHiddenFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestHiddenFrame)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void ActivateFrame(int nCmdShow = -1) override;

protected:
    CTestHiddenFrame() = default;
};
