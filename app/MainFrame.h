#pragma once
// Classes in this file: CMainFrame, the program's MDI main window.

#include "afxwin.h"

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame() = default;
};
