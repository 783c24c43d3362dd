#include "CTKCoolToolBar.h"

IMPLEMENT_DYNAMIC(CTKCoolToolBar, CToolBar)

void CTKCoolToolBar::EnableDocking(DWORD dwDockStyle, BOOL bFlag)
{
    CToolBar::EnableDocking(dwDockStyle);
    m_bDockContextFlag = bFlag;
}

void CTKCoolToolBar::UpdateSizes(BOOL bRecalcLayout, BOOL bRedraw)
{
    if (!IsWindowVisible())
        return;
    CFrameWnd* pFrame = GetDockingFrame();
    if (bRecalcLayout && pFrame != nullptr)
        pFrame->RecalcLayout();
    if (bRedraw)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    else if (!bRecalcLayout)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}
