#include "ResultTitle.h"

#include "model/ViewKinds.h"
#include "res/resource.h"

namespace {

CString Loaded(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

} // namespace

CString ResultWindowTitle(const CReportInfo& info, int nViewKind)
{
    switch (nViewKind) {
    case kViewKindResultTable:
        return Loaded(IDS_TREE_RESULT_TABLE);
    case kViewKindBgnCorrectionTable:
        return Loaded(info.m_bImpactAirborne ? IDS_RESULT_AIRBORNE_CORRECTION_TABLE : IDS_TREE_BGN_CORRECTION_TABLE);
    case kViewKindFtmCorrectionTable:
        if (info.m_bCorner)
            return Loaded(IDS_TREE_CORNER) + " " + Loaded(IDS_TREE_BGN_CORRECTION_TABLE);
        return Loaded(IDS_TREE_FTM_CORRECTION_TABLE);
    default:
        return "?????";
    }
}
