#include "CDockTestBar.h"

BOOL CDockTestBar::Create(CFrameWnd* pFrame, LPCTSTR lpszName, DWORD dwBarStyle, UINT nID)
{
    DWORD dwStyle = SplitBarStyle(WS_CHILD | WS_VISIBLE | dwBarStyle);
    if (!CreateEx(0, AfxDefaultWndClass(COLOR_BTNFACE), lpszName, dwStyle, CRect(0, 0, 0, 0), pFrame, nID))
        return FALSE;
    AttachToFrame(pFrame);
    return TRUE;
}

CSize CDockTestBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return bHorz ? m_sizeHorz : CSize(m_sizeHorz.cy, m_sizeHorz.cx);
}

void CDockTestBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    ++m_nIdleUpdates;
}
