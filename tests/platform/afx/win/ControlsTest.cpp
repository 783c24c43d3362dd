// The control wrappers on real controls: the members that do more than pass
// one message (texts of any length, item data, tool identities, limits).
//
// Not tested here: members that only send their message.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const CRect kControlRect(10, 10, 200, 120);

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Controls", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                                      300, nullptr, nullptr));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        PumpMessages(FALSE);
    }

    CWnd m_parent;
};

}  // namespace

TEST_F(ControlsTest, TreeGivesItemTextsOfAnyLength)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS, kControlRect, &m_parent, 101));
    for (size_t nLength : {0u, 1u, 255u, 256u, 600u}) {
        SCOPED_TRACE(nLength);
        std::string sText(nLength, 'b');
        HTREEITEM hItem = tree.InsertItem(sText.c_str());
        EXPECT_EQ(std::string(tree.GetItemText(hItem)), sText);
    }
    EXPECT_STREQ(tree.GetItemText(nullptr), "");
}

TEST_F(ControlsTest, TreeKeepsItemDataAndWalksItsItems)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE, kControlRect, &m_parent, 101));
    HTREEITEM hRoot = tree.InsertItem("Projects");
    HTREEITEM hFirst = tree.InsertItem("Hall 1", 1, 2, hRoot);
    HTREEITEM hSecond = tree.InsertItem("Hall 2", hRoot);
    ASSERT_TRUE(tree.SetItemData(hSecond, 0xC0FFEE));

    EXPECT_EQ(tree.GetItemData(hSecond), 0xC0FFEEu);
    EXPECT_EQ(tree.GetItemData(hFirst), 0u);
    EXPECT_EQ(tree.GetRootItem(), hRoot);
    EXPECT_EQ(tree.GetChildItem(hRoot), hFirst);
    EXPECT_EQ(tree.GetNextSiblingItem(hFirst), hSecond);
    EXPECT_EQ(tree.GetParentItem(hSecond), hRoot);
    EXPECT_TRUE(tree.ItemHasChildren(hRoot));
    EXPECT_FALSE(tree.ItemHasChildren(hFirst));
    int nImage = -1;
    int nSelectedImage = -1;
    ASSERT_TRUE(tree.GetItemImage(hFirst, nImage, nSelectedImage));
    EXPECT_EQ(nImage, 1);
    EXPECT_EQ(nSelectedImage, 2);
    EXPECT_EQ(tree.GetCount(), 3u);
}

TEST_F(ControlsTest, ListTextsOfMissingItemsAreEmpty)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, kControlRect, &m_parent, 102));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(210, 10, 390, 120), &m_parent, 103));
    combo.AddString("Octave");
    list.AddString("Third");

    CString sText("sentinel");
    combo.GetLBText(0, sText);
    EXPECT_STREQ(sText, "Octave");
    combo.GetLBText(1, sText);
    EXPECT_STREQ(sText, "");
    sText = "sentinel";
    list.GetText(0, sText);
    EXPECT_STREQ(sText, "Third");
    list.GetText(-1, sText);
    EXPECT_STREQ(sText, "");
}

TEST_F(ControlsTest, EditLineIsTerminatedWithinTheBuffer)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, kControlRect, &m_parent, 104));
    edit.SetWindowText("first line\r\nsecond");
    struct Row {
        int nLine;
        int nBuffer;
        const char* lpszExpected;
    };
    const Row rows[] = {{0, 64, "first line"}, {1, 64, "second"}, {0, 6, "first"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nLine << " into " << row.nBuffer);
        char szBuffer[64];
        std::memset(szBuffer, 'x', sizeof(szBuffer));
        edit.GetLine(row.nLine, szBuffer, row.nBuffer);
        EXPECT_STREQ(szBuffer, row.lpszExpected);
    }
    EXPECT_EQ(edit.GetLineCount(), 2);
}

TEST_F(ControlsTest, SpinKeepsThirtyTwoBitRangeAndPosition)
{
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_VISIBLE, CRect(10, 10, 100, 30), &m_parent, 105));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, CRect(100, 10, 120, 30), &m_parent, 106));
    spin.SetBuddy(&buddy);
    spin.SetRange32(-100000, 100000);
    spin.SetPos32(70000);

    int nLower = 0;
    int nUpper = 0;
    spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(nLower, -100000);
    EXPECT_EQ(nUpper, 100000);
    EXPECT_EQ(spin.GetPos32(), 70000);
    EXPECT_EQ(spin.GetBuddy(), &buddy);
}

TEST_F(ControlsTest, ScrollBarLimitIsTheMaximumLessThePage)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(10, 10, 200, 30), &m_parent, 107));
    SCROLLINFO info = {};
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(bar.GetScrollLimit(), 90);
    bar.SetScrollPos(95);
    EXPECT_EQ(bar.GetScrollPos(), 90);
}

TEST_F(ControlsTest, ToolTipKnowsWindowToolsAndRectangleTools)
{
    CButton button;
    ASSERT_TRUE(button.Create("Copy", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 40), &m_parent, 108));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_parent));
    ASSERT_TRUE(tip.AddTool(&button, "Copies the table"));
    CRect rectTool(100, 100, 150, 150);
    ASSERT_TRUE(tip.AddTool(&m_parent, "A corner", &rectTool, 7));
    EXPECT_EQ(tip.GetToolCount(), 2);

    TOOLINFO info = {};
    ASSERT_TRUE(tip.GetToolInfo(info, &button));
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(button.m_hWnd));
    ASSERT_TRUE(tip.GetToolInfo(info, &m_parent, 7));
    EXPECT_EQ(CRect(info.rect), rectTool);

    tip.DelTool(&button);
    EXPECT_EQ(tip.GetToolCount(), 1);
    tip.DestroyWindow();
}

TEST_F(ControlsTest, ProgressKeepsThirtyTwoBitRangeAndSteps)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(10, 10, 200, 30), &m_parent, 107));
    progress.SetRange32(-5, 100000);
    progress.SetStep(70000);
    int nLower = 0;
    int nUpper = 0;
    progress.GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, -5);
    EXPECT_EQ(nUpper, 100000);
    progress.SetPos(10);
    EXPECT_EQ(progress.StepIt(), 10);
    EXPECT_EQ(progress.GetPos(), 70010);
}

TEST_F(ControlsTest, TabsTakeTheirTextsAndTheOldItemSizeComesBackWhole)
{
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE | TCS_FIXEDWIDTH, kControlRect, &m_parent, 108));
    EXPECT_EQ(tabs.InsertItem(0, "Zwei"), 0);
    EXPECT_EQ(tabs.InsertItem(0, "Eins"), 0);
    char szText[16] = {};
    TCITEM item = {};
    item.mask = TCIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = static_cast<int>(sizeof(szText));
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ(szText, "Zwei");
    tabs.SetItemSize(CSize(60, 20));
    EXPECT_EQ(tabs.SetItemSize(CSize(70, 22)), CSize(60, 20));
}
