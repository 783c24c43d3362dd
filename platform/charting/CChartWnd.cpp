#include "CChartWnd.h"

#include "CChart.h"
#include "CChartLibrary.h"

#include "CPaintDC.h"

BEGIN_MESSAGE_MAP(CChartWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CChartWnd::CChartWnd(CChart& chart) : m_chart(chart) {}

void CChartWnd::OnPaint()
{
    CPaintDC dc(this);
    m_chart.Paint(dc);
}

BOOL CChartWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// The chart goes with its window; this is the window's last message.
void CChartWnd::PostNcDestroy()
{
    CChartLibrary::Get().Remove(m_chart.GetHandle());
}
