#pragma once
// Classes in this file: CChartTextMeasure, what the chart's drawing calls
// need to know of a font: the width of a text and the height of a line, in
// chart units. The window side measures on a memory device context; a
// metafile being recorded cannot measure.

#include "CString.h"

class CChartTextMeasure {
public:
    virtual ~CChartTextMeasure() = default;
    virtual double TextWidth(const CString& sFace, int nFontHeight, const CString& sText) = 0;
    virtual double LineHeight(const CString& sFace, int nFontHeight) = 0;
};
