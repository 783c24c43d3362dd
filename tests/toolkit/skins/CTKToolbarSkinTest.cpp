// Tests of the toolbar part skins on a real cool toolbar: grippers per look
// (none floating), the classic look's tint table with the colour options,
// the XP and 2003 buttons per state, the separators and the selection
// frame. Colours, theme and the common controls' version are pinned.
//
// Not tested here: images and their shadows (the bar has no image list),
// texts (fonts differ), the MDI buttons and the non-client paint.

#include "CTKTestCanvas.h"
#include "CTKTestSystem.h"

#include "toolkit/frames/CTKCoolToolBar.h"
#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKSkinClassic.h"
#include "toolkit/skins/CTKToolbarSkin2003.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const COLORREF kSentinel = CTKTestCanvas::kSentinel;
const UINT kFirstID = 100;


BOOL IsUntouched(CTKTestCanvas& canvas, int cx, int cy)
{
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (canvas.m_dc.GetPixel(x, y) != kSentinel)
                return FALSE;
    return TRUE;
}

class ToolbarSkinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, 400, 200, nullptr, nullptr));
        ASSERT_TRUE(m_bar.CreateEx(&m_parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        m_bar.SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(24, 22));
        // Plain, checked, disabled, a separator and one more plain button.
        TBBUTTON buttons[5] = {};
        const BYTE states[] = {TBSTATE_ENABLED, TBSTATE_ENABLED | TBSTATE_CHECKED, 0, 0, TBSTATE_ENABLED};
        for (int i = 0; i < 5; ++i) {
            buttons[i].iBitmap = i == 3 ? 8 : I_IMAGENONE;
            buttons[i].idCommand = i == 3 ? 0 : kFirstID + i;
            buttons[i].fsState = states[i];
            buttons[i].fsStyle = i == 3 ? BTNS_SEP : (i == 1 ? BTNS_CHECK : BTNS_BUTTON);
        }
        m_bar.SendMessage(TB_ADDBUTTONS, 5, reinterpret_cast<LPARAM>(buttons));
        // No frame lays the bar out here: it gets room for its row.
        m_bar.SetWindowPos(nullptr, 0, 0, 300, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_parent.DestroyWindow();
    }

    CRect ItemRect(int nIndex)
    {
        CRect rect;
        m_bar.SendMessage(TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }

    CTKTestSystem m_system;
    CWnd m_parent;
    CTKCoolToolBar m_bar;
};

// A custom-draw record of one item stage on the canvas.
NMTBCUSTOMDRAW ItemRecord(CTKCoolToolBar& bar, CDC& dc, DWORD dwStage, UINT nID, UINT uState, const CRect& rect)
{
    NMTBCUSTOMDRAW draw = {};
    draw.nmcd.hdr.hwndFrom = bar.m_hWnd;
    draw.nmcd.hdr.idFrom = bar.GetDlgCtrlID();
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = dwStage;
    draw.nmcd.hdc = dc.GetSafeHdc();
    draw.nmcd.rc = rect;
    draw.nmcd.dwItemSpec = nID;
    draw.nmcd.uItemState = uState;
    draw.clrText = kSentinel;
    return draw;
}

}  // namespace

TEST_F(ToolbarSkinTest, FloatingBarHasNoGripperInAnyLookADockedOneHas)
{
    CTKSkinClassic classic;
    CTKSkinXP xp;
    CTKSkin2003 skin2003;
    for (CTKSkin* pSkin : {static_cast<CTKSkin*>(&classic), static_cast<CTKSkin*>(&xp),
                           static_cast<CTKSkin*>(&skin2003)}) {
        for (const DWORD dwSide : {DWORD(CBRS_ALIGN_TOP), DWORD(CBRS_ALIGN_LEFT)}) {
            for (const BOOL bFloating : {FALSE, TRUE}) {
                SCOPED_TRACE(::testing::Message() << static_cast<LPCTSTR>(pSkin->GetName()) << " side " << dwSide
                                                  << " floating " << bFloating);
                m_bar.SetBarStyle(dwSide | CBRS_GRIPPER | (bFloating ? CBRS_FLOATING : 0));
                CTKTestCanvas canvas(40, 40);
                CRect rect(0, 0, 40, 40);
                pSkin->GetToolbarSkin()->DrawGripper(&canvas.m_dc, &rect, &m_bar);
                EXPECT_EQ(IsUntouched(canvas, 40, 40), bFloating);
            }
        }
    }
}

// Options left at the default value change nothing the control draws; a set
// option frames or fills the button of its state.
TEST_F(ToolbarSkinTest, ClassicTintsOnlyWithTheColourOptionsThatAreSet)
{
    CTKSkinClassic classic;
    CTKToolbarSkin* pSkin = classic.GetToolbarSkin();
    const CRect rect(0, 0, 24, 22);
    {
        CTKTestCanvas canvas(24, 22);
        for (const UINT uState : {0u, UINT(CDIS_HOT), UINT(CDIS_CHECKED), UINT(CDIS_SELECTED)}) {
            SCOPED_TRACE(uState);
            NMTBCUSTOMDRAW draw = ItemRecord(m_bar, canvas.m_dc, CDDS_ITEMPREPAINT, kFirstID, uState, rect);
            LRESULT lResult = -1;
            pSkin->OnCustomDraw(&draw.nmcd.hdr, &lResult, &m_bar);
            EXPECT_EQ(lResult, CDRF_NOTIFYPOSTPAINT);
            EXPECT_EQ(draw.clrText, kSentinel);
            EXPECT_TRUE(IsUntouched(canvas, 24, 22));
        }
    }
    m_bar.HotBorderColor = RGB(255, 0, 0);
    m_bar.HotBkColor = RGB(0, 255, 0);
    m_bar.HotTextColor = RGB(0, 0, 255);
    m_bar.CheckedBkColor = RGB(0, 128, 0);
    struct Row {
        DWORD dwComCtl;
        UINT uState;
        COLORREF clrEdge;
        COLORREF clrInside;
        LRESULT lResult;
        COLORREF clrRecordText;
    } rows[] = {
        {0x00060000, CDIS_HOT, RGB(255, 0, 0), RGB(0, 255, 0), CDRF_NOTIFYPOSTPAINT | TBCDRF_NOEDGES, RGB(0, 0, 255)},
        {0x00060000, CDIS_CHECKED, RGB(0, 128, 0), RGB(0, 128, 0), CDRF_NOTIFYPOSTPAINT | TBCDRF_NOETCHEDEFFECT,
         kSentinel},
        {0x00040046, CDIS_HOT, RGB(255, 0, 0), RGB(0, 255, 0), CDRF_NOTIFYPOSTPAINT, kSentinel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << std::hex << row.dwComCtl << " state " << row.uState);
        m_system.m_dwComCtlVersion = row.dwComCtl;
        CTKTestCanvas canvas(24, 22);
        NMTBCUSTOMDRAW draw = ItemRecord(m_bar, canvas.m_dc, CDDS_ITEMPREPAINT, kFirstID, row.uState, rect);
        LRESULT lResult = -1;
        pSkin->OnCustomDraw(&draw.nmcd.hdr, &lResult, &m_bar);
        EXPECT_EQ(lResult, row.lResult);
        EXPECT_EQ(draw.clrText, row.clrRecordText);
        EXPECT_EQ(canvas.m_dc.GetPixel(0, 10), row.clrEdge);
        EXPECT_EQ(canvas.m_dc.GetPixel(12, 10), row.clrInside);
        if (row.dwComCtl < 0x00040047)
            EXPECT_EQ(canvas.m_dc.GetTextColor(), RGB(0, 0, 255));
    }
}

// XP and 2003 draw every button themselves: a box for checked and hot ones,
// the plain background for the others.
TEST_F(ToolbarSkinTest, OwnerDrawnButtonsShowTheirStates)
{
    CTKSkinXP xp;
    CTKSkin2003 skin2003;
    m_bar.SendMessage(TB_SETHOTITEM, 4);
    ASSERT_EQ(m_bar.SendMessage(TB_GETHOTITEM), 4);
    for (const BOOL b2003 : {FALSE, TRUE}) {
        SCOPED_TRACE(b2003 ? "2003" : "XP");
        auto* pSkin = static_cast<CTKToolbarSkinXP*>((b2003 ? static_cast<CTKSkinXP&>(skin2003) : xp).GetToolbarSkin());
        CRect rectClient;
        m_bar.GetClientRect(&rectClient);
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        pSkin->PaintBar(&canvas.m_dc, &m_bar);
        const COLORREF clrBorder = b2003 ? skin2003.GetHotItemBorderColor() : xp.GetHotItemBorderColor();
        // The 2003 boxes are gradients: their first row holds the start colour.
        struct Row {
            int nIndex;
            BOOL bBox;
            COLORREF clrTop;
        } rows[] = {
            {0, FALSE, 0},
            {1, TRUE, b2003 ? skin2003.GetCheckedButtonLightColor() : xp.GetCheckedItemColor()},
            {2, FALSE, 0},
            {4, TRUE, b2003 ? skin2003.GetHotButtonLightColor() : xp.GetHotItemColor()},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(row.nIndex);
            const CRect rect = ItemRect(row.nIndex);
            const CPoint ptMiddle = rect.CenterPoint();
            EXPECT_EQ(canvas.m_dc.GetPixel(rect.left, ptMiddle.y) == clrBorder, row.bBox);
            if (row.bBox)
                EXPECT_EQ(canvas.m_dc.GetPixel(ptMiddle.x, rect.top + 1), row.clrTop);
            else
                EXPECT_EQ(canvas.m_dc.GetPixel(ptMiddle.x, ptMiddle.y),
                          canvas.m_dc.GetPixel(rectClient.right - 1, ptMiddle.y));
        }
    }
}

// A separator wider than high in a row is a gap; one that wraps the row is a
// line across the bar.
TEST_F(ToolbarSkinTest, XpSeparatorInARowIsDrawnOnlyWhenUpright)
{
    CTKSkinXP xp;
    CTKToolbarSkin* pSkin = xp.GetToolbarSkin();
    const COLORREF clrLine = xp.GetSeparatorColor();
    struct Row {
        CRect rect;
        CPoint ptLine;
    } rows[] = {
        {CRect(0, 0, 8, 22), CPoint(3, 10)},
        {CRect(0, 0, 30, 8), CPoint(10, 3)},
    };
    for (const Row& row : rows) {
        CTKTestCanvas canvas(30, 22);
        CRect rect = row.rect;
        pSkin->DrawSeparator(&canvas.m_dc, &rect, &m_bar);
        EXPECT_EQ(canvas.m_dc.GetPixel(row.ptLine.x, row.ptLine.y), clrLine);
    }
    // The bar's separator (index 3) is wider than high: PaintBar leaves it.
    const CRect rectSep = ItemRect(3);
    ASSERT_GE(rectSep.Width(), 1);
    if (rectSep.Width() >= rectSep.Height()) {
        CRect rectClient;
        m_bar.GetClientRect(&rectClient);
        CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
        static_cast<CTKToolbarSkinXP*>(pSkin)->PaintBar(&canvas.m_dc, &m_bar);
        for (int x = rectSep.left; x < rectSep.right; ++x)
            EXPECT_NE(canvas.m_dc.GetPixel(x, (rectSep.top + rectSep.bottom) / 2 - 1), clrLine);
    }
}

TEST_F(ToolbarSkinTest, SelectionFrameIsTwoFramesInXpAndADragRectInClassic)
{
    CTKSkinXP xp;
    CTKTestCanvas canvas(20, 20);
    CRect rect(2, 2, 18, 18);
    xp.GetToolbarSkin()->DrawSelectionFrame(&canvas.m_dc, &rect, &m_bar);
    const COLORREF clrText = CTKSkinXP::SysColor(COLOR_BTNTEXT);
    EXPECT_EQ(canvas.m_dc.GetPixel(2, 10), clrText);
    EXPECT_EQ(canvas.m_dc.GetPixel(3, 10), clrText);
    EXPECT_EQ(canvas.m_dc.GetPixel(4, 10), kSentinel);
}

TEST_F(ToolbarSkinTest, DropDownRemembersThePressedButtonUntilItIsDrawn)
{
    EXPECT_EQ(m_bar.m_nDroppedButtonID, -1);
    NMTOOLBAR note = {};
    note.hdr.hwndFrom = m_bar.m_hWnd;
    note.hdr.idFrom = m_bar.GetDlgCtrlID();
    note.hdr.code = TBN_DROPDOWN;
    note.iItem = kFirstID + 4;
    m_parent.SendMessage(WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
    EXPECT_EQ(m_bar.m_nDroppedButtonID, static_cast<int>(kFirstID + 4));
    CTKSkinXP xp;
    CRect rectClient;
    m_bar.GetClientRect(&rectClient);
    CTKTestCanvas canvas(rectClient.Width(), rectClient.Height());
    static_cast<CTKToolbarSkinXP*>(xp.GetToolbarSkin())->PaintBar(&canvas.m_dc, &m_bar);
    EXPECT_EQ(m_bar.m_nDroppedButtonID, -1);
}
