#include "RevCalcPage.h"

#include "RunningAppSettings.h"

IMPLEMENT_DYNCREATE(CRevCalcPage, CPropertyPage)

namespace {

enum { kPrimary = 0, kSecondary = 1, kAutomatic = 2 };

}  // namespace

CRevCalcPage::CRevCalcPage() : CPropertyPage(IDD)
{
}

BOOL CRevCalcPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (const CAppSettings* pSettings = GetRunningAppSettings())
        m_nReverbChoice = pSettings->m_nReverbImport;
    OnSetActive();
    return TRUE;
}

// A stored value the readers do not know shows as the automatic choice, which
// is what the spectrum reader makes of it.
BOOL CRevCalcPage::OnSetActive()
{
    UINT nButton = IDC_REVERB_AUTO;
    if (m_nReverbChoice == kPrimary)
        nButton = IDC_REVERB_PRIMARY;
    else if (m_nReverbChoice == kSecondary)
        nButton = IDC_REVERB_SECONDARY;
    CheckRadioButton(IDC_REVERB_SECONDARY, IDC_REVERB_AUTO, nButton);
    return CPropertyPage::OnSetActive();
}

BOOL CRevCalcPage::OnKillActive()
{
    m_nReverbChoice = CheckedChoice();
    return CPropertyPage::OnKillActive();
}

void CRevCalcPage::OnOK()
{
    if (CAppSettings* pSettings = GetRunningAppSettings())
        pSettings->m_nReverbImport = CheckedChoice();
    CPropertyPage::OnOK();
}

int CRevCalcPage::CheckedChoice() const
{
    switch (GetCheckedRadioButton(IDC_REVERB_SECONDARY, IDC_REVERB_AUTO)) {
    case IDC_REVERB_SECONDARY:
        return kSecondary;
    case IDC_REVERB_PRIMARY:
        return kPrimary;
    default:
        return kAutomatic;
    }
}
