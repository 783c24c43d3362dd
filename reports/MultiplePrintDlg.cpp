#include "MultiplePrintDlg.h"

CMultiplePrintDlg::CMultiplePrintDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

void CMultiplePrintDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int nBit = 0; nBit < kBoxCount; ++nBit)
        DDX_Check(pDX, IDC_PRINT_TEST_REPORT + nBit, m_bChecked[nBit]);
}

// A box already ticked by the caller stays ticked.
BOOL CMultiplePrintDlg::OnInitDialog()
{
    for (int nBit = 0; nBit < kBoxCount; ++nBit) {
        if (m_nPrintSelection & (1u << nBit))
            m_bChecked[nBit] = TRUE;
    }
    return CDialog::OnInitDialog();
}

void CMultiplePrintDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_nPrintSelection = 0;
    for (int nBit = 0; nBit < kBoxCount; ++nBit) {
        if (m_bChecked[nBit])
            m_nPrintSelection |= 1u << nBit;
    }
    EndDialog(IDOK);
}
