#pragma once
// A parent window for chart tests: it counts the chart's WM_GRAPHPAINT
// notices and, in each, draws the texts it was given through the chart.

#include "reports/chart/CGraphProps.h"

#include "afxwin.h"

#include <functional>

class CChartTestWindow : public CWnd {
public:
    BOOL CreateTestWindow()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "Chart test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 600, 600), nullptr, 0);
    }
    // The chart of 470 x 500, 2000 pixels off the window.
    BOOL CreateChart()
    {
        return m_graph.Create(0, WS_CHILD | WS_VISIBLE, CRect(2000, 2000, 2470, 2500), this, 1003);
    }
    CGraphProps m_graph;
    int m_nPaintNotices = 0;
    std::function<void()> m_customDrawing;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_GRAPHPAINT)
            return CWnd::WindowProc(message, wParam, lParam);
        ++m_nPaintNotices;
        m_graph.SDKPaint.SetInt(0);
        if (m_customDrawing)
            m_customDrawing();
        GraphEndPass(3);
        m_graph.SDKPaint.SetInt(1);
        return 0;
    }
};
