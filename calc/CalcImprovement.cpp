// Classes in this file: CCalc, its impact improvement ratings: the weighted
// reduction of impact sound by a floor covering on the heavyweight reference
// floor and on the three lightweight reference floors of ISO 717-2, with
// their CI delta, and the builders of the reference floor and basic-wall
// curves.

#include "Calc.h"
#include "TableIds.h"

#include "AdaptationTerms.h"
#include "ReferenceCurves.h"
#include "SpectrumBands.h"

#include "model/ReportInfo.h"

#include <cstdlib>

namespace {

// Weighted level and CI term of the reference floors, dB.
const double kHeavyFloorRating = 78.0;
const double kHeavyFloorTerm = -11.0;
const double kLightFloorRating = 72.0;
const double kLightFloorTerm = 0.0;
const double kLightFloor3Rating = 75.0;
const double kLightFloor3Term = -3.0;
const int kLightFloor3 = 3;

const int kBand100Hz = 20;
const int kBand2500Hz = 34;

}  // namespace

int CCalc::RateImpactReductionHeavy()
{
    return RateImpactReduction(m_aSpec[18], kHeavyFloorRating);
}

int CCalc::RateImpactReductionLight()
{
    const int nFloor = LightFloorNumber();
    if (nFloor == 0) {
        Reset();
        return kCalcAreaMissing;
    }
    return RateImpactReduction(SummaryLevel(kTableWithCovering),
                               nFloor == kLightFloor3 ? kLightFloor3Rating : kLightFloorRating);
}

int CCalc::CalcCIDeltaHeavy()
{
    return CalcCIDelta(kHeavyFloorTerm);
}

int CCalc::CalcCIDeltaLight()
{
    const int nFloor = LightFloorNumber();
    if (nFloor == 0) {
        Reset();
        return kCalcAreaMissing;
    }
    return CalcCIDelta(nFloor == kLightFloor3 ? kLightFloor3Term : kLightFloorTerm);
}

void CCalc::BuildRefFloorHeavy(NSpectrum& spec)
{
    InsertPresentBands(spec, RefFloorHeavy());
}

void CCalc::BuildRefFloorLight(NSpectrum& spec, int nFloorNumber)
{
    InsertPresentBands(spec, RefFloorLight(nFloorNumber));
}

void CCalc::BuildBasicWallCurve1(NSpectrum& spec)
{
    InsertPresentBands(spec, BasicWallCurve1());
}

void CCalc::BuildBasicWallCurve2(NSpectrum& spec)
{
    InsertPresentBands(spec, BasicWallCurve2());
}

void CCalc::BuildBasicWallCurve3(NSpectrum& spec)
{
    InsertPresentBands(spec, BasicWallCurve3());
}

// The weighted improvement: the reference floor's rating less the rating of
// the reference floor with the covering (spectrum 19). The floor without and
// with the covering are rated too. Spectrum 0 is restored in every case.
int CCalc::RateImpactReduction(NSpectrum covered, double dRefFloorRating)
{
    const NSpectrum result = m_aSpec[0];
    m_dRatingBare = m_dRatingCovered = m_dRatingRefCovered = m_dRating = kMissingValue;
    int nStatus = RateImpactOf(SummaryLevel(kTableWithoutCovering), m_dRatingBare);
    if (nStatus == kCalcDone)
        nStatus = RateImpactOf(covered, m_dRatingCovered);
    if (nStatus == kCalcDone)
        nStatus = RateImpactOf(m_aSpec[19], m_dRatingRefCovered);
    if (nStatus == kCalcDone)
        m_dRating = dRefFloorRating - m_dRatingRefCovered;
    m_aSpec[0] = result;
    return nStatus;
}

int CCalc::RateImpactOf(NSpectrum level, double& dRating)
{
    m_aSpec[0] = level;
    const int nStatus = RateImpact();
    if (nStatus != kCalcDone)
        return nStatus;
    dRating = m_dRating;
    m_dRating = kMissingValue;
    return kCalcDone;
}

// CI of the reference floor with the covering (spectrum 19, 100 to 2500 Hz)
// and the CI delta against the reference floor's own term. Both stay missing
// when the rating of the covered reference floor is missing.
int CCalc::CalcCIDelta(double dRefFloorTerm)
{
    const CBandArray level = BandsOf(m_aSpec[19]);
    if (!level.HasBands(kBand100Hz, kBand2500Hz)) {
        m_dCIAux = kMissingValue;
        return kCalcBandMissing;
    }
    m_dCIAux = ImpactTerm(level, kBand100Hz, kBand2500Hz, m_dRatingRefCovered);
    m_dCIDelta = IsMissingValue(m_dCIAux) ? kMissingValue : dRefFloorTerm - m_dCIAux;
    return kCalcDone;
}

// The lightweight reference floor 1 to 3 that the descriptor's fifth page
// text names by its leading number; 0 for an empty, non-numeric or other
// number.
int CCalc::LightFloorNumber() const
{
    const CReportInfo* pInfo = GetProjectReportInfo();
    if (pInfo == nullptr)
        return 0;
    const long nFloor = std::strtol(pInfo->m_sPageText5, nullptr, 10);
    return nFloor >= 1 && nFloor <= kLightFloor3 ? static_cast<int>(nFloor) : 0;
}
