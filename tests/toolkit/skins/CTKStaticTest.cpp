// Tests of the statics and link statics on real static windows in a
// test dialog window: the shell calls, beeps and boxes go through the
// framework's hooks, so nothing starts and the calls are checked as made.

#include "afxwin.h"
#include "AfxShell.h"
#include "toolkit/skins/CTKStaticHyperLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kLinkID = 1001;
const UINT kUserMessage = WM_APP + 7;

struct ShellCall {
    std::string sVerb;
    std::string sFile;
    std::string sParameters;
    int nShowCmd;
};

// A window that answers the user message of a link with what the test
// chose, and changes the action it gets, as a careless receiver might.
class CMessageReceiver : public CWnd {
public:
    LRESULT m_lAnswer = 1;
    int m_nCalls = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != kUserMessage)
            return CWnd::WindowProc(message, wParam, lParam);
        ++m_nCalls;
        reinterpret_cast<CTKHyperLinkAction*>(lParam)->m_sTarget = "changed";
        return m_lAnswer;
    }
};

}  // namespace

class CTKStaticTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                      0, 400, 200, nullptr, nullptr));
        AfxSetShellExecuteHook([this](HWND, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters, LPCTSTR,
                                      int nShowCmd) {
            m_calls.push_back({lpszVerb ? lpszVerb : "", lpszFile ? lpszFile : "",
                               lpszParameters ? lpszParameters : "", nShowCmd});
            return reinterpret_cast<HINSTANCE>(m_nShellResult);
        });
        AfxSetMessageBeepHook([this](UINT nType) { m_events.push_back("beep " + std::to_string(nType)); });
        AfxSetMessageBoxHook([this](LPCTSTR lpszText, LPCTSTR, UINT nType) {
            m_events.push_back(std::string(lpszText) + (nType & MB_ICONHAND ? " [hand]" : ""));
            return IDOK;
        });
    }
    void TearDown() override
    {
        AfxSetShellExecuteHook(nullptr);
        AfxSetMessageBeepHook(nullptr);
        AfxSetMessageBoxHook(nullptr);
        m_parent.DestroyWindow();
    }

    // Attaches the link to a static of the dialog, as DDX_Control does.
    void Attach(CTKStatic& control, const char* pszText, DWORD dwStyle = SS_LEFT, CRect rect = CRect(100, 50, 300, 90))
    {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", pszText, WS_CHILD | WS_VISIBLE | dwStyle, rect.left, rect.top,
                                      rect.Width(), rect.Height(), m_parent.m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kLinkID)), nullptr, nullptr);
        ASSERT_NE(hWnd, nullptr);
        ASSERT_TRUE(control.SubclassWindow(hWnd));
    }

    // The click as the parent gets it from a static with SS_NOTIFY.
    void Click(CTKStaticHyperLink& link)
    {
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kLinkID, STN_CLICKED), reinterpret_cast<LPARAM>(link.m_hWnd));
    }

    // The text of the control's tool tip: the tip of the thread that knows
    // the control's tool.
    static std::string TipText(CWnd& control)
    {
        struct Search {
            HWND hWndTool;
            std::string sText;
            bool bFound;
        } search = {control.m_hWnd, "", false};
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            char szClass[32] = {};
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            char szText[256] = {};
            TOOLINFOA info = {};
            info.cbSize = sizeof(info);
            info.hwnd = pSearch->hWndTool;
            info.uId = 1;
            info.lpszText = szText;
            if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0 &&
                ::SendMessageA(hWnd, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info))) {
                ::SendMessageA(hWnd, TTM_GETTEXTA, sizeof(szText), reinterpret_cast<LPARAM>(&info));
                pSearch->sText = szText;
                pSearch->bFound = true;
            }
            return !pSearch->bFound;
        }, reinterpret_cast<LPARAM>(&search));
        return search.bFound ? search.sText : "(no tip)";
    }

    // The text colour the control chooses for painting.
    static COLORREF TextColour(CTKStatic& control)
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        control.OnCtlColor(&dc);
        return dc.GetTextColor();
    }

    CWnd m_parent;
    std::vector<ShellCall> m_calls;
    std::vector<std::string> m_events;
    INT_PTR m_nShellResult = 42;
};

// Each action by its verb; an e-mail opens a "mailto:" address for the call
// only; a user action's receiver answers; the fields are as before after.
TEST_F(CTKStaticTest, RunsEachActionOnClick)
{
    CMessageReceiver receiver;
    ASSERT_TRUE(receiver.CreateEx(0, AfxDefaultWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    struct Row {
        int nAction;
        const char* pszVerb;  // null: no shell call
        const char* pszFile;
        int nReceived;
    } rows[] = {
        {CTKHyperLinkAction::none, nullptr, nullptr, 0},
        {CTKHyperLinkAction::userMessage, nullptr, nullptr, 1},
        {CTKHyperLinkAction::open, "Open", "report.pdf", 0},
        {CTKHyperLinkAction::print, "Print", "report.pdf", 0},
        {CTKHyperLinkAction::explore, "Explore", "report.pdf", 0},
        {CTKHyperLinkAction::mail, "Open", "mailto:report.pdf", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nAction);
        m_calls.clear();
        receiver.m_nCalls = 0;
        CTKStaticHyperLink link;
        Attach(link, "Our report");
        link.SetAction(row.nAction, "report.pdf", "/p", nullptr, SW_SHOWMAXIMIZED, kUserMessage, receiver.m_hWnd);
        EXPECT_FALSE(link.IsVisited());
        Click(link);
        EXPECT_TRUE(link.IsVisited());
        EXPECT_EQ(TextColour(link), CTKStaticHyperLink::kVisitedColor);
        EXPECT_EQ(receiver.m_nCalls, row.nReceived);
        if (row.pszVerb == nullptr) {
            EXPECT_TRUE(m_calls.empty());
        } else {
            ASSERT_EQ(m_calls.size(), 1u);
            EXPECT_EQ(m_calls[0].sVerb, row.pszVerb);
            EXPECT_EQ(m_calls[0].sFile, row.pszFile);
            EXPECT_EQ(m_calls[0].sParameters, "/p");
            EXPECT_EQ(m_calls[0].nShowCmd, SW_SHOWMAXIMIZED);
            EXPECT_EQ(reinterpret_cast<INT_PTR>(link.GetAction().m_hInstance), 42);
        }
        EXPECT_EQ(link.GetAction().m_sTarget, "report.pdf");
        EXPECT_EQ(link.GetAction().m_nError, CTKHyperLinkAction::noError);
        EXPECT_TRUE(m_events.empty());
        link.DestroyWindow();
    }
    receiver.DestroyWindow();
}

// A failed action leaves the link unvisited and says why after a beep.
TEST_F(CTKStaticTest, EachFailureGivesItsMessage)
{
    struct Row {
        INT_PTR nShellResult;
        const char* pszMessage;
    } rows[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to coplete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred."},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {7, "Unknown error!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nShellResult);
        m_events.clear();
        m_nShellResult = row.nShellResult;
        CTKStaticHyperLink link;
        Attach(link, "Our report");
        link.SetAction(CTKHyperLinkAction::open, "report.pdf");
        Click(link);
        EXPECT_FALSE(link.IsVisited());
        EXPECT_EQ(TextColour(link), CTKStaticHyperLink::kUnvisitedColor);
        EXPECT_EQ(link.GetAction().m_nError, row.nShellResult);
        EXPECT_EQ(m_events, (std::vector<std::string>{"beep 0", std::string(row.pszMessage) + " [hand]"}));
        link.DestroyWindow();
    }
}

// Our own errors: a receiver answering 0, an action the link does not know;
// a receiver's changes to the action do not stay; without reporting no
// beep and no box.
TEST_F(CTKStaticTest, FailuresOfTheLinksOwn)
{
    CMessageReceiver receiver;
    ASSERT_TRUE(receiver.CreateEx(0, AfxDefaultWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    receiver.m_lAnswer = 0;
    CTKStaticHyperLink link;
    Attach(link, "Tell the program");
    link.SetAction(CTKHyperLinkAction::userMessage, "target", nullptr, nullptr, SW_SHOWNORMAL, kUserMessage,
                   receiver.m_hWnd);
    Click(link);
    EXPECT_FALSE(link.IsVisited());
    EXPECT_EQ(link.GetAction().m_sTarget, "target");
    EXPECT_EQ(m_events, (std::vector<std::string>{"beep 0", "User defined action failed! [hand]"}));

    m_events.clear();
    link.SetAction(9, "target");
    Click(link);
    EXPECT_EQ(link.GetAction().m_nError, CTKHyperLinkAction::unknownAction);
    EXPECT_EQ(m_events, (std::vector<std::string>{"beep 0", "Failed to execute unknown action! [hand]"}));

    m_events.clear();
    link.SetReportFailures(FALSE);
    Click(link);
    EXPECT_TRUE(m_events.empty());
    link.DestroyWindow();
    receiver.DestroyWindow();
}

// Without a target the link opens its own text, for the click only; the tip
// shows the target, or the text.
TEST_F(CTKStaticTest, ALinkWithoutTargetOpensItsText)
{
    CTKStaticHyperLink link;
    Attach(link, "www.example.org");
    link.SetAction(CTKHyperLinkAction::open, "");
    EXPECT_EQ(TipText(link), "www.example.org");
    Click(link);
    ASSERT_EQ(m_calls.size(), 1u);
    EXPECT_EQ(m_calls[0].sFile, "www.example.org");
    EXPECT_EQ(link.GetAction().m_sTarget, "");
    link.SetAction(CTKHyperLinkAction::open, "report.pdf");
    EXPECT_EQ(TipText(link), "report.pdf");
    link.SetTooltipText("Explicit");
    link.SetAction(CTKHyperLinkAction::open, "other.pdf");
    EXPECT_EQ(TipText(link), "Explicit");

    link.SetUseWindowText(FALSE);
    link.SetAction(CTKHyperLinkAction::open, "");
    m_calls.clear();
    Click(link);
    ASSERT_EQ(m_calls.size(), 1u);
    EXPECT_EQ(m_calls[0].sFile, "");
    link.DestroyWindow();
}

TEST_F(CTKStaticTest, ShowsTheHandOverTheLink)
{
    CTKStaticHyperLink link;
    Attach(link, "Our report");
    link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    HCURSOR hHand = ::LoadCursor(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDC_TK_LINK_CURSOR));
    ASSERT_NE(hHand, nullptr);
    EXPECT_EQ(::GetCursor(), hHand);
    link.DestroyWindow();
}

namespace {

// The background the static erases, on a memory bitmap first filled with
// the parent's colour.
struct ErasedBackground {
    explicit ErasedBackground(CTKStatic& control, COLORREF crParent = RGB(1, 2, 3))
    {
        CRect rect;
        control.GetClientRect(&rect);
        CClientDC screen(&control);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, rect.Width(), rect.Height());
        m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(&rect, crParent);
        control.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_dc.m_hDC));
    }
    COLORREF At(int x) const { return m_dc.GetPixel(x, 1); }

    CDC m_dc;
    CBitmap m_bitmap;
};

}  // namespace

// Plain, none, and the fall-offs to black from the right, both and the
// left edge.
TEST_F(CTKStaticTest, PaintsItsBackground)
{
    const COLORREF crFull = RGB(200, 100, 40);
    struct Row {
        const char* pszName;
        COLORREF crBackground;
        int nMode;
        int nWidth;
        int x;
        COLORREF crExpected;
    } rows[] = {
        {"solid", crFull, CTKStatic::solid, 256, 100, crFull},
        {"none shows the parent", CLR_NONE, CTKStatic::solid, 256, 100, RGB(1, 2, 3)},
        {"from the right: right edge", crFull, CTKStatic::gradeFromRight, 256, 255, crFull},
        {"from the right: middle", crFull, CTKStatic::gradeFromRight, 256, 127, CTKStatic::FallOffColor(crFull, 128, 256)},
        {"from the right: left edge", crFull, CTKStatic::gradeFromRight, 256, 0, CTKStatic::FallOffColor(crFull, 254, 256)},
        {"from the left: left edge", crFull, CTKStatic::gradeFromLeft, 256, 0, crFull},
        {"from the left: right edge", crFull, CTKStatic::gradeFromLeft, 256, 255, CTKStatic::FallOffColor(crFull, 254, 256)},
        {"from both: left edge", crFull, CTKStatic::gradeFromBothEdges, 200, 0, crFull},
        {"from both: right edge", crFull, CTKStatic::gradeFromBothEdges, 200, 199, crFull},
        {"from both: middle is black", crFull, CTKStatic::gradeFromBothEdges, 201, 100, RGB(0, 0, 0)},
        {"from both, one pixel wide", crFull, CTKStatic::gradeFromBothEdges, 1, 0, crFull},
        {"from the right, strips of 3", crFull, CTKStatic::gradeFromRight, 400, 400 - 4, CTKStatic::FallOffColor(crFull, 3, 400)},
        {"from the right, the remainder black", crFull, CTKStatic::gradeFromRight, 400, 0, RGB(0, 0, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        CTKStatic control;
        Attach(control, "", SS_LEFT, CRect(0, 0, row.nWidth, 20));
        control.SetBackground(row.crBackground, row.nMode);
        EXPECT_EQ(ErasedBackground(control).At(row.x), row.crExpected);
        control.DestroyWindow();
    }
}

// c - c·d²/D² per channel, in 64 bits beyond 2,900 pixels.
TEST_F(CTKStaticTest, FallsOffQuadratically)
{
    EXPECT_EQ(CTKStatic::FallOffColor(RGB(255, 255, 255), 0, 100), RGB(255, 255, 255));
    EXPECT_EQ(CTKStatic::FallOffColor(RGB(255, 100, 0), 50, 100), RGB(192, 75, 0));
    EXPECT_EQ(CTKStatic::FallOffColor(RGB(255, 255, 255), 3000, 4000), RGB(112, 112, 112));
    EXPECT_EQ(CTKStatic::FallOffColor(RGB(255, 255, 255), 0, 0), RGB(255, 255, 255));
}

// The fitted size is the text's; the alignment says which edge or centre
// stays where it was.
TEST_F(CTKStaticTest, FitsItsSizeToTheText)
{
    const CRect rectBefore(100, 50, 300, 90);
    struct Row {
        const char* pszName;
        DWORD dwStyle;
    } rows[] = {
        {"left", SS_LEFT},
        {"centre", SS_CENTER},
        {"right", SS_RIGHT},
        {"left, centred vertically", SS_LEFT | SS_CENTERIMAGE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        CTKStatic control;
        Attach(control, "", row.dwStyle, rectBefore);
        control.SetFitToText(TRUE);
        control.SetWindowText("Fitted text");
        CClientDC dc(&control);
        CFont* pFont = dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT))));
        const CSize text = dc.GetTextExtent("Fitted text");
        dc.SelectObject(pFont);
        CRect rect;
        control.GetWindowRect(&rect);
        m_parent.ScreenToClient(&rect);
        EXPECT_EQ(rect.Size(), text);
        const int nStyle = row.dwStyle & SS_TYPEMASK;
        const int nExpectedLeft = nStyle == SS_CENTER ? rectBefore.CenterPoint().x - text.cx / 2
                                  : nStyle == SS_RIGHT ? rectBefore.right - text.cx
                                                       : rectBefore.left;
        EXPECT_EQ(rect.left, nExpectedLeft);
        const int nExpectedTop = (row.dwStyle & SS_CENTERIMAGE) != 0 ? rectBefore.CenterPoint().y - text.cy / 2
                                                                      : rectBefore.top;
        EXPECT_EQ(rect.top, nExpectedTop);
        control.DestroyWindow();
    }
}

// The static's own colour and font for its text, and its text as tip.
TEST_F(CTKStaticTest, DrawsItsTextInItsOwnColour)
{
    CTKStatic control;
    Attach(control, "Level");
    control.SetTextColor(RGB(10, 20, 30));
    EXPECT_EQ(TextColour(control), RGB(10, 20, 30));
    EXPECT_NE(control.GetStyle() & SS_NOTIFY, 0u);
    control.EnableTooltip(TRUE);
    EXPECT_EQ(TipText(control), "Level");
    control.SetWindowText("Sound level");
    EXPECT_EQ(TipText(control), "Sound level");
    control.DestroyWindow();
}
