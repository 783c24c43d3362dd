// The grid's drop target: each drag step reaches the control's drag
// notifications with the cell under the point, dropped text is pasted from
// that cell only when the control takes the drop and the cell can become
// current, and a drag near the cell area's edges scrolls the view.
#include "CompanionGrid.h"

#include "support/CTestDataObject.h"

namespace {

class CGRDropTargetWindow : public CCompanionWindowTest {
protected:
    void SetUp() override { CreateGrid(); }
    // A data object offering the text (or files only when the text is null).
    void Offer(COleDataObject& data, const char* lpszText)
    {
        CTestDataObject* pData = CTestDataObject::Create();
        if (lpszText)
            pData->SetText(lpszText);
        else
            pData->SetFiles({"C:\\data\\a.vsf"});
        data.Attach(pData);
    }
    CPoint CellCentre(int nCol, int nRow)
    {
        CRect rect;
        m_grid.GetCellRect(nCol, nRow, &rect);
        return rect.CenterPoint();
    }
    CGRDropTarget* Target() { return m_grid.GetDropTarget(); }
    CWnd* Area() { return m_grid.GetCellArea(); }
};

}

TEST_F(CGRDropTargetWindow, DragStepsAskTheControlWithTheCellUnderThePoint)
{
    COleDataObject data;
    Offer(data, "x");
    EXPECT_EQ(Target()->OnDragEnter(Area(), &data, MK_LBUTTON, CellCentre(1, 2)), DROPEFFECT_COPY);
    EXPECT_EQ(Target()->OnDragOver(Area(), &data, MK_LBUTTON, CellCentre(3, 4)), DROPEFFECT_COPY);
    CPoint inControl = CellCentre(3, 4);
    Area()->MapWindowPoints(&m_grid, &inControl, 1);
    Target()->OnDragOver(&m_grid, &data, MK_LBUTTON, inControl);
    EXPECT_EQ(m_grid.Log(), "DragEnter DragOver(3,4) DragOver(3,4)");
}

TEST_F(CGRDropTargetWindow, TakenTextIsPastedFromTheCellUnderThePoint)
{
    COleDataObject data;
    Offer(data, "a\tb\r\nc");
    EXPECT_TRUE(Target()->OnDrop(Area(), &data, DROPEFFECT_COPY, CellCentre(2, 3)));
    EXPECT_STREQ(m_grid.GetCellText(2, 3), "a");
    EXPECT_STREQ(m_grid.GetCellText(3, 3), "b");
    EXPECT_STREQ(m_grid.GetCellText(2, 4), "c");
    EXPECT_EQ(m_grid.GetCurrentCol(), 2);
    EXPECT_EQ(m_grid.GetCurrentRow(), 3);
    EXPECT_EQ(m_grid.Log(), "DragDrop(2,3)");
}

TEST_F(CGRDropTargetWindow, NothingIsPastedUnlessTheDropIsTakenAtACellThatBecomesCurrent)
{
    struct Row {
        const char* lpszCase;
        int nAnswer;
        bool bRefuseMove;
        const char* lpszText;
        BOOL bResult;
    } rows[] = {
        {"refused drop", 0, false, "dropped", FALSE},
        {"refused move", 1, true, "dropped", TRUE},
        {"no text offered", 1, false, nullptr, TRUE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_grid.GotoCell(0, 0);
        m_grid.m_nDropAnswer = row.nAnswer;
        m_grid.m_bRefuseMove = row.bRefuseMove;
        COleDataObject data;
        Offer(data, row.lpszText);
        EXPECT_EQ(Target()->OnDrop(Area(), &data, DROPEFFECT_COPY, CellCentre(2, 3)), row.bResult);
        EXPECT_STREQ(m_grid.GetCellText(2, 3), "");
        EXPECT_STREQ(m_grid.GetCellText(0, 0), "");
        m_grid.m_bRefuseMove = false;
    }
}

TEST_F(CGRDropTargetWindow, DragNearAnEdgeOfTheCellAreaScrollsByOne)
{
    CRect area;
    Area()->GetClientRect(&area);
    struct Row {
        const char* lpszCase;
        CPoint point;
        int nLeftCol, nTopRow;
    } rows[] = {
        {"left edge", {3, 100}, 4, 5},
        {"right edge", {area.right - 3, 100}, 6, 5},
        {"top edge", {100, 9}, 5, 4},
        {"bottom edge", {100, area.bottom - 10}, 5, 6},
        {"inside", {100, 100}, 5, 5},
        {"top left corner", {3, 3}, 4, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        m_grid.SetLeftCol(5);
        m_grid.SetTopRow(5);
        EXPECT_EQ(Target()->OnDragScroll(Area(), MK_LBUTTON, row.point), DROPEFFECT_NONE);
        EXPECT_EQ(m_grid.GetLeftCol(), row.nLeftCol);
        EXPECT_EQ(m_grid.GetTopRow(), row.nTopRow);
    }
}
