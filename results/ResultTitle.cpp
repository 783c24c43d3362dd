#include "ResultTitle.h"

#include "ResultLines.h"

#include "model/ViewKinds.h"
#include "res/resource.h"

namespace {

} // namespace

CString ResultWindowTitle(const CReportInfo& info, int nViewKind)
{
    switch (nViewKind) {
    case kViewKindResultTable:
        return CResultLines::Text(IDS_TREE_RESULT_TABLE);
    case kViewKindBgnCorrectionTable:
        return CResultLines::Text(info.m_bImpactAirborne ? IDS_RESULT_AIRBORNE_CORRECTION_TABLE : IDS_TREE_BGN_CORRECTION_TABLE);
    case kViewKindFtmCorrectionTable:
        if (info.m_bCorner)
            return CResultLines::Text(IDS_TREE_CORNER) + " " + CResultLines::Text(IDS_TREE_BGN_CORRECTION_TABLE);
        return CResultLines::Text(IDS_TREE_FTM_CORRECTION_TABLE);
    default:
        return "?????";
    }
}
