#include "ReportOption.h"

#include "RunningAppSettings.h"

IMPLEMENT_DYNCREATE(CReportOption, CPropertyPage)

CReportOption::CReportOption() : CPropertyPage(IDD)
{
}

void CReportOption::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_BGN_TOO_HIGH_TEXT, m_sTextBgnTooHigh);
}

BOOL CReportOption::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (const CAppSettings* pSettings = GetRunningAppSettings()) {
        CheckDlgButton(IDC_EXTENDED_REPORT, pSettings->m_bExtendedReport ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(IDC_SHOW_REPORT_BGN_INDEX, pSettings->m_bShowReportBgnIndex ? BST_CHECKED : BST_UNCHECKED);
    }
    return TRUE;
}

void CReportOption::OnOK()
{
    if (CAppSettings* pSettings = GetRunningAppSettings()) {
        pSettings->m_bExtendedReport = IsDlgButtonChecked(IDC_EXTENDED_REPORT) == BST_CHECKED;
        pSettings->m_bShowReportBgnIndex = IsDlgButtonChecked(IDC_SHOW_REPORT_BGN_INDEX) == BST_CHECKED;
    }
    CPropertyPage::OnOK();
}
