#include "MeasAssignDlgCorner.h"

CMeasAssignDlgCorner::CMeasAssignDlgCorner(CWnd* pParent)
    : CMeasAssignDlgImpl(IDD, pParent, CMeasAssignRules::kCornerLayout, IDC_CORNER_CHN1_SOURCE_ROOM,
                         IDC_CORNER_CHN2_SOURCE_ROOM)
{
}

BOOL CMeasAssignDlgCorner::Run(CAssignExchange& exchange, CWnd* pParent)
{
    CMeasAssignDlgCorner dlg(pParent);
    return dlg.RunWith(exchange);
}
