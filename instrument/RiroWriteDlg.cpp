#include "RiroWriteDlg.h"

#include "RiroPortList.h"
#include "RiroSetup.h"

#include <shellapi.h>

// One number field of the dialog: its edit, its spin button, the value, the
// step of one spin and the accepted range with the message that names it.
struct CRiroField {
    int nEdit;
    int nSpin;
    int CRiroSettings::*pValue;
    int nStep;
    int nMin;
    int nMax;
    UINT nMessage;
};

namespace {

const CRiroField kFields[] = {
    {IDC_RIRO_AIR_AVRG, IDC_RIRO_SPIN_AIR_AVRG, &CRiroSettings::m_nAirAvrg, 1, 1, 10000, IDS_RIRO_RANGE_ERROR},
    {IDC_RIRO_AIR_NOISE, IDC_RIRO_SPIN_AIR_NOISE, &CRiroSettings::m_nAirNoise, 1, 0, 100, IDS_RIRO_RANGE_ERROR},
    {IDC_RIRO_AIR_FS1, IDC_RIRO_SPIN_AIR_FS1, &CRiroSettings::m_nAirFs1, 5, 50, 160, IDS_RIRO_FULLSCALE_RANGE},
    {IDC_RIRO_AIR_FS2, IDC_RIRO_SPIN_AIR_FS2, &CRiroSettings::m_nAirFs2, 5, 50, 160, IDS_RIRO_FULLSCALE_RANGE},
    {IDC_RIRO_IMPACT_FS, IDC_RIRO_SPIN_IMPACT_FS, &CRiroSettings::m_nImpactFS, 5, 50, 160, IDS_RIRO_FULLSCALE_RANGE},
    {IDC_RIRO_REVERB_AVRG, IDC_RIRO_SPIN_REVERB_AVRG, &CRiroSettings::m_nReverbAvrg, 1, 1, 10000, IDS_RIRO_AVERAGES_RANGE},
    {IDC_RIRO_REVERB_NOISE, IDC_RIRO_SPIN_REVERB_NOISE, &CRiroSettings::m_nReverbNoise, 1, 5, 15, IDS_RIRO_NOISE_DISTANCE_RANGE},
    {IDC_RIRO_REVERB_FS, IDC_RIRO_SPIN_REVERB_FS, &CRiroSettings::m_nReverbFS, 5, 50, 160, IDS_RIRO_FULLSCALE_RANGE},
};

const struct {
    int nButton;
    int CRiroSettings::*pValue;
} kCheckBoxes[] = {
    {IDC_RIRO_AIR_MLS, &CRiroSettings::m_nCheckAirMls},       {IDC_RIRO_IMPACT_CH1, &CRiroSettings::m_nCheckImpactCh1},
    {IDC_RIRO_IMPACT_CH2, &CRiroSettings::m_nCheckImpactCh2}, {IDC_RIRO_REVERB_MLS, &CRiroSettings::m_nCheckReverbMls},
    {IDC_RIRO_REVERB_CH1, &CRiroSettings::m_nCheckReverbCh1}, {IDC_RIRO_REVERB_CH2, &CRiroSettings::m_nCheckReverbCh2},
};

// The controls each kind enables; the averages (and the airborne noise
// distance) only while their kind's MLS box is checked too.
const struct {
    int nKind;
    int nControl;
    int nMlsBox;  // 0: no condition
} kKindControls[] = {
    {CRiroSettings::kAirborne, IDC_RIRO_AIR_MLS, 0},       {CRiroSettings::kAirborne, IDC_RIRO_AIR_FS1, 0},
    {CRiroSettings::kAirborne, IDC_RIRO_AIR_FS2, 0},       {CRiroSettings::kAirborne, IDC_RIRO_AIR_AVRG, IDC_RIRO_AIR_MLS},
    {CRiroSettings::kAirborne, IDC_RIRO_AIR_NOISE, IDC_RIRO_AIR_MLS},
    {CRiroSettings::kImpact, IDC_RIRO_IMPACT_CH1, 0},      {CRiroSettings::kImpact, IDC_RIRO_IMPACT_CH2, 0},
    {CRiroSettings::kImpact, IDC_RIRO_IMPACT_FS, 0},
    {CRiroSettings::kReverberation, IDC_RIRO_REVERB_MLS, 0}, {CRiroSettings::kReverberation, IDC_RIRO_REVERB_NOISE, 0},
    {CRiroSettings::kReverberation, IDC_RIRO_REVERB_FS, 0},  {CRiroSettings::kReverberation, IDC_RIRO_REVERB_CH1, 0},
    {CRiroSettings::kReverberation, IDC_RIRO_REVERB_CH2, 0},
    {CRiroSettings::kReverberation, IDC_RIRO_REVERB_AVRG, IDC_RIRO_REVERB_MLS},
};

const struct {
    int nButton;
    LPCTSTR lpszDocument;
} kHelpDocuments[] = {
    {IDC_RIRO_AIR_HELP, "\\Help_Luftschall.pdf"},
    {IDC_RIRO_IMPACT_HELP, "\\Help_Trittschall.pdf"},
    {IDC_RIRO_REVERB_HELP, "\\Help_Nachhallzeit.pdf"},
};

const CRiroField* FindField(int nControl)
{
    for (const CRiroField& field : kFields)
        if (field.nEdit == nControl || field.nSpin == nControl)
            return &field;
    return nullptr;
}

} // namespace

BEGIN_MESSAGE_MAP(CRiroWriteDlg, CDialog)
    ON_COMMAND_RANGE(IDC_RIRO_AIRBORNE, IDC_RIRO_REVERB, OnKind)
    ON_BN_CLICKED(IDC_RIRO_AIR_MLS, OnMls)
    ON_BN_CLICKED(IDC_RIRO_REVERB_MLS, OnMls)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_RIRO_AIR_FS1, IDC_RIRO_AIR_NOISE, OnFieldKillFocus)
    ON_NOTIFY_RANGE(UDN_DELTAPOS, IDC_RIRO_SPIN_AIR_AVRG, IDC_RIRO_SPIN_IMPACT_FS, OnSpin)
    ON_COMMAND_RANGE(IDC_RIRO_REVERB_HELP, IDC_RIRO_IMPACT_HELP, OnHelpButton)
END_MESSAGE_MAP()

void CRiroWriteDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RIRO_WRITE_COM, m_cbCom);
    for (const CRiroField& field : kFields)
        DDX_Text(pDX, field.nEdit, m_Settings.*field.pValue);
}

BOOL CRiroWriteDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckRadioButton(IDC_RIRO_AIRBORNE, IDC_RIRO_REVERB, m_Settings.m_nWriteRdBttn);
    for (const auto& box : kCheckBoxes)
        CheckDlgButton(box.nButton, m_Settings.*box.pValue == 1 ? BST_CHECKED : BST_UNCHECKED);
    UpdateEnabledState();
    CRiroPortList::Fill(m_cbCom, m_Settings.m_nCom);
    return TRUE;
}

void CRiroWriteDlg::UpdateEnabledState()
{
    for (const auto& rule : kKindControls) {
        const bool bEnabled = rule.nKind == m_Settings.m_nWriteRdBttn &&
                              (rule.nMlsBox == 0 || IsDlgButtonChecked(rule.nMlsBox) == BST_CHECKED);
        GetDlgItem(rule.nControl)->EnableWindow(bEnabled);
    }
}

void CRiroWriteDlg::OnKind(UINT nID)
{
    CheckRadioButton(IDC_RIRO_AIRBORNE, IDC_RIRO_REVERB, static_cast<int>(nID));
    m_Settings.m_nWriteRdBttn = static_cast<int>(nID);
    UpdateEnabledState();
}

void CRiroWriteDlg::OnMls()
{
    UpdateEnabledState();
}

// A value outside its range is named and its field gets the focus back.
// The focus moving back must not check the field the user went to.
bool CRiroWriteDlg::CheckField(const CRiroField& field)
{
    BOOL bNumber = FALSE;
    const int nValue = static_cast<int>(GetDlgItemInt(field.nEdit, &bNumber, TRUE));
    if (bNumber && nValue >= field.nMin && nValue <= field.nMax) {
        m_Settings.*field.pValue = nValue;
        return true;
    }
    m_bChecksSuspended = true;
    AfxMessageBox(field.nMessage, MB_OK);
    GotoDlgCtrl(GetDlgItem(field.nEdit));
    m_bChecksSuspended = false;
    return false;
}

void CRiroWriteDlg::OnFieldKillFocus(UINT nID)
{
    if (m_bChecksSuspended)
        return;
    if (const CRiroField* pField = FindField(static_cast<int>(nID)))
        CheckField(*pField);
}

// A spin's upper arrow reports a change of -1 and raises the value.
void CRiroWriteDlg::OnSpin(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const CRiroField* pField = FindField(static_cast<int>(nID));
    if (pField == nullptr)
        return;
    const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    BOOL bNumber = FALSE;
    int nValue = static_cast<int>(GetDlgItemInt(pField->nEdit, &bNumber, TRUE));
    if (!bNumber)
        nValue = m_Settings.*pField->pValue;
    nValue -= pUpDown->iDelta * pField->nStep;
    nValue = nValue < pField->nMin ? pField->nMin : (nValue > pField->nMax ? pField->nMax : nValue);
    m_Settings.*pField->pValue = nValue;
    SetDlgItemInt(pField->nEdit, static_cast<UINT>(nValue), TRUE);
}

void CRiroWriteDlg::OnHelpButton(UINT nID)
{
    for (const auto& help : kHelpDocuments)
        if (help.nButton == static_cast<int>(nID)) {
            CWnd* pMain = AfxGetMainWnd();
            ::ShellExecuteA(pMain != nullptr ? pMain->m_hWnd : nullptr, nullptr, m_pSetup->m_sProgramFolder + help.lpszDocument,
                            nullptr, nullptr, SW_SHOWNORMAL);
        }
}

void CRiroWriteDlg::ReadCheckBoxes()
{
    for (const auto& box : kCheckBoxes)
        m_Settings.*box.pValue = IsDlgButtonChecked(box.nButton) == BST_CHECKED ? 1 : 0;
    if (m_Settings.m_nCheckImpactCh1 == 0 && m_Settings.m_nCheckImpactCh2 == 0)
        m_Settings.m_nCheckImpactCh1 = 1;
    if (m_Settings.m_nCheckReverbCh1 == 0 && m_Settings.m_nCheckReverbCh2 == 0)
        m_Settings.m_nCheckReverbCh1 = 1;
}

// The fields the user can edit are checked again: a value typed and never
// left (OK pressed with Enter) would otherwise reach the analyser as it is.
bool CRiroWriteDlg::CheckEnabledFields()
{
    for (const CRiroField& field : kFields)
        if (GetDlgItem(field.nEdit)->IsWindowEnabled() && !CheckField(field))
            return false;
    return true;
}

// The field that has the focus loses it as the dialog closes: that must not
// name its value once more.
void CRiroWriteDlg::OnCancel()
{
    m_bChecksSuspended = true;
    CDialog::OnCancel();
}

void CRiroWriteDlg::OnOK()
{
    if (!CheckEnabledFields())
        return;
    m_Settings.m_nCom = CRiroPortList::SelectedPort(m_cbCom);
    ReadCheckBoxes();
    m_bChecksSuspended = true;
    CDialog::OnOK();
}
