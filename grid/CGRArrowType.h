#pragma once
// Classes in this file: CGRArrowType, the built-in "Side Arrows" cell type that
// every grid registers at index 3. Its identity and how it sets the base
// fields; its drawing and events come with the window side of the grid.

#include "CGRCellType.h"

class CGRArrowType : public CGRCellType {
    DECLARE_DYNAMIC(CGRArrowType)
public:
    CGRArrowType();

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
};
