#include "CBarTestDialogBar.h"

#include "BarTestResources.h"

void CBarTestDialogBar::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BAR_EDIT, m_sName);
    DDX_Text(pDX, IDC_BAR_COUNT, m_nCount);
    DDV_MinMaxInt(pDX, m_nCount, 0, 99);
}
