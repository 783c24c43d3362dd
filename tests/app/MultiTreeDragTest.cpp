// Behaviours of the drag inside the measurement tree, driven as the system
// drives it: the begin-drag notification through the parent, mouse moves and
// the button release on the tree, and the tree's own timer messages. Checked:
// which items start a drag, the cursor and the drag image, the drop
// highlight, the hover timer's expansion, the scroll timer's lines at either
// edge, and the message the parent gets after a valid drop.
//
// Not tested: when the hover timer restarts and when it runs on (the tests
// send the timer's messages; the system's timers never fire here).

#include "app/MultiTree.h"

#include "import/TreeItemData.h"
#include "model/ViewKinds.h"
#include "res/resource.h"

#include "CImageList.h"
#include "CWindowDC.h"
#include "afxwin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UINT kTreeId = 1002;
constexpr DWORD_PTR kGroupSource = 122;
constexpr DWORD_PTR kGroupReceiving = 123;
constexpr DWORD_PTR kProjectPointer = 0x40000;
constexpr DWORD_PTR kFirstLeafPosition = 0x50000;
constexpr int kLeavesPerGroup = 20;

// The tree with the cursor where the test puts it: the system's cursor
// position reaches the X server, and comes back from it, only in its time.
class CScriptedCursorTree : public CMultiTree {
public:
    CPoint m_cursor;

protected:
    CPoint GetDragCursorPos() const override { return m_cursor; }
};

// The tree's parent: records each drop message with what the tree shows at
// that moment.
class CDropRecordingBar : public CWnd {
public:
    BOOL CreateTopLevel()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "Tree bar", WS_POPUP | WS_VISIBLE, 40, 60, 400, 300, nullptr,
                        nullptr);
    }

    struct CDrop {
        HTREEITEM m_hSelected;
        HTREEITEM m_hDragged;
    };
    std::vector<CDrop> m_drops;
    CMultiTree* m_pTree = nullptr;

protected:
    afx_msg LRESULT OnTreeDrop(WPARAM wParam, LPARAM lParam)
    {
        EXPECT_EQ(0u, wParam);
        EXPECT_EQ(0, lParam);
        m_drops.push_back({m_pTree->GetSelectedItem(), m_pTree->GetDragItem()});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDropRecordingBar, CWnd)
    ON_MESSAGE(kTreeDropMessage, OnTreeDrop)
END_MESSAGE_MAP()

class MultiTreeDragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bar.CreateTopLevel());
        // Off the bar's corner, with a border, as in the bar.
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES |
                                      TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                  CRect(10, 20, 370, 220), &m_bar, kTreeId));
        m_bar.m_pTree = &m_tree;
        ASSERT_TRUE(m_images.Create(IDB_TREEIMAGES, 16, 1, RGB(255, 255, 255)));
        m_tree.SetImageList(&m_images, TVSIL_NORMAL);
        BuildTree();
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        AfxDeleteTempMaps();
    }

    // Workspace > project > results folder > report, result table, the two
    // correction tables; project > "Measurement data" > groups 122 and 123
    // with their leaves. Everything expanded but group 123.
    void BuildTree()
    {
        m_hWorkspace = Insert("My Workspace", kItemWorkspace, kImageWorkspace, TVI_ROOT);
        m_hProject = Insert("Project 1", kProjectPointer, kImageProject, m_hWorkspace);
        m_hResults = Insert("Results", kItemResults, kImageFolderClosed, m_hProject);
        m_hReport = Insert("Test report", kViewKindReport, kImageReport, m_hResults);
        m_hResultTable = Insert("Result table", kViewKindResultTable, kImageProject, m_hResults);
        // Short texts: the band right of every text stays empty for the drag image.
        m_hBgnTable = Insert("BGN correction", kViewKindBgnCorrectionTable, kImageProject, m_hResults);
        m_hFtmTable = Insert("FTM correction", kViewKindFtmCorrectionTable, kImageProject, m_hResults);
        m_hMeasData = Insert("Measurement data", kItemMeasurementData, kImageFolderClosed, m_hProject);
        m_hSource = Insert("Source room", kGroupSource, kImageFolderClosed, m_hMeasData);
        m_hReceiving = Insert("Receiving room", kGroupReceiving, kImageFolderClosed, m_hMeasData);
        for (int i = 0; i < kLeavesPerGroup; ++i) {
            const DWORD_PTR dwPosition = kFirstLeafPosition + 16 * i;
            m_sourceLeaves.push_back(Insert(("Level " + std::to_string(i)).c_str(), dwPosition,
                                            kImageLevelMeasurement, m_hSource));
            Insert(("Level " + std::to_string(i)).c_str(), dwPosition + 8, kImageLevelMeasurement, m_hReceiving);
        }
        for (HTREEITEM hItem : {m_hWorkspace, m_hProject, m_hResults, m_hMeasData, m_hSource})
            m_tree.Expand(hItem, TVE_EXPAND);
    }
    HTREEITEM Insert(const char* lpszText, DWORD_PTR dwData, int nImage, HTREEITEM hParent)
    {
        HTREEITEM hItem = m_tree.InsertItem(lpszText, nImage, nImage, hParent);
        m_tree.SetItemData(hItem, dwData);
        return hItem;
    }

    // The middle of hItem's text, in the tree's client coordinates.
    CPoint PointOn(HTREEITEM hItem)
    {
        m_tree.EnsureVisible(hItem);
        CRect rect;
        m_tree.GetItemRect(hItem, &rect, TRUE);
        return rect.CenterPoint();
    }

    // What the tree control sends when the user starts to drag hItem.
    void BeginDrag(HTREEITEM hItem)
    {
        NMTREEVIEW notify = {};
        notify.hdr.hwndFrom = m_tree.m_hWnd;
        notify.hdr.idFrom = kTreeId;
        notify.hdr.code = TVN_BEGINDRAG;
        notify.action = 0;
        notify.itemNew.mask = TVIF_HANDLE | TVIF_PARAM;
        notify.itemNew.hItem = hItem;
        notify.itemNew.lParam = static_cast<LPARAM>(m_tree.GetItemData(hItem));
        notify.ptDrag = PointOn(hItem);
        m_bar.SendMessage(WM_NOTIFY, kTreeId, reinterpret_cast<LPARAM>(&notify));
    }
    void MoveTo(CPoint point) { m_tree.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y)); }
    void ReleaseAt(CPoint point) { m_tree.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y)); }
    void Tick(UINT_PTR nTimer) { m_tree.SendMessage(WM_TIMER, nTimer, 0); }
    void DragOnto(HTREEITEM hSource, HTREEITEM hTarget)
    {
        BeginDrag(hSource);
        const CPoint point = PointOn(hTarget);
        MoveTo(point);
        ReleaseAt(point);
    }

    // The cursor, in the tree's client coordinates.
    void PutCursorAt(CPoint point)
    {
        m_tree.ClientToScreen(&point);
        m_tree.m_cursor = point;
    }

    // The one item that shows the drop highlight, or null.
    HTREEITEM HighlightedItem()
    {
        std::vector<HTREEITEM> highlighted;
        CollectHighlighted(m_tree.GetRootItem(), highlighted);
        EXPECT_LE(highlighted.size(), 1u);
        return highlighted.empty() ? nullptr : highlighted[0];
    }
    void CollectHighlighted(HTREEITEM hFirst, std::vector<HTREEITEM>& highlighted)
    {
        for (HTREEITEM hItem = hFirst; hItem != nullptr; hItem = m_tree.GetNextSiblingItem(hItem)) {
            if (m_tree.GetItemState(hItem, TVIS_DROPHILITED) != 0)
                highlighted.push_back(hItem);
            CollectHighlighted(m_tree.GetChildItem(hItem), highlighted);
        }
    }

    static HCURSOR Cursor(UINT nId) { return ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nId)); }
    bool IsDragging() { return CWnd::GetCapture() == &m_tree; }
    bool IsExpanded(HTREEITEM hItem) { return m_tree.GetItemState(hItem, TVIS_EXPANDED) != 0; }

    CDropRecordingBar m_bar;
    CScriptedCursorTree m_tree;
    CImageList m_images;
    HTREEITEM m_hWorkspace = nullptr, m_hProject = nullptr, m_hResults = nullptr, m_hReport = nullptr;
    HTREEITEM m_hResultTable = nullptr, m_hBgnTable = nullptr, m_hFtmTable = nullptr, m_hMeasData = nullptr;
    HTREEITEM m_hSource = nullptr, m_hReceiving = nullptr;
    std::vector<HTREEITEM> m_sourceLeaves;
};

TEST_F(MultiTreeDragTest, TheWorkspaceAndTheCorrectionTablesDoNotStartADrag)
{
    struct CCase {
        const char* m_lpszItem;
        HTREEITEM m_hItem;
        bool m_bStarts;
    };
    const CCase cases[] = {
        {"workspace", m_hWorkspace, false},
        {"background-noise correction table", m_hBgnTable, false},
        {"flanking correction table", m_hFtmTable, false},
        {"project node", m_hProject, true},
        {"measurement leaf", m_sourceLeaves[3], true},
        {"report", m_hReport, true},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszItem);
        BeginDrag(c.m_hItem);
        EXPECT_EQ(c.m_hItem, m_tree.GetDragItem());
        EXPECT_EQ(c.m_bStarts, IsDragging());
        EXPECT_EQ(c.m_bStarts, CImageList::GetDragImage(nullptr, nullptr) != nullptr);
        if (c.m_bStarts) {
            EXPECT_EQ(Cursor(IDC_TREE_DROP), ::GetCursor());
        }
        MoveTo(PointOn(m_hReceiving));
        ReleaseAt(PointOn(m_hReceiving));
        EXPECT_EQ(c.m_bStarts ? 1u : 0u, m_bar.m_drops.size());
        m_bar.m_drops.clear();
    }
}

TEST_F(MultiTreeDragTest, AValidDropSelectsTheTargetAndTellsTheBar)
{
    struct CCase {
        const char* m_lpszTarget;
        HTREEITEM m_hTarget;
        bool m_bDrops;
    };
    const CCase cases[] = {
        {"the dragged item itself", m_hSource, false},
        {"workspace", m_hWorkspace, false},
        {"background-noise correction table", m_hBgnTable, false},
        {"flanking correction table", m_hFtmTable, false},
        {"measurement leaf", m_sourceLeaves[0], false},
        {"report, childless", m_hReport, true},
        {"result table, childless", m_hResultTable, true},
        {"collapsed table group", m_hReceiving, true},
        {"project node", m_hProject, true},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszTarget);
        m_tree.SelectItem(m_sourceLeaves[5]);
        m_tree.Expand(m_hReceiving, TVE_COLLAPSE);
        m_bar.m_drops.clear();
        DragOnto(m_hSource, c.m_hTarget);
        EXPECT_FALSE(IsDragging());
        EXPECT_EQ(nullptr, HighlightedItem());
        EXPECT_EQ(nullptr, CImageList::GetDragImage(nullptr, nullptr));
        EXPECT_EQ(::LoadCursor(nullptr, IDC_ARROW), ::GetCursor());
        if (!c.m_bDrops) {
            EXPECT_TRUE(m_bar.m_drops.empty());
            EXPECT_EQ(m_sourceLeaves[5], m_tree.GetSelectedItem());
            continue;
        }
        ASSERT_EQ(1u, m_bar.m_drops.size());
        EXPECT_EQ(c.m_hTarget, m_bar.m_drops[0].m_hSelected);
        EXPECT_EQ(m_hSource, m_bar.m_drops[0].m_hDragged);
        EXPECT_EQ(c.m_hTarget, m_tree.GetSelectedItem());
        if (m_tree.ItemHasChildren(c.m_hTarget)) {
            EXPECT_TRUE(IsExpanded(c.m_hTarget));
        }
    }
}

TEST_F(MultiTreeDragTest, TheItemUnderTheCursorIsHighlightedAndTheCursorSaysWhetherItTakesTheDrop)
{
    struct CCase {
        const char* m_lpszItem;
        HTREEITEM m_hItem;
        UINT m_nCursor;
    };
    const CCase cases[] = {
        {"table group", m_hReceiving, IDC_TREE_DROP},
        {"report", m_hReport, IDC_TREE_DROP},
        {"measurement leaf", m_sourceLeaves[2], IDC_TREE_NO_DROP},
        {"correction table", m_hBgnTable, IDC_TREE_NO_DROP},
        {"workspace", m_hWorkspace, IDC_TREE_NO_DROP},
    };
    BeginDrag(m_sourceLeaves[1]);
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszItem);
        MoveTo(PointOn(c.m_hItem));
        EXPECT_EQ(c.m_hItem, HighlightedItem());
        EXPECT_EQ(Cursor(c.m_nCursor), ::GetCursor());
    }
    MoveTo(CPoint(20, -30));
    EXPECT_EQ(nullptr, HighlightedItem());
    EXPECT_EQ(Cursor(IDC_TREE_NO_DROP), ::GetCursor());
    ReleaseAt(CPoint(20, -30));
    EXPECT_TRUE(m_bar.m_drops.empty()) << "released over no item";
}

TEST_F(MultiTreeDragTest, TheHoverTimerOpensTheHighlightedItem)
{
    BeginDrag(m_sourceLeaves[1]);
    MoveTo(PointOn(m_hReceiving));
    ASSERT_FALSE(IsExpanded(m_hReceiving));
    Tick(CMultiTree::kHoverTimer);
    EXPECT_TRUE(IsExpanded(m_hReceiving));

    m_tree.Expand(m_hReceiving, TVE_COLLAPSE);
    MoveTo(CPoint(20, -30));
    Tick(CMultiTree::kHoverTimer);
    EXPECT_FALSE(IsExpanded(m_hReceiving)) << "the cursor left the group";

    ReleaseAt(CPoint(20, -30));
    Tick(CMultiTree::kHoverTimer);
    EXPECT_FALSE(IsExpanded(m_hReceiving)) << "a tick after the drag";
}

TEST_F(MultiTreeDragTest, TheScrollTimerScrollsByTheCursorsDistancePastAnEdge)
{
    CRect client;
    m_tree.GetClientRect(&client);
    struct CCase {
        const char* m_lpszCursor;
        CPoint m_cursor;
        int m_nTicks;  // the counter runs on from drag to drag: 12 ticks hold two multiples of 6
        int m_nLines;  // negative: up
    };
    const CCase cases[] = {
        {"in the middle", CPoint(40, client.Height() / 2), 12, 0},
        {"on the top edge: every sixth tick", CPoint(40, 0), 12, -2},
        {"100 px above the top: every tick", CPoint(40, -100), 3, -3},
        {"on the bottom edge: every sixth tick", CPoint(40, client.bottom - 1), 12, 2},
        {"100 px below the bottom: every tick", CPoint(40, client.bottom + 100), 3, 3},
    };
    std::vector<HTREEITEM> visibleOrder;
    for (HTREEITEM hItem = m_tree.GetRootItem(); hItem != nullptr; hItem = m_tree.GetNextVisibleItem(hItem))
        visibleOrder.push_back(hItem);
    const int nStart = 8;
    ASSERT_GT(static_cast<int>(visibleOrder.size()), nStart + 3 + static_cast<int>(m_tree.GetVisibleCount()));
    auto indexOf = [&](HTREEITEM hItem) {
        return static_cast<int>(std::find(visibleOrder.begin(), visibleOrder.end(), hItem) - visibleOrder.begin());
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszCursor);
        m_tree.SelectSetFirstVisible(visibleOrder[nStart]);
        ASSERT_EQ(nStart, indexOf(m_tree.GetFirstVisibleItem()));
        BeginDrag(visibleOrder[nStart + 1]);
        PutCursorAt(c.m_cursor);
        for (int i = 0; i < c.m_nTicks; ++i)
            Tick(CMultiTree::kScrollTimer);
        const int nFirst = indexOf(m_tree.GetFirstVisibleItem());
        EXPECT_EQ(nStart + c.m_nLines, nFirst);
        if (c.m_nLines < 0) {
            EXPECT_EQ(visibleOrder[nFirst], HighlightedItem());
        }
        if (c.m_nLines > 0) {
            EXPECT_EQ(visibleOrder[nFirst + m_tree.GetVisibleCount() - 1], HighlightedItem());
        }
        ReleaseAt(c.m_cursor);
        Tick(CMultiTree::kScrollTimer);
        EXPECT_EQ(nFirst, indexOf(m_tree.GetFirstVisibleItem())) << "a tick after the drag";
    }
}

TEST_F(MultiTreeDragTest, DestroyingTheTreeDuringADragTakesTheImageDown)
{
    BeginDrag(m_sourceLeaves[1]);
    MoveTo(PointOn(m_hReceiving));
    ASSERT_NE(nullptr, CImageList::GetDragImage(nullptr, nullptr));
    m_tree.DestroyWindow();
    EXPECT_EQ(nullptr, CImageList::GetDragImage(nullptr, nullptr));
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

// Pixels that are not the tree's white in the band right of the item texts.
int MarkedPixelsRightOfTheTexts(CWnd& tree)
{
    CWindowDC dc(&tree);
    int nMarked = 0;
    for (int y = 20; y < 120; y += 2) {
        for (int x = 200; x < 320; x += 2)
            nMarked += dc.GetPixel(x, y) != RGB(255, 255, 255);
    }
    return nMarked;
}

TEST_F(MultiTreeDragTest, TheDraggedItemsImageFollowsTheCursor)
{
    m_tree.SelectSetFirstVisible(m_hWorkspace);
    m_tree.UpdateWindow();
    ASSERT_EQ(0, MarkedPixelsRightOfTheTexts(m_tree));
    BeginDrag(m_hProject);
    CPoint hotSpot;
    CPoint position;
    ASSERT_NE(nullptr, CImageList::GetDragImage(&position, &hotSpot));

    MoveTo(CPoint(300, 70));
    CImageList::GetDragImage(&position, &hotSpot);
    CPoint client(300, 70);
    m_tree.ClientToScreen(&client);
    CRect window;
    m_tree.GetWindowRect(&window);
    EXPECT_EQ(CPoint(client.x - window.left, client.y - window.top), position) << "window coordinates";
    EXPECT_GT(MarkedPixelsRightOfTheTexts(m_tree), 0);

    ReleaseAt(CPoint(300, 70));
    m_tree.UpdateWindow();
    EXPECT_EQ(0, MarkedPixelsRightOfTheTexts(m_tree));
}

}  // namespace
