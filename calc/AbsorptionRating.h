#pragma once
// Classes in this file: CAbsorptionRating, the weighted sound absorption
// coefficient by ISO 11654 with its shape indicators.

#include "BandArray.h"
#include "CalcStatus.h"

#include <string>

struct CAbsorptionRating {
    int m_nStatus = kCalcBandMissing;
    double m_dRating = kMissingValue;   // alpha_w, unrounded
    double m_dDevSum = kMissingValue;   // rounded to 0.01
    CBandArray m_deviation;             // signed deviation at the octave bands
    std::string m_sShape;               // "(L)", "(MH)", ... or empty
};

double SumAbsorptionDeviations(const CBandArray& alphaP, const CBandArray& ref,
                               double dShift, CBandArray& deviation);
std::string ShapeIndicators(const CBandArray& deviation);
CAbsorptionRating RateAbsorptionCurve(const CBandArray& alphaS, const CBandArray& alphaP);
