#include "MeasurementRouting.h"

#include "ReportInfo.h"

#include "MeasSetup.h"

namespace {

const int kModeImpact = 1;
const int kModeBackground = 5;
const int kModeIntensity = 12;

// Modes of level spectra.
bool IsLevelMode(int nMode)
{
    return nMode == 0 || nMode == 2 || nMode == 10;
}

bool IsReverbMode(int nMode)
{
    return CMeasSetup::IsReverberationMode(nMode) != FALSE;
}

CFilingRoute To(int nTableId)
{
    CFilingRoute route;
    route.m_nTableId = nTableId;
    return route;
}

CFilingRoute Refused()
{
    return CFilingRoute();
}

// Impact with airborne noise, and the corrected impact level: the level
// records of the airborne part go to the second source and receiving tables.
CFilingRoute RouteImpactAirborne(int nMode, int nRole)
{
    if (IsLevelMode(nMode) && nRole == kRoleSource)
        return To(128);
    if (IsLevelMode(nMode) && nRole == kRoleReceiving)
        return To(129);
    if (nMode == kModeImpact) {
        if (nRole == kRoleSource)
            return To(122);
        return nRole == kRoleReceiving ? To(123) : Refused();
    }
    if (IsReverbMode(nMode) && nRole == kRoleReverberation)
        return To(124);
    return nMode == kModeBackground ? To(125) : Refused();
}

CFilingRoute RouteIntensity(const CReportInfo& info, int nMode, int nRole)
{
    if (IsLevelMode(nMode) && nRole == kRoleSource && info.m_bAirborne)
        return To(122);
    if (nMode == kModeIntensity)
        return nRole == kRoleReceiving ? To(129) : Refused();
    if (nMode == 0 && nRole == kRoleReceiving)
        return To(123);
    return nMode == kModeBackground ? To(125) : Refused();
}

CFilingRoute RouteCorner(const CReportInfo& info, int nMode, int nRole)
{
    const bool bAirborneLevel = IsLevelMode(nMode) && info.m_bAirborne;
    if (bAirborneLevel && nRole == kRoleSource)
        return To(122);
    if (bAirborneLevel && nRole == kRoleReceiving)
        return To(123);
    if (nMode == kModeImpact) {
        if (!info.m_bImpact)
            return Refused();
        if (nRole == kRoleReceiving)
            return To(123);
        return nRole == kRoleReceivingCorner ? To(129) : Refused();
    }
    if (bAirborneLevel && nRole == kRoleSourceCorner)
        return To(128);
    if (bAirborneLevel && nRole == kRoleReceivingCorner)
        return To(129);
    if (IsReverbMode(nMode) && nRole == kRoleReverberation)
        return To(124);
    if (IsReverbMode(nMode) && nRole == kRoleReferenceReverberationCorner)
        return To(126);
    if (nMode == kModeBackground) {
        if (nRole == kRoleBackground)
            return To(125);
        return nRole == kRoleBackgroundCorner ? To(132) : Refused();
    }
    return Refused();
}

// The tables with and without the test facility or reference floor take
// repeated measurements of one position, so they skip the duplicate check.
CFilingRoute ToFacilityTable(int nTableId)
{
    CFilingRoute route = To(nTableId);
    route.m_bCheckDuplicate = false;
    return route;
}

CFilingRoute RouteWithFacility(const CReportInfo& info)
{
    if (info.m_bField && info.m_bSingleLoudspeaker)
        return ToFacilityTable(130);
    const bool bLabKind = (info.m_bAirborne && !info.m_bCeiling) || (info.m_bImpact && info.m_bReduction) ||
                          (info.m_bImpact && info.m_bReductionLightweight);
    return info.m_bLab && bLabKind ? ToFacilityTable(130) : Refused();
}

CFilingRoute RouteWithoutFacility(const CReportInfo& info)
{
    const bool bLabKind = (info.m_bImpact && info.m_bReduction) || (info.m_bAirborne && info.m_bImprovement) ||
                          (info.m_bImpact && info.m_bReductionLightweight);
    return info.m_bLab && bLabKind ? ToFacilityTable(131) : Refused();
}

CFilingRoute RouteOther(const CReportInfo& info, int nMode, int nRole)
{
    if (IsLevelMode(nMode) && nRole == kRoleSource && info.m_bAirborne)
        return To(122);
    if (IsLevelMode(nMode) && nRole == kRoleReceiving && info.m_bAirborne)
        return To(123);
    if (nMode == kModeImpact)
        return info.m_bImpact && nRole == kRoleReceiving ? To(123) : Refused();
    if (nMode == kModeBackground)
        return nRole == kRoleBackground ? To(125) : Refused();
    if (IsReverbMode(nMode) && nRole == kRoleReverberation)
        return To(124);
    if (IsReverbMode(nMode) && nRole == kRoleReferenceReverberation)
        return To(126);
    if (nMode == 0 && nRole == kRoleWithFacility)
        return RouteWithFacility(info);
    if (nMode == 0 && nRole == kRoleWithoutFacility)
        return RouteWithoutFacility(info);
    return Refused();
}

} // namespace

// The first branch whose project test holds decides; within it the first
// rule that matches.
CFilingRoute RouteMeasurement(const CReportInfo& info, int nMode, int nRole)
{
    if (info.m_bImpactAirborne || info.m_bImpactCorrected)
        return RouteImpactAirborne(nMode, nRole);
    if (info.m_bIntensity)
        return RouteIntensity(info, nMode, nRole);
    if (info.m_bCorner)
        return RouteCorner(info, nMode, nRole);
    return RouteOther(info, nMode, nRole);
}
