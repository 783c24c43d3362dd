// Tests of the status-bar skins on a real status bar in a frame: the lock
// indicators' colours, the gripper (none in a maximised frame, an even
// square), the pane frames, the 2003 band, and the panes' bitmaps, fonts
// and text colours.

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "res/resource.h"
#include "toolkit/frames/CTKStatusBar.h"
#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKSkinnedApp.h"
#include "toolkit/skins/CTKStatusbarSkin2003.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

struct StatusbarSkinTest : ::testing::Test {
    CTKTestSystem system;
    CFrameWnd* pFrame = new CFrameWnd;
    CTKStatusBar bar;
    BYTE keysBefore[256] = {};

    void SetUp() override
    {
        ::GetKeyboardState(keysBefore);
        ASSERT_TRUE(pFrame->Create(nullptr, "Status", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 200)));
        ASSERT_TRUE(bar.Create(pFrame));
        bar.SetIndicators(kIndicators, 3);
        pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        ::SetKeyboardState(keysBefore);
        pFrame->DestroyWindow();
    }

    static void SetCapsLock(BOOL bOn)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CAPITAL] = bOn ? 1 : 0;
        ::SetKeyboardState(keys);
    }

    CRect ClientRect()
    {
        CRect rect;
        bar.GetClientRect(&rect);
        return rect;
    }
};

}  // namespace

TEST_F(StatusbarSkinTest, CapsIndicatorShowsInButtonTextWhileCapsLockIsOnElseDisabled)
{
    const COLORREF crText = RGB(0, 0, 0);
    const COLORREF crDisabled = RGB(128, 128, 128);
    struct Row {
        BOOL bCapsLock;
        COLORREF crShown;
        COLORREF crNotShown;
    } rows[] = {{TRUE, crText, crDisabled}, {FALSE, crDisabled, crText}};
    CTKSkinXP skin;
    CRect rectCaps;
    bar.GetItemRect(1, &rectCaps);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bCapsLock ? "Caps Lock on" : "Caps Lock off");
        SetCapsLock(row.bCapsLock);
        CTKTestCanvas canvas(ClientRect().Width(), ClientRect().Height());
        skin.GetStatusbarSkin()->DrawPanes(&canvas.m_dc, &bar);
        EXPECT_TRUE(canvas.HasColour(rectCaps, row.crShown));
        EXPECT_FALSE(canvas.HasColour(rectCaps, row.crNotShown));
    }
}

TEST_F(StatusbarSkinTest, GripperIsAnEvenSquareAtTheRightEndAndAbsentWhenMaximised)
{
    CTKSkinXP xp;
    CTKSkin2003 skin2003;
    struct Row {
        const char* pszLook;
        CTKStatusbarSkin* pSkin;
        int cyBar;
        BOOL bMaximised;
    } rows[] = {
        {"XP even", xp.GetStatusbarSkin(), 22, FALSE},
        {"XP odd", xp.GetStatusbarSkin(), 23, FALSE},
        {"XP maximised", xp.GetStatusbarSkin(), 22, TRUE},
        {"2003 odd", skin2003.GetStatusbarSkin(), 23, FALSE},
        {"2003 maximised", skin2003.GetStatusbarSkin(), 22, TRUE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszLook);
        pFrame->ShowWindow(row.bMaximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        CRect rectWindow;
        bar.GetWindowRect(&rectWindow);
        const int cyNonClient = rectWindow.Height() - ClientRect().Height();
        bar.SetWindowPos(nullptr, 0, 0, 300, row.cyBar + cyNonClient, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rectClient = ClientRect();
        ASSERT_EQ(rectClient.Height(), row.cyBar);
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        row.pSkin->DrawGripper(&canvas.m_dc, &bar);
        const int nSide = row.cyBar & ~1;
        const int xLeft = rectClient.right - nSide;
        if (row.bMaximised) {
            EXPECT_FALSE(canvas.HasColour(CRect(xLeft, 0, rectClient.right, nSide), RGB(128, 128, 128)));
            EXPECT_EQ(canvas.m_dc.GetPixel(rectClient.right - 1, 0), CTKTestCanvas::kSentinel);
            continue;
        }
        EXPECT_EQ(canvas.m_dc.GetPixel(xLeft - 1, 0), CTKTestCanvas::kSentinel);
        EXPECT_NE(canvas.m_dc.GetPixel(rectClient.right - 1, 0), CTKTestCanvas::kSentinel);
        EXPECT_NE(canvas.m_dc.GetPixel(rectClient.right - 1, nSide - 1), CTKTestCanvas::kSentinel);
        if (nSide < row.cyBar)
            EXPECT_EQ(canvas.m_dc.GetPixel(rectClient.right - 1, nSide), CTKTestCanvas::kSentinel);
    }
}

TEST_F(StatusbarSkinTest, PaneFramesAreLightFramesInXpAndEtchedSeparatorsIn2003)
{
    system.m_bThemed = TRUE;
    CTKSkinXP xp;
    CTKSkin2003 skin2003;
    CRect rectFirst;
    bar.GetItemRect(0, &rectFirst);
    const CRect rectClient = ClientRect();
    {
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        xp.GetStatusbarSkin()->DrawPaneFrames(&canvas.m_dc, &bar);
        EXPECT_EQ(canvas.m_dc.GetPixel(rectFirst.left, rectFirst.top + 3), RGB(229, 220, 216));
        EXPECT_EQ(canvas.m_dc.GetPixel(rectFirst.right - 1, rectFirst.top + 3), RGB(229, 220, 216));
    }
    {
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        skin2003.GetStatusbarSkin()->DrawPaneFrames(&canvas.m_dc, &bar);
        const int yMiddle = rectFirst.CenterPoint().y;
        EXPECT_EQ(canvas.m_dc.GetPixel(rectFirst.right, yMiddle), skin2003.GetSeparatorColor());
        EXPECT_EQ(canvas.m_dc.GetPixel(rectFirst.right + 1, yMiddle), RGB(255, 255, 255));
        EXPECT_EQ(canvas.m_dc.GetPixel(rectFirst.left, yMiddle), CTKTestCanvas::kSentinel);
    }
}

TEST_F(StatusbarSkinTest, The2003BandRunsFromTheFirstToTheThirdStatusColour)
{
    for (BOOL bThemed : {TRUE, FALSE}) {
        SCOPED_TRACE(bThemed ? "themed" : "unthemed");
        system.m_bThemed = bThemed;
        CTKSkin2003 skin;
        const CRect rectClient = ClientRect();
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        skin.GetStatusbarSkin()->DrawPanes(&canvas.m_dc, &bar);
        const int x = 1;
        EXPECT_EQ(canvas.m_dc.GetPixel(x, 0), skin.GetStatusbarColor1());
        EXPECT_EQ(canvas.m_dc.GetPixel(x, rectClient.Height() / 2), skin.GetStatusbarColor2());
        EXPECT_EQ(canvas.m_dc.GetPixel(x, rectClient.bottom - 5), skin.GetStatusbarColor2());
        EXPECT_EQ(system.m_nThemesOpen, 0);
    }
}

// The XP and 2003 looks draw the gripper themselves: the stretching pane
// gives up its width, so the indicators at the right end stay whole.
TEST_F(StatusbarSkinTest, PanesEndBeforeTheGripperTheSkinDraws)
{
    CTKSkinnedApp app;
    pFrame->ShowWindow(SW_SHOWNORMAL);
    int cxIndicator = 0;
    for (const char* pszLook : {"Classic", "Office XP", "Office 2003"}) {
        SCOPED_TRACE(pszLook);
        ASSERT_TRUE(app.SetCurrentSkin(pszLook));
        bar.UpdateAllPanes(TRUE, TRUE);
        CRect rectLast;
        bar.GetItemRect(2, &rectLast);
        if (cxIndicator == 0)
            cxIndicator = rectLast.Width();
        const int cxGripper = bar.GetSkin()->GetGripperWidth(&bar);
        EXPECT_EQ(cxGripper, std::string(pszLook) == "Classic" ? 0 : ClientRect().Height() & ~1);
        EXPECT_LE(rectLast.right, ClientRect().right - cxGripper);
        EXPECT_EQ(rectLast.Width(), cxIndicator);
    }
}

TEST_F(StatusbarSkinTest, BarPaintsThroughTheCurrentSkinOrItsOwnClassicSkin)
{
    // The test program's application is no skinned application.
    EXPECT_NE(dynamic_cast<CTKStatusbarSkinClassic*>(bar.GetSkin()), nullptr);
    EXPECT_EQ(bar.GetSkin(), bar.GetSkin());
}

namespace {

const COLORREF kSentinel = CTKTestCanvas::kSentinel;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kSeeThrough = RGB(0, 255, 0);

// 40 x 80: red above, blue below, its first four columns see-through.
HBITMAP MakePaneBitmap()
{
    CTKTestCanvas canvas(40, 80);
    canvas.m_dc.FillSolidRect(0, 0, 40, 40, kRed);
    canvas.m_dc.FillSolidRect(0, 40, 40, 40, kBlue);
    canvas.m_dc.FillSolidRect(0, 0, 4, 80, kSeeThrough);
    return static_cast<HBITMAP>(canvas.TakeBitmap()->Detach());
}

// The rows of rect that hold a pixel of cr: top and bottom + 1.
std::pair<int, int> RowsWithColour(CDC& dc, const CRect& rect, COLORREF cr)
{
    int yTop = rect.bottom;
    int yBottom = rect.top;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (dc.GetPixel(x, y) == cr) {
                yTop = std::min(yTop, y);
                yBottom = y + 1;
            }
        }
    }
    return {yTop, yBottom};
}

}  // namespace

TEST_F(StatusbarSkinTest, PaneBitmapIsPlacedShrunkOrCutAsItsModeSays)
{
    CRect rectPane;
    bar.GetItemRect(0, &rectPane);
    ASSERT_GT(rectPane.Width(), 120);
    ASSERT_LT(rectPane.Height(), 40);
    const int yTop = rectPane.top + 1;
    const int yBottom = rectPane.bottom - 2;
    const int xCentre = rectPane.CenterPoint().x;
    struct Probe {
        int x;
        int y;
        COLORREF cr;
    };
    struct Row {
        const char* pszCase;
        int nMode;
        UINT nStyle;
        Probe probes[3];
    } rows[] = {
        {"left, shrunk", 2, 0, {{rectPane.left + 20, yTop, kRed}, {rectPane.left + 20, yBottom, kBlue},
                                {rectPane.left + 1, yTop, kSentinel}}},
        {"left, cut", 5, 0, {{rectPane.left + 20, yTop, kRed}, {rectPane.left + 20, yBottom, kRed},
                             {rectPane.left + 45, yBottom, kSentinel}}},
        {"centred", 3, 0, {{xCentre, yBottom, kBlue}, {rectPane.left + 20, yBottom, kSentinel},
                           {xCentre - 19, yTop, kSentinel}}},
        {"right, cut", 7, 0, {{rectPane.right - 2, yBottom, kRed}, {rectPane.right - 45, yBottom, kSentinel},
                              {rectPane.right - 39, yTop, kSentinel}}},
        {"stretched", 1, 0, {{rectPane.right - 2, rectPane.top, kRed}, {rectPane.right - 2, rectPane.bottom - 1, kBlue},
                             {rectPane.left + 1, yTop, kSentinel}}},
        {"unknown mode as left", 9, 0, {{rectPane.left + 20, yBottom, kBlue}, {rectPane.left + 45, yTop, kSentinel},
                                        {rectPane.left + 1, yTop, kSentinel}}},
        {"not drawn", 2, kTKPaneNoBitmap, {{rectPane.left + 20, yTop, kSentinel},
                                           {rectPane.left + 20, yBottom, kSentinel},
                                           {rectPane.left + 1, yTop, kSentinel}}},
    };
    const CRect rectClient = ClientRect();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        ASSERT_TRUE(bar.SetPaneBitmap(0, MakePaneBitmap(), row.nMode, kSeeThrough));
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        bar.DrawPaneBitmap(&canvas.m_dc, 0, row.nStyle);
        for (const Probe& probe : row.probes) {
            SCOPED_TRACE(testing::Message() << "at " << probe.x << ", " << probe.y);
            EXPECT_EQ(canvas.m_dc.GetPixel(probe.x, probe.y), probe.cr);
        }
    }
    const HBITMAP hRefused = MakePaneBitmap();
    EXPECT_FALSE(bar.SetPaneBitmap(3, hRefused, 2, kSeeThrough));
    ::DeleteObject(hRefused);
}

TEST_F(StatusbarSkinTest, PaneTextTakesThePanesFontAndColour)
{
    CTKSkinXP skin;
    bar.SetPaneText(0, "Ready");
    CRect rectPane;
    bar.GetItemRect(0, &rectPane);
    const CRect rectClient = ClientRect();
    auto textRows = [&](COLORREF cr) {
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        skin.GetStatusbarSkin()->DrawPanes(&canvas.m_dc, &bar);
        return RowsWithColour(canvas.m_dc, rectPane, cr);
    };
    const auto rowsBlack = textRows(RGB(0, 0, 0));
    EXPECT_LT(rowsBlack.first, rowsBlack.second);

    ASSERT_TRUE(bar.SetPaneTextColor(0, kRed));
    const auto rowsRed = textRows(kRed);
    EXPECT_EQ(rowsRed, rowsBlack);

    LOGFONT logFont = {};
    bar.GetFont()->GetLogFont(&logFont);
    logFont.lfHeight = -(rectPane.Height() - 2);
    ASSERT_TRUE(bar.SetPaneFont(0, &logFont));
    const auto rowsLarge = textRows(kRed);
    EXPECT_GT(rowsLarge.second - rowsLarge.first, rowsRed.second - rowsRed.first);

    ASSERT_TRUE(bar.SetPaneFont(0, nullptr));
    EXPECT_EQ(textRows(kRed), rowsRed);
    EXPECT_FALSE(bar.SetPaneTextColor(-1, kRed));
}
