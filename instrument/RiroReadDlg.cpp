#include "RiroReadDlg.h"

#include "RiroPortList.h"
#include "RiroSetup.h"
#include "RiroSpectrumRead.h"

BEGIN_MESSAGE_MAP(CRiroReadDlg, CDialog)
    ON_BN_CLICKED(IDC_RIRO_AVERAGED, OnAveraged)
    ON_BN_CLICKED(IDC_RIRO_LAST, OnLast)
END_MESSAGE_MAP()

void CRiroReadDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RIRO_READ_COM, m_cbCom);
    DDX_Text(pDX, IDC_RIRO_TITLE, m_sTitle);
    DDX_Text(pDX, IDC_RIRO_TITLE2, m_sTitle2);
}

BOOL CRiroReadDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckRadioButton(IDC_RIRO_AVERAGED, IDC_RIRO_LAST, m_nRdBttn);
    CRiroPortList::Fill(m_cbCom, m_pSetup->m_Settings.m_nCom);
    return TRUE;
}

void CRiroReadDlg::OnAveraged()
{
    m_nRdBttn = IDC_RIRO_AVERAGED;
}

void CRiroReadDlg::OnLast()
{
    m_nRdBttn = IDC_RIRO_LAST;
}

// Reads the chosen register: the averaged one is register 2, the last
// measurement register 1. The port closes after each attempt; only a port
// that would not open is tried again, as often as the user asks.
void CRiroReadDlg::OnOK()
{
    if (m_nRdBttn != IDC_RIRO_AVERAGED && m_nRdBttn != IDC_RIRO_LAST)
        return;
    if (!UpdateData(TRUE))
        return;
    m_pSetup->m_Settings.m_nCom = CRiroPortList::SelectedPort(m_cbCom);
    BeginWaitCursor();
    const int nRegister = m_nRdBttn == IDC_RIRO_AVERAGED ? 2 : 1;
    int nResult = CRiroSpectrumRead::kRetry;
    while (nResult == CRiroSpectrumRead::kRetry) {
        nResult = CRiroSpectrumRead(*m_pSetup, m_sTitle, m_sTitle2).ReadSpectra(nRegister);
        m_pSetup->ClosePort();
    }
    EndWaitCursor();
    EndDialog(nResult == CRiroSpectrumRead::kRead ? IDOK : IDCANCEL);
}
