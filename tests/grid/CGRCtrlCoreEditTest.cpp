// CGRCtrlCore, in-cell editing: what may be edited, the order of the edit
// notifications, refusals that keep an edit open, storing with the cell's
// data type, and continuing at the next cell with wrapping and joins.
#include "grid/CGRCtrlCore.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 3 columns x 3 rows, all in view.
class CGRCtrlCoreEdit : public testing::Test {
protected:
    void SetUp() override { m_grid.Build(3, 3, 3, 3); }

    CScopedGridEnvironment m_environment;
    CRecordingGrid m_grid;
};

}

TEST_F(CGRCtrlCoreEdit, OpensTheEditWithTheCellTextAndTheFirstKey)
{
    m_grid.SetCellText(1, 1, "old");
    EXPECT_EQ(m_grid.EditCell(1, 1, 'x'), 0);
    EXPECT_EQ(m_grid.Log(), "CanMove(1,1) ColChange(0,1) RowChange(0,1) CellChange(1,1) EditStart(1,1) "
                            "Show(1,1,120,\"old\")");
    EXPECT_EQ(m_grid.IsEditing(), 1);
    EXPECT_EQ(m_grid.StartEdit(), 1);
}

TEST_F(CGRCtrlCoreEdit, CellsThatMayNotBeEditedStayClosed)
{
    struct Row {
        const char* lpszCase;
        int nResult;
    };
    m_grid.SetCellCellType(0, 0, 2);  // check box: never edited in place
    CGRCell readOnly;
    readOnly.SetReadOnly(1);
    m_grid.SetCell(1, 0, &readOnly);
    const Row rows[] = {{"check box", m_grid.EditCell(0, 0, 0)}, {"read-only", m_grid.EditCell(1, 0, 0)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(row.nResult, 1);
    }
    EXPECT_EQ(m_grid.IsEditing(), 0);

    m_grid.m_bRefuseEditStart = true;
    EXPECT_EQ(m_grid.EditCell(2, 0, 0), 1);
    EXPECT_EQ(m_grid.IsEditing(), 0);

    m_grid.m_bRefuseEditStart = false;
    m_grid.m_bRefuseMove = true;
    EXPECT_EQ(m_grid.EditCell(2, 2, 0), 2);
    EXPECT_EQ(m_grid.IsEditing(), 0);
}

TEST_F(CGRCtrlCoreEdit, RefusedFinishKeepsTheEditOpenAndTheTextUnstored)
{
    m_grid.StartEdit();
    m_grid.m_bRefuseEditFinish = true;
    EXPECT_EQ(m_grid.FinishEdit("new", FALSE, FALSE, 0, 0), 0);
    EXPECT_EQ(m_grid.IsEditing(), 1);
    EXPECT_STREQ(m_grid.GetCellText(0, 0), "");
    m_grid.m_bRefuseEditFinish = false;
    EXPECT_EQ(m_grid.FinishEdit("new", FALSE, FALSE, 0, 0), 1);
    EXPECT_EQ(m_grid.IsEditing(), 0);
    EXPECT_STREQ(m_grid.GetCellText(0, 0), "new");
}

TEST_F(CGRCtrlCoreEdit, CancelledOrClosedEditsStoreNothing)
{
    m_grid.StartEdit();
    m_grid.m_log.clear();
    EXPECT_EQ(m_grid.FinishEdit("typed", TRUE, FALSE, 0, 0), 1);
    EXPECT_EQ(m_grid.Log(), "EditCancel(0,0) Hide");
    EXPECT_STREQ(m_grid.GetCellText(0, 0), "");
    m_grid.m_log.clear();
    EXPECT_EQ(m_grid.FinishEdit("late", FALSE, FALSE, 0, 0), 1);
    EXPECT_EQ(m_grid.Log(), "EditCancel(0,0) Hide");
    EXPECT_STREQ(m_grid.GetCellText(0, 0), "");
}

TEST_F(CGRCtrlCoreEdit, StoredTextKeepsANumericDataType)
{
    m_grid.SetCellNumber(0, 0, 1.0);
    m_grid.StartEdit();
    m_grid.FinishEdit("1,234.5", FALSE, FALSE, 0, 0);
    CGRCell cell;
    m_grid.GetCellIndirect(0, 0, &cell);
    EXPECT_EQ(cell.GetDataType(), kDataNumber);
    EXPECT_DOUBLE_EQ(cell.GetNumber(), 1234.5);

    m_grid.SetCellText(1, 0, "text");
    m_grid.EditCell(1, 0, 0);
    m_grid.FinishEdit("12", FALSE, FALSE, 0, 0);
    m_grid.GetCellIndirect(1, 0, &cell);
    EXPECT_EQ(cell.GetDataType(), kDataString);
    EXPECT_STREQ(cell.GetText(), "12");
}

TEST_F(CGRCtrlCoreEdit, ContinuingWrapsRoundTheEdges)
{
    struct Row {
        int nCol, nRow;      // the edited cell
        int nNewCol, nNewRow;
        int nNextCol, nNextRow;
    };
    const Row rows[] = {
        {2, 1, 3, 1, 0, 1}, {0, 1, -1, 1, 2, 1}, {1, 2, 1, 3, 1, 0}, {1, 0, 1, -1, 1, 2}, {0, 0, 1, 0, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.nNewCol) + "," + std::to_string(row.nNewRow));
        m_grid.EditCell(row.nCol, row.nRow, 0);
        EXPECT_EQ(m_grid.FinishEdit("v", FALSE, TRUE, row.nNewCol, row.nNewRow), 1);
        EXPECT_EQ(m_grid.IsEditing(), 1);
        EXPECT_EQ(m_grid.GetEditCol(), row.nNextCol);
        EXPECT_EQ(m_grid.GetEditRow(), row.nNextRow);
        m_grid.FinishEdit("", TRUE, FALSE, 0, 0);
    }
}

TEST_F(CGRCtrlCoreEdit, ContinuingStepsOverTheJoinedRangeAndCanBeRefused)
{
    m_grid.JoinCells(0, 0, 1, 0);
    m_grid.StartEdit();
    m_grid.m_log.clear();
    EXPECT_EQ(m_grid.FinishEdit("j", FALSE, TRUE, 1, 0), 1);
    EXPECT_EQ(m_grid.GetEditCol(), 2);
    EXPECT_EQ(m_grid.m_log[2], "EditContinue(2,0)");
    m_grid.m_bRefuseEditContinue = true;
    EXPECT_EQ(m_grid.FinishEdit("k", FALSE, TRUE, 3, 0), 1);
    EXPECT_EQ(m_grid.IsEditing(), 0);
    EXPECT_STREQ(m_grid.GetCellText(2, 0), "k");
}

// A heading cell never becomes current: its edit opens where it stands and
// the current cell stays; the edited text goes to the heading cell.
TEST_F(CGRCtrlCoreEdit, HeadingCellsAreEditedWhereTheyStand)
{
    struct Row {
        int nCol, nRow;
        const char* lpszShown;
    };
    const Row rows[] = {
        {1, -1, "EditStart(1,-1) Show(1,-1,0,\"top\")"},
        {-1, 2, "EditStart(-1,2) Show(-1,2,0,\"side\")"},
    };
    m_grid.SetCellText(1, -1, "top");
    m_grid.SetCellText(-1, 2, "side");
    m_grid.GotoCell(2, 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszShown);
        m_grid.m_log.clear();
        EXPECT_EQ(m_grid.EditCell(row.nCol, row.nRow, 0), 0);
        EXPECT_EQ(m_grid.Log(), row.lpszShown);
        EXPECT_EQ(m_grid.FinishEdit("typed", FALSE, TRUE, row.nCol + 1, row.nRow), 1);
        EXPECT_EQ(m_grid.IsEditing(), 0);
        EXPECT_STREQ(m_grid.GetCellText(row.nCol, row.nRow), "typed");
        EXPECT_EQ(m_grid.GetCurrentCol(), 2);
        EXPECT_EQ(m_grid.GetCurrentRow(), 0);
    }
}
