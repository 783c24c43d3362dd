#pragma once
// Classes in this file: CGraphProps, one chart for a view: it makes the
// chart window, keeps the chart's handle and holds every chart property as
// a member named after it (m_Graph.NumSets.SetInt(10)). It also draws a
// text on the chart for the view's custom drawing.

#include "CGraphProperty.h"

class CWnd;

class CGraphProps {
public:
    CGraphProps();
    CGraphProps(const CGraphProps&) = delete;
    CGraphProps& operator=(const CGraphProps&) = delete;

    // FALSE when no chart was made; the properties then do nothing.
    BOOL Create(int nReserved, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    HGRAPH GetHandle() const { return m_hGraph; }
    int GetHandle2() const { return m_nHandle2; }
    // Directs the drawing calls to this chart's window.
    void SelWin();
    // TRUE when the text was drawn.
    BOOL DrawTextAt(int x, int y, int nMode, int nAlign, int nFlag, LPCSTR lpszText);

#define VESTOLAR_CHART_PROPERTY(name, dims, access, kind) CGraphProperty name;
    VESTOLAR_CHART_PROPERTIES
#undef VESTOLAR_CHART_PROPERTY

private:
    HGRAPH m_hGraph = 0;
    int m_nHandle2 = 0;
};
