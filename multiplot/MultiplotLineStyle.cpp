#include "MultiplotLineStyle.h"

#include <algorithm>

const COLORREF LineColorTable[16] = {
    RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
};

namespace {

int InTable(int nIndex, int nCount)
{
    return nIndex >= 0 && nIndex < nCount ? nIndex : 0;
}

// Lines told apart by their pattern are drawn two pixels thick, so that a
// dot stays visible.
constexpr int kPatternThickness = 2;

} // namespace

CMultiplotLineStyle::CMultiplotLineStyle(int nLineType, int nColor, int nStyle, int nWidth)
    : m_bByThickness(nLineType == kThicknessLineType),
      m_nColor(InTable(nColor, kColors)),
      m_nStyle(InTable(nStyle, kStyles)),
      m_nWidth(InTable(nWidth, kWidths))
{
}

// Width index 0 is the thinnest line the screen shows, one pixel.
int CMultiplotLineStyle::SampleThickness() const
{
    return m_bByThickness ? m_nWidth + 1 : kPatternThickness;
}

std::vector<int> CMultiplotLineStyle::PatternRuns() const
{
    if (m_bByThickness)
        return {};
    static const std::vector<int> aRuns[kStyles] = {
        {}, {5, 5}, {2, 4}, {8, 4, 3, 10}, {8, 4, 3, 3, 3, 4},
    };
    return aRuns[m_nStyle];
}

std::vector<CMultiplotLineStyle::CSegment> CMultiplotLineStyle::SampleSegments(int nLength, int nScale) const
{
    const std::vector<int> aRuns = PatternRuns();
    nScale = std::max(1, nScale);
    if (aRuns.empty())
        return nLength > 0 ? std::vector<CSegment>{{0, nLength}} : std::vector<CSegment>{};
    std::vector<CSegment> aSegments;
    int x = 0;
    for (size_t i = 0; x < nLength; i = (i + 1) % aRuns.size()) {
        const int nEnd = std::min(nLength, x + aRuns[i] * nScale);
        if (i % 2 == 0)
            aSegments.push_back({x, nEnd});
        x = nEnd;
    }
    return aSegments;
}

int CMultiplotLineStyle::PenStyle() const
{
    return m_bByThickness ? 0 : m_nStyle;
}

int CMultiplotLineStyle::PenWidth() const
{
    return m_bByThickness ? m_nWidth : 1;
}
