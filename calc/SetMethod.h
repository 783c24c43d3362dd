#pragma once
// Classes in this file: CSetMethod, what distinguishes one method over
// measurement sets from another: airborne or impact, the background bounds,
// the area kept in the result, the flanking correction, and the term per band.

#include "MeasValue.h"

#include <functional>

class CCalc;

struct CSetMethod {
    bool m_bImpact = false;                  // L2 alone, rated by ISO 717-2; else L1 - L2
    double m_dBackgroundHigh = 10.0;         // dB: field 10, laboratory 15
    double m_dArea = kMissingValue;          // area used, kept in m_dArea after each reset
    bool m_bFlanking = false;                // laboratory flanking correction of each set
    std::function<double(int nBand, double dReverb)> m_term;       // added to the level, dB
    std::function<double(int nBand, double dReverb)> m_shownTerm;  // spectrum 2, dB

    int Run(CCalc& calc) const;
};

CSetMethod ReductionSets(double dArea, double dVolume, double dFixedTerm);
CSetMethod NormalisedDifferenceSets(double dAbsorptionFactor, double dVolume);
