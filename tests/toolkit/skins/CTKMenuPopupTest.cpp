// Tests of the popup windows a menu skin paints: PopupWindowProc on a test
// popup subclassed with it, as the bitmap menu subclasses the system's menu
// windows, over a solid window so that the shadow's pixels are known;
// WM_PRINT composed in a memory DC, WM_NCPAINT in the window's DC; the window
// that joins a menu-bar button to its menu; the bitmap menu's shared skin
// and dither brush.
//
// Not tested here: the 2003 join window's button (it needs a menu bar with
// buttons), the darkening of a WM_NCPAINT shadow (the screen copy of a
// shown popup under Wine's virtual desktop does not hold what lies behind
// it; WM_PRINT checks the darkening).

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "toolkit/frames/CTKBitmapMenu.h"
#include "toolkit/frames/CTKMenuBar.h"
#include "toolkit/frames/CTKShadowedItemWnd.h"
#include "toolkit/skins/CTKMenuShadow.h"
#include "toolkit/skins/CTKMenuSkinClassic.h"
#include "toolkit/skins/CTKMenuSkinXP.h"
#include "toolkit/skins/CTKSkinClassic.h"
#include "toolkit/skins/CTKSkinXP.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kSolid = RGB(200, 100, 50);
const COLORREF kClient = RGB(0, 160, 0);
const COLORREF kShadowLine = RGB(128, 128, 128);
const CPoint kPopupAt(150, 150);
const CSize kPopupSize(100, 80);  // before the shadow's room is added
const char kPopupClass[] = "TKMenuSkinTestPopup";
const char kSolidClass[] = "TKMenuSkinTestSolid";

// The skin the test popups are subclassed with, and what reached the
// procedure that was there before.
CTKMenuSkin* s_pSkin = nullptr;
std::vector<UINT> s_previousMessages;

LRESULT CALLBACK PreviousPopupProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    s_previousMessages.push_back(nMsg);
    if (nMsg == WM_PRINTCLIENT) {
        RECT rect;
        ::GetClientRect(hWnd, &rect);
        HBRUSH hBrush = ::CreateSolidBrush(kClient);
        ::FillRect(reinterpret_cast<HDC>(wParam), &rect, hBrush);
        ::DeleteObject(hBrush);
        return 0;
    }
    return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK TestPopupProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (s_pSkin != nullptr)
        return s_pSkin->PopupWindowProc(PreviousPopupProc, hWnd, nMsg, wParam, lParam);
    return PreviousPopupProc(hWnd, nMsg, wParam, lParam);
}

void RegisterTestClasses()
{
    WNDCLASS wc = {};
    wc.lpfnWndProc = TestPopupProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.lpszClassName = kPopupClass;
    ::RegisterClass(&wc);
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hbrBackground = ::CreateSolidBrush(kSolid);
    wc.lpszClassName = kSolidClass;
    ::RegisterClass(&wc);
}

BOOL IsShadowWritten(COLORREF cr, int nDarkness)
{
    return cr == CTKMenuShadow::Darken(kSolid, nDarkness);
}

class MenuPopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_system.m_mapColors[COLOR_MENU] = RGB(230, 230, 220);
        RegisterTestClasses();
        m_hSolid = ::CreateWindowEx(WS_EX_TOOLWINDOW, kSolidClass, "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 400,
                                    nullptr, nullptr, ::GetModuleHandle(nullptr), nullptr);
        ASSERT_NE(m_hSolid, nullptr);
        ::UpdateWindow(m_hSolid);
        ASSERT_TRUE(WaitUntilTheScreenShowsTheSolidWindow());
        CTKBitmapMenu::SetTrackedMenu(&m_menu);
        s_pSkin = XP();
        s_previousMessages.clear();
    }
    void TearDown() override
    {
        for (HWND hPopup : m_popups)
            ::DestroyWindow(hPopup);
        ::DestroyWindow(m_hSolid);
        s_pSkin = nullptr;
        CTKBitmapMenu::SetTrackedMenu(nullptr);
    }

    CTKMenuSkinXP* XP() { return static_cast<CTKMenuSkinXP*>(m_xp.GetMenuSkin()); }

    // The shadows darken what the screen holds behind the popup; on a busy
    // machine the display takes a while to show the freshly painted window.
    static BOOL WaitUntilTheScreenShowsTheSolidWindow()
    {
        const CPoint ptProbe(kPopupAt.x + kPopupSize.cx, kPopupAt.y + kPopupSize.cy);
        for (int i = 0; i < 250; ++i) {
            HDC hScreen = ::GetDC(nullptr);
            const COLORREF cr = ::GetPixel(hScreen, ptProbe.x, ptProbe.y);
            ::ReleaseDC(nullptr, hScreen);
            if (cr == kSolid)
                return TRUE;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG msg;
            while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessage(&msg);
        }
        return FALSE;
    }

    // A hidden popup over the solid window, of kPopupSize and its shadow.
    HWND CreatePopup()
    {
        HWND hPopup = ::CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, "", WS_POPUP, 0, 0, 10, 10,
                                       nullptr, nullptr, ::GetModuleHandle(nullptr), nullptr);
        ::SetWindowPos(hPopup, nullptr, kPopupAt.x, kPopupAt.y, kPopupSize.cx, kPopupSize.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        m_popups.push_back(hPopup);
        return hPopup;
    }

    // The popup as WM_PRINT composes it.
    void Print(HWND hPopup, CTKTestCanvas& canvas)
    {
        ::SendMessage(hPopup, WM_PRINT, reinterpret_cast<WPARAM>(canvas.m_dc.GetSafeHdc()),
                      PRF_NONCLIENT | PRF_CLIENT);
    }

    // The button that dropped the menu, relative to the popup's corner.
    void SetButton(const CRect& rectInWindow)
    {
        m_menu.m_rectButton = rectInWindow;
        m_menu.m_rectButton.OffsetRect(kPopupAt.x, kPopupAt.y);
    }

    CTKTestSystem m_system;
    CTKSkinXP m_xp;
    CTKSkinClassic m_classic;
    CTKBitmapMenu m_menu;
    HWND m_hSolid = nullptr;
    std::vector<HWND> m_popups;
};

}  // namespace

TEST_F(MenuPopupTest, HandlesMessagesOnlyWhileABitmapMenuIsTracked)
{
    CMenu plainMenu;
    struct Row {
        const char* pszCase;
        CTKMenuSkin* pSkin;
        CMenu* pTracked;
        BOOL bHandled;
    } rows[] = {
        {"XP, bitmap menu", XP(), &m_menu, TRUE},
        {"XP, another menu", XP(), &plainMenu, FALSE},
        {"XP, no menu", XP(), nullptr, FALSE},
        {"classic, bitmap menu", m_classic.GetMenuSkin(), &m_menu, FALSE},
    };
    HWND hPopup = CreatePopup();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        s_pSkin = row.pSkin;
        CTKBitmapMenu::SetTrackedMenu(row.pTracked);
        s_previousMessages.clear();
        CTKTestCanvas canvas(8, 8);
        const LRESULT lResult =
            ::SendMessage(hPopup, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.m_dc.GetSafeHdc()), 0);
        const BOOL bPassedOn = s_previousMessages == std::vector<UINT>{WM_ERASEBKGND};
        EXPECT_EQ(bPassedOn, !row.bHandled);
        if (row.bHandled)
            EXPECT_EQ(lResult, 0);
    }
}

TEST_F(MenuPopupTest, MovingPopupGetsRoomForItsShadowAndRemembersWhere)
{
    HWND hPopup = CreatePopup();
    CRect rectWindow;
    ::GetWindowRect(hPopup, &rectWindow);
    EXPECT_EQ(rectWindow, CRect(kPopupAt, kPopupSize + CSize(4, 4)));
    CPoint ptStored;
    ASSERT_TRUE(XP()->m_mapPositions.Lookup(hPopup, ptStored));
    EXPECT_EQ(ptStored, kPopupAt);
    EXPECT_EQ(XP()->m_mapPositions.GetHashTableSize(), 17u);

    ::SendMessage(hPopup, WM_NCPAINT, 1, 0);
    EXPECT_FALSE(XP()->m_mapPositions.Lookup(hPopup, ptStored));
}

TEST_F(MenuPopupTest, PopupRecordsComeAndGoWithTheirWindows)
{
    for (BOOL bWin95Family : {FALSE, TRUE}) {
        SCOPED_TRACE(bWin95Family);
        m_system.m_version.bWin95Family = bWin95Family;
        HWND hFirst = CreatePopup();
        HWND hSecond = CreatePopup();
        EXPECT_EQ(m_menu.m_popupWnds.GetCount(), 2);
        ::DestroyWindow(hSecond);
        m_popups.pop_back();
        ASSERT_EQ(m_menu.m_popupWnds.GetCount(), 1);
        KTPOPUPWND* pFirst = m_menu.m_popupWnds.GetFirst();
        EXPECT_EQ(pFirst->hWnd, hFirst);
        // On the 95 family the popup still open is told to paint its frame,
        // which fills its shadow cache.
        EXPECT_EQ(!pFirst->shadowColors.empty(), bWin95Family);
        ::DestroyWindow(hFirst);
        m_popups.pop_back();
        EXPECT_EQ(m_menu.m_popupWnds.GetCount(), 0);
    }
}

TEST_F(MenuPopupTest, PrintComposesFrameGutterJoinAndShadow)
{
    // The button above the menu, from x 10 to 50.
    SetButton(CRect(10, -20, 50, 0));
    HWND hPopup = CreatePopup();
    CTKTestCanvas canvas(104, 84);
    Print(hPopup, canvas);
    CDC& dc = canvas.m_dc;
    const COLORREF crGutter = m_xp.GetToolbarBackgroundColor();
    const COLORREF crBackground = m_xp.GetMenuBackgroundColor();
    EXPECT_EQ(dc.GetPixel(0, 50), kShadowLine);
    EXPECT_EQ(dc.GetPixel(99, 79), kShadowLine);
    EXPECT_EQ(dc.GetPixel(5, 0), kShadowLine);
    EXPECT_EQ(dc.GetPixel(20, 0), crGutter);   // the join strip, 11 to 49
    EXPECT_EQ(dc.GetPixel(48, 0), crGutter);
    EXPECT_EQ(dc.GetPixel(49, 0), kShadowLine);
    EXPECT_EQ(dc.GetPixel(1, 40), crGutter);
    EXPECT_EQ(dc.GetPixel(1, 1), crBackground);
    EXPECT_EQ(dc.GetPixel(50, 1), crBackground);
    EXPECT_EQ(dc.GetPixel(10, 10), kClient);

    struct Row {
        const char* pszCase;
        CPoint pt;
        int nDarkness;
    } rows[] = {
        {"right, above the shadow", CPoint(103, 2), 0},
        {"right, fading in", CPoint(103, 5), 6},
        {"right, outermost", CPoint(103, 40), 15},
        {"right, innermost", CPoint(100, 40), 60},
        {"right, corner fading out", CPoint(103, 83), 3},
        {"bottom, left of the shadow", CPoint(2, 83), 0},
        {"bottom, outermost", CPoint(40, 83), 15},
        {"bottom, last column", CPoint(99, 82), 30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        EXPECT_TRUE(IsShadowWritten(dc.GetPixel(row.pt.x, row.pt.y), row.nDarkness))
            << std::hex << dc.GetPixel(row.pt.x, row.pt.y);
    }
    CPoint ptStored;
    EXPECT_FALSE(XP()->m_mapPositions.Lookup(hPopup, ptStored));
}

TEST_F(MenuPopupTest, ShadowSparesAButtonBelowOrRightOfTheMenu)
{
    struct Row {
        const char* pszCase;
        CRect rectButton;
        CPoint ptStrip;
        CPoint ptSpared;
        CPoint ptDarkened;
        int nDarkness;
    } rows[] = {
        {"below", CRect(10, 80, 50, 100), CPoint(20, 79), CPoint(30, 82), CPoint(60, 82), 30},
        {"right", CRect(100, 10, 140, 30), CPoint(99, 20), CPoint(101, 20), CPoint(101, 50), 45},
        {"left", CRect(-40, 10, 0, 30), CPoint(0, 20), CPoint(-1, -1), CPoint(101, 20), 45},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        SetButton(row.rectButton);
        HWND hPopup = CreatePopup();
        CTKTestCanvas canvas(104, 84);
        Print(hPopup, canvas);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.ptStrip.x, row.ptStrip.y), m_xp.GetToolbarBackgroundColor());
        if (row.ptSpared.x >= 0)
            EXPECT_EQ(canvas.m_dc.GetPixel(row.ptSpared.x, row.ptSpared.y), kSolid);
        EXPECT_TRUE(IsShadowWritten(canvas.m_dc.GetPixel(row.ptDarkened.x, row.ptDarkened.y), row.nDarkness));
    }
}

TEST_F(MenuPopupTest, NcPaintRepaintsItsShadowFromTheCacheUntilThePopupGrows)
{
    HWND hPopup = CreatePopup();
    ::SetWindowPos(hPopup, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                   SWP_SHOWWINDOW);
    KTPOPUPWND* pPopup = m_menu.m_popupWnds.Find(hPopup);
    ASSERT_NE(pPopup, nullptr);
    ::SendMessage(hPopup, WM_NCPAINT, 1, 0);
    const std::vector<COLORREF> firstPaint = pPopup->shadowColors;
    EXPECT_EQ(firstPaint.size(), 4u * 84 + 4u * 100);

    // A repaint takes the colours from the cache instead of darkening the
    // already darkened screen again.
    ::SendMessage(hPopup, WM_NCPAINT, 1, 0);
    EXPECT_EQ(pPopup->shadowColors, firstPaint);
    HDC hWindowDC = ::GetWindowDC(hPopup);
    EXPECT_EQ(::GetPixel(hWindowDC, 0, 50), kShadowLine);
    EXPECT_EQ(::GetPixel(hWindowDC, 103, 40), firstPaint[40 * 4 + 3]);
    ::ReleaseDC(hPopup, hWindowDC);

    // Grown since its first paint, the popup's shadow is longer than the
    // cache: it is computed afresh instead of read past the cache's end.
    ::SetWindowPos(hPopup, nullptr, 0, 0, 150, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessage(hPopup, WM_NCPAINT, 1, 0);
    EXPECT_EQ(pPopup->shadowColors.size(), 4u * 104 + 4u * 150);
}

TEST_F(MenuPopupTest, PrintGivesBackAQuitMessageAndStopsWhenThePopupGoes)
{
    HWND hPopup = CreatePopup();
    ::PostQuitMessage(7);
    CTKTestCanvas canvas(104, 84);
    Print(hPopup, canvas);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(canvas.m_dc.GetPixel(0, 50), kShadowLine);

    HWND hClosing = CreatePopup();
    ::PostMessage(hClosing, WM_CLOSE, 0, 0);
    CTKTestCanvas untouched(104, 84);
    Print(hClosing, untouched);
    EXPECT_FALSE(::IsWindow(hClosing));
    EXPECT_EQ(untouched.m_dc.GetPixel(0, 50), CTKTestCanvas::kSentinel);
    EXPECT_EQ(m_menu.m_popupWnds.Find(hClosing), nullptr);
}

TEST_F(MenuPopupTest, JoinWindowFramesTheButtonOpenTowardsTheMenu)
{
    // The window is 60 x 30: the button 56 x 26, the shadow 4 wide.
    struct Row {
        int nSide;
        BOOL bTop;
        BOOL bBottom;
        BOOL bLeft;
        BOOL bRight;
    } rows[] = {
        {CTKShadowedItemWnd::sideBelow, TRUE, FALSE, TRUE, TRUE},
        {CTKShadowedItemWnd::sideRight, TRUE, TRUE, TRUE, FALSE},
        {CTKShadowedItemWnd::sideLeft, TRUE, TRUE, FALSE, TRUE},
        {CTKShadowedItemWnd::sideAbove, FALSE, TRUE, TRUE, TRUE},
        {0, FALSE, FALSE, FALSE, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nSide);
        CTKShadowedItemWnd wnd(nullptr, 0, row.nSide);
        ASSERT_TRUE(wnd.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE,
                                 200, 200, 60, 30, nullptr, nullptr));
        ::UpdateWindow(m_hSolid);
        wnd.Invalidate(FALSE);
        XP()->DrawButtonJoinWindow(&wnd);
        // Read from the window's own surface: the screen of a busy display
        // may not show the lines yet.
        CWindowDC dc(&wnd);
        EXPECT_EQ(dc.GetPixel(30, 0) == kShadowLine, row.bTop);
        EXPECT_EQ(dc.GetPixel(30, 25) == kShadowLine, row.bBottom);
        EXPECT_EQ(dc.GetPixel(0, 10) == kShadowLine, row.bLeft);
        EXPECT_EQ(dc.GetPixel(55, 10) == kShadowLine, row.bRight);
        wnd.DestroyWindow();
    }
}

TEST_F(MenuPopupTest, WithoutASkinnedApplicationMenusShareOneClassicSkin)
{
    CTKMenuSkin* pShared = CTKBitmapMenu::GetMenuSkin();
    EXPECT_NE(dynamic_cast<CTKMenuSkinClassic*>(pShared), nullptr);
    EXPECT_EQ(CTKBitmapMenu::GetMenuSkin(), pShared);
    CTKMenuBar bar;
    EXPECT_NE(dynamic_cast<CTKMenuSkinClassic*>(bar.GetMenuSkin()), nullptr);
    EXPECT_NE(bar.GetMenuSkin(), pShared);

    // The classic skin hands the join window to the default painting.
    CTKShadowedItemWnd wnd(nullptr, 0, CTKShadowedItemWnd::sideBelow);
    ASSERT_TRUE(wnd.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, 200, 200, 60, 30,
                             nullptr, nullptr));
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
    wnd.DestroyWindow();
}

TEST(BitmapMenu, DitherBrushAlternatesItsColoursPixelByPixel)
{
    HBRUSH hBrush = CTKBitmapMenu::CreateDitherBrush(RGB(255, 0, 0), RGB(0, 0, 255));
    ASSERT_NE(hBrush, nullptr);
    CTKTestCanvas canvas(16, 16);
    const CRect rect(0, 0, 16, 16);
    ::FillRect(canvas.m_dc.GetSafeHdc(), &rect, hBrush);
    ::DeleteObject(hBrush);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const COLORREF cr = canvas.m_dc.GetPixel(x, y);
            ASSERT_TRUE(cr == RGB(255, 0, 0) || cr == RGB(0, 0, 255)) << x << "," << y;
            ASSERT_EQ(cr == canvas.m_dc.GetPixel(0, 0), (x + y) % 2 == 0) << x << "," << y;
        }
    }
}
