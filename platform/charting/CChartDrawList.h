#pragma once
// Classes in this file: CChartDrawList, what one render of a chart draws, in
// order, in chart units (y up): filled and framed rectangles, lines and
// texts. The window, the exported metafile and the tests all read the same
// list, so what a test finds in it is what the screen and the file show.

#include "CString.h"

#include <vector>

struct CChartPoint {
    double x;
    double y;
};

enum class ChartItemKind { Fill, Frame, Line, Text };
enum class ChartAnchor { Left, Centre, Right };

// Pen styles of lines and frames.
constexpr int kChartSolid = 0;
constexpr int kChartDash = 1;
constexpr int kChartDot = 2;

struct CChartItem {
    ChartItemKind kind = ChartItemKind::Line;
    // Fill and Frame: two opposite corners; Line: its vertices; Text: its
    // anchor point.
    std::vector<CChartPoint> points;
    COLORREF colour = 0;
    int nPenWidth = 1;
    int nPenStyle = kChartSolid;
    // Lines of the data are cut at the plot's edges.
    bool bClipToPlot = false;
    CString sText;
    CString sFace;
    int nFontHeight = 0;
    ChartAnchor anchor = ChartAnchor::Left;
    bool bBaseline = false;  // anchored at the baseline, else at the top
    bool bRotated = false;   // written upwards
    bool bOpaque = false;    // on a background of its own
};

class CChartDrawList {
public:
    void Clear(int nWidth, int nHeight, const CChartPoint& plotLow, const CChartPoint& plotHigh);

    void AddFill(CChartPoint a, CChartPoint b, COLORREF colour);
    void AddFrame(CChartPoint a, CChartPoint b, COLORREF colour, int nPenStyle);
    void AddLine(std::vector<CChartPoint> points, COLORREF colour, int nPenWidth, int nPenStyle, bool bClip);
    void AddText(const CChartItem& text);

    const std::vector<CChartItem>& Items() const { return m_items; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    CChartPoint PlotLow() const { return m_plotLow; }
    CChartPoint PlotHigh() const { return m_plotHigh; }

private:
    std::vector<CChartItem> m_items;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CChartPoint m_plotLow = {0, 0};
    CChartPoint m_plotHigh = {0, 0};
};
