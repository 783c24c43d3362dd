// The built-in cell types' events without a window: the check box's states,
// its box and the cells it ignores; the drop list's items, its button and
// the grid's say over a choice.
#include "grid/CGRCheckBoxType.h"
#include "grid/CGRDropListType.h"

#include "GridTestEnvironment.h"
#include "RecordingGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the cell types' notices; may refuse a drop-list text or change it.
class CTypeNoticeGrid : public CRecordingGrid {
public:
    int OnCellTypeNotify(int nID, int nCol, int nRow, long lMessage, LONG_PTR lParam) override
    {
        std::string sNotice = std::to_string(nID) + ":" + std::to_string(lMessage);
        if (lMessage == CGRDropListType::kMessageChoiceText) {
            CString* pText = reinterpret_cast<CString*>(lParam);
            sNotice += "=" + std::string(static_cast<LPCTSTR>(*pText));
            if (m_bRefuseText)
                return 0;
            *pText += "!";
        } else if (lMessage != CGRDropListType::kMessageTextStored) {
            sNotice += "=" + std::to_string(lParam);
        }
        m_notices.push_back(sNotice);
        return 1;
    }
    std::vector<std::string> m_notices;
    bool m_bRefuseText = false;
};

class CGRBuiltInTypes : public testing::Test {
protected:
    void SetUp() override { m_grid.Build(4, 4, 4, 4); }

    CRect CellRect(int nCol, int nRow)
    {
        CRect rect;
        m_grid.GetCellRect(nCol, nRow, &rect);
        return rect;
    }
    int Click(int nCol, int nRow, CPoint point)
    {
        CRect rect = CellRect(nCol, nRow);
        return m_grid.GetCellType(2)->OnLClicked(nCol, nRow, 1, &rect, &point);
    }
    CPoint BoxCentre(int nCol, int nRow)
    {
        CGRCell cell;
        m_grid.GetCellIndirect(nCol, nRow, &cell);
        auto* pType = static_cast<CGRCheckBoxType*>(m_grid.GetCellType(2));
        return pType->GetBoxRect(CellRect(nCol, nRow), &cell).CenterPoint();
    }
    void MakeCheckBox(int nCol, int nRow, long lStyle)
    {
        m_grid.SetCellCellType(nCol, nRow, 2);
        m_grid.SetCellCellTypeEx(nCol, nRow, lStyle);
        m_grid.SetCellNumber(nCol, nRow, 0);
    }

    CScopedGridEnvironment m_environment;
    CTypeNoticeGrid m_grid;
};

}

TEST_F(CGRBuiltInTypes, CheckBoxClicksCycleThroughItsStates)
{
    struct Row {
        long lStyle;
        std::vector<int> states;
    } rows[] = {{0, {1, 0, 1}}, {CGRCheckBoxType::kStyleThreeStates, {1, 2, 0, 1}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lStyle);
        MakeCheckBox(1, 1, row.lStyle);
        for (int nState : row.states) {
            EXPECT_EQ(Click(1, 1, BoxCentre(1, 1)), 1);
            CGRCell cell;
            m_grid.GetCell(1, 1, &cell);
            EXPECT_EQ(static_cast<int>(cell.GetNumber()), nState);
            EXPECT_EQ(m_grid.m_notices.back(), "2:53=" + std::to_string(nState));
        }
    }
}

TEST_F(CGRBuiltInTypes, CheckBoxIgnoresClicksBesideTheBoxAndCellsThatMayNotChange)
{
    MakeCheckBox(0, 0, 0);
    CRect rect = CellRect(0, 0);
    EXPECT_EQ(Click(0, 0, CPoint(rect.right - 3, rect.top + 10)), 0);
    MakeCheckBox(1, 0, CGRCheckBoxType::kStyleDisabled);
    EXPECT_EQ(Click(1, 0, BoxCentre(1, 0)), 0);
    MakeCheckBox(2, 0, 0);
    CGRCell cell;
    m_grid.GetCell(2, 0, &cell);
    cell.SetReadOnly(1);
    m_grid.SetCell(2, 0, &cell);
    EXPECT_EQ(Click(2, 0, BoxCentre(2, 0)), 0);
    EXPECT_TRUE(m_grid.m_notices.empty());
}

TEST_F(CGRBuiltInTypes, CheckBoxBoxFollowsTheAlignmentWithItsStyle)
{
    CGRCell cell;
    cell.SetCellTypeEx(CGRCheckBoxType::kStyleAligned);
    cell.SetAlignment(kAlignRight);
    auto* pType = static_cast<CGRCheckBoxType*>(m_grid.GetCellType(2));
    CRect box = pType->GetBoxRect(CRect(0, 0, 75, 20), &cell);
    EXPECT_EQ(box, CRect(57, 4, 69, 16));
    cell.SetCellTypeEx(0);
    EXPECT_EQ(pType->GetBoxRect(CRect(0, 0, 75, 20), &cell), CRect(3, 4, 15, 16));
}

TEST_F(CGRBuiltInTypes, SpaceTogglesTheCheckBox)
{
    MakeCheckBox(3, 3, 0);
    UINT nChar = ' ';
    EXPECT_EQ(m_grid.GetCellType(2)->OnCharDown(3, 3, &nChar), 1);
    nChar = 'x';
    EXPECT_EQ(m_grid.GetCellType(2)->OnCharDown(3, 3, &nChar), 0);
    CGRCell cell;
    m_grid.GetCell(3, 3, &cell);
    EXPECT_EQ(cell.GetNumber(), 1.0);
}

TEST_F(CGRBuiltInTypes, DropListItemsAreTheLinesOfTheLabel)
{
    struct Row {
        const char* lpszLabel;
        std::vector<std::string> items;
    } rows[] = {{"a\nb\nc", {"a", "b"}}, {"a\n\nb\n", {"a", "", "b"}}, {"", {}}, {"no line feed", {}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszLabel);
        CStringArray items;
        CGRDropListType::SplitItems(row.lpszLabel, items);
        std::vector<std::string> got;
        for (int i = 0; i < items.GetSize(); ++i)
            got.push_back(static_cast<LPCTSTR>(items[i]));
        EXPECT_EQ(got, row.items);
    }
}

TEST_F(CGRBuiltInTypes, DropListButtonPressOpensTheListAndShowsReleased)
{
    auto* pType = static_cast<CGRDropListType*>(m_grid.GetCellType(1));
    CRect rect = CellRect(1, 1);
    CPoint onButton(rect.right - 3, rect.top + 5);
    CPoint onText(rect.left + 3, rect.top + 5);
    m_grid.GotoCell(1, 1);
    EXPECT_EQ(pType->OnLClicked(1, 1, 1, &rect, &onText), 0);
    EXPECT_EQ(pType->OnLClicked(1, 1, 1, &rect, &onButton), 1);
    EXPECT_EQ(pType->GetListCol(), 1);
    EXPECT_EQ(pType->IsButtonPressed(), 0);
    EXPECT_EQ(pType->OnLClicked(1, 1, 0, &rect, &onButton), 0);
    CRect edit = rect;
    EXPECT_EQ(pType->GetEditArea(&edit), 1);
    EXPECT_EQ(edit.right, rect.right - CGRDropListType::ButtonWidth() - 1);
}

TEST_F(CGRBuiltInTypes, DropListChoiceIsStoredUnlessTheGridRefusesItsText)
{
    auto* pType = static_cast<CGRDropListType*>(m_grid.GetCellType(1));
    struct Row {
        bool bRefuse;
        const char* lpszStored;
    } rows[] = {{false, "two!"}, {true, "old"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bRefuse);
        m_grid.SetCellText(2, 2, "old");
        m_grid.SetCellLabel(2, 2, "one\ntwo\n");
        m_grid.m_bRefuseText = row.bRefuse;
        CRect rect = CellRect(2, 2);
        CPoint onButton(rect.right - 3, rect.top + 5);
        m_grid.GotoCell(2, 2);
        pType->OnLClicked(2, 2, 1, &rect, &onButton);
        pType->ChooseItem(1);
        EXPECT_STREQ(m_grid.GetCellText(2, 2), row.lpszStored);
        EXPECT_EQ(pType->GetListCol(), -1);
    }
}
