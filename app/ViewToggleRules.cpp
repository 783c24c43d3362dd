#include "ViewToggleRules.h"

#include "model/ReportInfo.h"

namespace {

bool IsLabImpactReduction(const CReportInfo& i) { return i.m_bLab && i.m_bImpact && i.m_bReduction; }
bool IsLabImprovement(const CReportInfo& i) { return i.m_bLab && i.m_bAirborne && i.m_bImprovement; }
bool IsLabLightweight(const CReportInfo& i) { return i.m_bLab && i.m_bImpact && i.m_bReductionLightweight; }
bool IsLabImpactCorrected(const CReportInfo& i) { return i.m_bLab && i.m_bImpactCorrected; }
bool IsLabImpactAirborne(const CReportInfo& i) { return i.m_bLab && i.m_bImpactAirborne; }
bool IsSingleLoudspeaker(const CReportInfo& i) { return (i.m_bAirborne || i.m_bImpact) && i.m_bSingleLoudspeaker; }

// Kinds evaluated without any of the four corrections.
bool HasNoCorrections(const CReportInfo& i)
{
    return i.m_bAbsorption || i.m_bReverberation || i.m_bTotalLossFactor || i.m_bMultiplot;
}

bool ClearsMark(UINT nToggleId, const CReportInfo& i)
{
    if (HasNoCorrections(i) || IsLabLightweight(i))
        return true;
    switch (nToggleId) {
    case kToggleShiftedRefCurve:
        return IsLabImpactReduction(i) || IsLabImprovement(i);
    case kToggleBgnCorrection:
        return IsLabImprovement(i) || IsSingleLoudspeaker(i) || IsLabImpactCorrected(i);
    case kToggleFtmCorrection:
        return i.m_bField || i.m_bImpact || i.m_bImpactAirborne || (i.m_bLab && (i.m_bCeiling || i.m_bFlankingTransmission)) ||
            IsLabImprovement(i) || IsSingleLoudspeaker(i) || IsLabImpactCorrected(i);
    case kToggleZezurCorrection:
        return !IsLabImpactAirborne(i);
    default:
        return false;
    }
}

} // namespace

bool IsViewToggleRefused(UINT nToggleId, const CReportInfo& i)
{
    switch (nToggleId) {
    case kToggleShiftedRefCurve:
        return i.m_bAbsorption || IsLabImpactReduction(i) || IsLabImprovement(i) || IsLabLightweight(i);
    case kToggleTenthDb:
        return i.m_bAbsorption || IsLabLightweight(i);
    case kToggleBgnCorrection:
        return IsLabImprovement(i) || IsSingleLoudspeaker(i) || IsLabLightweight(i) || IsLabImpactCorrected(i);
    case kToggleFtmCorrection:
        return i.m_bField || i.m_bImpact || i.m_bImpactAirborne ||
            (i.m_bLab && (i.m_bCeiling || i.m_bImprovement || i.m_bSingleLoudspeaker || i.m_bImpactCorrected ||
                          i.m_bFlankingTransmission));
    case kToggleZezurCorrection:
        return !IsLabImpactAirborne(i);
    default:
        return false;
    }
}

// An ASTM project always rates with the shifted reference curve.
CToggleMark ViewToggleMarkFor(UINT nToggleId, const CReportInfo& i, bool bFlag)
{
    CToggleMark mark = {bFlag && !ClearsMark(nToggleId, i), !IsViewToggleRefused(nToggleId, i) && !HasNoCorrections(i)};
    if (nToggleId == kToggleShiftedRefCurve && i.m_bASTM)
        mark.m_bChecked = true;
    return mark;
}
