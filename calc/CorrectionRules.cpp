// Classes in this file: CBandCorrection, CCorrectionRule: the per-band rules
// that correct a measured level for a second, spoiling sound (background
// noise, the airborne noise of a tapping machine) and a laboratory result for
// the flanking transmission of the test facility.

#include "CorrectionRules.h"

#include "Rounding.h"

#include <cmath>

namespace {

const double kTolerance = 0.00001;
const double kFlankingLimitBelow = 5.99999;   // R within 6 dB of the facility's flanking limit
const double kFlankingLimitValue = 1.3;
const double kNoCorrection = 0.0;

// energetic difference of two levels: 10 lg(10^(L/10) - 10^(B/10)), dB;
// missing when L does not exceed B
double EnergeticDifference(double dLevel, double dNoise)
{
    const double dPower = std::pow(10.0, dLevel / 10.0) - std::pow(10.0, dNoise / 10.0);
    return dPower > 0.0 ? 10.0 * std::log10(dPower) : kMissingValue;
}

CBandCorrection Marked(double dValue, int nStatus)
{
    CBandCorrection correction;
    correction.m_dValue = dValue;
    correction.m_nStatus = nStatus;
    return correction;
}

}  // namespace

// A rule given by its bounds in dB: "at most dLow" and "below dHigh", each
// with the tolerance of 0.00001.
CCorrectionRule CCorrectionRule::FromBounds(double dLow, double dHigh, double dLimitValue,
                                            bool bRoundLevel)
{
    CCorrectionRule rule;
    rule.m_dLimitUpTo = dLow + kTolerance;
    rule.m_dComputeBelow = dHigh - kTolerance;
    rule.m_dLimitValue = dLimitValue;
    rule.m_bRoundLevel = bRoundLevel;
    return rule;
}

bool CCorrectionRule::Computes(double dDiff) const
{
    return dDiff < m_dComputeBelow || (m_bComputeAtBound && dDiff <= m_dComputeBelow);
}

// Background-noise correction of a level L spoilt by noise B, d = L - B:
// d at most the lower bound: the limit value with status 2; d below the upper
// bound: Lc - L with Lc = 10 lg(10^(L/10) - 10^(B/10)), status 16; else 0.0.
// A difference too small for the formula (a rule with a lower bound below
// 0 dB) takes the limit value as well.
CBandCorrection BackgroundBandCorrection(double dLevel, double dNoise,
                                         const CCorrectionRule& rule)
{
    if (IsMissingValue(dLevel) || IsMissingValue(dNoise))
        return CBandCorrection();
    const double dDiff = dLevel - dNoise;
    if (dDiff <= rule.m_dLimitUpTo)
        return Marked(rule.m_dLimitValue, kStatusLimited);
    if (!rule.Computes(dDiff))
        return Marked(kNoCorrection, 0);
    const double dCorrected = EnergeticDifference(dLevel, dNoise);
    if (IsMissingValue(dCorrected))
        return Marked(rule.m_dLimitValue, kStatusLimited);
    const double dLevelUsed = rule.m_bRoundLevel ? RoundValue(dCorrected, 1) : dCorrected;
    return Marked(dLevelUsed - dLevel, kStatusCorrected);
}

// Correction of an impact level LE for the airborne noise of the tapping
// machine: its airborne part in the receiving room is LHW - (L1a - L2a), the
// source-room noise less the airborne level difference between the rooms.
// A computed correction that rounds to 0.0 carries no mark.
CBandCorrection AirborneNoiseBandCorrection(double dImpactLevel, double dSourceNoise,
                                            double dAirborneSource, double dAirborneReceive,
                                            const CCorrectionRule& rule)
{
    if (IsMissingValue(dSourceNoise) || IsMissingValue(dAirborneSource) || IsMissingValue(dAirborneReceive))
        return CBandCorrection();
    const double dAirbornePart = dSourceNoise - dAirborneSource + dAirborneReceive;
    CBandCorrection correction = BackgroundBandCorrection(dImpactLevel, dAirbornePart, rule);
    if (correction.m_nStatus == kStatusCorrected && correction.m_dValue >= -kTolerance)
        correction.m_nStatus = 0;
    return correction;
}

// Flanking-transmission correction of a laboratory sound reduction index R
// against the facility's flanking limit Rf, d = Rf - R: below 6 dB +1.3 dB with
// status 2; below the upper bound (10 or 15 dB) the corrected index
// -10 lg(10^(-R/10) - 10^(-Rf/10)) less R, status 16; else 0.0.
CBandCorrection FlankingBandCorrection(double dReduction, double dFlankingReduction,
                                       double dUpperBound)
{
    if (IsMissingValue(dReduction) || IsMissingValue(dFlankingReduction))
        return CBandCorrection();
    const double dDiff = dFlankingReduction - dReduction;
    if (dDiff < kFlankingLimitBelow)
        return Marked(kFlankingLimitValue, kStatusLimited);
    if (dDiff >= dUpperBound - kTolerance)
        return Marked(kNoCorrection, 0);
    const double dCorrected = -EnergeticDifference(-dReduction, -dFlankingReduction);
    return Marked(RoundValue(dCorrected, 1) - dReduction, kStatusCorrected);
}
