#include "MultiplotChartData.h"

#include "ReportChartData.h"

#include <algorithm>

namespace {

bool AreEqualPresent(const NSpectrum& spec, int nFirstBand)
{
    const double dValue = spec.GetSpecLine(nFirstBand);
    if (!CReportChartData::IsValue(dValue))
        return false;
    return spec.GetSpecLine(nFirstBand + 1) == dValue && spec.GetSpecLine(nFirstBand + 2) == dValue;
}

} // namespace

bool CMultiplotChartData::IsOctaveData(int nGraphType, const std::vector<const NBuildData*>& aCurves)
{
    if (nGraphType != kAbsorptionType)
        return false;
    return std::any_of(aCurves.begin(), aCurves.end(), [](const NBuildData* pCurve) {
        return AreEqualPresent(pCurve->m_Spectrum, 23) && AreEqualPresent(pCurve->m_Spectrum, 29);
    });
}

void CMultiplotChartData::Fill(const CMultiplotSettings& settings, const std::vector<const NBuildData*>& aCurves)
{
    m_dHighest = -200.0;
    std::vector<NSpectrum> aSpectra;
    const bool bAbsorption = settings.nGraphType == kAbsorptionType;
    for (const NBuildData* pCurve : aCurves)
        aSpectra.push_back(bAbsorption ? pCurve->m_Spectrum : pCurve->m_Spectrum.AddCorrection(pCurve->m_CorrSpectrum));
    if (bAbsorption && IsOctaveData(settings.nGraphType, aCurves)) {
        FillBands(aSpectra, 21, 3);
        ScaleAbsorption(settings, true);
    } else if (bAbsorption) {
        FillBands(aSpectra, 20, 1);
        ScaleAbsorption(settings, false);
    } else {
        FillBands(aSpectra, 17, 1);
        if (settings.nGraphType == kReverberationType)
            ScaleReverberation(settings);
        else
            ScaleLevels(settings);
    }
}

void CMultiplotChartData::FillBands(const std::vector<NSpectrum>& aSpectra, int nFirstBand, int nBandStep)
{
    m_nPoints = nBandStep == 3 ? 6 : (nFirstBand == 20 ? 18 : 21);
    m_aSets.assign(aSpectra.size(), std::vector<double>(m_nPoints, CReportChartData::kMissing));
    for (size_t i = 0; i < aSpectra.size(); ++i) {
        for (int p = 0; p < m_nPoints; ++p) {
            const double dValue = aSpectra[i].GetSpecLine(nFirstBand + p * nBandStep);
            m_aSets[i][p] = dValue;
            if (CReportChartData::IsValue(dValue))
                m_dHighest = std::max(m_dHighest, dValue);
        }
    }
}

void CMultiplotChartData::FixedRange(const CMultiplotSettings& settings)
{
    m_dAxisMax = settings.dMax;
    m_dAxisMin = settings.dMax - settings.dRange;
}

void CMultiplotChartData::ScaleAbsorption(const CMultiplotSettings& settings, bool bOctaves)
{
    if (!settings.bAutoScale) {
        FixedRange(settings);
        return;
    }
    const double dSpan = bOctaves ? 1.0 : 1.2;
    m_dAxisMax = bOctaves ? dSpan : CReportChartData::RaiseTop(dSpan, 0.2, m_dHighest);
    m_dAxisMin = m_dAxisMax - dSpan;
}

// A fixed range wider than its top shows from 0 up to the range, the
// curves raised by the difference; missing points stay missing.
void CMultiplotChartData::ScaleLevels(const CMultiplotSettings& settings)
{
    if (settings.bAutoScale) {
        m_dAxisMax = CReportChartData::RaiseTop(60.0, 10.0, m_dHighest);
        m_dAxisMin = m_dAxisMax - 60.0;
        return;
    }
    if (settings.dRange <= settings.dMax) {
        FixedRange(settings);
        return;
    }
    const double dRaise = settings.dRange - settings.dMax;
    for (auto& set : m_aSets) {
        for (double& dValue : set) {
            if (CReportChartData::IsValue(dValue))
                dValue += dRaise;
        }
    }
    m_dAxisMax = settings.dRange;
    m_dAxisMin = 0.0;
}

void CMultiplotChartData::ScaleReverberation(const CMultiplotSettings& settings)
{
    if (!settings.bAutoScale) {
        FixedRange(settings);
        return;
    }
    m_dAxisMax = CReportChartData::RaiseTop(2.0, 1.0, m_dHighest);
    m_dAxisMin = 0.0;
}
