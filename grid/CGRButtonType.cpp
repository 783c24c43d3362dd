#include "CGRButtonType.h"

#include "afxwin.h"

#include "CGRCell.h"
#include "CGRCtrl.h"

// A button's caption never runs on into its neighbours.
CGRButtonType::CGRButtonType()
{
    m_nCanOverlap = 0;
}

int CGRButtonType::IsPressed() const
{
    return m_bPressed;
}

// Released over the cell it was pressed on, the button was clicked.
int CGRButtonType::OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint*)
{
    if (nUpDown) {
        OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessagePressed, 0);
        m_bPressed = 1;
        m_nPressedCol = nCol;
        m_nPressedRow = nRow;
        m_pressedRect = *pRect;
    } else {
        OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessageReleased, 0);
        if (m_bPressed && nCol == m_nPressedCol && nRow == m_nPressedRow)
            OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessageClicked, 0);
        m_bPressed = 0;
    }
    if (m_pCtrl)
        m_pCtrl->RedrawCell(m_nPressedCol, m_nPressedRow);
    return 1;
}

int CGRButtonType::OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint)
{
    return OnLClicked(nCol, nRow, 1, pRect, pPoint);
}

int CGRButtonType::OnKeyDown(int nCol, int nRow, UINT* pnVirtualKey)
{
    if (*pnVirtualKey != VK_RETURN)
        return 0;
    OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessageClicked, 0);
    return 1;
}

// Held down, the button looks pressed only while the pointer is over it.
int CGRButtonType::OnMouseMove(int, int, CPoint* pPoint, UINT nFlags)
{
    if (!(nFlags & MK_LBUTTON) || m_nPressedCol < 0)
        return 0;
    int bPressed = m_pressedRect.PtInRect(*pPoint) ? 1 : 0;
    if (bPressed != m_bPressed) {
        m_bPressed = bPressed;
        if (m_pCtrl)
            m_pCtrl->RedrawCell(m_nPressedCol, m_nPressedRow);
    }
    return 1;
}

void CGRButtonType::OnKillFocus(int, int, CGRCell*)
{
    m_bPressed = 0;
}

// A raised frame, sunken while pressed on the current cell; the caption
// inside it.
void CGRButtonType::OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                           int nCurrent)
{
    CGRCell cell;
    cell.CopyFrom(pCell);
    cell.SetBorderStyle(m_bPressed && nCurrent ? kBorderSunken : kBorderRaised);
    CRect inner;
    DrawBorder(pDC, pRect, &inner, &cell);
    DrawText(pDC, &inner, 0, nCol, nRow, &cell, nSelected, nCurrent);
    if ((pCell->GetCellTypeEx() & kStyleFocusMark) && nCurrent)
        if (auto* pCtrl = dynamic_cast<CGRCtrl*>(m_pCtrl))
            pCtrl->GetCellArea()->SuppressFocusRectOnce();
}
