// Tests of the skinned tab and spin controls and the tab part skins: the
// scroll arrows' shared mouse hook, the XP and 2003 tab strip with more tabs
// than fit, the arrows' hollow and filled looks, the frame of the arrow under
// the cursor, the tab border rule of
// AdjustClientRect and the workspace border. Colours and theme are pinned.
//
// Not tested here: the repaint on leaving the arrows (it needs the real
// cursor), the sunken frame while the button is down, the classic look's turned texts (Windows 5.1
// only).

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKSkinClassic.h"
#include "toolkit/skins/CTKSkinnedTabCtrl.h"
#include "toolkit/skins/CTKTabSkin2003.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

const COLORREF kSentinel = CTKTestCanvas::kSentinel;

// A memory DC with a bitmap of the given size, filled with the sentinel.

class SkinnedTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, 400, 200, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // A tab control too narrow for its tabs, so that it shows its arrows,
    // with the arrows in its skinned spin member.
    void MakeCrowded(CTKSkinnedTabCtrl& tab, UINT nID, int y, DWORD dwStyle = 0)
    {
        ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(0, y, 150, y + 60), &m_parent, nID));
        for (int i = 0; i < 8; ++i)
            tab.InsertItem(i, "Measurement");
        HWND hSpin = ::FindWindowEx(tab.m_hWnd, nullptr, "msctls_updown32", nullptr);
        ASSERT_NE(hSpin, nullptr);
        ASSERT_TRUE(::IsWindowVisible(hSpin));
        ASSERT_TRUE(CTKSkinnedTabCtrl::GetSpinCtrl(&tab)->SubclassWindow(hSpin));
    }

    // The arrows' buttons in the spin control's client area, as the skin
    // places them.
    static void ArrowButtons(CTKSkinnedSpinCtrl* pSpin, CRect& rectLeft, CRect& rectRight)
    {
        CRect rect;
        pSpin->GetClientRect(&rect);
        rect.DeflateRect(2, 2, 2, 0);
        const int w = rect.Width();
        rectLeft.SetRect(rect.left, rect.top, rect.left + w / 2 - 1, rect.bottom);
        rectRight.SetRect(w / 2, rect.top, (w & ~1) - 1, rect.bottom);
    }

    CTKTestSystem m_system;
    CWnd m_parent;
};

}  // namespace

// Were the hook removed with the first spin control, the arrows of every
// other tab control would keep their hover look once the mouse left them.
TEST_F(SkinnedTabTest, SpinHookStaysUntilTheLastSpinControlGoes)
{
    ASSERT_FALSE(CTKSkinnedSpinCtrl::IsMouseHookInstalled());
    auto pFirst = std::make_unique<CTKSkinnedTabCtrl>();
    CTKSkinnedTabCtrl second;
    MakeCrowded(*pFirst, 1, 0);
    MakeCrowded(second, 2, 70);
    EXPECT_TRUE(CTKSkinnedSpinCtrl::IsMouseHookInstalled());

    pFirst->DestroyWindow();
    pFirst.reset();
    EXPECT_TRUE(CTKSkinnedSpinCtrl::IsMouseHookInstalled());

    second.DestroyWindow();
    EXPECT_FALSE(CTKSkinnedSpinCtrl::IsMouseHookInstalled());

    CTKSkinnedTabCtrl third;
    MakeCrowded(third, 3, 0);
    EXPECT_TRUE(CTKSkinnedSpinCtrl::IsMouseHookInstalled());
}

TEST_F(SkinnedTabTest, WithoutSkinnedApplicationTheControlsDrawClassic)
{
    CTKSkinnedTabCtrl tab;
    MakeCrowded(tab, 1, 0);
    EXPECT_NE(dynamic_cast<CTKTabSkinClassic*>(tab.GetTabSkin()), nullptr);
    EXPECT_EQ(tab.GetTabSkin(), tab.GetTabSkin());
    EXPECT_NE(dynamic_cast<CTKTabSkinClassic*>(CTKSkinnedTabCtrl::GetSpinCtrl(&tab)->GetTabSkin()), nullptr);
    CWnd other;
    EXPECT_EQ(CTKSkinnedTabCtrl::GetSpinCtrl(&other), nullptr);
}

// The selected tab is painted last and whole; tabs beyond the arrows are
// not painted where the arrows lie. In both looks, tabs on top and at the
// bottom.
TEST_F(SkinnedTabTest, CrowdedStripPaintsSelectedTabLastAndNothingUnderTheArrows)
{
    for (const BOOL b2003 : {FALSE, TRUE}) {
        for (const DWORD dwStyle : {DWORD(0), DWORD(TCS_BOTTOM)}) {
            SCOPED_TRACE(::testing::Message() << (b2003 ? "2003" : "XP") << (dwStyle ? " bottom" : " top"));
            std::unique_ptr<CTKSkinXP> pSkin = b2003 ? std::make_unique<CTKSkin2003>() : std::make_unique<CTKSkinXP>();
            auto* pTabSkin = static_cast<CTKTabSkinXP*>(pSkin->GetTabSkin());
            CTKSkinnedTabCtrl tab;
            MakeCrowded(tab, 1, 0, dwStyle);
            tab.SetCurSel(0);
            CRect rectClient;
            tab.GetClientRect(&rectClient);
            CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
            pTabSkin->PaintTabCtrl(&canvas.m_dc, &tab);

            // The selected tab is the face colour in its middle (XP), or its
            // gradient's (2003); its neighbour is painted before it.
            CRect rectSelected;
            tab.GetItemRect(0, &rectSelected);
            const COLORREF clrSelected = canvas.m_dc.GetPixel(rectSelected.left + 1, rectSelected.CenterPoint().y);
            if (!b2003)
                EXPECT_EQ(clrSelected, CTKSkinXP::SysColor(COLOR_BTNFACE));
            CRect rectOther;
            tab.GetItemRect(1, &rectOther);
            EXPECT_NE(canvas.m_dc.GetPixel(rectOther.left + 1, rectOther.CenterPoint().y), clrSelected);

            // With the arrows hidden every tab is copied whole: the two
            // pictures differ under the arrows only.
            HWND hSpin = CTKSkinnedTabCtrl::GetSpinCtrl(&tab)->m_hWnd;
            CRect rectSpin;
            ::GetWindowRect(hSpin, &rectSpin);
            tab.ScreenToClient(&rectSpin);
            ::ShowWindow(hSpin, SW_HIDE);
            CTKTestCanvas whole(rectClient.Width(), rectClient.Height());
            pTabSkin->PaintTabCtrl(&whole.m_dc, &tab);
            ::ShowWindow(hSpin, SW_SHOW);
            int nDiffUnder = 0;
            int nDiffElsewhere = 0;
            for (int y = rectSpin.top; y < rectSpin.bottom; ++y) {
                for (int x = 0; x < rectClient.right; ++x) {
                    const BOOL bDiffers = canvas.m_dc.GetPixel(x, y) != whole.m_dc.GetPixel(x, y);
                    (x >= rectSpin.left ? nDiffUnder : nDiffElsewhere) += bDiffers ? 1 : 0;
                }
            }
            EXPECT_GT(nDiffUnder, 0);
            EXPECT_EQ(nDiffElsewhere, 0);
            tab.DestroyWindow();
        }
    }
}

// The left arrow is hollow at position 0, the right one at the upper end of
// the range; between them both are filled.
TEST_F(SkinnedTabTest, ArrowsAreHollowAtTheEndsOfTheRange)
{
    CTKSkinXP skin;
    auto* pTabSkin = static_cast<CTKTabSkinXP*>(skin.GetTabSkin());
    CTKSkinnedTabCtrl tab;
    MakeCrowded(tab, 1, 0);
    CTKSkinnedSpinCtrl* pSpin = CTKSkinnedTabCtrl::GetSpinCtrl(&tab);
    int nLower = 0;
    int nUpper = 0;
    pSpin->GetRange32(nLower, nUpper);
    ASSERT_GT(nUpper, 1);
    CRect rectClient;
    pSpin->GetClientRect(&rectClient);

    // The centre of each arrow: as the skin places them.
    CRect rectLeft;
    CRect rectRight;
    ArrowButtons(pSpin, rectLeft, rectRight);
    auto arrowCentre = [](const CRect& btn, BOOL bLeft) {
        const int cx = btn.left + (btn.Width() - 4) / 2;
        const int cy = btn.top + (btn.Height() - 8) / 2;
        return CPoint(bLeft ? cx + 3 : cx + 1, cy + 3);
    };
    const COLORREF clrArrow = skin.GetInactiveTabTextColor();
    struct Row {
        int nPos;
        BOOL bLeftFilled;
        BOOL bRightFilled;
    } rows[] = {{0, FALSE, TRUE}, {1, TRUE, TRUE}, {nUpper, TRUE, FALSE}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nPos);
        pSpin->SetPos32(row.nPos);
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        pTabSkin->PaintSpinCtrl(&canvas.m_dc, pSpin);
        const CPoint ptLeft = arrowCentre(rectLeft, TRUE);
        const CPoint ptRight = arrowCentre(rectRight, FALSE);
        EXPECT_EQ(canvas.m_dc.GetPixel(ptLeft.x, ptLeft.y) == clrArrow, row.bLeftFilled);
        EXPECT_EQ(canvas.m_dc.GetPixel(ptRight.x, ptRight.y) == clrArrow, row.bRightFilled);
    }
}

// The arrow under the cursor (as the skins' system gives it) gets a frame of
// white and black edges one pixel inside its button; away from the arrows
// neither corner of that frame is drawn.
TEST_F(SkinnedTabTest, ArrowUnderTheCursorGetsAFrame)
{
    CTKSkinXP skin;
    auto* pTabSkin = static_cast<CTKTabSkinXP*>(skin.GetTabSkin());
    CTKSkinnedTabCtrl tab;
    MakeCrowded(tab, 1, 0);
    CTKSkinnedSpinCtrl* pSpin = CTKSkinnedTabCtrl::GetSpinCtrl(&tab);
    pSpin->SetPos32(1);
    CRect rectClient;
    pSpin->GetClientRect(&rectClient);
    CRect rectLeft;
    CRect rectHot;  // the right arrow's
    ArrowButtons(pSpin, rectLeft, rectHot);
    rectHot.DeflateRect(1, 1);
    const std::set<COLORREF> edges = {RGB(255, 255, 255), RGB(0, 0, 0)};
    for (const BOOL bOver : {TRUE, FALSE}) {
        SCOPED_TRACE(bOver ? "over the right arrow" : "away");
        CPoint ptCursor = bOver ? rectHot.CenterPoint() : CPoint(-500, -500);
        pSpin->ClientToScreen(&ptCursor);
        m_system.m_ptCursor = POINT{ptCursor.x, ptCursor.y};
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        pTabSkin->PaintSpinCtrl(&canvas.m_dc, pSpin);
        const std::set<COLORREF> corners = {canvas.m_dc.GetPixel(rectHot.left, rectHot.top),
                                            canvas.m_dc.GetPixel(rectHot.right - 1, rectHot.bottom - 1)};
        EXPECT_EQ(corners == edges, bOver);
    }
}

// The client grows over each side where the tab control's border is
// thinner than 8 pixels, and keeps the side with the tabs.
TEST_F(SkinnedTabTest, AdjustClientRectWidensOverThinBordersOnly)
{
    CTKSkinXP skin;
    CTKSkinnedTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 150), &m_parent, 1));
    tab.InsertItem(0, "Measurement");
    CRect rectClient;
    tab.GetClientRect(&rectClient);
    CRect rectDisplay = rectClient;
    tab.AdjustRect(FALSE, &rectDisplay);
    ASSERT_GE(rectDisplay.top - rectClient.top, 8);

    CRect rect(100, 100, 200, 200);
    skin.GetTabSkin()->AdjustClientRect(&rect, &tab);
    EXPECT_EQ(rect, CRect(100 - (rectDisplay.left - rectClient.left), 100,
                          200 + (rectClient.right - rectDisplay.right),
                          200 + (rectClient.bottom - rectDisplay.bottom)));

    CTKSkinClassic classic;
    CRect rectClassic(100, 100, 200, 200);
    classic.GetTabSkin()->AdjustClientRect(&rectClassic, &tab);
    EXPECT_EQ(rectClassic, CRect(100, 100, 200, 200));
}

TEST_F(SkinnedTabTest, WorkspaceBorderIsSunkenInClassicAndFlatInXp)
{
    CTKSkinClassic classic;
    CTKSkinXP xp;
    struct Row {
        CTKSkin* pSkin;
        COLORREF clrTopLeft;
        COLORREF clrBottomRight;
    } rows[] = {
        {&classic, CTKSkinXP::SysColor(COLOR_BTNSHADOW), CTKSkinXP::SysColor(COLOR_BTNHIGHLIGHT)},
        {&xp, xp.GetBorderColor(), xp.GetBorderColor()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<LPCTSTR>(row.pSkin->GetName()));
        CTKTestCanvas canvas(20, 20);
        CRect rect(2, 2, 18, 18);
        row.pSkin->GetTabSkin()->DrawWorkspaceBorder(&canvas.m_dc, &rect, &m_parent);
        EXPECT_EQ(canvas.m_dc.GetPixel(2, 10), row.clrTopLeft);
        EXPECT_EQ(canvas.m_dc.GetPixel(17, 10), row.clrBottomRight);
        EXPECT_EQ(canvas.m_dc.GetPixel(10, 10), kSentinel);
    }
}
