#include "CChartLibrary.h"

CChartLibrary& CChartLibrary::Get()
{
    static CChartLibrary library;
    return library;
}

CChartLibrary::CChartLibrary() : m_primitives(m_measure) {}

int CChartLibrary::Start()
{
    return ++m_nStarted;
}

int CChartLibrary::Stop()
{
    if (m_nStarted > 0)
        --m_nStarted;
    return m_nStarted;
}

// 0 when the window cannot be made.
int CChartLibrary::Create(DWORD dwStyle, const RECT& rect, HWND hParent, UINT nId)
{
    const int nHandle = m_nNextHandle++;
    auto pChart = std::make_unique<CChart>(nHandle, m_primitives);
    if (!pChart->CreateWindowAt(dwStyle, rect, hParent, nId))
        return 0;
    m_charts[nHandle] = std::move(pChart);
    return nHandle;
}

CChart* CChartLibrary::Find(int nHandle)
{
    auto it = m_charts.find(nHandle);
    return it == m_charts.end() ? nullptr : it->second.get();
}

void CChartLibrary::Remove(int nHandle)
{
    m_charts.erase(nHandle);
}

// A chart's window number is its handle.
BOOL CChartLibrary::SelectChart(int nWindow)
{
    CChart* pChart = Find(nWindow);
    if (!pChart)
        return FALSE;
    pChart->SelectForDrawing();
    return TRUE;
}
