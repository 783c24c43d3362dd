#pragma once
// Classes in this file: CGRArrowType, the built-in "Side Arrows" cell type
// that every grid registers at index 3: one or two small arrows at the
// cell's centre, pointing right or left as the cell's style says.

#include "CGRCellType.h"

class CGRArrowType : public CGRCellType {
    DECLARE_DYNAMIC(CGRArrowType)
public:
    CGRArrowType();

    // Cell-type styles (0 points right as well).
    static constexpr long kStyleRight = 0x10;
    static constexpr long kStyleLeft = 0x20;
    static constexpr long kStyleDoubleRight = 0x40;
    static constexpr long kStyleDoubleLeft = 0x80;

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected, int nCurrent) override;
    void GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell) override;
};
