#pragma once
// Classes in this file: CChartRenderer, one render of a line chart into a
// drawing list: the background, the plot frame, the horizontal grid, the x
// axis, one line per set and per unbroken run of its points, then the
// caller's custom drawing, then the chart title (so a title set during the
// custom drawing is drawn).

#include "CChartDrawList.h"
#include "CChartLayout.h"

#include <functional>

class CChartRenderer {
public:
    CChartRenderer(const CChartStore& store, const CChartLayout& layout, CChartDrawList& list);

    void Render(const std::function<void()>& customDrawing);

    // A point that breaks its line: missing, not finite, or below
    // LimitLowValue when MissingData asks for it.
    bool IsGap(double dValue) const;

private:
    void DrawBackground();
    void DrawGrid();
    void DrawSets();
    void DrawTitle();

    const CChartStore& m_store;
    const CChartLayout& m_layout;
    CChartDrawList& m_list;
};
