#include "PageSetupDlg.h"

#include "PageSetup.h"

namespace {

constexpr int kMaxMargin = 50;

} // namespace

BEGIN_MESSAGE_MAP(CPageSetupDlg, CDialog)
    ON_NOTIFY_RANGE(UDN_DELTAPOS, IDC_PAGE_SETUP_TOP_SPIN, IDC_PAGE_SETUP_LEFT_SPIN, OnSpinMargin)
END_MESSAGE_MAP()

CPageSetupDlg::CPageSetupDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

bool CPageSetupDlg::EditPageSetup(CPageSetup& setup, bool bWithLegend, CWnd* pParent)
{
    CPageSetupDlg dlg(pParent);
    dlg.m_bEnableLegend = bWithLegend;
    dlg.ReadRecord(setup);
    if (dlg.DoModal() != IDOK)
        return false;
    dlg.WriteRecord(setup);
    return true;
}

void CPageSetupDlg::ReadRecord(const CPageSetup& setup)
{
    m_bPrintLegend = setup.m_bPrintLegend;
    m_sHeaderRight = setup.m_sHeaderRight;
    m_sHeaderLeft = setup.m_sHeaderLeft;
    m_sHeaderCenter = setup.m_sHeaderCenter;
    m_sFooterRight = setup.m_sFooterRight;
    m_sFooterLeft = setup.m_sFooterLeft;
    m_sFooterCenter = setup.m_sFooterCenter;
    m_nLeftMargin = setup.m_nLeftMargin;
    m_nTopMargin = setup.m_nTopMargin;
}

void CPageSetupDlg::WriteRecord(CPageSetup& setup) const
{
    if (m_bEnableLegend)
        setup.m_bPrintLegend = m_bPrintLegend;
    setup.m_sHeaderRight = m_sHeaderRight;
    setup.m_sHeaderLeft = m_sHeaderLeft;
    setup.m_sHeaderCenter = m_sHeaderCenter;
    setup.m_sFooterRight = m_sFooterRight;
    setup.m_sFooterLeft = m_sFooterLeft;
    setup.m_sFooterCenter = m_sFooterCenter;
    setup.m_nLeftMargin = m_nLeftMargin;
    setup.m_nTopMargin = m_nTopMargin;
}

void CPageSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PAGE_SETUP_HEADER_LEFT, m_sHeaderLeft);
    DDX_Text(pDX, IDC_PAGE_SETUP_HEADER_CENTER, m_sHeaderCenter);
    DDX_Text(pDX, IDC_PAGE_SETUP_HEADER_RIGHT, m_sHeaderRight);
    DDX_Text(pDX, IDC_PAGE_SETUP_FOOTER_LEFT, m_sFooterLeft);
    DDX_Text(pDX, IDC_PAGE_SETUP_FOOTER_CENTER, m_sFooterCenter);
    DDX_Text(pDX, IDC_PAGE_SETUP_FOOTER_RIGHT, m_sFooterRight);
    DDX_Text(pDX, IDC_PAGE_SETUP_TOP, m_nTopMargin);
    DDV_MinMaxInt(pDX, m_nTopMargin, 0, kMaxMargin);
    DDX_Text(pDX, IDC_PAGE_SETUP_LEFT, m_nLeftMargin);
    DDV_MinMaxInt(pDX, m_nLeftMargin, 0, kMaxMargin);
}

BOOL CPageSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* pLegend = GetDlgItem(IDC_PAGE_SETUP_PRINT_LEGEND)) {
        pLegend->ShowWindow(m_bEnableLegend ? SW_SHOW : SW_HIDE);
        CheckDlgButton(IDC_PAGE_SETUP_PRINT_LEGEND, m_bPrintLegend ? BST_CHECKED : BST_UNCHECKED);
    }
    return TRUE;
}

void CPageSetupDlg::OnOK()
{
    m_bPrintLegend = IsDlgButtonChecked(IDC_PAGE_SETUP_PRINT_LEGEND) == BST_CHECKED;
    CDialog::OnOK();
}

// The arrows step from the value the dialog holds, not from what was typed
// since, and wrap around: up at 50 gives 0, down at 0 gives 50. The spin's
// default range runs downward, so the up arrow's delta is -1.
void CPageSetupDlg::OnSpinMargin(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const bool bTop = nID == IDC_PAGE_SETUP_TOP_SPIN;
    int& nMargin = bTop ? m_nTopMargin : m_nLeftMargin;
    nMargin -= reinterpret_cast<const NMUPDOWN*>(pNMHDR)->iDelta;
    if (nMargin > kMaxMargin)
        nMargin = 0;
    else if (nMargin < 0)
        nMargin = kMaxMargin;
    SetDlgItemInt(bTop ? IDC_PAGE_SETUP_TOP : IDC_PAGE_SETUP_LEFT, static_cast<UINT>(nMargin), FALSE);
}
