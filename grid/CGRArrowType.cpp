#include "CGRArrowType.h"

IMPLEMENT_DYNAMIC(CGRArrowType, CGRCellType)

namespace {
const CGRTypeId kArrowTypeId = {{'G', 'R', 'A', 'r', 'r', 'o', 'w', 's', 0, 0, 0, 0, 0, 0, 0, 1}};
}

// Arrows are never edited in place.
CGRArrowType::CGRArrowType()
{
    m_nEditable = 0;
}

LPCTSTR CGRArrowType::GetName()
{
    return "Side Arrows";
}

const CGRTypeId& CGRArrowType::GetTypeId()
{
    return kArrowTypeId;
}
