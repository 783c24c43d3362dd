#include "CChartDcMeasure.h"

#include "ChartFont.h"

CChartDcMeasure::CChartDcMeasure()
{
    m_dc.CreateCompatibleDC(nullptr);
}

// The font of the last measurement is kept: the custom drawing measures
// many texts in one font in a row.
void CChartDcMeasure::SelectFont(const CString& sFace, int nFontHeight)
{
    if (m_font.GetSafeHandle() && sFace == m_sFace && nFontHeight == m_nFontHeight)
        return;
    CFont font;
    if (!CreateChartFont(font, sFace, nFontHeight, false))
        return;
    m_dc.SelectObject(&font);
    m_font = std::move(font);
    m_sFace = sFace;
    m_nFontHeight = nFontHeight;
}

double CChartDcMeasure::TextWidth(const CString& sFace, int nFontHeight, const CString& sText)
{
    SelectFont(sFace, nFontHeight);
    return m_dc.GetTextExtent(sText).cx;
}

double CChartDcMeasure::LineHeight(const CString& sFace, int nFontHeight)
{
    SelectFont(sFace, nFontHeight);
    TEXTMETRIC metrics = {};
    m_dc.GetTextMetrics(&metrics);
    return metrics.tmHeight;
}
