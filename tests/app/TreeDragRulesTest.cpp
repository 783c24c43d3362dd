// Behaviours of the rules of a drag inside the measurement tree: which items
// start a drag, which take the drop, and how often the scroll timer scrolls
// by the cursor's distance past the tree's edges.

#include "app/TreeDragRules.h"

#include "import/TreeItemData.h"
#include "model/ViewKinds.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD_PTR kProjectPointer = 0x4A0000;
constexpr DWORD_PTR kLeafPosition = 0x4B0010;
constexpr DWORD_PTR kGroupSource = 122;

CDragItemInfo Item(DWORD_PTR dwData, bool bHasChildren)
{
    CDragItemInfo item;
    item.m_bExists = true;
    item.m_bWorkspace = dwData == kItemWorkspace;
    item.m_bHasChildren = bHasChildren;
    item.m_dwData = dwData;
    return item;
}

struct CItemCase {
    const char* m_lpszItem;
    CDragItemInfo m_item;
    bool m_bDrags;
    bool m_bTakesDrop;
};

const CItemCase kItemCases[] = {
    {"no item", CDragItemInfo(), false, false},
    {"workspace", Item(kItemWorkspace, true), false, false},
    {"project node", Item(kProjectPointer, true), true, true},
    {"results folder", Item(kItemResults, true), true, true},
    {"report, childless", Item(kViewKindReport, false), true, true},
    {"result table, childless", Item(kViewKindResultTable, false), true, true},
    {"background-noise correction table", Item(kViewKindBgnCorrectionTable, false), false, false},
    {"flanking correction table", Item(kViewKindFtmCorrectionTable, false), false, false},
    {"correction table given children", Item(kViewKindFtmCorrectionTable, true), false, false},
    {"multiplot settings", Item(kViewKindMultiplotSetup, false), true, false},
    {"measurement data", Item(kItemMeasurementData, true), true, true},
    {"table group", Item(kGroupSource, true), true, true},
    {"empty table group", Item(kGroupSource, false), true, false},
    {"measurement leaf", Item(kLeafPosition, false), true, false},
};

TEST(TreeDragRules, OnlyItemsOtherThanTheWorkspaceAndCorrectionTablesStartADrag)
{
    for (const CItemCase& c : kItemCases) {
        SCOPED_TRACE(c.m_lpszItem);
        EXPECT_EQ(c.m_bDrags, CanDragItem(c.m_item));
    }
}

TEST(TreeDragRules, ItemsWithChildrenTheReportAndTheResultTableTakeTheDrop)
{
    for (const CItemCase& c : kItemCases) {
        SCOPED_TRACE(c.m_lpszItem);
        EXPECT_EQ(c.m_bTakesDrop, ShowsDropPossible(c.m_item));
        EXPECT_EQ(c.m_bTakesDrop, CanDropOn(c.m_item, false));
    }
}

TEST(TreeDragRules, NoItemTakesADropOnItself)
{
    for (const CItemCase& c : kItemCases) {
        SCOPED_TRACE(c.m_lpszItem);
        EXPECT_FALSE(CanDropOn(c.m_item, true));
    }
}

// A tree from y = 200 to y = 500 on the screen.
constexpr int kTop = 200;
constexpr int kBottom = 500;

struct CScrollCase {
    const char* m_lpszCursor;
    int m_nCursorY;
    int m_nDivisor;  // 0: that edge does not scroll
    bool m_bUp;
};

TEST(TreeDragRules, TheCursorsDistancePastAnEdgeSetsHowOftenTheTreeScrolls)
{
    const CScrollCase cases[] = {
        {"11 px inside the top", kTop + 11, 0, true},
        {"10 px inside the top", kTop + 10, 0, true},
        {"9 px inside the top", kTop + 9, 6, true},
        {"on the top edge", kTop, 6, true},
        {"9 px above the top", kTop - 9, 6, true},
        {"10 px above the top", kTop - 10, 5, true},
        {"30 px above the top", kTop - 30, 4, true},
        {"89 px above the top", kTop - 89, 2, true},
        {"90 px above the top", kTop - 90, 1, true},
        {"100 px above the top", kTop - 100, 1, true},
        {"1000 px above the top", kTop - 1000, 1, true},
        {"middle", (kTop + kBottom) / 2, 0, false},
        {"10 px inside the bottom", kBottom - 10, 0, false},
        {"9 px inside the bottom", kBottom - 9, 6, false},
        {"on the bottom edge", kBottom, 6, false},
        {"10 px below the bottom", kBottom + 10, 5, false},
        {"100 px below the bottom", kBottom + 100, 1, false},
    };
    for (const CScrollCase& c : cases) {
        SCOPED_TRACE(c.m_lpszCursor);
        for (int nTick = 1; nTick <= 12; ++nTick) {
            SCOPED_TRACE(nTick);
            const CTreeScrollStep step = TreeScrollStepAt(c.m_nCursorY, kTop, kBottom, nTick);
            const bool bScrolls = c.m_nDivisor != 0 && nTick % c.m_nDivisor == 0;
            EXPECT_EQ(bScrolls && c.m_bUp, step.m_bUp);
            EXPECT_EQ(bScrolls && !c.m_bUp, step.m_bDown);
        }
    }
}

TEST(TreeDragRules, TheDivisorFallsWithDepthAndStaysAtLeastOne)
{
    int nPrevious = EdgeScrollDivisor(1);
    EXPECT_EQ(6, nPrevious);
    for (int nDepth = 2; nDepth <= 400; ++nDepth) {
        SCOPED_TRACE(nDepth);
        const int nDivisor = EdgeScrollDivisor(nDepth);
        EXPECT_LE(nDivisor, nPrevious);
        EXPECT_GE(nDivisor, 1);
        nPrevious = nDivisor;
    }
    EXPECT_EQ(1, nPrevious);
}

TEST(TreeDragRules, ATreeLowerThanBothBandsScrollsBothWaysOnOneTick)
{
    const CTreeScrollStep step = TreeScrollStepAt(kTop + 5, kTop, kTop + 12, 6);
    EXPECT_TRUE(step.m_bUp);
    EXPECT_TRUE(step.m_bDown);
}

}  // namespace
