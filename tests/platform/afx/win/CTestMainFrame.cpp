#include "CTestMainFrame.h"

#include "TestEvents.h"
#include "TestResources.h"

IMPLEMENT_DYNAMIC(CTestMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
    ON_COMMAND(ID_TEST_TOGGLE, OnToggle)
    ON_UPDATE_COMMAND_UI(ID_TEST_TOGGLE, OnUpdateToggle)
    ON_COMMAND(ID_TEST_ACCEL, OnAccelerator)
END_MESSAGE_MAP()

int CTestMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndMessageBar.Create("STATIC", "", WS_CHILD, CRect(0, 0, 200, 20), this, AFX_IDW_STATUS_BAR))
        return -1;
    return 0;
}

BOOL CTestMainFrame::OnRoute(UINT)
{
    TestEvents().push_back("main frame");
    return FALSE;
}

void CTestMainFrame::OnToggle()
{
    m_bToggle = !m_bToggle;
}

// The check goes straight onto the menu bar's menu, as the program's frame
// does; the framework's update must leave it there.
void CTestMainFrame::OnUpdateToggle(CCmdUI*)
{
    GetMenu()->CheckMenuItem(ID_TEST_TOGGLE, MF_BYCOMMAND | (m_bToggle ? MF_CHECKED : MF_UNCHECKED));
}

void CTestMainFrame::OnAccelerator()
{
    TestEvents().push_back("accelerator");
}
