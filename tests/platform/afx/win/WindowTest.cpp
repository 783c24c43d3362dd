// CWnd and message maps on real windows: the object sees its window's
// messages from the first on, handlers get decoded arguments, commands,
// ranges, registered messages, notifications and their reflection to the
// control, subclassing, deletion after the last message, temporary wrappers,
// timers, capture, the PreTranslateMessage chain, tool tips, the closing of a
// dropped combo list by a press elsewhere (AfxCancelModes), and the static
// panes of a splitter in a frame.
//
// Not tested here: scroll-bar wrappers (no program window scrolls through
// CWnd's own scroll bars yet).
#include "CSplitterWnd.h"
#include "CTestView.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kChildID = 101;
const UINT WM_TEST_REGISTERED = ::RegisterWindowMessageA("AfxWindowTestMessage");
const UINT kFirstRangeID = 40010;
const UINT kLastRangeID = 40012;

std::string MessageName(UINT nMessage)
{
    switch (nMessage) {
    case WM_GETMINMAXINFO: return "WM_GETMINMAXINFO";
    case WM_NCCREATE: return "WM_NCCREATE";
    case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
    case WM_CREATE: return "WM_CREATE";
    default: return std::to_string(nMessage);
    }
}

std::string Sequence(const std::vector<UINT>& messages)
{
    std::string sText;
    for (UINT nMessage : messages)
        sText += MessageName(nMessage) + " ";
    return sText;
}

// A top-level window that records its messages and what its handlers got.
class CRecordingWnd : public CWnd {
public:
    BOOL CreateTopLevel()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "Recording", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                        nullptr, nullptr);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_messages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<UINT> m_messages;
    std::vector<std::string> m_log;
    CSize m_size;
    CPoint m_point;
    UINT m_nRangeID = 0;
    UINT m_nTicks = 0;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_size = CSize(cx, cy);
        CWnd::OnSize(nType, cx, cy);
    }
    afx_msg void OnLButtonDown(UINT, CPoint point) { m_point = point; }
    afx_msg LRESULT OnApp(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) { AfxThrowFileException(CFileException::fileNotFound, -1, "C:\\nowhere.vsp"); }
    afx_msg void OnRange(UINT nID) { m_nRangeID = nID; }
    afx_msg void OnChildClicked() { m_log.push_back("parent clicked"); }
    afx_msg void OnChildNotify(NMHDR*, LRESULT* pResult)
    {
        m_log.push_back("parent notified");
        *pResult = 7;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (++m_nTicks == 3)
            KillTimer(nIDEvent);
    }
    afx_msg BOOL OnNeedText(UINT nID, NMHDR* pNMHDR, LRESULT*)
    {
        m_log.push_back("tip for " + std::to_string(nID) + (pNMHDR->idFrom == reinterpret_cast<UINT_PTR>(m_hWnd) ? " of me" : ""));
        return TRUE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_MESSAGE(WM_APP, OnApp)
    ON_MESSAGE(WM_APP + 1, OnThrow)
    ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
    ON_COMMAND_RANGE(kFirstRangeID, kLastRangeID - 1, OnRange)
    ON_BN_CLICKED(kChildID, OnChildClicked)
    ON_NOTIFY(NM_CLICK, kChildID, OnChildNotify)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnNeedText)
END_MESSAGE_MAP()

// A button that handles its own notifications; when it declines (m_bEat
// FALSE) the parent gets them too.
class CReflectingButton : public CWnd {
public:
    CReflectingButton(std::vector<std::string>& log) : m_log(log) {}

    BOOL m_bEat = TRUE;
    CBrush m_brush{RGB(1, 2, 3)};
    BOOL m_bColour = TRUE;

protected:
    afx_msg BOOL OnClicked()
    {
        m_log.push_back("button clicked");
        return m_bEat;
    }
    afx_msg void OnNotifyClick(NMHDR*, LRESULT* pResult)
    {
        m_log.push_back("button notified");
        *pResult = 3;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        m_log.push_back("colour " + std::to_string(nCtlColor));
        return m_bColour ? static_cast<HBRUSH>(m_brush) : nullptr;
    }

    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_log;
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_NOTIFY_REFLECT(NM_CLICK, OnNotifyClick)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CWndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_wnd.CreateTopLevel()); }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        AfxDeleteTempMaps();
    }

    CRecordingWnd m_wnd;
};

}  // namespace

TEST_F(CWndTest, TheObjectSeesItsWindowsMessagesFromTheFirstOn)
{
    const std::vector<UINT> expected = {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE};

    ASSERT_GE(m_wnd.m_messages.size(), expected.size());
    std::vector<UINT> first(m_wnd.m_messages.begin(), m_wnd.m_messages.begin() + expected.size());
    EXPECT_EQ(first, expected) << "expected " << Sequence(expected) << "\ngot      "
                               << Sequence(first);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_wnd.m_hWnd), &m_wnd);
}

TEST_F(CWndTest, HandlersGetTheMessagesParametersDecoded)
{
    struct Row {
        int x;
        int y;
    } rows[] = {{10, 20}, {-5, -7}, {0, 32767}, {-32768, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        m_wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.x, row.y));
        EXPECT_EQ(m_wnd.m_point, CPoint(row.x, row.y));
    }
    m_wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    EXPECT_EQ(m_wnd.m_size, CSize(300, 200));
}

TEST_F(CWndTest, MessageHandlersReturnTheirResultToTheSender)
{
    EXPECT_EQ(m_wnd.SendMessage(WM_APP, 40, 2), 42);
    EXPECT_EQ(m_wnd.SendMessage(WM_TEST_REGISTERED, 21), 42);
}

TEST_F(CWndTest, AnExceptionStopsAtTheWindowProcedureWithItsMessage)
{
    CMessageBoxRecorder boxes;

    EXPECT_EQ(m_wnd.SendMessage(WM_APP + 1), 0);

    ASSERT_EQ(boxes.m_boxes.size(), 1u);
    EXPECT_EQ(boxes.m_boxes[0].sText, "C:\\nowhere.vsp was not found.");
}

TEST_F(CWndTest, ACommandRangeHandlerLearnsTheCommand)
{
    struct Row {
        UINT nID;
        UINT nExpected;  // 0: not handled
    } rows[] = {{kFirstRangeID - 1, 0}, {kFirstRangeID, kFirstRangeID}, {kLastRangeID - 1, kLastRangeID - 1}, {kLastRangeID, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nID);
        m_wnd.m_nRangeID = 0;
        m_wnd.SendMessage(WM_COMMAND, row.nID);
        EXPECT_EQ(m_wnd.m_nRangeID, row.nExpected);
    }
}

TEST_F(CWndTest, AControlSeesItsOwnNotificationsBeforeItsParent)
{
    struct Row {
        BOOL bEat;
        std::vector<std::string> expected;
    } rows[] = {
        {TRUE, {"button clicked"}},
        {FALSE, {"button clicked", "parent clicked"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bEat);
        CReflectingButton button(m_wnd.m_log);
        ASSERT_TRUE(button.Create("BUTTON", "OK", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &m_wnd, kChildID));
        button.m_bEat = row.bEat;
        m_wnd.m_log.clear();

        m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kChildID, BN_CLICKED), reinterpret_cast<LPARAM>(button.m_hWnd));

        EXPECT_EQ(m_wnd.m_log, row.expected);
    }
}

TEST_F(CWndTest, AReflectedNotificationAnswersForTheControl)
{
    CReflectingButton button(m_wnd.m_log);
    ASSERT_TRUE(button.Create("BUTTON", "OK", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &m_wnd, kChildID));
    NMHDR header = {button.m_hWnd, kChildID, static_cast<UINT>(NM_CLICK)};

    LRESULT lResult = m_wnd.SendMessage(WM_NOTIFY, kChildID, reinterpret_cast<LPARAM>(&header));

    EXPECT_EQ(lResult, 3);
    const std::vector<std::string> expected = {"button notified"};
    EXPECT_EQ(m_wnd.m_log, expected);
}

TEST_F(CWndTest, AControlAnswersItsOwnColourMessages)
{
    CReflectingButton button(m_wnd.m_log);
    ASSERT_TRUE(button.Create("BUTTON", "OK", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &m_wnd, kChildID));
    CClientDC dc(&button);

    LRESULT lBrush = m_wnd.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.m_hDC),
                                       reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(lBrush), static_cast<HBRUSH>(button.m_brush));

    button.m_bColour = FALSE;
    lBrush = m_wnd.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.m_hDC),
                               reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_NE(reinterpret_cast<HBRUSH>(lBrush), static_cast<HBRUSH>(button.m_brush));
    const std::vector<std::string> expected = {"colour 3", "colour 3"};
    EXPECT_EQ(m_wnd.m_log, expected);
}

TEST_F(CWndTest, ASubclassedControlStillDoesItsOwnWork)
{
    HWND hWndEdit = ::CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, m_wnd.m_hWnd,
                                    nullptr, nullptr, nullptr);
    auto pfnOriginal = ::GetWindowLongPtrA(hWndEdit, GWLP_WNDPROC);
    CRecordingWnd edit;
    ASSERT_TRUE(edit.SubclassWindow(hWndEdit));

    edit.SendMessage(WM_CHAR, 'a', 1);

    EXPECT_EQ(edit.m_messages.front(), static_cast<UINT>(WM_CHAR));
    CString sText;
    edit.GetWindowText(sText);
    EXPECT_EQ(sText, "a");
    EXPECT_EQ(edit.UnsubclassWindow(), hWndEdit);
    EXPECT_EQ(::GetWindowLongPtrA(hWndEdit, GWLP_WNDPROC), pfnOriginal);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), nullptr);
}

namespace {

// Deletes itself when its window is gone; closes itself on WM_CLOSE and
// still writes to its members afterwards.
class CSelfDeletingWnd : public CWnd {
public:
    explicit CSelfDeletingWnd(std::vector<std::string>& log) : m_log(log) {}

protected:
    afx_msg void OnClose()
    {
        DestroyWindow();
        m_log.push_back("close handler ends");
    }
    void PostNcDestroy() override
    {
        m_log.push_back("deleted");
        delete this;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_log;
};

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

}  // namespace

TEST(CWnd, ObjectThatDeletesItselfGoesOnlyAfterItsLastMessage)
{
    std::vector<std::string> log;
    auto* pWnd = new CSelfDeletingWnd(log);
    ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = pWnd->m_hWnd;

    ::SendMessageA(hWnd, WM_CLOSE, 0, 0);

    const std::vector<std::string> expected = {"close handler ends", "deleted"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST_F(CWndTest, WrappersOfForeignWindowsAreTemporaryAndNeverDestroyThem)
{
    HWND hWndForeign = ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, m_wnd.m_hWnd, nullptr, nullptr, nullptr);

    CWnd* pWrapper = CWnd::FromHandle(hWndForeign);
    EXPECT_EQ(CWnd::FromHandle(hWndForeign), pWrapper);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndForeign), nullptr);
    EXPECT_EQ(m_wnd.GetDlgItem(0), pWrapper);
    EXPECT_EQ(pWrapper->GetParent(), &m_wnd);

    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(hWndForeign));
}

TEST_F(CWndTest, TimersReachTheHandlerUntilKilled)
{
    m_wnd.SetTimer(7, 10);
    DWORD dwStart = ::GetTickCount();
    while (m_wnd.m_nTicks < 3 && ::GetTickCount() - dwStart < 10000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        PumpMessages(FALSE);
    }
    EXPECT_EQ(m_wnd.m_nTicks, 3u);
    EXPECT_FALSE(m_wnd.KillTimer(7)) << "the handler killed it";
}

TEST_F(CWndTest, CaptureBelongsToTheObject)
{
    m_wnd.ShowWindow(SW_SHOW);
    m_wnd.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &m_wnd);
    ::ReleaseCapture();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

// A press elsewhere closes a dropped combo list that has the focus; a press
// on the combo box, its edit or its list leaves it open.
TEST_F(CWndTest, APressElsewhereClosesTheDroppedListOfTheFocusedComboBox)
{
    m_wnd.ShowWindow(SW_SHOW);
    HWND hWndCombo = ::CreateWindowA("COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 10, 120, 200,
                                     m_wnd.m_hWnd, nullptr, nullptr, nullptr);
    HWND hWndOther = ::CreateWindowA("BUTTON", "Other", WS_CHILD | WS_VISIBLE, 150, 10, 80, 20, m_wnd.m_hWnd,
                                     nullptr, nullptr, nullptr);
    ::SendMessageA(hWndCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("One"));
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetComboBoxInfo(hWndCombo, &info));
    struct Row {
        const char* lpszCase;
        HWND hWndRcvr;
        BOOL bStaysDropped;
    };
    const Row rows[] = {
        {"the combo box", hWndCombo, TRUE},
        {"its edit", info.hwndItem, TRUE},
        {"its list", info.hwndList, TRUE},
        {"another window", hWndOther, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        ::SetFocus(hWndCombo);
        ::SendMessage(hWndCombo, CB_SHOWDROPDOWN, TRUE, 0);
        ASSERT_TRUE(::SendMessage(hWndCombo, CB_GETDROPPEDSTATE, 0, 0));

        AfxCancelModes(row.hWndRcvr);

        EXPECT_EQ(::SendMessage(hWndCombo, CB_GETDROPPEDSTATE, 0, 0) != 0, row.bStaysDropped);
        ::SendMessage(hWndCombo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

namespace {

class CTranslatingWnd : public CWnd {
public:
    CTranslatingWnd(std::vector<std::string>& log, const char* lpszName) : m_log(log), m_lpszName(lpszName) {}

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        m_log.push_back(m_lpszName);
        return m_bEat && pMsg->message == WM_KEYDOWN;
    }
    BOOL m_bEat = FALSE;

private:
    std::vector<std::string>& m_log;
    const char* m_lpszName;
};

}  // namespace

TEST(CWnd, AMessageIsOfferedToItsWindowThenToEachParent)
{
    struct Row {
        BOOL bChildEats;
        std::vector<std::string> expected;
        BOOL bTranslated;
    } rows[] = {
        {FALSE, {"child", "parent"}, FALSE},
        {TRUE, {"child"}, TRUE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bChildEats);
        std::vector<std::string> log;
        CTranslatingWnd parent(log, "parent");
        CTranslatingWnd child(log, "child");
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
        ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
        child.m_bEat = row.bChildEats;
        MSG msg = {child.m_hWnd, WM_KEYDOWN, 'A', 0, 0, {0, 0}};

        EXPECT_EQ(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg), row.bTranslated);
        EXPECT_EQ(log, row.expected);
    }
}

namespace {

// The whole window is one tool, named by the window itself.
class CToolWnd : public CRecordingWnd {
public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        if (point.x >= 50)
            return -1;
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(m_hWnd);
        pTI->uFlags |= TTF_IDISHWND | TTF_TRANSPARENT | TTF_ALWAYSTIP | TTF_NOTBUTTON;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        return 1;
    }
};

int ToolCount(HWND hWndTip)
{
    return static_cast<int>(::SendMessageA(hWndTip, TTM_GETTOOLCOUNT, 0, 0));
}

HWND ToolTipOf(DWORD dwProcessId)
{
    struct Search {
        DWORD dwProcessId;
        HWND hWnd;
    } search = {dwProcessId, nullptr};
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            char szClass[64] = {};
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            DWORD dwPid = 0;
            ::GetWindowThreadProcessId(hWnd, &dwPid);
            if (dwPid == pSearch->dwProcessId && ::lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0) {
                pSearch->hWnd = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hWnd;
}

}  // namespace

TEST(CWnd, ToolTipsFollowTheToolUnderThePointer)
{
    CToolWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    ASSERT_TRUE(wnd.EnableToolTips());
    HWND hWndTip = ToolTipOf(::GetCurrentProcessId());
    ASSERT_NE(hWndTip, nullptr);

    MSG overTool = {wnd.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10), 0, {0, 0}};
    wnd.PreTranslateMessage(&overTool);
    EXPECT_EQ(ToolCount(hWndTip), 1);

    MSG besideTool = {wnd.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(60, 10), 0, {0, 0}};
    wnd.PreTranslateMessage(&besideTool);
    EXPECT_EQ(ToolCount(hWndTip), 0);

    NMTTDISPINFOA info = {};
    info.hdr = {hWndTip, reinterpret_cast<UINT_PTR>(wnd.m_hWnd), static_cast<UINT>(TTN_NEEDTEXTA)};
    info.uFlags = TTF_IDISHWND;
    wnd.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    const std::vector<std::string> expected = {"tip for 0 of me"};
    EXPECT_EQ(wnd.m_log, expected);
    wnd.DestroyWindow();
}

// --- static splitter ------------------------------------------------------------------

namespace {

// A frame whose client area is a splitter of two rows and two columns of
// views, the first row 60 high, the first column 100 wide.
class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;  // deletes itself with its window
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Splitter", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300)));
        ASSERT_TRUE(m_splitter.CreateStatic(m_pFrame, 2, 2));
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 2; ++col)
                ASSERT_TRUE(m_splitter.CreateView(row, col, RUNTIME_CLASS(CTestView), CSize(100, 60), nullptr));
        }
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        AfxDeleteTempMaps();
    }

    // The pane's place in the splitter's client area.
    CRect PaneRect(int row, int col) const
    {
        CRect rect;
        m_splitter.GetPane(row, col)->GetWindowRect(&rect);
        m_splitter.ScreenToClient(&rect);
        return rect;
    }
    CSize SplitterSize() const
    {
        CRect rect;
        m_splitter.GetClientRect(&rect);
        return rect.Size();
    }

    CFrameWnd* m_pFrame = nullptr;
    CSplitterWnd m_splitter;
};

TEST_F(SplitterTest, FillsTheFrameWithItsPanesInRowsAndColumns)
{
    CRect rectFrame;
    m_pFrame->GetClientRect(&rectFrame);
    EXPECT_EQ(SplitterSize(), rectFrame.Size());
    const CSize size = SplitterSize();
    const int bar = CSplitterWnd::nBarWidth;
    EXPECT_EQ(PaneRect(0, 0), CRect(0, 0, 100, 60));
    EXPECT_EQ(PaneRect(0, 1), CRect(100 + bar, 0, size.cx, 60));
    EXPECT_EQ(PaneRect(1, 0), CRect(0, 60 + bar, 100, size.cy));
    EXPECT_EQ(PaneRect(1, 1), CRect(100 + bar, 60 + bar, size.cx, size.cy));
    int cyCur = -1, cyMin = -1;
    m_splitter.GetRowInfo(1, cyCur, cyMin);
    EXPECT_EQ(cyCur, size.cy - 60 - bar);
    EXPECT_EQ(cyMin, 0);
}

TEST_F(SplitterTest, NamesItsPanesByRowAndColumnAndItsFirstPaneIsTheFramesView)
{
    EXPECT_EQ(m_splitter.GetRowCount(), 2);
    EXPECT_EQ(m_splitter.GetColumnCount(), 2);
    EXPECT_EQ(m_splitter.IdFromRowCol(0, 0), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(m_splitter.IdFromRowCol(1, 1), AFX_IDW_PANE_FIRST + 17);
    EXPECT_EQ(m_splitter.GetPane(1, 0)->GetDlgCtrlID(), AFX_IDW_PANE_FIRST + 16);
    EXPECT_TRUE(m_splitter.GetPane(1, 1)->IsKindOf(RUNTIME_CLASS(CTestView)));
    // The splitter has the pane id itself; the view inside it comes first.
    EXPECT_EQ(m_pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE), m_splitter.GetPane(0, 0));
    EXPECT_TRUE(m_pFrame->GetWindow(GW_CHILD)->IsKindOf(RUNTIME_CLASS(CSplitterWnd)));
}

TEST_F(SplitterTest, LaysOutRowsAndColumnsByTheirIdealAndMinimumSizes)
{
    const CSize size = SplitterSize();
    const int bar = CSplitterWnd::nBarWidth;
    struct Row {
        const char* pszCase;
        int nIdeal;
        int nMin;
        int nFirst;    // the first row's height afterwards
        int nFirstMin; // its minimum afterwards
    };
    const Row rows[] = {
        {"ideal", 30, 10, 30, 10},
        {"below its minimum: hidden", 5, 10, 0, 10},
        {"larger than the splitter: all but the bar", 100000, 0, size.cy - bar, 0},
        {"negative sizes count as 0", -20, -3, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        m_splitter.SetRowInfo(0, row.nIdeal, row.nMin);
        m_splitter.RecalcLayout();
        int cyCur = -1, cyMin = -1;
        m_splitter.GetRowInfo(0, cyCur, cyMin);
        EXPECT_EQ(cyCur, row.nFirst);
        EXPECT_EQ(cyMin, row.nFirstMin);
        EXPECT_EQ(PaneRect(1, 1).top, row.nFirst + bar);
        EXPECT_EQ(PaneRect(1, 1).bottom, size.cy);
    }
}

TEST_F(SplitterTest, ColumnInfoReadBackRestoresTheLayoutAndForeignIndexesAreIgnored)
{
    m_splitter.SetColumnInfo(0, 150, 20);
    m_splitter.SetColumnInfo(7, 10, 10);  // a column this splitter lacks
    m_splitter.SetRowInfo(-1, 10, 10);
    m_splitter.RecalcLayout();
    int cxCur = -1, cxMin = -1;
    m_splitter.GetColumnInfo(0, cxCur, cxMin);
    EXPECT_EQ(cxCur, 150);
    EXPECT_EQ(cxMin, 20);
    const CRect rectBefore = PaneRect(1, 1);

    m_splitter.SetColumnInfo(0, 40, 0);
    m_splitter.RecalcLayout();
    m_splitter.SetColumnInfo(0, cxCur, cxMin);
    m_splitter.RecalcLayout();
    EXPECT_EQ(PaneRect(1, 1), rectBefore);
}

}  // namespace
