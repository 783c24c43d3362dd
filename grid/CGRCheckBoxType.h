#pragma once
// Classes in this file: CGRCheckBoxType, the built-in "CheckBox" cell type that
// every grid registers at index 2. Its identity and how it sets the base
// fields; its drawing and events come with the window side of the grid.

#include "CGRCellType.h"

class CGRCheckBoxType : public CGRCellType {
    DECLARE_DYNAMIC(CGRCheckBoxType)
public:
    CGRCheckBoxType();

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
};
