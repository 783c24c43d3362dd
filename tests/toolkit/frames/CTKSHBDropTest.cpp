// Tests of the toolkit's drop source and drop target, driven as OLE drives
// them, with an owner window that notes every step it is told of and
// answers the steps a test gives it answers for: the steps forwarded with
// their parameters, the answers taken, the plain behaviour where the owner
// does not answer, and the target's own auto-scroll of a window that is not
// a view.
//
// Not tested: the timing of the scroll steps (the framework's auto-scroll
// tests cover it).

#include "TestSupport.h"
#include "support/CTestDataObject.h"

#include "toolkit/frames/CTKDropParams.h"
#include "toolkit/frames/CTKSHBDropSource.h"
#include "toolkit/frames/CTKSHBDropTarget.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <vector>

namespace {

// What the owner was told of one step.
struct CToldStep {
    UINT nMessage = 0;
    CTKDropParams params;
};

// Notes each step; answers those in m_answers with the result given there.
template <class TBase>
class CRecordingOwner : public TBase {
public:
    std::vector<CToldStep> m_told;
    std::map<UINT, DWORD> m_answers;

    std::vector<UINT> ToldMessages() const
    {
        std::vector<UINT> messages;
        for (const CToldStep& step : m_told)
            messages.push_back(step.nMessage);
        return messages;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message < kTKDropMsgDragEnter || message > kTKDropMsgQueryContinueDrag)
            return TBase::WindowProc(message, wParam, lParam);
        auto* pParams = reinterpret_cast<CTKDropParams*>(lParam);
        m_told.push_back({message, *pParams});
        const auto answer = m_answers.find(message);
        if (answer == m_answers.end())
            return 0;
        pParams->dwResult = answer->second;
        return 1;
    }
};

// A window that is not a view, with both scroll bars in mid range.
class COwnerWnd : public CRecordingOwner<CWnd> {
public:
    BOOL CreateTopLevel()
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                      100, 100, 300, 200, nullptr, nullptr))
            return FALSE;
        SetVertBar(10);
        SetBar(SB_HORZ, 10);
        return TRUE;
    }
    void SetVertBar(UINT nPage) { SetBar(SB_VERT, nPage); }

private:
    void SetBar(int nBar, UINT nPage)
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMax = 100;
        info.nPage = nPage;
        info.nPos = nPage < 100 ? 50 : 0;
        ::SetScrollInfo(m_hWnd, nBar, &info, FALSE);
    }
};

// A view that takes file lists as links, for the plain target to ask.
class COwnerView : public CRecordingOwner<CView> {
public:
    void OnDraw(CDC*) override {}
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD, CPoint) override { return Answer(pDataObject); }
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD, CPoint) override { return Answer(pDataObject); }
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT, CPoint) override { return Answer(pDataObject) != 0; }

private:
    static DROPEFFECT Answer(COleDataObject* pDataObject)
    {
        return pDataObject->IsDataAvailable(CF_HDROP) ? DROPEFFECT_LINK : DROPEFFECT_NONE;
    }
};

class SHBDropTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(m_owner.CreateTopLevel());
        ASSERT_TRUE(m_target.Register(&m_owner));
        m_pFiles = CTestDataObject::Create();
        m_pFiles->SetFiles({"C:\\data\\a.vsf"});
    }
    void TearDown() override
    {
        m_pFiles->Release();
        m_owner.DestroyWindow();
    }

    POINTL ScreenPoint(CWnd& wnd, CPoint point) const
    {
        wnd.ClientToScreen(&point);
        return {point.x, point.y};
    }
    CPoint Centre(CWnd& wnd) const
    {
        CRect rect;
        wnd.GetClientRect(&rect);
        return rect.CenterPoint();
    }

    COwnerWnd m_owner;
    CTKSHBDropTarget m_target;
    CTestDataObject* m_pFiles = nullptr;
};

const DWORD kAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

}  // namespace

// --- drop target ------------------------------------------------------------------

TEST_F(SHBDropTest, TargetTellsTheWindowEachStepWithItsParameters)
{
    m_owner.m_answers = {{kTKDropMsgDragEnter, DROPEFFECT_COPY}, {kTKDropMsgDragScroll, DROPEFFECT_NONE},
                         {kTKDropMsgDragOver, DROPEFFECT_MOVE}, {kTKDropMsgDropEx, DROPEFFECT_MOVE}};
    const POINTL pt = ScreenPoint(m_owner, CPoint(100, 60));
    DWORD dwEffect = kAllEffects;
    m_target.DragEnter(m_pFiles, MK_LBUTTON | MK_CONTROL, pt, &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));
    dwEffect = kAllEffects;
    m_target.DragOver(MK_LBUTTON, pt, &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_MOVE));
    dwEffect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    m_target.Drop(m_pFiles, 0, pt, &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_MOVE));

    const std::vector<UINT> expected = {kTKDropMsgDragEnter, kTKDropMsgDragScroll, kTKDropMsgDragOver,
                                        kTKDropMsgDragOver, kTKDropMsgDropEx};
    ASSERT_EQ(m_owner.ToldMessages(), expected);
    for (const CToldStep& step : m_owner.m_told) {
        SCOPED_TRACE(step.nMessage);
        EXPECT_EQ(step.params.pWnd, &m_owner);
        EXPECT_EQ(step.params.point, CPoint(100, 60));
        EXPECT_NE(step.params.pDataObject, nullptr);
    }
    EXPECT_EQ(m_owner.m_told[0].params.dwKeyState, DWORD(MK_LBUTTON | MK_CONTROL));
    EXPECT_EQ(m_owner.m_told[4].params.dropEffect, DWORD(DROPEFFECT_MOVE));
    EXPECT_EQ(m_owner.m_told[4].params.dropList, DWORD(DROPEFFECT_MOVE | DROPEFFECT_COPY));
}

// The drop itself is asked where the extended drop is left to the plain
// target, and a leave the window handles ends there.
TEST_F(SHBDropTest, TargetAsksTheDropWhereTheExtendedDropIsUnansweredAndLetsTheWindowLeave)
{
    m_owner.m_answers = {{kTKDropMsgDragOver, DROPEFFECT_COPY}, {kTKDropMsgDrop, TRUE},
                         {kTKDropMsgDragLeave, 1}};
    const POINTL pt = ScreenPoint(m_owner, Centre(m_owner));
    DWORD dwEffect = kAllEffects;
    m_target.Drop(m_pFiles, 0, pt, &dwEffect);
    EXPECT_EQ(dwEffect, DWORD(DROPEFFECT_COPY));
    m_target.DragLeave();
    const std::vector<UINT> expected = {kTKDropMsgDragOver, kTKDropMsgDropEx, kTKDropMsgDrop, kTKDropMsgDragLeave};
    EXPECT_EQ(m_owner.ToldMessages(), expected);
    EXPECT_EQ(m_owner.m_told[2].params.dropEffect, DWORD(DROPEFFECT_COPY));
}

// Unanswered, every step gives what the plain target gives, for a view (it
// answers through its own members) and for another window (no drop).
TEST_F(SHBDropTest, UnansweredStepsBehaveAsThePlainTarget)
{
    CWnd plainWnd;
    ASSERT_TRUE(plainWnd.CreateEx(0, AfxRegisterWndClass(0), "Plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                  300, 200, nullptr, nullptr));
    auto* pView = new COwnerView;  // each view deletes itself with its window
    ASSERT_TRUE(pView->Create(nullptr, "View", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_owner, 1));
    auto* pPlainView = new COwnerView;
    ASSERT_TRUE(pPlainView->Create(nullptr, "View", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &plainWnd, 1));
    CTKSHBDropTarget viewTarget;
    ASSERT_TRUE(viewTarget.Register(pView));
    COleDropTarget plainTarget;
    struct Row {
        const char* pszCase;
        COleDropTarget* pOurs;
        CWnd* pOurWnd;
        CWnd* pPlainWnd;
        DWORD dwEffect;  // of the enter, the move and the drop
    } rows[] = {
        {"view", &viewTarget, pView, pPlainView, DROPEFFECT_LINK},
        {"window", &m_target, &m_owner, &plainWnd, DROPEFFECT_NONE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        plainTarget.Revoke();
        ASSERT_TRUE(plainTarget.Register(row.pPlainWnd));
        auto steps = [&](COleDropTarget& target, CWnd& wnd) {
            const POINTL pt = ScreenPoint(wnd, Centre(wnd));
            std::vector<DWORD> effects(3, kAllEffects);
            target.DragEnter(m_pFiles, MK_LBUTTON, pt, &effects[0]);
            target.DragOver(MK_LBUTTON, pt, &effects[1]);
            target.Drop(m_pFiles, 0, pt, &effects[2]);
            return effects;
        };
        const std::vector<DWORD> ours = steps(*row.pOurs, *row.pOurWnd);
        EXPECT_EQ(ours, std::vector<DWORD>(3, row.dwEffect));
        EXPECT_EQ(ours, steps(plainTarget, *row.pPlainWnd));
    }
    const std::vector<UINT> told = {kTKDropMsgDragEnter, kTKDropMsgDragScroll, kTKDropMsgDragOver,
                                    kTKDropMsgDragOver, kTKDropMsgDropEx, kTKDropMsgDrop};
    EXPECT_EQ(pView->ToldMessages(), told);
    plainTarget.Revoke();
    plainWnd.DestroyWindow();
}

// Near an edge where a bar can move, a window that is not a view scrolls:
// its drop feedback goes (a leave) and the answer is scroll with the
// effect of the keys; back inside the feedback comes again (an enter).
TEST_F(SHBDropTest, TargetScrollsAWindowNearItsEdgesAnsweringByTheKeys)
{
    struct Row {
        const char* pszCase;
        DWORD dwKeyState;
        UINT nVertPage;
        DWORD dwExpected;
    } rows[] = {
        {"no key", MK_LBUTTON, 10, DROPEFFECT_SCROLL},
        {"Ctrl", MK_LBUTTON | MK_CONTROL, 10, DROPEFFECT_SCROLL | DROPEFFECT_COPY},
        {"Ctrl and Shift", MK_LBUTTON | MK_CONTROL | MK_SHIFT, 10, DROPEFFECT_SCROLL | DROPEFFECT_LINK},
        {"Shift", MK_LBUTTON | MK_SHIFT, 10, DROPEFFECT_SCROLL | DROPEFFECT_MOVE},
        {"Alt", MK_LBUTTON | MK_ALT, 10, DROPEFFECT_SCROLL | DROPEFFECT_MOVE},
        {"page larger than the range", MK_LBUTTON | MK_CONTROL, 200, DROPEFFECT_NONE},
    };
    m_owner.m_answers = {{kTKDropMsgDragEnter, DROPEFFECT_COPY}, {kTKDropMsgDragOver, DROPEFFECT_NONE}};
    const POINTL ptCentre = ScreenPoint(m_owner, Centre(m_owner));
    const POINTL ptTop = ScreenPoint(m_owner, CPoint(Centre(m_owner).x, 1));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        m_owner.SetVertBar(row.nVertPage);
        m_owner.m_told.clear();
        DWORD dwEffect = kAllEffects;
        m_target.DragEnter(m_pFiles, MK_LBUTTON, ptCentre, &dwEffect);
        dwEffect = kAllEffects;
        m_target.DragOver(row.dwKeyState, ptTop, &dwEffect);
        EXPECT_EQ(dwEffect, row.dwExpected);
        dwEffect = kAllEffects;
        m_target.DragOver(MK_LBUTTON, ptCentre, &dwEffect);
        m_target.DragLeave();
        const BOOL bScrolled = (row.dwExpected & DROPEFFECT_SCROLL) != 0;
        const std::vector<UINT> expected =
            bScrolled ? std::vector<UINT>{kTKDropMsgDragEnter, kTKDropMsgDragScroll, kTKDropMsgDragLeave,
                                          kTKDropMsgDragScroll, kTKDropMsgDragEnter, kTKDropMsgDragOver,
                                          kTKDropMsgDragLeave}
                      : std::vector<UINT>{kTKDropMsgDragEnter, kTKDropMsgDragScroll, kTKDropMsgDragOver,
                                          kTKDropMsgDragScroll, kTKDropMsgDragOver, kTKDropMsgDragLeave};
        EXPECT_EQ(m_owner.ToldMessages(), expected);
    }
}

// The window's own scroll answer counts unless it leaves scroll alone.
TEST_F(SHBDropTest, TargetTakesTheWindowsScrollAnswerUnlessItIsScrollAlone)
{
    const POINTL ptTop = ScreenPoint(m_owner, CPoint(Centre(m_owner).x, 1));
    struct Row {
        DWORD dwAnswer;
        DWORD dwExpected;
    } rows[] = {
        {DROPEFFECT_SCROLL | DROPEFFECT_COPY, DROPEFFECT_SCROLL | DROPEFFECT_COPY},
        {DROPEFFECT_SCROLL, DROPEFFECT_SCROLL | DROPEFFECT_LINK},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dwAnswer);
        m_owner.m_answers = {{kTKDropMsgDragScroll, row.dwAnswer}};
        DWORD dwEffect = kAllEffects;
        m_target.DragEnter(m_pFiles, MK_LBUTTON, ptTop, &dwEffect);
        dwEffect = kAllEffects;
        m_target.DragOver(MK_LBUTTON | MK_CONTROL | MK_SHIFT, ptTop, &dwEffect);
        EXPECT_EQ(dwEffect, row.dwExpected);
        m_target.DragLeave();
    }
}

// --- drop source ------------------------------------------------------------------

namespace {

// A source whose start rectangle the test sets, as a data source does.
class CTestSHBDropSource : public CTKSHBDropSource {
public:
    void SetStartRect(const CRect& rectScreen) { m_rectStartDrag = rectScreen; }
};

}  // namespace

TEST_F(SHBDropTest, SourceTellsItsOwnerAndTakesItsAnswers)
{
    CTestSHBDropSource source;
    source.m_pOwner = &m_owner;
    m_owner.m_answers = {{kTKDropMsgQueryContinueDrag, DWORD(DRAGDROP_S_CANCEL)},
                         {kTKDropMsgGiveFeedback, DWORD(DRAGDROP_S_USEDEFAULTCURSORS)},
                         {kTKDropMsgBeginDrag, TRUE}};
    EXPECT_TRUE(source.OnBeginDrag(&m_owner));
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_MOVE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_EQ(source.QueryContinueDrag(TRUE, MK_LBUTTON | MK_SHIFT), DRAGDROP_S_CANCEL);
    const std::vector<UINT> expected = {kTKDropMsgBeginDrag, kTKDropMsgGiveFeedback, kTKDropMsgQueryContinueDrag};
    ASSERT_EQ(m_owner.ToldMessages(), expected);
    EXPECT_EQ(m_owner.m_told[0].params.pWnd, &m_owner);
    EXPECT_EQ(m_owner.m_told[1].params.dropEffect, DWORD(DROPEFFECT_MOVE));
    EXPECT_TRUE(m_owner.m_told[2].params.bEscapePressed);
    EXPECT_EQ(m_owner.m_told[2].params.dwKeyState, DWORD(MK_LBUTTON | MK_SHIFT));
}

// Unanswered, the source answers as the plain one, before and after the
// drag began; a drag the owner began drops on the release as a plain drag
// that began does.
TEST_F(SHBDropTest, UnansweredSourceStepsBehaveAsThePlainSource)
{
    struct Row {
        BOOL bEscape;
        DWORD dwKeyState;
        SCODE scNotBegun;
        SCODE scBegun;
    } rows[] = {
        {FALSE, MK_LBUTTON, S_OK, S_OK},
        {FALSE, 0, DRAGDROP_S_CANCEL, DRAGDROP_S_DROP},
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL, DRAGDROP_S_CANCEL},
        {FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL, DRAGDROP_S_CANCEL},
    };
    for (const BOOL bBegun : {FALSE, TRUE}) {
        SCOPED_TRACE(bBegun ? "begun" : "not begun");
        CTestSHBDropSource ours;
        ours.m_pOwner = &m_owner;
        CTestSHBDropSource plain;  // no owner: the plain source
        if (bBegun) {
            m_owner.m_answers = {{kTKDropMsgBeginDrag, TRUE}};
            ASSERT_TRUE(ours.OnBeginDrag(&m_owner));
            m_owner.m_answers.clear();
            CPoint press(50, 50);
            m_owner.ClientToScreen(&press);
            plain.SetStartRect(CRect(press.x - 2, press.y - 2, press.x + 3, press.y + 3));
            m_owner.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(90, 90));
            ASSERT_TRUE(plain.OnBeginDrag(&m_owner));
        }
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "escape " << row.bEscape << ", keys " << row.dwKeyState);
            const SCODE scOurs = ours.QueryContinueDrag(row.bEscape, row.dwKeyState);
            EXPECT_EQ(scOurs, bBegun ? row.scBegun : row.scNotBegun);
            EXPECT_EQ(scOurs, plain.QueryContinueDrag(row.bEscape, row.dwKeyState));
            EXPECT_EQ(ours.GiveFeedback(DROPEFFECT_COPY), plain.GiveFeedback(DROPEFFECT_COPY));
        }
    }
    EXPECT_EQ(m_owner.m_told.size(), 1u + 2 * 2 * std::size(rows));
    PumpMessages(FALSE);
}
