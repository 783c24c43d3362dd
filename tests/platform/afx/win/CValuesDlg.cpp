#include "CValuesDlg.h"

BEGIN_MESSAGE_MAP(CValuesDlg, CDialog)
    ON_EN_CHANGE(IDC_TEST_NAME, OnNameChange)
END_MESSAGE_MAP()

BOOL CValuesDlg::OnInitDialog()
{
    m_bInitDialogSawControls = GetDlgItem(IDC_TEST_COMBO) != nullptr;
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_TEST_COMBO));
    for (LPCTSTR lpszItem : {"Octave", "Third", "Narrow"})
        pCombo->AddString(lpszItem);
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_TEST_LIST));
    for (LPCTSTR lpszItem : {"Alpha", "Beta"})
        pList->AddString(lpszItem);
    return CDialog::OnInitDialog();
}

void CValuesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TEST_NAME, m_editName);
    DDX_Text(pDX, IDC_TEST_NAME, m_sName);
    DDV_MaxChars(pDX, m_sName, 20);
    DDX_Text(pDX, IDC_TEST_COUNT, m_nCount);
    DDV_MinMaxInt(pDX, m_nCount, 1, 44);
    DDX_Text(pDX, IDC_TEST_FACTOR, m_dFactor);
    DDV_MinMaxDouble(pDX, m_dFactor, 0.05, 2.5);
    DDX_Text(pDX, IDC_TEST_UNSIGNED, m_nUnsigned);
    DDX_Check(pDX, IDC_TEST_LEGEND, m_nLegend);
    DDX_Radio(pDX, IDC_TEST_RADIO_A, m_nRadio);
    DDX_CBIndex(pDX, IDC_TEST_COMBO, m_nCombo);
    DDX_LBIndex(pDX, IDC_TEST_LIST, m_nList);
}

void CValuesDlg::OnNameChange()
{
    ++m_nNameChanges;
}
