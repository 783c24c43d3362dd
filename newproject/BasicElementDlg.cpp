// CBasicElementDlg: one radio button per basic element; an unknown preset
// shows the heavyweight wall, and no button checked reads as one.

#include "newproject/BasicElementDlg.h"

CBasicElementDlg::CBasicElementDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CBasicElementDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const bool bKnown = m_nBasicElement >= kHeavyweightWall && m_nBasicElement <= kDirect;
    CheckRadioButton(IDC_HEAVYWEIGHT_WALL, IDC_DIRECT,
                     IDC_HEAVYWEIGHT_WALL + (bKnown ? m_nBasicElement : kHeavyweightWall));
    return TRUE;
}

void CBasicElementDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const int nChecked = GetCheckedRadioButton(IDC_HEAVYWEIGHT_WALL, IDC_DIRECT);
    m_nBasicElement = nChecked == 0 ? kHeavyweightWall : nChecked - IDC_HEAVYWEIGHT_WALL;
    CDialog::OnOK();
}
