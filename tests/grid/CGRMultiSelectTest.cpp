// CGRMultiSelect: blocks started, stretched and toggled; the deciding block;
// whole-row mode; the mouse and key steps; enumeration of cells and blocks;
// the cells handed to the next drawing pass.
#include "grid/CGRMultiSelect.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Remembers the cells it is asked to redraw and the selection notices.
class CSelectionGrid : public CRecordingGrid {
public:
    void AddToRedrawList(int nCol, int nRow) override { m_redrawn.insert({nCol, nRow}); }
    void OnSelectionChanged(int nLeft, int nTop, int nRight, int nBottom, int nBlocks) override
    {
        m_sChanged = std::to_string(nLeft) + "," + std::to_string(nTop) + "-" + std::to_string(nRight) + ","
                     + std::to_string(nBottom) + "#" + std::to_string(nBlocks);
    }
    std::set<std::pair<int, int>> m_redrawn;
    std::string m_sChanged;
};

class CGRMultiSelectTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_grid.Build(6, 6, 6, 6);
        m_select = m_grid.GetMultiSelect();
        m_select->SelectMode(CGRMultiSelect::kModeCells);
    }

    std::string Selected()
    {
        std::string sCells;
        int nCol = 0, nRow = 0;
        if (m_select->EnumFirstSelected(&nCol, &nRow) != 0)
            return sCells;
        do
            sCells += (sCells.empty() ? "" : " ") + std::to_string(nCol) + "," + std::to_string(nRow);
        while (m_select->EnumNextSelected(&nCol, &nRow) == 0);
        return sCells;
    }

    CScopedGridEnvironment m_environment;
    CSelectionGrid m_grid;
    CGRMultiSelect* m_select = nullptr;
};

}

TEST_F(CGRMultiSelectTest, StretchesTheBlockFromItsAnchorInEveryDirection)
{
    m_select->StartBlock(3, 3);
    EXPECT_EQ(m_grid.m_sChanged, "3,3-3,3#1");
    m_select->EndBlock(1, 4);
    EXPECT_EQ(m_grid.m_sChanged, "1,3-3,4#1");
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    ASSERT_EQ(m_select->GetCurrentBlock(&nLeft, &nTop, &nRight, &nBottom), 0);
    EXPECT_EQ(std::vector<int>({nLeft, nTop, nRight, nBottom}), std::vector<int>({1, 3, 3, 4}));
    int nCol = 0, nRow = 0;
    ASSERT_EQ(m_select->GetCurrentCell(&nCol, &nRow), 0);
    EXPECT_EQ(std::make_pair(nCol, nRow), std::make_pair(3, 3));
}

TEST_F(CGRMultiSelectTest, AnswersOneForQueriesWithoutBlocks)
{
    int a = 7, b = 7, c = 7, d = 7;
    EXPECT_EQ(m_select->EndBlock(1, 1), 1);
    EXPECT_EQ(m_select->GetCurrentCell(&a, &b), 1);
    EXPECT_EQ(m_select->GetCurrentBlock(&a, &b, &c, &d), 1);
    EXPECT_EQ(m_select->GetTotalRange(&a, &b, &c, &d), 1);
    EXPECT_EQ(m_select->EnumFirstBlock(&a, &b, &c, &d), 1);
    EXPECT_EQ(std::vector<int>({a, b, c, d}), std::vector<int>({7, 7, 7, 7}));
}

TEST_F(CGRMultiSelectTest, RedrawsOnlyTheStripesThatChanged)
{
    m_select->StartBlock(0, 0);
    m_select->EndBlock(1, 1);
    m_grid.m_redrawn.clear();
    m_select->EndBlock(2, 1);
    EXPECT_EQ(m_grid.m_redrawn, (std::set<std::pair<int, int>>{{2, 0}, {2, 1}}));
}

TEST_F(CGRMultiSelectTest, ACellToggledOffReadsUnselected)
{
    m_select->StartBlock(0, 0);
    m_select->EndBlock(2, 2);
    m_select->ToggleCell(1, 1);
    EXPECT_EQ(m_select->IsSelected(1, 1, nullptr), 0);
    m_select->ToggleCell(1, 1);
    EXPECT_EQ(m_select->IsSelected(1, 1, nullptr), 1);
    m_select->ToggleCell(5, 5);
    EXPECT_EQ(m_select->IsSelected(5, 5, nullptr), 1);
}

TEST_F(CGRMultiSelectTest, TheFirstBlockDecidesWhenTheModeSaysSo)
{
    struct Row {
        int nMode;
        int nSelected;
        int nBlock;
    } rows[] = {
        {CGRMultiSelect::kModeCells, 0, 1},
        {CGRMultiSelect::kModeCells | CGRMultiSelect::kFirstBlockDecides, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nMode);
        m_select->SelectMode(row.nMode);
        m_select->StartBlock(0, 0);
        m_select->EndBlock(2, 2);
        m_select->ToggleCell(1, 1);
        int nBlock = -1;
        EXPECT_EQ(m_select->IsSelected(1, 1, &nBlock), row.nSelected);
        EXPECT_EQ(nBlock, row.nBlock);
    }
}

TEST_F(CGRMultiSelectTest, WholeRowModeSelectsEveryColumnOfTheRows)
{
    m_select->SelectMode(CGRMultiSelect::kModeRows);
    m_select->StartBlock(3, 2);
    m_select->EndBlock(4, 3);
    EXPECT_EQ(m_select->IsColSelected(0), 1);
    EXPECT_EQ(m_select->IsColSelected(5), 1);
    EXPECT_EQ(m_select->IsRowSelected(3), 1);
    EXPECT_EQ(m_select->IsRowSelected(4), 0);
    EXPECT_EQ(m_select->IsSelected(0, 2, nullptr), 1);
    EXPECT_EQ(Selected(), "0,2 0,3");
}

TEST_F(CGRMultiSelectTest, ClicksStartOverAddOrStretchByTheKeysHeld)
{
    struct Step {
        int nCol, nRow;
        UINT nFlags;
        const char* lpszSelected;
    } steps[] = {
        {1, 1, 0, "1,1"},
        {2, 2, CGRMultiSelect::kKeyShift, "1,1 2,1 1,2 2,2"},
        {4, 4, CGRMultiSelect::kKeyControl, "1,1 2,1 1,2 2,2 4,4"},
        {0, 0, 0, "0,0"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.lpszSelected);
        m_select->OnClick(step.nCol, step.nRow, step.nFlags);
        EXPECT_EQ(Selected(), step.lpszSelected);
    }
}

TEST_F(CGRMultiSelectTest, ARightClickInsideTheSelectionKeepsIt)
{
    m_select->OnClick(1, 1, 0);
    m_select->OnClick(2, 2, CGRMultiSelect::kKeyShift);
    EXPECT_EQ(m_select->OnRClick(2, 1, 0), 1);
    EXPECT_EQ(m_select->GetNumberBlocks(), 1);
    EXPECT_EQ(m_select->OnRClick(4, 4, 0), 0);
    EXPECT_EQ(Selected(), "4,4");
}

TEST_F(CGRMultiSelectTest, EnumeratesTheCurrentCellAloneWithoutBlocks)
{
    m_grid.GotoCell(2, 3);
    m_select->ClearAll();
    EXPECT_EQ(Selected(), "2,3");
}

TEST_F(CGRMultiSelectTest, EnumeratesBlocksInTheOrderTheyWereStarted)
{
    m_select->StartBlock(4, 4);
    m_select->StartBlock(0, 0);
    m_select->EndBlock(1, 2);
    std::vector<int> blocks;
    int a = 0, b = 0, c = 0, d = 0;
    for (int nResult = m_select->EnumFirstBlock(&a, &b, &c, &d); nResult == 0;
         nResult = m_select->EnumNextBlock(&a, &b, &c, &d))
        blocks.insert(blocks.end(), {a, b, c, d});
    EXPECT_EQ(blocks, std::vector<int>({4, 4, 4, 4, 0, 0, 1, 2}));
    ASSERT_EQ(m_select->GetTotalRange(&a, &b, &c, &d), 0);
    EXPECT_EQ(std::vector<int>({a, b, c, d}), std::vector<int>({0, 0, 4, 4}));
}
