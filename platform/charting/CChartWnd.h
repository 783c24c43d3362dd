#pragma once
// Classes in this file: CChartWnd, the window of one chart. It paints the
// chart's last render (rendering first when the chart asked to be drawn
// again) and tells the component when it is gone.

#include "afxwin.h"

class CChart;

class CChartWnd : public CWnd {
public:
    explicit CChartWnd(CChart& chart);

protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CChart& m_chart;
};
