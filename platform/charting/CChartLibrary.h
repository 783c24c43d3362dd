#pragma once
// Classes in this file: CChartLibrary, the component's state behind its
// functions: how often it was started and stopped, the charts by handle,
// and the drawing calls' font and target. A handle that names no chart
// finds nothing, so every call with it does nothing and answers 0.

#include "CChart.h"
#include "CChartDcMeasure.h"
#include "CChartPrimitives.h"

#include <map>
#include <memory>

class CChartLibrary {
public:
    static CChartLibrary& Get();

// Start-up and shut-down, counted: a shut-down without a start-up changes
// nothing.
    int Start();
    int Stop();
    int GetStartCount() const { return m_nStarted; }

// Charts
    int Create(DWORD dwStyle, const RECT& rect, HWND hParent, UINT nId);
    CChart* Find(int nHandle);
    void Remove(int nHandle);

// Drawing calls
    CChartPrimitives& Primitives() { return m_primitives; }
    BOOL SelectChart(int nWindow);

private:
    CChartLibrary();

    int m_nStarted = 0;
    int m_nNextHandle = 1;
    std::map<int, std::unique_ptr<CChart>> m_charts;
    CChartDcMeasure m_measure;
    CChartPrimitives m_primitives;
};
