#include "PageHeaderFooter.h"

#include "CScopedSelectObject.h"

CPageHeaderFooter::CPageHeaderFooter(const CPageSetup& setup, const CPageTextValues& values, int nWeight)
    : m_setup(setup), m_values(values), m_nWeight(nWeight)
{
}

// In 0.1 mm with y upward (MM_LOMETRIC), the font 30 high is 3 mm on any
// printer. The parts go centre, left, right, first the header, then the
// footer. The lines are placed by the printable area in device pixels: the
// framework's drawing rectangle is in the logical units that the grid's
// previous page left behind, which would move the lines from the second
// page on.
void CPageHeaderFooter::Draw(CDC* pDC) const
{
    const CRect rectDraw(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    const int nOldMapMode = pDC->GetMapMode();
    pDC->SetMapMode(MM_LOMETRIC);
    CFont font;
    font.CreateFont(30, 0, 0, 0, m_nWeight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    {
        CScopedSelectObject selectFont(*pDC, font);
        DrawPart(pDC, rectDraw, m_setup.m_sHeaderCenter, Column::Centre, Line::Header);
        DrawPart(pDC, rectDraw, m_setup.m_sHeaderLeft, Column::Left, Line::Header);
        DrawPart(pDC, rectDraw, m_setup.m_sHeaderRight, Column::Right, Line::Header);
        DrawPart(pDC, rectDraw, m_setup.m_sFooterCenter, Column::Centre, Line::Footer);
        DrawPart(pDC, rectDraw, m_setup.m_sFooterLeft, Column::Left, Line::Footer);
        DrawPart(pDC, rectDraw, m_setup.m_sFooterRight, Column::Right, Line::Footer);
    }
    pDC->SetMapMode(nOldMapMode);
}

// The header's top lies 35 device units below the rectangle's top, the
// footer's bottom on its bottom. Left parts start at the left margin, right
// parts end 2 mm inside the rectangle, centred parts are centred on its
// middle moved right by half of the left margin beyond 2 mm (the grid's
// pages are moved by the margin the same way).
void CPageHeaderFooter::DrawPart(CDC* pDC, const CRect& rectDraw, const CString& sPart, Column column,
                                 Line line) const
{
    const CString sText = ExpandPageText(sPart, m_values);
    const CSize extent = pDC->GetTextExtent(sText);
    CPoint anchor(0, line == Line::Header ? rectDraw.top + 35 : rectDraw.bottom);
    if (column == Column::Centre)
        anchor.x = (rectDraw.left + rectDraw.right) / 2;
    else if (column == Column::Right)
        anchor.x = rectDraw.right;
    pDC->DPtoLP(&anchor);
    const int nLeftMargin = m_setup.m_nLeftMargin;
    int x = 10 * nLeftMargin;
    if (column == Column::Centre)
        x = anchor.x + 5 * (nLeftMargin - 2) - extent.cx / 2;
    else if (column == Column::Right)
        x = anchor.x - 20 - extent.cx;
    const int y = line == Line::Header ? anchor.y : anchor.y + extent.cy;
    pDC->TextOut(x, y, sText);
}
