// The hint window on a real grid: its window, placement inside the control,
// showing without activation, hiding, and its end with the control.
#include "CompanionGrid.h"

using CGRHintWindow = CCompanionWindowTest;

TEST_F(CGRHintWindow, IsAHiddenTopmostToolPopupOfItsOwnClassWithoutId)
{
    CreateGrid();
    CGRHint* pHint = m_grid.GetHint();
    ASSERT_TRUE(pHint->GetSafeHwnd());
    char szClass[32] = {};
    ::GetClassNameA(pHint->GetSafeHwnd(), szClass, sizeof(szClass));
    EXPECT_STREQ(szClass, "HintWnd");
    EXPECT_TRUE(pHint->GetStyle() & WS_POPUP);
    EXPECT_TRUE(pHint->GetStyle() & WS_BORDER);
    EXPECT_EQ(pHint->GetExStyle() & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), DWORD(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_FALSE(pHint->IsWindowVisible());
    EXPECT_EQ(::GetWindowLongPtrA(pHint->GetSafeHwnd(), GWLP_ID), 0);
}

TEST_F(CGRHintWindow, HintWhoseRightEdgeIsAtFiveStartsAtTheControlsLeftEdge)
{
    CreateGrid();
    CGRHint* pHint = m_grid.GetHint();
    pHint->SetText("x", 0);
    pHint->SetTextAlign(2);
    pHint->MoveHintWindow(5, 50, 40);
    ASSERT_TRUE(pHint->IsWindowVisible());
    CRect rect;
    pHint->GetWindowRect(&rect);
    m_grid.ScreenToClient(&rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.Width(), 40);
    EXPECT_NE(CWnd::GetActiveWindow(), pHint);
}

TEST_F(CGRHintWindow, LongTextWidensTheHint)
{
    CreateGrid();
    CGRHint* pHint = m_grid.GetHint();
    pHint->SetText("A hint text much wider than forty pixels", 1);
    pHint->MoveHintWindow(100, 50, 40);
    CRect rect;
    pHint->GetWindowRect(&rect);
    EXPECT_GT(rect.Width(), 100);
}

TEST_F(CGRHintWindow, HidesAndShowsWithoutActivation)
{
    CreateGrid();
    CGRHint* pHint = m_grid.GetHint();
    pHint->MoveHintWindow(100, 50, 40);
    pHint->Hide();
    EXPECT_FALSE(pHint->IsWindowVisible());
    pHint->Show();
    EXPECT_TRUE(pHint->IsWindowVisible());
    EXPECT_NE(CWnd::GetActiveWindow(), pHint);
}

TEST_F(CGRHintWindow, GoesWithTheControlsWindow)
{
    CreateGrid();
    HWND hHint = m_grid.GetHint()->GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(hHint));
    m_grid.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hHint));
    EXPECT_EQ(m_grid.GetHint()->GetSafeHwnd(), nullptr);
}

TEST_F(CGRHintWindow, EveryGridGetsAHintOfTheSharedClass)
{
    CreateGrid();
    CCompanionGrid second;
    ASSERT_TRUE(second.CreateGrid(WS_VISIBLE, CRect(0, 0, 100, 100), &m_parent, 101));
    EXPECT_TRUE(second.GetHint()->GetSafeHwnd());
    EXPECT_NE(second.GetHint()->GetSafeHwnd(), m_grid.GetHint()->GetSafeHwnd());
    second.DestroyWindow();
}
