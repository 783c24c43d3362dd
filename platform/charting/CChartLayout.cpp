#include "CChartLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Shares of the chart's size around the plot: the value axis's numbers and
// title on the left, the band labels and the frequency title below, the
// legend above.
constexpr double kLeftShare = 0.15;
constexpr double kRightShare = 0.04;
constexpr double kBottomShare = 0.15;
constexpr double kTopShare = 0.12;
constexpr int kAxisAtZero = 2;
constexpr int kMostGridIntervals = 10;
constexpr int kMostGridLines = 1000;

}

CChartLayout::CChartLayout(const CChartStore& store, int nWidth, int nHeight)
    : m_nWidth(std::max(nWidth, 1)), m_nHeight(std::max(nHeight, 1)),
      m_nPoints(std::max(store.GetInt(ChartPropertyId::NumPoints), 1)),
      m_dMax(store.GetNumber(ChartPropertyId::YAxisMax, 0, 0)),
      m_dMin(store.GetNumber(ChartPropertyId::YAxisMin, 0, 0)),
      m_bAxisAtZero(store.GetInt(ChartPropertyId::XAxisPos) == kAxisAtZero),
      m_nTicks(store.GetInt(ChartPropertyId::YAxisTicks, 0, 0))
{
    // An axis without a span (or a reversed one) would divide by zero.
    if (!std::isfinite(m_dMax) || !std::isfinite(m_dMin) || m_dMax <= m_dMin) {
        m_dMin = std::isfinite(m_dMin) ? m_dMin : 0.0;
        m_dMax = m_dMin + 1.0;
    }
    m_dLeft = m_nWidth * kLeftShare;
    m_dBottom = m_nHeight * kBottomShare;
    m_dWidth = m_nWidth * (1.0 - kLeftShare - kRightShare);
    m_dHeight = m_nHeight * (1.0 - kBottomShare - kTopShare);
}

double CChartLayout::Info(int nElement) const
{
    switch (nElement) {
    case 0: return m_nPoints;
    case 2: return m_dMax;
    case 3: return m_dMin;
    case 4: return m_dWidth;
    case 5: return m_dHeight;
    case 6: return m_dLeft;
    case 7: return AxisY();
    default: return 0.0;
    }
}

double CChartLayout::PointX(int nPoint) const
{
    return m_dLeft + (nPoint + 0.5) * m_dWidth / m_nPoints;
}

double CChartLayout::ValueY(double dValue) const
{
    return m_dBottom + (dValue - m_dMin) * m_dHeight / (m_dMax - m_dMin);
}

bool CChartLayout::CrossesAtZero() const
{
    return m_bAxisAtZero && m_dMin < 0.0 && m_dMax >= 0.0;
}

double CChartLayout::AxisY() const
{
    return CrossesAtZero() ? ValueY(0.0) : m_dBottom;
}

// With YAxisTicks the span from the axis's base (0 when the x axis crosses
// there) to the top is cut into that many steps; otherwise the smallest of
// 1, 2, 5 times a power of ten that cuts the span into at most ten.
double CChartLayout::GridStep() const
{
    const double dBase = CrossesAtZero() ? 0.0 : m_dMin;
    if (m_nTicks > 0 && m_dMax > dBase)
        return (m_dMax - dBase) / m_nTicks;
    const double dSpan = m_dMax - m_dMin;
    double dPower = std::pow(10.0, std::floor(std::log10(dSpan / kMostGridIntervals)));
    for (;; dPower *= 10.0)
        for (double dFactor : {1.0, 2.0, 5.0})
            if (dSpan / (dFactor * dPower) <= kMostGridIntervals + 1e-9)
                return dFactor * dPower;
}

std::vector<double> CChartLayout::GridValues() const
{
    const double dStep = GridStep();
    const double dBase = CrossesAtZero() ? 0.0 : m_dMin;
    const double dEpsilon = dStep * 1e-6;
    std::vector<double> aValues;
    double dFirst = dBase - std::floor((dBase - m_dMin + dEpsilon) / dStep) * dStep;
    for (int i = 0; i < kMostGridLines; ++i) {
        const double dValue = dFirst + i * dStep;
        if (dValue > m_dMax + dEpsilon)
            break;
        aValues.push_back(dValue);
    }
    return aValues;
}
