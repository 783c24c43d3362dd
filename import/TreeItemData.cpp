#include "TreeItemData.h"

bool IsItemCode(DWORD_PTR dwData)
{
    return dwData <= kLastItemCode;
}

// A project node has children and carries its document; a folder or group
// with children carries a code.
bool IsProjectNode(bool bHasChildren, DWORD_PTR dwData)
{
    return bHasChildren && !IsItemCode(dwData);
}

// A leaf carries a list position. The test keeps 510 itself on the leaf side
// as the tree always did; no code is 510 and no list position is that small.
bool IsMeasurementLeaf(bool bHasChildren, DWORD_PTR dwData)
{
    return !bHasChildren && dwData >= kLastItemCode;
}

int MeasurementImageOf(int nTableId)
{
    switch (nTableId) {
    case 124:
    case 126:
        return kImageReverberationMeasurement;
    case 125:
    case 132:
        return kImageBackgroundMeasurement;
    default:
        return kImageLevelMeasurement;
    }
}

bool IsTableGroupCode(DWORD_PTR dwData)
{
    return dwData >= 122 && dwData <= 132;
}

bool IsResultItemCode(DWORD_PTR dwData)
{
    return dwData == kItemResults || dwData == kItemTestReport || dwData == kItemResultTable;
}
