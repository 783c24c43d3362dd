#include "MultiplotSetupDlg.h"

void CMultiplotSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MULTIPLOT_GRAPH_TITLE, m_Setup.m_sGraphTitle);
    DDX_Text(pDX, IDC_MULTIPLOT_AXIS_TITLE, m_Setup.m_sAxisTitle);
    DDX_Text(pDX, IDC_MULTIPLOT_RANGE, m_Setup.m_dRange);
    DDX_Text(pDX, IDC_MULTIPLOT_MAX, m_Setup.m_dMax);
    DDX_Check(pDX, IDC_MULTIPLOT_AUTOSCALE, m_Setup.m_bAutoScale);
}
