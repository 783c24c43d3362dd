// Tests of the status bar's panes on a bar in a frame: the main frame's four
// panes, stretching panes sharing the leftover, the double click told to
// the parent, the panes' cursors and tips, the progress control and the
// minimum height (the skins' paint and the pane bitmaps: the skins' tests).
//
// Not tested: the tool tip window showing a pane's tip (it needs the real
// cursor resting over the bar).

#include "res/resource.h"
#include "toolkit/frames/CTKStatusBar.h"
#include "toolkit/skins/CTKSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kMainIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// A frame that notes the pane double clicks its status bar tells it of.
class CPaneClickFrame : public CFrameWnd {
public:
    std::vector<UINT> m_clickedIDs;

protected:
    afx_msg LRESULT OnPaneDblClk(WPARAM wParam, LPARAM)
    {
        m_clickedIDs.push_back(static_cast<UINT>(wParam));
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaneClickFrame, CFrameWnd)
    ON_MESSAGE(kTKStatusPaneDblClk, OnPaneDblClk)
END_MESSAGE_MAP()

// The skins' system with the cursor where the test puts it (screen
// coordinates), so that no test moves the display's one pointer.
class CPinnedCursorSystem : public CTKSystem {
public:
    CPinnedCursorSystem() : m_pPrevious(CTKSystem::Replace(this)) {}
    ~CPinnedCursorSystem() override { CTKSystem::Replace(m_pPrevious); }
    POINT GetCursorPos() const override { return m_ptCursor; }

    POINT m_ptCursor = {-1000, -1000};

private:
    const CTKSystem* m_pPrevious;
};

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 200)));
        ASSERT_TRUE(m_bar.Create(m_pFrame));
        ASSERT_TRUE(m_bar.SetIndicators(kMainIndicators, 4));
        m_pFrame->RecalcLayout();
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }

    CRect ItemRect(int nIndex)
    {
        CRect rect;
        m_bar.GetItemRect(nIndex, &rect);
        return rect;
    }
    int TextWidth(int nIndex)
    {
        UINT nID = 0;
        UINT nStyle = 0;
        int cxText = 0;
        m_bar.GetPaneInfo(nIndex, nID, nStyle, cxText);
        return cxText;
    }
    // Makes the bar's client area cxClient wide.
    void SetClientWidth(int cxClient)
    {
        CRect rectWindow;
        m_bar.GetWindowRect(&rectWindow);
        CRect rectClient;
        m_bar.GetClientRect(&rectClient);
        m_bar.SetWindowPos(nullptr, 0, 0, cxClient + rectWindow.Width() - rectClient.Width(), rectWindow.Height(),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    int PaneGap()
    {
        int borders[3] = {};
        m_bar.SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        return borders[2];
    }

    CPaneClickFrame* m_pFrame = new CPaneClickFrame;  // deletes itself with its window
    CTKStatusBar m_bar;
};

}  // namespace

// The program's four panes: the first stretches to the indicators, each
// indicator as wide as its text and margin, the last one at the bar's end.
TEST_F(StatusBarTest, MainFramePanesStretchTheFirstAndFitTheIndicators)
{
    ASSERT_EQ(m_bar.GetCount(), 4);
    EXPECT_TRUE(m_bar.GetPaneStyle(0) & SBPS_STRETCH);
    for (int nIndex = 1; nIndex < 4; ++nIndex) {
        SCOPED_TRACE(nIndex);
        EXPECT_FALSE(m_bar.GetPaneStyle(nIndex) & SBPS_STRETCH);
        EXPECT_GT(TextWidth(nIndex), 0);
        EXPECT_EQ(ItemRect(nIndex).Width(), TextWidth(nIndex) + 6);
        EXPECT_EQ(ItemRect(nIndex).left, ItemRect(nIndex - 1).right + PaneGap());
        EXPECT_EQ(m_bar.GetPaneText(nIndex).IsEmpty(), FALSE);
        EXPECT_EQ(m_bar.GetPaneProgress(nIndex), nullptr);
    }
    CRect rectClient;
    m_bar.GetClientRect(&rectClient);
    EXPECT_EQ(ItemRect(3).right, rectClient.right);
}

// The leftover goes to the stretching panes in order, each an equal share
// of what is still left: the last gets the odd pixel.
TEST_F(StatusBarTest, StretchPanesShareTheLeftoverTheLastTakingTheRemainder)
{
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_SEPARATOR};
    ASSERT_TRUE(m_bar.SetIndicators(indicators, 3));
    m_bar.SetPaneInfo(2, ID_SEPARATOR, SBPS_NOBORDERS | SBPS_STRETCH, 0);
    const int cxFixed = 6 + (TextWidth(1) + 6) + 6 + 2 * PaneGap();
    struct Row {
        int cxLeftOver;
        int cxFirst;
        int cxSecond;
    } rows[] = {{101, 50, 51}, {100, 50, 50}, {1, 0, 1}, {0, 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cxLeftOver);
        SetClientWidth(cxFixed + row.cxLeftOver);
        EXPECT_EQ(ItemRect(0).Width(), 6 + row.cxFirst);
        EXPECT_EQ(ItemRect(1).Width(), TextWidth(1) + 6);
        EXPECT_EQ(ItemRect(2).Width(), 6 + row.cxSecond);
    }
}

TEST_F(StatusBarTest, PaneDoubleClickSendsThePanesIdToTheParent)
{
    struct Row {
        const char* pszCase;
        CPoint point;
        std::vector<UINT> expected;
    } rows[] = {
        {"stretching pane", ItemRect(0).CenterPoint(), {ID_SEPARATOR}},
        {"NUM", ItemRect(2).CenterPoint(), {ID_INDICATOR_NUM}},
        {"no pane", CPoint(-1, -1), {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        m_pFrame->m_clickedIDs.clear();
        m_bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(row.point.x, row.point.y));
        EXPECT_EQ(m_pFrame->m_clickedIDs, row.expected);
    }
}

TEST_F(StatusBarTest, PaneCursorShowsOverItsPaneOnly)
{
    CPinnedCursorSystem system;
    const HCURSOR hCross = ::LoadCursor(nullptr, IDC_CROSS);
    ASSERT_TRUE(m_bar.SetPaneCursor(1, hCross));
    EXPECT_FALSE(m_bar.SetPaneCursor(4, hCross));
    for (const int nIndex : {1, 2}) {
        SCOPED_TRACE(nIndex);
        CPoint point = ItemRect(nIndex).CenterPoint();
        m_bar.ClientToScreen(&point);
        system.m_ptCursor = point;
        ::SetCursor(nullptr);
        m_bar.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_bar.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::GetCursor() == hCross, nIndex == 1);
    }
}

// A pane is a tool of its rectangle with its id as the hit; its progress
// control is a tool of its own, counted after the panes, with the pane's tip.
TEST_F(StatusBarTest, PanesAndTheirProgressControlsGiveThePanesTips)
{
    ASSERT_TRUE(m_bar.SetPaneToolTip(1, "Caps Lock"));
    ASSERT_TRUE(m_bar.SetPaneToolTip(0, "Reading the analyser"));
    ASSERT_TRUE(m_bar.SetPaneProgress(0, TRUE));
    CRect rectProgress;
    m_bar.GetPaneProgress(0)->GetWindowRect(&rectProgress);
    m_bar.ScreenToClient(&rectProgress);

    TOOLINFO info = {};
    EXPECT_EQ(m_bar.OnToolHitTest(ItemRect(1).CenterPoint(), &info), INT_PTR(ID_INDICATOR_CAPS));
    EXPECT_EQ(info.hwnd, m_bar.m_hWnd);
    EXPECT_EQ(CRect(info.rect), ItemRect(1));
    EXPECT_EQ(std::string(info.lpszText), "Caps Lock");

    info = {};
    EXPECT_EQ(m_bar.OnToolHitTest(rectProgress.CenterPoint(), &info), INT_PTR(4));
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(m_bar.GetPaneProgress(0)->m_hWnd));
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_EQ(std::string(info.lpszText), "Reading the analyser");

    info = {};
    EXPECT_EQ(m_bar.OnToolHitTest(CPoint(-1, -1), &info), INT_PTR(-1));
}

// The control fills its pane inside the borders (one pixel more off the
// bottom), after room for "999%" when it shows a percentage, follows the
// pane when the bar is sized, and goes with its style bit.
TEST_F(StatusBarTest, ProgressControlFillsItsPaneAndFollowsIt)
{
    m_bar.SetPaneText(2, "NUM");
    int cxPercent = 0;
    {
        CClientDC dc(&m_bar);
        CFont* pOld = dc.SelectObject(m_bar.GetFont());
        cxPercent = dc.GetTextExtent("999%").cx;
        dc.SelectObject(pOld);
    }
    for (const BOOL bPercent : {FALSE, TRUE}) {
        SCOPED_TRACE(bPercent ? "with percentage" : "bar only");
        ASSERT_TRUE(m_bar.SetPaneProgress(0, TRUE, bPercent));
        EXPECT_TRUE(m_bar.GetPaneStyle(0) & kTKPaneProgress);
        EXPECT_TRUE(m_bar.GetPaneText(0).IsEmpty());
        for (const int cxClient : {480, 300}) {
            SCOPED_TRACE(cxClient);
            SetClientWidth(cxClient);
            CProgressCtrl* pProgress = m_bar.GetPaneProgress(0);
            ASSERT_NE(pProgress, nullptr);
            CRect rectPane;
            ASSERT_TRUE(m_bar.GetPaneRect(0, &rectPane, TRUE));
            CRect rectProgress;
            pProgress->GetWindowRect(&rectProgress);
            m_bar.ScreenToClient(&rectProgress);
            EXPECT_TRUE(pProgress->IsWindowVisible());
            EXPECT_EQ(rectProgress, CRect(rectPane.left + (bPercent ? cxPercent : 0), rectPane.top, rectPane.right,
                                          rectPane.bottom));
        }
        const HWND hProgress = m_bar.GetPaneProgress(0)->m_hWnd;
        ASSERT_TRUE(m_bar.SetPaneProgress(0, FALSE));
        EXPECT_FALSE(::IsWindow(hProgress));
        EXPECT_EQ(m_bar.GetPaneProgress(0), nullptr);
        EXPECT_FALSE(m_bar.GetPaneStyle(0) & kTKPaneProgress);
    }
    EXPECT_EQ(m_bar.GetPaneText(2), "NUM");
}

TEST_F(StatusBarTest, MinimumHeightKeepsTheBarAtLeastThatHigh)
{
    const int cyBefore = m_bar.CalcFixedLayout(TRUE, TRUE).cy;
    m_bar.SendMessage(SB_SETMINHEIGHT, cyBefore + 20);
    EXPECT_GE(m_bar.CalcFixedLayout(TRUE, TRUE).cy, cyBefore + 20);
}
