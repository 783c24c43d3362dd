#include "CTestHiddenFrame.h"

IMPLEMENT_DYNCREATE(CTestHiddenFrame, CMDIChildWnd)

BOOL CTestHiddenFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~FWS_ADDTOTITLE;
    return CMDIChildWnd::PreCreateWindow(cs);
}

void CTestHiddenFrame::ActivateFrame(int)
{
    CMDIChildWnd::ActivateFrame(SW_HIDE);
}
