// The cell types on a real grid window: what each draws (pixels after
// WM_PRINT) and how each answers its clicks and keys; the drop list's list
// window with the focus.
#include "grid/CGRButtonType.h"
#include "grid/CGRCheckBoxType.h"
#include "grid/CGRCtrl.h"
#include "grid/CGRDropListType.h"
#include "grid/CGRNoteType.h"
#include "grid/CGRSpinButtonType.h"

#include "GridWindowPixels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// A grid with the three extra types registered and the types' notices kept.
class CTypesGrid : public CGRCtrl {
public:
    void OnSetup() override
    {
        SetColCount(5, 0);
        SetRowCount(30, 0);
        m_nButton = AddCellType(&m_button);
        m_nNote = AddCellType(&m_note);
        m_nSpin = AddCellType(&m_spin);
        CGRCell cell;
        cell.SetBackColor(kWhite);
        SetGridDefault(&cell);
    }
    int OnCellTypeNotify(int nID, int nCol, int nRow, long lMessage, LONG_PTR) override
    {
        m_notices.push_back(std::to_string(nID) + ":" + std::to_string(lMessage));
        return 1;
    }
    CGRButtonType m_button;
    CGRNoteType m_note;
    CGRSpinButtonType m_spin;
    int m_nButton = 0, m_nNote = 0, m_nSpin = 0;
    std::vector<std::string> m_notices;
};

class CGRCellTypesWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Grid types test",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 560, 460), nullptr, 0));
        ASSERT_TRUE(m_grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 500, 400), &m_parent, 100));
        m_parent.SetForegroundWindow();
        m_grid.GetCellArea()->SetFocus();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CRect Rect(int nCol, int nRow)
    {
        CRect rect;
        m_grid.GetCellRect(nCol, nRow, &rect);
        return rect;
    }
    void Mouse(UINT message, UINT nFlags, CPoint point)
    {
        m_grid.GetCellArea()->SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
    }
    void Click(CPoint point)
    {
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, point);
        Mouse(WM_LBUTTONUP, 0, point);
    }
    void SetType(int nCol, int nRow, int nType, long lStyle = 0)
    {
        m_grid.SetCellCellType(nCol, nRow, nType);
        m_grid.SetCellCellTypeEx(nCol, nRow, lStyle);
    }
    double Number(int nCol, int nRow)
    {
        CGRCell cell;
        m_grid.GetCell(nCol, nRow, &cell);
        return cell.GetNumber();
    }

    CWnd m_parent;
    CTypesGrid m_grid;
};

}

TEST_F(CGRCellTypesWindow, CheckBoxDrawsItsFrameAndTheCrossOfItsState)
{
    SetType(1, 1, 2);
    m_grid.SetCellNumber(1, 1, 1);
    SetType(1, 2, 2);
    m_grid.SetCellNumber(1, 2, 0);
    CGridSnapshot snapshot(m_grid);
    CRect box(Rect(1, 1).left + 3, Rect(1, 1).top + 4, Rect(1, 1).left + 15, Rect(1, 1).top + 16);
    EXPECT_EQ(snapshot.Pixel(box.left, box.top + 5), kBlack);
    EXPECT_EQ(snapshot.Pixel(box.CenterPoint()), kBlack);
    CPoint clearCentre = box.CenterPoint() + CSize(0, Rect(1, 2).top - Rect(1, 1).top);
    EXPECT_EQ(snapshot.Pixel(clearCentre), kWhite);
}

TEST_F(CGRCellTypesWindow, CheckBoxTogglesOnAClickOnTheBoxAndOnSpace)
{
    SetType(1, 1, 2);
    m_grid.SetCellNumber(1, 1, 0);
    Click(Rect(1, 1).TopLeft() + CSize(8, 10));
    EXPECT_EQ(Number(1, 1), 1.0);
    Click(Rect(1, 1).TopLeft() + CSize(50, 10));
    EXPECT_EQ(Number(1, 1), 1.0);
    m_grid.GetCellArea()->SendMessage(WM_CHAR, ' ');
    EXPECT_EQ(Number(1, 1), 0.0);
    EXPECT_EQ(m_grid.m_notices, std::vector<std::string>({"2:53", "2:53"}));
}

TEST_F(CGRCellTypesWindow, ArrowsDrawAtTheCellCentreInTheTextColour)
{
    SetType(2, 2, 3);
    SetType(2, 3, 3, CGRArrowType::kStyleLeft);
    CGridSnapshot snapshot(m_grid);
    CPoint right = Rect(2, 2).CenterPoint();
    EXPECT_EQ(snapshot.Pixel(right.x - 1, right.y - 3), kBlack);
    EXPECT_EQ(snapshot.Pixel(right.x + 1, right.y - 3), kWhite);
    CPoint left = Rect(2, 3).CenterPoint();
    EXPECT_EQ(snapshot.Pixel(left.x + 1, left.y - 3), kBlack);
    EXPECT_EQ(snapshot.Pixel(left.x - 1, left.y - 3), kWhite);
}

TEST_F(CGRCellTypesWindow, DropListButtonOpensAListWhoseChoiceBecomesTheText)
{
    SetType(1, 1, 1);
    m_grid.SetCellLabel(1, 1, "red\ngreen\nblue\n");
    CRect rect = Rect(1, 1);
    CGridSnapshot snapshot(m_grid);
    EXPECT_EQ(snapshot.Pixel(rect.right - 3, rect.top + 3), ::GetSysColor(COLOR_BTNFACE));
    Click(CPoint(rect.right - 5, rect.top + 5));
    CWnd* pList = CWnd::GetFocus();
    ASSERT_NE(pList, m_grid.GetCellArea());
    EXPECT_EQ(pList->GetParent(), m_grid.GetCellArea());
    EXPECT_EQ(pList->SendMessage(LB_GETCOUNT), 3);
    pList->SendMessage(LB_SETCURSEL, 1);
    pList->SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_STREQ(m_grid.GetCellText(1, 1), "green");
    EXPECT_EQ(CWnd::GetFocus(), m_grid.GetCellArea());
    auto* pType = static_cast<CGRDropListType*>(m_grid.GetCellType(1));
    EXPECT_FALSE(pType->IsListOpen());
}

TEST_F(CGRCellTypesWindow, DropListOfTwentyItemsShowsFifteenInsideTheGrid)
{
    CString sLabel;
    for (int i = 0; i < 20; ++i)
        sLabel += "item\n";
    SetType(1, 12, 1);
    m_grid.SetCellLabel(1, 12, sLabel);
    m_grid.GotoCell(1, 12);
    m_grid.GetCellArea()->SendMessage(WM_KEYDOWN, VK_RETURN);
    CWnd* pList = CWnd::GetFocus();
    ASSERT_NE(pList, m_grid.GetCellArea());
    int nItemHeight = static_cast<int>(pList->SendMessage(LB_GETITEMHEIGHT));
    CRect listRect, areaRect;
    pList->GetWindowRect(&listRect);
    m_grid.GetCellArea()->GetWindowRect(&areaRect);
    EXPECT_EQ(listRect.Height(), nItemHeight * 15 + 6);
    EXPECT_TRUE(pList->GetStyle() & WS_VSCROLL);
    EXPECT_LE(listRect.bottom, areaRect.bottom);
    pList->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(CWnd::GetFocus(), m_grid.GetCellArea());
}

TEST_F(CGRCellTypesWindow, ButtonReportsAClickOnlyWhenReleasedOverItself)
{
    SetType(1, 1, m_grid.m_nButton);
    CRect rect = Rect(1, 1);
    std::string sId = std::to_string(m_grid.m_nButton);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, rect.CenterPoint());
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, Rect(3, 3).CenterPoint());
    EXPECT_EQ(m_grid.m_button.IsPressed(), 0);
    Mouse(WM_LBUTTONUP, 0, Rect(3, 3).CenterPoint());
    EXPECT_EQ(m_grid.m_notices, std::vector<std::string>({sId + ":2"}));
    m_grid.m_notices.clear();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, rect.CenterPoint());
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, Rect(3, 3).CenterPoint());
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, rect.CenterPoint());
    EXPECT_EQ(m_grid.m_button.IsPressed(), 1);
    Mouse(WM_LBUTTONUP, 0, rect.CenterPoint());
    EXPECT_EQ(m_grid.m_notices, std::vector<std::string>({sId + ":2", sId + ":3", sId + ":1"}));
    m_grid.m_notices.clear();
    m_grid.GetCellArea()->SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(m_grid.m_notices, std::vector<std::string>({sId + ":1"}));
}

TEST_F(CGRCellTypesWindow, NoteShowsItsMarkAndItsPopupOnlyWithALabel)
{
    SetType(1, 1, m_grid.m_nNote);
    m_grid.SetCellLabel(1, 1, "a note");
    SetType(1, 2, m_grid.m_nNote);
    CGridSnapshot snapshot(m_grid);
    CRect noted = Rect(1, 1), plain = Rect(1, 2);
    EXPECT_EQ(snapshot.Pixel(noted.right - 3, noted.top + 1), RGB(255, 0, 0));
    EXPECT_EQ(snapshot.Pixel(plain.right - 3, plain.top + 1), kWhite);
    Mouse(WM_MOUSEMOVE, 0, plain.CenterPoint());
    EXPECT_FALSE(m_grid.m_note.GetPopup()->IsWindowVisible());
    m_grid.GotoCell(1, 1);
    Mouse(WM_MOUSEMOVE, 0, noted.CenterPoint());
    ASSERT_TRUE(m_grid.m_note.GetPopup()->IsWindowVisible());
    CString sText;
    m_grid.m_note.GetPopup()->GetWindowText(sText);
    EXPECT_STREQ(sText, "a note");
    m_grid.GotoCell(3, 3);
    EXPECT_FALSE(m_grid.m_note.GetPopup()->IsWindowVisible());
}

TEST_F(CGRCellTypesWindow, SpinButtonHalvesCountUpAndDown)
{
    SetType(1, 1, m_grid.m_nSpin);
    CRect rect = Rect(1, 1);
    std::string sId = std::to_string(m_grid.m_nSpin);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(rect.right - 4, rect.top + 3));
    EXPECT_EQ(m_grid.m_spin.GetPressedHalf(), 1);
    Mouse(WM_LBUTTONUP, 0, CPoint(rect.right - 4, rect.top + 3));
    EXPECT_EQ(m_grid.m_spin.GetPressedHalf(), 0);
    Click(CPoint(rect.right - 4, rect.bottom - 4));
    Click(CPoint(rect.left + 4, rect.top + 4));
    EXPECT_EQ(m_grid.m_notices, std::vector<std::string>({sId + ":16", sId + ":17"}));
}

// Holds another vertical scroll-bar width for the system while it lives.
class CScrollBarWidth {
public:
    explicit CScrollBarWidth(int nWidth)
    {
        m_metrics.cbSize = sizeof(m_metrics);
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(m_metrics), &m_metrics, 0);
        NONCLIENTMETRICSA changed = m_metrics;
        changed.iScrollWidth = nWidth;
        ::SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(changed), &changed, 0);
    }
    ~CScrollBarWidth() { ::SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(m_metrics), &m_metrics, 0); }

private:
    NONCLIENTMETRICSA m_metrics = {};
};

TEST(CGRCellTypeButtons, DropListAndSpinButtonsAreAsWideAsTheSystemsScrollBar)
{
    CScrollBarWidth width(23);
    ASSERT_EQ(::GetSystemMetrics(SM_CXVSCROLL), 23);
    CGRDropListType dropList;
    CGRSpinButtonType spin;
    CRect rect(0, 0, 100, 20);
    CRect dropListEdit = rect;
    dropList.GetEditArea(&dropListEdit);
    CRect spinEdit = rect;
    spin.GetEditArea(&spinEdit);
    EXPECT_EQ(dropListEdit.right, 100 - 23 - 1);
    EXPECT_EQ(spinEdit.right, 100 - 23 - 1);
}
