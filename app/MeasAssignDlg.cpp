#include "MeasAssignDlg.h"

CMeasAssignDlg::CMeasAssignDlg(CWnd* pParent)
    : CMeasAssignDlgImpl(IDD, pParent, CMeasAssignRules::kStandardLayout, IDC_CHN1_SOURCE_ROOM, IDC_CHN2_SOURCE_ROOM)
{
}

BOOL CMeasAssignDlg::Run(CAssignExchange& exchange, CWnd* pParent)
{
    CMeasAssignDlg dlg(pParent);
    return dlg.RunWith(exchange);
}

// An impact+airborne project keeps its airborne rooms' levels in the rows of
// background noise and reverberation (tables 128 and 129), and its
// reverberation in the row of the reference reverberation (table 124).
BOOL CMeasAssignDlg::OnInitDialog()
{
    CMeasAssignDlgImpl::OnInitDialog();
    if (m_pReportInfo && m_pReportInfo->m_bImpactAirborne) {
        CString sAirborne;
        sAirborne.LoadString(IDS_AIRBORNE);
        CString sRoom;
        sRoom.LoadString(IDS_TREE_SOURCE_ROOM);
        SetDlgItemText(IDC_LABEL_BACKGROUND_NOISE, sRoom + " (" + sAirborne + ")");
        sRoom.LoadString(IDS_TREE_RECEIVING_ROOM);
        SetDlgItemText(IDC_LABEL_REVERBERATION, sRoom + " (" + sAirborne + ")");
        CString sReverberation;
        sReverberation.LoadString(IDS_TREE_REVERBERATION);
        SetDlgItemText(IDC_LABEL_REF_REVERBERATION, sReverberation);
    }
    return TRUE;
}
