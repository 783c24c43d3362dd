// Tests of the docking-bar part skins of the three looks on a real sizable
// bar and dock bar: the caption, button and client rectangles, the caption
// with and without the solid-caption flag, the grippers, the caption
// buttons' glyphs, the splitters of both kinds, the dock bar's fill and
// border, and which sizable bar a dock bar names as the other.
//
// Not tested here: the 2003 caption's title colour on a vertical strip and
// the rotation of the title font (the recorder does not keep escapements).

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "support/CTextRecorder.h"
#include "toolkit/frames/CTKSizeControlBar.h"
#include "toolkit/frames/CTKSizeDockBar.h"
#include "toolkit/frames/CTKSplitterRect.h"
#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKDockbarSkinXP.h"
#include "toolkit/skins/CTKSkinClassic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

const COLORREF kActiveCaption = RGB(0, 0, 200);
const COLORREF kInactiveCaption = RGB(100, 100, 100);
const COLORREF kCaptionText = RGB(250, 250, 0);
const COLORREF kInactiveCaptionText = RGB(0, 250, 250);
const COLORREF kWindowText = RGB(20, 20, 20);

// A sizable bar whose expansion the test decides.
class CTestSizeBar : public CTKSizeControlBar {
public:
    BOOL CanExpand() const override { return m_bCanExpand; }
    BOOL m_bCanExpand = FALSE;
};

enum class Look { Classic, XP, Office2003 };

const char* NameOf(Look look)
{
    return look == Look::Classic ? "Classic" : look == Look::XP ? "XP" : "2003";
}

struct DockbarSkinTest : ::testing::Test {
    CTKTestSystem system;
    CTKSkinClassic classic;
    CTKSkinXP xp;
    CTKSkin2003 skin2003;
    CFrameWnd* pFrame = new CFrameWnd;
    CTestSizeBar bar;

    void SetUp() override
    {
        system.m_mapColors[COLOR_ACTIVECAPTION] = kActiveCaption;
        system.m_mapColors[COLOR_INACTIVECAPTION] = kInactiveCaption;
        system.m_mapColors[COLOR_CAPTIONTEXT] = kCaptionText;
        system.m_mapColors[COLOR_INACTIVECAPTIONTEXT] = kInactiveCaptionText;
        system.m_mapColors[COLOR_WINDOWTEXT] = kWindowText;
        ASSERT_TRUE(pFrame->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400)));
        ASSERT_TRUE(bar.CreateEx(0, AfxDefaultWndClass(COLOR_BTNFACE), "Tree", WS_CHILD | WS_VISIBLE,
                                 CRect(0, 0, 200, 100), pFrame, 1));
        // Far from every bar: the caption buttons show no hover look.
        ::SetCursorPos(0, 0);
    }
    void TearDown() override { pFrame->DestroyWindow(); }

    CTKDockbarSkin* SkinOf(Look look)
    {
        CTKSkin* pSkins[] = {&classic, &xp, &skin2003};
        return pSkins[static_cast<int>(look)]->GetDockbarSkin();
    }

    // The bar docked at nAlign (or floating) with the size-bar flags.
    void Style(DWORD dwBarStyle, DWORD dwSizeBarStyle)
    {
        bar.SetBarStyle(dwBarStyle);
        bar.SetSizeBarStyle(dwSizeBarStyle);
    }

    // The caption as the skin draws it, recorded.
    CTextRecorder RecordCaption(CTKDockbarSkin* pSkin)
    {
        CDC dc;
        dc.Attach(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
        pSkin->LayoutCaption(&bar);
        pSkin->DrawCaption(&dc, &bar);
        HENHMETAFILE hRecorded = ::CloseEnhMetaFile(dc.Detach());
        CTextRecorder recorder(hRecorded);
        ::DeleteEnhMetaFile(hRecorded);
        return recorder;
    }
};

}  // namespace

TEST_F(DockbarSkinTest, CaptionButtonAndClientRectanglesFollowLookSideAndFlags)
{
    const CRect kNone(0, 0, 0, 0);
    const CRect kInset(5, 5, 195, 95);
    struct Row {
        Look look;
        DWORD dwBarStyle;
        DWORD dwFlags;
        CRect rectCaption;
        CRect rectClose;
        CRect rectExpand;
        CRect rectClient;
    } rows[] = {
        // Bars docked left or right carry the caption across their top.
        {Look::Classic, CBRS_ALIGN_LEFT, 0, {5, 5, 169, 16}, {184, 5, 195, 16}, {171, 5, 182, 16}, {5, 21, 195, 95}},
        {Look::XP, CBRS_ALIGN_LEFT, 0, {5, 5, 167, 16}, {184, 5, 195, 16}, {170, 5, 181, 16}, {5, 21, 195, 95}},
        {Look::Office2003, CBRS_ALIGN_LEFT, 0, {0, 2, 200, 26}, {183, 9, 194, 20}, {169, 9, 180, 20},
         {5, 29, 195, 95}},
        // Bars docked at the top or bottom carry it as a strip on the left.
        {Look::Classic, CBRS_ALIGN_TOP, 0, {5, 31, 16, 95}, {5, 5, 16, 16}, {5, 18, 16, 29}, {21, 5, 195, 95}},
        {Look::XP, CBRS_ALIGN_TOP, 0, {5, 33, 16, 95}, {5, 5, 16, 16}, {5, 19, 16, 30}, {21, 5, 195, 95}},
        {Look::Office2003, CBRS_ALIGN_TOP, 0, {2, 0, 26, 100}, {9, 7, 20, 18}, {9, 21, 20, 32}, {29, 5, 195, 95}},
        // No close button: the expand button takes its place.
        {Look::Classic, CBRS_ALIGN_LEFT, TKSBS_NOCLOSEBUTTON, {5, 5, 182, 16}, kNone, {184, 5, 195, 16},
         {5, 21, 195, 95}},
        {Look::Office2003, CBRS_ALIGN_LEFT, TKSBS_NOCLOSEBUTTON, {0, 2, 200, 26}, kNone, {183, 9, 194, 20},
         {5, 29, 195, 95}},
        {Look::XP, CBRS_ALIGN_TOP, TKSBS_NOEXPANDBUTTON, {5, 19, 16, 95}, {5, 5, 16, 16}, kNone, {21, 5, 195, 95}},
        {Look::Office2003, CBRS_ALIGN_TOP, TKSBS_NOEXPANDBUTTON, {2, 0, 26, 100}, {9, 7, 20, 18}, kNone,
         {29, 5, 195, 95}},
        // No caption, or floating: the inset window and no buttons.
        {Look::Classic, CBRS_ALIGN_LEFT, TKSBS_NOCAPTION, kInset, kNone, kNone, kInset},
        {Look::Office2003, CBRS_ALIGN_TOP, TKSBS_NOCAPTION, kInset, kNone, kNone, kInset},
        {Look::XP, CBRS_ALIGN_TOP | CBRS_FLOATING, 0, kInset, kNone, kNone, kInset},
        {Look::Office2003, CBRS_ALIGN_LEFT | CBRS_FLOATING, 0, kInset, kNone, kNone, kInset},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << NameOf(row.look) << " bar style 0x" << std::hex << row.dwBarStyle
                                        << " flags 0x" << row.dwFlags);
        Style(row.dwBarStyle, row.dwFlags);
        CTKDockbarSkin* pSkin = SkinOf(row.look);
        pSkin->LayoutCaption(&bar);
        EXPECT_EQ(bar.m_rectCaption, row.rectCaption);
        EXPECT_EQ(bar.m_rectCloseButton, row.rectClose);
        EXPECT_EQ(bar.m_rectExpandButton, row.rectExpand);
        CRect rectClient(0, 0, 200, 100);
        pSkin->CalcClientRect(&bar, &rectClient);
        EXPECT_EQ(rectClient, row.rectClient);
    }
}

TEST_F(DockbarSkinTest, CaptionSpaceNeverReachesBeyondTheOppositeEdge)
{
    bar.SetWindowPos(nullptr, 0, 0, 200, 12, SWP_NOMOVE | SWP_NOZORDER);
    Style(CBRS_ALIGN_LEFT, 0);
    CRect rectClient(0, 0, 200, 12);
    classic.GetDockbarSkin()->CalcClientRect(&bar, &rectClient);
    EXPECT_EQ(rectClient, CRect(5, 7, 195, 7));
}

TEST_F(DockbarSkinTest, SolidCaptionTakesTheCaptionColoursOfTheBarsFocus)
{
    struct Row {
        Look look;
        BOOL bActive;
        CPoint ptFill;  // a caption pixel away from the title
        COLORREF crFill;
        COLORREF crTitle;
        const char* pszFace;
    } rows[] = {
        {Look::Classic, TRUE, {160, 6}, kActiveCaption, kCaptionText, "Arial"},
        {Look::Classic, FALSE, {160, 6}, kInactiveCaption, kInactiveCaptionText, "Arial"},
        // XP fills the caption and its buttons, 3 pixels around, in the
        // inactive caption colour, whatever the focus.
        {Look::XP, TRUE, {160, 5}, kInactiveCaption, kCaptionText, "Tahoma BOLD"},
        {Look::XP, FALSE, {196, 17}, kInactiveCaption, kCaptionText, "Tahoma BOLD"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << NameOf(row.look) << (row.bActive ? " active" : " inactive"));
        Style(CBRS_ALIGN_LEFT, TKSBS_SOLIDCAPTION);
        bar.m_bActive = row.bActive;
        CTKDockbarSkin* pSkin = SkinOf(row.look);
        CTKTestCanvas canvas(200, 100);
        pSkin->LayoutCaption(&bar);
        pSkin->DrawCaption(&canvas.m_dc, &bar);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.ptFill.x, row.ptFill.y), row.crFill);
        const CTextRecorder recorder = RecordCaption(pSkin);
        const TextCall* pTitle = recorder.Find("Tree");
        ASSERT_NE(pTitle, nullptr);
        EXPECT_EQ(pTitle->crText, row.crTitle);
        EXPECT_NE(std::find(recorder.m_createdFaces.begin(), recorder.m_createdFaces.end(), row.pszFace),
                  recorder.m_createdFaces.end());
    }
}

TEST_F(DockbarSkinTest, TitleIsLeftOutUnderFlag0x100AndCutWithAnEllipsisWhenTooLong)
{
    for (Look look : {Look::Classic, Look::XP, Look::Office2003}) {
        SCOPED_TRACE(NameOf(look));
        Style(CBRS_ALIGN_LEFT, TKSBS_NOCAPTIONTEXT);
        EXPECT_EQ(RecordCaption(SkinOf(look)).Find("Tree"), nullptr);

        Style(CBRS_ALIGN_LEFT, 0);
        bar.SetWindowText("A title far too long for a bar only two hundred pixels wide");
        const CTextRecorder recorder = RecordCaption(SkinOf(look));
        // Solid fills are recorded as texts without characters.
        std::vector<TextCall> titles;
        std::copy_if(recorder.m_calls.begin(), recorder.m_calls.end(), std::back_inserter(titles),
                     [](const TextCall& call) { return !call.sText.empty(); });
        ASSERT_EQ(titles.size(), 1u);
        const std::string& sShown = titles[0].sText;
        EXPECT_EQ(sShown.substr(0, 2), "A ");
        EXPECT_EQ(sShown.substr(sShown.size() - 3), "...");
        EXPECT_EQ(titles[0].crText, look == Look::Classic ? kInactiveCaption : kWindowText);
        bar.SetWindowText("Tree");
    }
}

TEST_F(DockbarSkinTest, GrippersRunFromAfterTheTitleToTheCaptionsEnd)
{
    const COLORREF crHighlight = RGB(255, 255, 255);
    const COLORREF crShadow = RGB(128, 128, 128);
    const COLORREF crGripper = xp.GetGripperColor();
    const COLORREF kS = CTKTestCanvas::kSentinel;
    // Pixels across the caption's far end, top caption (x 160) and vertical
    // strip (y 40): classic two raised bars 3 pixels thick, 4 apart (their
    // middle line left as it was); XP four lines 2 pixels apart.
    const COLORREF crClassic[8] = {crHighlight, kS, crShadow, kS, crHighlight, kS, crShadow, kS};
    const COLORREF crXP[8] = {crGripper, kS, crGripper, kS, crGripper, kS, crGripper, kS};
    struct Row {
        Look look;
        DWORD dwBarStyle;
        const COLORREF* pcrAcross;
    } rows[] = {
        {Look::Classic, CBRS_ALIGN_LEFT, crClassic},
        {Look::Classic, CBRS_ALIGN_TOP, crClassic},
        {Look::XP, CBRS_ALIGN_LEFT, crXP},
        {Look::XP, CBRS_ALIGN_TOP, crXP},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << NameOf(row.look) << " bar style 0x" << std::hex << row.dwBarStyle);
        Style(row.dwBarStyle, 0);
        CTKDockbarSkin* pSkin = SkinOf(row.look);
        CTKTestCanvas canvas(200, 100);
        pSkin->LayoutCaption(&bar);
        pSkin->DrawCaption(&canvas.m_dc, &bar);
        const BOOL bVertical = row.dwBarStyle == CBRS_ALIGN_TOP;
        const CRect& rectCaption = bar.m_rectCaption;
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE(i);
            const int nAcross = (bVertical ? rectCaption.left : rectCaption.top) + 2 + i;
            const COLORREF cr = bVertical ? canvas.m_dc.GetPixel(nAcross, 40) : canvas.m_dc.GetPixel(160, nAcross);
            EXPECT_EQ(cr, row.pcrAcross[i]);
        }
    }
}

TEST_F(DockbarSkinTest, Office2003CaptionIsAGradientWithDotsInsideItsMargins)
{
    system.m_bThemed = TRUE;
    Style(CBRS_ALIGN_LEFT, 0);
    CTKDockbarSkin* pSkin = SkinOf(Look::Office2003);
    CTKTestCanvas canvas(200, 100);
    pSkin->LayoutCaption(&bar);
    pSkin->DrawCaption(&canvas.m_dc, &bar);
    // Caption (0, 2, 200, 26): light at its top row, the dots from 6 along
    // and 3 across, pairs of dot columns 4 apart; nothing below it.
    EXPECT_EQ(canvas.m_dc.GetPixel(1, 2), skin2003.GetCaptionLightColor());
    for (int x : {146, 147})
        EXPECT_EQ(canvas.m_dc.GetPixel(x, 5), skin2003.GetGripperColor()) << x;
    EXPECT_NE(canvas.m_dc.GetPixel(145, 5), skin2003.GetGripperColor());
    EXPECT_NE(canvas.m_dc.GetPixel(146, 4), skin2003.GetGripperColor());
    EXPECT_EQ(canvas.m_dc.GetPixel(100, 26), CTKTestCanvas::kSentinel);
}

TEST_F(DockbarSkinTest, ExpandButtonShowsTheExpandedGlyphOfItsLookAndGreyWhenTheBarCannotExpand)
{
    struct Row {
        Look look;
        BOOL bExpanded;
        BOOL bCanExpand;
        UINT nGlyph;  // the glyph the button must show
    } rows[] = {
        {Look::Classic, FALSE, TRUE, DFCS_CAPTIONMAX},
        {Look::Classic, TRUE, TRUE, DFCS_CAPTIONMIN},
        {Look::Classic, FALSE, FALSE, DFCS_CAPTIONMAX | DFCS_INACTIVE},
        {Look::XP, FALSE, TRUE, DFCS_CAPTIONMAX},
        {Look::XP, TRUE, TRUE, DFCS_CAPTIONRESTORE},
        {Look::XP, TRUE, FALSE, DFCS_CAPTIONRESTORE | DFCS_INACTIVE},
        {Look::Office2003, TRUE, TRUE, DFCS_CAPTIONRESTORE},
        {Look::Office2003, FALSE, FALSE, DFCS_CAPTIONMAX | DFCS_INACTIVE},
    };
    Style(CBRS_ALIGN_LEFT, 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << NameOf(row.look) << " glyph 0x" << std::hex << row.nGlyph);
        bar.m_bExpanded = row.bExpanded;
        bar.m_bCanExpand = row.bCanExpand;
        CTKDockbarSkin* pSkin = SkinOf(row.look);
        pSkin->LayoutCaption(&bar);
        CTKTestCanvas canvas(200, 100);
        pSkin->DrawExpandButton(&canvas.m_dc, &bar);

        // The same glyph drawn as the look draws any caption button.
        CTKTestCanvas expected(200, 100);
        CRect rect = bar.m_rectExpandButton;
        if (row.look == Look::Classic) {
            expected.m_dc.DrawFrameControl(&rect, DFC_CAPTION, row.nGlyph);
        } else {
            rect.InflateRect(1, 1, 2, 2);
            CTKSkinXP& scheme = row.look == Look::XP ? xp : static_cast<CTKSkinXP&>(skin2003);
            scheme.DrawFrameButton(&expected.m_dc, rect, row.nGlyph, FALSE, FALSE, RGB(212, 208, 200), &bar);
        }
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x)
                ASSERT_EQ(canvas.m_dc.GetPixel(x, y), expected.m_dc.GetPixel(x, y)) << x << ", " << y;
        }
    }
}

TEST_F(DockbarSkinTest, ButtonsAreDrawnOnDockedBarsOnly)
{
    for (Look look : {Look::XP, Look::Office2003}) {
        SCOPED_TRACE(NameOf(look));
        Style(CBRS_ALIGN_LEFT, 0);
        CTKDockbarSkin* pSkin = SkinOf(look);
        pSkin->LayoutCaption(&bar);
        const CRect rectClose = bar.m_rectCloseButton;
        Style(CBRS_ALIGN_LEFT | CBRS_FLOATING, 0);
        CTKTestCanvas canvas(200, 100);
        pSkin->DrawCloseButton(&canvas.m_dc, &bar);
        pSkin->DrawExpandButton(&canvas.m_dc, &bar);
        EXPECT_EQ(canvas.m_dc.GetPixel(rectClose.CenterPoint().x, rectClose.CenterPoint().y),
                  CTKTestCanvas::kSentinel);
    }
}

TEST_F(DockbarSkinTest, SplittersOfBothKindsInEachLook)
{
    const COLORREF crFace = RGB(212, 208, 200);
    const COLORREF crHighlight = RGB(255, 255, 255);
    const COLORREF crShadow = RGB(128, 128, 128);
    const COLORREF crFrame = RGB(0, 0, 0);
    const COLORREF kS = CTKTestCanvas::kSentinel;
    // Across the 8-pixel splitter (10..18), from its near edge.
    struct Row {
        Look look;
        COLORREF crAcross[8];
    } rows[] = {
        {Look::Classic, {kS, crFace, crHighlight, kS, kS, kS, crShadow, crFrame}},
        {Look::XP, {crFace, crFace, crFace, crFace, xp.GetSeparatorColor(), crFace, crFace, crFace}},
        {Look::Office2003,
         {skin2003.GetDockbarBackgroundColor(), skin2003.GetDockbarBackgroundColor(),
          skin2003.GetDockbarBackgroundColor(), skin2003.GetDockbarBackgroundColor(),
          skin2003.GetDockbarSeparatorColor(), skin2003.GetDockbarBackgroundColor(),
          skin2003.GetDockbarBackgroundColor(), skin2003.GetDockbarBackgroundColor()}},
    };
    for (const Row& row : rows) {
        for (BYTE nType : {CTKSplitterRect::kVerticalStrip, CTKSplitterRect::kHorizontalStrip}) {
            SCOPED_TRACE(testing::Message() << NameOf(row.look) << " kind " << int(nType));
            const BOOL bVertical = nType == CTKSplitterRect::kVerticalStrip;
            CTKSplitterRect splitter(bVertical ? CRect(10, 0, 18, 40) : CRect(0, 10, 40, 18), nType, 1);
            CTKTestCanvas canvas(40, 40);
            SkinOf(row.look)->DrawSplitter(&canvas.m_dc, &splitter, nullptr);
            for (int i = 0; i < 8; ++i) {
                SCOPED_TRACE(i);
                for (int nAlong : {0, 39}) {
                    EXPECT_EQ(bVertical ? canvas.m_dc.GetPixel(10 + i, nAlong) : canvas.m_dc.GetPixel(nAlong, 10 + i),
                              row.crAcross[i]);
                }
            }
        }
    }
}

TEST_F(DockbarSkinTest, OtherSizeBarIsTheFirstDockedSizableBarBesidesTheOneNamed)
{
    CTKSizeDockBar dockBar;
    CTestSizeBar second;
    CControlBar* pToolBar = new CDockBar;  // any bar of another kind
    struct Row {
        const char* pszCase;
        std::vector<void*> entries;  // after entry 0, null ending rows
        CControlBar* pAsked;
        CTKSizeControlBar* pExpected;
    } rows[] = {
        {"empty", {}, nullptr, nullptr},
        {"a bar of another kind only", {pToolBar, nullptr}, nullptr, nullptr},
        {"a placeholder and a sizable bar", {reinterpret_cast<void*>(UINT_PTR{5}), &bar, nullptr}, nullptr, &bar},
        {"the asked bar only", {&bar, nullptr}, &bar, nullptr},
        {"two rows", {pToolBar, nullptr, &bar, &second, nullptr}, &bar, &second},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        dockBar.m_arrBars.SetSize(1);
        for (void* pEntry : row.entries)
            dockBar.m_arrBars.Add(pEntry);
        EXPECT_EQ(dockBar.GetOtherSizeBar(row.pAsked), row.pExpected);
    }
    dockBar.m_arrBars.SetSize(1);
    delete pToolBar;
}

TEST_F(DockbarSkinTest, DockBarFillAndBorderInEachLook)
{
    CTKSizeDockBar* pDockBar = new CTKSizeDockBar;
    ASSERT_TRUE(pDockBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT));
    // Border lines give the dock bar a non-client area.
    pDockBar->SetBarStyle(pDockBar->GetBarStyle() | CBRS_BORDER_ANY);
    pDockBar->MoveWindow(0, 0, 60, 200);
    CRect rectClient;
    pDockBar->GetClientRect(&rectClient);
    const COLORREF crFace = RGB(212, 208, 200);
    // Themed, the 2003 dock-bar colour and the menu bar's band differ.
    system.m_bThemed = TRUE;
    // CLR_INVALID: the menu bar's band, a shade between its dark and light
    // colours, as the toolbars of the frame show it.
    struct Row {
        Look look;
        BOOL bHoldsSizeBar;
        COLORREF crFill;
        COLORREF crBorder;
    } rows[] = {
        {Look::XP, FALSE, crFace, xp.GetDockbarBackgroundColor()},
        {Look::Office2003, FALSE, CLR_INVALID, CLR_INVALID},
        {Look::Office2003, TRUE, CLR_INVALID, skin2003.GetDockbarBackgroundColor()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << NameOf(row.look) << (row.bHoldsSizeBar ? " with a sizable bar" : ""));
        pDockBar->m_arrBars.SetSize(1);
        if (row.bHoldsSizeBar) {
            pDockBar->m_arrBars.Add(&bar);
            pDockBar->m_arrBars.Add(nullptr);
        }
        auto* pSkin = static_cast<CTKDockbarSkinXP*>(SkinOf(row.look));
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        pSkin->FillDockBar(&canvas.m_dc, pDockBar);
        CTKTestCanvas window(60, 200);
        pSkin->PaintDockBarBorder(&window.m_dc, pDockBar);
        EXPECT_EQ(window.m_dc.GetPixel(30, 100), CTKTestCanvas::kSentinel);  // the client area
        const COLORREF crShown[] = {canvas.m_dc.GetPixel(rectClient.right - 1, rectClient.bottom - 1),
                                    window.m_dc.GetPixel(0, 100)};
        const COLORREF crExpected[] = {row.crFill, row.crBorder};
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(i == 0 ? "fill" : "border");
            if (crExpected[i] != CLR_INVALID) {
                EXPECT_EQ(crShown[i], crExpected[i]);
                continue;
            }
            const COLORREF crNotBand[] = {CTKTestCanvas::kSentinel, CLR_INVALID, skin2003.GetDockbarBackgroundColor(),
                                          skin2003.GetMenuBarLightColor()};
            for (COLORREF crOther : crNotBand)
                EXPECT_NE(crShown[i], crOther);
        }
    }
    pDockBar->m_arrBars.SetSize(1);
    pDockBar->DestroyWindow();
    delete pDockBar;
}

TEST_F(DockbarSkinTest, ClassicDockBarIsButtonFaceAndItsHighlightFrameTheWindowFrameColour)
{
    CTKSizeDockBar* pDockBar = new CTKSizeDockBar;
    ASSERT_TRUE(pDockBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP));
    pDockBar->MoveWindow(0, 0, 60, 20);
    CTKTestCanvas canvas(60, 20);
    classic.GetDockbarSkin()->FillDockBar(&canvas.m_dc, pDockBar);
    EXPECT_EQ(canvas.m_dc.GetPixel(59, 19), RGB(212, 208, 200));
    EXPECT_EQ(classic.GetDockbarSkin()->GetFrameColor(), RGB(0, 0, 0));
    EXPECT_EQ(xp.GetDockbarSkin()->GetFrameColor(), xp.GetBorderColor());
    pDockBar->DestroyWindow();
    delete pDockBar;
}
