#include "MeasGraphPlot.h"

#include "MeasValueRuns.h"

#include <algorithm>
#include <cmath>

CMeasGraphPlot::CMeasGraphPlot(const CMeasGraphScale& scale, const CRect& plot)
    : m_scale(scale), m_plot(plot)
{
}

int CMeasGraphPlot::BandToX(int nBand) const
{
    const int nSpan = m_scale.GetHighBand() - m_scale.GetLowBand();
    if (nSpan == 0)
        return m_plot.left + m_plot.Width() / 2;
    return m_plot.left + (nBand - m_scale.GetLowBand()) * m_plot.Width() / nSpan;
}

int CMeasGraphPlot::ValueToY(double dValue) const
{
    const double dShare = (dValue - m_scale.GetLowLimit()) / (m_scale.GetHighLimit() - m_scale.GetLowLimit());
    return m_plot.bottom - static_cast<int>(std::lround(dShare * m_plot.Height()));
}

std::vector<CGraphLine> CMeasGraphPlot::Lines(const NSpectrum& spectrum) const
{
    const int nLowBand = m_scale.GetLowBand();
    const auto aRuns = PresentValueRuns(m_scale.GetHighBand() - nLowBand + 1, [&](int i) {
        return IsMissingValue(spectrum.GetSpecLine(nLowBand + i));
    });
    std::vector<CGraphLine> aLines;
    for (const CValueRun& run : aRuns) {
        CGraphLine& line = aLines.emplace_back();
        for (int nBand = nLowBand + run.nFirst; nBand <= nLowBand + run.nLast; ++nBand)
            line.push_back(CPoint(BandToX(nBand), ValueToY(spectrum.GetSpecLine(nBand))));
    }
    return aLines;
}

int CMeasGraphPlot::LabelStep(int nLabelWidth) const
{
    const int nSpan = m_scale.GetHighBand() - m_scale.GetLowBand();
    if (nSpan == 0 || nLabelWidth <= 0)
        return 1;
    if (m_plot.Width() <= 0)
        return nSpan;
    // bands per label: label width / band width, rounded up
    return std::max(1, (nLabelWidth * nSpan + m_plot.Width() - 1) / m_plot.Width());
}
