#include "VestolarApp.h"

#include "MainFrame.h"
#include "res/resource.h"

// The main frame comes from resource set IDR_MAINFRAME (title, menu, icon);
// no document is opened at start.
BOOL CVestolarApp::InitInstance()
{
    auto* pMainFrame = new CMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return FALSE;
    m_pMainWnd = pMainFrame;

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    pMainFrame->ShowWindow(m_nCmdShow);
    pMainFrame->UpdateWindow();
    return TRUE;
}
