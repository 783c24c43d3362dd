#include "TableGroups.h"

#include "ReportInfo.h"

#include <algorithm>

namespace {

std::vector<int> CornerGroups(const CReportInfo& info)
{
    if (info.m_bImpact)
        return {123, 125, 124, 129, 132, 126};
    return {122, 123, 125, 124, 128, 129, 132, 126};
}

std::vector<int> LabGroups(const CReportInfo& info)
{
    if (info.m_bAirborne && info.m_bSingleLoudspeaker)
        return {130};
    if (info.m_bAirborne && info.m_bImprovement)
        return {130, 131};
    if (info.m_bImpact && (info.m_bReduction || info.m_bReductionLightweight))
        return {130, 131};
    if (info.m_bAirborne) {
        if (info.m_bCeiling || info.m_bFlankingTransmission)
            return {122, 123, 125, 124};
        return {122, 123, 125, 124, 130};
    }
    if (info.m_bImpact) {
        if (info.m_bReduction)
            return {123, 125, 124, 130};
        return {123, 125, 124};
    }
    return {};
}

} // namespace

// The first rule that holds decides; a kind that meets none has no groups.
std::vector<int> TableGroupsOf(const CReportInfo& info)
{
    if (info.m_bField && info.m_bAirborne && info.m_bDifference)
        return {122, 123, 125};
    if (info.m_bField && info.m_bAirborne && !info.m_bIntensity && !info.m_bCorner && !info.m_bSingleLoudspeaker)
        return {122, 123, 125, 124};
    if (info.m_bField && info.m_bImpact && !info.m_bCorner && !info.m_bSingleLoudspeaker)
        return {123, 125, 124};
    if (info.m_bField && info.m_bSingleLoudspeaker)
        return {130};
    if (info.m_bIntensity)
        return {122, 123, 129, 125};
    if (info.m_bAbsorption)
        return {124, 126};
    if (info.m_bMultiplot)
        return {127};
    if (info.m_bImpactAirborne)
        return {122, 123, 128, 129, 125, 124};
    if (info.m_bImpactCorrected)
        return {122, 123, 128, 129};
    if (info.m_bCorner)
        return CornerGroups(info);
    if (info.m_bReverberation || info.m_bTotalLossFactor)
        return {124};
    if (info.m_bLab)
        return LabGroups(info);
    return {};
}

bool HasTableGroup(const CReportInfo& info, int nTableId)
{
    const std::vector<int> groups = TableGroupsOf(info);
    return std::find(groups.begin(), groups.end(), nTableId) != groups.end();
}
