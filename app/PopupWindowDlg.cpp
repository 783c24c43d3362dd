#include "PopupWindowDlg.h"

IMPLEMENT_DYNCREATE(CPopupWindowDlg, CPropertyPage)

namespace {

struct CPopupButton {
    UINT nID;
    int nViewKind;
};
const CPopupButton kPopupButtons[] = {
    {IDC_POPUP_NO_CHANGE, 0},
    {IDC_POPUP_TEST_REPORT, 102},
    {IDC_POPUP_RESULT_TABLE, 103},
};

} // namespace

CPopupWindowDlg::CPopupWindowDlg() : CPropertyPage(IDD)
{
}

// A value of none of the buttons checks none.
BOOL CPopupWindowDlg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (const CPopupButton& button : kPopupButtons) {
        if (m_nPopupWindow == button.nViewKind)
            CheckRadioButton(IDC_POPUP_NO_CHANGE, IDC_POPUP_RESULT_TABLE, button.nID);
    }
    return TRUE;
}

// With no button checked the value stays as it was.
void CPopupWindowDlg::OnOK()
{
    const UINT nChecked = GetCheckedRadioButton(IDC_POPUP_NO_CHANGE, IDC_POPUP_RESULT_TABLE);
    for (const CPopupButton& button : kPopupButtons) {
        if (button.nID == nChecked)
            m_nPopupWindow = button.nViewKind;
    }
    CPropertyPage::OnOK();
}
