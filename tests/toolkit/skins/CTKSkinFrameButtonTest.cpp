// Tests of the XP skin's flat caption buttons: the plain, hot and pressed
// looks that follow the cursor and the mouse capture (both pinned), the
// overlay colour and the active look's inverted glyph. The glyph's own pixels depend on the
// caption font, so only its colour is checked.

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "toolkit/skins/CTKSkinXP.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kBackground = RGB(200, 220, 240);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kHighlight = RGB(10, 36, 106);
const CRect kButton(10, 10, 26, 26);  // in the window's coordinates

}  // namespace

TEST(CTKSkinXP, FrameButtonFollowsCursorCaptureOverlayAndActiveFlag)
{
    CTKTestSystem system;
    // The glyph is drawn by the system on its own button face.
    system.m_mapColors[COLOR_BTNFACE] = ::GetSysColor(COLOR_BTNFACE);
    CTKSkinXP skin;
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_POPUP | WS_VISIBLE, 40, 40, 100, 60,
                             nullptr, nullptr));
    const CPoint ptInside(40 + kButton.CenterPoint().x, 40 + kButton.CenterPoint().y);
    const CPoint ptOutside(40 + 80, 40 + 50);
    const COLORREF crHot = skin.GetHotItemColor();
    const COLORREF crPressed = skin.GetCheckedHotItemColor();
    const COLORREF crOverlayActive = CTKSkinXP::AdjustColor(kBackground, 64, 64, 64);
    const COLORREF crOverlayInactive = CTKSkinXP::AdjustColor(kBackground, -96, -96, -96);
    struct Row {
        const char* pszLook;
        BOOL bInside;
        BOOL bCaptured;
        BOOL bOverlay;
        BOOL bActive;
        COLORREF crCorner;
        COLORREF crFill;
        COLORREF crGlyph;
        COLORREF crNoGlyph;
    } rows[] = {
        {"plain", FALSE, FALSE, FALSE, FALSE, kBackground, kBackground, kBlack, kWhite},
        {"hot", TRUE, FALSE, FALSE, FALSE, kHighlight, crHot, kBlack, kWhite},
        {"outside while the mouse is captured", FALSE, TRUE, FALSE, FALSE, kBackground, kBackground, kBlack,
         kWhite},
        {"pressed", TRUE, TRUE, FALSE, FALSE, kHighlight, crPressed, kWhite, kBlack},
        {"active", FALSE, FALSE, FALSE, TRUE, kBackground, kBackground, kWhite, kBlack},
        {"active under the cursor", TRUE, FALSE, FALSE, TRUE, kHighlight, crHot, kBlack, kWhite},
        {"overlay, active", FALSE, FALSE, TRUE, TRUE, kBackground, kBackground, crOverlayActive, kBlack},
        {"overlay under the cursor", TRUE, FALSE, TRUE, FALSE, kBackground, kBackground, crOverlayInactive, kBlack},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszLook);
        system.m_ptCursor = row.bInside ? ptInside : ptOutside;
        system.m_hCapture = row.bCaptured ? wnd.m_hWnd : nullptr;
        CTKTestCanvas canvas(40, 40);
        skin.DrawFrameButton(&canvas.m_dc, kButton, DFCS_CAPTIONCLOSE, row.bOverlay, row.bActive, kBackground, &wnd);
        EXPECT_EQ(canvas.m_dc.GetPixel(kButton.left, kButton.top), row.crCorner);
        EXPECT_EQ(canvas.m_dc.GetPixel(kButton.left + 1, kButton.top + 1), row.crFill);
        EXPECT_EQ(canvas.m_dc.GetPixel(kButton.left - 1, kButton.top), CTKTestCanvas::kSentinel);
        EXPECT_TRUE(canvas.HasColour(kButton, row.crGlyph));
        EXPECT_FALSE(canvas.HasColour(kButton, row.crNoGlyph));
    }
    wnd.DestroyWindow();
}
