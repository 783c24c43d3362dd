// Classes in this file: CCalc, its airborne methods over measurement sets:
// R', the facade R' by the loudspeaker and the traffic method, Dn and DnT.

#include "Calc.h"

#include "BandMethod.h"
#include "SetMethod.h"

#include "model/ReportInfo.h"

namespace {

int RunFieldReductionSets(CCalc& calc, double dFixedTerm, bool bSmallPartition)
{
    const CReportInfo& info = ReportInfoOf(calc);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(calc, kCalcVolumeMissing);
    if (IsProjectValueMissing(info.m_dArea))
        return ResetWith(calc, kCalcAreaMissing);
    const double dUsedArea = bSmallPartition ? SmallPartitionArea(info) : kMissingValue;
    const double dArea = IsMissingValue(dUsedArea) ? info.m_dArea : dUsedArea;
    CSetMethod method = ReductionSets(dArea, info.m_dVolume, dFixedTerm);
    method.m_dArea = dUsedArea;
    return method.Run(calc);
}

}  // namespace

int CCalc::CalcAppSoundReductionSets()
{
    return RunFieldReductionSets(*this, ReportInfoOf(*this).m_bDoorHall ? 3.0 : 0.0, true);
}

int CCalc::CalcFacadeLoudspeakerSets()
{
    return RunFieldReductionSets(*this, 1.5, false);
}

int CCalc::CalcFacadeTrafficSets()
{
    return RunFieldReductionSets(*this, 3.0, false);
}

int CCalc::CalcLevelDifferenceSets()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    const double dVolume = info.m_dVolume;
    return NormalisedDifferenceSets(0.16, dVolume).Run(*this);
}

// DnT over sets: (L1 - L2) + Round(10 lg(T / T0), 1), dB; T0 = 0.5 s or the
// project's value.
int CCalc::CalcAirborneSetsNoAreaTerm()
{
    const CReportInfo& info = ReportInfoOf(*this);
    const double dReferenceTime = ProjectReferenceTime(info);
    if (IsMissingValue(dReferenceTime))
        return ResetWith(*this, kCalcVolumeMissing);
    CSetMethod method;
    method.m_term = [=](int, double dReverb) { return RoundedLevelTerm(dReverb / dReferenceTime); };
    method.m_shownTerm = method.m_term;
    return method.Run(*this);
}
