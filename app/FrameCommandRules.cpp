#include "FrameCommandRules.h"

#include "model/ReportInfo.h"
#include "model/ViewKinds.h"
#include "res/resource.h"

namespace {

bool IsLabImpactReduction(const CReportInfo& i) { return i.m_bLab && i.m_bImpact && i.m_bReduction; }
bool IsLabImprovement(const CReportInfo& i) { return i.m_bLab && i.m_bAirborne && i.m_bImprovement; }
bool IsLabLightweight(const CReportInfo& i) { return i.m_bLab && i.m_bImpact && i.m_bReductionLightweight; }
bool IsLabImpactCorrected(const CReportInfo& i) { return i.m_bLab && i.m_bImpactCorrected; }

bool HasNoCorrections(const CReportInfo& i)
{
    return i.m_bAbsorption || i.m_bReverberation || i.m_bTotalLossFactor || i.m_bMultiplot;
}

bool HasNoFlankingMark(const CReportInfo& i)
{
    return i.m_bField || i.m_bImpact || i.m_bImpactAirborne || (i.m_bLab && (i.m_bCeiling || i.m_bFlankingTransmission)) ||
        IsLabImprovement(i) || (i.m_bAirborne && i.m_bSingleLoudspeaker) || (i.m_bImpact && i.m_bSingleLoudspeaker) ||
        IsLabImpactCorrected(i) || IsLabLightweight(i);
}

// Whether the kind clears the toggle's mark (the shared routine's list).
bool ClearsMark(UINT nToggleId, const CReportInfo& i)
{
    if (HasNoCorrections(i) && nToggleId != kToggleZezurCorrection)
        return true;
    switch (nToggleId) {
    case kToggleShiftedRefCurve:
        return IsLabImpactReduction(i) || IsLabImprovement(i) || IsLabLightweight(i);
    case kToggleBgnCorrection:
        return IsLabImprovement(i) || IsLabImpactCorrected(i) || IsLabLightweight(i);
    case kToggleFtmCorrection:
        return HasNoFlankingMark(i);
    case kToggleZezurCorrection:
        return !(i.m_bLab && i.m_bImpactAirborne);
    default:
        return false;
    }
}

bool HasNoMeasurementTables(const CReportInfo& i)
{
    return i.m_bAbsorption || i.m_bReverberation || i.m_bTotalLossFactor || i.m_bMultiplot;
}

bool HasNoReceivingRoomTable(const CReportInfo& i)
{
    return HasNoMeasurementTables(i) || IsLabImprovement(i) || i.m_bSingleLoudspeaker || IsLabLightweight(i);
}

} // namespace

bool IsToggleRefused(UINT nToggleId, const CReportInfo& i)
{
    switch (nToggleId) {
    case kToggleShiftedRefCurve:
        return IsLabImpactReduction(i) || IsLabImprovement(i) || IsLabLightweight(i);
    case kToggleBgnCorrection:
        return IsLabImprovement(i) || IsLabLightweight(i) || IsLabImpactCorrected(i);
    case kToggleFtmCorrection:
        return i.m_bField || i.m_bImpact || i.m_bImpactAirborne || i.m_bImpactCorrected ||
            (i.m_bLab && (i.m_bCeiling || i.m_bImprovement || i.m_bSingleLoudspeaker || i.m_bFlankingTransmission));
    case kToggleZezurCorrection:
        return !(i.m_bLab && i.m_bImpactAirborne);
    default:
        return false;
    }
}

// The marks change only the menu: the application's flags keep their values.
// An ASTM project shows the shifted reference curve as used; a project
// without corrections refuses every toggle.
CToggleMark ToggleMarkFor(UINT nToggleId, const CReportInfo& i, bool bFlag)
{
    CToggleMark mark = {bFlag, true};
    if (ClearsMark(nToggleId, i))
        mark.m_bChecked = false;
    if (HasNoCorrections(i))
        mark.m_bEnabled = false;
    if (nToggleId == kToggleShiftedRefCurve && i.m_bASTM)
        mark.m_bChecked = true;
    return mark;
}

bool IsOpenCommand(UINT nId)
{
    switch (nId) {
    case ID_VIEW_OPEN_TEST_REPORT:
    case ID_VIEW_OPEN_RESULT_TABLE:
    case ID_VIEW_OPEN_SOURCE_ROOM:
    case ID_VIEW_OPEN_RECEIVING_ROOM:
    case ID_VIEW_OPEN_BACKGROUND_NOISE:
    case ID_VIEW_OPEN_REVERBERATION:
        return true;
    default:
        return false;
    }
}

COpenTarget OpenTargetOf(UINT nOpenId)
{
    switch (nOpenId) {
    case ID_VIEW_OPEN_TEST_REPORT:
        return {kViewKindReport, FALSE};
    case ID_VIEW_OPEN_RESULT_TABLE:
        return {kViewKindResultTable, FALSE};
    case ID_VIEW_OPEN_SOURCE_ROOM:
        return {122, TRUE};
    case ID_VIEW_OPEN_RECEIVING_ROOM:
        return {123, TRUE};
    case ID_VIEW_OPEN_BACKGROUND_NOISE:
        return {125, TRUE};
    case ID_VIEW_OPEN_REVERBERATION:
        return {124, TRUE};
    default:
        return {0, FALSE};
    }
}

bool IsOpenRefused(UINT nOpenId, const CReportInfo& i)
{
    switch (nOpenId) {
    case ID_VIEW_OPEN_RESULT_TABLE:
        return i.m_bReverberation || i.m_bTotalLossFactor || i.m_bMultiplot;
    case ID_VIEW_OPEN_SOURCE_ROOM:
        return HasNoMeasurementTables(i) || i.m_bImpact || IsLabImprovement(i) || i.m_bSingleLoudspeaker;
    case ID_VIEW_OPEN_RECEIVING_ROOM:
        return HasNoReceivingRoomTable(i);
    case ID_VIEW_OPEN_BACKGROUND_NOISE:
        return HasNoReceivingRoomTable(i) || IsLabImpactCorrected(i);
    case ID_VIEW_OPEN_REVERBERATION:
        return i.m_bMultiplot || IsLabImprovement(i) || i.m_bSingleLoudspeaker || IsLabImpactCorrected(i) ||
            IsLabLightweight(i);
    default:
        return false;
    }
}
