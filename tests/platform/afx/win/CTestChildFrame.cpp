#include "CTestChildFrame.h"

#include "TestEvents.h"
#include "TestResources.h"

IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CTestChildFrame, CMDIChildWnd)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
END_MESSAGE_MAP()

BOOL CTestChildFrame::s_bOwnCaption = FALSE;
BOOL CTestChildFrame::s_bMaximized = FALSE;

BOOL CTestChildFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_VISIBLE;
    if (s_bOwnCaption)
        cs.style &= ~FWS_ADDTOTITLE;
    if (s_bMaximized)
        cs.style |= WS_MAXIMIZE;
    return TRUE;
}

BOOL CTestChildFrame::OnRoute(UINT)
{
    TestEvents().push_back("child frame");
    return FALSE;
}
