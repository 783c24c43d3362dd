#include "CGRSpinButtonType.h"

#include "afxwin.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"
#include "CGRSysColors.h"

namespace {
const CGRTypeId kSpinTypeId = {{'G', 'R', 'S', 'p', 'i', 'n', 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}};
}

CGRSpinButtonType::CGRSpinButtonType() : m_nButtonWidth(::GetSystemMetrics(SM_CXVSCROLL))
{
}

LPCTSTR CGRSpinButtonType::GetName()
{
    return "Spin Button";
}

const CGRTypeId& CGRSpinButtonType::GetTypeId()
{
    return kSpinTypeId;
}

int CGRSpinButtonType::GetPressedHalf() const
{
    return m_nPressedHalf;
}

int CGRSpinButtonType::GetEditArea(CRect* pRect)
{
    pRect->right -= m_nButtonWidth + 1;
    return 1;
}

void CGRSpinButtonType::RedrawPressed()
{
    if (m_pCtrl && m_nPressedCol >= 0)
        m_pCtrl->RedrawCell(m_nPressedCol, m_nPressedRow);
}

// The button column splits at the cell's middle: the upper half counts up,
// the lower one down.
int CGRSpinButtonType::OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint)
{
    if (!nUpDown) {
        if (m_nPressedHalf == kNone && m_nHeldHalf == kNone)
            return 0;
        m_nPressedHalf = m_nHeldHalf = kNone;
        RedrawPressed();
        return 1;
    }
    if (pPoint->x <= pRect->right - m_nButtonWidth)
        return 0;
    int yMiddle = pRect->top + pRect->Height() / 2;
    bool bLower = pPoint->y >= yMiddle;
    m_halfRect = bLower ? CRect(pRect->right - m_nButtonWidth, yMiddle, pRect->right, pRect->bottom)
                        : CRect(pRect->right - m_nButtonWidth, pRect->top, pRect->right, yMiddle);
    m_nPressedHalf = m_nHeldHalf = bLower ? kLower : kUpper;
    m_nPressedCol = nCol;
    m_nPressedRow = nRow;
    OnCellTypeNotify(m_nTypeIndex, nCol, nRow, bLower ? kMessageDown : kMessageUp, 0);
    RedrawPressed();
    return 1;
}

int CGRSpinButtonType::OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint)
{
    return OnLClicked(nCol, nRow, 1, pRect, pPoint);
}

// Held down, the pressed half looks pressed only under the pointer; with
// the button up both halves are released.
int CGRSpinButtonType::OnMouseMove(int, int, CPoint* pPoint, UINT nFlags)
{
    if (!(nFlags & MK_LBUTTON))
        m_nHeldHalf = kNone;
    int nShown = (m_nHeldHalf != kNone && m_halfRect.PtInRect(*pPoint)) ? m_nHeldHalf : kNone;
    if (nShown != m_nPressedHalf) {
        m_nPressedHalf = nShown;
        RedrawPressed();
    }
    return 0;
}

void CGRSpinButtonType::DrawHalf(CDC* pDC, const CRect& rect, bool bPressed, bool bUp)
{
    CGRCell frame;
    frame.SetBorderStyle(bPressed ? kBorderSunken : kBorderRaised);
    CRect frameRect = rect;
    CRect face;
    DrawBorder(pDC, &frameRect, &face, &frame);
    pDC->FillSolidRect(&face, GRSysColor(COLOR_BTNFACE));
    CPoint centre = face.CenterPoint();
    CScopedSaveDC saved(*pDC);
    pDC->SelectStockObject(BLACK_PEN);
    const int kHalfWidths[] = {0, 1, 2};
    for (int i = 0; i < 3; ++i) {
        int y = bUp ? centre.y - 1 + i : centre.y + 1 - i;
        pDC->MoveTo(centre.x - kHalfWidths[i], y);
        pDC->LineTo(centre.x + kHalfWidths[i] + 1, y);
    }
}

// As a drop list: the buttons at the right, the text in the rest.
void CGRSpinButtonType::OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                               int nCurrent)
{
    if ((pCell->GetCellTypeEx() & kStyleButtonsOnCurrent) && !nCurrent) {
        CGRCellType::OnDraw(pDC, pRect, nCol, nRow, pCell, nSelected, nCurrent);
        return;
    }
    CRect inner;
    DrawBorder(pDC, pRect, &inner, pCell);
    CRect textRect = inner;
    textRect.right -= m_nButtonWidth + 1;
    DrawText(pDC, &textRect, 0, nCol, nRow, pCell, nSelected, nCurrent);
    bool bThisCell = nCol == m_nPressedCol && nRow == m_nPressedRow;
    int yMiddle = inner.top + inner.Height() / 2;
    DrawHalf(pDC, CRect(inner.right - m_nButtonWidth, inner.top, inner.right, yMiddle),
             bThisCell && m_nPressedHalf == kUpper, true);
    DrawHalf(pDC, CRect(inner.right - m_nButtonWidth, yMiddle, inner.right, inner.bottom),
             bThisCell && m_nPressedHalf == kLower, false);
}

void CGRSpinButtonType::GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell)
{
    CGRCellType::GetBestSize(pDC, pSize, pCell);
    if (!(pCell->GetCellTypeEx() & kStyleButtonsOnCurrent))
        pSize->cx += m_nButtonWidth;
}
