#pragma once
// Classes in this file: CChartPrimitives, the drawing calls a chart's
// custom drawing makes (texts, label rows, boxes, line samples, arrows,
// value-axis numbers), each adding its items to the drawing list of the
// chart being rendered. Positions are chart units, y up. The integer codes
// the calls take are explained at each function.

#include "CChartDrawList.h"
#include "ChartTextMeasure.h"

#include <vector>

class CChartPrimitives {
public:
    explicit CChartPrimitives(CChartTextMeasure& measure);

    // Where the drawing goes, and the top of the value axis there (numbers
    // above it are not drawn); null stops drawing.
    void SetTarget(CChartDrawList* pList, double dAxisTop);
    CChartDrawList* GetTarget() const { return m_pList; }

    void SetFontFace(const CString& sFace);
    void SetFontSize(int nSize);
    int DrawText(double x, double y, int nMode, int nAlign, const CString& sText);
    double TextWidth(const CString& sText);
    double LineHeight();
    void DrawLabelRow(double x, double y, double dStep, const std::vector<CString>& aLabels);
    void DrawBox(double x, double y, double cx, double cy, int nKind, int nLine);
    void DrawLineSample(double x1, double y1, double x2, double y2, int nWidth, int nStyle, int nColour);
    void DrawArrow(double x1, double y1, double x2, double y2, double dHeadSize);
    void DrawValueNumbers(double x, double y, double dSpacing, double dFirst, double dStep, int nDecimals,
                          int nCount);

private:
    CChartItem TextItem(double x, double y, const CString& sText) const;

    CChartTextMeasure& m_measure;
    CChartDrawList* m_pList = nullptr;
    double m_dAxisTop = 0.0;
    CString m_sFace = "Arial";
    int m_nSize = 80;
};
