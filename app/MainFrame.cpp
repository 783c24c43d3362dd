#include "MainFrame.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)
