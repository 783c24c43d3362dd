// Classes in this file: CCalc, its evaluation of an added lining in the
// laboratory: the improvement of the sound reduction index per band and per
// octave, the weighted improvement and the improvements of the eight
// spectrum-adapted values.

#include "Calc.h"

#include "ReferenceCurves.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

#include <cmath>

namespace {

const int kTableWithLining = 130;
const int kTableWithoutLining = 131;
const int kFirstOctaveBand = 17;   // 63 Hz octave: bands 17 to 19
const int kLastOctaveBand = 40;    // 8000 Hz octave: bands 38 to 40

// The eight adaptation terms, in the order of m_adImprovement.
double CCalc::* const kAdaptationTerms[kImprovementCount] = {
    &CCalc::m_dC50_3150,   &CCalc::m_dC50_5000,   &CCalc::m_dC,   &CCalc::m_dC100_5000,
    &CCalc::m_dCtr50_3150, &CCalc::m_dCtr50_5000, &CCalc::m_dCtr, &CCalc::m_dCtr100_5000,
};

// One element's weighted sound reduction index and its eight adaptation
// terms, dB.
struct CElementRating {
    double m_dRating = kMissingValue;
    double m_adTerm[kImprovementCount] = {};
};

// The reference curves of the basic elements 0 heavyweight wall, 1 heavyweight
// floor and 2 lightweight wall; any other choice rates the measured spectra.
CBandArray (*const kBasicElementCurves[])() = {BasicWallCurve1, BasicWallCurve2, BasicWallCurve3};
const int kBasicElementCount = 3;

// Rates the spectrum by ISO 717-1 and forms its adaptation terms; false when
// the rating fails. A term whose bands are missing stays missing.
bool RateElement(CCalc& calc, const NSpectrum& reduction, CElementRating& element)
{
    calc.m_aSpec[0] = reduction;
    if (calc.RateAirborne() != kCalcDone)
        return false;
    element.m_dRating = calc.m_dRating;
    calc.CalcAdaptationTermsC();
    for (int i = 0; i < kImprovementCount; ++i)
        element.m_adTerm[i] = calc.*kAdaptationTerms[i];
    return true;
}

// Octave improvement from its three thirds, dB:
// -10 lg((10^(-a/10) + 10^(-b/10) + 10^(-c/10)) / 3), 0.1 dB.
double OctaveImprovement(double dLow, double dMid, double dHigh)
{
    double dSum = 0.0;
    for (double dThird : {dLow, dMid, dHigh}) {
        if (IsMissingValue(dThird))
            return kMissingValue;
        dSum += std::pow(10.0, -dThird / 10.0);
    }
    return RoundValue(-10.0 * std::log10(dSum / 3.0), 1);
}

// The improvement of a spectrum-adapted value: (Rw + X) of the lined element
// less (Rw + X) of the reference; missing with either term.
double AdaptedImprovement(const CElementRating& with, const CElementRating& reference, int nTerm)
{
    if (IsMissingValue(with.m_adTerm[nTerm]) || IsMissingValue(reference.m_adTerm[nTerm]))
        return kMissingValue;
    return (with.m_dRating + with.m_adTerm[nTerm]) - (reference.m_dRating + reference.m_adTerm[nTerm]);
}

}  // namespace

// Improvement dR = R(with lining) - R(without), dB, per band (spectrum 0) and
// per octave (spectrum 10, at the middle band), referred to the basic element
// of the project: its reference curve, and the curve improved by dR, are
// rated. The weighted improvement dRw goes to m_dRating, the improvements of
// Rw + C and Rw + Ctr to m_adImprovement. A failed rating clears everything
// (3); a term that laboratory data from 100 Hz cannot give stays missing.
int CCalc::CalcAirborneImprovement()
{
    m_aSpec[10] = NSpectrum();
    const NSpectrum with = SummaryLevel(kTableWithLining);
    const NSpectrum without = SummaryLevel(kTableWithoutLining);
    const NSpectrum improvement = with || without;
    const CReportInfo* pInfo = GetProjectReportInfo();
    const int nElement = pInfo ? pInfo->m_nCoincidenceFreq : 0;
    NSpectrum reference = without;
    NSpectrum lined = with;
    if (nElement >= 0 && nElement < kBasicElementCount) {
        reference = NSpectrum();
        InsertPresentBands(reference, kBasicElementCurves[nElement]());
        lined = reference && improvement;
    }
    CElementRating referenceRating;
    CElementRating linedRating;
    if (!RateElement(*this, reference, referenceRating) || !RateElement(*this, lined, linedRating)) {
        Reset();
        return kCalcBandMissing;
    }
    m_aSpec[0] = improvement;
    for (int nBand = kFirstOctaveBand + 1; nBand < kLastOctaveBand; nBand += 3)
        m_aSpec[10].InsertData(nBand, OctaveImprovement(improvement.GetSpecLine(nBand - 1),
                                                        improvement.GetSpecLine(nBand),
                                                        improvement.GetSpecLine(nBand + 1)));
    m_dRating = linedRating.m_dRating - referenceRating.m_dRating;
    for (int i = 0; i < kImprovementCount; ++i)
        m_adImprovement[i] = AdaptedImprovement(linedRating, referenceRating, i);
    return kCalcDone;
}
