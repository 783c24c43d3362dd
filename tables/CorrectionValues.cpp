#include "CorrectionValues.h"

#include "MeasValue.h"

namespace {

// Result spectra of the calculation: the main result, the background
// corrections of the receiving levels, the flanking correction, the
// airborne contribution and a set's own levels.
constexpr int kSpecResult = 0;
constexpr int kSpecBgnCorrection = 4;
constexpr int kSpecFlankingCorrection = 5;
constexpr int kSpecSecondBgnCorrection = 6;
constexpr int kSpecAirborneCorrection = 7;
constexpr int kSpecSetCornerReceiving = 13;
constexpr int kSpecSetSource = 18;
constexpr int kSpecSetReceiving = 19;
// Band status bits of a correction: marked (the background is too high),
// manual (a correction was applied).
constexpr BYTE kMarked = 2;
constexpr BYTE kApplied = 16;

double Sum(double dA, double dB)
{
    return CCorrectionValues::IsValid(dA) && CCorrectionValues::IsValid(dB) ? dA + dB : kMissingValue;
}

double Difference(double dA, double dB)
{
    return CCorrectionValues::IsValid(dA) && CCorrectionValues::IsValid(dB) ? dA - dB : kMissingValue;
}

} // namespace

CCorrectionValues::CCorrectionValues(const CCorrectionTableKind& kind, CProjectDoc& project, const CCalc& calc,
                                     bool bSet)
    : m_kind(kind), m_project(project), m_calc(calc), m_bSet(bSet)
{
}

CCorrectionValues::CRow CCorrectionValues::RowOf(int nBand) const
{
    if (m_kind.IsFlanking())
        return FlankingRow(nBand);
    return m_kind.IsImpactAirborne() ? ImpactAirborneRow(nBand) : BgnRow(nBand);
}

double CCorrectionValues::Summary(int nTableId, int nBand) const
{
    const CMeasurementList* pList = m_project.GetMeasurementList(nTableId);
    return pList != nullptr && !pList->IsEmpty() ? pList->GetHead().m_Spectrum.GetSpecLine(nBand) : kMissingValue;
}

double CCorrectionValues::Spec(int nSpectrum, int nBand) const
{
    return m_calc.m_aSpec[nSpectrum].GetSpecLine(nBand);
}

bool CCorrectionValues::HasStatus(int nSpectrum, int nBand, BYTE nStatus) const
{
    return IsValid(Spec(nSpectrum, nBand)) && (m_calc.m_aSpec[nSpectrum].GetMeasStatus(nBand) & nStatus) != 0;
}

// L2 (corrected), L2sb (signal and background), Lb and the correction; the
// corner variant of view 106 reads the corner tables.
CCorrectionValues::CRow CCorrectionValues::BgnRow(int nBand) const
{
    const bool bCorner = m_kind.HasOwnBandRange();
    const int nCorrection = bCorner ? kSpecSecondBgnCorrection : kSpecBgnCorrection;
    const double dSignal = m_bSet ? Spec(bCorner ? kSpecSetCornerReceiving : kSpecSetReceiving, nBand)
                                  : Summary(bCorner ? 129 : 123, nBand);
    const double dCorrection = Spec(nCorrection, nBand);
    CRow row;
    row.m_aValues = {Sum(dSignal, dCorrection), dSignal, Summary(bCorner ? 132 : 125, nBand), dCorrection};
    if (HasStatus(nCorrection, nBand, kMarked))
        row.m_remark = kBgnTooHigh;
    else if (HasStatus(nCorrection, nBand, kApplied))
        row.m_remark = kBgnCorrection;
    return row;
}

CCorrectionValues::CRow CCorrectionValues::ImpactAirborneRow(int nBand) const
{
    const double dReceiving = Summary(129, nBand);
    const double dSecondCorrection = Spec(kSpecSecondBgnCorrection, nBand);
    const double dCorrection = Spec(kSpecBgnCorrection, nBand);
    const double dAirborne = Spec(kSpecAirborneCorrection, nBand);
    const double dDifference = IsValid(dSecondCorrection) ? Difference(Summary(128, nBand), Sum(dSecondCorrection, dReceiving))
                                                          : Difference(Summary(128, nBand), dReceiving);
    const double dImpact = m_bSet ? Spec(kSpecSetReceiving, nBand) : Summary(123, nBand);
    const double dImpactCorrected = Sum(dImpact, dCorrection);
    const double dSource = m_bSet ? Spec(kSpecSetSource, nBand) : Summary(122, nBand);
    CRow row;
    row.m_aValues = {Summary(125, nBand), dReceiving, Sum(dReceiving, dSecondCorrection), dDifference,
                     dImpact, dImpactCorrected, dSource};
    if (m_kind.IsFrom2014()) {
        row.m_aValues.push_back(Difference(dImpactCorrected, Difference(dSource, dDifference)));
    } else {
        row.m_aValues.push_back(IsValid(dCorrection) ? Sum(dImpactCorrected, dAirborne) : Sum(dImpact, dAirborne));
        row.m_aValues.push_back(dAirborne);
    }
    row.m_remark = ImpactAirborneRemark(nBand);
    return row;
}

CCorrectionValues::Remark CCorrectionValues::ImpactAirborneRemark(int nBand) const
{
    if (HasStatus(kSpecBgnCorrection, nBand, kMarked) || HasStatus(kSpecSecondBgnCorrection, nBand, kMarked) ||
        HasStatus(kSpecAirborneCorrection, nBand, kMarked))
        return kBgnTooHigh;
    if (HasStatus(kSpecBgnCorrection, nBand, kApplied) || HasStatus(kSpecSecondBgnCorrection, nBand, kApplied))
        return kBgnCorrection;
    if (!HasStatus(kSpecAirborneCorrection, nBand, kApplied))
        return kNoRemark;
    if (!m_kind.IsLab())
        return kBgnCorrection;
    return m_kind.IsZezur() ? kAirborneDin : kAirborneIso;
}

// The corrected value, the value measured with the specimen, the value
// measured with the special construction and the correction.
CCorrectionValues::CRow CCorrectionValues::FlankingRow(int nBand) const
{
    const double dResult = Spec(kSpecResult, nBand);
    const double dCorrection = Spec(kSpecFlankingCorrection, nBand);
    const double dConstruction = Summary(130, nBand);
    CRow row;
    row.m_aValues = {IsValid(dConstruction) && IsValid(dResult) ? dResult : kMissingValue,
                     IsValid(dCorrection) ? Difference(dResult, dCorrection) : dResult, dConstruction, dCorrection};
    if (HasStatus(kSpecFlankingCorrection, nBand, kMarked))
        row.m_remark = kMinimumValues;
    else if (HasStatus(kSpecFlankingCorrection, nBand, kApplied))
        row.m_remark = kFlankingCorrection;
    return row;
}
