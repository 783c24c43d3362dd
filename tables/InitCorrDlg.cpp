#include "InitCorrDlg.h"

namespace {
// "-12.5": a minus sign makes room for one more character.
constexpr UINT kValueLength = 4;
constexpr UINT kSignedValueLength = 5;
} // namespace

BEGIN_MESSAGE_MAP(CInitCorrDlg, CDialog)
    ON_EN_CHANGE(IDC_INIT_CORRECTION_VALUE, OnValueChange)
END_MESSAGE_MAP()

BOOL CInitCorrDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edit.SubclassDlgItem(IDC_INIT_CORRECTION_VALUE, this);
    m_edit.SetLimitText(kValueLength);
    m_edit.SetFractionalDigitCount(1);
    BringWindowToTop();
    m_edit.SetFocus();
    return FALSE;
}

void CInitCorrDlg::OnValueChange()
{
    CString sText;
    m_edit.GetWindowText(sText);
    if (sText == "-")
        m_edit.SetLimitText(kSignedValueLength);
}

void CInitCorrDlg::OnOK()
{
    m_edit.GetWindowText(m_sValue);
    CDialog::OnOK();
}
