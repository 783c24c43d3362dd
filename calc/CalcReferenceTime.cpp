// Classes in this file: CCalc, its field airborne methods standardised to a
// reference reverberation time: T0 by the receiving-room volume, the facade
// variants with 45 degrees incidence, the volume rule between R' and DnT, and
// the level difference over the measurement sets with T0 = 0.5 s or the
// project's value.

#include "Calc.h"

#include "BandMethod.h"
#include "CorrectionRules.h"
#include "SetRecords.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

#include <cmath>

namespace {

const double kCos45 = std::cos(0.785398163375);   // pi / 4 to twelve digits
const double kSmallRoomPerArea = 3.09999;          // V / S below it: R', else DnT
const double kLimitValue = -1.3;                   // dB, background difference at most 6 dB

// L1 - L2c + Round(10 lg(f T), 1), dB, inputs below -200 dB missing.
int WriteStandardised(CCalc& calc, double dFactor)
{
    CBandMethod method;
    method.m_dMissingBelow = kMissingBelowStrict;
    method.m_term = [=](int, double dReverb) { return RoundedLevelTerm(dFactor * dReverb); };
    return WriteFieldLevelDifference(calc, method);
}

}  // namespace

// L1 - L2c + Round(10 lg(T / T0(V)), 1), dB.
int CCalc::CalcStandLevelDiffVolT0()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    return WriteStandardised(*this, 1.0 / ReferenceTimeByVolume(info.m_dVolume));
}

// L1 - L2c + Round(10 lg(cos 45° T / T0(V)), 1), dB.
int CCalc::CalcFacadeStandLevelDiffVolT0()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    return WriteStandardised(*this, kCos45 / ReferenceTimeByVolume(info.m_dVolume));
}

// L1 - L2c + Round(10 lg(cos 45° T / 0.5 s), 1), dB.
int CCalc::CalcFacadeCos45()
{
    return WriteStandardised(*this, 2.0 * kCos45);
}

// Volume rule: R' for a room that is small against its partition
// (V / S < 3.1), else DnT; m_bVariant tells which (true: DnT). The two meet
// at V = 3.125 S.
int CCalc::CalcAppSoundReductionLimited()
{
    const CReportInfo& info = ReportInfoOf(*this);
    if (IsProjectValueMissing(info.m_dVolume))
        return ResetWith(*this, kCalcVolumeMissing);
    if (IsProjectValueMissing(info.m_dArea))
        return ResetWith(*this, kCalcAreaMissing);
    if (info.m_dVolume / info.m_dArea < kSmallRoomPerArea) {
        m_bVariant = false;
        return CalcAppSoundReduction();
    }
    m_bVariant = true;
    return CalcAppSoundReductionVolLimited();
}

// Standardised level difference over the measurement sets: per set
// D = L1 - L2c, the sets averaged arithmetically, then D + 10 lg(T / T0), dB,
// with T averaged over all records of table 124. A band whose background
// correction takes the limit value in any set is marked in spectrum 4.
int CCalc::CalcAirborneCombined()
{
    const CReportInfo& info = ReportInfoOf(*this);
    const double dReferenceTime = ProjectReferenceTime(info);
    if (IsMissingValue(dReferenceTime))
        return ResetWith(*this, kCalcVolumeMissing);
    const CCalcSettings settings = GetSettings();
    NSpectrum difference;
    StartAccumulation(difference);
    for (int nSet = 1; nSet <= kSetCount; ++nSet) {
        const NSpectrum source = SumSetRecords(kTableSource, nSet);
        NSpectrum receiving = SumSetRecords(kTableReceiving, nSet);
        if (settings.m_bBgnCorrection) {
            const NSpectrum correction = BackgroundCorrection(
                receiving, SetBackground(*this, nSet), 6.0, 10.0, kLimitValue);
            for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand)
                if (correction.GetMeasStatus(nBand) == kStatusLimited) {
                    m_aSpec[4].InsertData(nBand, kLimitValue);
                    m_aSpec[4].SetMeasStatus(nBand, kStatusLimited);
                }
            receiving = receiving.AddCorrection(correction);
        }
        difference = difference & (source || receiving);
    }
    difference.SetStatus(NSpectrum::kIncluded);
    const CBandArray reverb = BandsOf(SumListRecords(MeasurementListOf(*this, kTableReverb)));
    const CBandArray levelDifference = BandsOf(difference);
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        double dResult = kMissingValue;
        if (!IsInputMissing(levelDifference[nBand], kMissingBelowStrict) &&
            !IsReverbTimeMissing(reverb[nBand], kMissingBelowStrict))
            dResult = levelDifference[nBand] + 10.0 * std::log10(reverb[nBand] / dReferenceTime);
        m_aSpec[0].InsertData(nBand, dResult);
    }
    m_aSpec[0].Round(1);
    m_aSpec[2] = m_aSpec[0] || difference;
    m_aSpec[2].Round(1);
    return kCalcDone;
}
