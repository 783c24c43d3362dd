#pragma once
// Classes in this file: CChartGdiPainter, a drawing list drawn with GDI
// into a device context whose logical units are the chart's pixels, y
// down: the window's DC, or a metafile recorded at the chart's size.

#include "CChartDrawList.h"

#include "CDC.h"

class CChartGdiPainter {
public:
    explicit CChartGdiPainter(const CChartDrawList& list);
    void Paint(CDC& dc) const;

private:
    POINT Device(const CChartPoint& point) const;
    CRect DeviceRect(const CChartPoint& a, const CChartPoint& b) const;
    void PaintFrame(CDC& dc, const CChartItem& item) const;
    void PaintLine(CDC& dc, const CChartItem& item) const;
    void PaintText(CDC& dc, const CChartItem& item) const;

    const CChartDrawList& m_list;
};
