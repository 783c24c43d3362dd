#include "CChart.h"

#include "CChartGdiPainter.h"
#include "CChartLayout.h"
#include "CChartMetafileExport.h"
#include "CChartPrimitives.h"
#include "CChartRenderer.h"
#include "Charting.h"

namespace {

constexpr int kDrawModeRepaint = 2;
constexpr int kDrawModeExport = 6;

}

CChart::CChart(int nHandle, CChartPrimitives& primitives)
    : m_nHandle(nHandle), m_primitives(primitives), m_wnd(*this)
{
    m_store.SetNumber(ChartPropertyId::NWin, 0, 0, nHandle);
}

CChart::~CChart()
{
    if (m_primitives.GetTarget() == &m_list)
        m_primitives.SetTarget(nullptr, 0.0);
}

BOOL CChart::CreateWindowAt(DWORD dwStyle, const RECT& rect, HWND hParent, UINT nId)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    return m_wnd.CreateEx(0, lpszClass, "", dwStyle, rect, CWnd::FromHandle(hParent), nId);
}

void CChart::EnableEvents(HWND hEventWnd)
{
    m_hEventWnd = hEventWnd;
}

void CChart::SetValue(ChartPropertyId id, int nRow, int nCol, const CChartValue& value)
{
    if (value.bIsText)
        m_store.SetText(id, nRow, nCol, value.sText);
    else
        m_store.SetNumber(id, nRow, nCol, value.dNumber);
    if (id == ChartPropertyId::DrawMode)
        OnDrawMode(m_store.GetInt(id));
    else if (id == ChartPropertyId::DataReset && m_store.GetInt(id) == 1)
        m_store.ResetData();
}

// The plot geometry is the layout's at the window's present size.
CChartValue CChart::GetValue(ChartPropertyId id, int nRow, int nCol) const
{
    CChartValue value;
    if (id == ChartPropertyId::SDKInfo) {
        if (nCol >= 0 && nCol < kChartIndexLimit)
            value.dNumber = CChartLayout(m_store, ChartSize().cx, ChartSize().cy).Info(nCol);
        return value;
    }
    value.dNumber = m_store.GetNumber(id, nRow, nCol);
    value.sText = m_store.GetText(id, nRow, nCol);
    value.bIsText = GetChartPropertyInfo(id).kind == ChartValueKind::Text;
    return value;
}

void CChart::OnDrawMode(int nMode)
{
    if (nMode == kDrawModeRepaint) {
        m_bRedraw = true;
        if (m_wnd.GetSafeHwnd())
            m_wnd.Invalidate(FALSE);
    } else if (nMode == kDrawModeExport) {
        Render();
        CChartMetafileExport(m_list).Write(m_store.GetText(ChartPropertyId::ImageFile));
        if (m_wnd.GetSafeHwnd())
            m_wnd.Invalidate(FALSE);
    }
}

CSize CChart::ChartSize() const
{
    CRect client(0, 0, 0, 0);
    if (m_wnd.GetSafeHwnd())
        m_wnd.GetClientRect(&client);
    return client.Size();
}

void CChart::SelectForDrawing()
{
    m_primitives.SetTarget(&m_list, m_store.GetNumber(ChartPropertyId::YAxisMax, 0, 0));
}

// A custom drawing that sets DrawMode again does not start a second render
// inside this one.
void CChart::Render()
{
    if (m_bRendering)
        return;
    m_bRendering = true;
    const CSize size = ChartSize();
    const CChartLayout layout(m_store, size.cx, size.cy);
    CChartRenderer(m_store, layout, m_list).Render([&] {
        if (!m_hEventWnd || !::IsWindow(m_hEventWnd) || m_store.GetInt(ChartPropertyId::SDKPaint) != 1)
            return;
        SelectForDrawing();
        ::SendMessage(m_hEventWnd, WM_GRAPHPAINT, 0, 0);
        m_primitives.SetTarget(nullptr, 0.0);
    });
    m_bRedraw = false;
    m_bRendering = false;
}

void CChart::Paint(CDC& dc)
{
    if (m_bRedraw || m_list.Width() != ChartSize().cx || m_list.Height() != ChartSize().cy)
        Render();
    CChartGdiPainter(m_list).Paint(dc);
}
