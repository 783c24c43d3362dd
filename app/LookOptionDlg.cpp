#include "LookOptionDlg.h"

IMPLEMENT_DYNCREATE(CLookOptionDlg, CPropertyPage)

namespace {

// Each button names the skin of its own text.
struct CSkinButton {
    UINT nID;
    LPCTSTR lpszSkin;
};
const CSkinButton kSkinButtons[] = {
    {IDC_SKIN_CLASSIC, "Classic"},
    {IDC_SKIN_OFFICE_XP, "Office XP"},
    {IDC_SKIN_OFFICE_2003, "Office 2003"},
};

} // namespace

CLookOptionDlg::CLookOptionDlg() : CPropertyPage(IDD)
{
}

// A skin name of none of the three shows as "Classic", the skin the program
// falls back to.
BOOL CLookOptionDlg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    UINT nChecked = IDC_SKIN_CLASSIC;
    for (const CSkinButton& button : kSkinButtons) {
        if (m_sSkin == button.lpszSkin)
            nChecked = button.nID;
    }
    CheckRadioButton(IDC_SKIN_CLASSIC, IDC_SKIN_OFFICE_2003, nChecked);
    return TRUE;
}

void CLookOptionDlg::OnOK()
{
    const UINT nChecked = GetCheckedRadioButton(IDC_SKIN_CLASSIC, IDC_SKIN_OFFICE_2003);
    m_sSkin = kSkinButtons[0].lpszSkin;
    for (const CSkinButton& button : kSkinButtons) {
        if (button.nID == nChecked)
            m_sSkin = button.lpszSkin;
    }
    CPropertyPage::OnOK();
}
