#include "MeasGraphScale.h"

#include <algorithm>
#include <cmath>

namespace {

// About this many steps between the limits.
constexpr double kStepsWanted = 5.0;
// The step of a spectrum whose values are all the same: one 10 dB step
// either side of the value.
constexpr double kFlatStep = 10.0;

} // namespace

CMeasGraphScale::CMeasGraphScale(const CMeasGraphRequest& request)
{
    ClampBands(request.m_nLowBand, request.m_nHighBand);
    double dMin = 0.0;
    double dMax = 0.0;
    for (const NSpectrum& spectrum : request.m_aSpectra) {
        for (int nBand = m_nLowBand; nBand <= m_nHighBand; ++nBand) {
            const double dValue = spectrum.GetSpecLine(nBand);
            if (IsMissingValue(dValue))
                continue;
            dMin = m_bHasValues ? std::min(dMin, dValue) : dValue;
            dMax = m_bHasValues ? std::max(dMax, dValue) : dValue;
            m_bHasValues = TRUE;
        }
    }
    if (m_bHasValues)
        FitLimits(dMin, dMax);
}

// Band numbers outside 0..43 come to the nearest band; a range given high to
// low is turned round.
void CMeasGraphScale::ClampBands(int nLowBand, int nHighBand)
{
    if (nLowBand > nHighBand)
        std::swap(nLowBand, nHighBand);
    m_nLowBand = std::clamp(nLowBand, 0, kBandCount - 1);
    m_nHighBand = std::clamp(nHighBand, 0, kBandCount - 1);
}

// The limits are whole steps below the smallest and above the largest value.
void CMeasGraphScale::FitLimits(double dMin, double dMax)
{
    m_dStep = dMax > dMin ? StepFor(dMax - dMin) : kFlatStep;
    m_dLowLimit = std::floor(dMin / m_dStep) * m_dStep;
    m_dHighLimit = std::ceil(dMax / m_dStep) * m_dStep;
    if (m_dHighLimit - m_dLowLimit < m_dStep / 2) {
        m_dLowLimit -= m_dStep;
        m_dHighLimit += m_dStep;
    }
}

// The step is 1, 2 or 5 times a power of ten, the first not below a fifth
// of the span.
double CMeasGraphScale::StepFor(double dSpan)
{
    const double dRough = dSpan / kStepsWanted;
    const double dPower = std::pow(10.0, std::floor(std::log10(dRough)));
    for (double dFactor : {1.0, 2.0, 5.0}) {
        if (dFactor * dPower >= dRough * (1.0 - 1e-9))
            return dFactor * dPower;
    }
    return 10.0 * dPower;
}
