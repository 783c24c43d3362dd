// Classes in this file: CCalc, its laboratory methods in a test facility:
// the sound reduction index R, the normalised level difference Dn (also of
// elements and ceilings) and the normalised impact sound pressure level Ln,
// with the laboratory background bounds and the flanking correction.

#include "Calc.h"

#include "BandMethod.h"
#include "SetMethod.h"

#include "model/ReportInfo.h"

namespace {

const double kAbsorptionFactor = 0.16;          // s/m: A = 0.16 V / T
const double kCeilingAbsorptionFactor = 0.163;
const double kLabBackgroundHigh = 15.0;   // dB

// Background correction with the laboratory bounds when switched on; returns
// the spectra the band loop adds to the receiving level.
std::vector<const NSpectrum*> CorrectLabBackground(CCalc& calc)
{
    const bool bBackground = calc.GetSettings().m_bBgnCorrection;
    if (bBackground)
        calc.CorrectBackgroundLab();
    return AppliedCorrections(calc, bBackground, false);
}

// The band loop of an airborne method, the flanking correction of the
// result when asked for, and spectrum 2, which keeps the flanking correction.
int WriteLabLevelDifference(CCalc& calc, const CBandMethod& method, bool bFlanking)
{
    const std::vector<const NSpectrum*> corrections = CorrectLabBackground(calc);
    WriteMethodResult(calc, method, SummaryLevels(calc), corrections);
    if (bFlanking) {
        calc.CorrectFlanking();
        calc.m_aSpec[0] = calc.m_aSpec[0].AddCorrection(calc.m_aSpec[5]);
    }
    calc.m_aSpec[2] = MethodTerm(calc, true, corrections);
    return kCalcDone;
}

}  // namespace

// R = L1 - L2c + Round(10 lg(S T / (0.16 V)), 1), dB.
int CCalc::CalcLabSoundReduction()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    if (IsProjectValueMissing(info.m_dArea))
        return ResetWith(*this, kCalcAreaMissing);
    m_dArea = kMissingValue;
    const double dFactor = info.m_dArea / (kAbsorptionFactor * info.m_dVolume);
    CBandMethod method;
    method.m_term = [=](int, double dReverb) { return RoundedLevelTerm(dFactor * dReverb); };
    return WriteLabLevelDifference(*this, method, GetSettings().m_bFtmCorrection);
}

// Dn = (L1 - L2c) - Round(10 lg(k V / (10 T)), 1), k = 0.163 for a ceiling,
// else 0.16, dB; inputs below -200 dB are missing. The flanking correction
// applies to small elements only.
int CCalc::CalcLabNormLevelDifference()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    const double dFactor = info.m_bCeiling ? kCeilingAbsorptionFactor : kAbsorptionFactor;
    const double dVolume = info.m_dVolume;
    CBandMethod method;
    method.m_dMissingBelow = kMissingBelowStrict;
    method.m_term = [=](int, double dReverb) {
        return NegatedTerm(NormalisedTerm(dFactor, dVolume, dReverb));
    };
    return WriteLabLevelDifference(*this, method,
                                   GetSettings().m_bFtmCorrection && info.m_bSmallElements);
}

// Ln = L2c + Round(10 lg(0.16 V / (10 T)), 1), dB; with airborne noise of the
// tapping machine the laboratory airborne-noise rule corrects L2 as well.
int CCalc::CalcLabImpactLevel()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    const CCalcSettings settings = GetSettings();
    if (info.m_bImpactAirborne) {
        if (settings.m_bCorrectionZezur)
            CorrectAirborneNoiseLabFull();
        else
            CorrectAirborneNoiseLab();
    } else if (settings.m_bBgnCorrection) {
        CorrectBackgroundLab();
    }
    const std::vector<const NSpectrum*> corrections =
        AppliedCorrections(*this, settings.m_bBgnCorrection, info.m_bImpactAirborne);
    const double dVolume = info.m_dVolume;
    CBandMethod method;
    method.m_bLevelDifference = false;
    method.m_term = [=](int, double dReverb) {
        return NormalisedTerm(kAbsorptionFactor, dVolume, dReverb);
    };
    WriteMethodResult(*this, method, SummaryLevels(*this), corrections);
    m_aSpec[2] = MethodTerm(*this, false, corrections);
    return kCalcDone;
}

// R over sets, with the laboratory background bounds and the flanking
// correction of each set when it is switched on.
int CCalc::CalcLabSoundReductionSets()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    if (IsProjectValueMissing(info.m_dArea))
        return ResetWith(*this, kCalcAreaMissing);
    CSetMethod method = ReductionSets(info.m_dArea, info.m_dVolume, 0.0);
    method.m_dBackgroundHigh = kLabBackgroundHigh;
    method.m_bFlanking = GetSettings().m_bFtmCorrection;
    return method.Run(*this);
}

// Dn over sets with k = 0.16 whatever the element.
int CCalc::CalcLabNormLevelDifferenceSets()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    CSetMethod method = NormalisedDifferenceSets(kAbsorptionFactor, info.m_dVolume);
    method.m_dBackgroundHigh = kLabBackgroundHigh;
    method.m_bFlanking = GetSettings().m_bFtmCorrection;
    return method.Run(*this);
}
