#include "CGRDropListType.h"

IMPLEMENT_DYNAMIC(CGRDropListType, CGRCellType)

namespace {
const CGRTypeId kDropListTypeId = {{'G', 'R', 'D', 'r', 'o', 'p', 'L', 'i', 's', 't', 0, 0, 0, 0, 0, 1}};
}

// A drop list's text never runs into its neighbours.
CGRDropListType::CGRDropListType()
{
    m_nCanOverlap = 0;
}

LPCTSTR CGRDropListType::GetName()
{
    return "DropList";
}

const CGRTypeId& CGRDropListType::GetTypeId()
{
    return kDropListTypeId;
}
