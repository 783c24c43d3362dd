// Classes in this file: CRatingCurve, CDeviationSum, CCurvePosition,
// CCurveRating: single-number ratings by shifting a reference curve against a
// band spectrum (ISO 717-1, ISO 717-2, ASTM E413, ASTM E989).

#include "CurveRating.h"

#include "ReferenceCurves.h"
#include "Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

const double kTolerance = 0.00001;     // thresholds are compared with this slack
const int kMaxSearchSteps = 10000;     // 1000 dB in 0.1 dB steps: no real spectrum needs more
const int kBand500Hz = 27;
const double kAstmDevLimit = 32.0;     // sum of deficiencies of ASTM E413 and E989, dB
const double kAstmMaxDeficiency = 8.0; // largest single deficiency of ASTM, dB
const double kIicBase = 110.0;         // IIC = 110 - contour value at 500 Hz

CCurveRating Rated(CCurveRating rating, const CRatingCurve& curve,
                   const CCurvePosition& position, bool bExactRating)
{
    rating.m_nStatus = kCalcDone;
    rating.m_dRating = RoundValue(curve.RatingAt(position.m_dShift), bExactRating ? 1 : 0);
    rating.m_dDevSum = RoundValue(position.m_dev.m_dSum, 1);
    rating.m_dMaxDev = RoundValue(position.m_dev.m_dMaxDev, 1);
    rating.m_nMaxDevBand = position.m_dev.m_nMaxDevBand;
    for (int nBand = curve.m_nFirstBand; nBand <= curve.m_nLastBand; ++nBand)
        rating.m_deviation[nBand] = RoundValue(position.m_dev.m_deviation[nBand], 1);
    return rating;
}

}  // namespace

// The deviation of a band from the curve moved by dShift, counted positive
// where it is unfavourable: for insulation the measured value below the
// curve, for an impact level the measured value above it.
double CRatingCurve::UnfavourableDeviation(double dMeas, int nBand, double dShift) const
{
    const double dDiff = dMeas - m_ref[nBand] - dShift;
    return -m_dSide * dDiff;
}

double CRatingCurve::CurveAt500(double dShift) const
{
    return m_ref[kBand500Hz] + dShift;
}

// The single-number value read off the curve at 500 Hz; ASTM E989 turns the
// impact level there into the impact insulation class.
double CRatingCurve::RatingAt(double dShift) const
{
    const double dCurve = CurveAt500(dShift);
    return m_bImpactClass ? kIicBase - dCurve : dCurve;
}

CRatingCurve AirborneRatingCurve()
{
    CRatingCurve curve;
    curve.m_ref = RefAirborneCurve();
    return curve;
}

CRatingCurve ImpactRatingCurve()
{
    CRatingCurve curve;
    curve.m_ref = RefImpactCurve();
    curve.m_dSide = -1.0;
    return curve;
}

CRatingCurve StcRatingCurve()
{
    CRatingCurve curve;
    curve.m_ref = StcContour();
    curve.m_nFirstBand = 21;
    curve.m_nLastBand = 36;
    return curve;
}

CRatingCurve IicRatingCurve()
{
    CRatingCurve curve = ImpactRatingCurve();
    curve.m_bImpactClass = true;
    return curve;
}

namespace {

// The unfavourable deviation of one band as the sum counts it, dB; 0 where
// the band is favourable or within the tolerance.
double CountedDeviation(const CRatingCurve& curve, const CBandArray& meas, int nBand,
                        double dShift)
{
    const double dDeviation = curve.UnfavourableDeviation(meas[nBand], nBand, dShift);
    return dDeviation > kTolerance ? dDeviation : 0.0;
}

// Sum of unfavourable deviations, dB, added in the order SumDeviations adds
// them, without the deviation spectrum: the search tries many positions and
// needs only this.
double DeviationSumAt(const CRatingCurve& curve, const CBandArray& meas, double dShift)
{
    double dSum = 0.0;
    for (int nBand = curve.m_nFirstBand; nBand <= curve.m_nLastBand; ++nBand)
        dSum += CountedDeviation(curve, meas, nBand, dShift);
    return dSum;
}

bool IsWhole(double dValue)
{
    return dValue == std::floor(dValue);
}

// The shift after nSteps steps of dStep from dStart, as the step-by-step
// procedure reaches it by repeated addition, binary error included. Whole-dB
// steps from a whole-dB position add without error, so they are multiplied.
double ShiftAfterSteps(double dStart, double dStep, int nSteps)
{
    if (IsWhole(dStart) && IsWhole(dStep))
        return dStart + nSteps * dStep;
    double dShift = dStart;
    for (int nStep = 0; nStep < nSteps; ++nStep)
        dShift += dStep;
    return dShift;
}

// The steps of a search: from a position on one side of the limit, in steps
// towards the other side. Whether a step count has crossed the limit is
// monotonic in the count, since the deviation sum is monotonic in the shift.
struct CStepSearch {
    const CRatingCurve& m_curve;
    const CBandArray& m_meas;
    double m_dLimit;
    double m_dStep;
    bool m_bStartAbove;

    bool HasCrossed(double dShift) const
    {
        return (DeviationSumAt(m_curve, m_meas, dShift) > m_dLimit) != m_bStartAbove;
    }
};

// A step count with the shift it reaches.
struct CStepCount {
    int m_nSteps = 0;
    double m_dShift = 0.0;
};

// The first step count that crosses the limit, and the one before it: the
// count doubles until it crosses, then the interval is halved. False when
// no count within the step bound crosses.
bool FindFirstCrossing(const CStepSearch& search, CStepCount& notCrossed, CStepCount& crossed)
{
    const auto stepTo = [&](int nSteps) {
        return CStepCount{nSteps, ShiftAfterSteps(notCrossed.m_dShift, search.m_dStep,
                                                  nSteps - notCrossed.m_nSteps)};
    };
    for (int nSteps = 1;; nSteps = std::min(2 * nSteps, kMaxSearchSteps)) {
        const CStepCount tried = stepTo(nSteps);
        if (search.HasCrossed(tried.m_dShift)) {
            crossed = tried;
            break;
        }
        if (nSteps == kMaxSearchSteps)
            return false;
        notCrossed = tried;
    }
    while (crossed.m_nSteps - notCrossed.m_nSteps > 1) {
        const CStepCount tried = stepTo((notCrossed.m_nSteps + crossed.m_nSteps) / 2);
        (search.HasCrossed(tried.m_dShift) ? crossed : notCrossed) = tried;
    }
    return true;
}

}  // namespace

// Sum of unfavourable deviations, dB, at one position of the curve. The
// largest deviation keeps the lowest band on a tie; when no band is
// unfavourable the band of the largest deviation stays as it was.
CDeviationSum SumDeviations(const CRatingCurve& curve, const CBandArray& meas,
                            double dShift, int nMaxDevBandBefore)
{
    CDeviationSum dev;
    dev.m_nMaxDevBand = nMaxDevBandBefore;
    for (int nBand = curve.m_nFirstBand; nBand <= curve.m_nLastBand; ++nBand) {
        const double dDeviation = CountedDeviation(curve, meas, nBand, dShift);
        if (dDeviation == 0.0)
            continue;
        dev.m_dSum += dDeviation;
        dev.m_deviation[nBand] = dDeviation;
        if (dDeviation > dev.m_dMaxDev + kTolerance) {
            dev.m_dMaxDev = dDeviation;
            dev.m_nMaxDevBand = nBand;
        }
    }
    return dev;
}

// The curve moves in steps of dStep until the deviation sum crosses dLimit,
// and ends on the last position whose sum does not exceed it; the position
// is the one the step-by-step procedure of the standards reaches, shift and
// binary error alike, found by bisection over the step count. The band of
// the largest deviation carries over from the position tried before, as it
// does step by step. Returns false when no crossing is found within the
// step bound.
bool SearchDeviationLimit(const CRatingCurve& curve, const CBandArray& meas,
                          double dLimit, double dStep, CCurvePosition& position)
{
    const double dTowardsLess = -curve.m_dSide * dStep;
    const bool bStartAbove = position.m_dev.m_dSum > dLimit;
    const CStepSearch search{curve, meas, dLimit, bStartAbove ? dTowardsLess : -dTowardsLess,
                             bStartAbove};
    CStepCount notCrossed{0, position.m_dShift};
    CStepCount crossed;
    if (!FindFirstCrossing(search, notCrossed, crossed))
        return false;
    // Coming from above the limit the first admitted position ends the
    // search; coming from below, the one a step back from the excess.
    const double dFinal = bStartAbove ? crossed.m_dShift : crossed.m_dShift + dTowardsLess;
    const double dTriedBefore = bStartAbove ? notCrossed.m_dShift : crossed.m_dShift;
    const int nStartBand = position.m_dev.m_nMaxDevBand;
    position.m_dShift = dFinal;
    position.m_dev = SumDeviations(curve, meas, dFinal, nStartBand);
    if (position.m_dev.m_dSum == 0.0)
        position.m_dev.m_nMaxDevBand =
            SumDeviations(curve, meas, dTriedBefore, nStartBand).m_nMaxDevBand;
    return true;
}

// ASTM E413 and E989: no single deficiency may exceed 8 dB, so the curve
// moves on in steps of dStep until the largest one is within it.
bool ApplyEightDecibelRule(const CRatingCurve& curve, const CBandArray& meas,
                           double dStep, CCurvePosition& position)
{
    const double dTowardsLess = -curve.m_dSide * dStep;
    for (int nStep = 0; nStep < kMaxSearchSteps; ++nStep) {
        if (position.m_dev.m_dMaxDev <= kAstmMaxDeficiency + kTolerance)
            return true;
        position.m_dShift += dTowardsLess;
        position.m_dev = SumDeviations(curve, meas, position.m_dShift,
                                       position.m_dev.m_nMaxDevBand);
    }
    return false;
}

// ISO 717-1 and ISO 717-2: the highest (insulation) or lowest (impact)
// position of the reference curve whose sum of unfavourable deviations does
// not exceed the limit (32.049 dB after a reset), found first in 1 dB steps,
// which give the whole-dB rating, then in 0.1 dB steps when the exact rating
// is on. A missing or non-finite band refuses the rating.
CCurveRating RateIso717(const CRatingCurve& curve, const CBandArray& meas,
                        double dDevLimit, bool bExactRating, int nMaxDevBandBefore)
{
    CCurveRating rating;
    rating.m_nMaxDevBand = nMaxDevBandBefore;
    if (!meas.HasBands(curve.m_nFirstBand, curve.m_nLastBand))
        return rating;
    const double dLimit = dDevLimit + kTolerance;
    CCurvePosition position;
    position.m_dev = SumDeviations(curve, meas, 0.0, nMaxDevBandBefore);
    if (!SearchDeviationLimit(curve, meas, dLimit, 1.0, position))
        return rating;
    const double dRatingWhole = RoundValue(curve.CurveAt500(position.m_dShift), 0);
    if (!SearchDeviationLimit(curve, meas, dLimit, bExactRating ? 0.1 : 1.0, position))
        return rating;
    rating = Rated(rating, curve, position, bExactRating);
    rating.m_dRatingWhole = dRatingWhole;
    return rating;
}

// ASTM E413 (STC) and E989 (IIC): one search from the start in 1 dB steps,
// or 0.1 dB steps with the exact rating, against the sum limit of 32 dB,
// then the 8 dB rule. The whole-dB rating is not formed.
CCurveRating RateAstm(const CRatingCurve& curve, const CBandArray& meas,
                      bool bExactRating, int nMaxDevBandBefore)
{
    CCurveRating rating;
    rating.m_nMaxDevBand = nMaxDevBandBefore;
    if (!meas.HasBands(curve.m_nFirstBand, curve.m_nLastBand))
        return rating;
    const double dStep = bExactRating ? 0.1 : 1.0;
    CCurvePosition position;
    position.m_dev = SumDeviations(curve, meas, 0.0, nMaxDevBandBefore);
    if (!SearchDeviationLimit(curve, meas, kAstmDevLimit + kTolerance, dStep, position)
        || !ApplyEightDecibelRule(curve, meas, dStep, position))
        return rating;
    return Rated(rating, curve, position, bExactRating);
}
