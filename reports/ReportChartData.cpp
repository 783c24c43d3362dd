#include "ReportChartData.h"

#include "results/ResultNumbers.h"

#include <cmath>

namespace {

constexpr int kMainResult = 0;
constexpr int kReferenceCurve = 1;
constexpr int kOctaveAbsorption = 9;
constexpr int kBand500Hz = 27;
constexpr double kLevelSpan = 60.0;

bool IsLabImpactReduction(const CReportInfo& i)
{
    return i.m_bLab && i.m_bImpact && (i.m_bReduction || i.m_bReductionLightweight);
}

} // namespace

bool CReportChartData::IsValue(double dValue)
{
    return std::isfinite(dValue) && CResultNumbers::IsPresent(dValue);
}

EReportChart CReportChartData::KindOf(const CReportInfo& i)
{
    if (i.m_bMultiplot)
        return EReportChart::Multiplot;
    if (i.m_bReverberation)
        return EReportChart::Reverberation;
    if (i.m_bASTM)
        return EReportChart::Astm;
    if (i.m_bAbsorption)
        return EReportChart::Absorption;
    if (i.m_bTotalLossFactor)
        return EReportChart::LossFactor;
    if (i.m_bLab && i.m_bImpact && i.m_bReduction)
        return EReportChart::ImpactReduction;
    if (i.m_bLab && i.m_bAirborne && i.m_bImprovement)
        return EReportChart::Improvement;
    if (IsLabImpactReduction(i))
        return EReportChart::ImpactReduction;
    return EReportChart::Standard;
}

int CReportChartData::FirstBandOf(const CReportInfo& i, EReportChart kind)
{
    switch (kind) {
    case EReportChart::Reverberation:
        return i.m_bDIN ? 19 : 18;
    case EReportChart::Absorption:
        return i.m_bAlpha_S ? 20 : 21;
    default:
        return 17;
    }
}

int CReportChartData::PointsOf(const CReportInfo& i, EReportChart kind)
{
    switch (kind) {
    case EReportChart::Multiplot:
        return 0;
    case EReportChart::Reverberation:
        return i.m_bDIN ? 20 : 22;
    case EReportChart::Absorption:
        return i.m_bAlpha_S ? 18 : 6;
    default:
        return 21;
    }
}

bool CReportChartData::HasReferenceCurve(EReportChart kind)
{
    return kind == EReportChart::Standard || kind == EReportChart::Astm;
}

bool CReportChartData::IsDifference(EReportChart kind)
{
    return kind == EReportChart::ImpactReduction || kind == EReportChart::Improvement;
}

void CReportChartData::SetupAxisOf(const CReportInfo& i, EReportChart kind, double& dMax, double& dMin)
{
    dMin = 0.0;
    switch (kind) {
    case EReportChart::ImpactReduction:
    case EReportChart::Improvement:
        dMax = 50.0;
        dMin = -10.0;
        break;
    case EReportChart::Absorption:
        dMax = i.m_bAlpha_S ? 1.2 : 1.0;
        break;
    case EReportChart::LossFactor:
        dMax = 0.2;
        break;
    case EReportChart::Reverberation:
        dMax = i.m_bDIN ? 2.0 : 4.0;
        break;
    default:
        dMax = kLevelSpan;
        break;
    }
}

double CReportChartData::RaiseTop(double dTop, double dStep, double dTarget)
{
    if (!(dTop < dTarget))
        return dTop;
    double dRaised = dTop + std::ceil((dTarget - dTop) / dStep) * dStep;
    if (dRaised < dTarget)
        dRaised += dStep;
    return dRaised;
}

void CReportChartData::Resize(int nSets, int nPoints)
{
    m_aSets.assign(nSets, std::vector<double>(nPoints, kMissing));
    m_dHighest = -200.0;
    m_dLowest = 200.0;
}

void CReportChartData::Take(int nSet, int nPoint, double dValue)
{
    if (!IsValue(dValue))
        return;
    m_aSets[nSet][nPoint] = dValue;
    m_dHighest = std::max(m_dHighest, dValue);
    m_dLowest = std::min(m_dLowest, dValue);
}

void CReportChartData::Fill(const CReportInfo& info, const CCalc& calc, bool bShiftedRefCurve)
{
    const EReportChart kind = KindOf(info);
    const int nPoints = PointsOf(info, kind);
    Resize(HasReferenceCurve(kind) ? 2 : 1, nPoints);
    if (kind == EReportChart::Absorption && !info.m_bAlpha_S) {
        // Octave values 125 Hz to 4 kHz: every third band from 125 Hz.
        if (IsValue(calc.m_dRating)) {
            for (int k = 0; k < nPoints; ++k)
                Take(0, k, calc.m_aSpec[kOctaveAbsorption].GetSpecLine(21 + 3 * k));
        }
        m_dAxisMax = 1.0;
        m_dAxisMin = 0.0;
        return;
    }
    FillResult(calc, FirstBandOf(info, kind), IsValue(calc.m_dRating));
    switch (kind) {
    case EReportChart::Standard:
    case EReportChart::Astm:
        FillReference(info, calc, kind, bShiftedRefCurve);
        ScaleLevels(kind == EReportChart::Standard ? 1.0 : 0.0);
        break;
    case EReportChart::ImpactReduction:
        ScaleDifference(50.0);
        break;
    case EReportChart::Improvement:
        ScaleDifference(60.0);
        break;
    case EReportChart::Absorption:
        ScaleFromZero(1.2, 0.2);
        break;
    case EReportChart::LossFactor:
        ScaleLossFactor();
        break;
    case EReportChart::Reverberation:
        ScaleFromZero(info.m_bDIN ? 2.0 : 4.0, 1.0);
        break;
    case EReportChart::Multiplot:
        break;
    }
}

void CReportChartData::FillResult(const CCalc& calc, int nFirstBand, bool bWithRating)
{
    if (!bWithRating)
        return;
    for (size_t p = 0; p < m_aSets[0].size(); ++p)
        Take(0, static_cast<int>(p), calc.m_aSpec[kMainResult].GetSpecLine(nFirstBand + static_cast<int>(p)));
}

// The reference curve moved onto the rating at 500 Hz; an ASTM impact
// rating counts down from 110.
void CReportChartData::FillReference(const CReportInfo& info, const CCalc& calc, EReportChart kind, bool bShiftedRefCurve)
{
    const NSpectrum& reference = calc.m_aSpec[kReferenceCurve];
    const double dAt500Hz = reference.GetSpecLine(kBand500Hz);
    double dOffset = 0.0;
    if (bShiftedRefCurve && IsValue(calc.m_dRating) && IsValue(dAt500Hz)) {
        const bool bImpactAstm = kind == EReportChart::Astm && info.m_bImpact;
        dOffset = (bImpactAstm ? 110.0 - calc.m_dRating : calc.m_dRating) - dAt500Hz;
    }
    for (size_t p = 0; p < m_aSets[1].size(); ++p) {
        const double dValue = reference.GetSpecLine(17 + static_cast<int>(p));
        if (IsValue(dValue))
            Take(1, static_cast<int>(p), dValue + dOffset);
    }
}

// 60 dB high, raised by tens until the highest point (plus the margin) fits.
void CReportChartData::ScaleLevels(double dMargin)
{
    m_dAxisMax = RaiseTop(kLevelSpan, 10.0, m_dHighest + dMargin);
    m_dAxisMin = m_dAxisMax - kLevelSpan;
}

// 60 dB high, first lowered by tens until the lowest point lies 1 dB above
// the bottom, then raised until the highest lies 1 dB below the top; a
// tick every tenth of the top (or of the span when the axis starts above 0).
void CReportChartData::ScaleDifference(double dStartTop)
{
    double dTop = dStartTop;
    const double dFloor = m_dLowest - 1.0;
    if (dTop - kLevelSpan > dFloor) {
        dTop -= std::ceil((dTop - kLevelSpan - dFloor) / 10.0) * 10.0;
        if (dTop - kLevelSpan > dFloor)
            dTop -= 10.0;
    }
    m_dAxisMax = RaiseTop(dTop, 10.0, m_dHighest + 1.0);
    m_dAxisMin = m_dAxisMax - kLevelSpan;
    m_nAxisTicks = static_cast<int>(std::trunc((m_dAxisMin < 0 ? m_dAxisMax : m_dAxisMax - m_dAxisMin) * 0.1));
}

// The axis starts at 0 and keeps its span as it rises.
void CReportChartData::ScaleFromZero(double dSpan, double dStep)
{
    m_dAxisMax = RaiseTop(dSpan, dStep, m_dHighest);
    m_dAxisMin = m_dAxisMax - dSpan;
}

// Twenty steps of a twentieth of the curve's span, rounded up to 0.01.
void CReportChartData::ScaleLossFactor()
{
    double dStep = std::trunc((m_dHighest - m_dLowest) * 0.05 * 100.0 + 1.0) * 0.01;
    if (dStep < 0.01 || dStep > 10.0)
        dStep = 0.01;
    ScaleFromZero(20.0 * dStep, dStep);
}
