#pragma once
// The charting component's functions. Charts are made by CreateGraphEx and
// addressed by the handle it returns; a handle that names no chart (0
// included) makes every function do nothing and answer 0.
//
// Property functions: for every property of ChartPropertyList.h a getter
// Get<name>(graph, row, column) and, unless it is read-only, a setter
// Set<name> (Set<name>At for an indexed property)(graph, row, column,
// value). A property without index ignores both indices, a one-index
// property the row.
//
// Drawing calls for the custom drawing that a chart asks for with
// WM_GRAPHPAINT: positions in chart units (pixels of the chart, origin at
// its bottom-left, y up), as SDKInfo reports the plot. docs/charting.md
// lists them with the codes they take.

#include "ChartProperty.h"

#include <windows.h>

using HGRAPH = int;

// Sent to the window given to EnableEnhancedEvents when custom drawing is due.
constexpr UINT WM_GRAPHPAINT = WM_USER + 1;

// Charts
HGRAPH CreateGraphEx(int nReserved, DWORD dwStyle, const RECT* pRect, HWND hParent, UINT nId);
int EnableEnhancedEvents(HGRAPH hGraph, HWND hParent, int nReserved);

// Properties
using ChartGetter = CChartValue (*)(HGRAPH hGraph, int nRow, int nCol);
using ChartSetter = void (*)(HGRAPH hGraph, int nRow, int nCol, const CChartValue& value);

#define VESTOLAR_CHART_SETTER_NAME_0(name) Set##name
#define VESTOLAR_CHART_SETTER_NAME_1(name) Set##name##At
#define VESTOLAR_CHART_SETTER_NAME_2(name) Set##name##At
#define VESTOLAR_CHART_SETTER_ReadOnly(name, dims)
#define VESTOLAR_CHART_SETTER_ReadWrite(name, dims) \
    void VESTOLAR_CHART_SETTER_NAME_##dims(name)(HGRAPH hGraph, int nRow, int nCol, const CChartValue& value);
#define VESTOLAR_CHART_PROPERTY(name, dims, access, kind)    \
    CChartValue Get##name(HGRAPH hGraph, int nRow, int nCol); \
    VESTOLAR_CHART_SETTER_##access(name, dims)
VESTOLAR_CHART_PROPERTIES
#undef VESTOLAR_CHART_PROPERTY

// The property functions by property; no setter for a read-only property.
ChartGetter GetChartGetter(ChartPropertyId id);
ChartSetter GetChartSetter(ChartPropertyId id);

// Start-up and shut-down (counted), selection of the chart to draw on.
int GraphStartup(int nReserved, LPCSTR lpszOptions);
int GraphShutdown();
int GraphSelectWindow(int nWindow, int nReserved);

// Fonts and texts. Alignment code bits: 4 anchors the text at its end, 16
// at its baseline (else its top), 32 writes it upwards. Mode 1 draws the
// text on a white ground, 3 over what is there.
int GraphFontFace(int nReserved, LPCSTR lpszFace);
int GraphFontSize(int nReserved1, int nReserved2, int nSize, int nReserved3);
int GraphDrawText(double x, double y, int nMode, int nAlign, int nFlag, LPCSTR lpszText);
double GraphTextWidth(int nReserved, int nAlign, LPCSTR lpszText);
double GraphTextExtent(int nReserved1, int nReserved2, LPCSTR lpszText);

// Shapes.
int GraphLabelRow(double x, double y, double dStep, double dWidth, double dHeight, int nCount, int nReserved1,
                  int nReserved2, int nReserved3, const LPCSTR* aLabels);
int GraphBox(double x, double y, double cx, double cy, int nKind, int nLine, int nReserved1, int nReserved2);
int GraphLineSample(double x1, double y1, double x2, double y2, int nWidth, int nStyle, int nColour);
int GraphArrow(double x1, double y1, double x2, double y2, double dHeadSize, int nReserved1, int nReserved2,
               int nReserved3);
int GraphValueNumbers(double x, double y, double dSpacing, double dWidth, double dHeight, double dFirst,
                      double dStep, int nDecimals, int nCount, int nReserved1, int nReserved2, int nReserved3);
int GraphEndPass(int nReserved);

// The drawing list of a chart's last render (for the tests of its users).
const class CChartDrawList* GraphDrawList(HGRAPH hGraph);
