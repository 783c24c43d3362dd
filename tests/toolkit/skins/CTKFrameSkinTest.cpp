// Tests of the frame skins: the flat border each look draws over a real
// window's edge, how far it grows a rectangle, and its face and edge
// colours, with the system colours and the theme pinned.

#include "CTKTestSystem.h"

#include "toolkit/skins/CTKFrameSkin2003.h"
#include "toolkit/skins/CTKFrameSkinClassic.h"
#include "toolkit/skins/CTKSkin2003.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const COLORREF kFace = RGB(212, 208, 200);
const COLORREF kShadow = RGB(128, 128, 128);

COLORREF WindowPixel(CWnd& wnd, int x, int y)
{
    CWindowDC dc(&wnd);
    return dc.GetPixel(x, y);
}

}  // namespace

TEST(CTKFrameSkin, EachLookGivesItsBorderAdjustmentFaceAndEdge)
{
    CTKTestSystem system;
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 20,
                             60, 40, nullptr, nullptr));
    for (BOOL bThemed : {FALSE, TRUE}) {
        system.m_bThemed = bThemed;
        CTKSkinXP xp;
        CTKSkin2003 skin2003;
        const COLORREF crBorder2003 = skin2003.GetBorderColor();
        struct Row {
            const char* pszLook;
            std::unique_ptr<CTKFrameSkin> pFrameSkin;
            COLORREF crBorder;  // CLR_INVALID: the skin draws none
            int nGrowth;
            COLORREF crFace;
            COLORREF crEdge;
        } rows[] = {
            {"Classic", std::make_unique<CTKFrameSkinClassic>(), CLR_INVALID, 0, kFace, kShadow},
            {"XP", std::make_unique<CTKFrameSkinXP>(&xp), kShadow, 1, kFace, kShadow},
            {"2003", std::make_unique<CTKFrameSkin2003>(&skin2003), crBorder2003, 1,
             skin2003.GetDockbarBackgroundColor(), crBorder2003},
        };
        for (Row& row : rows) {
            SCOPED_TRACE(row.pszLook);
            SCOPED_TRACE(bThemed ? "themed" : "unthemed");
            wnd.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
            wnd.UpdateWindow();
            const COLORREF crCornerBefore = WindowPixel(wnd, 0, 0);
            const COLORREF crInsideBefore = WindowPixel(wnd, 30, 20);
            row.pFrameSkin->DrawBorder(&wnd);
            if (row.crBorder == CLR_INVALID) {
                EXPECT_EQ(WindowPixel(wnd, 0, 0), crCornerBefore);
            } else {
                EXPECT_EQ(WindowPixel(wnd, 0, 0), row.crBorder);
                EXPECT_EQ(WindowPixel(wnd, 59, 39), row.crBorder);
                EXPECT_NE(WindowPixel(wnd, 1, 1), row.crBorder);
            }
            EXPECT_EQ(WindowPixel(wnd, 30, 20), crInsideBefore);

            CRect rect(10, 10, 20, 20);
            row.pFrameSkin->AdjustBorderRect(&rect, &wnd);
            EXPECT_EQ(rect, CRect(10 - row.nGrowth, 10 - row.nGrowth, 20 + row.nGrowth, 20 + row.nGrowth));
            EXPECT_EQ(row.pFrameSkin->GetFaceColor(), row.crFace);
            EXPECT_EQ(row.pFrameSkin->GetEdgeColor(), row.crEdge);
        }
    }
    wnd.DestroyWindow();
}
