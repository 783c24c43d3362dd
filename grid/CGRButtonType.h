#pragma once
// Classes in this file: CGRButtonType, a cell that is a push button: it
// looks pressed while the left button holds it and reports a click when
// the button is released over it, or Enter is pressed on it.

#include "CGRCellType.h"

class CGRButtonType : public CGRCellType {
public:
    CGRButtonType();

    // The current cell sets the cell area's focus mark.
    static constexpr long kStyleFocusMark = 0x10;
    // Sent to the grid: clicked, pressed, released.
    static constexpr long kMessageClicked = 1;
    static constexpr long kMessagePressed = 2;
    static constexpr long kMessageReleased = 3;

    int OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint) override;
    int OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint) override;
    int OnKeyDown(int nCol, int nRow, UINT* pnVirtualKey) override;
    int OnMouseMove(int nCol, int nRow, CPoint* pPoint, UINT nFlags) override;
    void OnKillFocus(int nCol, int nRow, CGRCell* pCell) override;
    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected, int nCurrent) override;

    int IsPressed() const;

private:
    int m_bPressed = 0;
    int m_nPressedCol = -1;
    int m_nPressedRow = -1;
    CRect m_pressedRect;
};
