#pragma once
// Classes in this file: CChartLayout, where a chart puts its plot, in chart
// units: pixels of the chart window, origin at its bottom-left, y up. It
// answers the plot geometry the custom drawing reads (SDKInfo), the place
// of each data point and the values of the horizontal grid lines.

#include "CChartStore.h"

#include <vector>

class CChartLayout {
public:
    CChartLayout(const CChartStore& store, int nWidth, int nHeight);

    // SDKInfo elements: 0 points across, 2 and 3 the top and bottom of the
    // value axis, 4 and 5 the plot's width and height, 6 its left edge, 7
    // its lower edge (the line of value 0 when the x axis crosses there).
    // Element 1 and any other read 0.
    double Info(int nElement) const;

    int ChartWidth() const { return m_nWidth; }
    int ChartHeight() const { return m_nHeight; }
    double Left() const { return m_dLeft; }
    double Bottom() const { return m_dBottom; }
    double Width() const { return m_dWidth; }
    double Height() const { return m_dHeight; }
    double Top() const { return m_dBottom + m_dHeight; }
    int Points() const { return m_nPoints; }

    // Point p at the middle of its step across the plot.
    double PointX(int nPoint) const;
    double ValueY(double dValue) const;
    // Where the horizontal axis lies: value 0 with XAxisPos 2 when the axis
    // spans 0, else the plot's lower edge.
    double AxisY() const;
    std::vector<double> GridValues() const;

private:
    bool CrossesAtZero() const;
    double GridStep() const;

    int m_nWidth;
    int m_nHeight;
    int m_nPoints;
    double m_dMax;
    double m_dMin;
    bool m_bAxisAtZero;
    int m_nTicks;
    double m_dLeft, m_dBottom, m_dWidth, m_dHeight;
};
