#include "CTKSizeDialogBar.h"

IMPLEMENT_DYNAMIC(CTKSizeDialogBar, CTKSizeControlBar)

BEGIN_MESSAGE_MAP(CTKSizeDialogBar, CTKSizeControlBar)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CTKSizeDialogBar::CTKSizeDialogBar(DWORD dwSizeBarStyle) : CTKSizeControlBar(dwSizeBarStyle)
{
}

BOOL CTKSizeDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    if (!CreateFromTemplate(pParentWnd, lpszTemplateName, nStyle, nID, m_sizeTemplate))
        return FALSE;
    m_FloatSize = m_HorzDockSize = m_VertDockSize = m_sizeTemplate;
    return TRUE;
}

BOOL CTKSizeDialogBar::OnInitDialog()
{
    return TRUE;
}

LRESULT CTKSizeDialogBar::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return OnInitDialog();
}
