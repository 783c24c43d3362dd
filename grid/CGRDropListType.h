#pragma once
// Classes in this file: CGRDropListType, the built-in "DropList" cell type that
// every grid registers at index 1. Its identity and how it sets the base
// fields; its drawing and events come with the window side of the grid.

#include "CGRCellType.h"

class CGRDropListType : public CGRCellType {
    DECLARE_DYNAMIC(CGRDropListType)
public:
    CGRDropListType();

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
};
