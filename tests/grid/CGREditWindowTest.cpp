// The in-cell edits, the selection and the clipboard on a real grid window
// in a virtual desktop: keys that end, move on or cancel an edit, the end of
// an edit when the focus leaves, masked input, blocks selected with the
// mouse and with Shift held, copy and paste through the real clipboard, and
// the find dialog's message.
#include "grid/CGRCtrl.h"
#include "grid/CGRMultiSelect.h"

#include <commdlg.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The program grids start an edit with the typed character.
class CTypingGrid : public CGRCtrl {
public:
    void OnSetup() override
    {
        SetColCount(6, 0);
        SetRowCount(6, 0);
    }
    void OnCharDown(UINT* pnKey, int nProcessed) override
    {
        if (!nProcessed)
            StartEditWithKey(*pnKey);
    }
};

// Holds Shift or Ctrl for GetKeyState while it lives.
class CHeldKey {
public:
    explicit CHeldKey(int nVirtualKey) : m_nKey(nVirtualKey) { Set(0x80); }
    ~CHeldKey() { Set(0); }

private:
    void Set(BYTE bState)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[m_nKey] = bState;
        ::SetKeyboardState(keys);
    }
    int m_nKey;
};

class CGREditWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Grid edit test",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 560, 360), nullptr, 0));
        ASSERT_TRUE(m_grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 500, 300), &m_parent, 100));
        ASSERT_TRUE(m_other.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(500, 0, 550, 20), &m_parent,
                                     200));
        m_parent.SetForegroundWindow();
        m_grid.GetCellArea()->SetFocus();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    void Type(CWnd* pWnd, const char* lpszText)
    {
        for (const char* p = lpszText; *p; ++p)
            pWnd->SendMessage(WM_CHAR, static_cast<unsigned char>(*p));
    }
    void Key(CWnd* pWnd, UINT nKey) { pWnd->SendMessage(WM_KEYDOWN, nKey); }

    CWnd* Edit() { return m_grid.GetEdit(); }

    // The find dialog's message for one search down the grid.
    LRESULT FindDown(const char* lpszText)
    {
        char szFind[64] = {};
        strncpy(szFind, lpszText, sizeof(szFind) - 1);
        FINDREPLACE find = {};
        find.lStructSize = sizeof(find);
        find.Flags = FR_DOWN;
        find.lpstrFindWhat = szFind;
        find.wFindWhatLen = sizeof(szFind);
        return m_grid.SendMessage(CGRCtrl::kFindReplaceMessage, 0, reinterpret_cast<LPARAM>(&find));
    }

    std::string Current() const
    {
        return std::to_string(m_grid.GetCurrentCol()) + "," + std::to_string(m_grid.GetCurrentRow());
    }

    CPoint CellCentre(int nCol, int nRow)
    {
        CRect rect;
        m_grid.GetCellRect(nCol, nRow, &rect);
        return rect.CenterPoint();
    }
    void Mouse(UINT message, UINT nFlags, CPoint point)
    {
        m_grid.GetCellArea()->SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
    }

    CWnd m_parent;
    CTypingGrid m_grid;
    CWnd m_other;
};

}

TEST_F(CGREditWindow, EnterStoresTheTextAndEditsTheCellBelow)
{
    m_grid.GotoCell(1, 1);
    Type(m_grid.GetCellArea(), "h");
    ASSERT_TRUE(m_grid.IsEditing());
    EXPECT_EQ(CWnd::GetFocus(), Edit());
    Type(Edit(), "i");
    Key(Edit(), VK_RETURN);
    EXPECT_STREQ(m_grid.GetCellText(1, 1), "hi");
    EXPECT_TRUE(m_grid.IsEditing());
    EXPECT_EQ(Current(), "1,2");
    EXPECT_EQ(CWnd::GetFocus(), Edit());
}

TEST_F(CGREditWindow, EscapeLeavesTheCellAsItWas)
{
    m_grid.SetCellText(2, 2, "before");
    m_grid.GotoCell(2, 2);
    m_grid.StartEdit();
    Type(Edit(), "after");
    Key(Edit(), VK_ESCAPE);
    EXPECT_FALSE(m_grid.IsEditing());
    EXPECT_STREQ(m_grid.GetCellText(2, 2), "before");
    EXPECT_FALSE(Edit()->IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), m_grid.GetCellArea());
}

TEST_F(CGREditWindow, KeysMoveTheEditOnToTheirNeighbour)
{
    struct Row {
        const char* lpszKey;
        UINT nKey;
        int nHeld;
        const char* lpszNext;
    } rows[] = {
        {"Tab", VK_TAB, 0, "3,2"},      {"Shift+Tab", VK_TAB, VK_SHIFT, "1,2"},
        {"Down", VK_DOWN, 0, "2,3"},    {"Up", VK_UP, 0, "2,1"},
        {"Right (all selected)", VK_RIGHT, 0, "3,2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszKey);
        m_grid.GotoCell(2, 2);
        ASSERT_EQ(m_grid.StartEdit(), 0);
        if (row.nHeld) {
            CHeldKey held(row.nHeld);
            Key(Edit(), row.nKey);
        } else {
            Key(Edit(), row.nKey);
        }
        EXPECT_EQ(Current(), row.lpszNext);
        Key(Edit(), VK_ESCAPE);
        EXPECT_FALSE(m_grid.IsEditing());
    }
}

TEST_F(CGREditWindow, LeftFirstOnlyCollapsesTheSelectedText)
{
    m_grid.SetCellText(2, 2, "text");
    m_grid.GotoCell(2, 2);
    m_grid.StartEdit();
    Key(Edit(), VK_LEFT);
    EXPECT_EQ(Current(), "2,2");
    EXPECT_TRUE(m_grid.IsEditing());
    Edit()->SendMessage(EM_SETSEL, 0, 0);
    Key(Edit(), VK_LEFT);
    EXPECT_EQ(Current(), "1,2");
}

TEST_F(CGREditWindow, LosingTheFocusEndsTheEditByTheOption)
{
    struct Row {
        int nEndOnFocusLoss;
        const char* lpszStored;
    } rows[] = {{0, "typed"}, {1, ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nEndOnFocusLoss);
        m_grid.SetCellText(0, 0, "");
        m_grid.SetEndEditOnFocusLoss(row.nEndOnFocusLoss);
        m_grid.GotoCell(0, 0);
        m_grid.StartEdit();
        Type(Edit(), "typed");
        m_other.SetFocus();
        EXPECT_FALSE(m_grid.IsEditing());
        EXPECT_STREQ(m_grid.GetCellText(0, 0), row.lpszStored);
        EXPECT_EQ(CWnd::GetFocus(), &m_other);
    }
}

TEST_F(CGREditWindow, ClickingAnotherCellEndsTheEdit)
{
    m_grid.GotoCell(0, 0);
    m_grid.StartEdit();
    Type(Edit(), "x");
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, CellCentre(3, 3));
    EXPECT_FALSE(m_grid.IsEditing());
    EXPECT_STREQ(m_grid.GetCellText(0, 0), "x");
}

TEST_F(CGREditWindow, AMaskTypesItsLiteralsAndRefusesWhatDoesNotFit)
{
    CGRCell cell;
    cell.SetMask("\\(00) 00");
    m_grid.SetCell(1, 1, &cell);
    m_grid.GotoCell(1, 1);
    m_grid.StartEdit();
    CWnd* pMasked = m_grid.GetMaskedEdit();
    ASSERT_EQ(CWnd::GetFocus(), pMasked);
    Type(pMasked, "12a3456");
    CString sText;
    pMasked->GetWindowText(sText);
    EXPECT_STREQ(sText, "(12) 34");
}

TEST_F(CGREditWindow, BlocksSelectedWithTheMouseAreCopiedThroughTheClipboard)
{
    m_grid.SetMultiSelectMode(1);
    m_grid.SetCellText(1, 1, "a");
    m_grid.SetCellText(2, 1, "b");
    m_grid.SetCellText(1, 2, "c");
    m_grid.SetCellText(2, 2, "d");
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, CellCentre(1, 1));
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, CellCentre(2, 2));
    Mouse(WM_LBUTTONUP, 0, CellCentre(2, 2));
    EXPECT_EQ(m_grid.IsSelected(2, 2, nullptr), 1);
    EXPECT_EQ(Current(), "1,1");
    ASSERT_EQ(m_grid.CopySelected(), 0);
    CString sClipboard;
    ASSERT_EQ(m_grid.GetClipboardText(sClipboard), 0);
    EXPECT_STREQ(sClipboard, "a\tb\nc\td");
}

TEST_F(CGREditWindow, TypingIntoASelectedBlockShrinksTheSelectionToTheEditedCell)
{
    m_grid.SetMultiSelectMode(1);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, CellCentre(1, 1));
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, CellCentre(2, 2));
    Mouse(WM_LBUTTONUP, 0, CellCentre(2, 2));
    auto screenPixel = [this](CPoint point) {
        HDC hArea = ::GetDC(m_grid.GetCellArea()->GetSafeHwnd());
        COLORREF color = ::GetPixel(hArea, point.x, point.y);
        ::ReleaseDC(m_grid.GetCellArea()->GetSafeHwnd(), hArea);
        return color;
    };
    m_grid.GetCellArea()->UpdateWindow();
    ASSERT_EQ(screenPixel(CellCentre(2, 2)), ::GetSysColor(COLOR_HIGHLIGHT));
    Type(m_grid.GetCellArea(), "h");
    ASSERT_TRUE(m_grid.IsEditing());
    EXPECT_EQ(m_grid.IsSelected(1, 1, nullptr), 1);
    EXPECT_EQ(m_grid.IsSelected(2, 2, nullptr), 0);
    EXPECT_EQ(m_grid.GetMultiSelect()->GetNumberBlocks(), 1);
    EXPECT_NE(screenPixel(CellCentre(2, 2)), ::GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(CGREditWindow, ShiftWithArrowKeysGrowsABlock)
{
    m_grid.SetMultiSelectMode(1);
    m_grid.GotoCell(0, 0);
    {
        CHeldKey held(VK_SHIFT);
        Key(m_grid.GetCellArea(), VK_RIGHT);
        Key(m_grid.GetCellArea(), VK_DOWN);
    }
    EXPECT_EQ(m_grid.IsSelected(1, 1, nullptr), 1);
    EXPECT_EQ(m_grid.IsSelected(2, 1, nullptr), 0);
    EXPECT_EQ(Current(), "0,0");
}

TEST_F(CGREditWindow, TextFromTheClipboardIsPastedFromTheCurrentCell)
{
    m_grid.SetMultiSelectMode(1);
    ASSERT_EQ(m_grid.SetClipboardText("1\t2\r\n3"), 0);
    CString sText;
    ASSERT_EQ(m_grid.GetClipboardText(sText), 0);
    m_grid.GotoCell(0, 0);
    m_grid.PasteFromText(sText);
    EXPECT_STREQ(m_grid.GetCellText(0, 0), "1");
    EXPECT_STREQ(m_grid.GetCellText(1, 0), "2");
    EXPECT_STREQ(m_grid.GetCellText(0, 1), "3");
    EXPECT_EQ(m_grid.IsSelected(1, 1, nullptr), 1);
    EXPECT_EQ(m_grid.IsSelected(2, 1, nullptr), 0);
}

TEST_F(CGREditWindow, AClipboardHeldElsewhereIsReportedAndKeepsItsText)
{
    ASSERT_EQ(m_grid.SetClipboardText("kept"), 0);
    ASSERT_TRUE(::OpenClipboard(m_other.GetSafeHwnd()));
    EXPECT_EQ(m_grid.SetClipboardText("lost"), 3);
    ::CloseClipboard();
    CString sText;
    ASSERT_EQ(m_grid.GetClipboardText(sText), 0);
    EXPECT_STREQ(sText, "kept");
}

TEST_F(CGREditWindow, TheFindMessageFindsTextInAnotherColumn)
{
    m_grid.SetCellText(4, 3, "needle");
    m_grid.EnableFindAcrossColumns(1);
    m_grid.SetFindDialog(&m_other);
    m_grid.GotoCell(0, 0);
    EXPECT_EQ(FindDown("need"), 0);
    EXPECT_EQ(Current(), "4,3");
}

// The answer to a search without a match is in the language in use: this
// test links the grid's texts as a language library carries them.
TEST_F(CGREditWindow, AFindWithoutAMatchTellsTheUserInTheLanguageInUse)
{
    std::string sShown;
    AfxSetMessageBoxHook([&](LPCTSTR lpszText, LPCTSTR lpszCaption, UINT) {
        sShown = std::string(lpszCaption) + ": " + lpszText;
        return IDOK;
    });
    m_grid.SetFindDialog(&m_other);
    FindDown("absent");
    AfxSetMessageBoxHook(nullptr);
    EXPECT_EQ(sShown, "Language library: not found: Language library: item not found");
}
