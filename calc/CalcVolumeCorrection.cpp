// Classes in this file: CCalc, the volume correction K of the receiving room
// and the final single-number value formed with it, for the overall result
// and for every per-set result.

#include "Calc.h"

#include "BandMethod.h"
#include "CalcDocument.h"

#include "model/ReportInfo.h"

namespace {

// K in whole dB by the first volume bound V stays below, m³.
struct CVolumeStep {
    double m_dBelow;
    double m_dCorrection;
};

const CVolumeStep kVolumeSteps[] = {
    {199.99999, 0.0},
    {299.99999, 2.0},
    {499.99999, 3.0},
    {799.99999, 4.0},
};
const double kLargeRoomCorrection = 5.0;

double VolumeCorrection(double dVolume)
{
    for (const CVolumeStep& step : kVolumeSteps)
        if (dVolume < step.m_dBelow)
            return step.m_dCorrection;
    return kLargeRoomCorrection;
}

// Impact: rating + K, plus CI when CI holds a value that is not negative.
// Airborne: rating + term - K with the term of the project (Ctr for a
// facade, Ctr 50-3150 Hz for the low-frequency range, else C); missing
// (-999.0 exactly) when the term is missing, so that no one reads
// "rating - 999 - K" as a number.
double FinalValue(const CCalc& calc, const CReportInfo& info)
{
    if (info.m_bImpact) {
        double dFinal = calc.m_dRating + calc.m_dVolumeCorr;
        if (calc.m_dCI >= -0.00001)
            dFinal += calc.m_dCI;
        return dFinal;
    }
    const double dTerm = info.m_bFacade   ? calc.m_dCtr
                         : info.m_bLowFreq ? calc.m_dCtr50_3150
                                           : calc.m_dC;
    const double dFinal = calc.m_dRating + dTerm - calc.m_dVolumeCorr;
    return IsMissingValue(dTerm) || IsMissingValue(dFinal) ? kMissingValue : dFinal;
}

}  // namespace

// Returns 1 without a volume and 3 without a rating, with K and the final
// value missing in this object and the per-set results untouched.
int CCalc::CalcVolumeCorrection()
{
    const CReportInfo& info = ReportInfoOf(*this);
    m_dVolumeCorr = kMissingValue;
    m_dFinalValue = kMissingValue;
    if (IsProjectValueMissing(info.m_dVolume))
        return kCalcVolumeMissing;
    if (IsMissingValue(m_dRating))
        return kCalcBandMissing;
    m_dVolumeCorr = VolumeCorrection(info.m_dVolume);
    m_dFinalValue = FinalValue(*this, info);
    if (m_pDoc == nullptr)
        return kCalcDone;
    CArray<CCalc, CCalc&>& sets = m_pDoc->GetCalcSets();
    for (int i = 0; i < sets.GetSize(); ++i) {
        sets[i].m_dVolumeCorr = m_dVolumeCorr;
        sets[i].m_dFinalValue = FinalValue(sets[i], info);
    }
    return kCalcDone;
}
