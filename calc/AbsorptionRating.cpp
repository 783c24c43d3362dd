// Classes in this file: CAbsorptionRating. The weighted sound absorption
// coefficient alpha_w of ISO 11654: the reference curve moves down in steps of
// 0.05 until the sum of unfavourable deviations of the practical absorption
// coefficients alpha_p at the octaves 250 to 4000 Hz is at most 0.10.

#include "AbsorptionRating.h"

#include "ReferenceCurves.h"
#include "Rounding.h"

namespace {

const double kTolerance = 0.00001;
const int kOctaveBands[] = {24, 27, 30, 33, 36};   // 250, 500, 1000, 2000, 4000 Hz
const double kDevLimit = 0.1;
const double kShiftStep = 0.05;
const int kMaxShiftSteps = 1000;     // the curve 50 below its start: far beyond any coefficient
const double kShapeExcess = -0.24999;  // alpha_p at least 0.25 above the shifted curve

bool HasOctaves(const CBandArray& values)
{
    for (int nBand : kOctaveBands)
        if (IsMissingValue(values[nBand]))
            return false;
    return true;
}

}  // namespace

// Deviation d = (reference - shift) - alpha_p at each octave band, stored with
// its sign; the sum takes only the unfavourable (positive) ones.
double SumAbsorptionDeviations(const CBandArray& alphaP, const CBandArray& ref,
                               double dShift, CBandArray& deviation)
{
    double dSum = 0.0;
    for (int nBand : kOctaveBands) {
        const double dDeviation = (ref[nBand] - dShift) - alphaP[nBand];
        deviation[nBand] = dDeviation;
        if (dDeviation > kTolerance)
            dSum += dDeviation;
    }
    return dSum;
}

// Shape indicators where alpha_p exceeds the shifted curve by 0.25 or more:
// L at 250 Hz, M at 500 or 1000 Hz, H at 2000 or 4000 Hz, e.g. "(LH)".
std::string ShapeIndicators(const CBandArray& deviation)
{
    auto exceeds = [&deviation](int nBand) { return deviation[nBand] <= kShapeExcess; };
    std::string sShape;
    if (exceeds(24))
        sShape += 'L';
    if (exceeds(27) || exceeds(30))
        sShape += 'M';
    if (exceeds(33) || exceeds(36))
        sShape += 'H';
    return sShape.empty() ? sShape : "(" + sShape + ")";
}

// Rates alpha_p; alpha_s (the one-third-octave coefficients) must hold the
// five octave bands. The curve never moves up. The shift accumulates by
// repeated addition of 0.05, and alpha_w keeps that binary error unrounded.
CAbsorptionRating RateAbsorptionCurve(const CBandArray& alphaS, const CBandArray& alphaP)
{
    CAbsorptionRating rating;
    if (!HasOctaves(alphaS) || !HasOctaves(alphaP))
        return rating;
    const CBandArray ref = RefAbsorptionCurve();
    CBandArray deviation;
    double dShift = 0.0;
    double dSum = SumAbsorptionDeviations(alphaP, ref, dShift, deviation);
    for (int nStep = 0; dSum > kDevLimit + kTolerance; ++nStep) {
        if (nStep == kMaxShiftSteps)
            return rating;
        dShift += kShiftStep;
        dSum = SumAbsorptionDeviations(alphaP, ref, dShift, deviation);
    }
    rating.m_nStatus = kCalcDone;
    rating.m_dRating = ref[27] - dShift;
    rating.m_dDevSum = RoundValue(dSum, 2);
    rating.m_deviation = deviation;
    rating.m_sShape = ShapeIndicators(deviation);
    return rating;
}
