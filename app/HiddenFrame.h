#pragma once
// Classes in this file: CHiddenFrame, the frame of a project document's own
// view. It is never shown, so a project exists without a window of its own.

#include "afxwin.h"

class CHiddenFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CHiddenFrame)
public:
    CHiddenFrame() = default;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void ActivateFrame(int nCmdShow = -1) override;
};
