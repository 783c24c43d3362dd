#include "CTKStatusbarSkin2003.h"

#include "CTKSkin2003.h"

namespace {

void DrawVerticalLine(CDC* pDC, int x, int yTop, int yBottom, COLORREF cr)
{
    CPen pen(PS_SOLID, 1, cr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(x, yTop);
    pDC->LineTo(x, yBottom);
    pDC->SelectObject(pOldPen);
}

}  // namespace

CTKStatusbarSkin2003::CTKStatusbarSkin2003(CTKSkin2003* pSkin) : CTKStatusbarSkinXP(pSkin), m_pSkin2003(pSkin)
{
}

// The band: a 3-pixel gradient at the top, a 5-pixel one at the bottom and
// the middle colour between them.
void CTKStatusbarSkin2003::FillBackground(CDC* pDC, const CRect& rect)
{
    const COLORREF crMiddle = m_pSkin2003->GetStatusbarColor2();
    pDC->FillSolidRect(&rect, crMiddle);
    CRect rectTop(rect.left, rect.top, rect.right, rect.top + 3);
    m_pSkin2003->GradientFillRect(pDC, rectTop, m_pSkin2003->GetStatusbarColor1(), crMiddle, 1);
    CRect rectBottom(rect.left, rect.bottom - 5, rect.right, rect.bottom);
    m_pSkin2003->GradientFillRect(pDC, rectBottom, crMiddle, m_pSkin2003->GetStatusbarColor3(), 1);
}

// An etched separator at the pane's right edge.
void CTKStatusbarSkin2003::DrawPaneFrame(CDC* pDC, const CRect& rectPane)
{
    CRect rect = rectPane;
    rect.DeflateRect(0, 2);
    DrawVerticalLine(pDC, rect.right, rect.top, rect.bottom, m_pSkin2003->GetSeparatorColor());
    DrawVerticalLine(pDC, rect.right + 1, rect.top + 1, rect.bottom + 1, RGB(255, 255, 255));
}

// Six 2 x 2 dots in a triangle towards the lower right corner, each with a
// light dot behind it.
void CTKStatusbarSkin2003::DrawGripperSquare(CDC* pDC, const CRect& rectSquare)
{
    CRect rectBand = rectSquare;
    rectBand.left += 3;
    FillBackground(pDC, rectBand);
    const int kOffsets[] = {7, 11, 15};
    const COLORREF crLight = CTKSkinXP::SysColor(COLOR_WINDOW);
    const COLORREF crDot = m_pSkin2003->GetGripperColor();
    for (int nRow = 0; nRow < 3; ++nRow) {
        for (int nColumn = 0; nColumn < 3; ++nColumn) {
            if (nRow + nColumn < 2)
                continue;
            const int x = rectSquare.left + kOffsets[nColumn];
            const int y = rectSquare.top + kOffsets[nRow];
            pDC->FillSolidRect(x, y, 2, 2, crLight);
            pDC->FillSolidRect(x - 1, y - 1, 2, 2, crDot);
        }
    }
}
