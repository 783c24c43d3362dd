#include "TreeCommandRules.h"

#include "DocumentCommands.h"

#include "import/TreeItemData.h"

namespace {

constexpr DWORD_PTR kItemFacilityWith = 130;
constexpr DWORD_PTR kItemFacilityWithout = 131;

}  // namespace

bool IsRenameOffered(const CTreeItemView& item, bool bFirstInList)
{
    if (item.m_pProject == nullptr)
        return false;
    if (item.m_bHasChildren && !item.m_bProjectNode)
        return false;
    if (bFirstInList && !item.m_pProject->m_ReportInfo.m_bMultiplot)
        return false;
    if (item.m_bProjectNode)
        return true;
    return IsMeasurementLeaf(item.m_bHasChildren, item.m_dwData) && item.m_bHasParent;
}

bool IsImportOffered(const CTreeItemView& item, int nProjectCounter)
{
    if (item.m_pProject == nullptr || item.m_pProject->m_ReportInfo.m_bMultiplot || nProjectCounter < 1)
        return false;
    const DWORD_PTR dwData = item.m_dwData;
    const bool bRefusedItem = dwData == kItemWorkspace || dwData == kItemResults || dwData == kItemFacilityWith ||
        dwData == kItemFacilityWithout;
    return !bRefusedItem && item.m_bHasChildren;
}

// The kinds without both room tables are refused as the project's own
// Swap command refuses them.
bool IsSwapOffered(const CTreeItemView& item, int nProjectCounter)
{
    return item.m_pProject != nullptr && IsSwapTableOffered(item.m_pProject->m_ReportInfo) && nProjectCounter >= 1 &&
        item.m_dwData != kItemWorkspace;
}

bool IsExportOffered(const CTreeItemView& item, int nProjectCounter)
{
    return item.m_pProject != nullptr && !item.m_pProject->m_ReportInfo.m_bMultiplot && nProjectCounter >= 1 &&
        item.m_dwData != kItemWorkspace;
}
