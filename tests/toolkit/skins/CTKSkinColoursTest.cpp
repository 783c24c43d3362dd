// Tests of the XP and 2003 colour schemes: the colour table with the system
// colours and theme pinned, the colour arithmetic at its edges, the 2003
// gradients with and without Msimg32, the gripper dots and the transparent
// copy.

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "toolkit/skins/CTKSkin2003.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using ColourOf = std::function<COLORREF(const CTKSkinXP&)>;

// A 2003 skin made while the test system stands in, as its libraries are
// loaded when it is made.
struct SkinColoursTest : ::testing::Test {
    CTKTestSystem system;

    COLORREF Colour2003(const ColourOf& colourOf, BOOL bThemed)
    {
        system.m_bThemed = bThemed;
        CTKSkin2003 skin;
        return colourOf(skin);
    }
};

}  // namespace

TEST_F(SkinColoursTest, TableGivesTheColoursOfEachSchemeAndClosesEveryThemeItOpens)
{
    struct Row {
        const char* pszName;
        ColourOf colourOf;
        COLORREF crXP;
        COLORREF cr2003Themed;
        COLORREF cr2003Unthemed;
    } rows[] = {
        {"HotItem", &CTKSkinXP::GetHotItemColor, RGB(181, 189, 210), RGB(255, 238, 194), RGB(181, 189, 210)},
        // The blue is 216.99999 in double: it pins the evaluation precision.
        {"CheckedItem", &CTKSkinXP::GetCheckedItemColor, RGB(212, 213, 216), RGB(255, 192, 111),
         RGB(212, 213, 216)},
        {"CheckedHotItem", &CTKSkinXP::GetCheckedHotItemColor, RGB(132, 145, 180), RGB(254, 128, 62),
         RGB(132, 145, 180)},
        {"HotItemBorder", &CTKSkinXP::GetHotItemBorderColor, RGB(10, 36, 106), RGB(0, 0, 128), RGB(10, 36, 106)},
        {"MenuBackground", &CTKSkinXP::GetMenuBackgroundColor, RGB(248, 248, 247), RGB(246, 246, 246),
         RGB(248, 248, 247)},
        {"MenuBorder", &CTKSkinXP::GetMenuBorderColor, RGB(128, 128, 128), RGB(0, 46, 124), RGB(128, 128, 128)},
        {"ToolbarBackground", &CTKSkinXP::GetToolbarBackgroundColor, RGB(218, 215, 208), RGB(218, 215, 208),
         RGB(218, 215, 208)},
        {"DockbarBackground", &CTKSkinXP::GetDockbarBackgroundColor, RGB(212, 208, 200), RGB(193, 210, 237),
         RGB(212, 208, 200)},
        {"InactiveTabText", &CTKSkinXP::GetInactiveTabTextColor, RGB(120, 116, 106), RGB(0, 0, 0), RGB(0, 0, 0)},
        {"Separator", &CTKSkinXP::GetSeparatorColor, RGB(166, 166, 166), RGB(90, 135, 208), RGB(166, 166, 166)},
        {"Border", &CTKSkinXP::GetBorderColor, RGB(128, 128, 128), RGB(24, 53, 98), RGB(166, 166, 166)},
        {"Gripper", &CTKSkinXP::GetGripperColor, RGB(160, 160, 160), RGB(34, 74, 137), RGB(160, 160, 160)},
        {"MiniFrameCaption", &CTKSkinXP::GetMiniFrameCaptionColor, RGB(128, 128, 128), RGB(49, 106, 197),
         RGB(128, 128, 128)},
        {"MiniFrameCaptionText", &CTKSkinXP::GetMiniFrameCaptionTextColor, RGB(255, 255, 255), RGB(255, 255, 255),
         RGB(255, 255, 255)},
        {"MiniFrameBorder", &CTKSkinXP::GetMiniFrameBorderColor, RGB(119, 119, 119), RGB(49, 106, 197),
         RGB(119, 119, 119)},
        {"MiniFrameBackground", &CTKSkinXP::GetMiniFrameBackgroundColor, RGB(218, 215, 208), RGB(193, 210, 237),
         RGB(212, 208, 200)},
        {"DisabledText", &CTKSkinXP::GetDisabledTextColor, RGB(128, 128, 128), RGB(141, 141, 141),
         RGB(128, 128, 128)},
        {"MenuDisabled", &CTKSkinXP::GetMenuDisabledColor, RGB(166, 166, 166), RGB(141, 141, 141),
         RGB(166, 166, 166)},
    };
    CTKSkinXP xp;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        EXPECT_EQ(row.colourOf(xp), row.crXP);
        EXPECT_EQ(Colour2003(row.colourOf, TRUE), row.cr2003Themed);
        EXPECT_EQ(Colour2003(row.colourOf, FALSE), row.cr2003Unthemed);
        EXPECT_EQ(system.m_nThemesOpen, 0);
    }
}

TEST_F(SkinColoursTest, The2003SkinsFurtherColoursFollowTheTheme)
{
    using Colour2003Of = COLORREF (CTKSkin2003::*)() const;
    struct Row {
        const char* pszName;
        Colour2003Of colourOf;
        COLORREF crThemed;
        COLORREF crUnthemed;
    } rows[] = {
        {"ToolbarLight", &CTKSkin2003::GetToolbarLightColor, RGB(244, 247, 252), RGB(245, 244, 242)},
        {"ToolbarDark", &CTKSkin2003::GetToolbarDarkColor, RGB(90, 135, 208), RGB(213, 209, 202)},
        {"MenuBarDark", &CTKSkin2003::GetMenuBarDarkColor, RGB(152, 180, 226), RGB(212, 208, 200)},
        {"MenuBarLight", &CTKSkin2003::GetMenuBarLightColor, RGB(193, 210, 237), RGB(246, 245, 244)},
        {"CaptionDark", &CTKSkin2003::GetCaptionDarkColor, RGB(90, 135, 208), RGB(212, 208, 200)},
        {"CaptionLight", &CTKSkin2003::GetCaptionLightColor, RGB(244, 247, 252), RGB(243, 242, 240)},
        {"MenuGradientLight", &CTKSkin2003::GetMenuGradientLightColor, RGB(244, 247, 252), RGB(248, 248, 247)},
        {"MenuGradientDark", &CTKSkin2003::GetMenuGradientDarkColor, RGB(90, 135, 208), RGB(215, 211, 204)},
        {"MenuGradientSecondDark", &CTKSkin2003::GetMenuGradientSecondDarkColor, RGB(90, 135, 208),
         RGB(236, 235, 231)},
        {"HalfHighlight", &CTKSkin2003::GetHalfHighlightColor, RGB(152, 180, 226), RGB(218, 215, 208)},
        {"DockbarSeparator", &CTKSkin2003::GetDockbarSeparatorColor, RGB(152, 180, 226), RGB(166, 166, 166)},
        {"Statusbar1", &CTKSkin2003::GetStatusbarColor1, RGB(91, 108, 135), RGB(128, 128, 128)},
        {"Statusbar2", &CTKSkin2003::GetStatusbarColor2, RGB(172, 195, 231), RGB(233, 231, 227)},
        {"Statusbar3", &CTKSkin2003::GetStatusbarColor3, RGB(110, 150, 214), RGB(220, 217, 211)},
        {"HotButtonLight", &CTKSkin2003::GetHotButtonLightColor, RGB(255, 244, 204), RGB(181, 189, 210)},
        {"HotButtonDark", &CTKSkin2003::GetHotButtonDarkColor, RGB(255, 208, 145), RGB(181, 189, 210)},
        {"CheckedButtonLight", &CTKSkin2003::GetCheckedButtonLightColor, RGB(255, 213, 140), RGB(212, 213, 216)},
        {"CheckedButtonDark", &CTKSkin2003::GetCheckedButtonDarkColor, RGB(255, 173, 85), RGB(212, 213, 216)},
        {"PressedButtonDark", &CTKSkin2003::GetPressedButtonDarkColor, RGB(254, 145, 78), RGB(132, 145, 180)},
        {"PressedButtonLight", &CTKSkin2003::GetPressedButtonLightColor, RGB(255, 211, 142), RGB(132, 145, 180)},
        {"LightOrange", &CTKSkin2003::GetLightOrangeColor, RGB(247, 192, 91), RGB(247, 192, 91)},
        {"DarkOrange", &CTKSkin2003::GetDarkOrangeColor, RGB(238, 149, 21), RGB(238, 149, 21)},
    };
    CTKSkin2003 skin;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        system.m_bThemed = TRUE;
        EXPECT_EQ((skin.*row.colourOf)(), row.crThemed);
        system.m_bThemed = FALSE;
        EXPECT_EQ((skin.*row.colourOf)(), row.crUnthemed);
        EXPECT_EQ(system.m_nThemesOpen, 0);
    }
}

TEST_F(SkinColoursTest, WithoutTheThemeLibraryThe2003SkinIsUnthemed)
{
    system.m_bUxTheme = FALSE;
    system.m_bThemed = TRUE;
    CTKSkin2003 skin;
    EXPECT_EQ(skin.GetHotItemColor(), RGB(181, 189, 210));
}

TEST(CTKSkinXP, ColourArithmeticStaysWithinTheChannelRange)
{
    struct Row {
        const char* pszCase;
        COLORREF crResult;
        COLORREF crExpected;
    } rows[] = {
        {"blend white, black 0.7/0.3 truncates 178.5",
         CTKSkinXP::BlendColors(RGB(255, 255, 255), 0, 0, 0.7f, 0.3f, 0), RGB(178, 178, 178)},
        {"blend over weight 1 limits to 255",
         CTKSkinXP::BlendColors(RGB(255, 200, 0), RGB(255, 200, 0), 0, 0.8f, 0.8f, 0), RGB(255, 255, 0)},
        {"adjust 5 by -9 gives 0, 250 by +38 gives 255",
         CTKSkinXP::AdjustColor(RGB(5, 250, 100), -9, 38, 0), RGB(0, 255, 100)},
        {"scale truncates and limits", CTKSkinXP::ScaleColor(RGB(10, 250, 3), 1.25f, 1.2f, 0.5f),
         RGB(12, 255, 1)},
        {"invert", CTKSkinXP::InvertColor(RGB(0, 128, 255)), RGB(255, 127, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        EXPECT_EQ(row.crResult, row.crExpected);
    }
}

TEST_F(SkinColoursTest, LightButtonFaceIsTheFaceScaledBy1Point2)
{
    EXPECT_EQ(CTKSkinXP::GetLightButtonFaceColor(), RGB(254, 249, 240));
}

TEST_F(SkinColoursTest, VisualStylesCountOnlyOnWindows51WithThemeAndCommonControls6)
{
    struct Row {
        DWORD dwMajor, dwMinor;
        BOOL bThemed;
        DWORD dwComCtl;
        BOOL bActive;
    } rows[] = {
        {5, 1, TRUE, 0x00060000, TRUE},  {5, 1, FALSE, 0x00060000, FALSE}, {5, 1, TRUE, 0x00050051, FALSE},
        {6, 1, TRUE, 0x00060000, FALSE}, {5, 0, TRUE, 0x00060000, FALSE},  {5, 2, TRUE, 0x00060000, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.dwMajor << "." << row.dwMinor << " themed " << row.bThemed
                                        << " comctl " << std::hex << row.dwComCtl);
        system.m_version = {row.dwMajor, row.dwMinor, FALSE};
        system.m_bThemed = row.bThemed;
        system.m_dwComCtlVersion = row.dwComCtl;
        EXPECT_EQ(CTKUxTheme::IsVisualStylesActive(), row.bActive);
    }
}

TEST_F(SkinColoursTest, GradientsRunFromTheStartColourWithOrWithoutMsimg32)
{
    for (BOOL bMsimg32 : {TRUE, FALSE}) {
        SCOPED_TRACE(bMsimg32 ? "GradientFill" : "line by line");
        system.m_bMsimg32 = bMsimg32;
        CTKSkin2003 skin;
        CTKTestCanvas canvas;
        skin.GradientFillRect(&canvas.m_dc, CRect(0, 0, 1, 10), RGB(200, 0, 0), RGB(0, 0, 200), 0);
        EXPECT_EQ(canvas.m_dc.GetPixel(0, 5), RGB(200, 0, 0)) << "width 1: the start colour only";
        skin.GradientFillRect(&canvas.m_dc, CRect(4, 0, 24, 10), RGB(0, 0, 0), RGB(200, 200, 200), 0);
        EXPECT_EQ(canvas.m_dc.GetPixel(4, 3), RGB(0, 0, 0));
        EXPECT_LT(GetRValue(canvas.m_dc.GetPixel(10, 3)), GetRValue(canvas.m_dc.GetPixel(20, 3)));
        EXPECT_EQ(canvas.m_dc.GetPixel(10, 3), canvas.m_dc.GetPixel(10, 8)) << "columns are even";
        EXPECT_EQ(canvas.m_dc.GetPixel(24, 3), CTKTestCanvas::kSentinel);
        skin.GradientFillRect(&canvas.m_dc, CRect(0, 12, 10, 32), RGB(0, 0, 0), RGB(200, 200, 200), 1);
        EXPECT_LT(GetRValue(canvas.m_dc.GetPixel(5, 14)), GetRValue(canvas.m_dc.GetPixel(5, 28)));
        EXPECT_EQ(canvas.m_dc.GetPixel(2, 20), canvas.m_dc.GetPixel(8, 20)) << "rows are even";
    }
}

TEST_F(SkinColoursTest, CornerGradientStartsAtTheTopLeftColour)
{
    for (BOOL bMsimg32 : {TRUE, FALSE}) {
        SCOPED_TRACE(bMsimg32 ? "GradientFill" : "line by line");
        system.m_bMsimg32 = bMsimg32;
        CTKSkin2003 skin;
        CTKTestCanvas canvas;
        skin.GradientFillCorners(&canvas.m_dc, CRect(0, 0, 20, 10), RGB(0, 0, 0), RGB(0, 200, 0), RGB(200, 0, 0),
                                 RGB(200, 200, 0));
        EXPECT_EQ(canvas.m_dc.GetPixel(0, 0), RGB(0, 0, 0));
        // Wider than high: without GradientFill it runs top to bottom.
        EXPECT_GT(GetRValue(canvas.m_dc.GetPixel(1, 9)), GetRValue(canvas.m_dc.GetPixel(1, 1)));
        EXPECT_EQ(canvas.m_dc.GetPixel(20, 5), CTKTestCanvas::kSentinel);
    }
}

TEST_F(SkinColoursTest, GripperDotsAreTwoLinesOfGripperColourAndAHighlightEveryFourPixels)
{
    CTKSkin2003 skin;
    const COLORREF crGripper = skin.GetGripperColor();
    const COLORREF crLight = RGB(255, 255, 255);
    struct Row {
        BOOL bHorizontal;
        // Pixels across the lines, from the rectangle's start.
        POINT ptLine1, ptLine2, ptLight, ptNextGroup;
    } rows[] = {
        {TRUE, {5, 2}, {5, 3}, {5, 4}, {5, 6}},
        {FALSE, {2, 5}, {3, 5}, {4, 5}, {6, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bHorizontal ? "horizontal" : "vertical");
        CTKTestCanvas canvas;
        skin.DrawGripperDots(&canvas.m_dc, CRect(2, 2, 12, 12), row.bHorizontal);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.ptLine1.x, row.ptLine1.y), crGripper);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.ptLine2.x, row.ptLine2.y), crGripper);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.ptLight.x, row.ptLight.y), crLight);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.ptNextGroup.x, row.ptNextGroup.y), crGripper);
    }
}

TEST(CTKSkinXP, DrawTransparentLeavesTheTransparentColourOut)
{
    CTKTestCanvas image;
    image.m_dc.FillSolidRect(0, 0, 32, 32, RGB(0, 255, 0));
    image.m_dc.FillSolidRect(0, 0, 4, 4, RGB(200, 10, 10));
    CBitmap* pImage = image.TakeBitmap();
    CTKTestCanvas target;
    target.m_dc.SetTextColor(RGB(7, 8, 9));
    target.m_dc.SetBkColor(RGB(9, 8, 7));
    CTKSkinXP::DrawTransparent(pImage, &target.m_dc, 8, 8, 8, 8, RGB(0, 255, 0));
    EXPECT_EQ(target.m_dc.GetPixel(9, 9), RGB(200, 10, 10));
    EXPECT_EQ(target.m_dc.GetPixel(14, 14), CTKTestCanvas::kSentinel);
    EXPECT_EQ(target.m_dc.GetTextColor(), RGB(7, 8, 9));
    EXPECT_EQ(target.m_dc.GetBkColor(), RGB(9, 8, 7));
}
