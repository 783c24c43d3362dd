#pragma once
// Classes in this file: CChart, one chart of the component: its properties,
// its window and the drawing list of its last render. Setting DrawMode 2
// asks the window to draw again; DrawMode 6 renders at once and writes
// ImageFile, without waiting for a paint (charts lie off the screen or in
// hidden windows). Every render sends WM_GRAPHPAINT to the window named by
// EnableEnhancedEvents while SDKPaint is 1, so the owner's custom drawing
// joins the render.

#include "CChartDrawList.h"
#include "CChartStore.h"
#include "CChartWnd.h"

class CChartPrimitives;
class CDC;

class CChart {
public:
    CChart(int nHandle, CChartPrimitives& primitives);
    ~CChart();
    CChart(const CChart&) = delete;
    CChart& operator=(const CChart&) = delete;

    BOOL CreateWindowAt(DWORD dwStyle, const RECT& rect, HWND hParent, UINT nId);
    void EnableEvents(HWND hEventWnd);
    int GetHandle() const { return m_nHandle; }

// Properties
    void SetValue(ChartPropertyId id, int nRow, int nCol, const CChartValue& value);
    CChartValue GetValue(ChartPropertyId id, int nRow, int nCol) const;

// Drawing
    void Render();
    void Paint(CDC& dc);
    // Directs the drawing calls to this chart's list.
    void SelectForDrawing();
    const CChartDrawList& GetDrawList() const { return m_list; }

private:
    void OnDrawMode(int nMode);
    CSize ChartSize() const;

    int m_nHandle;
    CChartPrimitives& m_primitives;
    CChartStore m_store;
    CChartDrawList m_list;
    CChartWnd m_wnd;
    HWND m_hEventWnd = nullptr;
    bool m_bRedraw = true;
    bool m_bRendering = false;
};
