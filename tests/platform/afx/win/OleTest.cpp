// OLE in the framework: initialisation, the message filter's answers, the
// data object over the real clipboard and over a drag's data, and the drop
// target registered for a window, driven as OLE drives it.
//
// Not tested here: busy and not-responding dialogs (there are none).
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

}  // namespace
