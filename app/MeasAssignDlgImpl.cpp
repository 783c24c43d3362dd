#include "MeasAssignDlgImpl.h"

CMeasAssignDlgImpl::CMeasAssignDlgImpl(UINT nIDTemplate, CWnd* pParent, CMeasAssignRules::ELayout layout,
                                       UINT nFirstRadio1, UINT nFirstRadio2)
    : CDialog(nIDTemplate, pParent), m_layout(layout), m_nFirstRadio1(nFirstRadio1), m_nFirstRadio2(nFirstRadio2)
{
}

BOOL CMeasAssignDlgImpl::RunWith(CAssignExchange& exchange)
{
    m_pChannel1 = exchange.m_pChannel1;
    m_pChannel2 = exchange.m_pChannel2;
    m_pReportInfo = exchange.m_pReportInfo;
    m_sFileText = exchange.m_sPath;
    if (DoModal() != IDOK)
        return FALSE;
    exchange.m_nTable1 = m_nTable1;
    exchange.m_nTable2 = m_nTable2;
    return TRUE;
}

void CMeasAssignDlgImpl::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ASSIGN_FILE, m_sFileText);
}

// The dialog shows only the file's name; every channel button starts
// disabled, and a channel with a record gets the rows its project and its
// spectrum type allow.
BOOL CMeasAssignDlgImpl::OnInitDialog()
{
    m_sFileText = m_sFileText.Mid(m_sFileText.ReverseFind('\\') + 1);
    CDialog::OnInitDialog();
    if (m_pReportInfo == nullptr)
        return TRUE;

    const CMeasAssignRules rules(m_layout, *m_pReportInfo);
    CAssignRows rows1;
    CAssignRows rows2;
    rules.Preselect(m_pChannel1, m_pChannel2, rows1, rows2);
    if (m_pChannel1)
        ShowChannelRows(rules, m_nFirstRadio1, rows1);
    if (m_pChannel2)
        ShowChannelRows(rules, m_nFirstRadio2, rows2);
    return TRUE;
}

void CMeasAssignDlgImpl::ShowChannelRows(const CMeasAssignRules& rules, UINT nFirstRadio, const CAssignRows& rows)
{
    const int nRowCount = rules.GetRowCount();
    for (int nRow = 0; nRow < nRowCount; ++nRow) {
        if (rows.IsEnabled(nRow))
            GetDlgItem(nFirstRadio + nRow)->EnableWindow(TRUE);
    }
    if (rows.m_nChecked >= 0)
        CheckRadioButton(nFirstRadio, nFirstRadio + nRowCount - 1, nFirstRadio + rows.m_nChecked);
}

void CMeasAssignDlgImpl::OnOK()
{
    if (m_pReportInfo) {
        const CMeasAssignRules rules(m_layout, *m_pReportInfo);
        if (m_pChannel1)
            m_nTable1 = CheckedTable(rules, m_nFirstRadio1);
        if (m_pChannel2)
            m_nTable2 = CheckedTable(rules, m_nFirstRadio2);
    }
    CDialog::OnOK();
}

// The table of the channel's checked button; -1 for "None" or no button.
int CMeasAssignDlgImpl::CheckedTable(const CMeasAssignRules& rules, UINT nFirstRadio) const
{
    const int nChecked = GetCheckedRadioButton(nFirstRadio, nFirstRadio + rules.GetRowCount() - 1);
    return nChecked == 0 ? -1 : rules.GetTable(nChecked - static_cast<int>(nFirstRadio));
}
