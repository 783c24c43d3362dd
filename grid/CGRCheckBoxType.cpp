#include "CGRCheckBoxType.h"

IMPLEMENT_DYNAMIC(CGRCheckBoxType, CGRCellType)

namespace {
const CGRTypeId kCheckBoxTypeId = {{'G', 'R', 'C', 'h', 'e', 'c', 'k', 'B', 'o', 'x', 0, 0, 0, 0, 0, 1}};
}

// A check box is never edited in place and its label never runs on.
CGRCheckBoxType::CGRCheckBoxType()
{
    m_nEditable = 0;
    m_nCanOverlap = 0;
}

LPCTSTR CGRCheckBoxType::GetName()
{
    return "CheckBox";
}

const CGRTypeId& CGRCheckBoxType::GetTypeId()
{
    return kCheckBoxTypeId;
}
