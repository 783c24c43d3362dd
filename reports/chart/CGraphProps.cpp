#include "CGraphProps.h"

#include "afxwin.h"

CGraphProps::CGraphProps()
{
#define VESTOLAR_CHART_PROPERTY(name, dims, access, kind) \
    name.Bind(this, dims, GetChartGetter(ChartPropertyId::name), GetChartSetter(ChartPropertyId::name));
    VESTOLAR_CHART_PROPERTIES
#undef VESTOLAR_CHART_PROPERTY
}

BOOL CGraphProps::Create(int nReserved, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    HWND hParent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    m_hGraph = CreateGraphEx(nReserved, dwStyle, &rect, hParent, nID);
    EnableEnhancedEvents(m_hGraph, hParent, 0);
    return m_hGraph != 0;
}

void CGraphProps::SelWin()
{
    GraphSelectWindow(NWin.GetInt(), m_nHandle2);
}

BOOL CGraphProps::DrawTextAt(int x, int y, int nMode, int nAlign, int nFlag, LPCSTR lpszText)
{
    SelWin();
    return GraphDrawText(x, y, nMode, nAlign, nFlag, lpszText) == 0;
}
