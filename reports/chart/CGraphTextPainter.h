#pragma once
// Classes in this file: CGraphTextPainter, the program's own texts on a
// chart, drawn in the chart's custom drawing (WM_GRAPHPAINT): frame and
// range boxes, the band labels, the letter-spaced frequency title, the
// value-axis numbers and title written upwards from its end, and the
// legend. Every position follows the plot geometry the chart reports
// (SDKInfo), so the texts move with the plot.
//
// One member per chart kind of the report (standard, ASTM, impact
// reduction, improvement, absorption, loss factor, reverberation,
// multiplot) and the result table's chart.

#include "CGraphProps.h"

#include "model/ReportInfo.h"

#include <vector>

class CGraphTextPainter {
public:
    CGraphTextPainter(CGraphProps& graph, const CReportInfo& info);

    // The report's sound-insulation charts: hands absorption, loss-factor,
    // impact-reduction and improvement projects to their members, else
    // draws the standard chart, whose reference-curve legend names the
    // shifted curve when bShiftedRefCurve.
    void DrawGraphTexts(bool bShiftedRefCurve);
    // The report's ASTM chart: the reference contour and the rating's symbol.
    void DrawGraphTextsASTM();
    void DrawGraphTextsImpactReduction();
    void DrawGraphTextsImprovement();
    void DrawGraphTextsAbsorption();
    void DrawGraphTextsLossFactor();
    void DrawGraphTextsReverberation();
    // nGraphType 0 levels, 1 reverberation times, 2 absorption (by octaves
    // when bOctaveData); any other sets the chart's title only.
    void DrawGraphTextsMultiplot(int nGraphType, bool bOctaveData);
    // The result table's chart; aSetTitles are the titles of the per-set
    // results (their legend shows with two or more).
    void DrawResultGraphTexts(const std::vector<CString>& aSetTitles);
    // One character at a time: x to the nearest whole unit, y truncated;
    // after each character x moves on by its width plus 3.6, truncated.
    void DrawSpacedText(double x, double y, int nMode, int nAlign, int nFlag, const CString& sText);

private:
    struct CPlot {
        double L, B, W, H, T, k, u, dAxisLow, dAxisHigh;
    };
    // The value-axis numbers: the first (the axis's lower end) centred on
    // dFirstY, then one every dSpacing units, dStep apart.
    struct CValueScale {
        double dFirstY, dSpacing, dStep;
        int nDecimals, nCount;
    };
    CPlot ReadPlot();
    CPlot PlotFromAxisBottom();
    double ZeroExtent();
    void DrawFrame(const CPlot& plot, int nExchangedKind, bool bRangeBands);
    void DrawOutline(const CPlot& plot, int nAxisKind, int nExchangedKind);
    void DrawDinRange(const CPlot& plot);
    void DrawBandLabels(const CPlot& plot, const std::vector<CString>& aLabels, int nSize);
    void DrawFrequencyTitle(const CPlot& plot, int nSize, double dTitleY, double dMarkY, bool bSpaced);
    void DrawValueAxis(const CPlot& plot, const CValueScale& scale, double dMarkX, double dMarkUnit);
    CValueScale LevelScale(const CPlot& plot, double dFirstY, int nCount) const;
    double CoefficientStep(const CPlot& plot) const;
    CValueScale AbsorptionScale(const CPlot& plot, double dFirstY) const;
    CValueScale ReverberationScale(const CPlot& plot, double dFirstY) const;
    void DrawValueTitle(const CPlot& plot, const CString& sMain, int nMainSize, const CString& sSubscript,
                        int nSubscriptSize, int nUnitSize, bool bFacadeAngle);
    void DrawDeltaTitle(const CPlot& plot, const CString& sUnit, const CString& sWidthText, double dDeltaShare,
                        const CString& sSubscript);
    void DrawDeltaChart(const CString& sUnit, const CString& sWidthText, double dDeltaShare,
                        const CString& sSubscript, const CString& sCurve);
    void DrawAbsorptionTitle(const CPlot& plot);
    void DrawUpwards(const char* lpszFace, int nSize, double x, double y, int nAlign, const CString& sText);
    void DrawReferenceLegend(const CPlot& plot, const CString& sCurve, const CString& sSecond, int nSecondWidth,
                             int nSecondColour, int nSecondMode);
    void DrawResultLegend(const CPlot& plot);
    void DrawSetsLegend(const CPlot& plot, const std::vector<CString>& aSetTitles);
    void SetFont(const char* lpszFace, int nSize);
    double Width(const CString& sText);
    double WidthIn(const char* lpszFace, int nSize, const CString& sText);
    CString ReferenceCurveText(bool bShiftedRefCurve) const;
    bool HasFacadeAngle() const;
    bool NoResultChart() const;

    CGraphProps& m_graph;
    const CReportInfo& m_info;
};
