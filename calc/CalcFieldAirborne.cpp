// Classes in this file: CCalc, its field airborne methods on the summary
// levels: the apparent sound reduction index R', the normalised and the
// standardised level difference Dn and DnT, and the facade variants with a
// fixed term or with the loudspeaker's angle of incidence.

#include "Calc.h"

#include "BandMethod.h"

#include "model/ReportInfo.h"

#include <cmath>

namespace {

const double kDoorHallTerm = 3.0;      // dB taken off R' of a door to a hall
const double kFarRangeTerm = -3.0;     // dB: far range adds 3 dB to the facade result
const double kTrafficTerm = 3.0;       // facade element measured with road traffic
const double kLoudspeakerTerm = 1.5;   // facade element measured with a loudspeaker
const double kLoweredAbove = -200.0;   // bands at or below it are not lowered
const double kDegreesToRadians = 6.283185307 / 360.0;

// Takes a fixed term off every band of the range above -200 dB, then forms
// spectrum 2 again so that it includes the term.
int LowerFacadeResult(CCalc& calc, double dTerm)
{
    const int nResult = calc.CalcAppSoundReduction();
    if (nResult != kCalcDone)
        return nResult;
    const CCalcSettings settings = calc.GetSettings();
    NSpectrum& result = calc.m_aSpec[0];
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        const double dValue = result.GetSpecLine(nBand);
        if (dValue > kLoweredAbove)
            result.InsertData(nBand, dValue - dTerm);
    }
    calc.m_aSpec[2] =
        MethodTerm(calc, true, AppliedCorrections(calc, settings.m_bBgnCorrection, false));
    return kCalcDone;
}

}  // namespace

// R' = L1 - L2c - K + Round(10 lg(S T / A), 1), A = 0.16 V, dB; K = 3 dB for
// a door to a hall.
int CCalc::CalcAppSoundReduction()
{
    const CReportInfo& info = ReportInfoOf(*this);
    const double dDoorHall = info.m_bDoorHall ? kDoorHallTerm : 0.0;
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    if (IsProjectValueMissing(info.m_dArea))
        return ResetWith(*this, kCalcAreaMissing);
    m_dArea = SmallPartitionArea(info);
    const double dArea = IsMissingValue(m_dArea) ? info.m_dArea : m_dArea;
    const double dAbsorption = 0.16 * info.m_dVolume;
    CBandMethod method;
    method.m_term = [=](int, double dReverb) {
        return RoundedLevelTerm(dReverb * dArea / dAbsorption) - dDoorHall;
    };
    return WriteFieldLevelDifference(*this, method);
}

// Dn = (L1 - L2c) - Round(10 lg(A / A0), 1), A = 0.16 V / T, A0 = 10 m², dB.
int CCalc::CalcNormLevelDifference()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    const double dVolume = info.m_dVolume;
    CBandMethod method;
    method.m_dMissingBelow = kMissingBelowStrict;
    method.m_term = [=](int, double dReverb) {
        return NegatedTerm(NormalisedTerm(0.16, dVolume, dReverb));
    };
    return WriteFieldLevelDifference(*this, method);
}

// DnT = (L1 - L2c) + Round(10 lg(T / T0), 1), T0 = 0.5 s, dB.
int CCalc::CalcAppSoundReductionVolLimited()
{
    CBandMethod method;
    method.m_dMissingBelow = kMissingBelowStrict;
    method.m_term = [](int, double dReverb) { return RoundedLevelTerm(2.0 * dReverb); };
    return WriteFieldLevelDifference(*this, method);
}

int CCalc::CalcFacadeElementTraffic()
{
    return LowerFacadeResult(*this, kTrafficTerm);
}

int CCalc::CalcFacadeElementLoudspeaker()
{
    return LowerFacadeResult(*this, kLoudspeakerTerm);
}

// Facade with the loudspeaker at the angle of incidence theta:
// L1 - L2c - K + Round(10 lg(S T cos(theta) / (0.16 V)), 1), dB; K = -3 dB
// at far range. The angle must lie in 0 <= theta < 90 degrees.
int CCalc::CalcFacadeAngle()
{
    const CReportInfo& info = ReportInfoOf(*this);
    const double dFarRange = info.m_bFarRange ? kFarRangeTerm : 0.0;
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    if (IsProjectValueMissing(info.m_dArea))
        return ResetWith(*this, kCalcAreaMissing);
    const double dAngle = info.m_dAngle;
    if (!(dAngle >= -0.00001 && dAngle < 89.99999))
        return ResetWith(*this, kCalcVolumeMissing);
    m_dArea = kMissingValue;
    const double dFactor = info.m_dArea * std::cos(dAngle * kDegreesToRadians) /
                           (0.16 * info.m_dVolume);
    CBandMethod method;
    method.m_term = [=](int, double dReverb) {
        return RoundedLevelTerm(dFactor * dReverb) - dFarRange;
    };
    return WriteFieldLevelDifference(*this, method);
}
