// Classes in this file: CCalc, its laboratory methods for floor coverings:
// the impact sound improvement on the heavyweight and on a lightweight
// reference floor, and the corrected normalised impact level of four tables.

#include "Calc.h"
#include "TableIds.h"

#include "BandMethod.h"
#include "CalcDocument.h"
#include "ReferenceCurves.h"
#include "SpectrumBands.h"

#include <cmath>
#include <initializer_list>

namespace {

const int kBand4000Hz = 36;
const int kBand5000Hz = 37;
const double kCorrectedCurveTop = 72.0;   // dB, the reference floor at 4000 and 5000 Hz
const double kLevelTolerance = 0.00001;   // dB

// Spectrum 1 := the reference floor curve; spectrum 19 := the reference
// floor with the covering, the curve less the improvement of spectrum 0.
void PlaceReferenceFloor(CCalc& calc, const CBandArray& curve)
{
    calc.m_aSpec[1] = NSpectrum();
    InsertPresentBands(calc.m_aSpec[1], curve);
    calc.m_aSpec[19] = calc.m_aSpec[1] || calc.m_aSpec[0];
}

// Corrected impact level of one band, dB: La, Lb the levels of tables 122
// and 123, m the mean of the levels of tables 128 and 129, r the reference
// floor. Where Lb exceeds La the arithmetic mean of the two stands for the
// floor; otherwise Lb is replaced energetically by r + Lb - m. Missing when
// one of the five is missing.
double CorrectedImpactLevel(double dLevelA, double dLevelB, double dLevelC, double dLevelD,
                            double dReference)
{
    for (double dInput : {dLevelA, dLevelB, dLevelC, dLevelD, dReference})
        if (IsMissingValue(dInput))
            return kMissingValue;
    const double dMean = (dLevelC + dLevelD) / 2.0;
    if (dLevelA + kLevelTolerance < dLevelB)
        return (dLevelA + dLevelB) / 2.0 + dReference - dMean;
    const double dEnergy = std::pow(10.0, dLevelA / 10.0) - std::pow(10.0, dLevelB / 10.0)
                           + std::pow(10.0, (dReference + dLevelB - dMean) / 10.0);
    return 10.0 * std::log10(dEnergy);
}

// Whether a record of tables 123, 122, 129 or 128 carries the mark 2 in the
// band.
bool IsBandMarkedInInputs(CCalcDocument* pDoc, int nBand)
{
    if (pDoc == nullptr)
        return false;
    for (int nTable : {kTableReceiving, kTableSource, kTableCornerReceiving, kTableCornerSource}) {
        CList<NBuildData, NBuildData&>* pList = pDoc->GetMeasurementList(nTable);
        for (POSITION pos = pList ? pList->GetHeadPosition() : nullptr; pos != nullptr;) {
            if (pList->GetNext(pos).m_Spectrum.GetMeasStatus(nBand) == NSpectrum::kBandMarked)
                return true;
        }
    }
    return false;
}

}  // namespace

// Impact sound improvement dL = L(without) - L(with), dB, over every band of
// tables 131 and 130, applied to the heavyweight reference floor. Spectrum 18
// keeps the level with the covering for the rating.
int CCalc::CalcImpactReductionRefHeavy()
{
    m_aSpec[18] = SummaryLevel(kTableWithCovering);
    m_aSpec[0] = SummaryLevel(kTableWithoutCovering) || m_aSpec[18];
    PlaceReferenceFloor(*this, RefFloorHeavy());
    return kCalcDone;
}

// Impact sound improvement dL, dB, over the band range, applied to the
// lightweight reference floor that the descriptor names; 2 for a floor number
// other than 1 to 3.
int CCalc::CalcImpactReductionRefLight()
{
    const int nFloor = LightFloorNumber();
    if (nFloor == 0)
        return ResetWith(*this, kCalcAreaMissing);
    const CBandArray without = BandsOf(SummaryLevel(kTableWithoutCovering));
    const CBandArray with = BandsOf(SummaryLevel(kTableWithCovering));
    const CCalcSettings settings = GetSettings();
    m_aSpec[0] = NSpectrum();
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        const bool bBoth = !IsMissingValue(without[nBand]) && !IsMissingValue(with[nBand]);
        m_aSpec[0].InsertData(nBand, bBoth ? without[nBand] - with[nBand] : kMissingValue);
    }
    PlaceReferenceFloor(*this, RefFloorLight(nFloor));
    return kCalcDone;
}

// Corrected normalised impact level per band of the band range, 0.1 dB,
// against the heavyweight reference floor continued at 72 dB to 5000 Hz.
// Spectrum 4 marks the bands in which a record of the four tables carries
// the mark 2.
int CCalc::CalcCorrectedImpactLevel()
{
    CBandArray reference = RefFloorHeavy();
    reference[kBand4000Hz] = kCorrectedCurveTop;
    reference[kBand5000Hz] = kCorrectedCurveTop;
    const CBandArray levelA = BandsOf(SummaryLevel(kTableSource));
    const CBandArray levelB = BandsOf(SummaryLevel(kTableReceiving));
    const CBandArray levelC = BandsOf(SummaryLevel(kTableCornerSource));
    const CBandArray levelD = BandsOf(SummaryLevel(kTableCornerReceiving));
    const CCalcSettings settings = GetSettings();
    m_aSpec[0] = NSpectrum();
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand) {
        const double dLevel = CorrectedImpactLevel(levelA[nBand], levelB[nBand], levelC[nBand],
                                                   levelD[nBand], reference[nBand]);
        m_aSpec[0].InsertData(nBand, RoundValue(dLevel, 1));
    }
    for (int nBand = settings.FirstBand(); nBand <= settings.LastBand(); ++nBand)
        if (IsBandMarkedInInputs(m_pDoc, nBand))
            m_aSpec[4].InsertSpecLine(nBand, 0.0, 1, NSpectrum::kBandMarked);
    return kCalcDone;
}
