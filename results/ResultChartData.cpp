#include "ResultChartData.h"

#include "ResultNumbers.h"

#include <algorithm>
#include <cmath>

void CResultChartData::Clear()
{
    for (auto& set : m_aData)
        set.fill(kMissing);
}

// A present value is drawn and may raise the axis; a missing or not finite
// one is left out.
void CResultChartData::Take(int nSet, int nPoint, double dValue)
{
    if (!std::isfinite(dValue) || !CResultNumbers::IsPresent(dValue))
        return;
    m_aData[nSet][nPoint] = dValue;
    m_dHighest = std::max(m_dHighest, dValue);
}

void CResultChartData::FillLevels(const CReportInfo& info, const CCalc& calc, const NSpectrum& l1,
                                  const NSpectrum& l2, const NSpectrum& bg, bool bBgnCorrection)
{
    Clear();
    m_dHighest = 10.0;
    for (int p = 0; p < kPoints; ++p) {
        const int b = kFirstBand + p;
        if (!info.m_bImpact && !info.m_bImpactAirborne)
            Take(0, p, l1.GetSpecLine(b));
        const double dL2 = l2.GetSpecLine(b);
        const double dK = calc.m_aSpec[4].GetSpecLine(b);
        const double dA = calc.m_aSpec[7].GetSpecLine(b);
        const bool bK = CResultNumbers::IsPresent(dK);
        const bool bA = CResultNumbers::IsPresent(dA);
        if (!info.m_bImpactAirborne) {
            Take(1, p, bBgnCorrection && bK ? dL2 + dK : dL2);
        } else if (CResultNumbers::IsPresent(dL2)) {
            if (bBgnCorrection && bA && bK)
                Take(1, p, dL2 + dK + dA);
            else
                Take(1, p, bA ? dL2 + dA : dL2);
        }
        Take(2, p, info.m_bIntensity ? calc.m_aSpec[2].GetSpecLine(b) : bg.GetSpecLine(b));
    }
}

void CResultChartData::FillSets(const CCalc& calc, const std::vector<const CCalc*>& aSets)
{
    Clear();
    const int nShown = std::min(static_cast<int>(aSets.size()), kSets - 1);
    for (int p = 0; p < kPoints; ++p) {
        const int b = kFirstBand + p;
        Take(0, p, calc.m_aSpec[0].GetSpecLine(b));
        for (int i = 0; i < nShown; ++i)
            Take(i + 1, p, aSets[i]->m_aSpec[0].GetSpecLine(b));
    }
}

double CResultChartData::AxisTop(double dHighest)
{
    const double dNeeded = dHighest + 1.0;
    if (!std::isfinite(dNeeded) || dNeeded <= 100.0)
        return 100.0;
    return 100.0 + 10.0 * std::ceil((dNeeded - 100.0) / 10.0);
}
