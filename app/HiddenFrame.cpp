#include "HiddenFrame.h"

IMPLEMENT_DYNCREATE(CHiddenFrame, CMDIChildWnd)

BOOL CHiddenFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~FWS_ADDTOTITLE;
    return CMDIChildWnd::PreCreateWindow(cs);
}

// Whatever show command is asked for, even from the Window menu.
void CHiddenFrame::ActivateFrame(int nCmdShow)
{
    CMDIChildWnd::ActivateFrame(SW_HIDE);
}
