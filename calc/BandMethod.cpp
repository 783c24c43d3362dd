// Classes in this file: CBandMethod, CMethodLevels: the band loop that the
// single calculation methods share, and the tests for missing inputs.
//
// A band is left out (-999.0) when one of its inputs is missing, when its
// reverberation time is shorter than 1 ms, or when its term has no value:
// a time of 0 s would put an infinite term into the band (and a rating search
// on it would never end), and the logarithm of 0 would give a band near
// -1000 dB that looks like a number.

#include "BandMethod.h"

#include "Calc.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

#include <cmath>

namespace {

const double kSmallestProjectValue = 0.001;   // m³, m², s: below it the value is not given
const double kShortestReverbTime = 0.001;     // s
const double kSmallPartition = 9.99999;       // m²
const double kRoomAreaPerVolume = 7.5;        // small partition: the area used is at least V / 7.5

// Adds every correction that holds a value in the band.
double Corrected(int nBand, double dLevel, const std::vector<const NSpectrum*>& corrections)
{
    for (const NSpectrum* pCorrection : corrections) {
        const double dCorrection = pCorrection->GetSpecLine(nBand);
        if (!IsMissingValue(dCorrection))
            dLevel += dCorrection;
    }
    return dLevel;
}

}  // namespace

// A volume, area, time or angle of the project counts as not given below
// 0.001 or when it is not a finite number.
bool IsProjectValueMissing(double dValue)
{
    return !std::isfinite(dValue) || dValue < kSmallestProjectValue;
}

bool IsInputMissing(double dValue, double dMissingBelow)
{
    return IsMissingValue(dValue) || dValue < dMissingBelow;
}

bool IsReverbTimeMissing(double dTime, double dMissingBelow)
{
    return IsInputMissing(dTime, dMissingBelow) || dTime < kShortestReverbTime;
}

// The project's descriptor; without a project one with nothing given.
const CReportInfo& ReportInfoOf(const CCalc& calc)
{
    static const CReportInfo kNoProject(false);
    const CReportInfo* pInfo = calc.GetProjectReportInfo();
    return pInfo != nullptr ? *pInfo : kNoProject;
}

// A method that finds a project value missing clears every result.
int ResetWith(CCalc& calc, int nCode)
{
    calc.Reset();
    return nCode;
}

// Reference reverberation time of a standardised result, s: 0.5 s, or the
// project's own value under the BB93 option (-999.0 when it is not given).
double ProjectReferenceTime(const CReportInfo& info)
{
    if (!info.m_bBB93)
        return 0.5;
    return IsProjectValueMissing(info.m_dBB93ReverbTime) ? kMissingValue : info.m_dBB93ReverbTime;
}

// Reference reverberation time T0 of a receiving room of volume V, s:
// 0.5 s up to 100 m³, 2.5 s from 2500 m³, sqrt(V / 400) between (meeting
// both ends), rounded to 0.01 s.
double ReferenceTimeByVolume(double dVolume)
{
    double dTime = std::sqrt(0.0025 * dVolume);
    if (dVolume <= 100.00001)
        dTime = 0.5;
    else if (dVolume >= 2499.99999)
        dTime = 2.5;
    return RoundValue(dTime, 2);
}

// Small-partition rule between rooms: a separating element below 10 m² is
// taken as V / 7.5 unless it is larger than that; returns the area used,
// rounded to 0.01 m², or -999.0 when the rule does not apply.
double SmallPartitionArea(const CReportInfo& info)
{
    if (!info.m_bRoom || !(info.m_dArea < kSmallPartition))
        return kMissingValue;
    const double dRoomArea = info.m_dVolume / kRoomAreaPerVolume;
    const double dArea = info.m_dArea > dRoomArea + 0.00001 ? info.m_dArea : dRoomArea;
    return RoundValue(dArea, 2);
}

// level term Round(10 lg x, 1), dB; missing when x is not positive
double RoundedLevelTerm(double dArgument)
{
    if (!(dArgument > 0.0) || !std::isfinite(dArgument))
        return kMissingValue;
    return RoundValue(10.0 * std::log10(dArgument), 1);
}

// Normalisation term Round(10 lg(A / A0), 1), dB, with the equivalent
// absorption area A = k V / T (k = 0.16 s/m, 0.163 for a ceiling test) and the
// reference area A0 = 10 m².
double NormalisedTerm(double dAbsorptionFactor, double dVolume, double dReverb)
{
    return RoundedLevelTerm(dAbsorptionFactor * dVolume / (10.0 * dReverb));
}

double NegatedTerm(double dTerm)
{
    return IsMissingValue(dTerm) ? kMissingValue : -dTerm;
}

bool CBandMethod::HasInputs(double dSource, double dReceiving, double dReverb) const
{
    if (m_bLevelDifference && IsInputMissing(dSource, m_dMissingBelow))
        return false;
    if (m_bUsesReverbTime && IsReverbTimeMissing(dReverb, m_dMissingBelow))
        return false;
    return !IsInputMissing(dReceiving, m_dMissingBelow);
}

double CBandMethod::Result(int nBand, double dSource, double dCorrectedReceiving,
                           double dReverb) const
{
    const double dTerm = m_term(nBand, dReverb);
    if (IsMissingValue(dTerm))
        return kMissingValue;
    const double dLevel = m_bLevelDifference ? dSource - dCorrectedReceiving
                                             : dCorrectedReceiving;
    const double dResult = dLevel + dTerm;
    return std::isfinite(dResult) ? dResult : kMissingValue;
}

// L1, L2 and T from the summary records of tables 122, 123 and 124.
CMethodLevels SummaryLevels(const CCalc& calc)
{
    CMethodLevels levels;
    levels.m_source = BandsOf(calc.SummaryLevel(kTableSource));
    levels.m_receiving = BandsOf(calc.SummaryLevel(kTableReceiving));
    levels.m_reverb = BandsOf(calc.SummaryLevel(kTableReverb));
    return levels;
}

// Spectrum 0 over the band range: the method's result, the receiving level
// carrying every correction that holds a value in the band.
void WriteMethodResult(CCalc& calc, const CBandMethod& method, const CMethodLevels& levels,
                       const std::vector<const NSpectrum*>& corrections)
{
    const CCalcSettings settings = calc.GetSettings();
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        const double dSource = levels.m_source[nBand];
        const double dReceiving = levels.m_receiving[nBand];
        const double dReverb = levels.m_reverb[nBand];
        double dResult = kMissingValue;
        if (method.HasInputs(dSource, dReceiving, dReverb))
            dResult = method.Result(nBand, dSource, Corrected(nBand, dReceiving, corrections),
                                    dReverb);
        calc.m_aSpec[0].InsertData(nBand, dResult);
    }
}

// The correction spectra a band loop adds to the receiving level: the
// background correction (spectrum 4) and the airborne-noise correction of an
// impact level (spectrum 7).
std::vector<const NSpectrum*> AppliedCorrections(const CCalc& calc, bool bBackground,
                                                 bool bAirborneNoise)
{
    std::vector<const NSpectrum*> corrections;
    if (bBackground)
        corrections.push_back(&calc.m_aSpec[4]);
    if (bAirborneNoise)
        corrections.push_back(&calc.m_aSpec[7]);
    return corrections;
}

// Spectrum 2: the result less the measured levels (L1 - L2, or L2 alone),
// with the corrections taken out again, so that it holds the method's term;
// rounded to 0.1 dB.
NSpectrum MethodTerm(const CCalc& calc, bool bLevelDifference,
                     const std::vector<const NSpectrum*>& corrections)
{
    const NSpectrum receiving = calc.SummaryLevel(kTableReceiving);
    NSpectrum term = bLevelDifference
                         ? calc.m_aSpec[0] || (calc.SummaryLevel(kTableSource) || receiving)
                         : calc.m_aSpec[0] || receiving;
    for (const NSpectrum* pCorrection : corrections)
        term = bLevelDifference ? term.AddCorrection(*pCorrection)
                                : term.SubCorrection(*pCorrection);
    term.Round(1);
    return term;
}

// The band loop and spectrum 2 of a field level-difference method, with the
// background correction when it is switched on.
int WriteFieldLevelDifference(CCalc& calc, const CBandMethod& method)
{
    const bool bBackground = calc.GetSettings().m_bBgnCorrection;
    if (bBackground)
        calc.CorrectBackground();
    const std::vector<const NSpectrum*> corrections = AppliedCorrections(calc, bBackground, false);
    WriteMethodResult(calc, method, SummaryLevels(calc), corrections);
    calc.m_aSpec[2] = MethodTerm(calc, true, corrections);
    return kCalcDone;
}
