// Classes in this file: CCalc, its background-noise and transmission
// corrections. Each rule empties its correction spectra, then writes every
// band of the application's band range: the correction in dB with status 2
// (the limit value stands) or 16 (computed), 0.0 (none needed) or -999.0 (an
// input is missing).

#include "Calc.h"

#include "CorrectionRules.h"
#include "SpectrumBands.h"
#include "TableIds.h"

#include "model/ReportInfo.h"

#include <limits>

namespace {

// The member rules hold their limit value -1.3 dB in single precision, so a
// limited band shows -1.2999999523162842; the set methods pass the double.
const double kLimitSingle = static_cast<double>(-1.3f);

const double kFlankingBoundSmall = 10.0;   // small elements
const double kFlankingBound = 15.0;

CCorrectionRule RoundedRule(double dLow, double dHigh, double dLimitValue)
{
    return CCorrectionRule::FromBounds(dLow, dHigh, dLimitValue, true);
}

CCorrectionRule ComputedUpToBound(CCorrectionRule rule, double dBound)
{
    rule.m_dComputeBelow = dBound;
    rule.m_bComputeAtBound = true;
    return rule;
}

CAirborneNoiseRules FieldNoiseRules()
{
    return {RoundedRule(6.0, 10.0, kLimitSingle), RoundedRule(6.0, 10.0, kLimitSingle),
            RoundedRule(6.0, 10.0, kLimitSingle)};
}

CAirborneNoiseRules LabNoiseRules()
{
    return {RoundedRule(6.0, 15.0, kLimitSingle), RoundedRule(6.0, 15.0, kLimitSingle),
            RoundedRule(3.0, 10.0, -3.0)};
}

// The full laboratory variant computes the airborne receiving correction up
// to and including 15 dB, and the impact correction for every difference
// above 6 dB.
CAirborneNoiseRules LabFullNoiseRules()
{
    const CCorrectionRule rule = RoundedRule(6.0, 15.0, kLimitSingle);
    return {rule, ComputedUpToBound(rule, 15.00001),
            ComputedUpToBound(rule, std::numeric_limits<double>::infinity())};
}

void WriteCorrection(NSpectrum& spec, int nBand, const CBandCorrection& correction)
{
    spec.InsertData(nBand, correction.m_dValue);
    if (correction.m_nStatus != 0)
        spec.SetMeasStatus(nBand, static_cast<BYTE>(correction.m_nStatus));
}

// level plus its correction where both hold a value
double Corrected(double dLevel, double dCorrection)
{
    if (IsMissingValue(dLevel) || IsMissingValue(dCorrection))
        return dLevel;
    return dLevel + dCorrection;
}

}  // namespace

int CCalc::CorrectBackground()
{
    FillBackgroundCorrection(m_aSpec[4], SummaryLevel(kTableReceiving),
                             SummaryLevel(kTableBackground), RoundedRule(6.0, 10.0, kLimitSingle));
    return kCalcDone;
}

int CCalc::CorrectBackgroundLab()
{
    FillBackgroundCorrection(m_aSpec[4], SummaryLevel(kTableReceiving),
                             SummaryLevel(kTableBackground), RoundedRule(6.0, 15.0, kLimitSingle));
    return kCalcDone;
}

int CCalc::CorrectBackgroundAstm()
{
    FillBackgroundCorrection(m_aSpec[4], SummaryLevel(kTableReceiving),
                             SummaryLevel(kTableBackground), RoundedRule(5.0, 10.0, -2.0));
    return kCalcDone;
}

int CCalc::CorrectAirborneNoise()
{
    return CorrectAirborneNoiseWith(FieldNoiseRules());
}

int CCalc::CorrectAirborneNoiseLab()
{
    return CorrectAirborneNoiseWith(LabNoiseRules());
}

int CCalc::CorrectAirborneNoiseLabFull()
{
    return CorrectAirborneNoiseWith(LabFullNoiseRules());
}

// One measurement set of an impact project with airborne noise: the set's
// impact level, its source-room airborne level and its background, with the
// bounds the set method passes. Spectrum 4 holds the set's background
// correction already.
int CCalc::CorrectAirborneNoiseSets(NSpectrum impact, NSpectrum source, NSpectrum background,
                                    double dLow, double dHigh, double dLimitValue)
{
    const CCorrectionRule rule = RoundedRule(dLow, dHigh, dLimitValue);
    m_aSpec[6] = NSpectrum(0, 0);
    m_aSpec[7] = NSpectrum(0, 0);
    if (GetSettings().m_bBgnCorrection)
        FillBackgroundCorrection(m_aSpec[6], SummaryLevel(kTableAirborneReceiving), background,
                                 rule);
    const CBandArray sourceLevel = BandsOf(source);
    const CCalcSettings settings = GetSettings();
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand)
        if (!IsMissingValue(sourceLevel[nBand]))
            m_aSpec[18].InsertData(nBand, sourceLevel[nBand]);
    FillImpactCorrection(BandsOf(impact), sourceLevel, rule);
    return kCalcDone;
}

// Laboratory airborne insulation: the correction of the result (spectrum 0)
// for the facility's flanking limit (table 130) into spectrum 5.
int CCalc::CorrectFlanking()
{
    const CReportInfo* pInfo = GetProjectReportInfo();
    const double dUpperBound = pInfo != nullptr && pInfo->m_bSmallElements ? kFlankingBoundSmall
                                                                          : kFlankingBound;
    const CBandArray reduction = BandsOf(m_aSpec[0]);
    const CBandArray flanking = BandsOf(SummaryLevel(kTableWithFacility));
    m_aSpec[5] = NSpectrum(0, 0);
    const CCalcSettings settings = GetSettings();
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand)
        WriteCorrection(m_aSpec[5], nBand,
                        FlankingBandCorrection(reduction[nBand], flanking[nBand], dUpperBound));
    return kCalcDone;
}

// The correction of a level for its background over the band range, with the
// unrounded corrected level; an empty spectrum when either input is empty.
NSpectrum CCalc::BackgroundCorrection(NSpectrum level, NSpectrum background, double dLow,
                                      double dHigh, double dLimitValue) const
{
    const NSpectrum empty(0, 0);
    if (level == empty || background == empty)
        return empty;
    NSpectrum correction(0, 0);
    FillBackgroundCorrection(correction, level, background,
                             CCorrectionRule::FromBounds(dLow, dHigh, dLimitValue, false));
    correction.SetStatus(0);
    return correction;
}

void CCalc::FillBackgroundCorrection(NSpectrum& target, const NSpectrum& level,
                                     const NSpectrum& background,
                                     const CCorrectionRule& rule) const
{
    const CBandArray levelBands = BandsOf(level);
    const CBandArray backgroundBands = BandsOf(background);
    target = NSpectrum(0, 0);
    const CCalcSettings settings = GetSettings();
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand)
        WriteCorrection(target, nBand, BackgroundBandCorrection(levelBands[nBand],
                                                                backgroundBands[nBand], rule));
}

// Impact measurement with the airborne noise of the tapping machine (tables
// 122, 123, 128, 129): spectra 4 and 6 with the background switch, then the
// correction of the impact level, spectrum 7, in any case.
int CCalc::CorrectAirborneNoiseWith(const CAirborneNoiseRules& rules)
{
    m_aSpec[4] = NSpectrum(0, 0);
    m_aSpec[6] = NSpectrum(0, 0);
    m_aSpec[7] = NSpectrum(0, 0);
    if (GetSettings().m_bBgnCorrection) {
        FillBackgroundCorrection(m_aSpec[4], SummaryLevel(kTableReceiving),
                                 SummaryLevel(kTableBackground), rules.m_background);
        FillBackgroundCorrection(m_aSpec[6], SummaryLevel(kTableAirborneReceiving),
                                 SummaryLevel(kTableBackground), rules.m_airborneReceiving);
    }
    FillImpactCorrection(BandsOf(SummaryLevel(kTableReceiving)),
                         BandsOf(SummaryLevel(kTableSource)), rules.m_impact);
    return kCalcDone;
}

// Spectrum 7 from the impact level and the source-room noise, with the
// airborne level difference of tables 128 and 129; with the background switch
// the impact level and the airborne receiving level carry their corrections
// (spectra 4 and 6).
void CCalc::FillImpactCorrection(const CBandArray& impact, const CBandArray& sourceNoise,
                                 const CCorrectionRule& rule)
{
    const CCalcSettings settings = GetSettings();
    const CBandArray airborneSource = BandsOf(SummaryLevel(kTableAirborneSource));
    const CBandArray airborneReceiving = BandsOf(SummaryLevel(kTableAirborneReceiving));
    const CBandArray impactCorrection = BandsOf(m_aSpec[4]);
    const CBandArray receivingCorrection = BandsOf(m_aSpec[6]);
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        double dImpact = impact[nBand];
        double dReceiving = airborneReceiving[nBand];
        if (settings.m_bBgnCorrection) {
            dImpact = Corrected(dImpact, impactCorrection[nBand]);
            dReceiving = Corrected(dReceiving, receivingCorrection[nBand]);
        }
        WriteCorrection(m_aSpec[7], nBand,
                        AirborneNoiseBandCorrection(dImpact, sourceNoise[nBand],
                                                    airborneSource[nBand], dReceiving, rule));
    }
}
