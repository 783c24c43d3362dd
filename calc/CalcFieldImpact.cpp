// Classes in this file: CCalc, its field impact methods: the normalised and
// the standardised impact sound pressure level L'n and L'nT, L'nT with a
// reference reverberation time by the room volume, the volume rule between
// them, and L'nT over all records of the lists.

#include "Calc.h"

#include "BandMethod.h"
#include "SetMethod.h"
#include "SetRecords.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

#include <cmath>

namespace {

const int kAirborneNoiseMarksYear = 2014;
const double kSmallRoomVolume = 30.99999;   // m³: below it L'n, else L'nT
const double kStandardReferenceTime = 0.5;  // s
const double kLimitValue = -1.3;            // dB, background difference at most 6 dB

// From the 2014 editions a band whose airborne-noise correction is a limit
// value or computed adds no airborne-noise correction to the impact level.
void DropMarkedAirborneNoise(CCalc& calc)
{
    const CCalcSettings settings = calc.GetSettings();
    NSpectrum& correction = calc.m_aSpec[7];
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        const BYTE nStatus = correction.GetMeasStatus(nBand);
        if (nStatus == 2 || nStatus == 16) {
            correction.InsertData(nBand, kMissingValue);
            correction.SetMeasStatus(nBand, 2);
        }
    }
}

// The corrections of L'n and L'nT before the band loop; returns the spectra
// the band loop adds to the receiving level.
std::vector<const NSpectrum*> CorrectImpactLevel(CCalc& calc, bool bWithAirborneNoise)
{
    const CReportInfo& info = ReportInfoOf(calc);
    const bool bBackground = calc.GetSettings().m_bBgnCorrection;
    const bool bAirborneNoise = bWithAirborneNoise && info.m_bImpactAirborne;
    if (bAirborneNoise) {
        calc.CorrectAirborneNoise();
        if (info.m_nYear >= kAirborneNoiseMarksYear)
            DropMarkedAirborneNoise(calc);
    } else if (bBackground) {
        calc.CorrectBackground();
    }
    return AppliedCorrections(calc, bBackground, bAirborneNoise);
}

// L2c + term per band and spectrum 2, the term alone.
int WriteImpactLevel(CCalc& calc, const CBandMethod& method, bool bWithAirborneNoise)
{
    const std::vector<const NSpectrum*> corrections = CorrectImpactLevel(calc, bWithAirborneNoise);
    WriteMethodResult(calc, method, SummaryLevels(calc), corrections);
    calc.m_aSpec[2] = MethodTerm(calc, false, corrections);
    return kCalcDone;
}

CBandMethod ImpactMethod(std::function<double(int, double)> term)
{
    CBandMethod method;
    method.m_bLevelDifference = false;
    method.m_term = std::move(term);
    return method;
}

// -Round(10 lg(T / T0), 1), dB
CBandMethod StandardisedImpactMethod(double dReferenceTime)
{
    return ImpactMethod([=](int, double dReverb) {
        return NegatedTerm(RoundedLevelTerm(dReverb / dReferenceTime));
    });
}

}  // namespace

// L'n = L2c + Round(10 lg(0.16 V / (10 T)), 1), dB.
int CCalc::CalcImpactLevel()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    const double dVolume = info.m_dVolume;
    return WriteImpactLevel(*this, ImpactMethod([=](int, double dReverb) {
                                return NormalisedTerm(0.16, dVolume, dReverb);
                            }),
                            true);
}

// L'nT = L2c - Round(10 lg(T / 0.5 s), 1), dB.
int CCalc::CalcStandImpactLevel()
{
    return WriteImpactLevel(*this, StandardisedImpactMethod(kStandardReferenceTime), true);
}

// L'nT = L2c - Round(10 lg(T / T0(V)), 1), dB.
int CCalc::CalcStandImpactLevelVolT0()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    return WriteImpactLevel(*this, StandardisedImpactMethod(ReferenceTimeByVolume(info.m_dVolume)),
                            false);
}

// Volume rule: L'n in a room below 31 m³, else L'nT; m_bVariant tells which
// (true: L'nT). The two meet at 31.25 m³, where 0.16 V / 0.5 s = 10 m².
int CCalc::CalcImpactLevelLimited()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    if (info.m_dVolume < kSmallRoomVolume) {
        m_bVariant = false;
        return CalcImpactLevel();
    }
    m_bVariant = true;
    return CalcStandImpactLevel();
}

// L'nT = Round(L2c - 10 lg(T / T0), 1), dB, from the averages of all records
// of tables 123, 124 and 125; T0 = 0.5 s or the project's value.
int CCalc::CalcImpactCombined()
{
    const CReportInfo& info = ReportInfoOf(*this);
    const double dReferenceTime = ProjectReferenceTime(info);
    if (IsMissingValue(dReferenceTime))
        return ResetWith(*this, kCalcVolumeMissing);
    const CCalcSettings settings = GetSettings();
    const NSpectrum receiving = SumListRecords(MeasurementListOf(*this, kTableReceiving));
    const CBandArray reverb = BandsOf(SumListRecords(MeasurementListOf(*this, kTableReverb)));
    if (settings.m_bBgnCorrection)
        m_aSpec[4] = BackgroundCorrection(
            receiving, SumListRecords(MeasurementListOf(*this, kTableBackground)), 6.0, 10.0,
            kLimitValue);
    const CBandArray level = BandsOf(receiving);
    const CBandArray correction = BandsOf(m_aSpec[4]);
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        double dResult = kMissingValue;
        if (!IsMissingValue(level[nBand]) &&
            !IsReverbTimeMissing(reverb[nBand], kMissingThreshold)) {
            double dLevel = level[nBand];
            if (settings.m_bBgnCorrection && !IsMissingValue(correction[nBand]))
                dLevel += correction[nBand];
            dResult = RoundValue(dLevel - 10.0 * std::log10(reverb[nBand] / dReferenceTime), 1);
        }
        m_aSpec[0].InsertData(nBand, dResult);
    }
    m_aSpec[4].Round(1);
    m_aSpec[2] = MethodTerm(*this, false, AppliedCorrections(*this, settings.m_bBgnCorrection,
                                                             false));
    return kCalcDone;
}

// L'n over sets: per set L2c + Round(10 lg(0.16 V / (10 T)), 1), dB, the sets
// averaged as levels.
int CCalc::CalcImpactLevelSets()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    const double dVolume = info.m_dVolume;
    CSetMethod method;
    method.m_bImpact = true;
    method.m_term = [=](int, double dReverb) { return NormalisedTerm(0.16, dVolume, dReverb); };
    method.m_shownTerm = method.m_term;
    return method.Run(*this);
}

// L'nT over sets: per set L2c - Round(10 lg(T / T0), 1), dB; T0 = 0.5 s or
// the project's value.
int CCalc::CalcStandImpactLevelSets()
{
    const double dReferenceTime = ProjectReferenceTime(ReportInfoOf(*this));
    if (IsMissingValue(dReferenceTime))
        return ResetWith(*this, kCalcVolumeMissing);
    CSetMethod method;
    method.m_bImpact = true;
    method.m_term = StandardisedImpactMethod(dReferenceTime).m_term;
    method.m_shownTerm = method.m_term;
    return method.Run(*this);
}
