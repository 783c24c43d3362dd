#pragma once
// Classes in this file: CBandCorrection (the correction of one band with its
// status mark), CCorrectionRule (the bounds and limit value of a
// background-noise rule) and CAirborneNoiseRules (the three rules of one
// airborne-noise variant), with the per-band rules.

#include "BandArray.h"

constexpr int kStatusLimited = 2;     // difference too small: the limit value stands
constexpr int kStatusCorrected = 16;  // correction computed from the two levels

struct CBandCorrection {
    double m_dValue = kMissingValue;
    int m_nStatus = 0;   // 0: no mark
};

struct CCorrectionRule {
    double m_dLimitUpTo = 6.00001;      // difference at or below: limit value
    double m_dComputeBelow = 9.99999;   // difference below: computed correction
    bool m_bComputeAtBound = false;     // the upper bound itself is computed too
    double m_dLimitValue = -1.3;
    bool m_bRoundLevel = true;          // round the corrected level to 0.1 dB

    bool Computes(double dDiff) const;
    static CCorrectionRule FromBounds(double dLow, double dHigh, double dLimitValue,
                                      bool bRoundLevel);
};

// The rules of an airborne-noise variant: the background rule of the
// receiving level (spectrum 4), the rule of the airborne receiving level
// (spectrum 6) and the rule of the impact level (spectrum 7).
struct CAirborneNoiseRules {
    CCorrectionRule m_background;
    CCorrectionRule m_airborneReceiving;
    CCorrectionRule m_impact;
};

CBandCorrection BackgroundBandCorrection(double dLevel, double dNoise,
                                         const CCorrectionRule& rule);
CBandCorrection AirborneNoiseBandCorrection(double dImpactLevel, double dSourceNoise,
                                            double dAirborneSource, double dAirborneReceive,
                                            const CCorrectionRule& rule);
CBandCorrection FlankingBandCorrection(double dReduction, double dFlankingReduction,
                                       double dUpperBound);
