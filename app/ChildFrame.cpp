#include "ChildFrame.h"

#include "VestolarApp.h"

namespace {

constexpr int kWindowSizeMaximized = 2;
constexpr int kWindowSizeNormal = 0;

int& WindowSizeSetting()
{
    return GetVestolarApp().m_nWindowSize;
}

} // namespace

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

// The views write their own captions, so the document title stays out of it.
BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW;
    if (WindowSizeSetting() == kWindowSizeMaximized)
        cs.style |= WS_MAXIMIZE;
    cs.style &= ~FWS_ADDTOTITLE;
    return TRUE;
}

void CChildFrame::ActivateFrame(int nCmdShow)
{
    CMDIChildWnd::ActivateFrame(nCmdShow);
}

// Minimising leaves the remembered size alone; the low four bits of a
// system command belong to the system.
void CChildFrame::OnSysCommand(UINT nID, LPARAM lParam)
{
    const UINT nCommand = nID & 0xFFF0;
    if (nCommand == SC_MAXIMIZE)
        WindowSizeSetting() = kWindowSizeMaximized;
    else if (nCommand == SC_RESTORE)
        WindowSizeSetting() = kWindowSizeNormal;
    CMDIChildWnd::OnSysCommand(nID, lParam);
}
