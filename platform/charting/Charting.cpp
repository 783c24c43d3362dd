#include "Charting.h"

#include "CChartLibrary.h"

namespace {

CChart* FindChart(HGRAPH hGraph)
{
    return CChartLibrary::Get().Find(hGraph);
}

CChartPrimitives& Drawing()
{
    return CChartLibrary::Get().Primitives();
}

CChartValue GetProperty(ChartPropertyId id, HGRAPH hGraph, int nRow, int nCol)
{
    CChart* pChart = FindChart(hGraph);
    return pChart ? pChart->GetValue(id, nRow, nCol) : CChartValue();
}

void SetProperty(ChartPropertyId id, HGRAPH hGraph, int nRow, int nCol, const CChartValue& value)
{
    if (CChart* pChart = FindChart(hGraph))
        pChart->SetValue(id, nRow, nCol, value);
}

}

HGRAPH CreateGraphEx(int, DWORD dwStyle, const RECT* pRect, HWND hParent, UINT nId)
{
    if (!pRect)
        return 0;
    return CChartLibrary::Get().Create(dwStyle, *pRect, hParent, nId);
}

int EnableEnhancedEvents(HGRAPH hGraph, HWND hParent, int)
{
    CChart* pChart = FindChart(hGraph);
    if (!pChart)
        return 0;
    pChart->EnableEvents(hParent);
    return 1;
}

#undef VESTOLAR_CHART_SETTER_ReadWrite
#define VESTOLAR_CHART_SETTER_ReadWrite(name, dims)                                                      \
    void VESTOLAR_CHART_SETTER_NAME_##dims(name)(HGRAPH hGraph, int nRow, int nCol, const CChartValue& value) \
    {                                                                                                    \
        SetProperty(ChartPropertyId::name, hGraph, nRow, nCol, value);                                   \
    }
#define VESTOLAR_CHART_PROPERTY(name, dims, access, kind)   \
    CChartValue Get##name(HGRAPH hGraph, int nRow, int nCol) \
    {                                                        \
        return GetProperty(ChartPropertyId::name, hGraph, nRow, nCol); \
    }                                                        \
    VESTOLAR_CHART_SETTER_##access(name, dims)
VESTOLAR_CHART_PROPERTIES
#undef VESTOLAR_CHART_PROPERTY

namespace {

#define VESTOLAR_CHART_PROPERTY(name, dims, access, kind) &Get##name,
const ChartGetter kGetters[] = {VESTOLAR_CHART_PROPERTIES};
#undef VESTOLAR_CHART_PROPERTY

#define VESTOLAR_CHART_SETTER_POINTER_ReadOnly(name, dims) nullptr
#define VESTOLAR_CHART_SETTER_POINTER_ReadWrite(name, dims) &VESTOLAR_CHART_SETTER_NAME_##dims(name)
#define VESTOLAR_CHART_PROPERTY(name, dims, access, kind) VESTOLAR_CHART_SETTER_POINTER_##access(name, dims),
const ChartSetter kSetters[] = {VESTOLAR_CHART_PROPERTIES};
#undef VESTOLAR_CHART_PROPERTY

}

ChartGetter GetChartGetter(ChartPropertyId id)
{
    return kGetters[static_cast<int>(id)];
}

ChartSetter GetChartSetter(ChartPropertyId id)
{
    return kSetters[static_cast<int>(id)];
}

int GraphStartup(int, LPCSTR)
{
    return CChartLibrary::Get().Start();
}

int GraphShutdown()
{
    return CChartLibrary::Get().Stop();
}

// 0 when the window names a chart.
int GraphSelectWindow(int nWindow, int)
{
    return CChartLibrary::Get().SelectChart(nWindow) ? 0 : 1;
}

int GraphFontFace(int, LPCSTR lpszFace)
{
    Drawing().SetFontFace(lpszFace ? lpszFace : "Arial");
    return 0;
}

int GraphFontSize(int, int, int nSize, int)
{
    Drawing().SetFontSize(nSize);
    return 0;
}

int GraphDrawText(double x, double y, int nMode, int nAlign, int, LPCSTR lpszText)
{
    return Drawing().DrawText(x, y, nMode, nAlign, lpszText ? lpszText : "");
}

double GraphTextWidth(int, int, LPCSTR lpszText)
{
    return Drawing().TextWidth(lpszText ? lpszText : "");
}

double GraphTextExtent(int, int, LPCSTR)
{
    return Drawing().LineHeight();
}

int GraphLabelRow(double x, double y, double dStep, double, double, int nCount, int, int, int,
                  const LPCSTR* aLabels)
{
    std::vector<CString> aTexts;
    for (int i = 0; aLabels && i < nCount; ++i)
        aTexts.push_back(aLabels[i] ? aLabels[i] : "");
    Drawing().DrawLabelRow(x, y, dStep, aTexts);
    return 0;
}

int GraphBox(double x, double y, double cx, double cy, int nKind, int nLine, int, int)
{
    Drawing().DrawBox(x, y, cx, cy, nKind, nLine);
    return 0;
}

int GraphLineSample(double x1, double y1, double x2, double y2, int nWidth, int nStyle, int nColour)
{
    Drawing().DrawLineSample(x1, y1, x2, y2, nWidth, nStyle, nColour);
    return 0;
}

int GraphArrow(double x1, double y1, double x2, double y2, double dHeadSize, int, int, int)
{
    Drawing().DrawArrow(x1, y1, x2, y2, dHeadSize);
    return 0;
}

int GraphValueNumbers(double x, double y, double dSpacing, double, double, double dFirst, double dStep,
                      int nDecimals, int nCount, int, int, int)
{
    Drawing().DrawValueNumbers(x, y, dSpacing, dFirst, dStep, nDecimals, nCount);
    return 0;
}

// The pass ends with the render that asked for it; nothing to do here.
int GraphEndPass(int)
{
    return 0;
}

const CChartDrawList* GraphDrawList(HGRAPH hGraph)
{
    CChart* pChart = FindChart(hGraph);
    return pChart ? &pChart->GetDrawList() : nullptr;
}
