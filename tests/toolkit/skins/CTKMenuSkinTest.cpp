// Tests of the menu part skins' item geometry and item drawing: dimension
// records, the measuring rule, LayoutItem, the join geometry and the shadow's
// darkening as tables; items drawn on memory DCs in each look with pinned
// colours.
//
// Not tested here: the text's glyph pixels beyond "something was drawn"
// (fonts differ), the 2003 gradient's exact colours (the skin's own tests
// cover GradientFillRect).

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "toolkit/frames/CTKBitmapMenu.h"
#include "toolkit/skins/CTKMenuJoin.h"
#include "toolkit/skins/CTKMenuShadow.h"
#include "toolkit/skins/CTKMenuSkin2003.h"
#include "toolkit/skins/CTKMenuSkinClassic.h"
#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKSkinClassic.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const COLORREF kSentinel = CTKTestCanvas::kSentinel;
const COLORREF kMenu = RGB(230, 230, 220);
const COLORREF kMenuText = RGB(0, 0, 64);
const COLORREF kRed = RGB(255, 0, 0);

// The three looks' menu skins over pinned colours.
class MenuSkinTest : public ::testing::Test {
protected:
    MenuSkinTest()
    {
        m_system.m_mapColors[COLOR_MENU] = kMenu;
        m_system.m_mapColors[COLOR_MENUTEXT] = kMenuText;
        m_menu.m_nImageExtent = 16;
        m_menu.m_nTextHeight = 13;
        m_menu.m_nTextWidth = 60;
        m_menu.m_nAccelWidth = 30;
        // A 16x16 image: a red square from (4, 4) to (12, 12), the rest
        // transparent.
        m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
        CTKTestCanvas canvas(16, 16);
        canvas.m_dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
        canvas.m_dc.FillSolidRect(4, 4, 8, 8, kRed);
        CBitmap* pBitmap = canvas.TakeBitmap();
        m_images.Add(pBitmap, RGB(255, 0, 255));
        m_image.pImageList = &m_images;
        m_image.nImage = 0;
    }

    CTKImageInfo Image(BOOL bCheckMark) const
    {
        CTKImageInfo image = m_image;
        image.bCheckMark = bCheckMark;
        return image;
    }
    CTKMenuSkin* Classic() { return m_classic.GetMenuSkin(); }
    CTKMenuSkin* XP() { return m_xp.GetMenuSkin(); }
    CTKMenuSkin* Skin2003() { return m_2003.GetMenuSkin(); }

    CTKTestSystem m_system;
    CTKSkinClassic m_classic;
    CTKSkinXP m_xp;
    CTKSkin2003 m_2003;
    CTKBitmapMenu m_menu;
    CImageList m_images;
    CTKImageInfo m_image;
};

std::vector<int> Values(const CTKMenuDimensions& dims)
{
    return std::vector<int>(std::begin(dims.nValues), std::end(dims.nValues));
}

}  // namespace

TEST_F(MenuSkinTest, EachLookHasItsDimensionRecord)
{
    const std::vector<int> classic = {2, 0, 8, 2, 3, 4, 3, 8, 0, 12};
    const std::vector<int> xp = {3, 5, 15, 12, 6, 10, 4, 3, 16, 16};
    EXPECT_EQ(Values(Classic()->GetDimensions()), classic);
    EXPECT_EQ(Values(XP()->GetDimensions()), xp);
    EXPECT_EQ(Values(Skin2003()->GetDimensions()), xp);
    EXPECT_NE(dynamic_cast<CTKMenuSkin2003*>(Skin2003()), nullptr);
}

TEST_F(MenuSkinTest, MeasuresItemsByTheLooksRecord)
{
    struct Row {
        const char* pszCase;
        CTKMenuSkin* pSkin;
        int nShortcut;
        int nImageHeight;
        int nWidth;
        int nHeight;
    } rows[] = {
        // text 50, image column 16, text height 13
        {"classic, no shortcut", Classic(), 0, 16, 50 + 3 + 8 + 16 + 2, 3 + 16 + 2},
        {"classic, shortcut", Classic(), 30, 0, 50 + 3 + 8 + 16 + 2 + 30 + 2, 4 + 13},
        {"XP, no shortcut", XP(), 0, 16, 50 + 6 + 15 + 16 + 3, 10 + 13},
        {"XP, shortcut", XP(), 30, 20, 50 + 6 + 15 + 16 + 3 + 30 + 12, 4 + 20 + 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        const CTKMenuDimensions& dims = row.pSkin->GetDimensions();
        EXPECT_EQ(CTKMenuSkin::MeasureItemWidth(dims, 16, 50, row.nShortcut), row.nWidth);
        EXPECT_EQ(CTKMenuSkin::MeasureItemHeight(dims, 13, row.nImageHeight), row.nHeight);
    }
}

TEST_F(MenuSkinTest, ExpansionItemIsHalfAsHighPlusOneExceptInClassic)
{
    struct Row {
        const char* pszLook;
        CTKMenuSkin* pSkin;
        UINT nHeight;
    } rows[] = {{"Classic", Classic(), 23}, {"XP", XP(), 12}, {"2003", Skin2003(), 12}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszLook);
        UINT nHeight = 23;
        row.pSkin->AdjustExpansionItemHeight(&nHeight, &m_menu);
        EXPECT_EQ(nHeight, row.nHeight);
    }
}

TEST_F(MenuSkinTest, SplitsItemTextAtTheFirstTab)
{
    struct Row {
        const char* pszItem;
        const char* pszText;
        const char* pszShortcut;
    } rows[] = {
        {"&Open", "&Open", ""},
        {"&Open\tCtrl+O", "&Open", "Ctrl+O"},
        {"&Open\t", "&Open", ""},
        {"A\tB\tC", "A", "B\tC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszItem);
        CString sText;
        CString sShortcut;
        CTKMenuSkin::SplitItemText(row.pszItem, &sText, &sShortcut);
        EXPECT_STREQ(sText, row.pszText);
        EXPECT_STREQ(sShortcut, row.pszShortcut);
    }
}

TEST_F(MenuSkinTest, LaysOutImageButtonTextAndShortcut)
{
    // Item (0, 10, 200, 32): 22 high; image 16x16; text 60 wide, 13 high;
    // shortcut 30 wide.
    struct Row {
        const char* pszCase;
        CTKMenuSkin* pSkin;
        BOOL bImage;
        BOOL bCheckMark;
        CRect rectImage;
        CRect rectButton;
        CRect rectText;
        CRect rectShortcut;
    } rows[] = {
        {"classic", Classic(), TRUE, FALSE, CRect(2, 13, 18, 29), CRect(0, 11, 20, 31), CRect(26, 14, 86, 28),
         CRect(127, 14, 157, 28)},
        {"classic, no image", Classic(), FALSE, FALSE, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0),
         CRect(26, 14, 86, 28), CRect(127, 14, 157, 28)},
        {"XP", XP(), TRUE, FALSE, CRect(3, 13, 19, 29), CRect(1, 11, 21, 31), CRect(34, 14, 94, 28),
         CRect(129, 14, 159, 28)},
        // The check mark sits in the button's middle, one pixel to the left.
        {"XP check mark", XP(), TRUE, TRUE, CRect(2, 13, 18, 29), CRect(1, 11, 21, 31), CRect(34, 14, 94, 28),
         CRect(129, 14, 159, 28)},
        {"2003, no image", Skin2003(), FALSE, FALSE, CRect(0, 0, 0, 0), CRect(1, 11, 21, 31),
         CRect(34, 14, 94, 28), CRect(129, 14, 159, 28)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        const CTKImageInfo image = Image(row.bCheckMark);
        CRect rectButton;
        CRect rectImage;
        CRect rectText;
        CRect rectShortcut;
        row.pSkin->LayoutItem(0, row.bImage ? &image : nullptr, CRect(0, 10, 200, 32), &rectButton, &rectImage,
                              &rectText, &rectShortcut, &m_menu);
        EXPECT_EQ(rectImage, row.rectImage);
        EXPECT_EQ(rectButton, row.rectButton);
        EXPECT_EQ(rectText, row.rectText);
        EXPECT_EQ(rectShortcut, row.rectShortcut);
    }
}

TEST(MenuJoin, OpensTheFrameTowardsTheButton)
{
    const CRect rectFrame(0, 0, 100, 200);
    const CRect rectMonitor(0, 0, 1024, 768);
    struct Row {
        const char* pszCase;
        CRect rectButton;        // window coordinates
        CRect rectButtonScreen;
        const CRect* pMonitor;
        BOOL bStrip;
        CRect rectStrip;
        int nKind;
    } rows[] = {
        {"above", CRect(10, -20, 50, 0), CRect(110, 80, 150, 100), &rectMonitor, TRUE, CRect(11, 0, 49, 1), 0},
        {"below", CRect(10, 200, 50, 220), CRect(110, 300, 150, 320), &rectMonitor, TRUE, CRect(11, 199, 49, 200),
         1},
        {"left", CRect(-40, 10, 0, 30), CRect(60, 110, 100, 130), &rectMonitor, TRUE, CRect(0, 11, 1, 29), 0},
        {"right", CRect(100, 10, 140, 30), CRect(200, 110, 240, 130), &rectMonitor, TRUE, CRect(99, 11, 100, 29),
         2},
        {"apart", CRect(300, 300, 340, 320), CRect(400, 400, 440, 420), &rectMonitor, FALSE, CRect(0, 0, 0, 0), 0},
        {"not dropped from a button", CRect(-5, -5, -5, -5), CRect(0, 0, 0, 0), &rectMonitor, FALSE,
         CRect(0, 0, 0, 0), 0},
        // The button reaches 10 pixels past the monitor's left edge.
        {"over the left edge", CRect(-10, -20, 30, 0), CRect(-10, 0, 30, 20), &rectMonitor, TRUE,
         CRect(1, 0, 29, 1), 0},
        {"over the left edge, no monitor known", CRect(-10, -20, 30, 0), CRect(-10, 0, 30, 20), nullptr, TRUE,
         CRect(-9, 0, 29, 1), 0},
        // The button reaches 16 pixels past the monitor's right edge.
        {"over the right edge", CRect(10, -20, 50, 0), CRect(1000, 0, 1040, 20), &rectMonitor, TRUE,
         CRect(11, 0, 32, 1), 0},
        {"over the right edge, no monitor known", CRect(10, -20, 50, 0), CRect(1000, 0, 1040, 20), nullptr, TRUE,
         CRect(11, 0, 49, 1), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        const CTKMenuJoin join = CTKMenuJoin::Compute(rectFrame, row.rectButton, row.rectButtonScreen, row.pMonitor);
        EXPECT_EQ(join.m_bHasStrip, row.bStrip);
        if (row.bStrip)
            EXPECT_EQ(join.m_rectStrip, row.rectStrip);
        EXPECT_EQ(join.m_nShadowKind, row.nKind);
    }
    // With a monitor further left the strip ends short on the right.
    const CRect rectLeftMonitor(-1024, 0, 0, 768);
    const CTKMenuJoin join =
        CTKMenuJoin::Compute(rectFrame, CRect(-10, -20, 30, 0), CRect(-10, 0, 30, 20), &rectLeftMonitor);
    EXPECT_EQ(join.m_rectStrip, CRect(-9, 0, -2, 1));
}

TEST(MenuShadow, DarkensByLineAndPosition)
{
    CTKMenuShadow::Run right = CTKMenuShadow::RightRun(CSize(100, 50));
    CTKMenuShadow::Run bottom = CTKMenuShadow::BottomRun(CSize(100, 50));
    CTKMenuShadow::Run kept = bottom;
    kept.nKeepFirst = 6;
    kept.nKeepLast = 20;
    CTKMenuShadow::Run fullStart = bottom;
    fullStart.nFirst = 1;
    fullStart.bFadeIn = FALSE;
    struct Row {
        const char* pszCase;
        const CTKMenuShadow::Run* pRun;
        int k;
        int nPos;
        int nDarkness;
    } rows[] = {
        {"right, top rows untouched", &right, 1, 3, 0},
        {"right, fade-in", &right, 1, 4, 3},
        {"right, fade-in, innermost line", &right, 4, 7, 48},
        {"right, middle", &right, 2, 8, 30},
        {"right, last middle row", &right, 4, 45, 60},
        {"right, fade-out starts", &right, 4, 46, 48},
        {"right, bottom row", &right, 1, 49, 3},
        {"bottom, length", &bottom, 1, 95, 15},
        {"bottom, fade-in", &bottom, 3, 5, 18},
        {"bottom, kept over the button", &kept, 4, 15, 0},
        {"bottom, kept even in the fade-in", &kept, 4, 6, 0},
        {"bottom, after the button", &kept, 4, 21, 60},
        {"full start, first column untouched", &fullStart, 2, 0, 0},
        {"full start", &fullStart, 2, 1, 30},
    };
    EXPECT_EQ(bottom.nLength, 96);
    EXPECT_FALSE(bottom.bFadeOut);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        EXPECT_EQ(CTKMenuShadow::Darkness(*row.pRun, row.k, row.nPos), row.nDarkness);
    }
    EXPECT_EQ(CTKMenuShadow::Darken(RGB(200, 100, 50), 15), RGB(188, 94, 47));
    EXPECT_EQ(CTKMenuShadow::Darken(RGB(255, 255, 255), 0), RGB(255, 255, 255));
}

TEST(MenuShadow, JoinWindowShadowFollowsTheMenusSide)
{
    const CSize size(60, 30);
    struct Row {
        int nKind;
        int nRightLength;
        int nRightFirst;
        BOOL bRightFadeOut;
        int nBottomLength;
        int nBottomFirst;
        BOOL bBottomFadeIn;
    } rows[] = {
        {1, 26, 4, FALSE, 0, 4, TRUE},  // menu below: no bottom shadow, no fade-out
        {2, 0, 4, TRUE, 56, 4, TRUE},   // menu to the right: no right shadow
        {3, 30, 4, TRUE, 56, 1, FALSE}, // menu to the left
        {4, 30, 1, TRUE, 56, 4, TRUE},  // menu above
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nKind);
        CTKMenuShadow::Run right;
        CTKMenuShadow::Run bottom;
        CTKMenuShadow::GetJoinWindowRuns(size, row.nKind, &right, &bottom);
        EXPECT_EQ(right.nLength, row.nRightLength);
        if (row.nRightLength > 0) {
            EXPECT_EQ(right.nFirst, row.nRightFirst);
            EXPECT_EQ(right.bFadeIn, row.nRightFirst == 4);
            EXPECT_EQ(right.bFadeOut, row.bRightFadeOut);
        }
        EXPECT_EQ(bottom.nLength, row.nBottomLength);
        if (row.nBottomLength > 0) {
            EXPECT_EQ(bottom.nFirst, row.nBottomFirst);
            EXPECT_EQ(bottom.bFadeIn, row.bBottomFadeIn);
            EXPECT_FALSE(bottom.bFadeOut);
        }
    }
}

namespace {

// How many pixels of rect are not the sentinel, and how many are cr.
struct PixelCount {
    int nDrawn = 0;
    int nOfColor = 0;
};

PixelCount CountPixels(CTKTestCanvas& canvas, const CRect& rect, COLORREF cr)
{
    PixelCount count;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const COLORREF crPixel = canvas.m_dc.GetPixel(x, y);
            count.nDrawn += crPixel != kSentinel;
            count.nOfColor += crPixel == cr;
        }
    }
    return count;
}

}  // namespace

TEST_F(MenuSkinTest, SelectedXPItemIsOnlyTheHotBox)
{
    const CTKSkinXP* pColours[] = {&m_xp, &m_2003};
    CTKMenuSkin* pSkins[] = {XP(), Skin2003()};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i == 0 ? "XP" : "2003");
        CTKTestCanvas canvas(200, 22);
        pSkins[i]->DrawBackground(&canvas.m_dc, ODS_SELECTED, &m_image, CRect(0, 0, 200, 22), CRect(1, 1, 21, 21),
                                  &m_menu);
        EXPECT_EQ(canvas.m_dc.GetPixel(0, 0), pColours[i]->GetHotItemBorderColor());
        EXPECT_EQ(canvas.m_dc.GetPixel(199, 21), pColours[i]->GetHotItemBorderColor());
        EXPECT_EQ(canvas.m_dc.GetPixel(2, 10), pColours[i]->GetHotItemColor());
        EXPECT_EQ(canvas.m_dc.GetPixel(100, 10), pColours[i]->GetHotItemColor());
    }
}

TEST_F(MenuSkinTest, XPItemsHaveAGutterDarkerForHiddenItems)
{
    const COLORREF crBackground = m_xp.GetMenuBackgroundColor();
    struct Row {
        const char* pszCase;
        CTKMenuSkin* pSkin;
        UINT nState;
    } rows[] = {
        {"XP", XP(), 0},
        {"XP, selected but disabled", XP(), ODS_SELECTED | ODS_DISABLED},
        {"XP, hidden", XP(), kTKMenuHiddenItem},
        {"2003", Skin2003(), 0},
        {"2003, hidden", Skin2003(), kTKMenuHiddenItem},
    };
    COLORREF crGutter[5] = {};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(rows[i].pszCase);
        CTKTestCanvas canvas(200, 22);
        rows[i].pSkin->DrawBackground(&canvas.m_dc, rows[i].nState, nullptr, CRect(0, 0, 200, 22),
                                      CRect(1, 1, 21, 21), &m_menu);
        // The gutter ends at record[1] + image column + record[2] = 24.
        crGutter[i] = canvas.m_dc.GetPixel(23, 10);
        EXPECT_NE(crGutter[i], crBackground);
        EXPECT_EQ(canvas.m_dc.GetPixel(24, 10), crBackground);
        EXPECT_EQ(canvas.m_dc.GetPixel(199, 21), crBackground);
    }
    EXPECT_EQ(crGutter[0], m_xp.GetToolbarBackgroundColor());
    EXPECT_EQ(crGutter[1], crGutter[0]);
    EXPECT_EQ(crGutter[2], RGB(204, 200, 192));
    EXPECT_LT(GetRValue(crGutter[4]), GetRValue(crGutter[3]));
}

TEST_F(MenuSkinTest, ClassicHiddenItemIsCheckeredWithLinesAtTheRunsEnds)
{
    struct Row {
        UINT nState;
        COLORREF crTop;
        COLORREF crAboveBottom;
    } rows[] = {
        {kTKMenuHiddenItem, 0, 0},
        {kTKMenuHiddenItem | kTKMenuLineAbove | kTKMenuLineBelow, RGB(128, 128, 128), RGB(255, 255, 255)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nState);
        CTKTestCanvas canvas(100, 22);
        Classic()->DrawBackground(&canvas.m_dc, row.nState, nullptr, CRect(0, 0, 100, 22), CRect(0, 0, 0, 0),
                                  &m_menu);
        for (int x = 10; x < 14; ++x) {
            const COLORREF crExpected = (x + 10) % 2 == 0 ? kMenu : RGB(255, 255, 255);
            const COLORREF crOther = crExpected == kMenu ? RGB(255, 255, 255) : kMenu;
            EXPECT_TRUE(canvas.m_dc.GetPixel(x, 10) == crExpected || canvas.m_dc.GetPixel(x, 10) == crOther);
            EXPECT_NE(canvas.m_dc.GetPixel(x, 10), canvas.m_dc.GetPixel(x + 1, 10));
            EXPECT_NE(canvas.m_dc.GetPixel(x, 10), canvas.m_dc.GetPixel(x, 11));
        }
        if (row.crTop != 0) {
            EXPECT_EQ(canvas.m_dc.GetPixel(50, 0), row.crTop);
            EXPECT_EQ(canvas.m_dc.GetPixel(50, 20), row.crAboveBottom);
        }
    }
}

TEST_F(MenuSkinTest, ClassicItemFillsRightOfItsButton)
{
    const COLORREF crHighlight = RGB(10, 36, 106);
    struct Row {
        const char* pszCase;
        UINT nState;
        BOOL bCheckMark;
        int xFirst;          // first column of the item's own fill
        COLORREF crFill;
        COLORREF crButton;   // inside the button, 0: checkered
    } rows[] = {
        {"selected", ODS_SELECTED, FALSE, 20, crHighlight, kMenu},
        {"selected check mark", ODS_SELECTED, TRUE, 20, crHighlight, crHighlight},
        {"plain", 0, FALSE, 20, kMenu, kMenu},
        {"checked", ODS_CHECKED, FALSE, 20, kMenu, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        CTKTestCanvas canvas(100, 22);
        const CTKImageInfo image = Image(row.bCheckMark);
        Classic()->DrawBackground(&canvas.m_dc, row.nState, &image, CRect(0, 0, 100, 22), CRect(0, 1, 20, 21),
                                  &m_menu);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.xFirst, 10), row.crFill);
        EXPECT_EQ(canvas.m_dc.GetPixel(99, 20), row.crFill);
        EXPECT_EQ(canvas.m_dc.GetPixel(99, 21), kSentinel);
        if (row.crButton != 0)
            EXPECT_EQ(canvas.m_dc.GetPixel(10, 10), row.crButton);
        else
            EXPECT_NE(canvas.m_dc.GetPixel(10, 10), canvas.m_dc.GetPixel(11, 10));
    }
}

TEST_F(MenuSkinTest, ButtonsBehindImages)
{
    struct Row {
        const char* pszCase;
        CTKMenuSkin* pSkin;
        UINT nState;
        BOOL bCheckMark;
        BOOL bDrawn;
        COLORREF crInside;  // 0: not checked
    } rows[] = {
        {"XP checked", XP(), ODS_CHECKED, FALSE, TRUE, m_xp.GetCheckedItemColor()},
        {"XP checked, selected", XP(), ODS_CHECKED | ODS_SELECTED, FALSE, TRUE, m_xp.GetCheckedHotItemColor()},
        {"XP selected", XP(), ODS_SELECTED, FALSE, FALSE, 0},
        {"classic checked", Classic(), ODS_CHECKED, FALSE, TRUE, 0},
        {"classic selected", Classic(), ODS_SELECTED, FALSE, TRUE, 0},
        {"classic selected, disabled", Classic(), ODS_SELECTED | ODS_DISABLED, FALSE, FALSE, 0},
        {"classic selected check mark", Classic(), ODS_SELECTED, TRUE, FALSE, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        CTKTestCanvas canvas(30, 30);
        const CTKImageInfo image = Image(row.bCheckMark);
        row.pSkin->DrawButton(&canvas.m_dc, row.nState, &image, CRect(2, 2, 22, 22), &m_menu);
        EXPECT_EQ(CountPixels(canvas, CRect(0, 0, 30, 30), 0).nDrawn > 0, row.bDrawn);
        if (row.crInside != 0) {
            EXPECT_EQ(canvas.m_dc.GetPixel(2, 2), m_xp.GetHotItemBorderColor());
            EXPECT_EQ(canvas.m_dc.GetPixel(10, 10), row.crInside);
        }
    }
}

TEST_F(MenuSkinTest, ImagesPerLookAndState)
{
    const COLORREF crShadow = RGB(128, 128, 128);
    // The image's red square lies at (4, 4)-(12, 12) of the image, drawn
    // at (10, 3).
    struct Row {
        const char* pszCase;
        CTKMenuSkin* pSkin;
        UINT nState;
        BOOL bCheckMark;
        CPoint ptRedCorner;  // (-1, -1): no red square
        BOOL bShadowBelow;
    } rows[] = {
        {"XP", XP(), 0, FALSE, CPoint(14, 7), FALSE},
        {"XP selected lifts off its shadow", XP(), ODS_SELECTED, FALSE, CPoint(13, 6), TRUE},
        {"XP selected and checked", XP(), ODS_SELECTED | ODS_CHECKED, FALSE, CPoint(14, 7), FALSE},
        {"2003 selected", Skin2003(), ODS_SELECTED, FALSE, CPoint(14, 7), FALSE},
        {"classic selected", Classic(), ODS_SELECTED, FALSE, CPoint(14, 7), FALSE},
        {"XP check mark, checked", XP(), ODS_CHECKED, TRUE, CPoint(14, 7), FALSE},
        {"XP check mark, unchecked", XP(), 0, TRUE, CPoint(-1, -1), FALSE},
        {"2003 check mark, unchecked", Skin2003(), 0, TRUE, CPoint(-1, -1), FALSE},
        {"classic check mark, unchecked", Classic(), ODS_SELECTED, TRUE, CPoint(-1, -1), FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        CTKTestCanvas canvas(40, 30);
        const CTKImageInfo image = Image(row.bCheckMark);
        row.pSkin->DrawImage(&canvas.m_dc, row.nState, &image, CRect(10, 3, 26, 19), &m_menu);
        if (row.ptRedCorner.x < 0) {
            EXPECT_EQ(CountPixels(canvas, CRect(0, 0, 40, 30), 0).nDrawn, 0);
            continue;
        }
        const CPoint& pt = row.ptRedCorner;
        EXPECT_EQ(canvas.m_dc.GetPixel(pt.x, pt.y), kRed);
        EXPECT_EQ(canvas.m_dc.GetPixel(pt.x + 7, pt.y + 7), kRed);
        EXPECT_EQ(canvas.m_dc.GetPixel(pt.x - 1, pt.y - 1), kSentinel);
        EXPECT_EQ(canvas.m_dc.GetPixel(22, 15), row.bShadowBelow ? crShadow : kSentinel);
    }
    for (CTKMenuSkin* pSkin : {XP(), Skin2003()}) {
        CTKTestCanvas canvas(40, 30);
        pSkin->DrawImage(&canvas.m_dc, ODS_DISABLED, &m_image, CRect(10, 3, 26, 19), &m_menu);
        EXPECT_EQ(canvas.m_dc.GetPixel(15, 8), crShadow);
        EXPECT_EQ(CountPixels(canvas, CRect(0, 0, 40, 30), kRed).nOfColor, 0);
    }
}

TEST_F(MenuSkinTest, SeparatorsAndInsertMarks)
{
    CTKTestCanvas classic(100, 8);
    Classic()->DrawSeparator(&classic.m_dc, CRect(0, 0, 100, 8), &m_menu);
    EXPECT_EQ(classic.m_dc.GetPixel(2, 3), RGB(128, 128, 128));
    EXPECT_EQ(classic.m_dc.GetPixel(97, 4), RGB(255, 255, 255));
    EXPECT_EQ(classic.m_dc.GetPixel(1, 3), kSentinel);
    EXPECT_EQ(classic.m_dc.GetPixel(98, 3), kSentinel);
    EXPECT_EQ(classic.m_dc.GetPixel(50, 2), kSentinel);

    CTKTestCanvas xp(100, 8);
    XP()->DrawSeparator(&xp.m_dc, CRect(0, 0, 100, 8), &m_menu);
    // The line starts at the text column: record[3] + image column + record[1].
    EXPECT_EQ(xp.m_dc.GetPixel(34, 4), m_xp.GetSeparatorColor());
    EXPECT_EQ(xp.m_dc.GetPixel(99, 4), m_xp.GetSeparatorColor());
    EXPECT_EQ(xp.m_dc.GetPixel(33, 4), m_xp.GetMenuBackgroundColor());
    EXPECT_EQ(xp.m_dc.GetPixel(2, 4), m_xp.GetToolbarBackgroundColor());
    EXPECT_EQ(xp.m_dc.GetPixel(50, 3), m_xp.GetMenuBackgroundColor());

    struct Row {
        BOOL bBefore;
        int yTop;  // T; the mark spans T..T+3
    } rows[] = {{TRUE, 8}, {FALSE, 28}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bBefore);
        CTKTestCanvas canvas(100, 40);
        Skin2003()->DrawInsertMark(&canvas.m_dc, CRect(0, 10, 100, 30), row.bBefore, &m_menu);
        EXPECT_EQ(canvas.m_dc.GetPixel(2, row.yTop), RGB(0, 0, 0));
        EXPECT_EQ(canvas.m_dc.GetPixel(50, row.yTop + 1), RGB(0, 0, 0));
        EXPECT_EQ(canvas.m_dc.GetPixel(50, row.yTop + 2), RGB(0, 0, 0));
        EXPECT_EQ(canvas.m_dc.GetPixel(98, row.yTop + 2), RGB(0, 0, 0));
        EXPECT_EQ(canvas.m_dc.GetPixel(50, row.yTop), kSentinel);
        EXPECT_EQ(canvas.m_dc.GetPixel(1, row.yTop), kSentinel);
    }
}

TEST_F(MenuSkinTest, SelectionFrameIsTwoLinesInXP)
{
    CTKTestCanvas canvas(40, 20);
    XP()->DrawSelectionFrame(&canvas.m_dc, CRect(0, 0, 40, 20), &m_menu);
    EXPECT_EQ(canvas.m_dc.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.m_dc.GetPixel(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.m_dc.GetPixel(38, 18), RGB(0, 0, 0));
    EXPECT_EQ(canvas.m_dc.GetPixel(2, 2), kSentinel);
}

TEST_F(MenuSkinTest, TextAndShortcutInTheStatesColours)
{
    const CRect rectText(4, 2, 64, 18);
    const CRect rectShortcut(100, 2, 160, 18);
    struct Row {
        const char* pszCase;
        CTKMenuSkin* pSkin;
        UINT nState;
        const char* pszItem;
        COLORREF crText;  // every text pixel; 0: several colours (embossed)
        BOOL bShortcut;
    } rows[] = {
        {"XP", XP(), 0, "&Open\tCtrl+O", kMenuText, TRUE},
        {"XP, no tab", XP(), 0, "&Open", kMenuText, FALSE},
        {"XP, trailing tab", XP(), 0, "&Open\t", kMenuText, FALSE},
        {"XP disabled", XP(), ODS_DISABLED, "&Open\tCtrl+O", m_xp.GetMenuDisabledColor(), TRUE},
        {"2003 selected", Skin2003(), ODS_SELECTED, "&Open", kMenuText, FALSE},
        {"classic selected", Classic(), ODS_SELECTED, "&Open\tCtrl+O", RGB(255, 255, 255), TRUE},
        {"classic disabled, selected", Classic(), ODS_DISABLED | ODS_SELECTED, "&Open", RGB(128, 128, 128), FALSE},
        {"classic", Classic(), 0, "&Open", kMenuText, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        CTKTestCanvas canvas(170, 20);
        row.pSkin->DrawText(&canvas.m_dc, row.nState, row.pszItem, rectText, rectShortcut, &m_menu);
        const PixelCount text = CountPixels(canvas, rectText, row.crText);
        EXPECT_GT(text.nDrawn, 0);
        EXPECT_EQ(text.nOfColor, text.nDrawn);
        EXPECT_EQ(CountPixels(canvas, rectShortcut, row.crText).nDrawn > 0, row.bShortcut);
    }
}

TEST_F(MenuSkinTest, ExpanderAndSubmenuArrowAreMarlettGlyphs)
{
    const CRect rectItem(0, 0, 60, 20);
    struct Row {
        const char* pszCase;
        CTKMenuSkin* pSkin;
        UINT nState;
        COLORREF crGlyph;
    } rows[] = {
        {"classic", Classic(), 0, kMenuText},
        {"classic selected", Classic(), ODS_SELECTED, RGB(255, 255, 255)},
        {"XP", XP(), 0, kMenuText},
        {"XP disabled", XP(), ODS_DISABLED, m_xp.GetSeparatorColor()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        CTKTestCanvas canvas(60, 20);
        row.pSkin->DrawExpansionItem(&canvas.m_dc, rectItem, row.nState, &m_menu);
        EXPECT_GT(CountPixels(canvas, rectItem, row.crGlyph).nOfColor, 0);
    }

    const CRect rectArrow(80, 2, 100, 18);
    for (BOOL bOwnArrow : {FALSE, TRUE}) {
        SCOPED_TRACE(bOwnArrow);
        m_menu.m_bOwnArrow = bOwnArrow;
        CTKTestCanvas canvas(110, 20);
        canvas.m_dc.SetTextColor(RGB(0, 128, 0));
        Classic()->DrawSubmenuItem(&canvas.m_dc, 0, "&Recent", 0, CRect(0, 0, 110, 20), CRect(0, 0, 0, 0),
                                   CRect(26, 2, 76, 18), rectArrow, &m_menu);
        const PixelCount arrow = CountPixels(canvas, rectArrow, kMenu);
        EXPECT_EQ(arrow.nOfColor < arrow.nDrawn, bOwnArrow);
        EXPECT_GT(CountPixels(canvas, CRect(26, 2, 76, 18), kMenuText).nOfColor, 0);
    }
}
