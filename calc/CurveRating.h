#pragma once
// Classes in this file: CRatingCurve (a reference curve and how it is laid
// against a spectrum), CDeviationSum (the unfavourable deviations at one
// position of the curve), CCurvePosition (a position reached by the search)
// and CCurveRating (the outcome of a rating by ISO 717 or ASTM E413/E989).

#include "BandArray.h"
#include "CalcStatus.h"

struct CRatingCurve {
    CBandArray m_ref;
    int m_nFirstBand = 20;
    int m_nLastBand = 35;
    double m_dSide = 1.0;          // +1 insulation, -1 impact level
    bool m_bImpactClass = false;   // ASTM E989: the class is 110 minus the curve

    double UnfavourableDeviation(double dMeas, int nBand, double dShift) const;
    double CurveAt500(double dShift) const;
    double RatingAt(double dShift) const;
};

CRatingCurve AirborneRatingCurve();
CRatingCurve ImpactRatingCurve();
CRatingCurve StcRatingCurve();
CRatingCurve IicRatingCurve();

struct CDeviationSum {
    double m_dSum = 0.0;
    double m_dMaxDev = 0.0;
    int m_nMaxDevBand = 20;
    CBandArray m_deviation;   // unfavourable deviation, missing where favourable
};

CDeviationSum SumDeviations(const CRatingCurve& curve, const CBandArray& meas,
                            double dShift, int nMaxDevBandBefore);

struct CCurvePosition {
    double m_dShift = 0.0;
    CDeviationSum m_dev;
};

bool SearchDeviationLimit(const CRatingCurve& curve, const CBandArray& meas,
                          double dLimit, double dStep, CCurvePosition& position);
bool ApplyEightDecibelRule(const CRatingCurve& curve, const CBandArray& meas,
                           double dStep, CCurvePosition& position);

struct CCurveRating {
    int m_nStatus = kCalcBandMissing;
    double m_dRating = kMissingValue;
    double m_dRatingWhole = kMissingValue;
    double m_dDevSum = kMissingValue;
    double m_dMaxDev = kMissingValue;
    int m_nMaxDevBand = 20;
    CBandArray m_deviation;   // rounded to 0.1 dB in the rated bands
};

CCurveRating RateIso717(const CRatingCurve& curve, const CBandArray& meas,
                        double dDevLimit, bool bExactRating, int nMaxDevBandBefore);
CCurveRating RateAstm(const CRatingCurve& curve, const CBandArray& meas,
                      bool bExactRating, int nMaxDevBandBefore);
