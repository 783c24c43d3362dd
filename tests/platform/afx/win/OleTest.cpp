// OLE in the framework: initialisation, the message filter's answers, the
// data object over the real clipboard and over a drag's data, the drop
// target registered for a window, driven as OLE drives it, with the
// auto-scroll of a view, and the drop source from the press to the drop.
//
// Not tested here: busy and not-responding dialogs (there are none).
#include "CDragAutoScroll.h"
#include "COleDropSource.h"
#include "TestSupport.h"
#include "support/CTestDataObject.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class OleTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }
};

// --- initialisation and message filter ------------------------------------------

TEST_F(OleTest, InitialisesOnceAndKeepsOneMessageFilter)
{
    COleMessageFilter* pFilter = AfxOleGetMessageFilter();
    ASSERT_NE(pFilter, nullptr);
    EXPECT_TRUE(AfxOleInit());
    EXPECT_EQ(AfxOleGetMessageFilter(), pFilter);
    EXPECT_TRUE(AfxOleIsInitialized());
}

TEST(COleMessageFilter, TakesCallsUnlessBusyAndNewFromOutside)
{
    struct Row {
        int nBusyStates;
        DWORD dwCallType;
        DWORD dwExpected;
    };
    const Row rows[] = {
        {0, CALLTYPE_TOPLEVEL, SERVERCALL_ISHANDLED},
        {0, CALLTYPE_NESTED, SERVERCALL_ISHANDLED},
        {1, CALLTYPE_TOPLEVEL, SERVERCALL_RETRYLATER},
        {1, CALLTYPE_TOPLEVEL_CALLPENDING, SERVERCALL_RETRYLATER},
        {1, CALLTYPE_NESTED, SERVERCALL_ISHANDLED},
        {1, CALLTYPE_ASYNC_CALLPENDING, SERVERCALL_ISHANDLED},
        {2, CALLTYPE_TOPLEVEL, SERVERCALL_RETRYLATER},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "busy " << row.nBusyStates << ", call type " << row.dwCallType);
        COleMessageFilter filter;
        for (int i = 0; i < row.nBusyStates; ++i)
            filter.BeginBusyState();
        EXPECT_EQ(filter.HandleInComingCall(row.dwCallType, nullptr, 0, nullptr), row.dwExpected);
    }
}

TEST(COleMessageFilter, StaysBusyUntilTheLastBusyStateEnds)
{
    COleMessageFilter filter;
    filter.SetBusyReply(SERVERCALL_REJECTED);
    filter.BeginBusyState();
    filter.BeginBusyState();
    filter.EndBusyState();
    EXPECT_EQ(filter.HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr), DWORD(SERVERCALL_REJECTED));
    filter.EndBusyState();
    EXPECT_EQ(filter.HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr), DWORD(SERVERCALL_ISHANDLED));
}

TEST(COleMessageFilter, RetriesABusyServerAndGivesUpOnlyWhereTheUserCouldHaveChosen)
{
    const DWORD kRetry = 25;
    const DWORD kCancel = COleMessageFilter::kCancelCall;
    const DWORD kTimeout = COleMessageFilter::kRetryTimeout;
    struct Row {
        BOOL bBusyDialog;
        DWORD dwTickCount;
        DWORD dwRejectType;
        DWORD dwExpected;
    };
    const Row rows[] = {
        {TRUE, 0, SERVERCALL_RETRYLATER, kRetry},
        {TRUE, kTimeout - 1, SERVERCALL_RETRYLATER, kRetry},
        {TRUE, kTimeout, SERVERCALL_RETRYLATER, kCancel},
        {FALSE, kTimeout, SERVERCALL_RETRYLATER, kRetry},
        {FALSE, 10 * kTimeout, SERVERCALL_RETRYLATER, kRetry},
        {TRUE, 0, SERVERCALL_REJECTED, kCancel},
        {FALSE, 0, SERVERCALL_REJECTED, kCancel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "dialog " << row.bBusyDialog << ", after " << row.dwTickCount
                                        << " ms, reject type " << row.dwRejectType);
        COleMessageFilter filter;
        filter.SetRetryReply(kRetry);
        filter.EnableBusyDialog(row.bBusyDialog);
        EXPECT_EQ(filter.RetryRejectedCall(nullptr, row.dwTickCount, row.dwRejectType), row.dwExpected);
    }
}

// --- data object ------------------------------------------------------------------

std::vector<std::string> DroppedFiles(HGLOBAL hDrop)
{
    std::vector<std::string> files;
    const UINT nCount = ::DragQueryFileA(static_cast<HDROP>(hDrop), 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nCount; ++i) {
        char szPath[MAX_PATH] = {};
        ::DragQueryFileA(static_cast<HDROP>(hDrop), i, szPath, MAX_PATH);
        files.push_back(szPath);
    }
    return files;
}

std::string GlobalText(HGLOBAL hGlobal)
{
    const char* psz = static_cast<const char*>(::GlobalLock(hGlobal));
    std::string sText = psz != nullptr ? psz : "";
    ::GlobalUnlock(hGlobal);
    return sText;
}

void PutTextOnClipboard(const char* pszText)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const size_t nSize = std::strlen(pszText) + 1;
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    std::memcpy(::GlobalLock(hText), pszText, nSize);
    ::GlobalUnlock(hText);
    ::SetClipboardData(CF_TEXT, hText);
    ::CloseClipboard();
}

TEST_F(OleTest, ReadsTextThatAProgramPutOnTheClipboard)
{
    PutTextOnClipboard("Measurement Setup");
    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.IsDataAvailable(CF_HDROP));
    HGLOBAL hText = data.GetGlobalData(CF_TEXT);
    ASSERT_NE(hText, nullptr);
    EXPECT_EQ(GlobalText(hText), "Measurement Setup");
    ::GlobalFree(hText);
    EXPECT_EQ(data.GetGlobalData(CF_HDROP), nullptr);

    STGMEDIUM medium;
    ASSERT_TRUE(data.GetData(CF_TEXT, &medium));
    ASSERT_EQ(medium.tymed, DWORD(TYMED_HGLOBAL));
    EXPECT_EQ(GlobalText(medium.hGlobal), "Measurement Setup");
    ::ReleaseStgMedium(&medium);
    EXPECT_FALSE(data.GetData(CF_HDROP, &medium));
}

TEST_F(OleTest, ListsTheClipboardFormats)
{
    PutTextOnClipboard("abc");
    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    data.BeginEnumFormats();
    BOOL bText = FALSE;
    FORMATETC formatEtc;
    while (data.GetNextFormat(&formatEtc)) {
        EXPECT_EQ(formatEtc.ptd, nullptr);
        bText = bText || formatEtc.cfFormat == CF_TEXT;
    }
    EXPECT_TRUE(bText);
}

TEST_F(OleTest, ReadsAFileListThatOlePutOnTheClipboard)
{
    CTestDataObject* pSource = CTestDataObject::Create();
    pSource->SetFiles({"C:\\data\\a.vsf", "C:\\data\\room 2.sdf"});
    ASSERT_EQ(::OleSetClipboard(pSource), S_OK);
    pSource->Release();

    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    ASSERT_TRUE(data.IsDataAvailable(CF_HDROP));
    HGLOBAL hDrop = data.GetGlobalData(CF_HDROP);
    ASSERT_NE(hDrop, nullptr);
    EXPECT_EQ(DroppedFiles(hDrop), (std::vector<std::string>{"C:\\data\\a.vsf", "C:\\data\\room 2.sdf"}));
    ::GlobalFree(hDrop);
    data.Release();
    EXPECT_EQ(::OleSetClipboard(nullptr), S_OK);
}

TEST_F(OleTest, ReleasesAnAttachedDataObjectOnlyWhenAskedTo)
{
    CTestDataObject* pSource = CTestDataObject::Create();
    for (BOOL bAutoRelease : {TRUE, FALSE}) {
        SCOPED_TRACE(bAutoRelease);
        pSource->AddRef();
        {
            COleDataObject data;
            data.Attach(pSource, bAutoRelease);
        }
        const ULONG nRefsAfter = pSource->AddRef() - 1;
        pSource->Release();
        EXPECT_EQ(nRefsAfter, bAutoRelease ? 1u : 2u);
        if (!bAutoRelease)
            pSource->Release();
    }
    pSource->Release();
}

// --- drop target ------------------------------------------------------------------

class CDropWnd : public CWnd {
public:
    BOOL CreateTopLevel()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "Drop", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
                        200, nullptr, nullptr);
    }
};

// Answers as the test sets and records what it was given.
class CRecordingDropTarget : public COleDropTarget {
public:
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        Record("enter", pWnd, pDataObject, point);
        return m_answer;
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        Record("over", pWnd, pDataObject, point);
        return m_answer;
    }
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override
    {
        Record("drop", pWnd, pDataObject, point);
        m_dropEffect = dropEffect;
        HGLOBAL hDrop = pDataObject->GetGlobalData(CF_HDROP);
        if (hDrop != nullptr) {
            m_files = DroppedFiles(hDrop);
            ::GlobalFree(hDrop);
        }
        return m_bDropResult;
    }
    void OnDragLeave(CWnd* pWnd) override { m_log.push_back("leave"); }

    DROPEFFECT m_answer = DROPEFFECT_COPY;
    BOOL m_bDropResult = TRUE;
    std::vector<std::string> m_log;
    CPoint m_point;
    BOOL m_bFileList = FALSE;
    HWND m_hWndSeen = nullptr;
    DROPEFFECT m_dropEffect = DROPEFFECT_NONE;
    std::vector<std::string> m_files;

private:
    void Record(const char* pszStep, CWnd* pWnd, COleDataObject* pDataObject, CPoint point)
    {
        m_log.push_back(pszStep);
        m_hWndSeen = pWnd->GetSafeHwnd();
        m_point = point;
        m_bFileList = pDataObject->IsDataAvailable(CF_HDROP);
    }
};

class DropTargetTest : public OleTest {
protected:
    void SetUp() override
    {
        OleTest::SetUp();
        ASSERT_TRUE(m_wnd.CreateTopLevel());
        ASSERT_TRUE(m_target.Register(&m_wnd));
        m_pFiles = CTestDataObject::Create();
        m_pFiles->SetFiles({"C:\\data\\a.vsf"});
    }
    void TearDown() override
    {
        if (m_pFiles != nullptr)
            m_pFiles->Release();
        if (m_wnd.m_hWnd != nullptr)
            m_wnd.DestroyWindow();
    }

    // A screen point 10, 20 pixels into the window's client area.
    POINTL ScreenPoint() const
    {
        POINT point = {10, 20};
        ::ClientToScreen(m_wnd.m_hWnd, &point);
        return {point.x, point.y};
    }

    CDropWnd m_wnd;
    CRecordingDropTarget m_target;
    CTestDataObject* m_pFiles = nullptr;
};

TEST_F(DropTargetTest, GivesEachStepTheDataAndTheClientPoint)
{
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(m_target.DragEnter(m_pFiles, MK_LBUTTON, ScreenPoint(), &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(m_target.m_hWndSeen, m_wnd.m_hWnd);
    EXPECT_EQ(m_target.m_point, CPoint(10, 20));
    EXPECT_TRUE(m_target.m_bFileList);

    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(m_target.DragOver(MK_LBUTTON, ScreenPoint(), &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));
    EXPECT_TRUE(m_target.m_bFileList);

    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(m_target.Drop(m_pFiles, 0, ScreenPoint(), &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(m_target.m_dropEffect, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(m_target.m_files, std::vector<std::string>{"C:\\data\\a.vsf"});
    EXPECT_EQ(m_target.m_log, (std::vector<std::string>{"enter", "over", "over", "drop"}));
}

TEST_F(DropTargetTest, AnswersOnlyWhatTheSourceAllows)
{
    struct Row {
        DROPEFFECT answer;
        DWORD dwAllowed;
        DWORD dwExpected;
    };
    const Row rows[] = {
        {DROPEFFECT_COPY, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_NONE},
        {DROPEFFECT_NONE, DROPEFFECT_COPY, DROPEFFECT_NONE},
        {DROPEFFECT_COPY | DROPEFFECT_SCROLL, DROPEFFECT_COPY, DROPEFFECT_COPY | DROPEFFECT_SCROLL},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "answer " << row.answer << ", allowed " << row.dwAllowed);
        m_target.m_answer = row.answer;
        DWORD dwEffect = row.dwAllowed;
        m_target.DragEnter(m_pFiles, MK_LBUTTON, ScreenPoint(), &dwEffect);
        EXPECT_EQ(dwEffect, row.dwExpected);
        m_target.DragLeave();
    }
}

TEST_F(DropTargetTest, ADropWhereNothingIsTakenLeavesInsteadOfDropping)
{
    DWORD dwEffect = DROPEFFECT_COPY;
    m_target.DragEnter(m_pFiles, MK_LBUTTON, ScreenPoint(), &dwEffect);
    m_target.m_answer = DROPEFFECT_NONE;
    dwEffect = DROPEFFECT_COPY;
    m_target.Drop(m_pFiles, 0, ScreenPoint(), &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(m_target.m_log, (std::vector<std::string>{"enter", "over", "leave"}));
}

TEST_F(DropTargetTest, AFailedDropHasNoEffect)
{
    m_target.m_bDropResult = FALSE;
    DWORD dwEffect = DROPEFFECT_COPY;
    m_target.Drop(m_pFiles, 0, ScreenPoint(), &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_NONE));
}

TEST_F(DropTargetTest, AWindowTakesOneTargetOnly)
{
    CRecordingDropTarget second;
    EXPECT_FALSE(second.Register(&m_wnd));
    EXPECT_FALSE(second.IsRegistered());
}

TEST_F(DropTargetTest, DestroyingTheWindowRevokesItsTarget)
{
    const HWND hWnd = m_wnd.m_hWnd;
    m_wnd.DestroyWindow();
    EXPECT_FALSE(m_target.IsRegistered());

    CDropWnd other;
    ASSERT_TRUE(other.CreateTopLevel());
    EXPECT_TRUE(m_target.Register(&other));
    EXPECT_NE(other.m_hWnd, hWnd);
    other.DestroyWindow();
}

// Drops at once where the cursor is, as a user letting go of the button, and
// notes where the cursor was then.
class CDropAtOnceSource : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override
    {
        *ppvObject = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource) ? this : nullptr;
        return *ppvObject != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override
    {
        ::GetCursorPos(&m_cursorAtDrop);
        return DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

    CPoint m_cursorAtDrop{-1, -1};
};

TEST_F(DropTargetTest, OleDeliversADragOverTheWindowToItsTarget)
{
    POINTL pt = ScreenPoint();
    ASSERT_TRUE(::SetCursorPos(pt.x, pt.y));
    CDropAtOnceSource source;
    DWORD dwEffect = DROPEFFECT_NONE;
    EXPECT_EQ(::DoDragDrop(m_pFiles, &source, DROPEFFECT_COPY, &dwEffect), DRAGDROP_S_DROP);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(m_target.m_files, std::vector<std::string>{"C:\\data\\a.vsf"});
    // Under load Wine can take a SetCursorPos back to the display's pointer
    // when its desktop lacks the X focus; the place is then not ours to check.
    if (source.m_cursorAtDrop == CPoint(pt.x, pt.y))
        EXPECT_EQ(m_target.m_point, CPoint(10, 20));
}

// A view takes drops through its own members.
class CDropView : public CView {
public:
    void OnDraw(CDC*) override {}
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD, CPoint point) override
    {
        m_point = point;
        return pDataObject->IsDataAvailable(CF_HDROP) ? DROPEFFECT_LINK : DROPEFFECT_NONE;
    }
    CPoint m_point;
};

TEST_F(DropTargetTest, AViewAnswersThroughItsOwnMembers)
{
    auto* pView = new CDropView;  // deletes itself with its window
    ASSERT_TRUE(pView->Create(nullptr, "View", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_wnd, 1));
    COleDropTarget target;
    ASSERT_TRUE(target.Register(pView));
    POINT point = {5, 6};
    ::ClientToScreen(pView->m_hWnd, &point);
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    target.DragEnter(m_pFiles, MK_LBUTTON, {point.x, point.y}, &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_LINK));
    EXPECT_EQ(pView->m_point, CPoint(5, 6));
    target.DragLeave();
}

// --- auto-scroll ------------------------------------------------------------------

// A view with both scroll bars in mid range; it records its scroll steps and
// drag steps.
class CScrollingView : public CView {
public:
    BOOL CreateIn(CWnd* pParent)
    {
        if (!Create(nullptr, "Scroll", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 200, 150),
                    pParent, 2))
            return FALSE;
        SetBar(SB_HORZ, 50, 10);
        SetBar(SB_VERT, 50, 10);
        return TRUE;
    }
    void SetBar(int nBar, int nPos, UINT nPage)
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = 100;
        info.nPage = nPage;
        info.nPos = nPos;
        ::SetScrollInfo(m_hWnd, nBar, &info, FALSE);
    }
    CPoint ClientCentre() const
    {
        CRect rect;
        GetClientRect(&rect);
        return rect.CenterPoint();
    }
    void OnDraw(CDC*) override {}
    DROPEFFECT OnDragEnter(COleDataObject*, DWORD, CPoint) override
    {
        m_log.push_back("enter");
        return DROPEFFECT_COPY;
    }
    DROPEFFECT OnDragOver(COleDataObject*, DWORD, CPoint) override { return DROPEFFECT_COPY; }
    void OnDragLeave() override { m_log.push_back("leave"); }

    std::vector<std::string> m_log;

protected:
    afx_msg void OnHScroll(UINT nSBCode, UINT, CScrollBar*) { m_log.push_back("h" + std::to_string(nSBCode)); }
    afx_msg void OnVScroll(UINT nSBCode, UINT, CScrollBar*) { m_log.push_back("v" + std::to_string(nSBCode)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScrollingView, CView)
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

class AutoScrollTest : public DropTargetTest {
protected:
    void SetUp() override
    {
        DropTargetTest::SetUp();
        m_pView = new CScrollingView;  // deletes itself with its window
        ASSERT_TRUE(m_pView->CreateIn(&m_wnd));
        m_pView->GetClientRect(&m_rectClient);
    }
    POINTL ScreenPointOf(CPoint point) const
    {
        ::ClientToScreen(m_pView->m_hWnd, &point);
        return {point.x, point.y};
    }

    CScrollingView* m_pView = nullptr;
    CRect m_rectClient;
};

TEST_F(AutoScrollTest, ScrollsTowardTheEdgeWithinTheInsetWhereABarCanMove)
{
    const int inset = CDragAutoScroll::nScrollInset;
    const CRect rect = m_rectClient;
    const WORD kNone = CDragAutoScroll::kNoScroll;
    struct Row {
        const char* pszCase;
        CPoint point;
        int nVertPos;   // the vertical bar's position
        UINT nVertPage; // and page
        WORD wExpected;
    };
    const Row rows[] = {
        {"inside the inset", rect.CenterPoint(), 50, 10, kNone},
        {"top edge", CPoint(rect.CenterPoint().x, 1), 50, 10, MAKEWORD(0xFF, SB_LINEUP)},
        {"bottom edge", CPoint(rect.CenterPoint().x, rect.bottom - 1), 50, 10, MAKEWORD(0xFF, SB_LINEDOWN)},
        {"left edge", CPoint(inset - 1, rect.CenterPoint().y), 50, 10, MAKEWORD(SB_LINEUP, 0xFF)},
        {"right edge", CPoint(rect.right - inset, rect.CenterPoint().y), 50, 10, MAKEWORD(SB_LINEDOWN, 0xFF)},
        {"top left corner", CPoint(0, 0), 50, 10, MAKEWORD(SB_LINEUP, SB_LINEUP)},
        {"outside the client area", CPoint(rect.CenterPoint().x, -1), 50, 10, kNone},
        {"top edge, bar at its top", CPoint(rect.CenterPoint().x, 1), 0, 10, kNone},
        {"bottom edge, bar at its end", CPoint(rect.CenterPoint().x, rect.bottom - 1), 91, 10, kNone},
        {"bottom edge, page larger than the range", CPoint(rect.CenterPoint().x, rect.bottom - 1), 0, 200, kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        m_pView->SetBar(SB_VERT, row.nVertPos, row.nVertPage);
        EXPECT_EQ(CDragAutoScroll::DirectionAt(m_pView, row.point), row.wExpected);
    }
}

TEST_F(AutoScrollTest, StepsAfterTheDelayThenAfterEachIntervalAndAgainAfterTheDelayOnANewDirection)
{
    const DWORD delay = static_cast<DWORD>(CDragAutoScroll::nScrollDelay);
    const DWORD interval = static_cast<DWORD>(CDragAutoScroll::nScrollInterval);
    const WORD up = MAKEWORD(0xFF, SB_LINEUP);
    const WORD left = MAKEWORD(SB_LINEUP, 0xFF);
    CDragAutoScroll scroll;
    EXPECT_FALSE(scroll.IsScrolling());
    struct Step {
        WORD wDirection;
        DWORD dwNow;
        size_t nSteps;  // scroll messages so far
    };
    const Step steps[] = {
        {up, 1000, 0},
        {up, 1000 + delay, 0},
        {up, 1000 + delay + 1, 1},
        {up, 1000 + delay + 1 + interval, 1},
        {up, 1000 + delay + 2 + interval, 2},
        {left, 1000 + delay + 3 + interval, 2},
        {left, 1000 + 2 * delay + 4 + interval, 3},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "at " << step.dwNow);
        scroll.Advance(m_pView, step.wDirection, step.dwNow);
        EXPECT_EQ(m_pView->m_log.size(), step.nSteps);
    }
    EXPECT_EQ(m_pView->m_log, (std::vector<std::string>{"v0", "v0", "h0"}));
    EXPECT_TRUE(scroll.IsScrolling());
    scroll.Stop();
    EXPECT_FALSE(scroll.IsScrolling());
}

TEST(CDragAutoScroll, AnswersScrollWithTheEffectOfTheKeysHeld)
{
    struct Row {
        DWORD dwKeyState;
        DROPEFFECT expected;
    };
    const Row rows[] = {
        {MK_LBUTTON, DROPEFFECT_SCROLL},
        {MK_LBUTTON | MK_CONTROL | MK_SHIFT, DROPEFFECT_SCROLL | DROPEFFECT_LINK},
        {MK_LBUTTON | MK_CONTROL, DROPEFFECT_SCROLL | DROPEFFECT_COPY},
        {MK_LBUTTON | MK_SHIFT, DROPEFFECT_SCROLL | DROPEFFECT_MOVE},
        {MK_LBUTTON | MK_ALT, DROPEFFECT_SCROLL | DROPEFFECT_MOVE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "keys " << row.dwKeyState);
        EXPECT_EQ(CDragAutoScroll::EffectFor(row.dwKeyState), row.expected);
    }
}

// Near an edge the view's drop feedback goes (a leave) and the drag answers
// scroll; back inside it comes again (an enter) and the view answers.
TEST_F(AutoScrollTest, AViewScrollsNearItsEdgesInPlaceOfItsDropFeedback)
{
    COleDropTarget target;
    ASSERT_TRUE(target.Register(m_pView));
    const DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_LINK;
    DWORD dwEffect = allowed;
    target.DragEnter(m_pFiles, MK_LBUTTON, ScreenPointOf(m_pView->ClientCentre()), &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));

    dwEffect = allowed;
    target.DragOver(MK_LBUTTON | MK_CONTROL | MK_SHIFT, ScreenPointOf(CPoint(m_pView->ClientCentre().x, 1)),
                    &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_SCROLL | DROPEFFECT_LINK));

    dwEffect = allowed;
    target.DragOver(MK_LBUTTON, ScreenPointOf(m_pView->ClientCentre()), &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(m_pView->m_log, (std::vector<std::string>{"enter", "leave", "enter"}));
    target.DragLeave();
}

// --- drop source ------------------------------------------------------------------

// A drop source whose start rectangle the test sets, as a data source does.
class CTestDropSource : public COleDropSource {
public:
    void SetStartRect(const CRect& rectScreen) { m_rectStartDrag = rectScreen; }
};

class DropSourceTest : public DropTargetTest {
protected:
    // Posts the messages, then runs OnBeginDrag with a start rectangle of
    // 2 pixels around the client point 50, 50 of the window.
    BOOL BeginDrag(const std::vector<MSG>& messages)
    {
        for (const MSG& msg : messages)
            m_wnd.PostMessage(msg.message, msg.wParam, msg.lParam);
        CPoint press(50, 50);
        m_wnd.ClientToScreen(&press);
        m_source.SetStartRect(CRect(press.x - 2, press.y - 2, press.x + 3, press.y + 3));
        return m_source.OnBeginDrag(&m_wnd);
    }
    static MSG Mouse(UINT message, int x, int y)
    {
        MSG msg = {};
        msg.message = message;
        msg.lParam = MAKELPARAM(x, y);
        return msg;
    }
    static MSG Message(UINT message, WPARAM wParam)
    {
        MSG msg = {};
        msg.message = message;
        msg.wParam = wParam;
        return msg;
    }

    CTestDropSource m_source;
};

TEST_F(DropSourceTest, BeginsADragWhenTheMouseLeavesTheStartRectangleOrTheDelayEnds)
{
    struct Row {
        const char* pszCase;
        std::vector<MSG> messages;
        BOOL bStarted;
    };
    const Row rows[] = {
        {"moved out", {Mouse(WM_MOUSEMOVE, 51, 52), Mouse(WM_MOUSEMOVE, 60, 50)}, TRUE},
        {"held for the delay", {Mouse(WM_MOUSEMOVE, 52, 52), Message(WM_TIMER, COleDropSource::nDragDelayTimerID)},
         TRUE},
        {"released in place", {Mouse(WM_MOUSEMOVE, 51, 50), Mouse(WM_LBUTTONUP, 51, 50)}, FALSE},
        {"Escape", {Message(WM_KEYDOWN, VK_ESCAPE), Mouse(WM_MOUSEMOVE, 90, 90)}, FALSE},
        {"right button", {Mouse(WM_RBUTTONDOWN, 50, 50), Mouse(WM_MOUSEMOVE, 90, 90)}, FALSE},
        {"another window's timer", {Message(WM_TIMER, 1), Mouse(WM_LBUTTONUP, 50, 50)}, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        EXPECT_EQ(BeginDrag(row.messages), row.bStarted);
        EXPECT_EQ(::GetCapture(), nullptr);
        PumpMessages(FALSE);
    }
}

TEST_F(DropSourceTest, DropsOnTheReleaseOfItsButtonAndCancelsOnEscapeOrTheOtherButton)
{
    IDropSource* pSource = m_source.GetInterface();
    // Before the drag began, a release is no drop and the cursor stays.
    EXPECT_EQ(pSource->QueryContinueDrag(FALSE, 0), DRAGDROP_S_CANCEL);
    EXPECT_EQ(pSource->GiveFeedback(DROPEFFECT_COPY), S_OK);

    struct Row {
        BOOL bEscape;
        DWORD dwKeyState;
        HRESULT expected;
    };
    const Row rows[] = {
        {FALSE, MK_LBUTTON, S_OK},
        {FALSE, MK_LBUTTON | MK_CONTROL, S_OK},
        {FALSE, 0, DRAGDROP_S_DROP},
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
        {FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "escape " << row.bEscape << ", keys " << row.dwKeyState);
        ASSERT_TRUE(BeginDrag({Mouse(WM_MOUSEMOVE, 90, 90)}));
        EXPECT_EQ(pSource->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
        EXPECT_EQ(pSource->QueryContinueDrag(row.bEscape, row.dwKeyState), row.expected);
    }
}

// The whole drag through OLE: the press becomes a drag, OLE asks the source,
// which drops where the button is up, onto the window's target.
TEST_F(DropSourceTest, ADragThatBeganDropsThroughOleOntoTheTarget)
{
    POINTL pt = ScreenPoint();
    ASSERT_TRUE(::SetCursorPos(pt.x, pt.y));
    ASSERT_TRUE(BeginDrag({Mouse(WM_MOUSEMOVE, 90, 90)}));
    DWORD dwEffect = DROPEFFECT_NONE;
    EXPECT_EQ(::DoDragDrop(m_pFiles, m_source.GetInterface(), DROPEFFECT_COPY, &dwEffect), DRAGDROP_S_DROP);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(m_target.m_files, std::vector<std::string>{"C:\\data\\a.vsf"});
}

}  // namespace
