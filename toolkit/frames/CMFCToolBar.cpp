#include "CMFCToolBar.h"

IMPLEMENT_DYNAMIC(CMFCToolBar, CToolBar)

BOOL CMFCToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    return CToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID);
}

void CMFCToolBar::SetBarStyle(DWORD dwStyle)
{
    CControlBar::SetBarStyle(dwStyle);
}
