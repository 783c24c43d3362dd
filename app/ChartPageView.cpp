#include "ChartPageView.h"

#include "platform/charting/Charting.h"

IMPLEMENT_DYNAMIC(CChartPageView, CGridPageView)

CChartPageView::~CChartPageView()
{
    if (m_bChartStarted)
        GraphShutdown();
}

void CChartPageView::CreateOffscreenChart(CRect cellRect, UINT nId)
{
    cellRect.OffsetRect(2000, 2000);
    GraphStartup(0, "HC");
    m_bChartStarted = true;
    if (!m_Graph.Create(0, WS_CHILD | WS_VISIBLE, cellRect, this, nId))
        AfxMessageBox("Create m_Graph failed", MB_OK);
}
