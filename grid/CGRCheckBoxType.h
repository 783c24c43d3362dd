#pragma once
// Classes in this file: CGRCheckBoxType, the built-in "CheckBox" cell type
// that every grid registers at index 2. The cell's number is its state (0
// clear, 1 set, 2 the third state); a click on the box or Space changes it
// and the grid hears of it. Its label stands beside the box.

#include "CGRCellType.h"

class CGRCheckBoxType : public CGRCellType {
    DECLARE_DYNAMIC(CGRCheckBoxType)
public:
    CGRCheckBoxType();

    // Cell-type style bits.
    static constexpr long kStyle3DFrame = 0x100;
    static constexpr long kStyle3DFrameSecond = 0x200;
    static constexpr long kStyleRound = 0x400;
    static constexpr long kStyleAligned = 0x800;
    static constexpr long kStyleTick = 0x1000;
    static constexpr long kStyleThreeStates = 0x2000;
    static constexpr long kStyleDisabled = 0x4000;
    // Sent to the grid with the new state.
    static constexpr long kMessageStateChanged = 53;

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
    int OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint) override;
    int OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint) override;
    int OnCharDown(int nCol, int nRow, UINT* pnChar) override;
    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected, int nCurrent) override;
    void GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell) override;

    // Where the box of a cell of this rectangle sits.
    CRect GetBoxRect(const CRect& cellRect, CGRCell* pCell) const;

private:
    int Toggle(int nCol, int nRow);
};
