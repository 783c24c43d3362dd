// Tests of the toolbar skins' frames around the controls a toolbar hosts: a
// combo box (its surround, edit edge, drop button and arrow, plain, hot and
// dropped) and an edit's non-client frame, in each look; the 2003 surround
// continues the bar's gradient. The skins see the cursor away from the bar,
// so only the focus and the dropped list make a control hot.

#include "CTKTestSystem.h"

#include "toolkit/frames/CTKCoolToolBar.h"
#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKSkinClassic.h"
#include "toolkit/skins/CTKToolbarSkin2003.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWindow = RGB(255, 255, 255);
const COLORREF kHighlight = RGB(10, 36, 106);
const COLORREF kButtonText = RGB(0, 0, 0);
const COLORREF kHighlightText = RGB(255, 255, 255);
const UINT kComboID = 201;
const UINT kEditID = 202;

// A combo box that paints through a toolbar skin, as a hosted one would.
class CSkinPaintedCombo : public CComboBox {
public:
    CTKToolbarSkin* m_pSkin = nullptr;

protected:
    afx_msg void OnPaint() { m_pSkin->OnPaintComboBox(this); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSkinPaintedCombo, CComboBox)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class ToolbarSkinControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_system.m_bMsimg32 = FALSE;
        ASSERT_TRUE(m_parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, 400, 200, nullptr, nullptr));
        ASSERT_TRUE(m_bar.CreateEx(&m_parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        m_bar.SetWindowPos(nullptr, 0, 0, 300, 40, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(100, 4, 220, 150), &m_bar,
                                   kComboID));
        m_combo.AddString("one");
        ASSERT_TRUE(m_edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(230, 6, 290, 30),
                                    &m_bar, kEditID));
        m_parent.SetActiveWindow();
        m_system.m_ptCursor = CPoint(390, 190);
        MakeHot(nullptr);
    }
    void TearDown() override
    {
        m_combo.ShowDropDown(FALSE);
        m_parent.DestroyWindow();
    }

    // The focus in pWnd, or in the bar's parent; pending paints done.
    void MakeHot(CWnd* pWnd)
    {
        (pWnd != nullptr ? pWnd : &m_parent)->SetFocus();
        m_parent.UpdateWindow();
        m_combo.UpdateWindow();
        m_edit.UpdateWindow();
    }

    COLORREF ComboPixel(int x, int y)
    {
        CClientDC dc(&m_combo);
        return dc.GetPixel(x, y);
    }
    COLORREF EditFramePixel(int x, int y)
    {
        CWindowDC dc(&m_edit);
        return dc.GetPixel(x, y);
    }
    // What the bar's own 2003 background shows at the point pt of pWnd's
    // window.
    COLORREF BarBackgroundAt(CTKToolbarSkin2003& skin, CWnd& wnd, CPoint pt)
    {
        CRect rectWindow;
        wnd.GetWindowRect(&rectWindow);
        pt.Offset(rectWindow.left, rectWindow.top);
        m_bar.ScreenToClient(&pt);
        CRect rectClient;
        m_bar.GetClientRect(&rectClient);
        CClientDC barDC(&m_bar);
        CDC dc;
        dc.CreateCompatibleDC(&barDC);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&barDC, rectClient.Width(), rectClient.Height());
        CBitmap* pOld = dc.SelectObject(&bitmap);
        skin.DrawBackground(&dc, &m_bar);
        const COLORREF cr = dc.GetPixel(pt.x, pt.y);
        dc.SelectObject(pOld);
        return cr;
    }

    CTKTestSystem m_system;
    CWnd m_parent;
    CTKCoolToolBar m_bar;
    CSkinPaintedCombo m_combo;
    CEdit m_edit;
};

}  // namespace

TEST_F(ToolbarSkinControlsTest, XpComboShowsFlatSurroundAndAHotOrDroppedButton)
{
    CTKSkinXP skin;
    CTKToolbarSkin* pSkin = skin.GetToolbarSkin();
    CRect rectClient;
    m_combo.GetClientRect(&rectClient);
    const int cx = rectClient.Width();
    const int cy = rectClient.Height();
    const int xButton = cx - 5;
    const int xArrow = (cx - cy + 1 + cx - 3) / 2;  // the centre of the drop button
    const int yArrow = cy / 2;
    struct Row {
        const char* pszState;
        BOOL bFocus;
        BOOL bDropped;
        COLORREF crEditEdge;
        COLORREF crButton;
        COLORREF crArrow;
    } rows[] = {
        {"plain", FALSE, FALSE, kWindow, skin.GetToolbarBackgroundColor(), kButtonText},
        {"focused", TRUE, FALSE, kHighlight, skin.GetHotItemColor(), kButtonText},
        {"dropped", TRUE, TRUE, kHighlight, skin.GetCheckedHotItemColor(), kHighlightText},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszState);
        MakeHot(row.bFocus ? &m_combo : nullptr);
        m_combo.ShowDropDown(row.bDropped);
        m_combo.UpdateWindow();
        pSkin->DrawComboBox(&m_combo);
        EXPECT_EQ(ComboPixel(1, 1), skin.GetToolbarBackgroundColor());
        EXPECT_EQ(ComboPixel(2, 2), row.crEditEdge);
        EXPECT_EQ(ComboPixel(xButton, 4), row.crButton);
        EXPECT_EQ(ComboPixel(xArrow, yArrow), row.crArrow);
    }
}

TEST_F(ToolbarSkinControlsTest, ComboPaintsItselfInClassicAndIsPaintedOverFlatInXp)
{
    CTKSkinClassic classic;
    CTKSkinXP xp;
    struct Row {
        const char* pszLook;
        CTKToolbarSkin* pSkin;
        BOOL bFlat;
    } rows[] = {{"Classic", classic.GetToolbarSkin(), FALSE}, {"XP", xp.GetToolbarSkin(), TRUE}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszLook);
        m_combo.m_pSkin = row.pSkin;
        m_combo.Invalidate();
        m_combo.UpdateWindow();
        EXPECT_EQ(ComboPixel(1, 1) == xp.GetToolbarBackgroundColor(), row.bFlat);
        EXPECT_FALSE(::GetUpdateRect(m_combo.m_hWnd, nullptr, FALSE));
    }
}

TEST_F(ToolbarSkinControlsTest, ControlFrameIsFlatWithAWindowRingAndAHotBorderWhileFocused)
{
    CTKSkinXP skin;
    CTKToolbarSkin* pSkin = skin.GetToolbarSkin();
    for (BOOL bFocus : {FALSE, TRUE}) {
        SCOPED_TRACE(bFocus ? "focused" : "plain");
        MakeHot(bFocus ? static_cast<CWnd*>(&m_edit) : nullptr);
        pSkin->DrawControlFrame(&m_edit);
        EXPECT_EQ(EditFramePixel(0, 10), bFocus ? kHighlight : skin.GetToolbarBackgroundColor());
        EXPECT_EQ(EditFramePixel(1, 10), kWindow);
    }
    CTKSkinClassic classic;
    MakeHot(nullptr);
    const COLORREF crSystemEdge = EditFramePixel(0, 10);
    classic.GetToolbarSkin()->DrawControlFrame(&m_edit);
    EXPECT_EQ(EditFramePixel(0, 10), crSystemEdge);
}

TEST_F(ToolbarSkinControlsTest, The2003SurroundContinuesTheBarsGradient)
{
    for (BOOL bThemed : {FALSE, TRUE}) {
        SCOPED_TRACE(bThemed ? "themed" : "unthemed");
        m_system.m_bThemed = bThemed;
        CTKSkin2003 skin;
        auto* pSkin = static_cast<CTKToolbarSkin2003*>(skin.GetToolbarSkin());
        MakeHot(nullptr);
        pSkin->DrawComboBox(&m_combo);
        CRect rectCombo;
        m_combo.GetClientRect(&rectCombo);
        for (int y : {1, static_cast<int>(rectCombo.bottom) - 2}) {
            CPoint ptInWindow(1, y);
            m_combo.ClientToScreen(&ptInWindow);
            CRect rectWindow;
            m_combo.GetWindowRect(&rectWindow);
            ptInWindow.Offset(-rectWindow.left, -rectWindow.top);
            EXPECT_EQ(ComboPixel(1, y), BarBackgroundAt(*pSkin, m_combo, ptInWindow));
        }
        pSkin->DrawControlFrame(&m_edit);
        CRect rectEdit;
        m_edit.GetWindowRect(&rectEdit);
        for (int y : {0, rectEdit.Height() - 1})
            EXPECT_EQ(EditFramePixel(0, y), BarBackgroundAt(*pSkin, m_edit, CPoint(0, y)));
    }
}
