#pragma once
// Classes in this file: CGRSpinButtonType, the "Spin Button" cell type: an
// up and a down button at the cell's right; a press on either is reported
// to the grid, which changes the value.

#include "CGRCellType.h"

class CGRSpinButtonType : public CGRCellType {
public:
    CGRSpinButtonType();

    // The buttons show on the current cell only.
    static constexpr long kStyleButtonsOnCurrent = 0x200;
    // Sent to the grid when a half is pressed.
    static constexpr long kMessageUp = 16;
    static constexpr long kMessageDown = 17;

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
    int GetEditArea(CRect* pRect) override;
    int OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint) override;
    int OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint) override;
    int OnMouseMove(int nCol, int nRow, CPoint* pPoint, UINT nFlags) override;
    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected, int nCurrent) override;
    void GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell) override;

    // 0 nothing pressed, 1 the upper half, 2 the lower one.
    int GetPressedHalf() const;

private:
    enum Half { kNone = 0, kUpper = 1, kLower = 2 };
    void DrawHalf(CDC* pDC, const CRect& rect, bool bPressed, bool bUp);
    void RedrawPressed();

    int m_nButtonWidth;
    int m_nPressedHalf = kNone;
    int m_nHeldHalf = kNone;
    CRect m_halfRect;
    int m_nPressedCol = -1;
    int m_nPressedRow = -1;
};
