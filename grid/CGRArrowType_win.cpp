// The drawing of side arrows: strokes 7, 5 and 3 pixels long on screen,
// filled triangles on paper.
#include "CGRArrowType.h"

#include "afxwin.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"

namespace {

const int kSingleWidth = 10;
const int kDoubleWidth = 14;
const int kSecondArrowOffset = 4;

// Three strokes, the longest at the back: (cx, cy) is the middle stroke.
void DrawStrokes(CDC* pDC, int cx, int cy, int nDirection)
{
    const int kHalfLengths[] = {3, 2, 1};
    for (int i = 0; i < 3; ++i) {
        int x = cx + (i - 1) * nDirection;
        pDC->MoveTo(x, cy - kHalfLengths[i]);
        pDC->LineTo(x, cy + kHalfLengths[i] + 1);
    }
}

void DrawTriangle(CDC* pDC, int cx, int cy, int nDirection, double dScale)
{
    int nHalf = static_cast<int>(3 * dScale + 0.5);
    int nBack = cx - nDirection * static_cast<int>(1 * dScale + 0.5);
    POINT points[3] = {{nBack, cy - nHalf}, {nBack, cy + nHalf}, {cx + nDirection * nHalf, cy}};
    pDC->Polygon(points, 3);
}

}

void CGRArrowType::OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                          int nCurrent)
{
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    CRect inner;
    DrawBorder(pDC, pRect, &inner, pCell);
    bool bHighlight = nSelected || (nCurrent && pInfo && (pInfo->m_nDrawingOptions[0] & 2));
    COLORREF crText = bHighlight ? pCell->GetHighlightTextColor() : pCell->GetTextColor();
    DrawBackground(pDC, &inner, bHighlight ? pCell->GetHighlightBackColor() : pCell->GetBackColor(), nRow, nCol,
                   pCell, nCurrent, nSelected);
    if (pRect->Width() < 4)
        return;
    long lStyle = pCell->GetCellTypeEx();
    int nDirection = (lStyle == kStyleLeft || lStyle == kStyleDoubleLeft) ? -1 : 1;
    bool bDouble = lStyle == kStyleDoubleRight || lStyle == kStyleDoubleLeft;
    CPoint centre = pRect->CenterPoint();
    CPen pen(PS_SOLID, 1, crText);
    CBrush brush(crText);
    CScopedSaveDC saved(*pDC);
    pDC->SelectObject(&pen);
    pDC->SelectObject(&brush);
    int nSecond = static_cast<int>(kSecondArrowOffset * (pDC->IsPrinting() ? m_dPrintScale : 1.0));
    int x = bDouble ? centre.x - nDirection * nSecond / 2 : centre.x;
    for (int nArrow = 0; nArrow < (bDouble ? 2 : 1); ++nArrow, x += nDirection * nSecond) {
        if (pDC->IsPrinting())
            DrawTriangle(pDC, x, centre.y, nDirection, m_dPrintScale);
        else
            DrawStrokes(pDC, x, centre.y, nDirection);
    }
}

void CGRArrowType::GetBestSize(CDC*, CSize* pSize, CGRCell* pCell)
{
    long lStyle = pCell->GetCellTypeEx();
    bool bDouble = lStyle == kStyleDoubleRight || lStyle == kStyleDoubleLeft;
    pSize->cx = bDouble ? kDoubleWidth : kSingleWidth;
}
