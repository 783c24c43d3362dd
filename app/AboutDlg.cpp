#include "AboutDlg.h"

#include "DetailsDlg.h"

#include "platform/version/VersionReader.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_BN_CLICKED(IDC_VERSION_DETAILS, OnDetails)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* pParentWnd) : CDialog(IDD, pParentWnd)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONTACT_WEB_PAGE, m_wndWebPage);
    DDX_Control(pDX, IDC_CONTACT_MAIL, m_wndMail);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const VersionReader version(VersionReader::GetProgramPath());
    SetDlgItemText(IDC_ABOUT_VERSION,
                   "Vestolar Version " + version.GetVersionText(VersionReader::kFileVersion, VersionReader::kShorten));
    SetDlgItemText(IDC_ABOUT_COPYRIGHT, version.GetVersionText(VersionReader::kLegalCopyright, 0));
    CString sTarget;
    sTarget.LoadString(IDS_CONTACT_WEB_PAGE);
    m_wndWebPage.SetAction(CTKHyperLinkAction::open, sTarget);
    sTarget.LoadString(IDS_CONTACT_MAIL);
    m_wndMail.SetAction(CTKHyperLinkAction::mail, sTarget);
    return TRUE;
}

void CAboutDlg::OnDetails()
{
    CDetailsDlg dlg(this);
    dlg.DoModal();
}
