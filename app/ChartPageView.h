#pragma once
// Classes in this file: CChartPageView, the base of the project windows
// whose page shows a chart: the result table and the test report. The
// chart itself lies out of sight; the page's chart cell shows its
// exported picture.

#include "GridPageView.h"

#include "reports/chart/CGraphProps.h"

class CChartPageView : public CGridPageView {
    DECLARE_DYNAMIC(CChartPageView)
public:
    CGraphProps& GetGraph() { return m_Graph; }

    CGraphProps m_Graph;

protected:
    CChartPageView() = default;
    ~CChartPageView() override;

    // Starts the charting component and creates the chart 2000 pixels off
    // the page's chart cell; a chart that cannot be made is named in a box
    // and the page still shows.
    void CreateOffscreenChart(CRect cellRect, UINT nId);

private:
    bool m_bChartStarted = false;
};
