#pragma once
// Classes in this file: CTKTestMainFrame, an MDI frame made step by step as
// the program's main window: two toolbars of one id (the second hidden), a
// status bar with the key indicators, a tree bar on the left, the menu
// organiser and the tab client.

#include "toolkit/frames/CTKBitmapMenuOrganizer.h"
#include "toolkit/frames/CTKCoolToolBar.h"
#include "toolkit/frames/CTKMenuBarFrame.h"
#include "toolkit/frames/CTKSizeDockBar.h"
#include "toolkit/frames/CTKStatusBar.h"
#include "toolkit/frames/CTKTabClientWnd.h"

#include "CTKTestTreeBar.h"

typedef CTKMenuBarFrame<CMDIFrameWnd, CTKSizeDockBar> CTKTestMainFrameBase;

class CTKTestMainFrame : public CTKTestMainFrameBase {
public:
    CTKTestMainFrame() = default;

    CTKTestTreeBar m_wndTreeBar;
    CTKStatusBar m_wndStatusBar;
    CTKCoolToolBar m_wndToolBar;
    CTKCoolToolBar m_wndWordToolBar;
    CTKBitmapMenuOrganizer m_menuOrganizer;
    CTKTabClientWnd m_tabClient;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL CreateToolBar(CTKCoolToolBar& toolBar, UINT nIDResource);

    DECLARE_MESSAGE_MAP()
};
