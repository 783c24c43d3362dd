// CGRCtrlCore, selection, clipboard text and find: the selection following
// the moves by what drove them, the copied text of blocks, pasting text from
// the current cell, and find and replace through the default data source.
#include "grid/CGRCtrlCore.h"
#include "grid/CGRMultiSelect.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Keeps what would go to the clipboard.
class CClipboardGrid : public CRecordingGrid {
public:
    int SetClipboardText(const CString& sText) override
    {
        m_sClipboard = sText;
        return 0;
    }
    CString m_sClipboard = "untouched";
    int RedrawRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow) override
    {
        m_log.push_back("Redraw(" + std::to_string(nStartCol) + "," + std::to_string(nStartRow) + ","
                        + std::to_string(nEndCol) + "," + std::to_string(nEndRow) + ")");
        return 0;
    }
};

class CGRCtrlCoreSelect : public testing::Test {
protected:
    void SetUp() override
    {
        m_grid.Build(5, 5, 5, 5);
        m_grid.SetMultiSelectMode(1);
    }

    void MoveBy(int nReason, int nKeys, int nCol, int nRow)
    {
        CGRGridInfo& info = *m_grid.GetGridInfo();
        info.m_nMoveReason = nReason;
        info.m_nKeyState = nKeys;
        m_grid.GotoCell(nCol, nRow);
        info.m_nMoveReason = 0;
        info.m_nKeyState = 0;
    }

    std::string Current() const
    {
        return std::to_string(m_grid.GetCurrentCol()) + "," + std::to_string(m_grid.GetCurrentRow());
    }

    CScopedGridEnvironment m_environment;
    CClipboardGrid m_grid;
};

}

TEST_F(CGRCtrlCoreSelect, ShiftKeysGrowTheBlockAndKeepTheCurrentCellAtItsAnchor)
{
    m_grid.GotoCell(1, 1);
    m_grid.GetGridInfo()->m_nKeyState = CGRMultiSelect::kKeyShift;
    m_grid.MoveByKey(VK_RIGHT, FALSE);
    m_grid.MoveByKey(VK_DOWN, FALSE);
    m_grid.GetGridInfo()->m_nKeyState = 0;
    EXPECT_EQ(Current(), "1,1");
    EXPECT_EQ(m_grid.IsSelected(2, 2, nullptr), 1);
    EXPECT_EQ(m_grid.IsSelected(3, 2, nullptr), 0);
    m_grid.MoveByKey(VK_LEFT, FALSE);
    EXPECT_EQ(m_grid.GetMultiSelect()->GetNumberBlocks(), 1);
    EXPECT_EQ(m_grid.IsSelected(2, 2, nullptr), 0);
}

TEST_F(CGRCtrlCoreSelect, EachMoveReasonTakesItsOwnStep)
{
    struct Row {
        const char* lpszCase;
        int nReason;
        int nKeys;
        int nBlocks;
        int nSelected33;
    } rows[] = {
        {"click", 1, 0, 1, 1},
        {"ctrl click", 1, CGRMultiSelect::kKeyControl, 2, 1},
        {"shift click", 1, CGRMultiSelect::kKeyShift, 1, 1},
        {"drag", 3, 0, 1, 1},
        {"scroll bar", 4, 0, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_grid.SetMultiSelectMode(1);
        MoveBy(1, 0, 1, 1);
        MoveBy(row.nReason, row.nKeys, 3, 3);
        EXPECT_EQ(m_grid.GetMultiSelect()->GetNumberBlocks(), row.nBlocks);
        EXPECT_EQ(m_grid.IsSelected(3, 3, nullptr), row.nSelected33);
    }
}

TEST_F(CGRCtrlCoreSelect, WithoutMultipleSelectionNothingIsSelected)
{
    m_grid.SetMultiSelectMode(0);
    MoveBy(1, CGRMultiSelect::kKeyShift, 2, 2);
    EXPECT_EQ(Current(), "2,2");
    EXPECT_EQ(m_grid.GetMultiSelect()->GetNumberBlocks(), 0);
}

TEST_F(CGRCtrlCoreSelect, TheWholeRowSwitchSelectsRows)
{
    m_grid.GetGridInfo()->m_nWholeRowSelect = 1;
    m_grid.SetMultiSelectMode(1);
    EXPECT_EQ(m_grid.GetMultiSelect()->GetSelectMode(), CGRMultiSelect::kModeRows);
    MoveBy(1, 0, 2, 3);
    EXPECT_EQ(m_grid.IsSelected(4, 3, nullptr), 1);
}

TEST_F(CGRCtrlCoreSelect, StartingAnEditShrinksTheSelectionToTheEditedCell)
{
    struct Row {
        const char* lpszCase;
        int nCol, nRow;
    } rows[] = {{"the current cell", 1, 1}, {"another cell", 3, 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_grid.GotoCell(1, 1);
        m_grid.SelectRange(0, 0, 2, 2);
        m_grid.SelectRange(4, 0, 4, 1);
        m_grid.m_log.clear();
        ASSERT_EQ(m_grid.EditCell(row.nCol, row.nRow, 0), 0);
        EXPECT_EQ(m_grid.GetMultiSelect()->GetNumberBlocks(), 1);
        EXPECT_EQ(m_grid.IsSelected(0, 0, nullptr), 0);
        EXPECT_EQ(m_grid.IsSelected(4, 1, nullptr), 0);
        EXPECT_EQ(m_grid.IsSelected(row.nCol, row.nRow, nullptr), 1);
        EXPECT_EQ(m_grid.m_log.front(), "Redraw(0,0,4,2)");
        m_grid.FinishEdit("", TRUE, FALSE, 0, 0);
    }
}

TEST_F(CGRCtrlCoreSelect, StartingAnEditWithoutMultipleSelectionSelectsNothing)
{
    m_grid.SetMultiSelectMode(0);
    m_grid.GotoCell(1, 1);
    ASSERT_EQ(m_grid.EditCell(2, 2, 0), 0);
    EXPECT_EQ(m_grid.GetMultiSelect()->GetNumberBlocks(), 0);
    EXPECT_EQ(m_grid.IsSelected(2, 2, nullptr), 0);
}

TEST_F(CGRCtrlCoreSelect, CopiesABlockWithTabsAndLineFeedsOnly)
{
    m_grid.SetCellText(1, 1, "a");
    m_grid.SetCellText(2, 1, "b");
    m_grid.SetCellText(1, 2, "c");
    m_grid.SetCellText(2, 2, "d");
    m_grid.SelectRange(1, 1, 2, 2);
    EXPECT_EQ(m_grid.CopySelected(), 0);
    EXPECT_STREQ(m_grid.m_sClipboard, "a\tb\nc\td");
}

TEST_F(CGRCtrlCoreSelect, CopiesTheCurrentCellAloneWithoutASelection)
{
    m_grid.SetCellText(3, 2, "alone");
    m_grid.GotoCell(3, 2);
    m_grid.ClearSelections();
    m_grid.CopySelected();
    EXPECT_STREQ(m_grid.m_sClipboard, "alone");
}

TEST_F(CGRCtrlCoreSelect, PastesFieldsFromTheCurrentCellAndSelectsWhatWasFilled)
{
    m_grid.SetCellText(1, 1, "kept");
    m_grid.GotoCell(0, 0);
    EXPECT_EQ(m_grid.PasteFromText("1\t2\r\n3"), 0);
    EXPECT_STREQ(m_grid.GetCellText(0, 0), "1");
    EXPECT_STREQ(m_grid.GetCellText(1, 0), "2");
    EXPECT_STREQ(m_grid.GetCellText(0, 1), "3");
    EXPECT_STREQ(m_grid.GetCellText(1, 1), "kept");
    int a = 0, b = 0, c = 0, d = 0;
    ASSERT_EQ(m_grid.GetMultiSelect()->GetTotalRange(&a, &b, &c, &d), 0);
    EXPECT_EQ(std::to_string(a) + "," + std::to_string(b) + "-" + std::to_string(c) + "," + std::to_string(d),
              "0,0-1,1");
}

TEST_F(CGRCtrlCoreSelect, PastingSkipsReadOnlyCellsAndCellsOutsideTheGrid)
{
    CGRCell cell;
    cell.SetText("fixed");
    cell.SetReadOnly(1);
    m_grid.SetCell(4, 4, &cell);
    m_grid.GotoCell(3, 4);
    m_grid.PasteFromText("x\ty\tz\nw");
    EXPECT_STREQ(m_grid.GetCellText(3, 4), "x");
    EXPECT_STREQ(m_grid.GetCellText(4, 4), "fixed");
}

// A grid without rows or columns has no current cell: its current position
// is the corner heading cell, which must keep its text.
TEST(CGRCtrlCoreSelectEmpty, PastingWithoutACurrentCellWritesNothingAndIsRefused)
{
    CClipboardGrid grid;
    grid.SetCellText(-1, -1, "corner");
    ASSERT_EQ(grid.GetCurrentCol(), -1);
    EXPECT_EQ(grid.PasteFromText("1\t2\n3"), 2);
    EXPECT_STREQ(grid.GetCellText(-1, -1), "corner");
    EXPECT_STREQ(grid.GetCellText(0, -1), "");
    EXPECT_STREQ(grid.GetCellText(-1, 0), "");
}

TEST_F(CGRCtrlCoreSelect, FindsAcrossColumnsOnlyWhenSwitchedOn)
{
    m_grid.SetCellText(0, 1, "zero");
    m_grid.SetCellText(3, 1, "needle");
    m_grid.GotoCell(0, 0);
    GridFindRequest request;
    request.sFind = "NEED";
    EXPECT_EQ(m_grid.FindAndReplace(request), 1);
    m_grid.EnableFindAcrossColumns(1);
    EXPECT_EQ(m_grid.FindAndReplace(request), 0);
    EXPECT_EQ(Current(), "3,1");
    request.bMatchCase = TRUE;
    EXPECT_EQ(m_grid.FindAndReplace(request), 1);
}

TEST_F(CGRCtrlCoreSelect, ReplacesEveryMatchOnce)
{
    m_grid.SetCellText(1, 0, "old");
    m_grid.SetCellText(2, 3, "old");
    m_grid.SetCellText(4, 4, "bold");
    m_grid.EnableFindAcrossColumns(1);
    m_grid.GotoCell(0, 0);
    GridFindRequest request;
    request.sFind = "old";
    request.sReplace = "new";
    request.bWholeCell = TRUE;
    request.bReplaceAll = TRUE;
    EXPECT_EQ(m_grid.FindAndReplace(request), 0);
    EXPECT_STREQ(m_grid.GetCellText(1, 0), "new");
    EXPECT_STREQ(m_grid.GetCellText(2, 3), "new");
    EXPECT_STREQ(m_grid.GetCellText(4, 4), "bold");
}
