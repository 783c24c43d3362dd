#include "CChartGdiPainter.h"

#include "ChartFont.h"

#include "CPen.h"
#include "CScopedSaveDC.h"

#include <algorithm>
#include <cmath>

namespace {

int PenStyle(int nChartStyle)
{
    switch (nChartStyle) {
    case kChartDash: return PS_DASH;
    case kChartDot: return PS_DOT;
    case 3: return PS_DASHDOT;
    case 4: return PS_DASHDOTDOT;
    default: return PS_SOLID;
    }
}

UINT TextAlign(const CChartItem& item)
{
    UINT nAlign = item.bBaseline ? TA_BASELINE : TA_TOP;
    if (item.anchor == ChartAnchor::Centre)
        nAlign |= TA_CENTER;
    else if (item.anchor == ChartAnchor::Right)
        nAlign |= TA_RIGHT;
    return nAlign;
}

}

CChartGdiPainter::CChartGdiPainter(const CChartDrawList& list) : m_list(list) {}

POINT CChartGdiPainter::Device(const CChartPoint& point) const
{
    return {static_cast<LONG>(std::lround(point.x)), static_cast<LONG>(std::lround(m_list.Height() - point.y))};
}

CRect CChartGdiPainter::DeviceRect(const CChartPoint& a, const CChartPoint& b) const
{
    const POINT p = Device(a);
    const POINT q = Device(b);
    return CRect(std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y));
}

void CChartGdiPainter::Paint(CDC& dc) const
{
    CScopedSaveDC saved(dc);
    for (const CChartItem& item : m_list.Items()) {
        switch (item.kind) {
        case ChartItemKind::Fill: {
            const CRect rect = DeviceRect(item.points[0], item.points[1]);
            dc.FillSolidRect(&rect, item.colour);
            break;
        }
        case ChartItemKind::Frame: PaintFrame(dc, item); break;
        case ChartItemKind::Line: PaintLine(dc, item); break;
        case ChartItemKind::Text: PaintText(dc, item); break;
        }
    }
}

void CChartGdiPainter::PaintFrame(CDC& dc, const CChartItem& item) const
{
    CPen pen;  // outlives the selection, which the saved state undoes
    pen.CreatePen(PenStyle(item.nPenStyle), item.nPenWidth, item.colour);
    CScopedSaveDC saved(dc);
    dc.SelectObject(&pen);
    dc.SelectStockObject(NULL_BRUSH);
    const CRect rect = DeviceRect(item.points[0], item.points[1]);
    dc.Rectangle(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
}

// A lone point is drawn as a dot of the pen's width.
void CChartGdiPainter::PaintLine(CDC& dc, const CChartItem& item) const
{
    CPen pen;
    pen.CreatePen(PenStyle(item.nPenStyle), item.nPenWidth, item.colour);
    CScopedSaveDC saved(dc);
    if (item.bClipToPlot) {
        const CRect plot = DeviceRect(m_list.PlotLow(), m_list.PlotHigh());
        dc.IntersectClipRect(plot.left, plot.top, plot.right + 1, plot.bottom + 1);
    }
    dc.SelectObject(&pen);
    std::vector<POINT> points;
    for (const CChartPoint& point : item.points)
        points.push_back(Device(point));
    if (points.size() == 1)
        points.push_back({points[0].x + 1, points[0].y});
    dc.Polyline(points.data(), static_cast<int>(points.size()));
}

void CChartGdiPainter::PaintText(CDC& dc, const CChartItem& item) const
{
    CFont font;
    CreateChartFont(font, item.sFace, item.nFontHeight, item.bRotated);
    CScopedSaveDC saved(dc);
    dc.SelectObject(&font);
    dc.SetTextColor(item.colour);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetBkMode(item.bOpaque ? OPAQUE : TRANSPARENT);
    dc.SetTextAlign(TextAlign(item));
    const POINT at = Device(item.points[0]);
    dc.TextOut(at.x, at.y, item.sText);
}
