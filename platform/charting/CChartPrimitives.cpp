#include "CChartPrimitives.h"

#include "ChartStyle.h"

#include <algorithm>
#include <cmath>

namespace {

const COLORREF kInk = RGB(0, 0, 0);
const COLORREF kLightFrame = RGB(160, 160, 160);

// Alignment code bits of a text: anchored at its end, anchored at its
// baseline (else at its top), written upwards.
constexpr int kAlignEnd = 4;
constexpr int kAlignBaseline = 16;
constexpr int kAlignUpwards = 32;
// Mode 1 draws a text on its own background, mode 3 over what is there.
constexpr int kModeOpaque = 1;

// Box kinds (first code): 2 and 1 frame the box, 6 outlines it lightly, 2
// with a dashed line (second code 6) marks the frequency range; 17, 19
// and 20 draw the axis along its lower edge. A second code of 1 marks a
// box whose extents were given exchanged: it is not drawn.
constexpr int kBoxFrame = 2;
constexpr int kBoxLight = 6;
constexpr int kBoxDashed = 6;
constexpr int kBoxExchanged = 1;
constexpr int kAxisKinds[] = {17, 19, 20};
constexpr int kAxisWidth = 2;

// Line samples: the second code 2 is dashed, else solid; the first code
// is twice the pen width (4 is the width of a data line).
constexpr int kSampleDashed = 2;

}

CChartPrimitives::CChartPrimitives(CChartTextMeasure& measure) : m_measure(measure) {}

void CChartPrimitives::SetTarget(CChartDrawList* pList, double dAxisTop)
{
    m_pList = pList;
    m_dAxisTop = dAxisTop;
}

void CChartPrimitives::SetFontFace(const CString& sFace)
{
    m_sFace = sFace;
}

void CChartPrimitives::SetFontSize(int nSize)
{
    m_nSize = nSize;
}

CChartItem CChartPrimitives::TextItem(double x, double y, const CString& sText) const
{
    CChartItem text;
    text.points = {{x, y}};
    text.sText = sText;
    text.sFace = m_sFace;
    text.nFontHeight = ChartFontPixels(m_nSize);
    text.colour = kInk;
    return text;
}

// 0 when drawn, 1 when no chart is being drawn.
int CChartPrimitives::DrawText(double x, double y, int nMode, int nAlign, const CString& sText)
{
    if (!m_pList)
        return 1;
    CChartItem text = TextItem(x, y, sText);
    text.anchor = (nAlign & kAlignEnd) ? ChartAnchor::Right : ChartAnchor::Left;
    text.bBaseline = (nAlign & kAlignBaseline) != 0;
    text.bRotated = (nAlign & kAlignUpwards) != 0;
    text.bOpaque = nMode == kModeOpaque;
    m_pList->AddText(text);
    return 0;
}

double CChartPrimitives::TextWidth(const CString& sText)
{
    return m_measure.TextWidth(m_sFace, ChartFontPixels(m_nSize), sText);
}

double CChartPrimitives::LineHeight()
{
    return m_measure.LineHeight(m_sFace, ChartFontPixels(m_nSize));
}

// Label i stands centred under point i, its top at y; empty labels are
// skipped.
void CChartPrimitives::DrawLabelRow(double x, double y, double dStep, const std::vector<CString>& aLabels)
{
    if (!m_pList)
        return;
    for (size_t i = 0; i < aLabels.size(); ++i) {
        if (aLabels[i].IsEmpty())
            continue;
        CChartItem text = TextItem(x + (i + 0.5) * dStep, y, aLabels[i]);
        text.anchor = ChartAnchor::Centre;
        m_pList->AddText(text);
    }
}

void CChartPrimitives::DrawBox(double x, double y, double cx, double cy, int nKind, int nLine)
{
    if (!m_pList || nLine == kBoxExchanged)
        return;
    const CChartPoint low = {x, y};
    const CChartPoint high = {x + cx, y + cy};
    if (std::find(std::begin(kAxisKinds), std::end(kAxisKinds), nKind) != std::end(kAxisKinds))
        m_pList->AddLine({low, {x + cx, y}}, kInk, kAxisWidth, kChartSolid, false);
    else if (nKind == kBoxFrame && nLine == kBoxDashed)
        m_pList->AddFrame(low, high, kInk, kChartDash);
    else
        m_pList->AddFrame(low, high, nKind == kBoxLight ? kLightFrame : kInk, kChartSolid);
}

void CChartPrimitives::DrawLineSample(double x1, double y1, double x2, double y2, int nWidth, int nStyle,
                                      int nColour)
{
    if (!m_pList)
        return;
    m_pList->AddLine({{x1, y1}, {x2, y2}}, ChartColour(nColour), std::max(nWidth / 2, 1),
                     nStyle == kSampleDashed ? kChartDash : kChartSolid, false);
}

// A line with an open head of two strokes at its end, each dHeadSize long
// and 30 degrees off the line.
void CChartPrimitives::DrawArrow(double x1, double y1, double x2, double y2, double dHeadSize)
{
    if (!m_pList)
        return;
    m_pList->AddLine({{x1, y1}, {x2, y2}}, kInk, 1, kChartSolid, false);
    const double dAngle = std::atan2(y2 - y1, x2 - x1);
    const double kSpread = 0.5236;  // 30 degrees in radians
    for (double dSide : {-1.0, 1.0}) {
        const double dStroke = dAngle + 3.14159265358979 + dSide * kSpread;
        m_pList->AddLine({{x2, y2}, {x2 + dHeadSize * std::cos(dStroke), y2 + dHeadSize * std::sin(dStroke)}},
                         kInk, 1, kChartSolid, false);
    }
}

// Number i (first + i x step, with nDecimals decimals) stands right-aligned
// at x, centred on y + i x spacing; numbers above the axis's top are left
// out.
void CChartPrimitives::DrawValueNumbers(double x, double y, double dSpacing, double dFirst, double dStep,
                                        int nDecimals, int nCount)
{
    if (!m_pList)
        return;
    const double dHalfLine = LineHeight() / 2.0;
    for (int i = 0; i < nCount; ++i) {
        const double dValue = dFirst + i * dStep;
        if (dValue > m_dAxisTop + std::fabs(dStep) * 1e-6)
            break;
        CString sNumber;
        sNumber.Format("%.*f", std::clamp(nDecimals, 0, 9), dValue);
        CChartItem text = TextItem(x, y + i * dSpacing + dHalfLine, sNumber);
        text.anchor = ChartAnchor::Right;
        m_pList->AddText(text);
    }
}
