#include "ExportOption.h"

#include "RunningAppSettings.h"

#include "CFolderDialog.h"

IMPLEMENT_DYNCREATE(CExportOption, CPropertyPage)

BEGIN_MESSAGE_MAP(CExportOption, CPropertyPage)
    ON_BN_CLICKED(IDC_BROWSE_TEMPLATE_DIR, OnBrowse)
END_MESSAGE_MAP()

CExportOption::CExportOption() : CPropertyPage(IDD)
{
}

void CExportOption::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TEMPLATE_DIR, m_sTemplateDir);
    DDX_Check(pDX, IDC_LAUNCH_APPLICATION, m_bLaunchExcel);
}

BOOL CExportOption::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const CAppSettings* pSettings = GetRunningAppSettings();
    const bool bExcel = pSettings == nullptr || pSettings->m_nExportTyp == kExportExcel;
    CheckRadioButton(IDC_EXPORT_EXCEL, IDC_EXPORT_WORD, bExcel ? IDC_EXPORT_EXCEL : IDC_EXPORT_WORD);
    return TRUE;
}

// The controls show the page's values again afterwards, whether a folder
// was picked or not: a path typed but not yet taken is replaced.
void CExportOption::OnBrowse()
{
    CFolderDialog dlg("", nullptr, this);
    if (dlg.DoModal() == IDOK)
        m_sTemplateDir = dlg.GetFolderPath();
    UpdateData(FALSE);
}

void CExportOption::OnOK()
{
    if (CAppSettings* pSettings = GetRunningAppSettings())
        pSettings->m_nExportTyp =
            GetCheckedRadioButton(IDC_EXPORT_EXCEL, IDC_EXPORT_WORD) == IDC_EXPORT_EXCEL ? kExportExcel : kExportWord;
    CPropertyPage::OnOK();
}
