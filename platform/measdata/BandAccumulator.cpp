#include "BandAccumulator.h"

#include <cmath>

void CBandAccumulator::Add(double dValue, double dWeight)
{
    ++m_nCount;
    // Welford's update of mean and squared deviations: exact for many records,
    // where sum(x^2) - (sum x)^2 / n would cancel.
    const double dDelta = dValue - m_dMean;
    m_dMean += dDelta / m_nCount;
    m_dSquares += dDelta * (dValue - m_dMean);

    m_Power.Add(dValue, 1.0);
    m_InversePower.Add(-dValue, 1.0);
    if (dWeight > 0.0)
        m_WeightedPower.Add(dValue, dWeight);
    else
        m_bAllWeighted = false;
}

double CBandAccumulator::GetMean(Mean eMean) const
{
    switch (eMean) {
    case kArithmetic:
        return m_dMean;
    case kLevelDifference:
        return -m_InversePower.GetMeanLevel();
    case kAreaWeighted:
        // One record without an area leaves the weights unknown: equal weights.
        return m_bAllWeighted ? m_WeightedPower.GetMeanLevel() : m_Power.GetMeanLevel();
    case kEnergetic:
        break;
    }
    return m_Power.GetMeanLevel();
}

// Sample standard deviation of the values themselves (dB or s), n - 1 in the
// denominator; 0 for a single value.
double CBandAccumulator::GetSampleSD() const
{
    if (m_nCount < 2)
        return 0.0;
    return std::sqrt(m_dSquares / (m_nCount - 1));
}

void CBandAccumulator::CPowerSum::Add(double dLevel, double dWeight)
{
    if (m_dWeight <= 0.0) {
        m_dReference = dLevel;
        m_dSum = dWeight;
    } else if (dLevel > m_dReference) {
        m_dSum = m_dSum * std::pow(10.0, (m_dReference - dLevel) / 10.0) + dWeight;
        m_dReference = dLevel;
    } else {
        m_dSum += dWeight * std::pow(10.0, (dLevel - m_dReference) / 10.0);
    }
    m_dWeight += dWeight;
}

// level = 10 lg(sum w 10^(x/10) / sum w), computed relative to the reference.
double CBandAccumulator::CPowerSum::GetMeanLevel() const
{
    return m_dReference + 10.0 * std::log10(m_dSum / m_dWeight);
}
