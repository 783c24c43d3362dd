#include "TreeDragRules.h"

#include "model/ViewKinds.h"

#include <algorithm>

namespace {

// The band inside each edge where the cursor scrolls the tree, pixels.
constexpr int kEdgeBand = 10;
// Each further 20 pixels past the band's inner line scroll one tick sooner.
constexpr int kDepthPerStep = 20;
// At the inner line the tree scrolls every sixth tick.
constexpr int kSlowestDivisor = 6;

bool IsCorrectionTable(DWORD_PTR dwData)
{
    return dwData == kViewKindBgnCorrectionTable || dwData == kViewKindFtmCorrectionTable;
}

// Folders, groups and projects take a drop, and so do the report and the
// result table although they have no children.
bool MayTakeDrop(const CDragItemInfo& item)
{
    if (IsCorrectionTable(item.m_dwData))
        return false;
    return item.m_bHasChildren || item.m_dwData == kViewKindReport || item.m_dwData == kViewKindResultTable;
}

}  // namespace

bool CanDragItem(const CDragItemInfo& item)
{
    return item.m_bExists && !item.m_bWorkspace && !IsCorrectionTable(item.m_dwData);
}

bool ShowsDropPossible(const CDragItemInfo& item)
{
    return item.m_bExists && !item.m_bWorkspace && MayTakeDrop(item);
}

bool CanDropOn(const CDragItemInfo& target, bool bIsDragItem)
{
    return !bIsDragItem && ShowsDropPossible(target);
}

int EdgeScrollDivisor(int nDepth)
{
    return std::max(1, kSlowestDivisor - nDepth / kDepthPerStep);
}

// Both edges are looked at on every tick: in a tree lower than the two bands
// together the cursor can be in both, and the tree then scrolls up and down.
CTreeScrollStep TreeScrollStepAt(int nCursorY, int nTop, int nBottom, int nTick)
{
    CTreeScrollStep step;
    const int nDepthAtTop = nTop + kEdgeBand - nCursorY;
    const int nDepthAtBottom = nCursorY - nBottom + kEdgeBand;
    step.m_bUp = nDepthAtTop > 0 && nTick % EdgeScrollDivisor(nDepthAtTop) == 0;
    step.m_bDown = nDepthAtBottom > 0 && nTick % EdgeScrollDivisor(nDepthAtBottom) == 0;
    return step;
}
