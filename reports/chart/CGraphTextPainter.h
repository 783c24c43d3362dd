#pragma once
// Classes in this file: CGraphTextPainter, the program's own texts on a
// chart, drawn in the chart's custom drawing (WM_GRAPHPAINT): frame and
// range boxes, the band labels, the letter-spaced frequency title, the
// value-axis numbers and title written upwards from its end, and the
// legend. Every position follows the plot geometry the chart reports
// (SDKInfo), so the texts move with the plot.
//
// Built: the report's standard sound-insulation and ASTM charts and the
// result table's chart. The other report kinds (impact reduction,
// improvement, absorption, loss factor, reverberation, multiplot) are not.

#include "CGraphProps.h"

#include "model/ReportInfo.h"

#include <vector>

class CGraphTextPainter {
public:
    CGraphTextPainter(CGraphProps& graph, const CReportInfo& info);

    // The report's standard chart: the reference-curve legend names the
    // shifted curve when bShiftedRefCurve.
    void DrawGraphTexts(bool bShiftedRefCurve);
    // The report's ASTM chart: the reference contour and the rating's symbol.
    void DrawGraphTextsASTM();
    // The result table's chart; aSetTitles are the titles of the per-set
    // results (their legend shows with two or more).
    void DrawResultGraphTexts(const std::vector<CString>& aSetTitles);
    // One character at a time: x to the nearest whole unit, y truncated;
    // after each character x moves on by its width plus 3.6, truncated.
    void DrawSpacedText(double x, double y, int nMode, int nAlign, int nFlag, const CString& sText);

private:
    struct CPlot {
        double L, B, W, H, T, k, u, dAxisLow;
    };
    CPlot ReadPlot();
    void DrawFrame(const CPlot& plot, int nExchangedKind, bool bRangeBands);
    void DrawFrequencyAxis(const CPlot& plot, int nTitleSize, bool bSpaced, double dMarkY);
    void DrawValueAxis(const CPlot& plot, int nNumbers, double dMarkX);
    void DrawValueTitle(const CPlot& plot, const CString& sMain, int nMainSize, const CString& sSubscript,
                        int nSubscriptSize, int nUnitSize);
    void DrawReferenceLegend(const CPlot& plot, const CString& sCurve, const CString& sSecond, int nSecondWidth,
                             int nSecondColour, int nSecondMode);
    void DrawResultLegend(const CPlot& plot);
    void DrawSetsLegend(const CPlot& plot, const std::vector<CString>& aSetTitles);
    void SetFont(const char* lpszFace, int nSize);
    double Width(const CString& sText);
    CString ReferenceCurveText(bool bShiftedRefCurve) const;
    bool NoResultChart() const;

    CGraphProps& m_graph;
    const CReportInfo& m_info;
};
