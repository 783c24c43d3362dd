#include "MultiplotSetupDlg.h"

namespace {

// A number keeps its exact value unless the user edited it: the edit shows
// it with fifteen significant digits, and reading that text back would
// change a value such as 0.30000000000000004 that the user never touched.
void DDX_EditedNumber(CDataExchange* pDX, int nIDC, double& rdValue)
{
    if (pDX->m_bSaveAndValidate && ::SendMessage(pDX->PrepareEditCtrl(nIDC), EM_GETMODIFY, 0, 0) == 0)
        return;
    DDX_Text(pDX, nIDC, rdValue);
}

} // namespace

void CMultiplotSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MULTIPLOT_GRAPH_TITLE, m_Setup.m_sGraphTitle);
    DDX_Text(pDX, IDC_MULTIPLOT_AXIS_TITLE, m_Setup.m_sAxisTitle);
    DDX_EditedNumber(pDX, IDC_MULTIPLOT_RANGE, m_Setup.m_dRange);
    DDX_EditedNumber(pDX, IDC_MULTIPLOT_MAX, m_Setup.m_dMax);
    DDX_Check(pDX, IDC_MULTIPLOT_AUTOSCALE, m_Setup.m_bAutoScale);
}
