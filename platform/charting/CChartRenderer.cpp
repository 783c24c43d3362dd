#include "CChartRenderer.h"

#include "ChartStyle.h"

#include "platform/measdata/MeasValue.h"
#include "platform/measdata/MeasValueRuns.h"

#include <algorithm>

namespace {

const COLORREF kFrameColour = RGB(0, 0, 0);
const COLORREF kGridColour = RGB(192, 192, 192);
// The title stands this share of the chart's height below its top edge.
constexpr double kTitleDrop = 0.02;

}

CChartRenderer::CChartRenderer(const CChartStore& store, const CChartLayout& layout, CChartDrawList& list)
    : m_store(store), m_layout(layout), m_list(list)
{
}

void CChartRenderer::Render(const std::function<void()>& customDrawing)
{
    DrawBackground();
    DrawGrid();
    DrawSets();
    if (customDrawing)
        customDrawing();
    DrawTitle();
}

void CChartRenderer::DrawBackground()
{
    const CChartPoint low = {m_layout.Left(), m_layout.Bottom()};
    const CChartPoint high = {m_layout.Left() + m_layout.Width(), m_layout.Top()};
    m_list.Clear(m_layout.ChartWidth(), m_layout.ChartHeight(), low, high);
    m_list.AddFill({0, 0}, {double(m_list.Width()), double(m_list.Height())},
                   ChartColour(m_store.GetInt(ChartPropertyId::Background, 0, 0)));
    m_list.AddFrame(low, high, kFrameColour, kChartSolid);
}

void CChartRenderer::DrawGrid()
{
    const double dLeft = m_layout.Left();
    const double dRight = dLeft + m_layout.Width();
    for (double dValue : m_layout.GridValues()) {
        const double y = m_layout.ValueY(dValue);
        m_list.AddLine({{dLeft, y}, {dRight, y}}, kGridColour, 1, kChartSolid, false);
    }
    if (m_layout.AxisY() != m_layout.Bottom())
        m_list.AddLine({{dLeft, m_layout.AxisY()}, {dRight, m_layout.AxisY()}}, kFrameColour, 1, kChartSolid,
                       false);
}

bool CChartRenderer::IsGap(double dValue) const
{
    if (IsMissingValue(dValue))
        return true;
    return m_store.GetInt(ChartPropertyId::MissingData) != 0
           && dValue < m_store.GetNumber(ChartPropertyId::LimitLowValue);
}

// With ThickLines a set's pattern number is its pen width, with
// PatternedLines its pen style.
void CChartRenderer::DrawSets()
{
    const bool bThick = m_store.GetInt(ChartPropertyId::ThickLines) != 0;
    const bool bPatterned = m_store.GetInt(ChartPropertyId::PatternedLines) != 0;
    const bool bClip = m_store.GetInt(ChartPropertyId::ClipGraph) != 0;
    const int nSets = m_store.GetInt(ChartPropertyId::NumSets);
    const int nPoints = m_store.GetInt(ChartPropertyId::NumPoints);
    for (int nSet = 0; nSet < nSets; ++nSet) {
        const int nPattern = m_store.GetInt(ChartPropertyId::PatternData, 0, nSet);
        const int nWidth = bThick ? std::max(nPattern, 1) : 1;
        const int nStyle = bPatterned ? nPattern : kChartSolid;
        const COLORREF colour = ChartColour(m_store.GetInt(ChartPropertyId::ColorData, 0, nSet));
        auto valueAt = [&](int nPoint) { return m_store.GetNumber(ChartPropertyId::GraphData, nSet, nPoint); };
        for (const CValueRun& run : PresentValueRuns(nPoints, [&](int p) { return IsGap(valueAt(p)); })) {
            std::vector<CChartPoint> points;
            for (int p = run.nFirst; p <= run.nLast; ++p)
                points.push_back({m_layout.PointX(p), m_layout.ValueY(valueAt(p))});
            m_list.AddLine(std::move(points), colour, nWidth, nStyle, bClip);
        }
    }
}

void CChartRenderer::DrawTitle()
{
    CString sTitle = m_store.GetText(ChartPropertyId::GraphTitle);
    sTitle.TrimLeft();
    sTitle.TrimRight();
    if (sTitle.IsEmpty())
        return;
    CChartItem text;
    text.points = {{m_list.Width() / 2.0, m_list.Height() * (1.0 - kTitleDrop)}};
    text.sText = sTitle;
    text.sFace = "Arial";
    text.nFontHeight = ChartFontPixels(m_store.GetInt(ChartPropertyId::FontSize, 0, 0));
    text.anchor = ChartAnchor::Centre;
    m_list.AddText(text);
}
