#pragma once
// Classes in this file: CMeasGraphPlot, the places of a graph window's
// drawing inside its plot rectangle: band to x, value to y, a spectrum's
// lines broken at its missing values, and which band labels fit.

#include "MeasGraphScale.h"

#include "CRect.h"

#include <vector>

typedef std::vector<CPoint> CGraphLine;

class CMeasGraphPlot {
public:
    CMeasGraphPlot(const CMeasGraphScale& scale, const CRect& plot);

    // The low band at the left edge, the high band at the right; a single
    // band in the middle.
    int BandToX(int nBand) const;
    // The low limit at the bottom edge, the high limit at the top.
    int ValueToY(double dValue) const;
    // The spectrum's values over the bands, one line per run of bands with a
    // value; a missing value breaks the line, a lone value is a one-point line.
    std::vector<CGraphLine> Lines(const NSpectrum& spectrum) const;
    // Every how many bands a label nLabelWidth pixels wide (gap included)
    // fits without touching its neighbour; at least 1.
    int LabelStep(int nLabelWidth) const;

private:
    const CMeasGraphScale& m_scale;
    CRect m_plot;
};
