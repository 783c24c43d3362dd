#pragma once
// A chart's properties as the result chart sets them: white background,
// sets in blue, black and red, thick lines, -999.0 breaks a line.

#include "platform/charting/CChartStore.h"

#include <vector>

inline CChartStore ResultChartStore(const std::vector<std::vector<double>>& aSets)
{
    CChartStore store;
    auto set = [&](ChartPropertyId id, double dValue, int nCol = 0) { store.SetNumber(id, 0, nCol, dValue); };
    set(ChartPropertyId::Background, 15);
    set(ChartPropertyId::MissingData, 2);
    set(ChartPropertyId::LimitLowValue, -998.0);
    set(ChartPropertyId::NumSets, static_cast<double>(aSets.size()));
    set(ChartPropertyId::NumPoints, aSets.empty() ? 0.0 : static_cast<double>(aSets[0].size()));
    const int kColours[] = {9, 0, 12};
    for (size_t s = 0; s < aSets.size(); ++s) {
        set(ChartPropertyId::ColorData, kColours[s % 3], static_cast<int>(s));
        set(ChartPropertyId::PatternData, 2, static_cast<int>(s));
        for (size_t p = 0; p < aSets[s].size(); ++p)
            store.SetNumber(ChartPropertyId::GraphData, static_cast<int>(s), static_cast<int>(p), aSets[s][p]);
    }
    set(ChartPropertyId::ThickLines, 1);
    set(ChartPropertyId::ClipGraph, 1);
    set(ChartPropertyId::YAxisMax, 120.0);
    set(ChartPropertyId::YAxisMin, 20.0);
    return store;
}
