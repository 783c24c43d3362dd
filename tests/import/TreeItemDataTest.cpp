// Behaviours of the tree's item data: codes against pointers, project nodes
// against leaves, and the image of a leaf by its table.

#include "import/TreeItemData.h"

#include <gtest/gtest.h>

namespace {

struct CItemCase {
    const char* m_lpszItem;
    bool m_bHasChildren;
    DWORD_PTR m_dwData;
    bool m_bCode;
    bool m_bProject;
    bool m_bLeaf;
};

const CItemCase kItemCases[] = {
    {"workspace", true, kItemWorkspace, true, false, false},
    {"results folder", true, kItemResults, true, false, false},
    {"report node", false, 102, true, false, false},
    {"table group", true, 132, true, false, false},
    {"highest code, no children", false, 510, true, false, true},
    {"highest code with children", true, 510, true, false, false},
    {"document", true, 511, false, true, false},
    {"list position", false, 0x10000, false, false, true},
};

TEST(TreeItemData, TellsCodesProjectsAndLeavesApart)
{
    for (const CItemCase& c : kItemCases) {
        SCOPED_TRACE(c.m_lpszItem);
        EXPECT_EQ(c.m_bCode, IsItemCode(c.m_dwData));
        EXPECT_EQ(c.m_bProject, IsProjectNode(c.m_bHasChildren, c.m_dwData));
        EXPECT_EQ(c.m_bLeaf, IsMeasurementLeaf(c.m_bHasChildren, c.m_dwData));
    }
}

TEST(TreeItemData, GivesReverberationAndBackgroundLeavesTheirOwnImages)
{
    const struct {
        int m_nTableId;
        int m_nImage;
    } kCases[] = {{122, 7}, {123, 7}, {124, 16}, {125, 19}, {126, 16}, {127, 7}, {129, 7}, {131, 7}, {132, 19}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.m_nTableId);
        EXPECT_EQ(c.m_nImage, MeasurementImageOf(c.m_nTableId));
    }
}

} // namespace
