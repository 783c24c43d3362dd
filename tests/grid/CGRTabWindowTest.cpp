// CGRTab on a real grid window: the tab area's place, choosing a partly
// hidden tab, the scroll arrows, sizing the area by its splitter, the popup
// menu on and beside the tabs, the tab colours on the screen, and help.
#include "HeadingsGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF kTabBack = RGB(255, 0, 0);
const COLORREF kCurrentBack = RGB(0, 255, 0);

class CGRTabWindow : public CHeadingsWindowTest {
protected:
    void SetUp() override
    {
        CHeadingsWindowTest::SetUp();
        m_grid.SetTabWidth(150);
        const char* labels[] = {"First sheet", "Second sheet", "Third sheet", "Fourth sheet"};
        for (int i = 0; i < 4; ++i) {
            ASSERT_EQ(m_grid.AddTab(labels[i], 100 + i), i);
            m_grid.SetTabColors(100 + i, RGB(0, 0, 0), kTabBack, RGB(0, 0, 0), kCurrentBack);
        }
        m_grid.m_log.clear();
    }
    CGRTab* Tabs() { return m_grid.GetSheetTabs(); }
    CGRTabStrip& Strip() { return Tabs()->GetStrip(); }
    int TabsWidth()
    {
        CRect client;
        Tabs()->GetClientRect(&client);
        return client.Width();
    }
    COLORREF ScreenPixel(int x, int y)
    {
        Tabs()->UpdateWindow();
        CAreaBitmap screen(Tabs());
        CopyScreen(Tabs(), screen);
        return screen.Pixel(x, y);
    }
};

}

TEST_F(CGRTabWindow, TabAreaLiesLeftOfTheHorizontalScrollBar)
{
    EXPECT_EQ(m_grid.GetTabWidth(), 150);
    CRect rect = RectInControl(Tabs());
    EXPECT_EQ(rect, CRect(0, 300 - 17, 150, 300));
    EXPECT_EQ(Tabs()->GetDlgItem(CGRTab::kScrollBarID)->GetDlgCtrlID(), 100);
}

TEST_F(CGRTabWindow, ClickingAPartlyHiddenTabScrollsItIntoViewAndSelectsIt)
{
    int nLast = 0;
    while (Strip().TabLeft(nLast) + Strip().GetTab(nLast).nWidth <= TabsWidth())
        ++nLast;
    int nLeft = Strip().TabLeft(nLast);
    ASSERT_LT(nLeft, TabsWidth());
    Mouse(Tabs(), WM_LBUTTONDOWN, MK_LBUTTON, nLeft + 3, 8);
    Mouse(Tabs(), WM_LBUTTONUP, 0, nLeft + 3, 8);
    EXPECT_EQ(m_grid.Log(), "Tab(" + std::to_string(100 + nLast) + ",0,0)");
    EXPECT_EQ(Strip().GetCurrent(), nLast);
    EXPECT_GT(Strip().GetOffset(), 0);
    EXPECT_LE(Strip().TabLeft(nLast) + Strip().GetTab(nLast).nWidth + 19, TabsWidth());
    int nMiddle = Strip().TabLeft(nLast) + Strip().GetTab(nLast).nWidth / 2;
    EXPECT_EQ(ScreenPixel(nMiddle, 15), kCurrentBack);
}

TEST_F(CGRTabWindow, ScrollArrowsMoveTheStripFivePixels)
{
    Tabs()->SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(Strip().GetOffset(), 5);
    Tabs()->SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
    Tabs()->SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
    EXPECT_EQ(Strip().GetOffset(), 0);
}

// Below the labels: the current tab in its own colour, the others in theirs.
TEST_F(CGRTabWindow, TabsShowTheirColours)
{
    m_grid.SetTabWidth(400);
    ASSERT_GT(TabsWidth(), Strip().TabLeft(2));
    const int nBelowLabels = 15;
    EXPECT_EQ(ScreenPixel(Strip().TabLeft(0) + Strip().GetTab(0).nWidth / 2, nBelowLabels), kCurrentBack);
    EXPECT_EQ(ScreenPixel(Strip().TabLeft(1) + Strip().GetTab(1).nWidth / 2, nBelowLabels), kTabBack);
}

TEST_F(CGRTabWindow, TheSplitterSizesTheTabAreaNeverBelowForty)
{
    int nEdge = TabsWidth() - 3;
    Mouse(Tabs(), WM_MOUSEMOVE, 0, nEdge, 8);
    Tabs()->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(Tabs()->GetSafeHwnd()),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_SIZEWE));
    Mouse(Tabs(), WM_LBUTTONDOWN, MK_LBUTTON, nEdge, 8);
    Mouse(Tabs(), WM_MOUSEMOVE, MK_LBUTTON, 200, 8);
    EXPECT_EQ(m_grid.GetTabWidth(), 200);
    EXPECT_EQ(RectInControl(Tabs()).Width(), 200);
    Mouse(Tabs(), WM_MOUSEMOVE, MK_LBUTTON, 10, 8);
    EXPECT_EQ(m_grid.GetTabWidth(), 40);
    EXPECT_EQ(RectInControl(Tabs()).Width(), 40);
    Mouse(Tabs(), WM_LBUTTONUP, 0, 10, 8);
    Mouse(Tabs(), WM_MOUSEMOVE, MK_LBUTTON, 100, 8);
    EXPECT_EQ(m_grid.GetTabWidth(), 40);
}

TEST_F(CGRTabWindow, RightClickOpensTheMenuWithTheTabOrMinusOne)
{
    Mouse(Tabs(), WM_RBUTTONDOWN, MK_RBUTTON, Strip().TabLeft(1) + 3, 8);
    Mouse(Tabs(), WM_RBUTTONDOWN, MK_RBUTTON, 5, 8);
    EXPECT_EQ(m_grid.Log(), "Menu(1,0,7) Menu(-1,0,7)");
}

TEST_F(CGRTabWindow, HelpNamesTheCurrentCellAndTheTabsSection)
{
    m_grid.GotoCell(2, 3);
    EXPECT_EQ(Tabs()->SendMessage(CGRGrid::kHelpHitTestMessage, 0, MAKELPARAM(60, 5)), 7000 + 100 * 12 + 13);
}
