#include "CChartDrawList.h"

void CChartDrawList::Clear(int nWidth, int nHeight, const CChartPoint& plotLow, const CChartPoint& plotHigh)
{
    m_items.clear();
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_plotLow = plotLow;
    m_plotHigh = plotHigh;
}

void CChartDrawList::AddFill(CChartPoint a, CChartPoint b, COLORREF colour)
{
    CChartItem item;
    item.kind = ChartItemKind::Fill;
    item.points = {a, b};
    item.colour = colour;
    m_items.push_back(item);
}

void CChartDrawList::AddFrame(CChartPoint a, CChartPoint b, COLORREF colour, int nPenStyle)
{
    CChartItem item;
    item.kind = ChartItemKind::Frame;
    item.points = {a, b};
    item.colour = colour;
    item.nPenStyle = nPenStyle;
    m_items.push_back(item);
}

void CChartDrawList::AddLine(std::vector<CChartPoint> points, COLORREF colour, int nPenWidth, int nPenStyle,
                             bool bClip)
{
    CChartItem item;
    item.kind = ChartItemKind::Line;
    item.points = std::move(points);
    item.colour = colour;
    item.nPenWidth = nPenWidth;
    item.nPenStyle = nPenStyle;
    item.bClipToPlot = bClip;
    m_items.push_back(item);
}

void CChartDrawList::AddText(const CChartItem& text)
{
    m_items.push_back(text);
    m_items.back().kind = ChartItemKind::Text;
}
