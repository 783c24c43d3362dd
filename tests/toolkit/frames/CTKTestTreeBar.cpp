#include "CTKTestTreeBar.h"

#include "TKFramesTestResources.h"

BOOL CTKTestTreeBar::OnInitDialog()
{
    ++m_nInitCount;
    return TRUE;
}

void CTKTestTreeBar::OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags)
{
    CTKSizeDialogBar::OnSizedOrDocked(cx, cy, bFloating, nFlags);
    m_sizeReported = CSize(cx, cy);
    CWnd* pTree = GetDlgItem(IDC_TKTREE);
    if (pTree != nullptr)
        pTree->MoveWindow(0, 0, cx, cy);
}
