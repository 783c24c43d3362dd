// Tests of the mini-frame part skins on a real floating frame: the XP
// frame's border, caption and close button (plain, under the mouse,
// pressed), the answers of the XP and classic skins, and the frame's own
// classic skin without a skinned application.
//
// Not tested here: the frame's routing of WM_NCMOUSEMOVE and of a press on
// the close box (Wine's hit test of a tool caption is not the skin's square).

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "support/CTextRecorder.h"
#include "toolkit/frames/CTKSizableMiniDockFrameWnd.h"
#include "toolkit/skins/CTKMiniFrameSkinClassic.h"
#include "toolkit/skins/CTKMiniFrameSkinXP.h"
#include "toolkit/skins/CTKSkinXP.h"
#include "toolkit/skins/CTKWindowGeometry.h"

#include <gtest/gtest.h>

namespace {

struct MiniFrameSkinTest : ::testing::Test {
    CTKTestSystem system;
    CTKSkinXP xp;
    CFrameWnd* pFrame = new CFrameWnd;
    CTKSizableMiniDockFrameWnd* pMiniFrame = new CTKSizableMiniDockFrameWnd;
    BYTE keysBefore[256] = {};

    void SetUp() override
    {
        ::GetKeyboardState(keysBefore);
        ASSERT_TRUE(pFrame->Create(nullptr, "Main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400)));
        ASSERT_TRUE(pMiniFrame->Create(pFrame, CBRS_ALIGN_TOP));
        pMiniFrame->SetWindowText("Floating");
        pMiniFrame->SetWindowPos(nullptr, 100, 100, 200, 120, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    void TearDown() override
    {
        ::SetKeyboardState(keysBefore);
        pMiniFrame->DestroyWindow();
        pFrame->DestroyWindow();
    }

    CTKMiniFrameSkinXP* Skin() { return static_cast<CTKMiniFrameSkinXP*>(xp.GetMiniFrameSkin()); }

    CSize WindowSize()
    {
        CRect rect;
        pMiniFrame->GetWindowRect(&rect);
        return rect.Size();
    }

    static void SetLeftButton(BOOL bDown)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_LBUTTON] = bDown ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
};

}  // namespace

TEST_F(MiniFrameSkinTest, XPFrameHasAFlatBorderWithRoundedInnerCornersAndItsCaption)
{
    const CSize size = WindowSize();
    const CRect rectCaption = CTKMiniFrameSkinXP::CaptionRect(pMiniFrame);
    ASSERT_GT(rectCaption.Height(), 8);
    const CRect rectClient = CTKWindowGeometry::ClientRectInWindow(pMiniFrame);
    ASSERT_FALSE(rectClient.IsRectEmpty());
    CTKTestCanvas canvas(size.cx, size.cy);
    Skin()->PaintNonClient(&canvas.m_dc, pMiniFrame);
    const COLORREF crBorder = xp.GetMiniFrameBorderColor();
    const COLORREF crBackground = xp.GetMiniFrameBackgroundColor();
    struct Row {
        const char* pszWhere;
        CPoint pt;
        COLORREF cr;
    } rows[] = {
        {"outer corner", {0, 0}, crBorder},
        {"border", {1, size.cy / 2}, crBorder},
        {"inner corner top left", {2, 2}, crBorder},
        {"inner corner bottom right", {size.cx - 3, size.cy - 3}, crBorder},
        {"inside the border", {3, 2}, crBackground},
        {"inside the border, bottom", {100, size.cy - 3}, crBackground},
        {"caption before the title", {4, rectCaption.bottom - 1}, xp.GetMiniFrameCaptionColor()},
        {"between caption and client", {100, rectCaption.bottom}, crBackground},
        {"client", rectClient.CenterPoint(), CTKTestCanvas::kSentinel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszWhere);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.pt.x, row.pt.y), row.cr);
    }
}

TEST_F(MiniFrameSkinTest, XPCaptionTitleIsInTheCaptionTextColourAndTahomaBold)
{
    CDC dc;
    dc.Attach(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
    Skin()->PaintCaption(&dc, pMiniFrame);
    HENHMETAFILE hRecorded = ::CloseEnhMetaFile(dc.Detach());
    CTextRecorder recorder(hRecorded);
    ::DeleteEnhMetaFile(hRecorded);
    const TextCall* pTitle = recorder.Find("Floating");
    ASSERT_NE(pTitle, nullptr);
    EXPECT_EQ(pTitle->crText, xp.GetMiniFrameCaptionTextColor());
    EXPECT_NE(std::find(recorder.m_createdFaces.begin(), recorder.m_createdFaces.end(), "Tahoma BOLD"),
              recorder.m_createdFaces.end());
}

TEST_F(MiniFrameSkinTest, XPCloseButtonIsPlainHotOrPressed)
{
    const CRect rectButton = CTKMiniFrameSkinXP::CloseButtonRect(pMiniFrame);
    ASSERT_EQ(rectButton.Width(), rectButton.Height());
    CRect rectWindow;
    pMiniFrame->GetWindowRect(&rectWindow);
    const CPoint ptOver(rectWindow.left + rectButton.left, rectWindow.top + rectButton.bottom - 2);
    const CPoint ptLastColumn(rectWindow.left + rectButton.right - 1, rectWindow.top + rectButton.top + 2);
    const CPoint ptLastRow(rectWindow.left + rectButton.left + 2, rectWindow.top + rectButton.bottom - 1);
    struct Row {
        const char* pszCase;
        CPoint ptCursor;
        BOOL bLeftButton;
        COLORREF crEdge;
        COLORREF crFill;
        COLORREF crCross;
    } rows[] = {
        {"away", {0, 0}, FALSE, xp.GetMiniFrameCaptionColor(), xp.GetMiniFrameCaptionColor(),
         xp.GetMiniFrameCaptionTextColor()},
        {"away, button down", {0, 0}, TRUE, xp.GetMiniFrameCaptionColor(), xp.GetMiniFrameCaptionColor(),
         xp.GetMiniFrameCaptionTextColor()},
        {"on its last column", ptLastColumn, FALSE, xp.GetMiniFrameCaptionColor(), xp.GetMiniFrameCaptionColor(),
         xp.GetMiniFrameCaptionTextColor()},
        {"on its last row", ptLastRow, FALSE, xp.GetMiniFrameCaptionColor(), xp.GetMiniFrameCaptionColor(),
         xp.GetMiniFrameCaptionTextColor()},
        {"over it", ptOver, FALSE, xp.GetHotItemBorderColor(), xp.GetHotItemColor(), RGB(0, 0, 0)},
        {"pressed", ptOver, TRUE, xp.GetHotItemBorderColor(), xp.GetCheckedHotItemColor(), RGB(255, 255, 255)},
    };
    const CSize size = WindowSize();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        system.m_ptCursor = row.ptCursor;
        SetLeftButton(row.bLeftButton);
        CTKTestCanvas canvas(size.cx, size.cy);
        Skin()->PaintCloseButton(&canvas.m_dc, pMiniFrame);
        EXPECT_EQ(canvas.m_dc.GetPixel(rectButton.left, rectButton.top), row.crEdge);
        EXPECT_EQ(canvas.m_dc.GetPixel(rectButton.left + 1, rectButton.top + 1), row.crFill);
        // Both diagonals start 4 pixels in, the second pass a pixel right.
        for (CPoint pt : {CPoint(4, 4), CPoint(5, 4), CPoint(4, rectButton.Height() - 5)})
            EXPECT_EQ(canvas.m_dc.GetPixel(rectButton.left + pt.x, rectButton.top + pt.y), row.crCross);
    }
}

TEST_F(MiniFrameSkinTest, XPSkinHandlesTheCloseButtonAndAnswersActivationItselfClassicDoesNot)
{
    EXPECT_TRUE(Skin()->DrawCloseButton(pMiniFrame));
    EXPECT_TRUE(Skin()->OnNcActivate(TRUE, pMiniFrame));
    EXPECT_TRUE(Skin()->OnNcActivate(FALSE, pMiniFrame));

    // Without a skinned application the frame draws with a classic skin of
    // its own.
    CTKMiniFrameSkin* pOwn = pMiniFrame->GetMiniFrameSkin();
    ASSERT_NE(dynamic_cast<CTKMiniFrameSkinClassic*>(pOwn), nullptr);
    EXPECT_FALSE(pOwn->DrawCloseButton(pMiniFrame));
}
