#include "MultiplotLineSampleType.h"

#include "grid/CGRCell.h"
#include "grid/CGRCtrlCore.h"

#include "afxwin.h"

#include <algorithm>
#include <cmath>

void CMultiplotLineSampleType::OnDraw(CDC* pDC, CRect* pRect, int, int, CGRCell* pCell, int nSelected, int)
{
    pDC->FillSolidRect(pRect, nSelected ? pCell->GetHighlightBackColor() : pCell->GetBackColor());
    const long lSample = pCell->GetParam();
    if (lSample >= 0 && lSample < static_cast<long>(m_aSamples.size()))
        DrawSample(pDC, *pRect, m_aSamples[static_cast<size_t>(lSample)]);
}

// The sample is drawn with a one-pixel pen, line by line, so that its
// pattern and thickness are the same on every device; on paper both grow
// with the printout's scale.
void CMultiplotLineSampleType::DrawSample(CDC* pDC, const CRect& rect, const CMultiplotLineStyle& sample) const
{
    const double dScale = pDC->IsPrinting() && GetCtrl() != nullptr ? GetCtrl()->GetPrintScale() : 1.0;
    const int nScale = std::max(1, static_cast<int>(std::lround(dScale)));
    const int nThickness = sample.SampleThickness() * nScale;
    const int yTop = rect.top + (rect.Height() - nThickness) / 2;
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, sample.Color());
    CScopedSelectObject selected(*pDC, pen);
    for (const CMultiplotLineStyle::CSegment& segment : sample.SampleSegments(rect.Width(), nScale)) {
        for (int y = yTop; y < yTop + nThickness; ++y) {
            pDC->MoveTo(rect.left + segment.m_nStart, y);
            pDC->LineTo(rect.left + segment.m_nEnd, y);
        }
    }
}
