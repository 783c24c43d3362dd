// Classes in this file: CSetMethod, the evaluation of a project measured
// with several loudspeaker or tapping-machine positions, each position a set
// "#A" to "#I": every set is evaluated and rated on its own, kept in the
// document's per-set array when it has a rating, and the kept sets are
// combined into the working result. With the low-frequency procedure the
// bands 50 to 80 Hz take in the highest levels measured in the room corners.

#include "SetMethod.h"

#include "BandMethod.h"
#include "Calc.h"
#include "CalcDocument.h"
#include "CorrectionRules.h"
#include "SetRecords.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

#include <cmath>

namespace {

const int kFirstCornerBand = 17;        // 50 Hz
const int kLastCornerBand = 19;         // 80 Hz
const int kCornerReverbBand = 18;       // 63 Hz: the octave value of the corner procedure
const double kBackgroundLow = 6.0;      // dB: at or below it the limit value stands
const double kFieldBackgroundHigh = 10.0;
const double kLimitValue = -1.3;        // dB
const int kNoiseMarksYear = 2014;

// What one set needs of the project and the application.
struct CSetContext {
    const CSetMethod& m_method;
    const CReportInfo& m_info;
    CCalcSettings m_settings;
    bool m_bAirborneNoise;     // impact with the tapping machine's airborne noise corrected
};

NSpectrum Rounded(NSpectrum spec)
{
    spec.Round(1);
    return spec;
}

// energetic combination of a position level with a corner level:
// 10 lg((2 10^(L/10) + 10^(Lc/10)) / 3), dB, rounded to 0.1 dB
double WithCornerLevel(double dLevel, double dCorner)
{
    if (IsMissingValue(dLevel))
        return kMissingValue;
    if (IsMissingValue(dCorner))
        dCorner = dLevel;
    const double dPower = 2.0 * std::pow(10.0, dLevel / 10.0) + std::pow(10.0, dCorner / 10.0);
    return RoundValue(10.0 * std::log10(dPower / 3.0), 1);
}

double AddWhereBoth(double dLevel, double dCorrection)
{
    return IsMissingValue(dLevel) || IsMissingValue(dCorrection) ? dLevel : dLevel + dCorrection;
}

// The corrections of one set before its band loop: background (spectrum 4),
// the tapping machine's airborne noise (spectrum 7), and with the corner
// procedure the corner maxima (12, 13), their background (6) and the octave
// reverberation time (14).
void CorrectSet(CCalc& calc, const CSetContext& context, const NSpectrum& receiving, int nSet)
{
    if (context.m_settings.m_bBgnCorrection) {
        const NSpectrum background = Rounded(SetBackground(calc, nSet));
        calc.m_aSpec[4] = Rounded(calc.BackgroundCorrection(receiving, background, kBackgroundLow,
                                                            context.m_method.m_dBackgroundHigh,
                                                            kLimitValue));
        if (context.m_bAirborneNoise) {
            // From the 2014 ISO editions the rule corrects only above 9.9 dB and
            // has no limit value.
            const bool bIso2014 =
                context.m_info.m_bISO && context.m_info.m_nYear >= kNoiseMarksYear;
            const NSpectrum source = Rounded(calc.SumSetRecords(kTableSource, nSet));
            calc.CorrectAirborneNoiseSets(receiving, source, background,
                                          bIso2014 ? 9.9 : kBackgroundLow, kFieldBackgroundHigh,
                                          bIso2014 ? 0.0 : kLimitValue);
        }
    }
    if (!context.m_info.m_bCorner)
        return;
    if (!context.m_method.m_bImpact)
        calc.m_aSpec[12] = calc.SumSetCornerMaxima(MeasurementListOf(calc, kTableCornerSource));
    calc.m_aSpec[13] = calc.SumSetCornerMaxima(MeasurementListOf(calc, kTableCornerReceiving));
    const double dOctaveTime = calc.SummaryLevel(kTableRefReverb).GetSpecLine(kCornerReverbBand);
    for (int nBand = kFirstCornerBand; nBand <= kLastCornerBand; ++nBand)
        calc.m_aSpec[14].InsertData(nBand, dOctaveTime);
    if (context.m_settings.m_bBgnCorrection)
        calc.m_aSpec[6] = Rounded(calc.BackgroundCorrection(
            calc.m_aSpec[13], calc.SummaryLevel(kTableCornerBackground), kBackgroundLow,
            kFieldBackgroundHigh, kLimitValue));
}

// Low-frequency procedure in bands 17 to 19: source and receiving level
// combined with their corner maxima, the reverberation time from the octave.
void ApplyCornerLevels(const CCalc& calc, const CSetContext& context, int nBand, double& dSource,
                       double& dReceiving, double& dReverb)
{
    if (!context.m_method.m_bImpact)
        dSource = WithCornerLevel(dSource, calc.m_aSpec[12].GetSpecLine(nBand));
    double dCorner = calc.m_aSpec[13].GetSpecLine(nBand);
    if (!IsMissingValue(dCorner) && context.m_settings.m_bBgnCorrection)
        dCorner = AddWhereBoth(dCorner, calc.m_aSpec[6].GetSpecLine(nBand));
    dReceiving = WithCornerLevel(dReceiving, dCorner);
    const double dOctaveTime = calc.m_aSpec[14].GetSpecLine(nBand);
    if (!IsMissingValue(dOctaveTime))
        dReverb = dOctaveTime;
}

void WriteSetBand(CCalc& calc, const CSetContext& context, int nBand, double dSource,
                  double dReceiving, double dReverb)
{
    const bool bImpact = context.m_method.m_bImpact;
    if (context.m_settings.m_bBgnCorrection)
        dReceiving = AddWhereBoth(dReceiving, calc.m_aSpec[4].GetSpecLine(nBand));
    if (context.m_bAirborneNoise)
        dReceiving = AddWhereBoth(dReceiving, calc.m_aSpec[7].GetSpecLine(nBand));
    if (!bImpact && !IsMissingValue(dSource))
        calc.m_aSpec[18].InsertData(nBand, dSource);
    if (!IsMissingValue(dReceiving))
        calc.m_aSpec[19].InsertData(nBand, dReceiving);
    if (context.m_info.m_bCorner && nBand >= kFirstCornerBand && nBand <= kLastCornerBand)
        ApplyCornerLevels(calc, context, nBand, dSource, dReceiving, dReverb);
    if (!bImpact)
        calc.m_aSpec[15].InsertData(nBand, dSource);
    calc.m_aSpec[16].InsertData(nBand, dReceiving);
    calc.m_aSpec[17].InsertData(nBand, dReverb);
    double dResult = kMissingValue;
    double dShown = kMissingValue;
    const bool bInputs = (bImpact || !IsMissingValue(dSource)) && !IsMissingValue(dReceiving) &&
                         !IsReverbTimeMissing(dReverb, kMissingThreshold);
    const double dTerm = bInputs ? context.m_method.m_term(nBand, dReverb) : kMissingValue;
    if (!IsMissingValue(dTerm)) {
        dResult = (bImpact ? dReceiving : dSource - dReceiving) + dTerm;
        dShown = context.m_method.m_shownTerm(nBand, dReverb);
    }
    calc.m_aSpec[0].InsertData(nBand, dResult);
    calc.m_aSpec[2].InsertData(nBand, dShown);
}

void ResetForSet(CCalc& calc, const CSetMethod& method)
{
    calc.Reset();
    calc.m_dArea = method.m_dArea;
}

// Evaluates and rates set nSet in the working object.
void EvaluateSet(CCalc& calc, const CSetContext& context, int nSet)
{
    const CSetMethod& method = context.m_method;
    ResetForSet(calc, method);
    const CBandArray source =
        method.m_bImpact ? CBandArray() : BandsOf(Rounded(calc.SumSetRecords(kTableSource, nSet)));
    const NSpectrum receiving = Rounded(calc.SumSetRecords(kTableReceiving, nSet));
    CorrectSet(calc, context, receiving, nSet);
    const CBandArray receivingBands = BandsOf(receiving);
    const CBandArray reverb = BandsOf(calc.SummaryLevel(kTableReverb));
    const CCalcSettings& settings = context.m_settings;
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand)
        WriteSetBand(calc, context, nBand, source[nBand], receivingBands[nBand], reverb[nBand]);
    if (method.m_bFlanking) {
        calc.CorrectFlanking();
        calc.m_aSpec[0] = calc.m_aSpec[0].AddCorrection(calc.m_aSpec[5]);
    }
    if (method.m_bImpact) {
        calc.RateImpact();
        calc.CalcAdaptationTermCI();
    } else {
        calc.RateAirborne();
        calc.CalcAdaptationTermsC();
    }
    calc.m_sLabel = SetLabel(nSet);
}

// The combined correction marks of the sets in one band: 0.0, with status 2
// where any set took the limit value, else 16 where any set computed one.
void CarryMark(NSpectrum& combined, const NSpectrum& set, int nBand)
{
    if (combined.GetMeasStatus(nBand) == kStatusLimited)
        return;
    combined.InsertData(nBand, 0.0);
    const BYTE nStatus = set.GetMeasStatus(nBand);
    if (nStatus == kStatusCorrected || nStatus == kStatusLimited)
        combined.SetMeasStatus(nBand, nStatus);
}

// Airborne sets average as level differences, impact sets as levels.
void CombineSets(CCalc& calc, const CSetContext& context, const CArray<CCalc, CCalc&>& sets,
                 int nFirst)
{
    ResetForSet(calc, context.m_method);
    calc.m_aSpec[0].SetStatus(NSpectrum::kExcluded);
    std::vector<int> markedSpectra = {4, 6};
    if (context.m_method.m_bImpact)
        markedSpectra.push_back(7);
    for (int i = nFirst; i < sets.GetSize(); ++i) {
        const CCalc& set = sets[i];
        calc.m_aSpec[0] = context.m_method.m_bImpact ? calc.m_aSpec[0] + set.m_aSpec[0]
                                                     : calc.m_aSpec[0] - set.m_aSpec[0];
        for (int nBand = context.m_settings.FirstBand(); nBand <= context.m_settings.LastBand();
             ++nBand)
            for (int nSpectrum : markedSpectra)
                CarryMark(calc.m_aSpec[nSpectrum], set.m_aSpec[nSpectrum], nBand);
    }
    calc.m_aSpec[0].SetStatus(NSpectrum::kIncluded);
    calc.m_aSpec[0].Round(1);
    calc.m_aSpec[2] = sets[nFirst].m_aSpec[2];
}

}  // namespace

// Evaluates the nine sets, keeps the rated ones in the document's per-set
// array and combines them: several into the working object, one as a copy.
int CSetMethod::Run(CCalc& calc) const
{
    const CReportInfo& info = ReportInfoOf(calc);
    const CCalcSettings settings = calc.GetSettings();
    const CSetContext context = {*this, info, settings,
                                 m_bImpact && info.m_bImpactAirborne && settings.m_bBgnCorrection};
    CArray<CCalc, CCalc&>* pSets = calc.m_pDoc != nullptr ? &calc.m_pDoc->GetCalcSets() : nullptr;
    const int nFirst = pSets != nullptr ? pSets->GetSize() : 0;
    for (int nSet = 1; nSet <= kSetCount; ++nSet) {
        EvaluateSet(calc, context, nSet);
        if (pSets != nullptr && !IsMissingValue(calc.m_dRating))
            pSets->Add(calc);
    }
    const int nKept = pSets != nullptr ? pSets->GetSize() - nFirst : 0;
    if (nKept > 1)
        CombineSets(calc, context, *pSets, nFirst);
    else if (nKept == 1)
        calc = (*pSets)[nFirst];
    return kCalcDone;
}

// R' over sets: L1 - L2 - K + Round(10 lg(S T / (0.16 V)), 1), dB, with the
// area S used and a fixed term K.
CSetMethod ReductionSets(double dArea, double dVolume, double dFixedTerm)
{
    const double dFactor = dArea / (0.16 * dVolume);
    CSetMethod method;
    method.m_term = [=](int, double dReverb) {
        const double dTerm = RoundedLevelTerm(dFactor * dReverb);
        return IsMissingValue(dTerm) ? kMissingValue : dTerm - dFixedTerm;
    };
    method.m_shownTerm = [=](int, double dReverb) {
        return RoundValue(10.0 * std::log10(dFactor * dReverb) - dFixedTerm, 1);
    };
    return method;
}

// Dn over sets with the absorption factor k: (L1 - L2) - Round(10 lg(k V /
// (10 T)), 1), dB. Spectrum 2 holds the result less the level difference, as
// the single Dn method keeps it: the tables show one quantity with one sign
// whatever the number of loudspeaker positions.
CSetMethod NormalisedDifferenceSets(double dAbsorptionFactor, double dVolume)
{
    CSetMethod method;
    method.m_term = [=](int, double dReverb) {
        return NegatedTerm(NormalisedTerm(dAbsorptionFactor, dVolume, dReverb));
    };
    method.m_shownTerm = method.m_term;
    return method;
}

