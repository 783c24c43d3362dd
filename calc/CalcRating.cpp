// Classes in this file: CCalc, its single-number ratings: ISO 717-1 and
// ISO 717-2, ASTM E413 and E989, and the weighted sound absorption
// coefficient of ISO 11654. The arithmetic works on band arrays (CurveRating,
// AbsorptionRating); these members move the spectra in and the results out.

#include "Calc.h"

#include "AbsorptionRating.h"
#include "CurveRating.h"
#include "ReferenceCurves.h"
#include "SpectrumBands.h"

namespace {

const double kAstmDevLimit = 32.0;
const double kAbsorptionDevLimit = 0.1;

}  // namespace

int CCalc::RateAirborne()
{
    return RateWithIsoCurve(AirborneRatingCurve());
}

int CCalc::RateImpact()
{
    return RateWithIsoCurve(ImpactRatingCurve());
}

// ASTM E413 sound transmission class; leaves the deviation limit at 32 dB.
int CCalc::RateStc()
{
    return RateWithAstmCurve(StcRatingCurve());
}

// ASTM E989 impact insulation class; leaves the deviation limit at 32 dB.
int CCalc::RateIic()
{
    return RateWithAstmCurve(IicRatingCurve());
}

double CCalc::DevAirborne(NSpectrum meas, NSpectrum ref, double dShift)
{
    return DeviationsAgainst(AirborneRatingCurve(), meas, ref, dShift);
}

double CCalc::DevImpact(NSpectrum meas, NSpectrum ref, double dShift)
{
    return DeviationsAgainst(ImpactRatingCurve(), meas, ref, dShift);
}

double CCalc::DevStc(NSpectrum meas, NSpectrum ref, double dShift)
{
    return DeviationsAgainst(StcRatingCurve(), meas, ref, dShift);
}

// Weighted sound absorption coefficient alpha_w from alpha_s (spectrum 0) and
// alpha_p (spectrum 9); the label gets the shape indicators.
int CCalc::RateAbsorption()
{
    m_dRating = kMissingValue;
    m_aSpec[1].RemoveAll();
    BuildRefAbsorption(m_aSpec[1]);
    const CAbsorptionRating rating = RateAbsorptionCurve(BandsOf(m_aSpec[0]), BandsOf(m_aSpec[9]));
    if (rating.m_nStatus != kCalcDone) {
        ClearCurveRating();
        return rating.m_nStatus;
    }
    m_dDevLimit = kAbsorptionDevLimit;
    m_dRating = rating.m_dRating;
    m_dDevSum = rating.m_dDevSum;
    m_dMaxDev = 0.0;
    InsertPresentBands(m_aSpec[3], rating.m_deviation);
    m_sLabel = rating.m_sShape.c_str();
    return kCalcDone;
}

// Signed deviations of alpha_p from the curve moved down by dShift, into
// spectrum 3 at the octave bands; returns the sum of the unfavourable ones.
double CCalc::DevAbsorption(NSpectrum ap, NSpectrum ref, double dShift)
{
    CBandArray deviation;
    const double dSum = SumAbsorptionDeviations(BandsOf(ap), BandsOf(ref), dShift, deviation);
    m_dMaxDev = 0.0;
    InsertPresentBands(m_aSpec[3], deviation);
    return dSum;
}

void CCalc::BuildRefAirborne(NSpectrum& spec)
{
    InsertPresentBands(spec, RefAirborneCurve());
}

void CCalc::BuildRefImpact(NSpectrum& spec)
{
    InsertPresentBands(spec, RefImpactCurve());
}

void CCalc::BuildContourStc(NSpectrum& spec)
{
    InsertPresentBands(spec, StcContour());
}

void CCalc::BuildRefAbsorption(NSpectrum& spec)
{
    InsertPresentBands(spec, RefAbsorptionCurve());
}

// ISO 717: spectrum 1 gets the unshifted curve, spectrum 3 the deviations of
// the final position; the whole-dB rating is kept for the adaptation terms.
int CCalc::RateWithIsoCurve(const CRatingCurve& curve)
{
    m_dRating = kMissingValue;
    PlaceCurve(curve);
    const CCurveRating rating = RateIso717(curve, BandsOf(m_aSpec[0]), m_dDevLimit,
                                           GetSettings().m_bExactRating, m_nMaxDevBand);
    if (rating.m_nStatus != kCalcDone) {
        ClearCurveRating();
        m_dRatingWhole = kMissingValue;
        return rating.m_nStatus;
    }
    m_dRatingWhole = rating.m_dRatingWhole;
    StoreCurveRating(rating, curve);
    return kCalcDone;
}

int CCalc::RateWithAstmCurve(const CRatingCurve& curve)
{
    m_dRating = kMissingValue;
    m_dDevLimit = kAstmDevLimit;
    PlaceCurve(curve);
    const CCurveRating rating = RateAstm(curve, BandsOf(m_aSpec[0]),
                                         GetSettings().m_bExactRating, m_nMaxDevBand);
    if (rating.m_nStatus != kCalcDone) {
        ClearCurveRating();
        return rating.m_nStatus;
    }
    StoreCurveRating(rating, curve);
    return kCalcDone;
}

void CCalc::PlaceCurve(const CRatingCurve& curve)
{
    m_aSpec[1].RemoveAll();
    InsertPresentBands(m_aSpec[1], curve.m_ref);
}

void CCalc::StoreCurveRating(const CCurveRating& rating, const CRatingCurve& curve)
{
    m_dRating = rating.m_dRating;
    m_dDevSum = rating.m_dDevSum;
    m_dMaxDev = rating.m_dMaxDev;
    m_nMaxDevBand = rating.m_nMaxDevBand;
    InsertBandRange(m_aSpec[3], rating.m_deviation, curve.m_nFirstBand, curve.m_nLastBand);
    m_aSpec[3].Round(1);
}

// A refused rating leaves no figure of an earlier one behind.
void CCalc::ClearCurveRating()
{
    m_dRating = kMissingValue;
    m_dDevSum = kMissingValue;
    m_dMaxDev = kMissingValue;
    m_aSpec[3].RemoveAll();
}

double CCalc::DeviationsAgainst(CRatingCurve curve, const NSpectrum& meas,
                                const NSpectrum& ref, double dShift)
{
    curve.m_ref = BandsOf(ref);
    const CDeviationSum dev = SumDeviations(curve, BandsOf(meas), dShift, m_nMaxDevBand);
    m_dMaxDev = dev.m_dMaxDev;
    m_nMaxDevBand = dev.m_nMaxDevBand;
    InsertBandRange(m_aSpec[3], dev.m_deviation, curve.m_nFirstBand, curve.m_nLastBand);
    return dev.m_dSum;
}
