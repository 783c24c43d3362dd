#pragma once
// Classes in this file: CChartDcMeasure, text measured on a memory device
// context of the screen: a metafile being recorded cannot measure, so the
// widths the custom drawing asks for come from here whatever the chart
// draws into.

#include "ChartTextMeasure.h"

#include "CDC.h"
#include "CFont.h"

class CChartDcMeasure : public CChartTextMeasure {
public:
    CChartDcMeasure();
    double TextWidth(const CString& sFace, int nFontHeight, const CString& sText) override;
    double LineHeight(const CString& sFace, int nFontHeight) override;

private:
    void SelectFont(const CString& sFace, int nFontHeight);

    CFont m_font;  // deleted after the DC that selects it
    CDC m_dc;
    CString m_sFace;
    int m_nFontHeight = 0;
};
